// The edit control driven by keys: typing, caret movement, selection with
// Shift, deleting, clipboard keys, limits and the change notification.
#include "platform/StdCtrls.h"
#include "StdTestSupport.h"

namespace stdtest {
namespace {

class EditKeysTest : public HeadlessFormTest {
 protected:
  void SetUp() override {
    HeadlessFormTest::SetUp();
    edit = Make<TEdit>(10, 10);
    edit->SetAutoSelect(false);
    edit->SetOnChange([this](TObject* sender) {
      EXPECT_EQ(sender, edit);
      ++changes;
    });
  }
  void Key(std::uint16_t K, TShiftState S = {}) { headless::KeyDown(edit, K, S); }
  std::string Text() const { return U8(edit->Text()); }

  TEdit* edit = nullptr;
  int changes = 0;
};

TEST_F(EditKeysTest, TypedCharactersGoInAtTheCaretAndMoveIt) {
  headless::Type(edit, u"abc");
  EXPECT_EQ(Text(), "abc");
  EXPECT_EQ(edit->SelStart(), 3);
  Key(VK_LEFT);
  Key(VK_LEFT);
  headless::Type(edit, u"X");
  EXPECT_EQ(Text(), "aXbc");
  EXPECT_EQ(edit->SelStart(), 2);
  Key(VK_HOME);
  headless::Type(edit, u"<");
  Key(VK_END);
  headless::Type(edit, u">");
  EXPECT_EQ(Text(), "<aXbc>");
  EXPECT_EQ(changes, 6);
  EXPECT_TRUE(edit->Modified());
}

TEST_F(EditKeysTest, BackspaceAndDeleteRemoveOneCharacterOrTheSelection) {
  headless::Type(edit, u"hello");
  headless::Type(edit, u"\b");  // key and character: one deletion
  EXPECT_EQ(Text(), "hell");
  Key(VK_BACK);  // the key alone deletes too
  EXPECT_EQ(Text(), "hel");
  Key(VK_HOME);
  Key(VK_DELETE);
  EXPECT_EQ(Text(), "el");
  Key(VK_END);
  Key(VK_DELETE);  // nothing after the caret
  Key(VK_HOME);
  Key(VK_BACK);    // nothing before it
  EXPECT_EQ(Text(), "el");
  Key(VK_RIGHT, {ssShift});
  Key(VK_RIGHT, {ssShift});
  Key(VK_DELETE);
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(changes, 5 + 4);
}

TEST_F(EditKeysTest, ShiftArrowsAndHomeEndSelectFromTheAnchor) {
  headless::Type(edit, u"abcdef");
  Key(VK_LEFT, {ssShift});
  Key(VK_LEFT, {ssShift});
  EXPECT_EQ(edit->SelStart(), 4);
  EXPECT_EQ(edit->SelLength(), 2);
  EXPECT_EQ(U8(edit->SelText()), "ef");
  Key(VK_HOME, {ssShift});
  EXPECT_EQ(U8(edit->SelText()), "abcdef");
  EXPECT_EQ(edit->CaretIndex(), 0);
  Key(VK_RIGHT, {ssShift});  // shrinks from the caret end, the anchor stays
  EXPECT_EQ(U8(edit->SelText()), "bcdef");
  Key(VK_LEFT);  // collapses to the selection's start
  EXPECT_EQ(edit->SelLength(), 0);
  EXPECT_EQ(edit->SelStart(), 1);
  Key(VK_END, {ssShift});
  headless::Type(edit, u"Z");  // typing replaces the selection
  EXPECT_EQ(Text(), "aZ");
}

TEST_F(EditKeysTest, CtrlArrowsJumpByWords) {
  headless::Type(edit, u"one two  three");
  Key(VK_LEFT, {ssCtrl});
  EXPECT_EQ(edit->SelStart(), 9);
  Key(VK_LEFT, {ssCtrl});
  EXPECT_EQ(edit->SelStart(), 4);
  Key(VK_RIGHT, {ssCtrl, ssShift});
  EXPECT_EQ(U8(edit->SelText()), "two  ");
}

TEST_F(EditKeysTest, ClipboardKeysCopyCutAndPaste) {
  headless::Type(edit, u"left right");
  Key(VK_LEFT, {ssShift, ssCtrl});
  Key('C', {ssCtrl});
  EXPECT_EQ(U8(Clipboard()->AsText()), "right");
  EXPECT_EQ(Text(), "left right");
  Key(VK_HOME);
  Key('V', {ssCtrl});
  EXPECT_EQ(Text(), "rightleft right");
  EXPECT_EQ(edit->SelStart(), 5);
  Key('A', {ssCtrl});
  EXPECT_EQ(edit->SelLength(), 15);
  Key('X', {ssCtrl});
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(U8(Clipboard()->AsText()), "rightleft right");
  Key(VK_INSERT, {ssShift});
  EXPECT_EQ(Text(), "rightleft right");
}

TEST_F(EditKeysTest, ControlCharactersWithoutTheirKeyStillAct) {
  headless::Type(edit, u"abc");
  headless::KeyPress(edit, 1);  // Ctrl+A as a character
  EXPECT_EQ(edit->SelLength(), 3);
  headless::KeyPress(edit, 3);
  EXPECT_EQ(U8(Clipboard()->AsText()), "abc");
  headless::KeyPress(edit, 8);
  EXPECT_EQ(Text(), "");
  headless::KeyPress(edit, 7);  // a bell character is not text
  EXPECT_EQ(Text(), "");
}

TEST_F(EditKeysTest, PasteIntoASingleLineStopsAtTheFirstLineBreak) {
  Clipboard()->SetAsText(u"first\r\nsecond");
  Key('V', {ssCtrl});
  EXPECT_EQ(Text(), "first");
}

TEST_F(EditKeysTest, MaxLengthLimitsTypingAndPastingButNotCode) {
  edit->SetMaxLength(4);
  headless::Type(edit, u"abcdef");
  EXPECT_EQ(Text(), "abcd");
  EXPECT_EQ(changes, 4);
  Key(VK_LEFT, {ssShift});
  Clipboard()->SetAsText(u"XYZ");
  Key('V', {ssCtrl});  // one place is free after the selection goes
  EXPECT_EQ(Text(), "abcX");
  edit->SetText(u"longer than four");
  EXPECT_EQ(Text(), "longer than four");
}

TEST_F(EditKeysTest, ReadOnlyRefusesEditsButAllowsMovingAndCopying) {
  edit->SetText(u"fixed");
  edit->SetReadOnly(true);
  changes = 0;
  headless::Type(edit, u"x\b");
  Key(VK_DELETE);
  Clipboard()->SetAsText(u"paste");
  Key('V', {ssCtrl});
  Key('X', {ssCtrl});
  EXPECT_EQ(Text(), "fixed");
  EXPECT_EQ(changes, 0);
  Key(VK_END);
  Key(VK_LEFT, {ssShift});
  Key('C', {ssCtrl});
  EXPECT_EQ(U8(Clipboard()->AsText()), "d");
  EXPECT_FALSE(edit->Modified());
}

TEST_F(EditKeysTest, PasswordCharRefusesCopyAndCut) {
  headless::Type(edit, u"secret");
  edit->SetPasswordChar(u'*');
  Clipboard()->SetAsText(u"before");
  Key('A', {ssCtrl});
  Key('C', {ssCtrl});
  Key('X', {ssCtrl});
  EXPECT_EQ(U8(Clipboard()->AsText()), "before");
  EXPECT_EQ(Text(), "secret");
}

TEST_F(EditKeysTest, KeyHandlersMaySwallowOrChangeKeys) {
  edit->SetOnKeyDown([](TObject*, std::uint16_t& key, TShiftState) {
    if (key == VK_BACK) key = 0;
  });
  edit->SetOnKeyPress([](TObject*, char16_t& ch) {
    if (ch == u'x') ch = 0;
    if (ch >= u'a' && ch <= u'z') ch = static_cast<char16_t>(ch - 32);
  });
  headless::Type(edit, u"abxc");
  EXPECT_EQ(Text(), "ABC");
  Key(VK_BACK);
  EXPECT_EQ(Text(), "ABC");
}

TEST_F(EditKeysTest, CharCaseConvertsTypedAndExistingText) {
  headless::Type(edit, u"Mixed");
  edit->SetCharCase(ecUpperCase);
  EXPECT_EQ(Text(), "MIXED");
  headless::Type(edit, u"q");
  EXPECT_EQ(Text(), "MIXEDQ");
}

TEST_F(EditKeysTest, UndoSwapsWithTheTextBeforeTheLastEdit) {
  headless::Type(edit, u"ab");
  Key('Z', {ssCtrl});
  EXPECT_EQ(Text(), "a");
  EXPECT_TRUE(edit->CanUndo());
  Key('Z', {ssCtrl});
  EXPECT_EQ(Text(), "ab");
}

TEST_F(EditKeysTest, TextSetByCodeFiresChangeOnlyWhenItDiffersAndResetsTheCaret) {
  edit->SetText(u"one");
  edit->SetText(u"one");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(edit->SelStart(), 0);
  EXPECT_FALSE(edit->Modified());
  edit->SetSelStart(99);
  EXPECT_EQ(edit->SelStart(), 3);
  edit->SetSelStart(1);
  edit->SetSelLength(-5);  // selects to the left of the start, within the text
  EXPECT_EQ(edit->SelStart(), 0);
  EXPECT_EQ(edit->SelLength(), 1);
  edit->SetSelText(u"ONE-");
  EXPECT_EQ(Text(), "ONE-ne");
  edit->Clear();
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(changes, 3);
}

TEST_F(EditKeysTest, NavigationAloneChangesNothing) {
  headless::Type(edit, u"abc");
  changes = 0;
  for (std::uint16_t k : {VK_LEFT, VK_HOME, VK_END, VK_UP, VK_DOWN}) Key(k, {ssShift});
  EXPECT_EQ(changes, 0);
}

TEST_F(EditKeysTest, AutoSelectSelectsAllWhenEnteredByKeyboard) {
  edit->SetText(u"old");
  edit->SetAutoSelect(true);
  auto* other = Make<TEdit>(10, 50);
  other->SetFocus();
  edit->SetFocus();
  EXPECT_EQ(edit->SelLength(), 3);
  headless::Type(edit, u"new");
  EXPECT_EQ(Text(), "new");
}

TEST_F(EditKeysTest, SurrogatePairsMoveAndDeleteAsOneCharacter) {
  edit->SetText(u"a\U0001F600b");
  edit->SetSelStart(4);
  Key(VK_LEFT);
  Key(VK_LEFT);
  EXPECT_EQ(edit->SelStart(), 1);
  Key(VK_DELETE);
  EXPECT_EQ(Text(), "ab");
  edit->SetText(u"\U0001F600");
  edit->SetSelStart(1);  // inside the pair: goes before it
  EXPECT_EQ(edit->SelStart(), 0);
}

TEST_F(EditKeysTest, EnterAndEscapeAreLeftToTheForm) {
  headless::Type(edit, u"a");
  headless::KeyDown(edit, VK_RETURN);
  headless::KeyPress(edit, u'\r');
  EXPECT_EQ(Text(), "a");
  LRESULT code = edit->Perform(WM_GETDLGCODE, 0, 0);
  EXPECT_EQ(code & DLGC_WANTALLKEYS, 0);
  EXPECT_NE(code & DLGC_WANTARROWS, 0);
}

}  // namespace
}  // namespace stdtest
