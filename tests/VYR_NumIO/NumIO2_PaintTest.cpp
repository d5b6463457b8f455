// Painting of the compound control by chosen pixels: the entry box frame in
// every style, warning and disabled colors, the buttons and arrows, the
// gauge's filled part and frame, captions, the clipped number, the caret
// blinking on virtual time and the inverted selection.
#include "NumIO2_Support.h"

namespace numio2test {
namespace {

using vyr::TFrameStyle;

constexpr TColor kOut = 0xF0F0F0;  // clBtnFace on this platform
constexpr TColor kGray = 0x808080, kWhite = 0xFFFFFF, kBlack = 0, kSilver = 0xC0C0C0;
constexpr TColor kNavy = 0x800000;

class NumIO2Paint : public NumIO2Fixture {
 protected:
  // Pixels of Color inside R.
  static int Count(TBitmap& B, TRect R, TColor Color) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) n += Px(B, x, y) == Color;
    return n;
  }
  // The first and last column in R holding Color (-1 when none).
  static std::pair<int, int> InkColumns(TBitmap& B, TRect R, TColor Color) {
    int first = -1, last = -1;
    for (int x = R.Left; x < R.Right; ++x)
      for (int y = R.Top; y < R.Bottom; ++y)
        if (Px(B, x, y) == Color) {
          if (first < 0) first = x;
          last = x;
        }
    return {first, last};
  }
  void HideCaret() {
    num->SetReadOnly(true);  // stops the blink with the caret hidden
  }
};

// The box spans x 35..117 and y 0..27 at the default size (sb = 28); the
// 3-D styles outline (35, 0)-(116, 26) and draw their outer line at row 27
// and column 117, leaving (117, 0) and (35, 27) to the background.
TEST_F(NumIO2Paint, EntryBoxFrameByStyle) {
  HideCaret();
  struct Px8 { int X, Y; };
  const Px8 at[] = {{35, 0}, {36, 1}, {36, 25}, {115, 1}, {116, 26}, {36, 27}, {117, 1}, {117, 0}, {35, 27}, {40, 12}};
  struct Case { TFrameStyle Style; TColor Expect[10]; };
  const Case cases[] = {
      {vyr::fsNoFrame, {kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kOut, kOut, kWhite, kWhite}},
      {vyr::fsSimple, {kGray, kWhite, kWhite, kWhite, kGray, kGray, kOut, kOut, kGray, kWhite}},
      {vyr::fsLowered, {kGray, kBlack, kBlack, kBlack, kGray, kWhite, kWhite, kOut, kOut, kWhite}},
      {vyr::fsRaised, {kGray, kWhite, kWhite, kWhite, kGray, kBlack, kBlack, kOut, kOut, kWhite}},
      {vyr::fsEtched, {kWhite, kGray, kGray, kGray, kWhite, kGray, kGray, kOut, kOut, kWhite}},
      {vyr::fsBump, {kGray, kWhite, kWhite, kWhite, kGray, kWhite, kWhite, kOut, kOut, kWhite}},
  };
  for (const Case& k : cases) {
    num->SetFrameStyle(k.Style);
    auto b = Shot();
    for (int i = 0; i < 10; ++i) {
      EXPECT_EQ(Px(*b, at[i].X, at[i].Y), k.Expect[i]) << "style " << int(k.Style) << " at " << at[i].X << "," << at[i].Y;
    }
    EXPECT_EQ(Px(*b, 34, 10), kOut);
    EXPECT_EQ(Px(*b, 118, 10), kOut);
  }
  num->SetFrameStyle(vyr::fsLowered);
  num->SetColorScheme(vyr::csSystem);  // lines in clBtnShadow and clBtnHighlight
  auto b = Shot();
  EXPECT_EQ(Px(*b, 35, 0), Rgb(clBtnShadow));
  EXPECT_EQ(Px(*b, 36, 27), Rgb(clBtnHighlight));
  EXPECT_EQ(Px(*b, 36, 1), kBlack);
}

