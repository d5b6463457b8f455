// Report list filtering on 1,000,000 rows x 4 columns (names, cities,
// 6-digit numbers, free texts of 20 to 40 characters; VYR_BENCH_ROWS
// changes the row count), each figure beside its peer measured in the same
// run on the same generated data:
//   filter pass     FilterRows, substring, case ignored, all four columns
//                   / a plain loop comparing the same UTF-16 cells in place,
//                   case ignored                              (goal <= 1.5)
//   filter + sort   FilterAndSort (filter, sort by name)
//                   / QSortFilterProxyModel, fixed-string filter alone on a
//                   fresh proxy                               (goal <= 1.0)
//   typing          ten FilterAndSort calls as a word is typed letter by
//                   letter, the slowest one                   (goal < 500 ms)
// The filter passes run on the unsorted list (cells in the order they are
// stored, as the peers read them); on a sorted list the same pass reads the
// cells in the order shown, which costs cache misses.
//   grep            fmGrep "^(Ma|Jo).*n$" on the name column
//                   / a bare 16-bit PCRE2 JIT scan of the same cells
//                                                             (goal <= 1.5)
//   backtracking    "(a|aa)*b" over 5,000 characters, with and without the
//                   library's start-up optimisations          (goal < 100 ms)
#include <benchmark/benchmark.h>

#include "BenchTimes.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <map>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "VYR_replist/VYR_replist.h"

#ifdef VYR_HAVE_QT
#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QString>
#endif

using vyr::TReportListView;

