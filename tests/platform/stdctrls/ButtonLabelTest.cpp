// Push buttons, check boxes, labels, DrawText, panels and the small
// graphic controls: clicks, keys, sizes and chosen pixels.
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "StdTestSupport.h"

namespace stdtest {
namespace {

class ButtonTest : public HeadlessFormTest {
 protected:
  void SetUp() override {
    HeadlessFormTest::SetUp();
    ok = Make<TButton>(10, 10);
    ok->SetCaption(u"OK");
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    cancel = Make<TButton>(100, 10);
    cancel->SetCaption(u"Cancel");
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    edit = Make<TEdit>(10, 50);
    ok->SetOnClick([this](TObject*) { log += "ok "; });
    cancel->SetOnClick([this](TObject*) { log += "cancel "; });
  }
  TButton *ok = nullptr, *cancel = nullptr;
  TEdit* edit = nullptr;
  std::string log;
};

TEST_F(ButtonTest, AClickSetsTheFormsModalResult) {
  EXPECT_EQ(ok->Width(), 75);
  EXPECT_EQ(ok->Height(), 25);
  headless::Click(cancel, 5, 5);
  EXPECT_EQ(log, "cancel ");
  EXPECT_EQ(form->ModalResult(), mrCancel);
  EXPECT_TRUE(cancel->Focused());
  headless::MouseDown(ok, mbLeft, {}, 5, 5);
  headless::MouseUp(ok, mbLeft, {}, 200, 5);  // released outside
  EXPECT_EQ(log, "cancel ");
}

TEST_F(ButtonTest, EnterClicksTheDefaultAndEscapeTheCancelButton) {
  headless::KeyDown(edit, VK_RETURN);
  EXPECT_EQ(log, "ok ");
  headless::KeyDown(edit, VK_ESCAPE);
  EXPECT_EQ(log, "ok cancel ");
  cancel->SetFocus();  // Enter belongs to the focused button now
  headless::KeyDown(cancel, VK_RETURN);
  EXPECT_EQ(log, "ok cancel cancel ");
  EXPECT_FALSE(ok->Active());
}

TEST_F(ButtonTest, TheSpaceBarClicksOnRelease) {
  headless::KeyDown(ok, VK_SPACE);
  EXPECT_EQ(log, "");
  headless::KeyUp(ok, VK_SPACE);
  EXPECT_EQ(log, "ok ");
}

TEST_F(ButtonTest, RaisedFaceAndTheDefaultFrame) {
  auto shot = headless::Snapshot(cancel);
  EXPECT_EQ(PixelAt(shot, 0, 0), Shown(clBtnHighlight));
  EXPECT_EQ(PixelAt(shot, 74, 24), Shown(cl3DDkShadow));
  EXPECT_EQ(PixelAt(shot, 3, 3), Shown(clBtnFace));
  shot = headless::Snapshot(ok);  // the default button: a frame around it
  EXPECT_EQ(PixelAt(shot, 0, 0), Shown(clWindowFrame));
  EXPECT_EQ(PixelAt(shot, 1, 1), Shown(clBtnHighlight));
}

class CheckBoxTest : public HeadlessFormTest {
 protected:
  void SetUp() override {
    HeadlessFormTest::SetUp();
    box = Make<TCheckBox>(10, 10);
    box->SetCaption(u"Check");
    box->SetOnClick([this](TObject*) { ++clicks; });
  }
  TCheckBox* box = nullptr;
  int clicks = 0;
};

TEST_F(CheckBoxTest, ClicksAndTheSpaceBarToggle) {
  EXPECT_EQ(box->Width(), 97);
  EXPECT_EQ(box->Height(), 17);
  headless::Click(box, 5, 8);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 1);
  headless::KeyDown(box, VK_SPACE);
  headless::KeyUp(box, VK_SPACE);
  EXPECT_FALSE(box->Checked());
  box->SetAllowGrayed(true);
  headless::Click(box, 5, 8);
  headless::Click(box, 5, 8);
  EXPECT_EQ(box->State(), cbGrayed);
  headless::Click(box, 5, 8);
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(clicks, 5);
  box->SetChecked(true);  // by code: OnClick as well
  box->SetChecked(true);
  EXPECT_EQ(clicks, 6);
}

TEST_F(CheckBoxTest, TheMarkIsDrawnInTheBoxOnlyWhenChecked) {
  TRect b = box->BoxRect();
  auto shot = headless::Snapshot(box);
  EXPECT_EQ(PixelAt(shot, b.Left, b.Top), Shown(clBtnShadow));
  EXPECT_EQ(PixelAt(shot, b.Left + 6, b.Top + 7), Shown(clWindow));
  box->SetChecked(true);
  shot = headless::Snapshot(box);
  EXPECT_EQ(PixelAt(shot, b.Left + 6, b.Top + 7), Shown(clWindowText));
  box->SetAlignment(taLeftJustify);  // the box moves to the right
  EXPECT_EQ(box->BoxRect().Right, box->Width());
}

// ---------------------------------------------------------------- labels

// Records what the label asks DoDrawText for.
class TProbeLabel : public TLabel {
 public:
  using TLabel::TLabel;
  std::vector<int> Flags;