TEST_F(NumIO2Paint, WarningAndDisabledColors) {
  HideCaret();
  num->SetColorBoxText(clBlue);
  num->SetRangeHigh(10);
  num->SetValue(5);
  const TRect clip = Rect(38, 2, 114, 25);
  auto in = Shot();
  EXPECT_EQ(Px(*in, 40, 3), kWhite);
  EXPECT_GT(Count(*in, clip, Rgb(clBlue)), 10);
  num->SetValue(50);
  auto out = Shot();
  EXPECT_TRUE(num->OutOfRange());
  EXPECT_EQ(Px(*out, 40, 3), Rgb(num->ColorWarnBG()));
  EXPECT_GT(Count(*out, clip, Rgb(clRed)), 10);
  EXPECT_EQ(Count(*out, clip, Rgb(clBlue)), 0);
  num->SetValue(-0.5);  // below the range too
  EXPECT_EQ(Px(*Shot(), 40, 3), Rgb(num->ColorWarnBG()));
  num->SetEnabled(false);
  auto off = Shot();
  EXPECT_EQ(Px(*off, 40, 3), kSilver);
  EXPECT_GT(Count(*off, clip, kGray), 10);
  EXPECT_EQ(Count(*off, clip, Rgb(clRed)), 0);
}

TEST_F(NumIO2Paint, ButtonsAndArrows) {
  HideCaret();
  num->SetButVisible(true);  // xb 118, 18 wide; halves of 14 rows; cx 127, q 7
  struct Case { int X, Y; TColor Color; };
  const Case cases[] = {
      {118, 10, kGray},  {136, 10, kGray},  {127, 0, kGray},   {127, 26, kGray},  {127, 13, kGray},
      {119, 10, kWhite}, {127, 1, kWhite},  {127, 14, kWhite}, {119, 20, kWhite}, {127, 27, kBlack},
      {137, 10, kBlack}, {122, 4, kSilver}, {127, 6, kBlack},  {128, 6, kBlack},  {126, 6, kSilver},
      {129, 6, kSilver}, {126, 7, kBlack},  {129, 7, kBlack},  {125, 8, kBlack},  {130, 8, kBlack},
      {124, 8, kSilver}, {131, 8, kSilver}, {127, 21, kBlack}, {126, 21, kSilver}, {126, 20, kBlack},
      {125, 19, kBlack}, {130, 19, kBlack}, {131, 19, kSilver}, {127, 22, kSilver}, {138, 10, kOut},
  };
  auto b = Shot();
  for (const Case& k : cases) EXPECT_EQ(Px(*b, k.X, k.Y), k.Color) << k.X << "," << k.Y;
  num->SetBut3D(false);
  num->SetButColor(clYellow);
  num->SetEnabled(false);
  auto flat = Shot();
  EXPECT_EQ(Px(*flat, 119, 10), Rgb(clYellow));
  EXPECT_EQ(Px(*flat, 137, 10), kOut);
  EXPECT_EQ(Px(*flat, 127, 6), kGray);
  EXPECT_EQ(Px(*flat, 125, 19), kGray);
}

// Gauge at y 31..38 (height 40), x 35..116: a sunken frame with its inner
// ring at columns 36 and 115, so the fill shows from column 37.
TEST_F(NumIO2Paint, GaugeFillEndsWhereTheValueMaps) {
  HideCaret();
  num->SetHeight(40);
  num->SetGaugeVisible(true);
  struct Case { double Value; int LastFilled; };  // 35 + round(82 f) - 1
  const Case cases[] = {{250, 54}, {500, 75}, {750, 96}, {100, 42}};
  for (const Case& k : cases) {
    num->SetValue(k.Value);
    auto b = Shot();
    EXPECT_EQ(Px(*b, k.LastFilled, 34), kNavy) << k.Value;
    EXPECT_EQ(Px(*b, k.LastFilled + 1, 34), kSilver) << k.Value;
    EXPECT_EQ(Px(*b, 37, 34), kNavy);
  }
  auto b = Shot();
  EXPECT_EQ(Px(*b, 35, 31), kGray);   // outline
  EXPECT_EQ(Px(*b, 116, 38), kGray);
  EXPECT_EQ(Px(*b, 36, 32), kBlack);  // inner ring: top/left black
  EXPECT_EQ(Px(*b, 115, 37), kWhite); //              bottom/right white
  EXPECT_EQ(Px(*b, 60, 39), kOut);
  EXPECT_EQ(Px(*b, 60, 30), kOut);
  num->SetRangeLow(7);
  num->SetRangeHigh(7);  // equal limits: full
  EXPECT_EQ(Px(*Shot(), 114, 34), kNavy);
  num->SetGaugeFrameStyle(vyr::fsSimple);
  num->SetGaugeColorFrame(clRed);
  auto simple = Shot();
  EXPECT_EQ(Px(*simple, 116, 34), Rgb(clRed));
  EXPECT_EQ(Px(*simple, 36, 33), kNavy);  // no inner ring
  num->SetGaugeFrameStyle(vyr::fsNoFrame);
  num->SetRangeLow(0);
  num->SetRangeHigh(1000);
  num->SetValue(-1);                      // empty: the background shows to the edge
  EXPECT_EQ(Px(*Shot(), 116, 31), kSilver);
  num->SetEnabled(false);
  num->SetValue(500);
  EXPECT_EQ(Px(*Shot(), 60, 34), kGray);
}

