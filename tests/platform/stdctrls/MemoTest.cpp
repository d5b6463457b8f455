// The memo: lines, line breaks typed and pasted, vertical movement, word
// wrapping, scrolling and form files.
#include "platform/StdCtrls.h"
#include "StdTestSupport.h"

namespace stdtest {
namespace {

// Exposes the layout of the shown lines.
class TProbeMemo : public TMemo {
 public:
  using TMemo::TMemo;
  int ShownLines() { return static_cast<int>(VisualLines().size()); }
  int ShownTop() const { return TopLine(); }
  TScrollBarLayout BarLayout(TScrollBarKind Kind) const {
    return WindowScrollBars().Bar(Kind).Layout();
  }
};

class MemoTest : public HeadlessFormTest {
 protected:
  void SetUp() override {
    HeadlessFormTest::SetUp();
    memo = Make<TProbeMemo>(10, 10);
  }
  void Key(std::uint16_t K, TShiftState S = {}) { headless::KeyDown(memo, K, S); }
  TProbeMemo* memo = nullptr;
};

TEST_F(MemoTest, Defaults) {
  EXPECT_EQ(memo->Width(), 185);
  EXPECT_EQ(memo->Height(), 89);
  EXPECT_TRUE(memo->WordWrap());
  EXPECT_TRUE(memo->WantReturns());
  EXPECT_FALSE(memo->WantTabs());
  EXPECT_EQ(memo->ScrollBars(), ssNone);
  EXPECT_EQ(memo->Lines()->Count(), 0);
  EXPECT_NE(memo->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, 0);
}

TEST_F(MemoTest, EnterStartsANewLine) {
  headless::Type(memo, u"one\ntwo");
  EXPECT_EQ(memo->Text(), u"one\ntwo");
  ASSERT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Strings(1), u"two");
  EXPECT_EQ(memo->CaretPos(), Point(3, 1));
  Key(VK_RETURN);  // the key alone as well
  EXPECT_EQ(memo->Text(), u"one\ntwo\n");
  EXPECT_EQ(memo->Lines()->Count(), 2);  // a last line break starts no line
  EXPECT_EQ(memo->CaretPos(), Point(0, 2));
}

TEST_F(MemoTest, UpAndDownKeepTheColumnAcrossShortLines) {
  memo->SetText(u"abcdef\nab\nabcdef");
  memo->SetSelStart(5);
  Key(VK_DOWN);
  EXPECT_EQ(memo->CaretPos(), Point(2, 1));  // the short line's end
  Key(VK_DOWN);
  EXPECT_EQ(memo->CaretPos(), Point(5, 2));  // back to the column it had
  Key(VK_UP, {ssShift});
  Key(VK_UP, {ssShift});
  EXPECT_EQ(memo->SelLength(), 10);  // from (5, 2) back to (5, 0)
  Key(VK_DOWN);
  Key(VK_DOWN);
  Key(VK_DOWN);  // below the last line: its end
  EXPECT_EQ(memo->SelStart(), memo->GetTextLen());
}

TEST_F(MemoTest, HomeEndWorkOnTheLineAndCtrlOnTheText) {
  memo->SetText(u"first\nsecond\nthird");
  memo->SetCaretPos(Point(3, 1));
  Key(VK_HOME);
  EXPECT_EQ(memo->CaretPos(), Point(0, 1));
  Key(VK_END);
  EXPECT_EQ(memo->CaretPos(), Point(6, 1));
  Key(VK_HOME, {ssCtrl});
  EXPECT_EQ(memo->SelStart(), 0);
  Key(VK_END, {ssCtrl, ssShift});
  EXPECT_EQ(memo->SelText(), memo->Text());
}

TEST_F(MemoTest, LinesEditTheText) {
  TStrings* lines = memo->Lines();
  lines->Add(u"a");
  lines->Add(u"b");
  EXPECT_EQ(memo->Text(), u"a\nb\n");
  lines->Insert(1, u"x");
  EXPECT_EQ(memo->Text(), u"a\nx\nb\n");
  lines->SetStrings(2, u"B\nC");  // a line stays one line
  EXPECT_EQ(lines->Strings(2), u"B C");
  lines->Delete(0);
  EXPECT_EQ(memo->Text(), u"x\nB C\n");
  memo->SetText(u"no break");
  lines->Add(u"next");
  EXPECT_EQ(memo->Text(), u"no break\nnext");
  EXPECT_THROW(lines->Strings(5), EListError);
  lines->SetText(u"r1\r\nr2\rr3");
  EXPECT_EQ(memo->Text(), u"r1\nr2\nr3");
  EXPECT_EQ(lines->Count(), 3);
  lines->Clear();
  EXPECT_EQ(memo->Text(), u"");
}

TEST_F(MemoTest, PastedLineBreaksStayAndTabsNeedWantTabs) {
  Clipboard()->SetAsText(u"p\r\nq");
  headless::KeyDown(memo, 'V', {ssCtrl});
  EXPECT_EQ(memo->Text(), u"p\nq");
  headless::Type(memo, u"\t");
  EXPECT_EQ(memo->Text(), u"p\nq");
  memo->SetWantTabs(true);
  headless::Type(memo, u"\t");
  EXPECT_EQ(memo->Text(), u"p\nq\t");
  memo->SetWantReturns(false);
  headless::Type(memo, u"\n");
  EXPECT_EQ(memo->Text(), u"p\nq\t");
}

TEST_F(MemoTest, WordWrapBreaksLongLinesAtBlanks) {
  memo->SetText(u"alpha beta gamma delta epsilon zeta eta theta iota kappa");
  memo->SetWidth(80);
  int wrapped = memo->ShownLines();
  EXPECT_GT(wrapped, 2);
  memo->SetWordWrap(false);
  EXPECT_EQ(memo->ShownLines(), 1);
  memo->SetWordWrap(true);
  // Every shown line but the last ends after a blank.
  memo->SetSelStart(0);
  for (int i = 0; i < wrapped - 1; ++i) {
    headless::KeyDown(memo, VK_END);
    EXPECT_EQ(memo->Text()[memo->SelStart() - 1], u' ');
    headless::KeyDown(memo, VK_RIGHT);
  }
}

TEST_F(MemoTest, TheTopLineFollowsTheCaret) {
  String text;
  for (int i = 0; i < 30; ++i) text += u"line\n";
  memo->SetText(text);
  memo->SetFocus();
  Key(VK_END, {ssCtrl});
  EXPECT_GT(memo->ShownTop(), 20);
  TPoint caret = memo->PointOfIndex(memo->SelStart());
  EXPECT_LT(caret.Y, memo->TextArea().Bottom);
  Key(VK_PRIOR);
  Key(VK_PRIOR);
  Key(VK_PRIOR);
  Key(VK_PRIOR);
  Key(VK_PRIOR);
  Key(VK_PRIOR);
  EXPECT_EQ(memo->ShownTop(), 0);
  EXPECT_EQ(memo->CaretPos().Y, 0);
}

TEST_F(MemoTest, ScrollBarsTakeRoomFromTheText) {
  int full = memo->TextArea().Width();
  memo->SetScrollBars(ssVertical);
  EXPECT_EQ(memo->TextArea().Width(), full - 17);
  auto shot = headless::Snapshot(memo);
  TRect area = memo->TextArea();
  // The bar lies right of the text's margin, inside the border; with
  // nothing to scroll it shows its track and no thumb.
  TScrollBarLayout bar = memo->BarLayout(sbVertical);
  EXPECT_EQ(bar.Bar.Left, area.Right + 1);
  EXPECT_FALSE(bar.Active);
  EXPECT_EQ(PixelAt(shot, area.Right + 5, (bar.Track.Top + bar.Track.Bottom) / 2), Shown(clScrollBar));
}

TEST_F(MemoTest, AClickOnALineAndTheSecondRow) {
  memo->SetText(u"top\nbottom");
  TPoint second = memo->PointOfIndex(6);
  headless::Click(memo, second.X + 1, second.Y + 2);
  EXPECT_EQ(memo->CaretPos(), Point(2, 1));
}

TEST_F(MemoTest, FormFilesStoreLinesNotText) {
  auto* plain = Make<TMemo>(0, 0);
  plain->SetName(u"Memo1");
  TMemo* memo = plain;
  memo->Lines()->Add(u"it's");
  memo->Lines()->Add(u"two");
  memo->SetWordWrap(false);
  String text = WriteComponentToText(memo);
  EXPECT_EQ(text.find(u"Text ="), String::npos) << ToUTF8(text);
  std::unique_ptr<TComponent> back(ReadComponentFromText(text));
  auto* read = dynamic_cast<TMemo*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Lines()->Count(), 2);
  EXPECT_EQ(read->Lines()->Strings(0), u"it's");
  EXPECT_FALSE(read->WordWrap());
}

}  // namespace
}  // namespace stdtest
