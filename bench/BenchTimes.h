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

// CPU time per operation of the run Name, or -1 when it did not run (a
// filter left it out or it failed).
inline double TimeOf(const std::map<std::string, double>& Times, const std::string& Name) {
  auto it = Times.find(Name);
  return it == Times.end() ? -1.0 : it->second;
}

// One line of a goal table: the figure with its unit, the goal and whether
// it was met; a figure of a run that did not run says so.
inline void PrintGoalLine(int Width, const char* What, double Value, const char* Unit,
                          const char* Goal, bool Met) {
  if (Value < 0) {
    std::printf("%-*s %10s\n", Width, What, "not run");
    return;
  }
  std::printf("%-*s %10.2f %-3s goal %-8s %s\n", Width, What, Value, Unit, Goal,
              Met ? "met" : "MISSED");
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