namespace {

constexpr int kCols = 4;
constexpr char16_t kNeedle[] = u"son";
constexpr char16_t kGrep[] = u"^(Ma|Jo).*n$";

int Rows() { return BenchRows(); }

// The cells, row by row: Cells()[(r - 1) * kCols + (c - 1)].
const std::vector<std::u16string>& Cells() {
  static const std::vector<std::u16string> cells = [] {
    static const char16_t* first[] = {u"Martin", u"Maria", u"John", u"Joanna", u"Sven", u"Ana",
                                      u"Jonathan", u"Malin", u"Mads", u"Erik", u"Lena", u"Jon"};
    static const char16_t* last[] = {u"Holm", u"Berg", u"Larsson", u"Lind", u"Johnson", u"Sousa",
                                     u"Ek", u"Kim", u"Jensen", u"Olsen", u"Nilsson", u"Stein"};
    static const char16_t* city[] = {u"New York", u"Oslo", u"Lisbon", u"Porto", u"Seoul",
                                     u"Bergen", u"Uppsala", u"Aarhus", u"Reykjavik", u"Graz"};
    static constexpr char16_t kText[] = u"abcdefghijklmnopqrstuvwxyz    ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::mt19937 rng(4321);
    std::vector<std::u16string> t(static_cast<std::size_t>(Rows()) * kCols);
    for (std::size_t r = 0; r < static_cast<std::size_t>(Rows()); ++r) {
      std::u16string* row = &t[r * kCols];
      row[0] = std::u16string(first[rng() % 12]) + u" " + last[rng() % 12];
      row[1] = city[rng() % 10];
      row[2] = std::u16string(6, u'0');
      for (char16_t& d : row[2]) d = static_cast<char16_t>(u'0' + rng() % 10);
      row[3].resize(20 + rng() % 21);
      for (char16_t& ch : row[3]) ch = kText[rng() % (sizeof kText / sizeof kText[0] - 1)];
    }
    return t;
  }();
  return cells;
}

TReportListView& View() {
  static TReportListView* view = [] {
    auto* v = new TReportListView(nullptr);
    v->SetNrOfColumns(kCols);
    v->SetNrOfRows(Rows());
    const auto& t = Cells();
    for (int r = 1; r <= Rows(); ++r)
      for (int c = 1; c <= kCols; ++c) v->SetElem(c, r, t[static_cast<std::size_t>(r - 1) * kCols + (c - 1)]);
    return v;
  }();
  return *view;
}

// ---------------------------------------------------------------- filter pass

void BM_FilterPass(benchmark::State& State) {
  TReportListView& v = View();
  v.UnSort();  // the cells in the order they are stored, as the peer reads them
  int found = 0;
  for (auto _ : State) found = v.FilterRows(kNeedle, {}, true, vyr::fmSimple);
  State.counters["found"] = found;
}
BENCHMARK(BM_FilterPass)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The peer: the same cells compared in place, each unit folded as it is
// compared (ASCII and Latin-1 capitals), the needle folded once.
char16_t Fold(char16_t C) {
  return (C >= u'A' && C <= u'Z') || (C >= 0xC0 && C <= 0xDE && C != 0xD7) ? static_cast<char16_t>(C + 32) : C;
}
bool ContainsFolded(const std::u16string& Text, std::u16string_view Needle) {
  if (Text.size() < Needle.size()) return false;
  for (std::size_t i = 0; i + Needle.size() <= Text.size(); ++i) {
    std::size_t k = 0;
    while (k < Needle.size() && Fold(Text[i + k]) == Needle[k]) ++k;
    if (k == Needle.size()) return true;
  }
  return false;
}
void BM_FilterPassBaseline(benchmark::State& State) {
  const auto& t = Cells();
  int found = 0;
  for (auto _ : State) {
    found = 0;
    for (std::size_t r = 0; r < static_cast<std::size_t>(Rows()); ++r) {
      bool hit = false;
      for (int c = 0; c < kCols && !hit; ++c) hit = ContainsFolded(t[r * kCols + static_cast<std::size_t>(c)], kNeedle);
      found += hit ? 1 : 0;
    }
    benchmark::DoNotOptimize(found);
  }
  State.counters["found"] = found;
}
BENCHMARK(BM_FilterPassBaseline)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// ---------------------------------------------------------------- filter and sort

void BM_FilterAndSort(benchmark::State& State) {
  TReportListView& v = View();
  for (auto _ : State) {
    State.PauseTiming();
    v.UnSort();
    v.SetElem(1, 1, v.Elem(1, 1));  // a change: the sort must run again
    State.ResumeTiming();
    benchmark::DoNotOptimize(v.FilterAndSort(kNeedle, {}, true, vyr::fmSimple, 1, true));
  }
}
BENCHMARK(BM_FilterAndSort)->Unit(benchmark::kMillisecond)->Iterations(3);

#ifdef VYR_HAVE_QT
class TCellModel : public QAbstractTableModel {
 public:
  TCellModel() {
    const auto& t = Cells();
    FCells.reserve(t.size());
    for (const auto& s : t) FCells.push_back(QString::fromUtf16(s.data(), static_cast<int>(s.size())));
  }
  int rowCount(const QModelIndex& = QModelIndex()) const override { return Rows(); }
  int columnCount(const QModelIndex& = QModelIndex()) const override { return kCols; }
  QVariant data(const QModelIndex& I, int Role) const override {
    if (Role != Qt::DisplayRole) return {};
    return FCells[static_cast<std::size_t>(I.row()) * kCols + static_cast<std::size_t>(I.column())];
  }

 private:
  std::vector<QString> FCells;
};

TCellModel& QtModel() {
  static TCellModel* m = new TCellModel;
  return *m;
}

void BM_FilterAndSortBaseline(benchmark::State& State) {
  TCellModel& model = QtModel();
  const QString needle = QString::fromUtf16(kNeedle);
  for (auto _ : State) {
    QSortFilterProxyModel proxy;
    proxy.setFilterKeyColumn(-1);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy.setSourceModel(&model);
    proxy.setFilterFixedString(needle);
    benchmark::DoNotOptimize(proxy.rowCount());
  }
}
BENCHMARK(BM_FilterAndSortBaseline)->Unit(benchmark::kMillisecond)->Iterations(3);
#endif

// ---------------------------------------------------------------- grep

void BM_Grep(benchmark::State& State) {
  TReportListView& v = View();
  v.UnSort();
  int found = 0;
  for (auto _ : State) found = v.FilterRows(kGrep, {1}, false, vyr::fmGrep);
  State.counters["found"] = found;
}
BENCHMARK(BM_Grep)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_GrepBaseline(benchmark::State& State) {
  const std::u16string pattern(kGrep);
  int error = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                   PCRE2_UTF, &error, &offset, nullptr);
  pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
  pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
  const auto& t = Cells();
  int found = 0;
  for (auto _ : State) {
    found = 0;
    for (std::size_t r = 0; r < static_cast<std::size_t>(Rows()); ++r) {
      const std::u16string& s = t[r * kCols];
      found += pcre2_jit_match(code, reinterpret_cast<PCRE2_SPTR>(s.data()), s.size(), 0, 0, data,
                               nullptr) >= 0;
    }
    benchmark::DoNotOptimize(found);
  }
  State.counters["found"] = found;
  pcre2_match_data_free(data);
  pcre2_code_free(code);
}
BENCHMARK(BM_GrepBaseline)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// ---------------------------------------------------------------- backtracking

