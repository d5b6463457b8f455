// The numeric edit field under typed input: accepted and refused keys,
// beeps, caret placement and the fixed-point rewriting.
#include "NumIO_Support.h"

namespace numiotest {
namespace {

using vyr::itDynamic;
using vyr::itExp;
using vyr::itFixPoint;
using vyr::itFloat;
using vyr::itHex;
using vyr::itInt;

class NumIOTypingTest : public NumIOFixture {};

TEST_F(NumIOTypingTest, RefusedKeysRestoreTheLastGoodTextAndBeepOnlyWhenAsked) {
  num->SetInputFormat(itInt);
  Range(-100, 100);
  TypeAtEnd(u"12a");
  EXPECT_EQ(Text(), "12");
  EXPECT_EQ(num->SelStart(), 2);
  EXPECT_EQ(headless::BeepCount(), 0);
  EXPECT_EQ(changes, 2);
  num->SetBeep(true);
  TypeAtEnd(u"x5");  // x refused with a beep, 5 makes 125: out of range
  EXPECT_EQ(Text(), "12");
  EXPECT_EQ(headless::BeepCount(), 2);
  TypeAtEnd(u"-");
  EXPECT_EQ(headless::BeepCount(), 3);
  EXPECT_EQ(changes, 2);
}

TEST_F(NumIOTypingTest, ARefusedKeyInTheMiddleLeavesTheCaretOneToTheLeft) {
  num->SetInputFormat(itInt);
  Range(0, 10000);
  TypeAtEnd(u"123");
  num->SetSelStart(1);
  headless::Type(num, u"q");  // "1q23", caret 2, refused
  EXPECT_EQ(Text(), "123");
  EXPECT_EQ(num->SelStart(), 1);
  headless::Type(num, u"9");
  EXPECT_EQ(Text(), "1923");
}

TEST_F(NumIOTypingTest, ARunTimeFieldAcceptsOnlyZeroUntilItGetsARange) {
  EXPECT_EQ(num->RangeLow(), 0.0);
  EXPECT_EQ(num->RangeHigh(), 0.0);
  TypeAtEnd(u"5");
  EXPECT_EQ(Text(), "");
  TypeAtEnd(u"0");
  EXPECT_EQ(Text(), "0");
  TypeAtEnd(u".0");
  EXPECT_EQ(Text(), "0.0");
  TypeAtEnd(u"1");
  EXPECT_EQ(Text(), "0.0");
}

TEST_F(NumIOTypingTest, IntegerBeyondThirtyTwoBitsIsRefused) {
  num->SetInputFormat(itInt);
  Range(-1e12, 1e12);
  TypeAtEnd(u"2147483647");
  EXPECT_EQ(Text(), "2147483647");
  EXPECT_DOUBLE_EQ(num->Value(), 2147483647.0);
  num->SetText(u"2147483648");
  EXPECT_EQ(Text(), "2147483647");
  num->SelectAll();
  headless::Type(num, u"2147483648");  // the last digit would leave 32 bits
  EXPECT_EQ(Text(), "214748364");
  num->SetText(u"-2147483648");
  EXPECT_EQ(Text(), "-2147483648");
  EXPECT_DOUBLE_EQ(num->Value(), -2147483648.0);
  num->SetText(u"-2147483649");
  EXPECT_EQ(Text(), "-2147483648");
}

TEST_F(NumIOTypingTest, ExponentTextIsAcceptedWhileItIsBeingTyped) {
  num->SetInputFormat(itExp);
  Range(-1e9, 1e9);
  TypeAtEnd(u"1.5e");
  EXPECT_EQ(Text(), "1.5e");
  TypeAtEnd(u"-");
  EXPECT_EQ(Text(), "1.5e-");
  TypeAtEnd(u"3");
  EXPECT_EQ(Text(), "1.5e-3");
  EXPECT_DOUBLE_EQ(num->Value(), 0.0015);
  TypeAtEnd(u"e");
  EXPECT_EQ(Text(), "1.5e-3");
  num->SetText(u"2E+");
  EXPECT_EQ(Text(), "2E+");
  num->SetText(u"2E+-");
  EXPECT_EQ(Text(), "2E+");
  num->SetText(u"1e10");  // a number, but outside the range
  EXPECT_EQ(Text(), "2E+");
}

TEST_F(NumIOTypingTest, FloatRefusesAnExponent) {
  num->SetInputFormat(itFloat);
  Range(-10, 10);
  TypeAtEnd(u"1.5e");
  EXPECT_EQ(Text(), "1.5");
}

TEST_F(NumIOTypingTest, BlanksLeadingAreIgnoredOthersRefused) {
  num->SetInputFormat(itFloat);
  Range(-10, 10);
  num->SetText(u"   ");
  EXPECT_EQ(Text(), "   ");  // blanks only: the value 0
  EXPECT_EQ(num->Value(), 0.0);
  num->SetText(u" 5");
  EXPECT_EQ(Text(), " 5");
  num->SetText(u"5 ");
  EXPECT_EQ(Text(), " 5");
  num->SetText(u"5 5");
  EXPECT_EQ(Text(), " 5");
}

TEST_F(NumIOTypingTest, DynamicFormatFollowsTheFirstCharacter) {
  Range(-1e6, 1e6);
  struct Case { const char16_t* Text; double Value; };
  for (Case c : {Case{u"$1F", 31}, Case{u"&17", 15}, Case{u"%101", 5}, Case{u"1e3", 1000},
                 Case{u"$", 0}, Case{u"-2.5", -2.5}}) {
    num->SetText(c.Text);
    EXPECT_EQ(num->Text(), String(c.Text));
    EXPECT_DOUBLE_EQ(num->Value(), c.Value) << ToUTF8(c.Text);
  }
  num->SetText(u"%1");
  for (const char16_t* bad : {u"%12", u"&8", u"$G", u"1e3x"}) {
    num->SetText(bad);
    EXPECT_EQ(Text(), "%1") << ToUTF8(bad);
  }
}

TEST_F(NumIOTypingTest, HexadecimalIsCaseFree) {
  num->SetInputFormat(itHex);
  Range(0, 1e6);
  TypeAtEnd(u"fF");
  EXPECT_EQ(Text(), "fF");
  EXPECT_EQ(num->Value(), 255.0);
  TypeAtEnd(u"g");
  EXPECT_EQ(Text(), "fF");
}

TEST_F(NumIOTypingTest, CommaOnlySeparatorTypesAndReadsWithTheComma) {
  num->SetInputFormat(itFloat);
  num->SetDecPlaceSep(dsComma);
  Range(0, 100);
  TypeAtEnd(u"12,5");
  EXPECT_EQ(Text(), "12,5");
  EXPECT_DOUBLE_EQ(num->Value(), 12.5);
  TypeAtEnd(u".");
  EXPECT_EQ(Text(), "12,5");
  num->SetDecPlaceSep(dsPoint);  // rechecked: the comma is no separator now
  EXPECT_EQ(Text(), "");
  num->SetDecPlaceSep(dsBoth);
  num->SetText(u"3,25");
  EXPECT_DOUBLE_EQ(num->Value(), 3.25);
}

// ---------------------------------------------------------------- fixed point

class NumIOFixPointTest : public NumIOFixture {
 protected:
  void SetUp() override {
    NumIOFixture::SetUp();
    num->SetInputFormat(itFixPoint);
    Range(-1000, 1000);
  }
};

TEST_F(NumIOFixPointTest, AValidEditIsRewrittenWithExactlyTheDecimalPlaces) {
  num->SetValue(1.5);
  EXPECT_EQ(Text(), "1.50");
  TypeAtEnd(u"7");  // a third decimal: rounded away
  EXPECT_EQ(Text(), "1.51");
  EXPECT_EQ(num->SelStart(), 4);
  EXPECT_EQ(num->LastGoodText(), u"1.507");  // the text as typed
  headless::KeyDown(num, VK_BACK);
  EXPECT_EQ(Text(), "1.50");
  EXPECT_EQ(num->SelStart(), 3);
}

TEST_F(NumIOFixPointTest, TheFirstDigitGetsItsDecimalsWithTheCaretInFront) {
  TypeAtEnd(u"7");
  EXPECT_EQ(Text(), "7.00");
  EXPECT_EQ(num->SelStart(), 0);
  EXPECT_EQ(changes, 1);
}

TEST_F(NumIOFixPointTest, DeletingThePointPutsTheCaretBeforeTheOldPoint) {
  num->SetValue(10.25);
  num->SetSelStart(2);
  num->SetSelLength(3);
  headless::Type(num, u"7");  // ".25" becomes "7": "107" is a number, rewritten
  EXPECT_EQ(Text(), "107.00");
  EXPECT_EQ(num->SelStart(), 2);  // not 3, where typing left it
}

TEST_F(NumIOFixPointTest, ASecondPointIsRefusedWithTheCaretAfterTheOldPoint) {
  num->SetValue(12.34);
  num->SetSelStart(5);
  num->SetBeep(true);
  headless::Type(num, u".");
  EXPECT_EQ(Text(), "12.34");
  // After the old text's point (3), then one to the left for the refusal.
  EXPECT_EQ(num->SelStart(), 2);
  EXPECT_EQ(headless::BeepCount(), 1);
}

TEST_F(NumIOFixPointTest, DecimalPlacesAreClampedAndNotRechecked) {
  num->SetValue(2.5);
  num->SetFixPointDecPlaces(0);
  EXPECT_EQ(num->FixPointDecPlaces(), 1);
  EXPECT_EQ(Text(), "2.50");
  num->SetFixPointDecPlaces(12);
  EXPECT_EQ(num->FixPointDecPlaces(), 8);
}

}  // namespace
}  // namespace numiotest
