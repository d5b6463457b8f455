// Canvas speed against two established 2-D libraries: each primitive is
// timed on our canvas, on a Cairo image surface and on a QImage with
// QPainter (both with antialiasing off), and a table of ratios is printed
// at the end (below 1.0 means we are faster).
#include <benchmark/benchmark.h>

#include "BenchTimes.h"
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "platform/WinapiGdi.h"

#ifdef VYR_HAVE_CAIRO
#include <cairo.h>
#endif
#ifdef VYR_HAVE_QT
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#endif

namespace {

using namespace vcl;

constexpr int kW = 1920, kH = 1080;         // the full-screen fill
constexpr int kPageW = 1000, kPageH = 600;  // the text page
constexpr int kPageRows = 33, kPageCols = 8;
constexpr int kStretchW = 640, kStretchH = 480;  // halftone source, halved
constexpr int kPositions = 64;

// Where successive operations go: spread over the surface so that no
// library profits from touching the same few cache lines.
struct Spot {
  int X, Y, Dx, Dy;
};
const std::array<Spot, kPositions>& Spots() {
  static const auto spots = [] {
    std::array<Spot, kPositions> s{};
    for (int i = 0; i < kPositions; ++i) {
      const double a = i * 2 * 3.14159265358979 / kPositions;
      s[i] = {150 + (i * 97) % 700, 150 + (i * 53) % 400,
              static_cast<int>(std::lround(100 * std::cos(a))),
              static_cast<int>(std::lround(100 * std::sin(a)))};
    }
    return s;
  }();
  return spots;
}

// Runs Draw once per iteration, each time at the next spot.
template <class F>
void EachSpot(benchmark::State& st, F Draw) {
  int i = 0;
  for (auto _ : st) Draw(Spots()[i++ % kPositions]);
  benchmark::ClobberMemory();
}

const char16_t* const kShortText = u"Value 12.345";
const char* const kShortTextUtf8 = "Value 12.345";

String CellText(int row, int col) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "R%dC%d %d.5", row, col, row * 113 + col * 7);
  return FromUTF8(buf);
}

// ---------------------------------------------------------------- ours

struct Ours {
  TBitmap Bmp{kW, kH};
  TCanvas& C = *Bmp.Canvas();
  Ours() {
    C.Font()->SetName(u"DejaVu Sans");
    C.Font()->SetHeight(-11);
    C.Brush()->SetColor(RGB(30, 120, 200));
    C.Pen()->SetColor(RGB(200, 40, 40));
  }
};

void OursLines(benchmark::State& st) {
  Ours o;
  EachSpot(st, [&](const Spot& s) {
    o.C.MoveTo(s.X, s.Y);
    o.C.LineTo(s.X + s.Dx, s.Y + s.Dy);
  });
  benchmark::DoNotOptimize(o.C.Pixels(0, 0));
}

void OursRect(TCanvas& C, int X, int Y) { C.FillRect(TRect(X, Y, X + 50, Y + 20)); }
// Without a pen our figure fills one pixel less to the right and bottom,
// where the pen would have drawn; the box one larger fills the 60 × 40 the
// others fill.
void OursEllipse(TCanvas& C, int X, int Y) { C.Ellipse(X, Y, X + 61, Y + 41); }

void OursRects(benchmark::State& st) {
  Ours o;
  EachSpot(st, [&](const Spot& s) { OursRect(o.C, s.X, s.Y); });
  benchmark::DoNotOptimize(o.C.Pixels(0, 0));
}

void OursEllipses(benchmark::State& st) {
  Ours o;
  o.C.Pen()->SetStyle(psClear);
  EachSpot(st, [&](const Spot& s) { OursEllipse(o.C, s.X, s.Y); });
  benchmark::DoNotOptimize(o.C.Pixels(0, 0));
}

void OursText(benchmark::State& st) {
  Ours o;
  o.C.Brush()->SetStyle(bsClear);
  const String text = kShortText;
  EachSpot(st, [&](const Spot& s) { o.C.TextOut(s.X, s.Y, text); });
  benchmark::DoNotOptimize(o.C.Pixels(0, 0));
}

