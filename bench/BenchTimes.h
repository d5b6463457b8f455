// A console reporter that also keeps the real and CPU time per operation of
// every successful run, so a benchmark can print its ratios afterwards.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

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
