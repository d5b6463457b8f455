// Report data store speed on a table of 1,000,000 rows x 8 columns of
// texts of 8 to 12 characters (VYR_BENCH_ROWS changes the row count). Each
// operation runs beside a baseline doing the least the same job needs:
//   fill            SetElem of every cell   / the texts into a vector of strings
//   sort (1 and 2)  Sort                    / std::stable_sort of the same keys
//   XML save        SaveAsXMLFile           / the file's bytes with one fwrite
//   XML load        LoadFromXMLFile         / expat without handlers over the same file
//   CSV export      ExportCSV               / the file's bytes with one fwrite
//   CSV import      ImportCSV               / the file's bytes with one fread
//   clipboard       CopyToClipBoard (tabs)  / a copy of the same text
// The ratios and the table's bytes per cell are printed after the runs.
#include <benchmark/benchmark.h>

#include "BenchTimes.h"
#include <expat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "VYR_replist/VYR_replist.h"
#include "platform/Clipbrd.h"

using vyr::TRLData;

namespace {

constexpr int kCols = 8;

int Rows() { return BenchRows(); }

std::filesystem::path Dir() {
  static const std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() / "vyr_bench_replist";
    std::filesystem::create_directories(d);
    return d;
  }();
  return dir;
}

vcl::String FileName(const char* Name) { return vcl::FromUTF8((Dir() / Name).string()); }

// The texts, row by row: Texts[(r - 1) * kCols + (c - 1)].
const std::vector<std::u16string>& Texts() {
  static const std::vector<std::u16string> texts = [] {
    std::mt19937 rng(1234);
    std::vector<std::u16string> t(static_cast<std::size_t>(Rows()) * kCols);
    static constexpr char16_t kChars[] = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJ0123456789 -";
    for (auto& s : t) {
      s.resize(8 + rng() % 5);
      for (auto& ch : s) ch = kChars[rng() % (sizeof(kChars) / sizeof(char16_t) - 1)];
    }
    return t;
  }();
  return texts;
}

std::unique_ptr<TRLData> MakeStore() {
  auto d = std::make_unique<TRLData>(nullptr);
  d->SetNrCols(kCols);
  d->SetNrRows(Rows());
  const auto& t = Texts();
  for (int r = 1; r <= Rows(); ++r)
    for (int c = 1; c <= kCols; ++c) d->SetElem(c, r, t[static_cast<std::size_t>(r - 1) * kCols + (c - 1)]);
  return d;
}

TRLData& Store() {
  static std::unique_ptr<TRLData> d = MakeStore();
  return *d;
}

std::string ReadAll(const vcl::String& Name) {
  std::string bytes;
  std::FILE* f = std::fopen(vcl::ToUTF8(Name).c_str(), "rb");
  if (f == nullptr) return bytes;
  std::fseek(f, 0, SEEK_END);
  bytes.resize(static_cast<std::size_t>(std::ftell(f)));
  std::rewind(f);
  if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) bytes.clear();
  std::fclose(f);
  return bytes;
}

void WriteAll(const vcl::String& Name, const std::string& Bytes) {
  std::FILE* f = std::fopen(vcl::ToUTF8(Name).c_str(), "wb");
  if (f == nullptr) return;
  std::fwrite(Bytes.data(), 1, Bytes.size(), f);
  std::fclose(f);
}

// ---------------------------------------------------------------- fill

void BM_Fill(benchmark::State& state) {
  const auto& t = Texts();
  for (auto _ : state) {
    state.PauseTiming();
    auto d = std::make_unique<TRLData>(nullptr);
    d->SetNrCols(kCols);
    d->SetNrRows(Rows());
    state.ResumeTiming();
    for (int r = 1; r <= Rows(); ++r)
      for (int c = 1; c <= kCols; ++c) d->SetElem(c, r, t[static_cast<std::size_t>(r - 1) * kCols + (c - 1)]);
    benchmark::DoNotOptimize(d.get());
    state.PauseTiming();
    d.reset();
    state.ResumeTiming();
  }
}

