// The judgement and the records of the benchmarks' figures.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "bench/BenchFigures.h"

namespace {

std::vector<std::string> Split(const std::string& Line, char Sep) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(Line);
  while (std::getline(in, part, Sep)) parts.push_back(part);
  if (!Line.empty() && Line.back() == Sep) parts.emplace_back();
  return parts;
}

BenchFigure Figure(double Value, double Baseline, BenchGoal Goal) {
  return {"figure", Value, "us", Baseline < -1.5 ? "" : "peer", Baseline, Goal};
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kNone = -2;  // no baseline named

struct JudgeCase {
  const char* Name;
  double Value, Baseline;
  BenchGoal Goal;
  BenchOutcome Expected;
};

TEST(BenchFigures, GoalsAreJudgedByTheirKindAndBoundary) {
  const JudgeCase cases[] = {
      {"below, under", 499.9, kNone, Below(500), BenchOutcome::Met},
      {"below, on the bound", 500, kNone, Below(500), BenchOutcome::Missed},
      {"at most, on the bound", 36, kNone, AtMost(36), BenchOutcome::Met},
      {"at most, over", 36.01, kNone, AtMost(36), BenchOutcome::Missed},
      {"at least, on the bound", 100, kNone, AtLeast(100), BenchOutcome::Met},
      {"at least, under", 99.9, 500, AtLeast(100), BenchOutcome::Missed},
      {"ratio on the bound", 15, 10, RatioAtMost(1.5), BenchOutcome::Met},
      {"ratio over", 15.1, 10, RatioAtMost(1.5), BenchOutcome::Missed},
      {"ratio, baseline not run", 1, -1, RatioAtMost(1.5), BenchOutcome::NotRun},
      {"ratio, baseline zero", 1, 0, RatioAtMost(1.5), BenchOutcome::NotRun},
      {"ratio, no baseline named", 1, kNone, RatioAtMost(1.5), BenchOutcome::NotRun},
      {"not run, absolute goal", -1, kNone, Below(500), BenchOutcome::NotRun},
      {"NaN value", kNaN, 10, RatioAtMost(1.5), BenchOutcome::NotRun},
      {"no goal with a baseline", 5, 10, NoGoal(), BenchOutcome::NoGoal},
      {"no goal, baseline not run", 5, -1, NoGoal(), BenchOutcome::NoGoal},
      {"no goal, not run", -1, 10, NoGoal(), BenchOutcome::NotRun},
  };
  for (const JudgeCase& c : cases)
    EXPECT_EQ(Judge(Figure(c.Value, c.Baseline, c.Goal)), c.Expected) << c.Name;
}

TEST(BenchFigures, GoalTextsNameTheBoundInTheFiguresUnit) {
  const struct {
    BenchGoal Goal;
    std::string Unit, Expected;
  } cases[] = {
      {Below(500), "us", "< 500 us"},       {AtMost(36), "B", "<= 36 B"},
      {AtLeast(100), "MB/s", ">= 100 MB/s"}, {RatioAtMost(1.1), "us", "ratio <= 1.1"},
      {NoGoal(), "us", ""},                  {Below(5), "", "< 5"},
  };
  for (const auto& c : cases) {
    BenchFigure f{"x", 1, c.Unit, "", -1, c.Goal};
    EXPECT_EQ(GoalText(f), c.Expected);
  }
}

TEST(BenchFigures, RecordHasNineFieldsWithTheJudgedResult) {
  const BenchFigure figures[] = {
      {"paint\twith tab", 30, "us", "Qt", 20, RatioAtMost(1.0)},
      {"alone", 4, "ms", "", -1, Below(5)},
      {"skipped", -1, "ms", "plain loop", 3, RatioAtMost(2)},
  };
  for (const BenchFigure& f : figures) {
    const std::string line = FigureRecord("prog", f);
    ASSERT_EQ(line.back(), '\n');
    const auto fields = Split(line.substr(0, line.size() - 1), '\t');
    ASSERT_EQ(fields.size(), 9u) << line;
    EXPECT_EQ(fields[0], "prog");
    EXPECT_EQ(fields[1].find('\t'), std::string::npos);
    EXPECT_EQ(fields[3], f.Unit);
    EXPECT_EQ(fields[4], f.Baseline);
    EXPECT_EQ(fields[8], OutcomeText(Judge(f)));
    EXPECT_EQ(fields[7], GoalText(f));
    if (f.Value < 0) {
      EXPECT_EQ(fields[2], "");
    } else {
      EXPECT_DOUBLE_EQ(std::stod(fields[2]), f.Value);
    }
    if (f.Baseline.empty()) {
      EXPECT_EQ(fields[5], "");
      EXPECT_EQ(fields[6], "");
    } else if (f.Value >= 0) {
      EXPECT_DOUBLE_EQ(std::stod(fields[5]), f.BaselineValue);
      EXPECT_NEAR(std::stod(fields[6]), f.Value / f.BaselineValue, 1e-5);
    }
  }
}

TEST(BenchFigures, ConsoleLineShowsResultOrNotRun) {
  const BenchFigure missed{"slow", 600, "us", "full paint", 900, Below(500)};
  const BenchFigure met{"quick", 400, "us", "", -1, Below(500)};
  const BenchFigure skipped{"skipped", -1, "us", "", -1, Below(500)};
  EXPECT_NE(FigureLine(missed).find("MISSED"), std::string::npos);
  EXPECT_NE(FigureLine(missed).find("full paint"), std::string::npos);
  EXPECT_NE(FigureLine(met).find(" met"), std::string::npos);
  EXPECT_EQ(FigureLine(met).find("MISSED"), std::string::npos);
  EXPECT_NE(FigureLine(skipped).find("not run"), std::string::npos);
  EXPECT_EQ(FigureLine(skipped).find("met"), std::string::npos);
}

TEST(BenchFigures, ReportingAppendsToTheNamedRecordFile) {
  const auto path = std::filesystem::temp_directory_path() / "vyr_bench_record_test.tsv";
  {
    std::ofstream(path) << "earlier\n";
  }
  ASSERT_EQ(setenv("VYR_BENCH_RECORD", path.c_str(), 1), 0);
  const BenchFigure a{"first", 1, "ms", "", -1, Below(2)};
  const BenchFigure b{"second", 3, "ms", "", -1, Below(2)};
  EXPECT_EQ(ReportFigure(a), BenchOutcome::Met);
  EXPECT_EQ(ReportFigure(b), BenchOutcome::Missed);
  unsetenv("VYR_BENCH_RECORD");
  ReportFigure(a);  // not recorded any more
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  std::filesystem::remove(path);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "earlier");
  EXPECT_EQ(lines[1] + "\n", FigureRecord(BenchProgramName(), a));
  EXPECT_EQ(lines[2] + "\n", FigureRecord(BenchProgramName(), b));
}

}  // namespace
