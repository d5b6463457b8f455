// The numeric label on a form: zones and alignment of captions and value by
// pixels, frame, empty and overflowing values, the engraved disabled look,
// transparency, OnBeforeDisplay, setter rules, mouse zones, Assign and form
// files.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "VYR_NumLab/VYR_NumLab.h"
#include "platform/Forms.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

namespace {

using namespace vcl;
using namespace vyr;

constexpr TRect NoInk(1 << 20, 1 << 20, -1, -1);

// The box of the pixels of color Ink in columns X0 .. X1 - 1 and rows
// Y0 .. Y1 - 1 (all rows by default).
TRect InkBox(TBitmap& B, TColor Ink, int X0, int X1, int Y0 = 0, int Y1 = 1 << 20) {
  TRect box = NoInk;
  for (int y = std::max(Y0, 0); y < std::min(Y1, B.Height()); ++y) {
    for (int x = std::max(X0, 0); x < std::min(X1, B.Width()); ++x) {
      if (B.Canvas()->Pixels(x, y) != Ink) continue;
      box.Left = std::min(box.Left, x);
      box.Top = std::min(box.Top, y);
      box.Right = std::max(box.Right, x + 1);
      box.Bottom = std::max(box.Bottom, y + 1);
    }
  }
  return box;
}

class NumLabOnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 400, 200);
    lab = new TNumLab(form.get());
    lab->SetParent(form.get());
    lab->SetLeft(10);
    lab->SetTop(10);
    lab->SetName(u"Num1");
    form->HandleNeeded();
  }
  void TearDown() override { form.reset(); }

  std::unique_ptr<TBitmap> Shot() { return headless::Snapshot(lab); }
  // The ink box of Text drawn in black at (X, Y) with the label's font.
  TRect Reference(const String& Text, int X, int Y) {
    TBitmap b(600, 80);
    b.Canvas()->Font()->Assign(lab->Font());
    b.Canvas()->Font()->SetColor(clBlack);
    b.Canvas()->Brush()->SetStyle(bsClear);
    b.Canvas()->TextOut(100, 10, Text);
    TRect r = InkBox(b, clBlack, 0, 600);
    r.Offset(X - 100, Y - 10);
    return r;
  }
  int TextWidth(const String& Text) {
    TBitmap b(1, 1);
    b.Canvas()->Font()->Assign(lab->Font());
    return b.Canvas()->TextWidth(Text);
  }
  int LineY() {
    TBitmap b(1, 1);
    b.Canvas()->Font()->Assign(lab->Font());
    return (lab->Height() - b.Canvas()->TextHeight(u"(8g]}ÜÄ§")) / 2;
  }

  std::unique_ptr<TForm> form;
  TNumLab* lab = nullptr;
};

// Each text starts where its zone's alignment rule puts it, on one line.
TEST_F(NumLabOnForm, CaptionsAndValueLieWhereTheirAlignmentPutsThem) {
  lab->SetLeftSpace(50);
  lab->SetLabelWidth(70);
  lab->SetLeftText(u"Uab");
  lab->SetRightText(u"kg");
  lab->SetValue(1.5);
  lab->SetColorOutText(clBlue);
  lab->SetColorLabText(clRed);
  const int W = 160, ls = 50, lw = 70, r0 = ls + lw, y = LineY();
  const int tl = TextWidth(u"Uab"), tr = TextWidth(u"kg"), tv = TextWidth(u"1.50");
  struct Case {
    TAlignment A;
    int Left, Right, Value;
  };
  const Case cases[] = {
      {taLeftJustify, 7, r0 + 7, ls + 4},
      {taRightJustify, ls - tl - 5, W - tr - 6, ls + lw - tv - 2},
      {taCenter, (ls - tl) / 2, (W - (r0 + tr)) / 2 + r0 + 1, ls + (lw - tv) / 2 + 2},
  };
  for (const Case& c : cases) {
    lab->SetLeftTextAlignment(c.A);
    lab->SetRightTextAlignment(c.A);
    lab->SetAlignment(c.A);
    auto shot = Shot();
    SCOPED_TRACE(int(c.A));
    EXPECT_EQ(InkBox(*shot, clBlue, 0, ls + 1), Reference(u"Uab", c.Left, y));
    EXPECT_EQ(InkBox(*shot, clBlue, r0 + 1, W), Reference(u"kg", c.Right, y));
    EXPECT_EQ(InkBox(*shot, clRed, 0, W), Reference(u"1.50", c.Value, y));
  }
}

