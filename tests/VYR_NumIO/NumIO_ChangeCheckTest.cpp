// The numeric edit field's change check: order of OnChange and the
// fixed-point rewrite, zero inside any range, separator-mode changes, and
// the designer's full range surviving a form file.
#include "NumIO_Support.h"
#include "companion/basepack/VYR_univconst.h"
#include "platform/Streaming.h"

namespace numiotest {
namespace {

using vyr::itFixPoint;
using vyr::itFloat;
using vyr::itInt;

class NumIOChangeCheckTest : public NumIOFixture {};

TEST_F(NumIOChangeCheckTest, OnChangeSeesTheTypedTextBeforeTheFixedPointRewrite) {
  num->SetInputFormat(itFixPoint);
  Range(0, 100);
  num->SetText(u"1.23");
  std::string seen;
  num->SetOnChange([&](TObject*) { seen += Text() + "|"; });
  TypeAtEnd(u"4");
  EXPECT_EQ(seen, "1.234|");
  EXPECT_EQ(Text(), "1.23");
  EXPECT_EQ(num->LastGoodText(), u"1.234");
}

TEST_F(NumIOChangeCheckTest, ZeroPassesAnyRangeAndTheLimitsAreInclusive) {
  num->SetInputFormat(itInt);
  Range(5, 10);
  // Each text in turn, and what the field shows after it.
  struct Step { const char16_t* Typed; const char* Shown; };
  for (Step st : {Step{u"0", "0"}, Step{u"5", "5"}, Step{u"10", "10"}, Step{u"11", "10"},
                  Step{u"4", "10"}, Step{u"-0", "-0"}}) {
    num->SetText(st.Typed);
    EXPECT_EQ(Text(), st.Shown) << ToUTF8(st.Typed);
  }
}

TEST_F(NumIOChangeCheckTest, ANewSeparatorModeChecksTheTextAgain) {
  num->SetInputFormat(itFloat);
  Range(-10, 10);
  num->SetDecPlaceSep(dsComma);
  num->SetText(u"1,5");
  EXPECT_EQ(num->Value(), 1.5);
  changes = 0;
  num->SetDecPlaceSep(dsComma);  // unchanged: nothing checked
  EXPECT_EQ(changes, 0);
  num->SetDecPlaceSep(dsBoth);  // still a number: accepted again
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Text(), "1,5");
  num->SetDecPlaceSep(dsPoint);  // the comma ends the number: refused, nothing to go back to
  EXPECT_EQ(Text(), "");
}

// The rewrite writes a point whatever the mode; in the comma-only mode the
// field must still take edits of that text, or every later key is refused.
TEST_F(NumIOChangeCheckTest, FixedPointInTheCommaModeKeepsEditingItsOwnText) {
  num->SetInputFormat(itFixPoint);
  num->SetDecPlaceSep(dsComma);
  Range(0, 100);
  TypeAtEnd(u"2");
  EXPECT_EQ(Text(), "2.00");
  TypeAtEnd(u"7");  // "2.007": a third decimal, rounded
  EXPECT_EQ(Text(), "2.01");
  EXPECT_DOUBLE_EQ(num->Value(), 2.01);
  num->SetSelStart(0);
  headless::Type(num, u"4");
  EXPECT_EQ(Text(), "42.01");
  TypeAtEnd(u"x");
  EXPECT_EQ(Text(), "42.01");
  num->SetText(u"3,5");  // the mode's own separator still serves
  EXPECT_EQ(Text(), "3.50");
  double v = 0;
  EXPECT_FALSE(num->ConvertNumString(u"1.5", v));  // the conversion itself keeps the mode
}

TEST_F(NumIOChangeCheckTest, TheDesignersFullRangeSurvivesAFormFile) {
  TComponent owner(nullptr);
  owner.SetDesigning(true);
  auto* designed = new TNumIO(&owner);
  designed->SetName(u"Full");
  String text = WriteComponentToText(designed);
  owner.SetDesigning(false);
  std::unique_ptr<TComponent> back(ReadComponentFromText(text));
  auto* read = dynamic_cast<TNumIO*>(back.get());
  ASSERT_NE(read, nullptr) << ToUTF8(text);
  EXPECT_EQ(read->RangeLow(), -vyr::uc_MaxDouble);
  EXPECT_EQ(read->RangeHigh(), vyr::uc_MaxDouble);
}

}  // namespace
}  // namespace numiotest