void OursTextWidth(benchmark::State& st) {
  Ours o;
  const String text = kShortText;
  for (auto _ : st) benchmark::DoNotOptimize(o.C.TextWidth(text));
}

void OursFullFill(benchmark::State& st) {
  Ours o;
  for (auto _ : st) {
    o.C.FillRect(TRect(0, 0, kW, kH));
    benchmark::ClobberMemory();
  }
}

void OursStretch(benchmark::State& st) {
  TBitmap src(kStretchW, kStretchH), dst(kStretchW / 2, kStretchH / 2);
  for (int y = 0; y < kStretchH; ++y)
    for (int x = 0; x < kStretchW; ++x)
      src.ScanLine(y)[x] = static_cast<std::uint32_t>(x * 2654435761u ^ y * 40503u);
  SetStretchBltMode(dst.Canvas()->Handle(), HALFTONE);
  for (auto _ : st) {
    StretchBlt(dst.Canvas()->Handle(), 0, 0, kStretchW / 2, kStretchH / 2, src.Canvas()->Handle(),
               0, 0, kStretchW, kStretchH, SRCCOPY);
    benchmark::ClobberMemory();
  }
}

void OursPage(benchmark::State& st) {
  TBitmap bmp(kPageW, kPageH);
  TCanvas& c = *bmp.Canvas();
  c.Font()->SetName(u"DejaVu Sans");
  c.Font()->SetHeight(-11);
  const int cw = kPageW / kPageCols, rh = kPageH / kPageRows;
  std::vector<String> cells;
  for (int r = 0; r < kPageRows; ++r)
    for (int col = 0; col < kPageCols; ++col) cells.push_back(CellText(r, col));
  for (auto _ : st) {
    c.Brush()->SetColor(clWhite);
    c.FillRect(TRect(0, 0, kPageW, kPageH));
    c.Pen()->SetColor(clSilver);
    for (int col = 0; col <= kPageCols; ++col) {
      c.MoveTo(col * cw, 0);
      c.LineTo(col * cw, kPageH);
    }
    for (int r = 0; r <= kPageRows; ++r) {
      c.MoveTo(0, r * rh);
      c.LineTo(kPageW, r * rh);
    }
    c.Brush()->SetStyle(bsClear);
    for (int r = 0; r < kPageRows; ++r)
      for (int col = 0; col < kPageCols; ++col)
        c.TextOut(col * cw + 3, r * rh + 3, cells[r * kPageCols + col]);
    benchmark::ClobberMemory();
  }
}

void Memset(benchmark::State& st) {
  std::vector<std::uint32_t> buffer(static_cast<std::size_t>(kW) * kH);
  int v = 0;
  for (auto _ : st) {
    std::memset(buffer.data(), ++v & 0xFF, buffer.size() * sizeof(std::uint32_t));
    benchmark::ClobberMemory();
  }
  benchmark::DoNotOptimize(buffer.data());
}

// ---------------------------------------------------------------- Cairo

#ifdef VYR_HAVE_CAIRO
struct Cairo {
  cairo_surface_t* Surface;
  cairo_t* Cr;
  Cairo(int w = kW, int h = kH)
      : Surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h)), Cr(cairo_create(Surface)) {
    cairo_set_antialias(Cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(Cr, 1.0);
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_NONE);
    cairo_set_font_options(Cr, fo);
    cairo_font_options_destroy(fo);
    cairo_select_font_face(Cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(Cr, 11);
  }
  ~Cairo() {
    cairo_destroy(Cr);
    cairo_surface_destroy(Surface);
  }
};

void CairoLines(benchmark::State& st) {
  Cairo k;
  cairo_set_source_rgb(k.Cr, 0.8, 0.15, 0.15);
  EachSpot(st, [&](const Spot& s) {
    cairo_move_to(k.Cr, s.X + 0.5, s.Y + 0.5);
    cairo_line_to(k.Cr, s.X + s.Dx + 0.5, s.Y + s.Dy + 0.5);
    cairo_stroke(k.Cr);
  });
  cairo_surface_flush(k.Surface);
}

