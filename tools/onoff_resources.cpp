// Draws the pictures of the on/off button styles with the framework's
// canvas and saves them as the named bitmaps of resources/:
//
//   onoff_resources [FOLDER]      (FOLDER defaults to "resources")
//
// Each bitmap holds the four pictures of one style in a 2 × 2 grid:
// top-left on/enabled, top-right off/enabled, bottom-left on/disabled,
// bottom-right off/disabled. Pixels of 0xEBBEEB are see-through. The
// enabled pictures are drawn here; the disabled ones are the same pictures
// in light grays, so they always match. The check box and radio button
// pictures (CHECKBOX, RADIOBUT) are not made here: other controls draw
// from them as they are.
//
// The drawing only uses integer canvas operations (no text), so the output
// is the same on every machine.
#include <cmath>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "platform/Types.h"

using namespace vcl;

namespace {

constexpr TColor SeeThrough = 0xEBBEEB;

// ---------------------------------------------------------------- drawing helpers

void Pen(TCanvas& C, TColor Color, int Width = 1) {
  C.Pen()->SetStyle(psSolid);
  C.Pen()->SetColor(Color);
  C.Pen()->SetWidth(Width);
}
void NoPen(TCanvas& C) { C.Pen()->SetStyle(psClear); }
void Brush(TCanvas& C, TColor Color) {
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color);
}
void NoBrush(TCanvas& C) { C.Brush()->SetStyle(bsClear); }
void Fill(TCanvas& C, int L, int T, int R, int B, TColor Color) {
  Brush(C, Color);
  C.FillRect(Rect(L, T, R, B));
}
void Line(TCanvas& C, int X1, int Y1, int X2, int Y2) {
  C.MoveTo(X1, Y1);
  C.LineTo(X2, Y2);
  C.SetPixels(X2, Y2, C.Pen()->Color());  // end point included
}
// One-pixel bevel ring inside (L, T, R, B): Light top and left, Dark bottom and right.
void Bevel(TCanvas& C, int L, int T, int R, int B, TColor Light, TColor Dark) {
  Pen(C, Light);
  C.MoveTo(L, B - 1);
  C.LineTo(L, T);
  C.LineTo(R - 1, T);
  Pen(C, Dark);
  C.LineTo(R - 1, B - 1);
  C.LineTo(L, B - 1);
}
// A disc with an outline.
void Disc(TCanvas& C, int L, int T, int R, int B, TColor Fill, TColor Outline) {
  Pen(C, Outline);
  Brush(C, Fill);
  C.Ellipse(L, T, R, B);
}
// A disc without outline.
void Spot(TCanvas& C, int L, int T, int R, int B, TColor Fill) {
  NoPen(C);
  Brush(C, Fill);
  C.Ellipse(L, T, R + 1, B + 1);
}
void Shape(TCanvas& C, const std::vector<TPoint>& Points, TColor Fill, TColor Outline) {
  Pen(C, Outline);
  Brush(C, Fill);
  C.Polygon(std::span(Points.data(), Points.size()));
}

// ---------------------------------------------------------------- the styles

// A round LED with a light spot.
void DrawLed(TCanvas& C, bool On) {
  Disc(C, 0, 0, 14, 14, On ? RGB(0, 190, 0) : RGB(200, 0, 0), RGB(64, 64, 64));
  Spot(C, 3, 3, 8, 8, On ? RGB(120, 255, 120) : RGB(255, 120, 120));
  C.SetPixels(4, 4, clWhite);
  C.SetPixels(5, 4, clWhite);
  C.SetPixels(4, 5, clWhite);
}

