// The TScrollBar control: its defaults and form-file properties, the range
// checks, Kind swapping the size, and its pixels read at points derived
// from the layout.
#include "ScrollTestSupport.h"

#include "platform/Streaming.h"

namespace scrolltest {
namespace {

TEST(ScrollBarControl, AFreshBarHasTheDefaultsAndStoresNoneOfThem) {
  TScrollBar bar(nullptr);
  EXPECT_EQ(bar.Kind(), sbHorizontal);
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Max(), 100);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(bar.PageSize(), 0);
  EXPECT_EQ(bar.SmallChange(), 1);
  EXPECT_EQ(bar.LargeChange(), 1);
  EXPECT_EQ(bar.Width(), 121);
  EXPECT_EQ(bar.Height(), 17);
  EXPECT_TRUE(bar.TabStop());
  bar.SetName(u"ScrollBar1");
  String text = WriteComponentToText(&bar);
  for (const char16_t* name : {u"Kind", u"Max", u"Min", u"Position", u"PageSize", u"SmallChange",
                               u"LargeChange", u"TabStop"}) {
    EXPECT_EQ(text.find(name), String::npos) << ToUTF8(text);
  }
}

// Max is stored before Min: a negative range read one value at a time
// would not fit on the way, so loading takes the values as they come.
TEST(ScrollBarControl, FormFilesKeepEveryPropertyWhateverTheOrder) {
  TScrollBar bar(nullptr);
  bar.SetName(u"ScrollBar1");
  bar.SetKind(sbVertical);
  bar.SetParams(-7, -10, -5);
  bar.SetPageSize(2);
  bar.SetSmallChange(2);
  bar.SetLargeChange(3);
  String text = WriteComponentToText(&bar);
  std::unique_ptr<TComponent> back(ReadComponentFromText(text));
  auto* read = dynamic_cast<TScrollBar*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Kind(), sbVertical);
  EXPECT_EQ(read->Width(), 17);
  EXPECT_EQ(read->Height(), 121);
  EXPECT_EQ(read->Min(), -10);
  EXPECT_EQ(read->Max(), -5);
  EXPECT_EQ(read->PageSize(), 2);
  EXPECT_EQ(read->Position(), -7);
  EXPECT_EQ(read->SmallChange(), 2);
  EXPECT_EQ(read->LargeChange(), 3);
  EXPECT_EQ(WriteComponentToText(read), text);
}

TEST(ScrollBarControl, RangesThatDoNotFitAreRefusedAndPositionsClamped) {
  TScrollBar bar(nullptr);
  EXPECT_THROW(bar.SetMax(-1), EInvalidOperation);
  EXPECT_THROW(bar.SetMin(101), EInvalidOperation);
  EXPECT_THROW(bar.SetPageSize(102), EInvalidOperation);
  EXPECT_EQ(bar.Max(), 100);
  EXPECT_EQ(bar.Min(), 0);
  bar.SetPageSize(101);  // the whole range in one page
  EXPECT_EQ(bar.PageSize(), 101);
  bar.SetPageSize(10);
  bar.SetPosition(95);
  EXPECT_EQ(bar.Position(), 91);
  bar.SetPosition(-5);
  EXPECT_EQ(bar.Position(), 0);
  bar.SetSmallChange(0);
  EXPECT_EQ(bar.SmallChange(), 1);
  bar.SetLargeChange(100000);
  EXPECT_EQ(bar.LargeChange(), 32767);
  int changes = 0;
  bar.SetOnChange([&](TObject*) { ++changes; });
  bar.SetParams(50, 0, 200);
  bar.SetParams(50, 0, 200);
  EXPECT_EQ(changes, 1);
}

TEST(ScrollBarControl, ChangingKindSwapsTheSize) {
  TScrollBar bar(nullptr);
  bar.SetKind(sbVertical);
  EXPECT_EQ(bar.Width(), 17);
  EXPECT_EQ(bar.Height(), 121);
  EXPECT_TRUE(bar.Layout().Vertical);
  bar.SetKind(sbVertical);
  EXPECT_EQ(bar.Width(), 17);
}

// ---------------------------------------------------------------- pixels

class BarPixels : public BarTest {
 protected:
  TColor At(const std::unique_ptr<TBitmap>& B, TPoint P) { return B->Canvas()->Pixels(P.X, P.Y); }
};