void CairoRect(cairo_t* Cr, int X, int Y) {
  cairo_rectangle(Cr, X, Y, 50, 20);
  cairo_fill(Cr);
}

void CairoEllipse(cairo_t* Cr, int X, int Y) {
  cairo_save(Cr);
  cairo_translate(Cr, X + 30, Y + 20);
  cairo_scale(Cr, 30, 20);
  cairo_arc(Cr, 0, 0, 1, 0, 2 * 3.14159265358979);
  cairo_restore(Cr);
  cairo_fill(Cr);
}

void CairoRects(benchmark::State& st) {
  Cairo k;
  cairo_set_source_rgb(k.Cr, 0.1, 0.5, 0.8);
  EachSpot(st, [&](const Spot& s) { CairoRect(k.Cr, s.X, s.Y); });
  cairo_surface_flush(k.Surface);
}

void CairoEllipses(benchmark::State& st) {
  Cairo k;
  cairo_set_source_rgb(k.Cr, 0.1, 0.5, 0.8);
  EachSpot(st, [&](const Spot& s) { CairoEllipse(k.Cr, s.X, s.Y); });
  cairo_surface_flush(k.Surface);
}

void CairoText(benchmark::State& st) {
  Cairo k;
  cairo_set_source_rgb(k.Cr, 0, 0, 0);
  EachSpot(st, [&](const Spot& s) {
    cairo_move_to(k.Cr, s.X, s.Y + 11);
    cairo_show_text(k.Cr, kShortTextUtf8);
  });
  cairo_surface_flush(k.Surface);
}

void CairoTextWidth(benchmark::State& st) {
  Cairo k;
  cairo_text_extents_t e;
  for (auto _ : st) {
    cairo_text_extents(k.Cr, kShortTextUtf8, &e);
    benchmark::DoNotOptimize(e.x_advance);
  }
}

void CairoFullFill(benchmark::State& st) {
  Cairo k;
  cairo_set_source_rgb(k.Cr, 0.1, 0.5, 0.8);
  for (auto _ : st) {
    cairo_rectangle(k.Cr, 0, 0, kW, kH);
    cairo_fill(k.Cr);
    cairo_surface_flush(k.Surface);
  }
}

void CairoStretch(benchmark::State& st) {
  Cairo dst(kStretchW / 2, kStretchH / 2);
  cairo_surface_t* src = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kStretchW, kStretchH);
  cairo_surface_flush(src);
  auto* px = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(src));
  const int stride = cairo_image_surface_get_stride(src) / 4;
  for (int y = 0; y < kStretchH; ++y)
    for (int x = 0; x < kStretchW; ++x)
      px[y * stride + x] = static_cast<std::uint32_t>(x * 2654435761u ^ y * 40503u);
  cairo_surface_mark_dirty(src);
  for (auto _ : st) {
    cairo_save(dst.Cr);
    cairo_scale(dst.Cr, 0.5, 0.5);
    cairo_set_source_surface(dst.Cr, src, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(dst.Cr),
                             CAIRO_FILTER_GOOD);  // box average when shrinking
    cairo_set_operator(dst.Cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(dst.Cr);
    cairo_restore(dst.Cr);
    cairo_surface_flush(dst.Surface);
  }
  cairo_surface_destroy(src);
}