// An LED set in a beveled ring.
void DrawBeveledLed(TCanvas& C, bool On) {
  Disc(C, 0, 0, 17, 17, RGB(176, 176, 176), RGB(176, 176, 176));
  Pen(C, clWhite);
  C.Arc(0, 0, 17, 17, 17, 0, 0, 17);
  Pen(C, RGB(96, 96, 96));
  C.Arc(0, 0, 17, 17, 0, 17, 17, 0);
  Disc(C, 3, 3, 14, 14, On ? RGB(40, 230, 40) : RGB(0, 90, 0), RGB(48, 48, 48));
  Spot(C, 5, 5, 8, 8, On ? RGB(200, 255, 200) : RGB(40, 130, 40));
}

// A face that smiles (on) or frowns (off).
void DrawSmiley(TCanvas& C, TColor Face, bool On) {
  Disc(C, 0, 0, 18, 18, Face, RGB(32, 32, 32));
  Fill(C, 5, 5, 7, 8, RGB(32, 32, 32));
  Fill(C, 11, 5, 13, 8, RGB(32, 32, 32));
  Pen(C, RGB(32, 32, 32));
  if (On) {
    C.Polyline({Point(4, 10), Point(6, 13), Point(11, 13), Point(13, 10)});
    C.SetPixels(13, 10, RGB(32, 32, 32));
  } else {
    C.Polyline({Point(4, 14), Point(6, 12), Point(11, 12), Point(13, 14)});
    C.SetPixels(13, 14, RGB(32, 32, 32));
  }
}

// A raised knob with three grip lines across its long side.
void Knob(TCanvas& C, int L, int T, int R, int B) {
  Fill(C, L, T, R, B, RGB(212, 208, 200));
  Bevel(C, L, T, R, B, clWhite, RGB(64, 64, 64));
  Bevel(C, L + 1, T + 1, R - 1, B - 1, RGB(236, 236, 236), RGB(128, 128, 128));
  Pen(C, RGB(128, 128, 128));
  if (R - L < B - T) {
    int y = (T + B) / 2;
    for (int dy : {-3, 0, 3}) Line(C, L + 3, y + dy, R - 4, y + dy);
  } else {
    int x = (L + R) / 2;
    for (int dx : {-3, 0, 3}) Line(C, x + dx, T + 3, x + dx, B - 4);
  }
}

// A slide switch in a gray case: the knob right (on) or left (off).
void DrawSlideLR(TCanvas& C, bool On) {
  Fill(C, 0, 0, 30, 18, RGB(192, 192, 192));
  Bevel(C, 0, 0, 30, 18, clWhite, RGB(64, 64, 64));
  Fill(C, 3, 7, 27, 11, RGB(48, 48, 48));
  Bevel(C, 3, 7, 27, 11, RGB(96, 96, 96), RGB(240, 240, 240));
  int left = On ? 15 : 3;
  Knob(C, left, 2, left + 12, 16);
}

// The same standing upright: the knob up (on) or down (off).
void DrawSlideTB(TCanvas& C, bool On) {
  Fill(C, 0, 0, 18, 30, RGB(192, 192, 192));
  Bevel(C, 0, 0, 18, 30, clWhite, RGB(64, 64, 64));
  Fill(C, 7, 3, 11, 27, RGB(48, 48, 48));
  Bevel(C, 7, 3, 11, 27, RGB(96, 96, 96), RGB(240, 240, 240));
  int top = On ? 3 : 15;
  Knob(C, 2, top, 16, top + 12);
}

// A colored toggle: a green track with the knob right and an "I" (on), or
// a red track with the knob left and an "O" (off).
void DrawColSlideLR(TCanvas& C, bool On) {
  Pen(C, RGB(64, 64, 64));
  Brush(C, On ? RGB(40, 170, 60) : RGB(200, 50, 50));
  C.RoundRect(0, 0, 30, 18, 17, 17);
  Pen(C, clWhite, 2);
  if (On) {
    Line(C, 8, 5, 8, 12);
  } else {
    NoBrush(C);
    Pen(C, clWhite);
    C.Ellipse(18, 5, 26, 13);
  }
  Disc(C, On ? 14 : 2, 2, On ? 28 : 16, 16, RGB(248, 248, 248), RGB(112, 112, 112));
}

