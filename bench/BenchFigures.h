// The figures a benchmark program states, and their judgement.
//
// A figure is what is measured, our value with its unit, the baseline it is
// compared with (a peer or a reference measured in the same run: Qt, Cairo,
// a memset, a plain loop, the full paint, ...) and the goal it is held to.
// Whether a goal is met is decided here, by Judge, and nowhere else:
//   RatioAtMost(x)   our value / the baseline's <= x
//   Below(x)         our value <  x, in the figure's unit
//   AtMost(x)        our value <= x, in the figure's unit
//   AtLeast(x)       our value >= x, in the figure's unit (rates)
//   NoGoal()         shown for the record only
// A negative (or NaN) value means the run did not happen (a filter left it
// out, it failed, or its peer is not built); such a figure is "not run", and
// so is a ratio goal whose baseline did not run.
//
// ReportFigure prints one console line and, when the environment variable
// VYR_BENCH_RECORD names a file, appends one tab-separated record to it:
//   program, figure, value, unit, baseline, baseline value, ratio, goal,
//   result
// with empty fields for what is absent and result one of "met", "MISSED",
// "no goal", "not run". scripts/perf_report.py turns the records into
// docs/performance.md.
#pragma once

#include <errno.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

enum class BenchGoalKind { None, RatioAtMost, Below, AtMost, AtLeast };

struct BenchGoal {
  BenchGoalKind Kind = BenchGoalKind::None;
  double Bound = 0;
};

inline BenchGoal NoGoal() { return {}; }
inline BenchGoal RatioAtMost(double X) { return {BenchGoalKind::RatioAtMost, X}; }
inline BenchGoal Below(double X) { return {BenchGoalKind::Below, X}; }
inline BenchGoal AtMost(double X) { return {BenchGoalKind::AtMost, X}; }
inline BenchGoal AtLeast(double X) { return {BenchGoalKind::AtLeast, X}; }

struct BenchFigure {
  std::string What;
  double Value = -1;
  std::string Unit;             // also the unit of the baseline and of an absolute goal
  std::string Baseline;         // empty: compared with nothing
  double BaselineValue = -1;    // negative: the baseline did not run
  BenchGoal Goal;
};

enum class BenchOutcome { NotRun, NoGoal, Met, Missed };

inline bool BenchRan(double Value) { return Value >= 0; }  // false for NaN too

// Our value over the baseline's, or -1 when either is missing.
inline double RatioOf(const BenchFigure& F) {
  if (F.Baseline.empty() || !BenchRan(F.Value) || !BenchRan(F.BaselineValue) || F.BaselineValue == 0) return -1;
  return F.Value / F.BaselineValue;
}

inline BenchOutcome Judge(const BenchFigure& F) {
  if (!BenchRan(F.Value)) return BenchOutcome::NotRun;
  const double v = F.Value, x = F.Goal.Bound;
  switch (F.Goal.Kind) {
    case BenchGoalKind::None: return BenchOutcome::NoGoal;
    case BenchGoalKind::RatioAtMost: {
      const double r = RatioOf(F);
      if (!BenchRan(r)) return BenchOutcome::NotRun;
      return r <= x ? BenchOutcome::Met : BenchOutcome::Missed;
    }
    case BenchGoalKind::Below: return v < x ? BenchOutcome::Met : BenchOutcome::Missed;
    case BenchGoalKind::AtMost: return v <= x ? BenchOutcome::Met : BenchOutcome::Missed;
    case BenchGoalKind::AtLeast: return v >= x ? BenchOutcome::Met : BenchOutcome::Missed;
  }
  return BenchOutcome::NotRun;
}

inline const char* OutcomeText(BenchOutcome O) {
  switch (O) {
    case BenchOutcome::NotRun: return "not run";
    case BenchOutcome::NoGoal: return "no goal";
    case BenchOutcome::Met: return "met";
    case BenchOutcome::Missed: return "MISSED";
  }
  return "not run";
}