void CairoPage(benchmark::State& st) {
  Cairo k(kPageW, kPageH);
  const int cw = kPageW / kPageCols, rh = kPageH / kPageRows;
  std::vector<std::string> cells;
  for (int r = 0; r < kPageRows; ++r)
    for (int col = 0; col < kPageCols; ++col) cells.push_back(ToUTF8(CellText(r, col)));
  for (auto _ : st) {
    cairo_set_source_rgb(k.Cr, 1, 1, 1);
    cairo_paint(k.Cr);
    cairo_set_source_rgb(k.Cr, 0.75, 0.75, 0.75);
    for (int col = 0; col <= kPageCols; ++col) {
      cairo_move_to(k.Cr, col * cw + 0.5, 0);
      cairo_line_to(k.Cr, col * cw + 0.5, kPageH);
    }
    for (int r = 0; r <= kPageRows; ++r) {
      cairo_move_to(k.Cr, 0, r * rh + 0.5);
      cairo_line_to(k.Cr, kPageW, r * rh + 0.5);
    }
    cairo_stroke(k.Cr);
    cairo_set_source_rgb(k.Cr, 0, 0, 0);
    for (int r = 0; r < kPageRows; ++r)
      for (int col = 0; col < kPageCols; ++col) {
        cairo_move_to(k.Cr, col * cw + 3, r * rh + 3 + 11);
        cairo_show_text(k.Cr, cells[r * kPageCols + col].c_str());
      }
    cairo_surface_flush(k.Surface);
  }
}
#endif

// ---------------------------------------------------------------- Qt

#ifdef VYR_HAVE_QT
QFont QtFont() {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(11);
  f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

struct QtCanvas {
  QImage Image;
  QPainter P;
  QtCanvas(int w = kW, int h = kH) : Image(w, h, QImage::Format_RGB32) {
    Image.fill(Qt::white);
    P.begin(&Image);
    P.setRenderHint(QPainter::Antialiasing, false);
    P.setFont(QtFont());
  }
};

void QtLines(benchmark::State& st) {
  QtCanvas q;
  q.P.setPen(QPen(QColor(200, 40, 40), 0));
  EachSpot(st, [&](const Spot& s) { q.P.drawLine(s.X, s.Y, s.X + s.Dx, s.Y + s.Dy); });
}

void QtRect(QPainter& P, const QColor& Color, int X, int Y) { P.fillRect(X, Y, 50, 20, Color); }
void QtEllipse(QPainter& P, int X, int Y) { P.drawEllipse(X, Y, 60, 40); }

void QtRects(benchmark::State& st) {
  QtCanvas q;
  const QColor color(30, 120, 200);
  EachSpot(st, [&](const Spot& s) { QtRect(q.P, color, s.X, s.Y); });
}

void QtEllipses(benchmark::State& st) {
  QtCanvas q;
  q.P.setPen(Qt::NoPen);
  q.P.setBrush(QColor(30, 120, 200));
  EachSpot(st, [&](const Spot& s) { QtEllipse(q.P, s.X, s.Y); });
}

void QtText(benchmark::State& st) {
  QtCanvas q;
  q.P.setPen(Qt::black);
  const QString text = QString::fromUtf8(kShortTextUtf8);
  EachSpot(st, [&](const Spot& s) { q.P.drawText(s.X, s.Y + 11, text); });
}

void QtTextWidth(benchmark::State& st) {
  const QFontMetrics m(QtFont());
  const QString text = QString::fromUtf8(kShortTextUtf8);
  for (auto _ : st) benchmark::DoNotOptimize(m.horizontalAdvance(text));
}

void QtFullFill(benchmark::State& st) {
  QtCanvas q;
  const QColor color(30, 120, 200);
  for (auto _ : st) {
    q.P.fillRect(0, 0, kW, kH, color);
    benchmark::ClobberMemory();
  }
}

void QtStretch(benchmark::State& st) {
  QImage src(kStretchW, kStretchH, QImage::Format_RGB32);
  for (int y = 0; y < kStretchH; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(src.scanLine(y));
    for (int x = 0; x < kStretchW; ++x)
      row[x] = 0xFF000000u | static_cast<std::uint32_t>(x * 2654435761u ^ y * 40503u);
  }
  QtCanvas q(kStretchW / 2, kStretchH / 2);
  q.P.setRenderHint(QPainter::SmoothPixmapTransform, true);
  q.P.setCompositionMode(QPainter::CompositionMode_Source);
  for (auto _ : st) {
    q.P.drawImage(QRect(0, 0, kStretchW / 2, kStretchH / 2), src);
    benchmark::ClobberMemory();
  }
}

void QtPage(benchmark::State& st) {
  QtCanvas q(kPageW, kPageH);
  const int cw = kPageW / kPageCols, rh = kPageH / kPageRows;
  std::vector<QString> cells;
  for (int r = 0; r < kPageRows; ++r)
    for (int col = 0; col < kPageCols; ++col)
      cells.push_back(QString::fromStdString(ToUTF8(CellText(r, col))));
  for (auto _ : st) {
    q.P.fillRect(0, 0, kPageW, kPageH, Qt::white);
    q.P.setPen(QPen(QColor(192, 192, 192), 0));
    for (int col = 0; col <= kPageCols; ++col) q.P.drawLine(col * cw, 0, col * cw, kPageH);
    for (int r = 0; r <= kPageRows; ++r) q.P.drawLine(0, r * rh, kPageW, r * rh);
    q.P.setPen(Qt::black);
    for (int r = 0; r < kPageRows; ++r)
      for (int col = 0; col < kPageCols; ++col)
        q.P.drawText(col * cw + 3, r * rh + 3 + 11, cells[r * kPageCols + col]);
    benchmark::ClobberMemory();
  }
}
#endif

// ---------------------------------------------------------------- same work

// The pixels one rectangle and one ellipse change on each side, counted on
// a white surface, so that the table can show the sides do the same work.
struct Coverage {
  int Rect = -1, Ellipse = -1;
};
constexpr int kCoverW = 160, kCoverH = 60, kCoverSplit = 80;

template <class Pixel>
Coverage Count(Pixel At) {
  Coverage c{0, 0};
  for (int y = 0; y < kCoverH; ++y)
    for (int x = 0; x < kCoverW; ++x)
      if ((At(x, y) & 0xFFFFFFu) != 0xFFFFFFu) ++(x < kCoverSplit ? c.Rect : c.Ellipse);
  return c;
}

Coverage OursCoverage() {
  TBitmap b(kCoverW, kCoverH);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetColor(RGB(30, 120, 200));
  c.Pen()->SetStyle(psClear);
  OursRect(c, 10, 10);
  OursEllipse(c, kCoverSplit + 10, 10);
  return Count([&](int x, int y) { return b.ScanLine(y)[x]; });
}

#ifdef VYR_HAVE_CAIRO
Coverage CairoCoverage() {
  Cairo k(kCoverW, kCoverH);
  cairo_set_source_rgb(k.Cr, 1, 1, 1);
  cairo_paint(k.Cr);
  cairo_set_source_rgb(k.Cr, 0.1, 0.5, 0.8);
  CairoRect(k.Cr, 10, 10);
  CairoEllipse(k.Cr, kCoverSplit + 10, 10);
  cairo_surface_flush(k.Surface);
  const auto* px = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(k.Surface));
  const int stride = cairo_image_surface_get_stride(k.Surface) / 4;
  return Count([&](int x, int y) { return px[y * stride + x]; });
}
#endif

