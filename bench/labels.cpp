// Speed of the labels and displays, with the goals they are held to:
//   seven-segment caption change at the default size    under 20 µs (cache copies only)
//   raster label scroll step at 400 × 60                under 50 µs
//   gradient fill of 1920 × 1080                        at most 1.5 × a memset of its bytes
//   numeric label repaint                               under 30 µs
// Each control sits on a form of the headless host and paints into the
// form's back buffer, as it does on screen.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "BenchTimes.h"
#include "VYR_NumLab/VYR_NumLab.h"
#include "VYR_RasterLab/VYR_RasterLab.h"
#include "VYR_gradfl/VYR_gradfl.h"
#include "VYR_sevenseg/VYR_sevenseg.h"
#include "platform/Forms.h"

namespace {

using namespace vcl;

constexpr int kW = 1920, kH = 1080;

// A shown form to put one control on.
std::unique_ptr<TForm> MakeForm(int W, int H) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(0, 0, W, H);
  form->HandleNeeded();
  return form;
}

void SevenSegCaption(benchmark::State& st) {
  auto form = MakeForm(300, 120);
  auto* seg = new vyr::TSevenSeg(form.get());
  seg->SetParent(form.get());
  const String captions[] = {u"12:34", u"56:78", u"9.0.1.2", u"-3.4°"};
  int i = 0;
  for (auto _ : st) seg->SetCaption(captions[i++ & 3]);
}

void RasterScrollStep(benchmark::State& st) {
  auto form = MakeForm(500, 100);
  auto* lab = new vyr::TRasterLab(form.get());
  lab->SetParent(form.get());
  lab->SetBounds(0, 0, 400, 60);
  lab->SetText(u"Scrolling dot-matrix text");
  lab->SetScrollMode(vyr::rdsmLeft);  // the timer is never given time here
  for (auto _ : st) lab->ScrollTimerEvent();
}

// The default fill (16 horizontal bands) and the hardest one (64 vertical
// bands, as narrow spans on every row).
void GradientFill(benchmark::State& st) {
  vyr::TGradFill grad(nullptr);
  grad.SetBounds(0, 0, kW, kH);
  if (st.range(0) != 0) {
    grad.SetFillType(vyr::gtMidBandVert);
    grad.SetNrColors(64);
  }
  TBitmap bitmap(kW, kH);
  for (auto _ : st) {
    grad.DrawGradient(bitmap);
    benchmark::ClobberMemory();
  }
}

// One brush fill of the whole bitmap: the canvas's own speed, for
// comparison.
void CanvasFill(benchmark::State& st) {
  TBitmap bitmap(kW, kH);
  bitmap.Canvas()->Brush()->SetColor(clTeal);
  for (auto _ : st) {
    bitmap.Canvas()->FillRect(TRect(0, 0, kW, kH));
    benchmark::ClobberMemory();
  }
}

void GradientPaint(benchmark::State& st) {
  auto form = MakeForm(kW, kH);
  auto* grad = new vyr::TGradFill(form.get());
  grad->SetParent(form.get());
  grad->SetBounds(0, 0, kW, kH);
  for (auto _ : st) grad->Repaint();
}

void Memset(benchmark::State& st) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kW) * kH);
  int v = 0;
  for (auto _ : st) {
    std::memset(pixels.data(), ++v & 0xFF, pixels.size() * sizeof(std::uint32_t));
    benchmark::ClobberMemory();
  }
}

void NumLabRepaint(benchmark::State& st) {
  auto form = MakeForm(300, 100);
  auto* lab = new vyr::TNumLab(form.get());
  lab->SetParent(form.get());
  lab->SetLeftText(u"U");
  lab->SetRightText(u"V");
  double v = 0;
  for (auto _ : st) lab->SetValue(v += 0.25);  // paints at once
}

BENCHMARK(SevenSegCaption);
BENCHMARK(RasterScrollStep);
BENCHMARK(GradientFill)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Memset)->Unit(benchmark::kMicrosecond);
BENCHMARK(CanvasFill)->Unit(benchmark::kMicrosecond);
BENCHMARK(GradientPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(NumLabRepaint);

// Microseconds of a run timed in nanoseconds, or -1 when it did not run.
double Micro(double Ns) { return Ns < 0 ? -1 : Ns / 1000; }

void PrintGoals(const std::map<std::string, double>& t) {
  auto at = [&](const char* name) { return TimeOf(t, name); };
  std::printf("\nCPU time per operation:\n");
  ReportFigure({"seven-segment caption change", Micro(at("SevenSegCaption")), "us", "", -1, Below(20)});
  ReportFigure({"raster label scroll step 400x60", Micro(at("RasterScrollStep")), "us", "", -1,
                Below(50)});
  // The gradient and memset run in microseconds already (Unit above).
  for (auto [name, what] : {std::pair{"GradientFill/0", "gradient 1920x1080 (16 rows)"},
                            {"GradientFill/1", "gradient 1920x1080 (64 columns)"}})
    ReportFigure({what, at(name), "us", "memset of its bytes", at("Memset"), RatioAtMost(1.5)});
  ReportFigure({"numeric label repaint", Micro(at("NumLabRepaint")), "us", "", -1, Below(30)});
}

}  // namespace

int main(int argc, char** argv) {
  return RunAndPrint(argc, argv, PrintGoals);
}