// The same upright: knob up and "I" below (on), knob down and "O" above (off).
void DrawColSlideTB(TCanvas& C, bool On) {
  Pen(C, RGB(64, 64, 64));
  Brush(C, On ? RGB(40, 170, 60) : RGB(200, 50, 50));
  C.RoundRect(0, 0, 18, 30, 17, 17);
  if (On) {
    Pen(C, clWhite, 2);
    Line(C, 8, 18, 8, 25);
  } else {
    NoBrush(C);
    Pen(C, clWhite);
    C.Ellipse(5, 4, 13, 12);
  }
  Disc(C, 2, On ? 2 : 14, 16, On ? 16 : 28, RGB(248, 248, 248), RGB(112, 112, 112));
}

// A block arrow in a 25 × 25 cell pointing up, turned by Quarter turns clockwise.
void Arrow(TCanvas& C, int Quarter, TColor Fill, TColor Outline) {
  std::vector<TPoint> p{Point(12, 1), Point(23, 12), Point(16, 12), Point(16, 23),
                        Point(8, 23), Point(8, 12),  Point(1, 12)};
  for (int q = 0; q < Quarter; ++q) {
    for (TPoint& pt : p) pt = Point(24 - pt.Y, pt.X);
  }
  Shape(C, p, Fill, Outline);
}
constexpr TColor ArrowOn = RGB(0, 160, 0), ArrowOnLine = RGB(0, 80, 0);
constexpr TColor ArrowOff = RGB(210, 30, 30), ArrowOffLine = RGB(110, 0, 0);

// Up (on) or right (off).
void DrawArrowTR(TCanvas& C, bool On) {
  if (On)
    Arrow(C, 0, ArrowOn, ArrowOnLine);
  else
    Arrow(C, 1, ArrowOff, ArrowOffLine);
}
// Up (on) or down (off).
void DrawArrowUD(TCanvas& C, bool On) {
  if (On)
    Arrow(C, 0, ArrowOn, ArrowOnLine);
  else
    Arrow(C, 2, ArrowOff, ArrowOffLine);
}
// Left (on) or right (off).
void DrawArrowLR(TCanvas& C, bool On) {
  if (On)
    Arrow(C, 3, ArrowOn, ArrowOnLine);
  else
    Arrow(C, 1, ArrowOff, ArrowOffLine);
}

// A pedestrian light: a standing figure in the red lamp on top, a walking
// one in the green lamp below; green lit (on) or red lit (off).
void DrawTrafficLight(TCanvas& C, bool On) {
  Pen(C, clBlack);
  Brush(C, RGB(48, 48, 48));
  C.RoundRect(7, 0, 24, 31, 6, 6);
  Disc(C, 10, 2, 21, 13, On ? RGB(80, 20, 20) : RGB(255, 40, 40), clBlack);
  Disc(C, 10, 17, 21, 28, On ? RGB(40, 230, 70) : RGB(20, 70, 30), clBlack);
  TColor figure = RGB(24, 24, 24);
  Pen(C, figure);
  // Standing: head, body, arms down, legs together.
  Fill(C, 15, 4, 16, 5, figure);
  Line(C, 14, 6, 16, 6);
  Line(C, 15, 6, 15, 9);
  Line(C, 14, 10, 14, 11);
  Line(C, 16, 10, 16, 11);
  // Walking: head, leaning body, legs apart.
  Fill(C, 15, 19, 16, 20, figure);
  Line(C, 15, 21, 15, 24);
  Line(C, 13, 22, 17, 22);
  Line(C, 14, 25, 13, 26);
  Line(C, 16, 25, 17, 26);
}