#ifdef VYR_HAVE_QT
Coverage QtCoverage() {
  QtCanvas q(kCoverW, kCoverH);
  q.P.setPen(Qt::NoPen);
  q.P.setBrush(QColor(30, 120, 200));
  QtRect(q.P, QColor(30, 120, 200), 10, 10);
  QtEllipse(q.P, kCoverSplit + 10, 10);
  q.P.end();
  return Count([&](int x, int y) { return q.Image.pixel(x, y); });
}
#endif

void PrintCoverage() {
  Coverage cairo, qt;
#ifdef VYR_HAVE_CAIRO
  cairo = CairoCoverage();
#endif
#ifdef VYR_HAVE_QT
  qt = QtCoverage();
#endif
  const Coverage ours = OursCoverage();
  std::printf("pixels changed by one figure:\n");
  for (const auto& [peer, theirs] : {std::pair{"Cairo", cairo}, {"Qt", qt}}) {
    ReportFigure({"pixels of fill_rect_50x20", double(ours.Rect), "px", peer, double(theirs.Rect),
                  NoGoal()});
    ReportFigure({"pixels of ellipse_60x40", double(ours.Ellipse), "px", peer,
                  double(theirs.Ellipse), NoGoal()});
  }
}

// ---------------------------------------------------------------- table


