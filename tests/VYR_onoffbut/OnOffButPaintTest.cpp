// The on/off button's pixels: each style's picture for each state where
// the rules put it, see-through pixels in the background color or the
// parent's, the frame, and captions in their color or engraved.
#include "OnOffButTestSupport.h"
#include "foundation/VYR_resources.h"

namespace onofftest {
namespace {

// Compares the picture area of a snapshot with the style bitmap's quadrant
// of the state shown; see-through pixels must show SeeThroughShows.
void ExpectPicture(TOnOffBut& B, TColor SeeThroughShows) {
  std::unique_ptr<TBitmap> sheet = NamedBitmap(onoff::StyleResourceName(B.ButtonStyle()));
  const int index = onoff::StateIndex(B.OnOff(), B.Enabled());
  const TRect q = onoff::QuadrantRect(index, sheet->Width(), sheet->Height());
  const TRect at = onoff::PictureRect(B.LeftSpace(), B.TopSpace(), q.Width(), q.Height());
  std::unique_ptr<TBitmap> shot = headless::Snapshot(B);
  int seeThrough = 0;
  for (int y = 0; y < q.Height(); ++y) {
    for (int x = 0; x < q.Width(); ++x) {
      TColor want = sheet->Canvas()->Pixels(q.Left + x, q.Top + y);
      if (want == onoff::SeeThrough) {
        want = ColorToRGB(SeeThroughShows);
        ++seeThrough;
      }
      ASSERT_EQ(shot->Canvas()->Pixels(at.Left + x, at.Top + y), want)
          << ToUTF8(onoff::StyleResourceName(B.ButtonStyle())) << " state " << index << " at " << x
          << "," << y;
    }
  }
}

TEST_F(OnOffTest, EveryStyleShowsTheQuadrantOfItsState) {
  button->SetBounds(10, 10, 120, 110);
  for (int s = oobsCheckbox; s <= oobsUser5; ++s) {
    button->SetButtonStyle(static_cast<TOnOffButStyle>(s));
    for (bool enabled : {true, false}) {
      button->SetEnabled(enabled);
      for (bool on : {true, false}) {
        button->SetOnOff(on);
        ExpectPicture(*button, button->ColorBackgnd());
      }
    }
  }
}

TEST_F(OnOffTest, TransparentButtonsShowTheParentThroughThePicture) {
  button->SetButtonStyle(oobsSmileyYellow);  // see-through corners
  button->SetTransparent(true);
  button->SetFrameStyle(fsNoFrame);
  for (bool on : {true, false}) {
    button->SetOnOff(on);
    ExpectPicture(*button, FormColor);
  }
  std::unique_ptr<TBitmap> shot = headless::Snapshot(button);
  EXPECT_EQ(At(shot, 0, 0), FormColor);
  EXPECT_EQ(At(shot, 5, 40), FormColor);
  button->SetTransparent(false);
  shot = headless::Snapshot(button);
  EXPECT_EQ(At(shot, 5, 40), ColorToRGB(clBtnFace));
}

// The frame's outer ring by style: top-left pixel and bottom-right pixel,
// drawn alike with and without Transparent.
TEST_F(OnOffTest, TheFrameFollowsFrameStyle) {
  struct Case {
    TFrameStyle Style;
    TColor TopLeft, BottomRight;
  } cases[] = {
      {fsSimple, clBlack, clBlack},  {fsLowered, 0x808080, clWhite}, {fsRaised, 0xC0C0C0, clBlack},
      {fsEtched, 0x808080, clWhite}, {fsBump, clWhite, 0x808080},
  };
  for (bool transparent : {false, true}) {
    button->SetTransparent(transparent);
    for (const Case& c : cases) {
      button->SetFrameStyle(c.Style);
      std::unique_ptr<TBitmap> shot = headless::Snapshot(button);
      EXPECT_EQ(At(shot, 0, 0), c.TopLeft) << int(c.Style);
      EXPECT_EQ(At(shot, 99, 49), c.BottomRight) << int(c.Style);
    }
  }
  button->SetFrameStyle(fsNoFrame);
  EXPECT_EQ(At(headless::Snapshot(button), 0, 0), FormColor);  // still transparent
  button->SetTransparent(false);
  EXPECT_EQ(At(headless::Snapshot(button), 0, 0), ColorToRGB(clBtnFace));
}

class OnOffCaptionTest : public OnOffTest {
 protected:
  void SetUp() override {
    OnOffTest::SetUp();
    button->SetBounds(10, 10, 200, 60);
    button->Font()->SetQuality(fqNonAntialiased);  // one color per glyph pixel
    button->Font()->SetSize(10);
    button->SetFrameStyle(fsNoFrame);
  }
  // The caption's cell from the placement rule, measured with the button's font.
  TRect CaptionCell(const String& Text) {
    TBitmap probe(1, 1);
    probe.Canvas()->Font()->Assign(button->Font());
    const int th = probe.Canvas()->TextHeight(u"(8g]}\u00DC\u00C4\u00A7");
    const int tw = probe.Canvas()->TextWidth(Text);
    const onoff::TCaptionFrame f{button->Width(),      button->LeftSpace(),   button->TopSpace(),
                                 button->GlyphWidth(), button->GlyphHeight(), th};
    TPoint p = onoff::CaptionOrigin(onoff::cpLeft, button->LeftTextAlignment(), tw, f);
    return Rect(p.X, p.Y, p.X + tw + 1, p.Y + probe.Canvas()->TextHeight(Text) + 1);
  }
  int Count(const std::unique_ptr<TBitmap>& Shot, const TRect& R, TColor C) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) n += At(Shot, x, y) == C;
    return n;
  }
};