void Backtrack(benchmark::State& State, bool Optimize) {
  const std::u16string cell(5000, u'a');
  vyr::TGrepFilter f(u"(a|aa)*b", false, Optimize);
  for (auto _ : State) benchmark::DoNotOptimize(f.Match(cell));
  State.counters["limit"] = f.Match(cell) == vyr::grLimit;
}
void BM_BacktrackOptimized(benchmark::State& State) { Backtrack(State, true); }
void BM_BacktrackPlain(benchmark::State& State) { Backtrack(State, false); }
BENCHMARK(BM_BacktrackOptimized)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BacktrackPlain)->Unit(benchmark::kMillisecond);

// The list shows every row sorted by name (not timed); then "Jonathan J"
// is typed into a filter box letter by letter: ten filters, each timed
// alone in CPU time (steady on a busy machine) and in real time; the
// slowest.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}
double gTypingCpu = 0, gTypingReal = 0;
void BM_Typing(benchmark::State& State) {
  TReportListView& v = View();
  const std::u16string word = u"Jonathan J";
  for (auto _ : State) {
    v.UnSort();
    v.SetElem(1, 1, v.Elem(1, 1));
    v.FilterAndSort(u"", {}, true, vyr::fmSimple, 1, true);
    for (std::size_t n = 1; n <= word.size(); ++n) {
      const double cpu0 = CpuMs();
      const auto start = std::chrono::steady_clock::now();
      v.FilterAndSort(word.substr(0, n), {}, true, vyr::fmSimple, 1, true);
      const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - start;
      gTypingCpu = std::max(gTypingCpu, CpuMs() - cpu0);
      gTypingReal = std::max(gTypingReal, ms.count());
    }
  }
}
BENCHMARK(BM_Typing)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  View();  // built before any timing
#ifdef VYR_HAVE_QT
  QtModel();
#endif
  return RunAndPrint(argc, argv, [](const std::map<std::string, double>& Raw) {
    // Names without the "/min_time:..." and "/iterations:..." suffixes.
    std::map<std::string, double> cpu;
    for (const auto& [name, t] : Raw) cpu[name.substr(0, name.find('/'))] = t;
    auto time = [&](const char* Name) { return TimeOf(cpu, std::string("BM_") + Name); };
    std::printf("\nrows %d x %d columns (CPU time per operation, peers in the same run)\n", Rows(), kCols);
    auto ratio = [&](const char* Name, const char* What, const char* Peer, BenchGoal Goal) {
      ReportFigure({What, time(Name), "ms", Peer, time((std::string(Name) + "Baseline").c_str()), Goal});
    };
    ratio("FilterPass", "filter pass, substring, case ignored", "plain in-place loop", RatioAtMost(1.5));
    ratio("FilterAndSort", "filter and sort by name", "QSortFilterProxyModel", RatioAtMost(1.0));
    ratio("Grep", "grep ^(Ma|Jo).*n$ on names", "bare PCRE2 JIT scan", RatioAtMost(1.5));
    ReportFigure({"backtracking (a|aa)*b, optimised", time("BacktrackOptimized"), "ms", "", -1, Below(100)});
    ReportFigure({"backtracking (a|aa)*b, plain", time("BacktrackPlain"), "ms", "", -1, Below(100)});
    ReportFigure({"Typing, slowest key (CPU)", gTypingCpu > 0 ? gTypingCpu : -1, "ms", "", -1, Below(500)});
    ReportFigure({"Typing, slowest key (real)", gTypingReal > 0 ? gTypingReal : -1, "ms", "", -1, Below(500)});
  });
}
