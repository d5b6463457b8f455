// A console reporter that also keeps the real and CPU time per operation of
// every successful run, so a benchmark can state its figures afterwards
// (BenchFigures.h).
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "BenchFigures.h"

class TimesReporter : public benchmark::ConsoleReporter {
 public:
  // Colors only on a terminal, so that logs stay readable.
  TimesReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration && !r.error_occurred)
        Times[r.benchmark_name()] = {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()};
    ConsoleReporter::ReportRuns(runs);
  }
  // CPU time per operation by benchmark name: steadier than wall time on a
  // busy machine.
  std::map<std::string, double> CpuTimes() const {
    std::map<std::string, double> cpu;
    for (const auto& [name, t] : Times) cpu[name] = t.second;
    return cpu;
  }
  std::map<std::string, std::pair<double, double>> Times;  // real, CPU
};

// The row count of the large-table benchmarks: VYR_BENCH_ROWS when it is a
// positive number (for quick trial runs), otherwise one million.
inline int BenchRows() {
  static const int rows = [] {
    const char* env = std::getenv("VYR_BENCH_ROWS");
    const int n = env != nullptr ? std::atoi(env) : 0;
    return n > 0 ? n : 1000000;
  }();
  return rows;
}

// CPU time per operation of the run Name, or -1 when it did not run (a
// filter left it out or it failed).
inline double TimeOf(const std::map<std::string, double>& Times, const std::string& Name) {
  auto it = Times.find(Name);
  return it == Times.end() ? -1.0 : it->second;
}

// Real or CPU time per operation of the run Name, or -1 when it did not run.
inline double RealTimeOf(const TimesReporter& R, const std::string& Name) {
  auto it = R.Times.find(Name);
  return it == R.Times.end() ? -1.0 : it->second.first;
}
inline double CpuTimeOf(const TimesReporter& R, const std::string& Name) {
  auto it = R.Times.find(Name);
  return it == R.Times.end() ? -1.0 : it->second.second;
}

// The main of a benchmark program: runs what the command line selects and
// hands the CPU times per operation to Print.
template <class F>
int RunAndPrint(int argc, char** argv, F Print) {
  benchmark::Initialize(&argc, argv);
  TimesReporter collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  Print(collector.CpuTimes());
  std::fflush(stdout);
  benchmark::Shutdown();
  return 0;
}
