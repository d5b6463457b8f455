// The speed button: its up and down looks, clicks on release inside,
// groups of exclusive buttons, the flat look and glyphs.
#include "platform/Buttons.h"
#include "platform/ExtCtrls.h"
#include "StdTestSupport.h"

namespace stdtest {
namespace {

class SpeedButtonTest : public HeadlessFormTest {
 protected:
  void SetUp() override {
    HeadlessFormTest::SetUp();
    form->SetColor(clTeal);
    b1 = Button(10);
    b2 = Button(40);
    b3 = Button(70);
  }
  TSpeedButton* Button(int Left) {
    auto* b = Make<TSpeedButton>(Left, 10);
    b->SetOnClick([this, b](TObject*) { clicked.push_back(b); });
    return b;
  }
  // The bounding box of dark pixels inside the frame.
  static TRect Ink(const std::unique_ptr<TBitmap>& Shot) {
    TRect box(1000, 1000, -1, -1);
    for (int y = 2; y < Shot->Height() - 2; ++y) {
      for (int x = 2; x < Shot->Width() - 2; ++x) {
        if ((PixelAt(Shot, x, y) & 0xFF) >= 0x80) continue;
        box = TRect(std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                    std::max(box.Bottom, y + 1));
      }
    }
    return box;
  }
  TSpeedButton *b1 = nullptr, *b2 = nullptr, *b3 = nullptr;
  std::vector<TSpeedButton*> clicked;
};

TEST_F(SpeedButtonTest, UpAndDownFrames) {
  EXPECT_EQ(b1->Width(), 23);
  EXPECT_EQ(b1->Height(), 22);
  auto up = headless::Snapshot(b1);
  int r = 22, b = 21;
  EXPECT_EQ(PixelAt(up, 0, 0), Shown(clBtnHighlight));
  EXPECT_EQ(PixelAt(up, r, b), Shown(cl3DDkShadow));
  EXPECT_EQ(PixelAt(up, 1, 1), Shown(cl3DLight));
  EXPECT_EQ(PixelAt(up, r - 1, b - 1), Shown(clBtnShadow));
  EXPECT_EQ(PixelAt(up, 11, 11), Shown(clBtnFace));
  headless::MouseDown(b1, mbLeft, {}, 5, 5);
  EXPECT_EQ(b1->State(), bsDown);
  auto down = headless::Snapshot(b1);
  EXPECT_EQ(PixelAt(down, 0, 0), Shown(cl3DDkShadow));
  EXPECT_EQ(PixelAt(down, r, b), Shown(clBtnHighlight));
  EXPECT_EQ(PixelAt(down, 1, 1), Shown(clBtnShadow));
  headless::MouseUp(b1, mbLeft, {}, 5, 5);
  EXPECT_EQ(PixelAt(headless::Snapshot(b1), 0, 0), Shown(clBtnHighlight));
}

TEST_F(SpeedButtonTest, AReleaseInsideClicksAndOutsideDoesNot) {
  headless::Click(b1, 3, 3);
  EXPECT_EQ(clicked, std::vector<TSpeedButton*>{b1});
  headless::MouseDown(b1, mbLeft, {}, 3, 3);
  headless::MouseMove(b1, {ssLeft}, 40, 3);
  EXPECT_EQ(b1->State(), bsUp);  // shown up while the pointer is off it
  headless::MouseMove(b1, {ssLeft}, 4, 3);
  EXPECT_EQ(b1->State(), bsDown);
  headless::MouseMove(b1, {ssLeft}, 40, 3);
  headless::MouseUp(b1, mbLeft, {}, 40, 3);
  EXPECT_EQ(clicked.size(), 1u);
  headless::MouseDown(b1, mbRight, {}, 3, 3);
  headless::MouseUp(b1, mbRight, {}, 3, 3);
  EXPECT_EQ(clicked.size(), 1u);
  b1->SetEnabled(false);
  headless::Click(b1, 3, 3);
  EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(SpeedButtonTest, WithoutAGroupDownStaysFalse) {
  b1->SetDown(true);
  EXPECT_FALSE(b1->Down());
  headless::Click(b1, 3, 3);
  EXPECT_FALSE(b1->Down());
}

TEST_F(SpeedButtonTest, AGroupKeepsAtMostOneButtonDown) {
  for (auto* b : {b1, b2, b3}) b->SetGroupIndex(1);
  b3->SetGroupIndex(2);
  b3->SetDown(true);
  headless::Click(b1, 3, 3);
  EXPECT_TRUE(b1->Down());
  headless::Click(b2, 3, 3);
  EXPECT_TRUE(b2->Down());
  EXPECT_FALSE(b1->Down());
  EXPECT_TRUE(b3->Down());  // another group
  headless::Click(b2, 3, 3);  // no AllowAllUp: stays down
  EXPECT_TRUE(b2->Down());
  EXPECT_EQ(clicked.size(), 3u);
  b1->SetAllowAllUp(true);  // passed on to the group
  EXPECT_TRUE(b2->AllowAllUp());
  headless::Click(b2, 3, 3);
  EXPECT_FALSE(b2->Down());
  b1->SetDown(true);
  EXPECT_EQ(b1->State(), bsExclusive);
  EXPECT_EQ(PixelAt(headless::Snapshot(b1), 0, 0), Shown(cl3DDkShadow));
}

// Another kind of control sends the group's notice with itself as sender;
// the speed buttons of that group index leave it alone.
TEST_F(SpeedButtonTest, GroupNoticesFromOtherControlsAreIgnored) {
  for (auto* b : {b1, b2}) b->SetGroupIndex(1);
  b1->SetDown(true);
  auto* other = Make<TPaintBox>(120, 10);
  TMessage m{CM_BUTTONPRESSED, 1, reinterpret_cast<LPARAM>(static_cast<TControl*>(other)), 0};
  form->Broadcast(m);
  EXPECT_TRUE(b1->Down());
  EXPECT_FALSE(b1->AllowAllUp());
}

TEST_F(SpeedButtonTest, FlatButtonsShowAFrameOnlyWhenHoveredOrDown) {
  b1->SetFlat(true);
  auto idle = headless::Snapshot(b1);
  EXPECT_EQ(PixelAt(idle, 0, 0), Shown(clTeal));  // transparent: the form shows
  headless::MouseMove(b1, {}, 5, 5);
  auto hover = headless::Snapshot(b1);
  EXPECT_EQ(PixelAt(hover, 0, 0), Shown(clBtnHighlight));
  EXPECT_EQ(PixelAt(hover, 22, 21), Shown(clBtnShadow));
  EXPECT_EQ(PixelAt(hover, 1, 1), Shown(clBtnFace));
  headless::MouseDown(b1, mbLeft, {}, 5, 5);
  EXPECT_EQ(PixelAt(headless::Snapshot(b1), 0, 0), Shown(clBtnShadow));
  headless::MouseUp(b1, mbLeft, {}, 5, 5);
  headless::MouseLeave(b1);
  EXPECT_EQ(PixelAt(headless::Snapshot(b1), 0, 0), Shown(clTeal));
}

TEST_F(SpeedButtonTest, TheCaptionIsCentredAndMovesWithThePress) {
  b2->Hide();
  b3->Hide();
  b1->SetBounds(10, 10, 60, 24);
  b1->SetCaption(u"OK");
  TRect up = Ink(headless::Snapshot(b1));
  ASSERT_LT(up.Left, up.Right);
  EXPECT_LE(std::abs((up.Left + up.Right) - 60), 3);
  EXPECT_LE(std::abs((up.Top + up.Bottom) - 24), 3);
  headless::MouseDown(b1, mbLeft, {}, 5, 5);
  TRect down = Ink(headless::Snapshot(b1));
  EXPECT_EQ(down.Left, up.Left + 1);
  EXPECT_EQ(down.Top, up.Top + 1);
  headless::MouseUp(b1, mbLeft, {}, 5, 5);
}

TEST_F(SpeedButtonTest, GlyphPicturesFollowTheStateWithTheirKeyColorSeeThrough) {
  TBitmap glyph(16, 8);
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(0, 0, 8, 8));
  glyph.Canvas()->Brush()->SetColor(clBlue);
  glyph.Canvas()->FillRect(Rect(8, 0, 16, 8));
  glyph.Canvas()->SetPixels(0, 7, clLime);  // the key color of the first picture
  glyph.Canvas()->SetPixels(8, 7, clLime);
  glyph.Canvas()->SetPixels(1, 7, clLime);
  glyph.Canvas()->SetPixels(9, 7, clLime);
  b1->SetGlyph(&glyph);
  EXPECT_EQ(b1->NumGlyphs(), 2);
  auto shot = headless::Snapshot(b1);
  // 8 × 8 centred in the 19 × 18 inside of the frame: from (7, 7).
  EXPECT_EQ(PixelAt(shot, 7 + 4, 7 + 3), clRed);
  EXPECT_EQ(PixelAt(shot, 7 + 1, 7 + 7), Shown(clBtnFace));
  b1->SetEnabled(false);
  shot = headless::Snapshot(b1);
  EXPECT_EQ(PixelAt(shot, 7 + 4, 7 + 3), clBlue);
}

TEST_F(SpeedButtonTest, FormFilesKeepGroupAndDown) {
  b1->SetName(u"B1");
  b1->SetGroupIndex(3);
  b1->SetDown(true);
  b1->SetFlat(true);
  String text = WriteComponentToText(b1);
  std::unique_ptr<TComponent> back(ReadComponentFromText(text));
  auto* read = dynamic_cast<TSpeedButton*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GroupIndex(), 3);
  EXPECT_TRUE(read->Down());
  EXPECT_TRUE(read->Flat());
  EXPECT_EQ(read->State(), bsExclusive);
}

}  // namespace
}  // namespace stdtest
