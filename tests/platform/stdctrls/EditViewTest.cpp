// The edit control seen and clicked: border and selection pixels, the
// caret, horizontal scrolling, mouse placement and dragging.
#include "platform/StdCtrls.h"
#include "StdTestSupport.h"

namespace stdtest {
namespace {

class EditViewTest : public HeadlessFormTest {
 protected:
  void SetUp() override {
    HeadlessFormTest::SetUp();
    edit = Make<TEdit>(20, 30);
    edit->SetAutoSelect(false);
  }
  // The client point in the middle of the cell of character Index.
  TPoint MiddleOf(int Index) {
    TPoint a = edit->PointOfIndex(Index);
    TPoint b = edit->PointOfIndex(Index + 1);
    return {(a.X + b.X) / 2, a.Y + 3};
  }
  static int CellHeight(TFont* Font) {
    TBitmap bmp(1, 1);
    bmp.Canvas()->Font()->Assign(Font);
    return bmp.Canvas()->TextHeight(u"W");
  }
  TEdit* edit = nullptr;
};

TEST_F(EditViewTest, DefaultsOfTheEdit) {
  EXPECT_EQ(edit->Width(), 121);
  EXPECT_EQ(edit->Height(), 21);
  EXPECT_EQ(edit->Color(), clWindow);
  EXPECT_TRUE(edit->TabStop());
  EXPECT_TRUE(edit->AutoSize());
  EXPECT_EQ(edit->BorderStyle(), bsSingle);
  EXPECT_EQ(edit->Cursor(), crIBeam);
}

TEST_F(EditViewTest, SunkenBorderRingsAndWindowBackground) {
  auto shot = headless::Snapshot(edit);
  int r = edit->Width() - 1, b = edit->Height() - 1;
  EXPECT_EQ(PixelAt(shot, 0, 0), Shown(clBtnShadow));
  EXPECT_EQ(PixelAt(shot, r - 1, 0), Shown(clBtnShadow));
  EXPECT_EQ(PixelAt(shot, r, 0), Shown(clBtnHighlight));
  EXPECT_EQ(PixelAt(shot, 5, b), Shown(clBtnHighlight));
  EXPECT_EQ(PixelAt(shot, 1, 1), Shown(cl3DDkShadow));
  EXPECT_EQ(PixelAt(shot, 1, b - 2), Shown(cl3DDkShadow));
  EXPECT_EQ(PixelAt(shot, r - 1, b - 1), Shown(cl3DLight));
  EXPECT_EQ(PixelAt(shot, 2, 2), Shown(clWindow));
  EXPECT_EQ(PixelAt(shot, r - 2, b - 2), Shown(clWindow));
}

TEST_F(EditViewTest, FlatAndNoBorder) {
  edit->SetCtl3D(false);
  edit->Invalidate();
  auto shot = headless::Snapshot(edit);
  EXPECT_EQ(PixelAt(shot, 0, 0), Shown(clWindowFrame));
  EXPECT_EQ(PixelAt(shot, 1, 1), Shown(clWindow));
  edit->SetBorderStyle(bsNone);
  EXPECT_EQ(edit->Height(), CellHeight(edit->Font()));  // AutoSize: one line, no border
  shot = headless::Snapshot(edit);
  EXPECT_EQ(PixelAt(shot, 0, 0), Shown(clWindow));
}

TEST_F(EditViewTest, SelectedTextIsHighlightedOnlyWhileFocused) {
  edit->SetText(u"WWWW");
  edit->SetFocus();
  edit->SetSelStart(1);
  edit->SetSelLength(2);
  auto shot = headless::Snapshot(edit);
  TPoint from = edit->PointOfIndex(1), to = edit->PointOfIndex(3);
  int y = from.Y;  // the top row of the text cell: above the glyphs' ink
  EXPECT_EQ(PixelAt(shot, from.X, y), Shown(clHighlight));
  EXPECT_EQ(PixelAt(shot, to.X - 1, y), Shown(clHighlight));
  EXPECT_EQ(PixelAt(shot, from.X - 1, y), Shown(clWindow));
  EXPECT_EQ(PixelAt(shot, to.X + 1, y), Shown(clWindow));  // to.X holds the caret
  auto* other = Make<TEdit>(20, 80);
  other->SetFocus();
  shot = headless::Snapshot(edit);
  EXPECT_EQ(PixelAt(shot, from.X, y), Shown(clWindow));  // HideSelection
  edit->SetHideSelection(false);
  shot = headless::Snapshot(edit);
  EXPECT_EQ(PixelAt(shot, from.X, y), Shown(clHighlight));
}

TEST_F(EditViewTest, TheCaretIsDrawnOnlyInTheFocusedEdit) {
  edit->SetText(u"  ");
  edit->SetSelStart(1);
  TPoint p = edit->PointOfIndex(1);
  auto shot = headless::Snapshot(edit);
  EXPECT_EQ(PixelAt(shot, p.X, p.Y + 2), Shown(clWindow));
  edit->SetFocus();
  shot = headless::Snapshot(edit);
  EXPECT_EQ(PixelAt(shot, p.X, p.Y + 2), Shown(clWindowText));
  EXPECT_EQ(PixelAt(shot, p.X + 1, p.Y + 2), Shown(clWindow));
}

TEST_F(EditViewTest, TextInkLiesInsideTheTextArea) {
  edit->SetText(u"HHHH");
  auto shot = headless::Snapshot(edit);
  TRect area = edit->TextArea();
  int ink = 0;
  // Inside the two-pixel border ring.
  for (int y = 2; y < edit->Height() - 2; ++y) {
    for (int x = 2; x < edit->Width() - 2; ++x) {
      bool dark = (PixelAt(shot, x, y) & 0xFF) < 0x80;
      if (!dark) continue;
      ++ink;
      EXPECT_TRUE(area.Contains(Point(x, y))) << x << "," << y;
    }
  }
  EXPECT_GT(ink, 10);
}

TEST_F(EditViewTest, LongTextScrollsToKeepTheCaretVisible) {
  headless::Type(edit, String(60, u'm'));
  TRect area = edit->TextArea();
  EXPECT_GT(edit->ScrollX(), 0);
  TPoint caret = edit->PointOfIndex(edit->SelStart());
  EXPECT_GE(caret.X, area.Left);
  EXPECT_LT(caret.X, area.Right);
  headless::KeyDown(edit, VK_HOME);
  EXPECT_EQ(edit->ScrollX(), 0);
  EXPECT_EQ(edit->PointOfIndex(0).X, area.Left);
  headless::KeyDown(edit, VK_END);
  EXPECT_GT(edit->ScrollX(), 0);
  // Deleting everything leaves no text hidden on the left.
  headless::KeyDown(edit, 'A', {ssCtrl});
  headless::KeyDown(edit, VK_DELETE);
  EXPECT_EQ(edit->ScrollX(), 0);
}

TEST_F(EditViewTest, AClickPlacesTheCaretAtTheNearestBoundaryWithoutAutoSelect) {
  edit->SetText(u"abcdef");
  edit->SetAutoSelect(true);
  TPoint a = edit->PointOfIndex(2), b = edit->PointOfIndex(3);
  headless::Click(edit, a.X + 1, a.Y + 2);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->SelLength(), 0);
  EXPECT_EQ(edit->SelStart(), 2);
  headless::Click(edit, b.X - 1, b.Y + 2);
  EXPECT_EQ(edit->SelStart(), 3);
  headless::Click(edit, edit->Width() - 3, 5);  // past the text
  EXPECT_EQ(edit->SelStart(), 6);
  headless::Click(edit, 0, 5);
  EXPECT_EQ(edit->SelStart(), 0);
}

TEST_F(EditViewTest, DraggingAndShiftClickSelect) {
  edit->SetText(u"abcdef");
  TPoint from = edit->PointOfIndex(1), to = edit->PointOfIndex(4);
  headless::MouseDown(edit, mbLeft, {}, from.X, from.Y + 2);
  headless::MouseMove(edit, {ssLeft}, to.X, to.Y + 2);
  EXPECT_EQ(U8(edit->SelText()), "bcd");
  headless::MouseUp(edit, mbLeft, {}, to.X, to.Y + 2);
  EXPECT_EQ(U8(edit->SelText()), "bcd");
  headless::MouseMove(edit, {}, from.X, from.Y + 2);  // no button: no selecting
  EXPECT_EQ(U8(edit->SelText()), "bcd");
  TPoint end = edit->PointOfIndex(6);
  headless::MouseDown(edit, mbLeft, {ssShift}, end.X, end.Y + 2);
  headless::MouseUp(edit, mbLeft, {ssShift}, end.X, end.Y + 2);
  EXPECT_EQ(U8(edit->SelText()), "bcdef");
}

TEST_F(EditViewTest, DoubleClickSelectsAWord) {
  edit->SetText(u"one two three");
  TPoint p = MiddleOf(5);
  headless::DblClick(edit, p.X, p.Y);
  EXPECT_EQ(U8(edit->SelText()), "two");
}

TEST_F(EditViewTest, AutoSizeFollowsTheFont) {
  int before = edit->Height();
  edit->Font()->SetSize(20);
  EXPECT_EQ(edit->Height(), CellHeight(edit->Font()) + 8);  // the 3-D border and margins
  EXPECT_GT(edit->Height(), before);
  edit->SetAutoSize(false);
  edit->Font()->SetSize(8);
  EXPECT_GT(edit->Height(), before);
}

TEST_F(EditViewTest, ZeroSizeEditPaintsAndEdits) {
  edit->SetBounds(0, 0, 0, 0);
  headless::Type(edit, u"ab");
  EXPECT_EQ(U8(edit->Text()), "ab");
  headless::Snapshot(edit);
  EXPECT_EQ(edit->SelStart(), 2);
}

}  // namespace
}  // namespace stdtest