// A number as short as it reads well: 1.5, 0.25, 500, 1.5e+06.
inline std::string BenchNumber(double V) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.4g", V);
  return buf;
}

// The goal as it reads: "ratio <= 1.5", "< 500 us", ">= 100 MB/s", or "".
inline std::string GoalText(const BenchFigure& F) {
  const std::string unit = F.Unit.empty() ? "" : " " + F.Unit;
  const std::string x = BenchNumber(F.Goal.Bound);
  switch (F.Goal.Kind) {
    case BenchGoalKind::None: return "";
    case BenchGoalKind::RatioAtMost: return "ratio <= " + x;
    case BenchGoalKind::Below: return "< " + x + unit;
    case BenchGoalKind::AtMost: return "<= " + x + unit;
    case BenchGoalKind::AtLeast: return ">= " + x + unit;
  }
  return "";
}

// A value for a record: empty when it did not run.
inline std::string RecordNumber(double V) {
  if (!BenchRan(V)) return "";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", V);
  return buf;
}

// A text for a record: tabs and line breaks would split the record.
inline std::string RecordText(std::string S) {
  for (char& c : S)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return S;
}

// The record line of a figure of Program, ending in a line break.
inline std::string FigureRecord(const std::string& Program, const BenchFigure& F) {
  const std::string fields[] = {RecordText(Program),
                                RecordText(F.What),
                                RecordNumber(F.Value),
                                RecordText(F.Unit),
                                RecordText(F.Baseline),
                                F.Baseline.empty() ? "" : RecordNumber(F.BaselineValue),
                                RecordNumber(RatioOf(F)),
                                RecordText(GoalText(F)),
                                OutcomeText(Judge(F))};
  std::string line = fields[0];
  for (std::size_t i = 1; i < std::size(fields); ++i) line += "\t" + fields[i];
  return line + "\n";
}

// The console line of a figure: what, value, goal, result, then the
// baseline with the ratio.
inline std::string FigureLine(const BenchFigure& F) {
  constexpr int kWidth = 50;
  char buf[512];
  const BenchOutcome o = Judge(F);
  if (!BenchRan(F.Value)) {
    std::snprintf(buf, sizeof buf, "%-*s %10s\n", kWidth, F.What.c_str(), "not run");
    return buf;
  }
  std::string line;
  std::snprintf(buf, sizeof buf, "%-*s %10.2f %-4s goal %-14s %-7s", kWidth, F.What.c_str(),
                F.Value, F.Unit.c_str(), F.Goal.Kind == BenchGoalKind::None ? "none" : GoalText(F).c_str(),
                o == BenchOutcome::NoGoal ? "" : OutcomeText(o));
  line = buf;
  if (!F.Baseline.empty()) {
    if (BenchRan(F.BaselineValue))
      std::snprintf(buf, sizeof buf, " (%s %.2f %s, ratio %.2f)", F.Baseline.c_str(), F.BaselineValue,
                    F.Unit.c_str(), RatioOf(F));
    else
      std::snprintf(buf, sizeof buf, " (%s not run)", F.Baseline.c_str());
    line += buf;
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line + "\n";
}

// The program's name as the records show it: the executable's name without
// its "bench_" prefix.
inline std::string BenchProgramName() {
  std::string name = program_invocation_short_name;
  if (name.rfind("bench_", 0) == 0) name.erase(0, 6);
  return name;
}

// Prints the figure and appends its record when VYR_BENCH_RECORD is set.
inline BenchOutcome ReportFigure(const BenchFigure& F) {
  std::fputs(FigureLine(F).c_str(), stdout);
  if (const char* path = std::getenv("VYR_BENCH_RECORD"); path != nullptr && *path != '\0') {
    if (std::FILE* out = std::fopen(path, "a")) {
      std::fputs(FigureRecord(BenchProgramName(), F).c_str(), out);
      std::fclose(out);
    } else {
      std::fprintf(stderr, "cannot append to %s\n", path);
    }
  }
  return Judge(F);
}