void BM_FillBaseline(benchmark::State& state) {
  const auto& t = Texts();
  for (auto _ : state) {
    std::vector<std::u16string> v(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) v[i] = t[i];
    benchmark::DoNotOptimize(v.data());
    state.PauseTiming();
    v.clear();
    v.shrink_to_fit();
    state.ResumeTiming();
  }
}

// ---------------------------------------------------------------- sort

void BM_SortOne(benchmark::State& state) {
  TRLData& d = Store();
  for (auto _ : state) {
    state.PauseTiming();
    d.UnSort();
    state.ResumeTiming();
    d.Sort(1, -1, true);
  }
  d.UnSort();
}

void BM_SortTwo(benchmark::State& state) {
  TRLData& d = Store();
  for (auto _ : state) {
    state.PauseTiming();
    d.UnSort();
    state.ResumeTiming();
    d.Sort(2, 3, true);
  }
  d.UnSort();
}

void SortBaseline(benchmark::State& state, bool Two) {
  const auto& t = Texts();
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::pair<std::u16string, std::u16string>> keys;
    keys.reserve(static_cast<std::size_t>(Rows()));
    for (std::size_t r = 0; r < static_cast<std::size_t>(Rows()); ++r)
      keys.emplace_back(t[r * kCols + (Two ? 1 : 0)], Two ? t[r * kCols + 2] : std::u16string());
    state.ResumeTiming();
    std::stable_sort(keys.begin(), keys.end());
    benchmark::DoNotOptimize(keys.data());
  }
}
void BM_SortOneBaseline(benchmark::State& state) { SortBaseline(state, false); }
void BM_SortTwoBaseline(benchmark::State& state) { SortBaseline(state, true); }

// ---------------------------------------------------------------- XML

void BM_SaveXML(benchmark::State& state) {
  TRLData& d = Store();
  for (auto _ : state) d.SaveAsXMLFile(FileName("r.xml"), u"bench");
}

void BM_SaveXMLBaseline(benchmark::State& state) {
  Store().SaveAsXMLFile(FileName("r.xml"), u"bench");
  const std::string bytes = ReadAll(FileName("r.xml"));
  for (auto _ : state) WriteAll(FileName("raw.xml"), bytes);
  state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
}

void BM_LoadXML(benchmark::State& state) {
  Store().SaveAsXMLFile(FileName("r.xml"), u"bench");
  TRLData d(nullptr);
  for (auto _ : state) {
    if (!d.LoadFromXMLFile(FileName("r.xml"), u"bench")) state.SkipWithError("report not found");
  }
  if (d.NrOfRows() != Rows()) state.SkipWithError("wrong row count");
}

void BM_LoadXMLBaseline(benchmark::State& state) {
  Store().SaveAsXMLFile(FileName("r.xml"), u"bench");
  for (auto _ : state) {
    const std::string bytes = ReadAll(FileName("r.xml"));
    XML_Parser p = XML_ParserCreate("UTF-8");
    const bool ok = XML_Parse(p, bytes.data(), static_cast<int>(bytes.size()), 1) == XML_STATUS_OK;
    XML_ParserFree(p);
    if (!ok) state.SkipWithError("expat refused the file");
  }
}

// ---------------------------------------------------------------- CSV

void BM_ExportCSV(benchmark::State& state) {
  TRLData& d = Store();
  for (auto _ : state) d.ExportCSV(FileName("r.csv"), vyr::csvComma, true, false, 1, 1, kCols, Rows());
}

void BM_ExportCSVBaseline(benchmark::State& state) {
  Store().ExportCSV(FileName("r.csv"), vyr::csvComma, true, false, 1, 1, kCols, Rows());
  const std::string bytes = ReadAll(FileName("r.csv"));
  for (auto _ : state) WriteAll(FileName("raw.csv"), bytes);
  state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
}

void BM_ImportCSV(benchmark::State& state) {
  Store().ExportCSV(FileName("r.csv"), vyr::csvComma, true, false, 1, 1, kCols, Rows());
  TRLData d(nullptr);
  for (auto _ : state) d.ImportCSV(FileName("r.csv"), vyr::csvComma, true);
  if (d.NrOfRows() != Rows()) state.SkipWithError("wrong row count");
}