 protected:
  void DoDrawText(TRect& Rect, int F) override {
    Flags.push_back(F);
    TLabel::DoDrawText(Rect, F);
  }
};

class LabelTest : public HeadlessFormTest {
 protected:
  void SetUp() override {
    HeadlessFormTest::SetUp();
    form->SetColor(clSilver);
    label = Make<TProbeLabel>(20, 20);
  }
  static TSize Extent(const String& S) {
    TBitmap bmp(1, 1);
    return bmp.Canvas()->TextExtent(S);
  }
  TProbeLabel* label = nullptr;
};

TEST_F(LabelTest, AutoSizeTakesTheTextsSize) {
  EXPECT_TRUE(label->AutoSize());
  EXPECT_TRUE(label->ParentColor());
  label->SetCaption(u"Hello");
  EXPECT_EQ(label->Width(), Extent(u"Hello").cx);
  EXPECT_EQ(label->Height(), Extent(u"Hello").cy);
  label->SetCaption(u"&File");  // the accelerator's "&" takes no room
  EXPECT_EQ(label->Width(), Extent(u"File").cx);
  label->SetShowAccelChar(false);
  EXPECT_EQ(label->Width(), Extent(u"&File").cx);
  label->SetCaption(u"");
  EXPECT_EQ(label->Height(), Extent(u" ").cy);  // an empty label keeps a line
}

TEST_F(LabelTest, RightJustifiedAutoSizeKeepsTheRightEdge) {
  label->SetAlignment(taRightJustify);
  label->SetCaption(u"ab");
  int right = label->Left() + label->Width();
  label->SetCaption(u"a much longer caption");
  EXPECT_EQ(label->Left() + label->Width(), right);
}

TEST_F(LabelTest, WordWrapKeepsTheWidthAndAddsLines) {
  label->SetAutoSize(false);
  label->SetWidth(60);
  label->SetWordWrap(true);
  label->SetAutoSize(true);
  label->SetCaption(u"one two three four five six");
  EXPECT_LE(label->Width(), 60);
  EXPECT_GE(label->Height(), 3 * Extent(u"W").cy);
}

TEST_F(LabelTest, PaintFillsWithColorUnlessTransparentAndPassesTheFlags) {
  label->SetAutoSize(false);
  label->SetBounds(20, 20, 80, 30);
  label->SetCaption(u"x");
  label->SetColor(clYellow);
  label->SetAlignment(taCenter);
  label->Flags.clear();
  auto shot = headless::Snapshot(label);
  EXPECT_EQ(PixelAt(shot, 79, 29), clYellow);
  ASSERT_FALSE(label->Flags.empty());
  EXPECT_EQ(label->Flags.back() & DT_CENTER, static_cast<int>(DT_CENTER));
  EXPECT_NE(label->Flags.back() & DT_EXPANDTABS, 0);
  EXPECT_EQ(label->Flags.back() & DT_WORDBREAK, 0);
  label->SetTransparent(true);
  shot = headless::Snapshot(label);
  EXPECT_EQ(PixelAt(shot, 79, 29), clSilver);
}

TEST_F(LabelTest, LayoutPlacesTheTextVertically) {
  label->SetAutoSize(false);
  label->SetBounds(20, 20, 60, 60);
  label->SetCaption(u"H");
  auto inkRows = [&]() {
    auto shot = headless::Snapshot(label);
    int first = -1, last = -1;
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 60; ++x) {
        if ((PixelAt(shot, x, y) & 0xFF) < 0x60) {
          if (first < 0) first = y;
          last = y;
        }
      }
    }
    return std::make_pair(first, last);
  };
  auto top = inkRows();
  label->SetLayout(tlBottom);
  auto bottom = inkRows();
  label->SetLayout(tlCenter);
  auto centre = inkRows();
  int cell = Extent(u"H").cy;
  EXPECT_EQ(bottom.first - top.first, 60 - cell);
  EXPECT_EQ(centre.first - top.first, (60 - cell) / 2);
}