TEST_F(NumLabOnForm, TheLabelZoneIsFramedAndFilledInsideItsBounds) {
  lab->SetColorLabBakG(clYellow);
  lab->SetColorOutBakG(clTeal);
  lab->SetEmpty(true);
  auto shot = Shot();
  auto px = [&](int x, int y) { return shot->Canvas()->Pixels(x, y); };
  const int ls = 35, right = 35 + 80, bottom = 28 - 2;
  EXPECT_EQ(px(ls, 10), clTeal);            // the left zone's last column
  EXPECT_EQ(px(ls + 1, 10), clGray);        // sunken: outer ring, left
  EXPECT_EQ(px(ls + 2, 10), clBlack);       // inner ring, left
  EXPECT_EQ(px(ls + 10, 0), clGray);        // outer ring, top
  EXPECT_EQ(px(right, 10), clWhite);        // outer ring, right
  EXPECT_EQ(px(right - 1, 10), clSilver);   // inner ring, right
  EXPECT_EQ(px(ls + 10, bottom), clWhite);  // outer ring, bottom
  EXPECT_EQ(px(right + 1, 10), clTeal);
  EXPECT_EQ(px(ls + 10, bottom + 1), clTeal);
  for (int x = ls + 3; x < right - 1; x += 5) EXPECT_EQ(px(x, 13), clYellow) << x;  // blank
  lab->SetFrameStyle(fsNoFrame);
  shot = Shot();
  EXPECT_EQ(px(ls + 1, 10), clYellow);
  EXPECT_EQ(px(right, 0), clYellow);
}

TEST_F(NumLabOnForm, AValueTooWideShowsTheIndicatorButAStateNeverDoes) {
  lab->SetLabelWidth(40);
  lab->SetValue(123456789.0);
  std::vector<String> seen;
  lab->SetOnBeforeDisplay([&](TObject* s, String& t) {
    EXPECT_EQ(s, lab);
    seen.push_back(t);
  });
  auto shot = Shot();
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), u"123456789.00");
  const int y = LineY(), w = TextWidth(u"*********");
  // The indicator is wider than the zone itself here: it is cut at the
  // text rectangle (x 38 .. 73).
  TRect stars = Reference(u"*********", 35 + (40 - w) / 2 + 2, y);
  stars.Left = std::max(stars.Left, 38);
  stars.Right = std::min(stars.Right, 74);
  EXPECT_EQ(InkBox(*shot, clBlack, 38, 74, 2, 25), stars);
  lab->SetOverflowIndicator(u"#");
  shot = Shot();
  EXPECT_EQ(InkBox(*shot, clBlack, 38, 74, 2, 25), Reference(u"#", 35 + (40 - TextWidth(u"#")) / 2 + 2, y));
  lab->SetStateText(u"a state far too long for the zone");
  lab->SetDisplayType(dtState);
  shot = Shot();
  EXPECT_EQ(seen.back(), u"a state far too long for the zone");
  EXPECT_NE(InkBox(*shot, clBlack, 38, 74, 2, 25), Reference(u"#", 35 + (40 - TextWidth(u"#")) / 2 + 2, y));
  EXPECT_NE(InkBox(*shot, clBlack, 38, 74, 2, 25), NoInk);
}

TEST_F(NumLabOnForm, OnBeforeDisplayMayReplaceTheTextOfEveryType) {
  lab->SetOnBeforeDisplay([](TObject*, String& t) { t = u"<" + t + u">"; });
  lab->SetValue(255);
  for (TDisplay t : {dtFixP, dtHex, dtState, dtDateTime, dtEEng}) {
    lab->SetDisplayType(t);
    String shown = u"<" + lab->ValueText() + u">";
    if (TextWidth(shown) > 80 - 6) continue;
    auto shot = Shot();
    EXPECT_EQ(InkBox(*shot, clBlack, 38, 114, 2, 25),
              Reference(shown, 35 + (80 - TextWidth(shown)) / 2 + 2, LineY()))
        << ToUTF8(shown);
  }
}