TEST_F(NumIO2Paint, CaptionsByAlignmentAndEngravedWhenDisabled) {
  HideCaret();
  num->SetColorOutText(clRed);
  num->SetLeftText(u"Len");
  num->SetRightText(u"mm");
  const int wl = TextWidthOf(u"Len"), wr = TextWidthOf(u"mm");
  const TRect left = Rect(0, 0, 35, 28), right = Rect(118, 0, 160, 28);
  struct Case { TAlignment A; int Left, Right; };  // rule x of each caption
  const Case cases[] = {{taLeftJustify, 7, 122},
                        {taRightJustify, 35 - wl - 5, 160 - wr - 6},
                        {taCenter, (35 - wl) / 2, (160 - (115 + wr)) / 2 + 116}};
  for (const Case& k : cases) {
    num->SetLeftTextAlignment(k.A);
    num->SetRightTextAlignment(k.A);
    auto b = Shot();
    auto [l0, l1] = InkColumns(*b, left, Rgb(clRed));
    auto [r0, r1] = InkColumns(*b, right, Rgb(clRed));
    EXPECT_GE(l0, k.Left) << k.A;
    EXPECT_LE(l0, k.Left + 2) << k.A;
    EXPECT_LE(l1, k.Left + wl) << k.A;
    EXPECT_GE(r0, k.Right) << k.A;
    EXPECT_LE(r0, k.Right + 2) << k.A;
    EXPECT_LE(r1, k.Right + wr) << k.A;
  }
  num->SetEnabled(false);
  auto off = Shot();
  EXPECT_EQ(Count(*off, left, Rgb(clRed)), 0);
  EXPECT_GT(Count(*off, left, kWhite), 3);
  EXPECT_GT(Count(*off, left, kGray), 3);
  // The white copy lies one pixel right of the gray one.
  EXPECT_EQ(InkColumns(*off, left, kWhite).second, InkColumns(*off, left, kGray).second + 1);
}

TEST_F(NumIO2Paint, NumberIsPlacedByAlignmentAndClippedToTheBox) {
  HideCaret();
  num->SetColorBoxText(clRed);
  num->SetText(u"88.8");
  const int w = TextWidthOf(u"88.8");
  const TRect box = Rect(35, 0, 118, 28);
  struct Case { TAlignment A; int X; };
  for (const Case& k : {Case{taLeftJustify, 39}, Case{taRightJustify, 115 - w - 2}, Case{taCenter, 35 + (80 - w) / 2 + 2}}) {
    num->SetAlignment(k.A);
    auto [x0, x1] = InkColumns(*Shot(), box, Rgb(clRed));
    EXPECT_GE(x0, k.X) << k.A;
    EXPECT_LE(x0, k.X + 2) << k.A;
    EXPECT_LT(x1, k.X + w) << k.A;
  }
  // The rows: every text is placed at (28 - th) div 2 for the tall sample.
  const int ty = (28 - TextHeightOf(u"(8g]}\u00DC\u00C4\u00A7")) / 2;
  auto b = Shot();
  EXPECT_EQ(Count(*b, Rect(35, 0, 118, ty), Rgb(clRed)), 0);
  EXPECT_GT(Count(*b, Rect(35, ty, 118, 28), Rgb(clRed)), 10);
  // A number longer than the box stays inside columns 38..113, rows 2..24.
  num->SetAlignment(taLeftJustify);
  num->SetText(u"88888888888888888888.8");
  auto longer = Shot();
  EXPECT_GT(Count(*longer, Rect(38, 2, 114, 25), Rgb(clRed)), 10);
  EXPECT_EQ(Count(*longer, Rect(114, 0, 160, 28), Rgb(clRed)), 0);
  EXPECT_EQ(Count(*longer, Rect(0, 25, 160, 28), Rgb(clRed)), 0);
}

