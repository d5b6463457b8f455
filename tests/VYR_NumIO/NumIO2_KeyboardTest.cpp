// Keyboard scripts on the compound control: the key table, the online
// check (refused keys keep the last good text and beep), the fixed-point
// caret, the clipboard keys, Shift and Ctrl flags, read-only and focus.
#include <initializer_list>

#include "NumIO2_Support.h"
#include "platform/Clipbrd.h"
#include "platform/StdCtrls.h"

namespace numio2test {
namespace {

using vyr::TInFormat;
using vyr::itDynamic;
using vyr::itExp;
using vyr::itFixPoint;
using vyr::itFloat;
using vyr::itHex;
using vyr::itInt;

// One step of a script: typed text, or a key (with shift state).
struct Step {
  String Typed;
  std::uint16_t Key = 0;
  TShiftState Shift;
};
Step T(const String& S) { return {S, 0, {}}; }
Step K(std::uint16_t Key, TShiftState Shift = {}) { return {String(), Key, Shift}; }

struct Script {
  const char* Name;
  TInFormat Format;
  int Places;
  const char16_t* Start;
  int Caret;  // -1: the end
  std::vector<Step> Steps;
  const char* Result;
  int CaretAfter;
  int Beeps;
  int Changes;
};

class NumIO2Keyboard : public NumIO2Fixture {
 protected:
  void Run(const Script& S) {
    SCOPED_TRACE(S.Name);
    num->SetInputFormat(S.Format);
    num->SetFixPointDecPlaces(S.Places);
    num->SetText(S.Start);
    ASSERT_EQ(num->Text(), S.Start);
    num->SetBeep(true);
    num->SetSelBegin(S.Caret < 0 ? static_cast<int>(num->Text().size()) : S.Caret);
    changes = 0;
    const int beeps = headless::BeepCount();
    for (const Step& step : S.Steps) {
      if (!step.Typed.empty()) headless::Type(num, step.Typed);
      if (step.Key != 0) Key(step.Key, step.Shift);
    }
    EXPECT_EQ(Text(), S.Result);
    EXPECT_EQ(num->CaretPos(), S.CaretAfter);
    EXPECT_EQ(headless::BeepCount() - beeps, S.Beeps);
    EXPECT_EQ(changes, S.Changes);
  }
};

TEST_F(NumIO2Keyboard, TypingIsCheckedKeyByKey) {
  const Script scripts[] = {
      {"float digits", itFloat, 2, u"", 0, {T(u"12.5")}, "12.5", 4, 0, 4},
      {"second point refused", itFloat, 2, u"12.5", -1, {T(u".")}, "12.5", 4, 1, 0},
      {"letter refused", itFloat, 2, u"12", -1, {T(u"A")}, "12", 2, 1, 0},
      {"unknown key beeps", itFloat, 2, u"12", -1, {K(VK_F5)}, "12", 2, 1, 0},
      {"lone sign passes", itFloat, 2, u"", 0, {T(u"-")}, "-", 1, 0, 1},
      {"sign after digits refused", itInt, 2, u"", 0, {T(u"-12+")}, "-12", 3, 1, 3},
      {"insert inside", itInt, 2, u"1234", 2, {T(u"9")}, "12934", 3, 0, 1},
      {"exponent typed", itExp, 2, u"", 0, {T(u"1.5e-3")}, "1.5E-3", 6, 0, 6},
      {"comma and point in both mode", itFloat, 2, u"", 0, {T(u"1,5")}, "1,5", 3, 0, 3},
      {"hex letters", itHex, 2, u"", 0, {T(u"fF0")}, "FF0", 3, 0, 3},
      {"hex refuses G", itHex, 2, u"F", -1, {T(u"g")}, "F", 1, 1, 0},
      {"shifted digits that are no prefix", itFloat, 2, u"1", -1, {T(u"!")}, "1", 1, 1, 0},
      {"dynamic prefix alone refused", itDynamic, 2, u"", 0, {T(u"$")}, "", 0, 1, 0},
      {"dynamic prefix put in front", itDynamic, 2, u"", 0, {T(u"1FF"), K(VK_HOME), T(u"$")}, "$1FF", 1, 0, 4},
      {"number pad", itFloat, 2, u"", 0, {K(VK_NUMPAD1), K(VK_DECIMAL), K(VK_NUMPAD5), K(VK_SUBTRACT)},
       "1,5", 3, 1, 3},
      {"number pad sign", itInt, 2, u"", 0, {K(VK_ADD), K(VK_NUMPAD7)}, "+7", 2, 0, 2},
      {"backspace at the start", itInt, 2, u"12", 0, {K(VK_BACK)}, "12", 0, 0, 0},
      {"backspace", itInt, 2, u"123", 2, {K(VK_BACK)}, "13", 1, 0, 1},
      {"delete at the end", itInt, 2, u"12", -1, {K(VK_DELETE)}, "12", 2, 0, 0},
      {"delete", itInt, 2, u"123", 0, {K(VK_DELETE)}, "23", 0, 0, 1},
      {"deleting to an empty text", itFloat, 2, u"-5", -1, {K(VK_BACK), K(VK_BACK)}, "", 0, 0, 2},
      {"deleting the fixed point refused", itFixPoint, 2, u"12.50", 3, {K(VK_BACK)}, "12.50", 3, 1, 0},
      {"caret keys", itInt, 2, u"1234", 2, {K(VK_LEFT), K(VK_UP), K(VK_LEFT)}, "1234", 0, 0, 0},
      {"caret keys to the end", itInt, 2, u"1234", 1, {K(VK_RIGHT), K(VK_DOWN), K(VK_RIGHT), K(VK_RIGHT)},
       "1234", 4, 0, 0},
      {"home and end", itInt, 2, u"1234", 2, {K(VK_HOME), T(u"9"), K(VK_END), T(u"8")}, "912348", 6, 0, 2},
      {"ctrl with another key beeps", itInt, 2, u"12", -1, {K('A', {ssCtrl})}, "12", 2, 1, 0},
  };
  for (const Script& s : scripts) Run(s);
}

TEST_F(NumIO2Keyboard, FixedPointCaretOverwritesDecimals) {
  const Script scripts[] = {
      // Right to just after the 5 selects the 0 that follows; 7 replaces it.
      {"overwrite by selection", itFixPoint, 2, u"12.50", 3, {K(VK_RIGHT), T(u"7")}, "12.57", 5, 0, 1},
      {"each decimal in turn", itFixPoint, 2, u"12.50", 2, {K(VK_RIGHT), T(u"34")}, "12.34", 5, 0, 2},
      // A caret put into the decimals without a selection would lengthen them.
      {"insertion refused", itFixPoint, 2, u"12.50", 4, {T(u"7")}, "12.50", 4, 1, 0},
      {"integer part grows", itFixPoint, 2, u"12.50", 0, {T(u"9")}, "912.50", 1, 0, 1},
      {"first digit of two places refused", itFixPoint, 2, u"", 0, {T(u"1")}, "", 0, 1, 0},
      {"first digit of one place taken", itFixPoint, 1, u"", 0, {T(u"1")}, "1", 1, 0, 1},
      {"comma never serves", itFixPoint, 2, u"12", -1, {T(u",")}, "12", 2, 1, 0},
  };
  for (const Script& s : scripts) Run(s);
  // After the keys of the first script the caret rests at the end, nothing selected.
  num->SetInputFormat(itFixPoint);
  num->SetText(u"12.50");
  num->SetSelBegin(3);
  Key(VK_RIGHT);
  EXPECT_EQ(num->SelBegin(), 4);
  EXPECT_EQ(num->SelEnd(), 5);
  Key(VK_HOME);
  EXPECT_EQ(num->SelBegin(), num->SelEnd());
}

TEST_F(NumIO2Keyboard, DeletingASelectionThatEmptiesTheTextShowsZero) {
  for (std::uint16_t key : {VK_BACK, VK_DELETE}) {
    num->SetText(u"12.5");
    num->SetSelBegin(0);
    num->SetSelEnd(4);
    changes = 0;
    Key(key);
    EXPECT_EQ(Text(), "0.00");
    EXPECT_EQ(num->CaretPos(), 0);
    EXPECT_EQ(changes, 1);
  }
  // Typing over everything gives what was typed.
  num->SetSelBegin(0);
  num->SetSelEnd(4);
  headless::Type(num, u"7");
  EXPECT_EQ(Text(), "7");
  // A selection in the middle goes, the caret stands where it began.
  num->SetText(u"123456");
  num->SetSelBegin(1);
  num->SetSelEnd(4);
  Key(VK_BACK);
  EXPECT_EQ(Text(), "156");
  EXPECT_EQ(num->CaretPos(), 1);
}

TEST_F(NumIO2Keyboard, ClipboardKeys) {
  num->SetText(u"123.5");
  num->SetSelBegin(1);
  num->SetSelEnd(3);
  Clipboard().SetAsText(u"old");
  Key('C', {ssCtrl});
  EXPECT_EQ(Clipboard().AsText(), u"23");
  EXPECT_EQ(Text(), "123.5");
  // Ctrl held as a key of its own, then X: cut.
  headless::KeyDown(num, VK_CONTROL, {ssCtrl});
  Key('X');
  headless::KeyUp(num, VK_CONTROL);
  EXPECT_EQ(Text(), "1.5");
  EXPECT_EQ(num->CaretPos(), 1);
  EXPECT_EQ(changes, 1);
  // Paste at the caret, caret behind it.
  Clipboard().SetAsText(u"77");
  Key('V', {ssCtrl});
  EXPECT_EQ(Text(), "177.5");
  EXPECT_EQ(num->CaretPos(), 3);
  // Paste over a selection replaces it.
  num->SetSelBegin(0);
  num->SetSelEnd(3);
  Key('V', {ssCtrl});
  EXPECT_EQ(Text(), "77.5");
  // A paste that is no number is refused with a beep.
  num->SetBeep(true);
  const int beeps = headless::BeepCount();
  Clipboard().SetAsText(u"abc");
  Key('V', {ssCtrl});
  EXPECT_EQ(Text(), "77.5");
  EXPECT_EQ(headless::BeepCount(), beeps + 1);
  // Copying nothing leaves the clipboard alone; cutting everything shows 0.
  num->SetSelBegin(2);
  Key('C', {ssCtrl});
  EXPECT_EQ(Clipboard().AsText(), u"abc");
  num->SetSelBegin(0);
  num->SetSelEnd(4);
  Key('X', {ssCtrl});
  EXPECT_EQ(Clipboard().AsText(), u"77.5");
  EXPECT_EQ(Text(), "0.00");
}

TEST_F(NumIO2Keyboard, ShiftFlagFollowsTheShiftKey) {
  num->SetInputFormat(itDynamic);
  num->SetText(u"");
  headless::KeyDown(num, VK_SHIFT, {ssShift});
  headless::KeyDown(num, '5', {});  // the flag alone makes it shifted
  EXPECT_EQ(Text(), "");             // "%" alone is refused
  headless::KeyUp(num, VK_SHIFT);
  Key('5');
  EXPECT_EQ(Text(), "5");
  Key(VK_HOME);
  Key('6', {ssShift});
  EXPECT_EQ(Text(), "&5");
  EXPECT_DOUBLE_EQ(num->Value(), 5.0);
}

TEST_F(NumIO2Keyboard, ReadOnlyIgnoresKeysButCopies) {
  num->SetText(u"42");
  num->SetFocus();
  num->SetReadOnly(true);
  headless::Advance(1000);
  EXPECT_FALSE(num->CaretVisible());  // the blink stopped with the caret hidden
  num->SetBeep(true);
  const int beeps = headless::BeepCount();
  headless::Type(num, u"7");
  Key(VK_BACK);
  EXPECT_EQ(Text(), "42");
  EXPECT_EQ(headless::BeepCount(), beeps);
  EXPECT_EQ(changes, 0);
  num->SetSelBegin(0);
  num->SetSelEnd(2);
  Key('C', {ssCtrl});
  EXPECT_EQ(Clipboard().AsText(), u"42");
  Key('X', {ssCtrl});
  EXPECT_EQ(Text(), "42");
  num->SetReadOnly(false);
  EXPECT_TRUE(num->CaretVisible());
  headless::Advance(500);
  EXPECT_FALSE(num->CaretVisible());
}

TEST_F(NumIO2Keyboard, KeyDownHandlersSeeKeysFirst) {
  int seen = 0;
  num->SetOnKeyDown([&](TObject*, std::uint16_t& Key, TShiftState) {
    ++seen;
    if (Key == '1') Key = 0;  // swallowed: the control never types it
  });
  headless::Type(num, u"123");
  EXPECT_EQ(Text(), "23");
  EXPECT_EQ(seen, 3);
  form->SetKeyPreview(true);
  form->SetOnKeyDown([](TObject*, std::uint16_t& Key, TShiftState) {
    if (Key == '2') Key = 0;
  });
  headless::Type(num, u"24");
  EXPECT_EQ(Text(), "234");
}

TEST_F(NumIO2Keyboard, TabMovesTheFocusOn) {
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetTop(100);
  num->SetFocus();
  ASSERT_TRUE(num->Focused());
  headless::KeyDown(num, VK_TAB);  // a release would go to num and focus it again
  EXPECT_TRUE(edit->Focused());
  headless::KeyDown(edit, VK_TAB);
  EXPECT_TRUE(num->Focused());
  EXPECT_EQ(Text(), "");
}

TEST_F(NumIO2Keyboard, ChangeEventMayFreeTheControl) {
  num->SetOnChange([this](TObject*) {
    delete num;
    num = nullptr;
  });
  headless::KeyDown(num, '5');
  EXPECT_EQ(num, nullptr);
}

}  // namespace
}  // namespace numio2test
