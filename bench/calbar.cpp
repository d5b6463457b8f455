// Speed of the mini calendar and the progress bar, with the goals they are
// held to, each printed beside a full paint of the same control:
//   calendar month step with its holidays, repainted        under 0.5 ms
//   progress bar value change, gradient and grid, 300 × 30   under 50 µs
// Each control sits on a form of the headless host and paints into the
// form's back buffer, as it does on screen.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "BenchTimes.h"
#include "VYR_MiniCal/VYR_MiniCal.h"
#include "VYR_ProgBar/VYR_ProgBar.h"
#include "platform/Forms.h"

namespace {

using namespace vcl;

std::unique_ptr<TForm> MakeForm(int W, int H) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(0, 0, W, H);
  form->HandleNeeded();
  return form;
}

vyr::TMiniCal* MakeCalendar(TForm& Form) {
  auto* cal = new vyr::TMiniCal(&Form);
  cal->SetParent(&Form);
  cal->SetDate(EncodeDate(2025, 1, 15));
  cal->AddRepeatHoliday(4, 7, u"Own holiday");
  cal->AddHoliday(9, 4, 2025, u"Company day");
  cal->Update();
  return cal;
}

// Twelve months forward, twelve back: every step crosses into another
// month, every twelfth into another year, whose holidays are computed anew.
void CalendarMonthStep(benchmark::State& St) {
  auto form = MakeForm(320, 200);
  vyr::TMiniCal* cal = MakeCalendar(*form);
  int i = 0;
  for (auto _ : St) {
    if (i++ % 24 < 12) cal->NextMonth(); else cal->PrevMonth();
    cal->Update();  // paints what the step invalidated
  }
}

void CalendarFullPaint(benchmark::State& St) {
  auto form = MakeForm(320, 200);
  vyr::TMiniCal* cal = MakeCalendar(*form);
  for (auto _ : St) cal->Repaint();
}

vyr::TProgBar* MakeBar(TForm& Form) {
  auto* bar = new vyr::TProgBar(&Form);
  bar->SetParent(&Form);
  bar->SetBounds(0, 0, 300, 30);
  bar->SetShowColorGradient(true);
  bar->SetColorMapMode(vyr::cgmStretch);
  bar->SetGridDist(10);
  bar->SetTextPosX(150);
  bar->SetTextPosY(15);
  bar->Repaint();
  return bar;
}

// Each value differs from the one before, so every call paints.
void BarValueChange(benchmark::State& St) {
  auto form = MakeForm(320, 60);
  vyr::TProgBar* bar = MakeBar(*form);
  int i = 0;
  for (auto _ : St) bar->SetValue(20 + (i++ % 61));
}

void BarFullPaint(benchmark::State& St) {
  auto form = MakeForm(320, 60);
  vyr::TProgBar* bar = MakeBar(*form);
  for (auto _ : St) bar->Repaint();
}

BENCHMARK(CalendarMonthStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(CalendarFullPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BarValueChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BarFullPaint)->Unit(benchmark::kMicrosecond);

void PrintGoals(const std::map<std::string, double>& T) {
  auto at = [&](const char* Name) { return TimeOf(T, Name); };
  std::printf("\nCPU time per operation:\n");
  ReportFigure({"calendar month step with holidays, repainted", at("CalendarMonthStep"), "us",
                "full paint", at("CalendarFullPaint"), Below(500)});
  ReportFigure({"progress bar value change 300x30 (gradient, grid)", at("BarValueChange"), "us",
                "full paint", at("BarFullPaint"), Below(50)});
}

}  // namespace

int main(int argc, char** argv) {
  return RunAndPrint(argc, argv, PrintGoals);
}