void BM_ImportCSVBaseline(benchmark::State& state) {
  Store().ExportCSV(FileName("r.csv"), vyr::csvComma, true, false, 1, 1, kCols, Rows());
  for (auto _ : state) benchmark::DoNotOptimize(ReadAll(FileName("r.csv")).size());
}

// ---------------------------------------------------------------- clipboard

void BM_Clipboard(benchmark::State& state) {
  TRLData& d = Store();
  for (auto _ : state) d.CopyToClipBoard(1, 1, kCols, Rows(), true, true);
}

void BM_ClipboardBaseline(benchmark::State& state) {
  Store().CopyToClipBoard(1, 1, kCols, Rows(), true, true);
  const vcl::String text = vcl::Clipboard()->AsText();
  for (auto _ : state) {
    vcl::String copy = text;
    benchmark::DoNotOptimize(copy.data());
  }
}

#define VYR_PAIR(Name)                                                                 \
  BENCHMARK(BM_##Name)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();  \
  BENCHMARK(BM_##Name##Baseline)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime()

VYR_PAIR(Fill);
VYR_PAIR(SortOne);
VYR_PAIR(SortTwo);
VYR_PAIR(SaveXML);
VYR_PAIR(LoadXML);
VYR_PAIR(ExportCSV);
VYR_PAIR(ImportCSV);
VYR_PAIR(Clipboard);

class RatioReporter : public TimesReporter {
 public:
  // Real and CPU time of the benchmark whose name starts with Prefix.
  std::pair<double, double> Time(const std::string& Prefix) const {
    for (const auto& [name, t] : Times)
      if (name.rfind(Prefix + "/", 0) == 0 || name == Prefix) return t;
    return {-1, -1};
  }
};

// Table bytes against the goal: at most twice the texts' own bytes plus 16
// per cell.
void PrintMemory() {
  const TRLData& d = Store();
  double textBytes = 0;
  for (const auto& s : Texts()) textBytes += static_cast<double>(s.size() * sizeof(char16_t));
  const double cells = static_cast<double>(Rows()) * kCols;
  const double used = static_cast<double>(d.Strings->MemoryUsed());
  ReportFigure({"table memory", used / 1e6, "MB", "2 x the texts' bytes + 16 per cell",
                (2 * textBytes + 16 * cells) / 1e6, RatioAtMost(1.0)});
  ReportFigure({"table bytes per cell", used / cells, "B", "the texts' bytes", textBytes / cells,
                NoGoal()});
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Store();  // built before any timing
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nrows %d x %d columns\n", Rows(), kCols);
  // Real time is what a user waits; CPU time is steadier on a busy machine
  // (the file writes of both sides land in the page cache).
  auto ratio = [&](const char* Name, const char* Baseline, BenchGoal Goal) {
    const auto ours = reporter.Time(std::string("BM_") + Name);
    const auto base = reporter.Time(std::string("BM_") + Name + "Baseline");
    ReportFigure({std::string(Name) + " (CPU)", ours.second, "ms", Baseline, base.second, Goal});
    ReportFigure({std::string(Name) + " (real)", ours.first, "ms", Baseline, base.first, Goal});
  };
  ratio("Fill", "the texts into a vector of strings", NoGoal());
  ratio("SortOne", "std::stable_sort of the keys", NoGoal());
  ratio("SortTwo", "std::stable_sort of the keys", NoGoal());
  ratio("SaveXML", "the file's bytes with one fwrite", NoGoal());
  ratio("LoadXML", "expat alone over the file", RatioAtMost(2.0));
  ratio("ExportCSV", "the file's bytes with one fwrite", RatioAtMost(2.0));
  ratio("ImportCSV", "the file's bytes with one fread", NoGoal());
  ratio("Clipboard", "a copy of the same text", NoGoal());
  PrintMemory();
  std::error_code ec;
  std::filesystem::remove_all(Dir(), ec);
  benchmark::Shutdown();
  return 0;
}