TEST_F(NumLabOnForm, ADisabledLabelEngravesItsCaptionsAndGraysItsValue) {
  lab->SetLeftText(u"U");
  lab->SetRightText(u"V");
  lab->SetEnabled(false);
  EXPECT_FALSE(lab->Enabled());
  auto shot = Shot();
  const int y = LineY();
  const int xl = 35 - TextWidth(u"U") - 5, xr = 115 + 7;
  for (auto [text, x, x0, x1] : {std::tuple{u"U", xl, 0, 36}, std::tuple{u"V", xr, 116, 160}}) {
    TRect gray = InkBox(*shot, ColorToRGB(clBtnShadow), x0, x1);
    TRect white = InkBox(*shot, ColorToRGB(clBtnHighlight), x0, x1);
    EXPECT_EQ(gray, Reference(text, x, y));
    // The white copy lies one pixel right and down, under the gray one.
    EXPECT_EQ(white.Right, gray.Right + 1);
    EXPECT_EQ(white.Bottom, gray.Bottom + 1);
  }
  EXPECT_EQ(InkBox(*shot, ColorToRGB(clBtnShadow), 38, 114, 2, 25),
            Reference(u"0.00", 35 + (80 - TextWidth(u"0.00")) / 2 + 2, y));
  EXPECT_EQ(InkBox(*shot, clBlack, 38, 114, 2, 25).Right, -1);
  lab->SetEnabled(true);
  EXPECT_EQ(InkBox(*Shot(), ColorToRGB(clBtnShadow), 0, 36).Right, -1);
}

TEST_F(NumLabOnForm, ATransparentLabelShowsTheParentOutsideItsLabelZone) {
  form->SetColor(clAqua);
  lab->SetLeftText(u"L");
  lab->SetTransparent(true);
  auto shot = Shot();
  EXPECT_EQ(shot->Canvas()->Pixels(2, 2), clAqua);
  EXPECT_EQ(shot->Canvas()->Pixels(150, 20), clAqua);
  EXPECT_EQ(shot->Canvas()->Pixels(40, 5), ColorToRGB(clBtnFace));  // the label zone
  EXPECT_NE(InkBox(*shot, clBlack, 0, 36), NoInk);                     // the caption
  lab->SetColorLabText(clRed);
  lab->SetValue(7);
  shot = Shot();
  EXPECT_EQ(InkBox(*shot, clRed, 38, 114, 2, 25), Reference(u"7.00", 35 + (80 - TextWidth(u"7.00")) / 2 + 2, LineY()));
  EXPECT_EQ(shot->Canvas()->Pixels(40, 5), ColorToRGB(clBtnFace));
  lab->SetTransparent(false);
  EXPECT_EQ(Shot()->Canvas()->Pixels(2, 2), ColorToRGB(clBtnFace));
}

TEST_F(NumLabOnForm, SettersClampIgnoreAndPaintAtOnce) {
  int paints = 0;
  lab->SetOnBeforeDisplay([&](TObject*, String&) { ++paints; });
  struct IntCase {
    void (TNumLab::*Set)(int);
    int (TNumLab::*Get)() const;
    int In, Out;
  };
  const IntCase cases[] = {
      {&TNumLab::SetPrecision, &TNumLab::Precision, 20, 15},
      {&TNumLab::SetPrecision, &TNumLab::Precision, -1, 15},
      {&TNumLab::SetPrecision, &TNumLab::Precision, 0, 0},
      {&TNumLab::SetLeftSpace, &TNumLab::LeftSpace, 500, 160},
      {&TNumLab::SetLeftSpace, &TNumLab::LeftSpace, -3, 160},
      {&TNumLab::SetLeftSpace, &TNumLab::LeftSpace, 20, 20},
      {&TNumLab::SetLabelWidth, &TNumLab::LabelWidth, 500, 500},
  };
  for (const IntCase& c : cases) {
    auto& target = *lab;
    std::invoke(c.Set, target, c.In);
    EXPECT_EQ(std::invoke(c.Get, target), c.Out) << c.In;
  }
  paints = 0;
  lab->SetValue(0);
  lab->SetPrecision(0);
  lab->SetLeftText(u"");
  EXPECT_EQ(paints, 0);
  lab->SetValue(2);
  EXPECT_EQ(paints, 1);
  lab->SetEnabled(true);  // no equality test
  EXPECT_EQ(paints, 2);
}

