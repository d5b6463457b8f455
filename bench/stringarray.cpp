// TStringArray speed and size: sorting a million rows by an 8-character
// column (alone and with a secondary column) against std::stable_sort of
// the same keys, filling a million rows of eight columns, and the bytes a
// cell of ten characters costs. The ratios are printed after the runs.
#include <benchmark/benchmark.h>

#include "BenchTimes.h"
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "companion/basepack/VYR_dstruct.h"

using vyr::TStringArray;

namespace {

constexpr int kRows = 1000000;

std::u16string RandomWord(std::mt19937& rng, int len) {
  std::u16string s(static_cast<std::size_t>(len), u'a');
  for (auto& c : s) c = static_cast<char16_t>(u'a' + rng() % 26);
  return s;
}

// Column 1: random 8-letter words. Column 2: 8-letter words from only 500
// distinct values (many ties). Column 3: random 8-letter words.
struct Data {
  std::vector<std::u16string> Words, Groups, Seconds;
  Data() {
    std::mt19937 rng(2024);
    std::vector<std::u16string> groups;
    for (int i = 0; i < 500; ++i) groups.push_back(RandomWord(rng, 8));
    for (int r = 0; r < kRows; ++r) {
      Words.push_back(RandomWord(rng, 8));
      Groups.push_back(groups[rng() % groups.size()]);
      Seconds.push_back(RandomWord(rng, 8));
    }
  }
};

const Data& TheData() {
  static const Data d;
  return d;
}

std::unique_ptr<TStringArray> MakeTable() {
  const Data& d = TheData();
  auto t = std::make_unique<TStringArray>(3, kRows);
  for (int r = 1; r <= kRows; ++r) {
    const auto i = static_cast<std::size_t>(r - 1);
    t->SetString(1, r, d.Words[i]);
    t->SetString(2, r, d.Groups[i]);
    t->SetString(3, r, d.Seconds[i]);
  }
  return t;
}

TStringArray& TheTable() {
  static std::unique_ptr<TStringArray> t = MakeTable();
  return *t;
}

void BM_TableSort8Chars(benchmark::State& state) {
  TStringArray& t = TheTable();
  for (auto _ : state) {
    t.UnSort();
    t.Sort(1, -1, true);
  }
  benchmark::DoNotOptimize(t.GetSortOrder(1));
}

void BM_StdStableSort8Chars(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::u16string> keys = TheData().Words;
    state.ResumeTiming();
    std::stable_sort(keys.begin(), keys.end());
    benchmark::DoNotOptimize(keys.data());
  }
}

void BM_TableSortWithSecondary(benchmark::State& state) {
  TStringArray& t = TheTable();
  for (auto _ : state) {
    t.UnSort();
    t.Sort(2, 3, true);
  }
  benchmark::DoNotOptimize(t.GetSortOrder(1));
}

void BM_StdStableSortWithSecondary(benchmark::State& state) {
  const Data& d = TheData();
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::pair<std::u16string, std::u16string>> keys;
    keys.reserve(d.Groups.size());
    for (std::size_t i = 0; i < d.Groups.size(); ++i) keys.emplace_back(d.Groups[i], d.Seconds[i]);
    state.ResumeTiming();
    std::stable_sort(keys.begin(), keys.end());
    benchmark::DoNotOptimize(keys.data());
  }
}

void BM_Fill1Mx8(benchmark::State& state) {
  const Data& d = TheData();
  for (auto _ : state) {
    state.PauseTiming();
    auto t = std::make_unique<TStringArray>(8, kRows);
    state.ResumeTiming();
    for (int r = 1; r <= kRows; ++r)
      for (int c = 1; c <= 8; ++c) t->SetString(c, r, d.Words[static_cast<std::size_t>(r - 1)]);
    benchmark::DoNotOptimize(t.get());
    state.PauseTiming();
    t.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kRows * 8);
}

BENCHMARK(BM_TableSort8Chars)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdStableSort8Chars)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableSortWithSecondary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdStableSortWithSecondary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill1Mx8)->Unit(benchmark::kMillisecond);

// Remembers the real time per iteration of every run for the ratios.
using RatioReporter = TimesReporter;

// Heap bytes per cell of a 200000 x 8 table of 10-character texts,
// measured by the allocator and by the table's own account.
void PrintBytesPerCell() {
  constexpr int kCols = 8, kCellRows = 200000;
  const std::u16string text = u"abcdefghij";
  std::size_t before = mallinfo2().uordblks;
  auto t = std::make_unique<TStringArray>(kCols, kCellRows);
  for (int r = 1; r <= kCellRows; ++r)
    for (int c = 1; c <= kCols; ++c) t->SetString(c, r, text);
  std::size_t heap = mallinfo2().uordblks - before;
  const double cells = static_cast<double>(kCols) * kCellRows;
  const double goal = 2.0 * static_cast<double>(text.size() * sizeof(char16_t)) + 16;
  ReportFigure({"bytes per cell (10-character texts), heap", static_cast<double>(heap) / cells, "B",
                "", -1, AtMost(goal)});
  ReportFigure({"bytes per cell (10-character texts), table account",
                static_cast<double>(t->MemoryUsed()) / cells, "B", "", -1, AtMost(goal)});
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TheTable();  // built before any timing
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  auto ratio = [&](const char* What, const char* Ours, const char* Theirs) {
    const std::string what = What;
    ReportFigure({what + " (CPU)", CpuTimeOf(reporter, Ours), "ms", "std::stable_sort of the keys",
                  CpuTimeOf(reporter, Theirs), RatioAtMost(1.30)});
    ReportFigure({what + " (real)", RealTimeOf(reporter, Ours), "ms", "std::stable_sort of the keys",
                  RealTimeOf(reporter, Theirs), RatioAtMost(1.30)});
  };
  ratio("sort by an 8-character column", "BM_TableSort8Chars", "BM_StdStableSort8Chars");
  ratio("sort with a secondary column", "BM_TableSortWithSecondary", "BM_StdStableSortWithSecondary");
  ReportFigure({"fill 1,000,000 x 8 (CPU)", CpuTimeOf(reporter, "BM_Fill1Mx8"), "ms", "", -1, NoGoal()});
  PrintBytesPerCell();
  benchmark::Shutdown();
  return 0;
}