// The caret of an empty, centred box stands at 35 + 41 = 76, rows 3..24.
TEST_F(NumIO2Paint, CaretBlinksWhileFocused) {
  num->SetFocus();
  auto on = Shot();
  EXPECT_TRUE(num->CaretVisible());
  EXPECT_EQ(Px(*on, 76, 3), kBlack);
  EXPECT_EQ(Px(*on, 76, 24), kBlack);
  EXPECT_EQ(Px(*on, 76, 25), kWhite);
  EXPECT_EQ(Px(*on, 76, 2), kWhite);
  EXPECT_EQ(Px(*on, 75, 10), kWhite);
  headless::Advance(500);
  EXPECT_FALSE(num->CaretVisible());
  EXPECT_EQ(Px(*Shot(), 76, 10), kWhite);
  headless::Advance(500);
  EXPECT_EQ(Px(*Shot(), 76, 10), kBlack);
  // Typing shows the caret at once, after the character typed.
  headless::Advance(500);
  headless::Type(num, u"8");
  const int x = 35 + TextWidthOf(u"8") + (80 - TextWidthOf(u"8")) / 2 + 1;
  EXPECT_EQ(Px(*Shot(), x, 3), kBlack);
  // Without the focus the caret goes and the timer stops.
  auto* other = new TEdit(form.get());
  other->SetParent(form.get());
  other->SetTop(100);
  other->SetFocus();
  headless::Advance(5000);
  EXPECT_FALSE(num->CaretVisible());
  EXPECT_EQ(Px(*Shot(), x, 3), kWhite);
}

TEST_F(NumIO2Paint, SelectionIsInvertedWhileFocusedOrShownAlways) {
  num->SetAlignment(taLeftJustify);
  num->SetRangeHigh(1e6);
  num->SetText(u"12345");
  num->SetSelBegin(1);
  num->SetSelEnd(3);
  const int x1 = 39 + TextWidthOf(u"1"), x2 = 39 + TextWidthOf(u"123");
  auto hidden = Shot();  // not focused, HideSelection
  EXPECT_EQ(Px(*hidden, x1, 3), kWhite);
  num->SetFocus();
  auto shown = Shot();
  EXPECT_EQ(Px(*shown, x1, 3), kBlack);  // inverted white
  EXPECT_EQ(Px(*shown, x1, 24), kBlack);
  EXPECT_EQ(Px(*shown, x1, 25), kWhite);
  EXPECT_EQ(Px(*shown, x1 - 1, 3), kWhite);
  EXPECT_EQ(Px(*shown, x2, 3), kWhite);
  EXPECT_EQ(Px(*shown, x2 - 2, 3), kBlack);
  auto* other = new TEdit(form.get());
  other->SetParent(form.get());
  other->SetTop(100);
  other->SetFocus();
  EXPECT_EQ(Px(*Shot(), x1, 3), kWhite);
  num->SetHideSelection(false);
  EXPECT_EQ(Px(*Shot(), x1, 3), kBlack);
}

TEST_F(NumIO2Paint, AutoSizeFollowsTheFont) {
  num->SetAutoSize(true);
  EXPECT_EQ(num->Height(), std::max(TextHeightOf(u"E0") + 6, 18));
  num->Font()->SetSize(20);
  EXPECT_EQ(num->Height(), TextHeightOf(u"E0") + 6);
  EXPECT_GT(num->Height(), 30);
}

}  // namespace
}  // namespace numio2test