TEST_F(BarPixels, ArrowsTrackAndThumbShowTheirColors) {
  Bar->SetPosition(50);
  auto shot = headless::Snapshot(Bar);
  TScrollBarLayout l = Layout();
  TPoint up = Centre(l.LineUp);
  EXPECT_EQ(At(shot, up), ColorToRGB(clBtnText));  // the glyph covers the centre
  // The tip is the glyph's top row: the pixel above it is face.
  EXPECT_EQ(At(shot, {up.X, up.Y - 2}), ColorToRGB(clBtnText));
  EXPECT_EQ(At(shot, {up.X, up.Y - 3}), ColorToRGB(clBtnFace));
  EXPECT_EQ(At(shot, {up.X - 1, up.Y - 2}), ColorToRGB(clBtnFace));
  TPoint down = Centre(l.LineDown);
  EXPECT_EQ(At(shot, {down.X, down.Y + 1}), ColorToRGB(clBtnText));
  EXPECT_EQ(At(shot, {down.X, down.Y + 2}), ColorToRGB(clBtnFace));
  // Raised frames: the outer highlight at the top left, dark shadow at the bottom right.
  EXPECT_EQ(At(shot, {l.LineUp.Left, l.LineUp.Top}), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(shot, {l.LineUp.Right - 1, l.LineUp.Bottom - 1}), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(At(shot, Centre(l.Thumb)), ColorToRGB(clBtnFace));
  EXPECT_EQ(At(shot, {l.Thumb.Left, l.Thumb.Top}), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(shot, {8, l.ThumbStart() - 1}), ColorToRGB(clScrollBar));
  EXPECT_EQ(At(shot, {8, l.Thumb.Bottom}), ColorToRGB(clScrollBar));
  EXPECT_EQ(At(shot, {8, l.TrackStart()}), ColorToRGB(clScrollBar));
}

TEST_F(BarPixels, APressedArrowAndPageShowPressed) {
  TScrollBarLayout l = Layout();
  TPoint down = Centre(l.LineDown);
  Press(down);
  auto shot = headless::Snapshot(Bar);
  // Flat pressed frame, glyph moved a pixel towards the bottom right.
  EXPECT_EQ(At(shot, {l.LineDown.Left, l.LineDown.Top}), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(shot, {down.X + 1, down.Y + 2}), ColorToRGB(clBtnText));
  EXPECT_EQ(At(shot, {down.X, down.Y + 2}), ColorToRGB(clBtnFace));
  Release(down);
  Bar->SetPageSize(10);
  l = Layout();
  TPoint below{8, l.Thumb.Bottom + 30};
  Press(below);
  l = Layout();  // the thumb paged down once
  shot = headless::Snapshot(Bar);
  EXPECT_EQ(At(shot, {8, l.Thumb.Bottom + 1}), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(shot, {8, l.ThumbStart() - 1}), ColorToRGB(clScrollBar));
  Release(below);
  shot = headless::Snapshot(Bar);
  EXPECT_EQ(At(shot, {8, l.Thumb.Bottom + 1}), ColorToRGB(clScrollBar));
}

TEST_F(BarPixels, ABarThatCannotScrollShowsEngravedArrowsAndNoThumb) {
  Bar->SetEnabled(false);
  auto shot = headless::Snapshot(Bar);
  TScrollBarLayout l = Layout();
  TPoint up = Centre(l.LineUp);
  EXPECT_EQ(At(shot, up), ColorToRGB(clBtnShadow));
  // The highlight copy shows a pixel right of the glyph's widest row.
  EXPECT_EQ(At(shot, {up.X + 4, up.Y + 2}), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(shot, Centre(l.Track)), ColorToRGB(clScrollBar));
}

TEST_F(BarPixels, AHorizontalBarPointsItsArrowsSideways) {
  Bar->SetKind(sbHorizontal);
  auto shot = headless::Snapshot(Bar);
  TScrollBarLayout l = Layout();
  TPoint left = Centre(l.LineUp);
  EXPECT_EQ(At(shot, {left.X - 2, left.Y}), ColorToRGB(clBtnText));  // tip
  EXPECT_EQ(At(shot, {left.X - 2, left.Y - 1}), ColorToRGB(clBtnFace));
  EXPECT_EQ(At(shot, {left.X + 1, left.Y - 3}), ColorToRGB(clBtnText));  // widest column
  TPoint right = Centre(l.LineDown);
  EXPECT_EQ(At(shot, {right.X + 1, right.Y}), ColorToRGB(clBtnText));
  EXPECT_EQ(At(shot, {right.X + 2, right.Y}), ColorToRGB(clBtnFace));
}

}  // namespace
}  // namespace scrolltest