struct Operation {
  const char* Name;
  void (*OursFn)(benchmark::State&);
  void (*CairoFn)(benchmark::State&);
  void (*QtFn)(benchmark::State&);
};

std::vector<Operation> Operations() {
  std::vector<Operation> ops = {
      {"line_100px", OursLines, nullptr, nullptr},
      {"fill_rect_50x20", OursRects, nullptr, nullptr},
      {"ellipse_60x40", OursEllipses, nullptr, nullptr},
      {"text_11px", OursText, nullptr, nullptr},
      {"text_width", OursTextWidth, nullptr, nullptr},
      {"fill_1920x1080", OursFullFill, nullptr, nullptr},
      {"halftone_2to1", OursStretch, nullptr, nullptr},
      {"text_page", OursPage, nullptr, nullptr},
  };
#ifdef VYR_HAVE_CAIRO
  void (*cairoFns[])(benchmark::State&) = {CairoLines,     CairoRects,    CairoEllipses, CairoText,
                                           CairoTextWidth, CairoFullFill, CairoStretch,  CairoPage};
  for (std::size_t i = 0; i < ops.size(); ++i) ops[i].CairoFn = cairoFns[i];
#endif
#ifdef VYR_HAVE_QT
  void (*qtFns[])(benchmark::State&) = {QtLines,     QtRects,    QtEllipses, QtText,
                                        QtTextWidth, QtFullFill, QtStretch,  QtPage};
  for (std::size_t i = 0; i < ops.size(); ++i) ops[i].QtFn = qtFns[i];
#endif
  return ops;
}

void Register(const std::vector<Operation>& ops) {
  for (const Operation& op : ops) {
    const std::string name = op.Name;
    benchmark::RegisterBenchmark((name + "/ours").c_str(), op.OursFn)->Unit(benchmark::kNanosecond);
    if (op.CairoFn)
      benchmark::RegisterBenchmark((name + "/cairo").c_str(), op.CairoFn)
          ->Unit(benchmark::kNanosecond);
    if (op.QtFn)
      benchmark::RegisterBenchmark((name + "/qt").c_str(), op.QtFn)->Unit(benchmark::kNanosecond);
  }
  benchmark::RegisterBenchmark("memset_1920x1080", Memset)->Unit(benchmark::kNanosecond);
}

void PrintTable(const std::vector<Operation>& ops, const std::map<std::string, double>& t) {
  std::printf("\nCPU time per operation in ns, beside Cairo and Qt:\n");
  // Goals: small rectangles and ellipses at most Qt's time, a full-screen
  // fill at most 1.3 times a memset of the same bytes.
  auto goalOf = [](const std::string& Name, const char* Peer) {
    const bool qt = Peer[0] == 'q';
    return qt && (Name == "fill_rect_50x20" || Name == "ellipse_60x40") ? RatioAtMost(1.0) : NoGoal();
  };
  for (const Operation& op : ops) {
    const std::string n = op.Name;
    for (const char* peer : {"cairo", "qt"})
      ReportFigure({n, TimeOf(t, n + "/ours"), "ns", peer[0] == 'c' ? "Cairo" : "Qt",
                    TimeOf(t, n + "/" + peer), goalOf(n, peer)});
  }
  ReportFigure({"fill_1920x1080", TimeOf(t, "fill_1920x1080/ours"), "ns", "memset of its bytes",
                TimeOf(t, "memset_1920x1080"), RatioAtMost(1.3)});
  PrintCoverage();
#ifndef __OPTIMIZE__
  std::printf("note: built without optimisation, so these figures say little\n");
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifdef VYR_HAVE_QT
  setenv("QT_QPA_PLATFORM", "offscreen", 1);  // before the application exists
  QGuiApplication app(argc, argv);
#endif
  benchmark::Initialize(&argc, argv);
  const std::vector<Operation> ops = Operations();
  Register(ops);
  TimesReporter collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  PrintTable(ops, collector.CpuTimes());
  benchmark::Shutdown();
  return 0;
}