TEST_F(NumLabOnForm, AHandlerThatChangesTheValueIsShownOnceMoreAndNotFollowedForever) {
  int calls = 0;
  lab->SetOnBeforeDisplay([&](TObject*, String&) {
    ++calls;
    lab->SetValue(lab->Value() + 1);
  });
  lab->Repaint();
  EXPECT_GE(calls, 2);
  EXPECT_LE(calls, 4);
}

TEST_F(NumLabOnForm, MouseAreaCodeNamesTheZoneUnderTheMouse) {
  const std::pair<int, int> cases[] = {{0, 0}, {35, 0}, {36, 1}, {115, 1}, {116, 2}, {159, 2}};
  for (auto [x, zone] : cases) {
    headless::MouseMove(lab, {}, x, 5);
    EXPECT_EQ(lab->MouseAreaCode(), zone) << x;
  }
  EXPECT_EQ(NumLabZoneAt(-4, 35, 80), 0);
}

TEST_F(NumLabOnForm, AssignCopiesTheLookButNotSeparatorSignFormatOrState) {
  TNumLab src(nullptr);
  src.SetValue(3.25);
  src.SetDisplayType(dtHex);
  src.SetPrecision(4);
  src.SetLeftText(u"a");
  src.SetRightText(u"b");
  src.SetLeftSpace(20);
  src.SetLabelWidth(60);
  src.SetColorScheme(csSystem);
  src.SetColorLabBakG(clRed);
  src.SetComma(true);
  src.SetForcePlusSign(true);
  src.SetDTFormat(u"yyyy");
  src.SetEnabled(false);
  lab->Assign(&src);
  EXPECT_EQ(lab->Value(), 3.25);
  EXPECT_EQ(lab->DisplayType(), dtHex);
  EXPECT_EQ(lab->Precision(), 4);
  EXPECT_EQ(lab->LeftText(), u"a");
  EXPECT_EQ(lab->RightText(), u"b");
  EXPECT_EQ(lab->LeftSpace(), 20);
  EXPECT_EQ(lab->LabelWidth(), 60);
  EXPECT_EQ(lab->ColorScheme(), csSystem);
  EXPECT_EQ(lab->ColorLabBakG(), clRed);
  EXPECT_FALSE(lab->Comma());
  EXPECT_FALSE(lab->ForcePlusSign());
  EXPECT_EQ(lab->DTFormat(), u"mmm-dd, yyyy");
  EXPECT_TRUE(lab->Enabled());
  TLabel other(nullptr);
  EXPECT_THROW(lab->Assign(&other), EConvertError);
  EXPECT_THROW(other.Assign(lab), EConvertError);
}

TEST_F(NumLabOnForm, AFreshLabelWritesOnlyItsPlaceAndASetOneReadsBack) {
  TNumLab fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 160);
  EXPECT_EQ(fresh.Height(), 28);
  String text = WriteComponentToText(&fresh);
  for (const char16_t* p : {u"Value", u"Display", u"Precision", u"Text", u"Color", u"Frame",
                            u"Align", u"Indicator", u"Format", u"Space", u"Width = 80"}) {
    EXPECT_EQ(text.find(p), String::npos) << ToUTF8(text);
  }
  lab->SetValue(-12.5);
  lab->SetDisplayType(dtDegMinSec);
  lab->SetPrecision(1);
  lab->SetRightText(u"°C");
  lab->SetStateText(u"off");
  lab->SetFrameStyle(fsBump);
  lab->SetColorScheme(csSystem);
  lab->SetColorLabBakG(clWhite);
  lab->SetAlignment(taRightJustify);
  std::unique_ptr<TComponent> back(ReadComponentFromText(WriteComponentToText(lab)));
  auto* read = dynamic_cast<TNumLab*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Value(), -12.5);
  EXPECT_EQ(read->DisplayType(), dtDegMinSec);
  EXPECT_EQ(read->Precision(), 1);
  EXPECT_EQ(read->RightText(), u"°C");
  EXPECT_EQ(read->StateText(), u"off");
  EXPECT_EQ(read->FrameStyle(), fsBump);
  EXPECT_EQ(read->ColorScheme(), csSystem);
  EXPECT_EQ(read->ColorLabBakG(), clWhite);
  EXPECT_EQ(read->Alignment(), taRightJustify);
}

}  // namespace