TEST(DrawTextTest, CalcRectMeasuresLinesAndWraps) {
  TBitmap bmp(200, 100);
  TCanvas* c = bmp.Canvas();
  int line = c->TextHeight(u"W");
  TRect r = Rect(0, 0, 1000, 0);
  int h = DrawText(c, u"ab\r\ncd\nlonger line", -1, r, DT_CALCRECT);
  EXPECT_EQ(h, 3 * line);
  EXPECT_EQ(r.Bottom, 3 * line);
  EXPECT_EQ(r.Right, c->TextWidth(u"longer line"));
  r = Rect(0, 0, 1000, 0);
  DrawText(c, u"ab\ncd", -1, r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.Bottom, line);
  r = Rect(0, 0, c->TextWidth(u"aaa bbb") + 1, 0);
  DrawText(c, u"aaa bbb ccc", -1, r, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(r.Bottom, 2 * line);
  r = Rect(0, 0, 1000, 0);
  DrawText(c, u"a&&b&c", 3, r, DT_CALCRECT);  // "a&&": "a&"
  EXPECT_EQ(r.Right, c->TextWidth(u"a&"));
}

TEST(DrawTextTest, AlignmentAndClipping) {
  TBitmap bmp(100, 40);
  TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(clLime);
  TRect r = Rect(10, 10, 90, 30);
  DrawText(c, u"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", -1, r, DT_RIGHT | DT_SINGLELINE);
  EXPECT_EQ(c->Pixels(9, 10), clWhite);   // clipped to the rectangle
  EXPECT_EQ(c->Pixels(90, 10), clWhite);
  EXPECT_EQ(c->Pixels(89, 10), clLime);   // the solid brush fills the cell
  TBitmap other(100, 40);
  TRect r2 = Rect(10, 10, 90, 30);
  other.Canvas()->Brush()->SetColor(clLime);
  DrawText(other.Canvas(), u"i", -1, r2, DT_RIGHT | DT_SINGLELINE);
  int w = other.Canvas()->TextWidth(u"i");
  EXPECT_EQ(other.Canvas()->Pixels(90 - w, 10), clLime);
  EXPECT_EQ(other.Canvas()->Pixels(90 - w - 1, 10), clWhite);
}

// ---------------------------------------------------------------- panels

class PanelTest : public HeadlessFormTest {
 protected:
  void SetUp() override {
    HeadlessFormTest::SetUp();
    panel = Make<TPanel>(10, 10);
  }
  TPanel* panel = nullptr;
};

TEST_F(PanelTest, RaisedBevelAroundTheFace) {
  EXPECT_EQ(panel->Width(), 185);
  EXPECT_EQ(panel->Height(), 41);
  EXPECT_EQ(panel->Color(), clBtnFace);
  EXPECT_EQ(panel->BevelOuter(), bvRaised);
  auto shot = headless::Snapshot(panel);
  EXPECT_EQ(PixelAt(shot, 0, 0), Shown(clBtnHighlight));
  EXPECT_EQ(PixelAt(shot, 0, 39), Shown(clBtnHighlight));
  EXPECT_EQ(PixelAt(shot, 0, 40), Shown(clBtnShadow));
  EXPECT_EQ(PixelAt(shot, 184, 0), Shown(clBtnShadow));
  EXPECT_EQ(PixelAt(shot, 1, 1), Shown(clBtnFace));
}

TEST_F(PanelTest, BevelsBorderAndTheChildrensArea) {
  panel->SetBevelInner(bvLowered);
  panel->SetBevelWidth(2);
  panel->SetBorderWidth(3);
  panel->SetColor(clAqua);
  auto shot = headless::Snapshot(panel);
  EXPECT_EQ(PixelAt(shot, 1, 1), Shown(clBtnHighlight));  // outer, second ring
  EXPECT_EQ(PixelAt(shot, 2, 2), clAqua);                 // border
  EXPECT_EQ(PixelAt(shot, 5, 5), Shown(clBtnShadow));     // inner lowered
  EXPECT_EQ(PixelAt(shot, 6, 6), Shown(clBtnShadow));
  EXPECT_EQ(PixelAt(shot, 7, 7), clAqua);
  auto* child = new TPanel(form.get());
  child->SetParent(panel);
  child->SetAlign(alClient);
  EXPECT_EQ(child->BoundsRect(), Rect(7, 7, 185 - 7, 41 - 7));
  EXPECT_EQ(panel->InnerRect(), child->BoundsRect());
}

TEST_F(PanelTest, TheCaptionIsCentred) {
  panel->SetBevelOuter(bvNone);
  panel->SetCaption(u"III");
  auto shot = headless::Snapshot(panel);
  int left = 1000, right = -1, top = 1000, bottom = -1;
  for (int y = 0; y < 41; ++y) {
    for (int x = 0; x < 185; ++x) {
      if ((PixelAt(shot, x, y) & 0xFF) >= 0x80) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  ASSERT_GE(right, left);
  EXPECT_LE(std::abs(left + right - 184), 3);
  EXPECT_LE(std::abs(top + bottom - 40), 6);
  panel->SetShowCaption(false);
  shot = headless::Snapshot(panel);
  EXPECT_EQ(PixelAt(shot, (left + right) / 2, (top + bottom) / 2), Shown(clBtnFace));
}

TEST(Frame3DTest, RingsShrinkTheRectangle) {
  TBitmap bmp(10, 10);
  TRect r = Rect(0, 0, 10, 10);
  Frame3D(bmp.Canvas(), r, clRed, clBlue, 2);
  EXPECT_EQ(r, Rect(2, 2, 8, 8));
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(bmp.Canvas()->Pixels(9, 0), clBlue);  // the top-right corner is the bottom color
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 9), clBlue);
  EXPECT_EQ(bmp.Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(bmp.Canvas()->Pixels(2, 2), clWhite);
}

// ---------------------------------------------------------------- shapes, paint boxes, images

TEST_F(PanelTest, ShapesPaintBoxesAndImages) {
  auto* shape = Make<TShape>(200, 0);
  shape->SetBounds(200, 0, 20, 10);
  shape->Brush()->SetColor(clRed);
  auto shot = headless::Snapshot(shape);
  EXPECT_EQ(PixelAt(shot, 0, 0), clBlack);
  EXPECT_EQ(PixelAt(shot, 19, 9), clBlack);
  EXPECT_EQ(PixelAt(shot, 10, 5), clRed);
  shape->SetShape(stCircle);  // 10 × 10 in the middle
  shot = headless::Snapshot(shape);
  EXPECT_EQ(PixelAt(shot, 2, 5), Shown(clBtnFace));
  EXPECT_EQ(PixelAt(shot, 10, 5), clRed);

  auto* box = Make<TPaintBox>(200, 20);
  box->SetBounds(200, 20, 10, 10);
  box->SetOnPaint([box](TObject*) { box->Canvas()->SetPixels(3, 4, clGreen); });
  EXPECT_EQ(PixelAt(headless::Snapshot(box), 3, 4), clGreen);

  auto* image = Make<TImage>(200, 40);
  image->SetBounds(200, 40, 20, 20);
  TBitmap pic(4, 2);
  pic.Canvas()->Brush()->SetColor(clNavy);
  pic.Canvas()->FillRect(Rect(0, 0, 4, 2));
  image->Picture()->Bitmap()->Assign(&pic);
  image->Invalidate();
  shot = headless::Snapshot(image);
  EXPECT_EQ(PixelAt(shot, 3, 1), clNavy);
  EXPECT_EQ(PixelAt(shot, 4, 1), Shown(clBtnFace));
  image->SetStretch(true);
  image->SetProportional(true);
  EXPECT_EQ(image->DestRect(), Rect(0, 0, 20, 10));
  image->SetCenter(true);
  EXPECT_EQ(image->DestRect(), Rect(0, 5, 20, 15));
  shot = headless::Snapshot(image);
  EXPECT_EQ(PixelAt(shot, 19, 14), clNavy);
  EXPECT_EQ(PixelAt(shot, 10, 4), Shown(clBtnFace));
}

}  // namespace
}  // namespace stdtest
