// Meter painting: a full paint of the default meter (the scale drawn
// afresh), a repaint with the scale kept, and a value change (only the
// needles' area repainted), at 297 × 209 and at 800 × 600. With Cairo
// present the same kind of dial (arc, 30 ticks, 11 labels, needle) is drawn
// on a Cairo image surface of each size in the same run, and the ratios are
// printed at the end (below 1 means ours is faster).
#include <benchmark/benchmark.h>

#include "BenchTimes.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "VYR_Meter/VYR_Meter.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

#ifdef VYR_HAVE_CAIRO
#include <cairo.h>
#endif

namespace {

struct Size {
  int W, H;
  const char* Name;
};
constexpr Size kSizes[] = {{297, 209, "297x209"}, {800, 600, "800x600"}};
constexpr int kPositions = 64;

// The needle's positions: a swing over most of the scale.
double Position(int I) {
  return 0.5 + 0.45 * std::sin(2 * std::numbers::pi * (I % kPositions) / kPositions);
}

// ---------------------------------------------------------------- ours

struct Ours {
  std::unique_ptr<vcl::TForm> Form;
  vyr::TMeter* Meter = nullptr;
};

Ours& OursFor(const Size& S) {
  static std::map<int, std::unique_ptr<Ours>> made;
  auto& slot = made[S.W];
  if (slot) return *slot;
  slot = std::make_unique<Ours>();
  slot->Form = std::make_unique<vcl::TForm>(nullptr);
  slot->Form->SetClientWidth(S.W);
  slot->Form->SetClientHeight(S.H);
  slot->Meter = new vyr::TMeter(slot->Form.get());
  slot->Meter->SetParent(slot->Form.get());
  slot->Meter->SetBounds(0, 0, S.W, S.H);
  vcl::headless::Snapshot(slot->Meter);  // creates the window, so painting is on
  return *slot;
}

// Everything drawn afresh: a scale color change invalidates the scale bitmap.
void OursFullPaint(benchmark::State& St, const Size& S) {
  Ours& o = OursFor(S);
  int i = 0;
  for (auto _ : St) o.Meter->SetColorScale(i++ % 2 ? vcl::clNavy : vcl::TColor{0x800001});
  benchmark::ClobberMemory();
}

// The whole meter repainted from the kept scale (as when it is uncovered).
void OursRepaint(benchmark::State& St, const Size& S) {
  Ours& o = OursFor(S);
  for (auto _ : St) o.Meter->Repaint();
  benchmark::ClobberMemory();
}

void OursValueChange(benchmark::State& St, const Size& S) {
  Ours& o = OursFor(S);
  int i = 0;
  for (auto _ : St) o.Meter->SetValue(Position(i++));
  benchmark::ClobberMemory();
}

// ---------------------------------------------------------------- Cairo

#ifdef VYR_HAVE_CAIRO
// The dial with the default meter's geometry: face, arc, 30 ticks (every
// third one long), 11 labels and a seven-point needle, antialiasing off.
void CairoDial(cairo_t* Cr, const Size& S, double Value) {
  const vyr::meter::TGeometry g = vyr::meter::LayoutGeometry(vyr::mlCirc90, S.W, S.H, {});
  cairo_set_source_rgb(Cr, 1, 1, 1);
  cairo_paint(Cr);
  cairo_set_source_rgb(Cr, 0, 0, 0.5);
  // Cairo's angles grow clockwise on the screen: from -θ(Min) to -θ(Max).
  const double deg = std::numbers::pi / 180;
  cairo_arc(Cr, g.CX + 0.5, g.CY + 0.5, g.Radius, -(90 + g.Angle / 2.0) * deg,
            -(90 - g.Angle / 2.0) * deg);
  cairo_stroke(Cr);
  for (int i = 0; i < 30; ++i) {
    const double t = vyr::meter::ThetaOf(g, i / 29.0) * std::numbers::pi / 180;
    const double inner = g.Radius - (i % 3 == 0 ? 8 : 4);
    cairo_move_to(Cr, g.CX + g.Radius * std::cos(t), g.CY - g.Radius * std::sin(t));
    cairo_line_to(Cr, g.CX + inner * std::cos(t), g.CY - inner * std::sin(t));
  }
  cairo_stroke(Cr);
  cairo_select_font_face(Cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(Cr, 11);
  for (int i = 0; i <= 10; ++i) {
    char text[8];
    std::snprintf(text, sizeof text, "%.1f", i / 10.0);
    const vcl::TPoint a =
        vyr::meter::LabelAnchor(g, vyr::meter::ThetaOf(g, i / 10.0), 12 + 15, 6 + 15);
    cairo_text_extents_t e;
    cairo_text_extents(Cr, text, &e);
    cairo_move_to(Cr, a.X - e.width / 2, a.Y + e.height / 2);
    cairo_show_text(Cr, text);
  }
  const auto needle = vyr::meter::NeedlePolygon(g, vyr::meter::ThetaOf(g, Value), {});
  cairo_move_to(Cr, needle[0].X, needle[0].Y);
  for (const vcl::TPoint& p : needle) cairo_line_to(Cr, p.X, p.Y);
  cairo_close_path(Cr);
  cairo_set_source_rgb(Cr, 0.75, 0.75, 0.75);
  cairo_fill_preserve(Cr);
  cairo_set_source_rgb(Cr, 0, 0, 0);
  cairo_stroke(Cr);
}

void CairoFullPaint(benchmark::State& St, const Size& S) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, S.W, S.H);
  cairo_t* cr = cairo_create(surface);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_width(cr, 1);
  int i = 0;
  for (auto _ : St) {
    CairoDial(cr, S, Position(i++));
    cairo_surface_flush(surface);
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}
#endif

// ---------------------------------------------------------------- table

std::string Name(const char* Op, const Size& S, const char* Who) {
  return std::string(Op) + "_" + S.Name + "/" + Who;
}

void Register() {
  using F = void (*)(benchmark::State&, const Size&);
  const struct {
    const char* Op;
    const char* Who;
    F Fn;
  } entries[] = {
      {"full_paint", "ours", OursFullPaint},
      {"repaint", "ours", OursRepaint},
      {"value_change", "ours", OursValueChange},
#ifdef VYR_HAVE_CAIRO
      {"full_paint", "cairo", CairoFullPaint},
#endif
  };
  for (const Size& s : kSizes) {
    for (const auto& e : entries) {
      benchmark::RegisterBenchmark(Name(e.Op, s, e.Who).c_str(), e.Fn, s)
          ->Unit(benchmark::kMicrosecond);
    }
  }
}

void PrintTable(const std::map<std::string, double>& T) {
  std::printf("\nCPU time per operation, beside the full paint and the Cairo dial:\n");
  for (const Size& s : kSizes) {
    const std::string size = s.Name;
    const double full = TimeOf(T, Name("full_paint", s, "ours"));
    const double value = TimeOf(T, Name("value_change", s, "ours"));
    const double cairo = TimeOf(T, Name("full_paint", s, "cairo"));
    // Goal: a value change repaints in under 0.3 ms at the default size.
    const bool defaultSize = &s == &kSizes[0];
    ReportFigure({"value change " + size, value, "us", "full paint", full,
                  defaultSize ? Below(300) : NoGoal()});
    ReportFigure({"value change " + size, value, "us", "Cairo dial", cairo, NoGoal()});
    ReportFigure({"full paint " + size, full, "us", "Cairo dial", cairo, NoGoal()});
  }
}

}  // namespace

int main(int argc, char** argv) {
  Register();
  return RunAndPrint(argc, argv, PrintTable);
}
