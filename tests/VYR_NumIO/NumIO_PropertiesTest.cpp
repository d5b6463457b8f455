// The numeric edit field's properties: defaults, ranges and their role
// exchange, Value both ways, assigning and form files.
#include "NumIO_Support.h"
#include "companion/basepack/VYR_univconst.h"
#include "platform/Streaming.h"

namespace numiotest {
namespace {

using vyr::itBin;
using vyr::itDynamic;
using vyr::itExp;
using vyr::itFixPoint;
using vyr::itFloat;
using vyr::itHex;
using vyr::itInt;
using vyr::itOct;

class NumIOPropertiesTest : public NumIOFixture {};

TEST_F(NumIOPropertiesTest, ConstructorDefaults) {
  EXPECT_EQ(num->InputFormat(), itDynamic);
  EXPECT_EQ(num->FixPointDecPlaces(), 2);
  EXPECT_EQ(num->DecPlaceSep(), dsSystem);
  EXPECT_FALSE(num->Beep());
  EXPECT_EQ(num->Text(), u"");
  EXPECT_EQ(num->Width(), 121);
}

TEST_F(NumIOPropertiesTest, AFieldMadeInTheDesignerSpansAllDoublesAndChecksNothing) {
  TComponent owner(nullptr);
  owner.SetDesigning(true);
  auto* designed = new TNumIO(&owner);
  EXPECT_EQ(designed->RangeLow(), -vyr::uc_MaxDouble);
  EXPECT_EQ(designed->RangeHigh(), vyr::uc_MaxDouble);
  int fired = 0;
  designed->SetOnChange([&](TObject*) { ++fired; });
  designed->SetText(u"not a number");
  EXPECT_EQ(designed->Text(), u"not a number");
  EXPECT_EQ(fired, 0);
}

TEST_F(NumIOPropertiesTest, SettingALimitAcrossTheOtherExchangesTheirRoles) {
  Range(0, 100);
  num->SetRangeLow(200);
  EXPECT_EQ(num->RangeLow(), 100);
  EXPECT_EQ(num->RangeHigh(), 200);
  num->SetRangeHigh(50);
  EXPECT_EQ(num->RangeLow(), 50);
  EXPECT_EQ(num->RangeHigh(), 100);
  num->SetRangeLow(100);  // equal to the high limit: both become 100
  EXPECT_EQ(num->RangeLow(), 100);
  EXPECT_EQ(num->RangeHigh(), 100);
  num->SetRangeLow(std::nan(""));
  EXPECT_EQ(num->RangeLow(), 100);
}

TEST_F(NumIOPropertiesTest, ALimitChangeForgetsTheLastGoodTextAndChecksAgain) {
  num->SetInputFormat(itInt);
  Range(0, 200);
  num->SetText(u"150");
  num->SetBeep(true);
  num->SetRangeHigh(100);
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(headless::BeepCount(), 1);
  num->SetText(u"0");  // 0 passes whatever the range
  num->SetRangeLow(10);
  EXPECT_EQ(Text(), "0");
}

TEST_F(NumIOPropertiesTest, ANewInputFormatChecksTheTextAgain) {
  num->SetInputFormat(itHex);
  Range(0, 1000);
  num->SetText(u"ff");
  changes = 0;
  num->SetInputFormat(itInt);
  EXPECT_EQ(Text(), "");
  num->SetInputFormat(itInt);  // unchanged: nothing happens
  num->SetText(u"12");
  num->SetInputFormat(itHex);  // "12" is hexadecimal too: accepted again
  EXPECT_EQ(Text(), "12");
  EXPECT_EQ(num->Value(), 18.0);
  EXPECT_EQ(changes, 2);
}

TEST_F(NumIOPropertiesTest, ValueReadsTheTextAndZeroForNoNumber) {
  num->SetInputFormat(itFloat);
  Range(-100, 100);
  num->SetText(u"12.");
  EXPECT_EQ(num->Value(), 12.0);
  num->SetDecPlaceSep(dsBoth);
  num->SetText(u"-3,5");  // the first comma reads as the point
  EXPECT_EQ(num->Value(), -3.5);
  num->SetInputFormat(itDynamic);
  Range(-100, 100);
  num->SetValue(0);
  EXPECT_EQ(num->Value(), 0.0);
}

TEST_F(NumIOPropertiesTest, ValueWritesTheFormatsNotationWithoutACheck) {
  Range(0, 10);
  struct Case { vyr::TInFormat Format; double Value; const char* Text; };
  for (Case c : {Case{itHex, 255, "000000FF"}, Case{itOct, 255, "00000377"},
                 Case{itBin, 255, "11111111"}, Case{itBin, 256 + 5, "00000101"},
                 Case{itInt, 2.5, "2"}, Case{itInt, 3.5, "4"}, Case{itFloat, 0.25, "0.25000000"},
                 Case{itFixPoint, 1.005, "1.00"}, Case{itExp, 123456.7, " 1.23457E+05"},
                 Case{itDynamic, 1e150, "************"}}) {
    num->SetInputFormat(c.Format);
    changes = 0;
    num->SetValue(c.Value);  // outside the range: written all the same
    EXPECT_EQ(Text(), c.Text) << int(c.Format);
    EXPECT_EQ(changes, 0);
  }
}

TEST_F(NumIOPropertiesTest, ARefusedEditAfterAWrittenValueGoesBackToThatValue) {
  num->SetInputFormat(itInt);
  Range(0, 100);
  num->SetValue(42);
  num->SetSelStart(2);
  headless::Type(num, u"x");
  EXPECT_EQ(Text(), "42");
  EXPECT_EQ(num->Value(), 42.0);
}

TEST_F(NumIOPropertiesTest, ConvertNumStringFollowsFormatAndSeparatorMode) {
  double v = 7;
  EXPECT_FALSE(num->ConvertNumString(u"", v));
  EXPECT_EQ(v, 7);  // untouched by an empty text
  EXPECT_TRUE(num->ConvertNumString(u"  ", v));
  EXPECT_EQ(v, 0);
  EXPECT_TRUE(num->ConvertNumString(u"  -1.5E2", v));
  EXPECT_EQ(v, -150);
  EXPECT_FALSE(num->ConvertNumString(u"1.5 ", v));
  num->SetDecPlaceSep(dsComma);
  EXPECT_FALSE(num->ConvertNumString(u"1.5", v));
  EXPECT_TRUE(num->ConvertNumString(u"1,5", v));
  EXPECT_EQ(v, 1.5);
}

TEST_F(NumIOPropertiesTest, AssignCopiesFormatRangeSeparatorAndBeepButNotDecimals) {
  auto* other = new TNumIO(form.get());
  other->SetInputFormat(itOct);
  other->SetRangeHigh(64);
  other->SetRangeLow(-8);
  other->SetDecPlaceSep(dsBoth);
  other->SetBeep(true);
  other->SetFixPointDecPlaces(5);
  num->Assign(other);
  EXPECT_EQ(num->InputFormat(), itOct);
  EXPECT_EQ(num->RangeLow(), -8);
  EXPECT_EQ(num->RangeHigh(), 64);
  EXPECT_EQ(num->DecPlaceSep(), dsBoth);
  EXPECT_TRUE(num->Beep());
  EXPECT_EQ(num->FixPointDecPlaces(), 2);
  auto* third = new TNumIO(form.get());
  other->AssignTo(third);
  EXPECT_EQ(third->InputFormat(), itOct);
  TEdit plain(nullptr);
  EXPECT_THROW(num->Assign(&plain), EConvertError);
  EXPECT_THROW(num->AssignTo(&plain), EConvertError);
}

// A field of a derived class assigns itself to a plain field; a field
// handed to an ancestor class (which cannot take it) or to a derived class
// is refused with the framework's error, never an endless hand-over.
TEST_F(NumIOPropertiesTest, AssignToTakesAFieldOfTheDestinationsClassOnly) {
  struct TDerivedNumIO : TNumIO {
    using TNumIO::TNumIO;
  };
  auto* derived = new TDerivedNumIO(form.get());
  derived->SetInputFormat(itBin);
  derived->SetBeep(true);
  derived->AssignTo(num);
  EXPECT_EQ(num->InputFormat(), itBin);
  EXPECT_TRUE(num->Beep());
  EXPECT_THROW(num->AssignTo(derived), EConvertError);
  TCustomEdit ancestor(nullptr);
  EXPECT_THROW(num->AssignTo(&ancestor), EConvertError);
  TComponent component(nullptr);
  EXPECT_THROW(num->AssignTo(&component), EConvertError);
  EXPECT_THROW(num->Assign(&component), EConvertError);
}

TEST_F(NumIOPropertiesTest, FormFilesKeepTheRangeAsWritten) {
  num->SetName(u"Num1");
  num->SetInputFormat(itFloat);
  num->SetRangeHigh(10);
  num->SetRangeLow(5);
  num->SetText(u"7.5");
  num->SetBeep(true);
  num->SetDecPlaceSep(dsPoint);
  String text = WriteComponentToText(num);
  EXPECT_NE(text.find(u"RangeLow = 5"), String::npos) << ToUTF8(text);
  std::unique_ptr<TComponent> back(ReadComponentFromText(text));
  auto* read = dynamic_cast<TNumIO*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->RangeLow(), 5);
  EXPECT_EQ(read->RangeHigh(), 10);
  EXPECT_EQ(read->InputFormat(), itFloat);
  EXPECT_EQ(read->Text(), u"7.5");
  EXPECT_EQ(read->LastGoodText(), u"7.5");
  EXPECT_TRUE(read->Beep());
  EXPECT_EQ(read->DecPlaceSep(), dsPoint);
}

// Every property and event the field publishes can be stored in a form file.
TEST_F(NumIOPropertiesTest, TheFieldPublishesItsOwnAndTheEditsProperties) {
  for (const char16_t* name :
       {u"InputFormat", u"FixPointDecPlaces", u"RangeLow", u"RangeHigh", u"DecPlaceSep", u"Beep",
        u"Anchors", u"Align", u"AutoSelect", u"AutoSize", u"BorderStyle", u"Color", u"Ctl3D",
        u"ParentCtl3D", u"Cursor", u"Enabled", u"Font", u"Height", u"HelpContext",
        u"HideSelection", u"Hint", u"Left", u"ReadOnly", u"Name", u"ParentColor", u"ParentFont",
        u"ParentShowHint", u"PopupMenu", u"ShowHint", u"TabOrder", u"TabStop", u"Tag", u"Text",
        u"Top", u"Visible", u"Width", u"OnChange", u"OnClick", u"OnDblClick", u"OnEnter",
        u"OnExit", u"OnKeyDown", u"OnKeyPress", u"OnKeyUp", u"OnMouseDown", u"OnMouseMove",
        u"OnMouseUp"}) {
    EXPECT_NE(FindPropInfo(*ClassInfoOf(*num), name), nullptr) << ToUTF8(name);
  }
  num->SetName(u"Num2");
  num->SetHelpContext(77);
  num->SetReadOnly(true);
  num->SetAutoSelect(false);
  std::unique_ptr<TComponent> back(ReadComponentFromText(WriteComponentToText(num)));
  auto* read = dynamic_cast<TNumIO*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->HelpContext(), 77);
  EXPECT_TRUE(read->ReadOnly());
  EXPECT_FALSE(read->AutoSelect());
}

TEST_F(NumIOPropertiesTest, AStoredTextOutsideTheStoredRangeIsRefusedWhenLoaded) {
  String text =
      u"object N: TNumIO\n  InputFormat = itInt\n  Text = '50'\n  RangeLow = 1\n"
      u"  RangeHigh = 9\nend\n";
  std::unique_ptr<TComponent> back(ReadComponentFromText(text));
  auto* read = dynamic_cast<TNumIO*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Text(), u"");
  EXPECT_EQ(read->RangeLow(), 1);
}

}  // namespace
}  // namespace numiotest