// A light bulb: a lit yellow glass with a glowing filament (on), or a gray
// one with a dark filament (off), on a screw base.
void DrawBulb(TCanvas& C, bool On) {
  TColor glass = On ? RGB(255, 240, 120) : RGB(224, 224, 224);
  TColor edge = On ? RGB(200, 150, 0) : RGB(140, 140, 140);
  Disc(C, 3, 0, 36, 33, glass, edge);
  Shape(C, {Point(11, 27), Point(27, 27), Point(25, 35), Point(13, 35)}, glass, edge);
  NoPen(C);
  Brush(C, glass);
  C.Ellipse(5, 2, 34, 31);  // covers the neck's top edge inside the glass
  Fill(C, 13, 35, 26, 45, RGB(168, 168, 168));
  Pen(C, RGB(96, 96, 96));
  for (int y : {37, 40, 43}) Line(C, 13, y, 25, y);
  Shape(C, {Point(16, 45), Point(22, 45), Point(21, 48), Point(17, 48)}, RGB(64, 64, 64),
        RGB(64, 64, 64));
  Pen(C, On ? RGB(255, 110, 0) : RGB(90, 90, 90));
  C.Polyline({Point(15, 34), Point(14, 21), Point(16, 16), Point(18, 21), Point(20, 16),
              Point(22, 21), Point(24, 16), Point(25, 21), Point(24, 34)});
  if (On) {
    Pen(C, clWhite, 2);
    C.Arc(8, 4, 31, 27, 8, 10, 16, 4);
  }
}

// A push button with a lamp: pressed in with the lamp lit (on), or raised
// with the lamp dark (off); lines beside the lamp stand for its label.
void DrawButtonLamp(TCanvas& C, bool On) {
  Fill(C, 0, 0, 49, 24, RGB(212, 208, 200));
  if (On) {
    Bevel(C, 0, 0, 49, 24, RGB(64, 64, 64), clWhite);
    Bevel(C, 1, 1, 48, 23, RGB(128, 128, 128), RGB(236, 236, 236));
  } else {
    Bevel(C, 0, 0, 49, 24, clWhite, RGB(64, 64, 64));
    Bevel(C, 1, 1, 48, 23, RGB(236, 236, 236), RGB(128, 128, 128));
  }
  int d = On ? 1 : 0;  // a pressed button's face moves by a pixel
  Disc(C, 5 + d, 5 + d, 19 + d, 19 + d, On ? RGB(255, 60, 30) : RGB(110, 30, 20), RGB(64, 0, 0));
  Spot(C, 8 + d, 8 + d, 11 + d, 11 + d, On ? RGB(255, 200, 170) : RGB(150, 60, 50));
  Pen(C, RGB(112, 112, 112));
  for (int y : {8, 12, 16}) Line(C, 24 + d, y + d, 42 + d, y + d);
}

// A direction indicator: a dark plate with an arrow head and a bar, amber
// when lit (on), dim (off); the head points left or right.
void DrawIndicator(TCanvas& C, bool On, bool Left) {
  Pen(C, clBlack);
  Brush(C, RGB(72, 72, 72));
  C.RoundRect(0, 0, 48, 16, 8, 8);
  TColor lamp = On ? RGB(255, 180, 0) : RGB(120, 96, 40);
  TColor line = On ? RGB(190, 110, 0) : RGB(80, 64, 24);
  std::vector<TPoint> head{Point(3, 8), Point(13, 2), Point(13, 14)};
  std::vector<TPoint> bar{Point(15, 6), Point(44, 6), Point(44, 10), Point(15, 10)};
  if (!Left) {
    for (TPoint& p : head) p.X = 47 - p.X;
    for (TPoint& p : bar) p.X = 47 - p.X;
  }
  Shape(C, head, lamp, line);
  Shape(C, bar, lamp, line);
}

// USER1: the power symbol on a round button, green (on) or gray (off).
void DrawPower(TCanvas& C, bool On) {
  Disc(C, 0, 0, 24, 24, On ? RGB(220, 250, 220) : RGB(236, 236, 236), RGB(128, 128, 128));
  TColor sign = On ? RGB(0, 150, 0) : RGB(128, 128, 128);
  Pen(C, sign, 2);
  C.Arc(5, 5, 19, 19, 9, 5, 15, 5);
  Line(C, 11, 3, 11, 11);
}