TEST_F(OnOffCaptionTest, EnabledCaptionsUseColorTextInsideTheirCell) {
  button->SetColorText(clRed);
  button->SetLeftText(u"Wg");
  const TRect cell = CaptionCell(u"Wg");
  std::unique_ptr<TBitmap> shot = headless::Snapshot(button);
  EXPECT_GT(Count(shot, cell, clRed), 5);
  EXPECT_EQ(Count(shot, Rect(0, 0, 200, 60), clRed), Count(shot, cell, clRed));
}

TEST_F(OnOffCaptionTest, DisabledCaptionsAreEngraved) {
  button->SetColorText(clRed);
  button->SetLeftText(u"Wg");
  button->SetEnabled(false);
  const TRect cell = CaptionCell(u"Wg");
  std::unique_ptr<TBitmap> shot = headless::Snapshot(button);
  EXPECT_EQ(Count(shot, cell, clRed), 0);
  int gray = 0, white = 0;
  for (int y = cell.Top; y < cell.Bottom; ++y) {
    for (int x = cell.Left; x < cell.Right; ++x) {
      const TColor p = At(shot, x, y);
      if (p == clGray) {
        ++gray;
        // Below-right of a glyph pixel lies glyph or highlight.
        const TColor lit = At(shot, x + 1, y + 1);
        EXPECT_TRUE(lit == clGray || lit == clWhite) << x << "," << y;
      } else if (p == clWhite) {
        ++white;
        const TColor from = At(shot, x - 1, y - 1);
        EXPECT_EQ(from, clGray) << "highlight without a glyph pixel above-left at " << x << ","
                                << y;
      }
    }
  }
  EXPECT_GT(gray, 5);
  EXPECT_GT(white, 0);
}

TEST_F(OnOffCaptionTest, CaptionsStayOpaqueInTransparentMode) {
  button->SetColorText(clYellow);
  button->SetLeftText(u"Wg");
  button->SetTransparent(true);
  const TRect cell = CaptionCell(u"Wg");
  std::unique_ptr<TBitmap> shot = headless::Snapshot(button);
  EXPECT_GT(Count(shot, cell, clYellow), 5);
  EXPECT_EQ(Count(shot, cell, clYellow) + Count(shot, cell, FormColor),
            cell.Width() * cell.Height());
}

}  // namespace
}  // namespace onofftest