// USER2: a padlock, closed (on) or open (off).
void DrawPadlock(TCanvas& C, bool On) {
  TColor steel = RGB(112, 112, 112);
  Pen(C, steel, 2);
  if (On) {
    C.Arc(7, 2, 18, 15, 18, 8, 7, 8);
    Line(C, 7, 8, 7, 11);
    Line(C, 16, 8, 16, 11);
  } else {
    C.Arc(12, 0, 23, 13, 23, 6, 12, 6);
    Line(C, 21, 6, 21, 11);
  }
  Pen(C, RGB(128, 80, 0));
  Brush(C, RGB(230, 176, 40));
  C.Rectangle(4, 11, 20, 23);
  Fill(C, 11, 14, 13, 19, RGB(48, 32, 0));
}

// USER3: a loudspeaker with sound waves (on) or crossed out (off).
void DrawSpeaker(TCanvas& C, bool On) {
  Shape(C, {Point(2, 9), Point(7, 9), Point(12, 4), Point(12, 20), Point(7, 15), Point(2, 15)},
        RGB(64, 64, 64), RGB(32, 32, 32));
  if (On) {
    Pen(C, RGB(0, 90, 210), 2);
    C.Arc(9, 8, 18, 17, 13, 17, 13, 8);
    C.Arc(8, 4, 23, 21, 15, 21, 15, 4);
  } else {
    Pen(C, RGB(210, 30, 30), 2);
    Line(C, 15, 9, 21, 15);
    Line(C, 21, 9, 15, 15);
  }
}

// The points of a five-pointed star around (12, 12).
std::vector<TPoint> StarPoints() {
  std::vector<TPoint> p;
  for (int i = 0; i < 10; ++i) {
    double r = i % 2 == 0 ? 11.5 : 4.8;
    double a = -M_PI / 2 + i * M_PI / 5;
    p.push_back(Point(static_cast<int>(std::lround(12 + r * std::cos(a))),
                      static_cast<int>(std::lround(12.5 + r * std::sin(a)))));
  }
  return p;
}

// USER4: a star, filled gold (on) or only outlined (off).
void DrawStar(TCanvas& C, bool On) {
  Pen(C, On ? RGB(180, 110, 0) : RGB(128, 128, 128));
  if (On)
    Brush(C, RGB(255, 200, 0));
  else
    NoBrush(C);
  std::vector<TPoint> p = StarPoints();
  C.Polygon(std::span(p.data(), p.size()));
}

// A heart of two overlapping discs over a triangle; Inner draws the smaller
// heart inside it (the fill of an outlined heart).
void Heart(TCanvas& C, bool Inner, TColor Color) {
  NoPen(C);
  Brush(C, Color);
  if (Inner) {
    C.Ellipse(3, 5, 13, 14);
    C.Ellipse(11, 5, 21, 14);
    C.Polygon({Point(4, 11), Point(20, 11), Point(12, 20)});
  } else {
    C.Ellipse(1, 3, 14, 16);
    C.Ellipse(10, 3, 23, 16);
    C.Polygon({Point(2, 12), Point(22, 12), Point(12, 23)});
  }
}

// USER5: a heart, filled red (on) or only outlined (off).
void DrawHeart(TCanvas& C, bool On) {
  Heart(C, false, On ? RGB(150, 0, 20) : RGB(128, 128, 128));
  Heart(C, true, On ? RGB(225, 30, 50) : SeeThrough);
  if (On) Spot(C, 5, 7, 7, 9, RGB(255, 170, 180));
}

// ---------------------------------------------------------------- the bitmaps

struct TStyle {
  const char* Name;
  int Width;   // of the whole bitmap: two pictures side by side
  int Height;  // two pictures one above the other
  std::function<void(TCanvas&, bool On)> Draw;
};

const std::vector<TStyle>& Styles() {
  static const std::vector<TStyle> styles{
      {"SLIDETOPBOT", 36, 60, DrawSlideTB},
      {"SLIDELFTRGT", 60, 36, DrawSlideLR},
      {"COLSLIDETB", 36, 60, DrawColSlideTB},
      {"COLSLIDELR", 60, 36, DrawColSlideLR},
      {"LEDREDGREEN", 28, 28, DrawLed},
      {"ARROWTR", 50, 50, DrawArrowTR},
      {"ARROWUD", 50, 50, DrawArrowUD},
      {"ARROWLR", 50, 50, DrawArrowLR},
      {"TRAFFICLGT", 62, 62, DrawTrafficLight},
      {"BEVELEDLED", 34, 34, DrawBeveledLed},
      {"SMILEYS", 36, 36, [](TCanvas& C, bool On) { DrawSmiley(C, RGB(255, 220, 0), On); }},
      {"SMILEYRG", 36, 36,
       [](TCanvas& C, bool On) { DrawSmiley(C, On ? RGB(60, 200, 60) : RGB(230, 60, 50), On); }},
      {"BULB", 78, 98, DrawBulb},
      {"BUTLAMP", 98, 48, DrawButtonLamp},
      {"HDLEFT", 96, 32, [](TCanvas& C, bool On) { DrawIndicator(C, On, true); }},
      {"HDRIGHT", 96, 32, [](TCanvas& C, bool On) { DrawIndicator(C, On, false); }},
      {"USER1", 48, 48, DrawPower},
      {"USER2", 48, 48, DrawPadlock},
      {"USER3", 48, 48, DrawSpeaker},
      {"USER4", 48, 48, DrawStar},
      {"USER5", 48, 48, DrawHeart},
  };
  return styles;
}

// Draws one picture into the cell at (X, Y) of W × H pixels.
void DrawCell(TBitmap& B, int X, int Y, int W, int H, const TStyle& S, bool On) {
  TCanvas& c = *B.Canvas();
  c.SetOrigin(Point(X, Y));
  c.SetDeviceClip(Rect(X, Y, X + W, Y + H));
  S.Draw(c, On);
  c.SetOrigin(Point(0, 0));
  c.SetDeviceClip(Rect(0, 0, B.Width(), B.Height()));
}

// The disabled look of a pixel: its brightness as a light gray; see-through
// pixels stay see-through (a gray never equals the see-through color).
TColor Disabled(TColor Color) {
  if (Color == SeeThrough) return SeeThrough;
  int gray = (GetRValue(Color) * 299 + GetGValue(Color) * 587 + GetBValue(Color) * 114) / 1000;
  auto v = static_cast<std::uint8_t>(128 + gray / 2);
  return RGB(v, v, v);
}

std::unique_ptr<TBitmap> MakeStyle(const TStyle& S) {
  const int w = S.Width / 2, h = S.Height / 2;
  auto bitmap = std::make_unique<TBitmap>(S.Width, S.Height);
  TBitmap& b = *bitmap;
  b.SetPixelFormat(pf24bit);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetColor(SeeThrough);
  c.FillRect(Rect(0, 0, S.Width, S.Height));
  DrawCell(b, 0, 0, w, h, S, true);
  DrawCell(b, w, 0, w, h, S, false);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < 2 * w; ++x) c.SetPixels(x, y + h, Disabled(c.Pixels(x, y)));
  }
  return bitmap;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: onoff_resources [FOLDER]\n");
    return 2;
  }
  const std::string folder = argc == 2 ? argv[1] : "resources";
  try {
    for (const TStyle& s : Styles()) {
      MakeStyle(s)->SaveToFile(FromUTF8(folder + "/" + s.Name + ".bmp"));
      std::printf("%s/%s.bmp  %d x %d\n", folder.c_str(), s.Name, s.Width, s.Height);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "onoff_resources: %s\n", e.what());
    return 1;
  }
  return 0;
}
