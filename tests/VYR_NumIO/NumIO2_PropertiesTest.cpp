// Properties of the compound control: limits of the setters, the value in
// each format, IntegerValue and its error, the separator change, the caret
// timer's error, Assign and form files.
#include <cmath>
#include <functional>
#include <limits>

#include "NumIO2_Support.h"
#include "platform/Streaming.h"
#include "platform/StdCtrls.h"

namespace numio2test {
namespace {

using vyr::EVYRNumIO2Error;
using vyr::TDecPSep;
using vyr::dsBoth;
using vyr::dsComma;
using vyr::dsPoint;
using vyr::dsSystem;

class NumIO2Properties : public NumIO2Fixture {};

TEST_F(NumIO2Properties, SettersKeepTheirLimits) {
  struct Case {
    const char* Name;
    std::function<void(TNumIO2&, int)> Set;
    std::function<int(const TNumIO2&)> Get;
    int Value, Result;
  };
  using T = TNumIO2;
  auto set = [](void (T::*f)(int)) { return [f](T& n, int v) { (n.*f)(v); }; };
  auto get = [](int (T::*f)() const) { return [f](const T& n) { return (n.*f)(); }; };
  // At the default 160 x 28: gauge 82 wide from 35, 8 high, 3 below the box.
  const Case cases[] = {
      {"places not positive", set(&T::SetFixPointDecPlaces), get(&T::FixPointDecPlaces), 0, 2},
      {"places above 15", set(&T::SetFixPointDecPlaces), get(&T::FixPointDecPlaces), 20, 15},
      {"digits negative", set(&T::SetSignificantDigits), get(&T::SignificantDigits), -3, 6},
      {"digits above 15", set(&T::SetSignificantDigits), get(&T::SignificantDigits), 16, 15},
      {"left space negative", set(&T::SetLeftSpace), get(&T::LeftSpace), -1, 35},
      {"left space beyond the width", set(&T::SetLeftSpace), get(&T::LeftSpace), 500, 160},
      {"box width not limited", set(&T::SetTextBoxWidth), get(&T::TextBoxWidth), 400, 400},
      {"box width negative", set(&T::SetTextBoxWidth), get(&T::TextBoxWidth), -10, 0},
      {"button width low", set(&T::SetButWidth), get(&T::ButWidth), 3, 8},
      {"button width high", set(&T::SetButWidth), get(&T::ButWidth), 99, 50},
      {"button height low", set(&T::SetButHeight), get(&T::ButHeight), 5, 18},
      {"button height above the control", set(&T::SetButHeight), get(&T::ButHeight), 100, 28},
      {"button space", set(&T::SetButSpace), get(&T::ButSpace), -5, 0},
      {"button space high", set(&T::SetButSpace), get(&T::ButSpace), 70, 50},
      {"gauge height high", set(&T::SetGaugeHeight), get(&T::GaugeHeight), 100, 7},
      {"gauge height low", set(&T::SetGaugeHeight), get(&T::GaugeHeight), 1, 3},
      {"gauge width low", set(&T::SetGaugeWidth), get(&T::GaugeWidth), 5, 10},
      {"gauge width high", set(&T::SetGaugeWidth), get(&T::GaugeWidth), 500, 125},
      {"gauge margin high", set(&T::SetGaugeLeftMargin), get(&T::GaugeLeftMargin), 500, 78},
      {"gauge margin negative", set(&T::SetGaugeLeftMargin), get(&T::GaugeLeftMargin), -5, 0},
      {"gauge top margin high", set(&T::SetGaugeTopMargin), get(&T::GaugeTopMargin), 10, 2},
      {"gauge top margin negative", set(&T::SetGaugeTopMargin), get(&T::GaugeTopMargin), -3, 0},
      {"height low", [](T& n, int v) { n.SetHeight(v); }, [](const T& n) { return n.Height(); }, 5, 18},
  };
  for (const Case& k : cases) {
    TNumIO2 fresh(nullptr);
    k.Set(fresh, k.Value);
    EXPECT_EQ(k.Get(fresh), k.Result) << k.Name;
  }
  num->SetHeight(60);
  num->SetButHeight(50);
  num->SetHeight(30);  // the buttons follow a lower control
  EXPECT_EQ(num->ButHeight(), 30);
}

TEST_F(NumIO2Properties, RangeLimitsPushEachOther) {
  num->SetRangeLow(2000);
  EXPECT_EQ(num->RangeHigh(), 2000);
  num->SetRangeHigh(-5);
  EXPECT_EQ(num->RangeLow(), -5);
  EXPECT_EQ(num->RangeHigh(), -5);
  num->SetRangeHigh(NAN);
  EXPECT_EQ(num->RangeHigh(), -5);
}

TEST_F(NumIO2Properties, FormatChangesRewriteTheValue) {
  num->SetText(u"12.5");
  struct Step { std::function<void()> Set; const char* Text; };
  const Step steps[] = {
      {[&] { num->SetFixPointDecPlaces(3); }, "12.500"},
      {[&] { num->SetInputFormat(vyr::itExp); }, " 1.25000E+01"},
      {[&] { num->SetSignificantDigits(3); }, " 1.25E+01"},
      {[&] { num->SetInputFormat(vyr::itInt); }, "12"},  // 12.5 rounds to even
      {[&] { num->SetInputFormat(vyr::itHex); }, "0000000C"},
      {[&] { num->SetInputFormat(vyr::itOct); }, "00000000014"},
      {[&] { num->SetInputFormat(vyr::itBin); }, "00000000000000000000000000001100"},
      {[&] { num->SetInputFormat(vyr::itDynamic); }, "12"},
      {[&] { num->SetInputFormat(vyr::itFixPoint); }, "12.000"},
  };
  for (const Step& s : steps) {
    s.Set();
    EXPECT_EQ(Text(), s.Text);
  }
  EXPECT_EQ(changes, 0);
}

TEST_F(NumIO2Properties, TextAndValueWrites) {
  num->SetInputFormat(vyr::itInt);
  num->SetText(u"1234");
  num->SetSelBegin(4);
  num->SetText(u"1.5");  // no integer: ignored, caret stays
  EXPECT_EQ(Text(), "1234");
  EXPECT_EQ(num->CaretPos(), 4);
  num->SetText(u"-7");
  EXPECT_EQ(num->CaretPos(), 0);
  num->SetText(u"");
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(num->Value(), 0);
  num->SetText(u"123456");
  num->SetSelBegin(2);
  num->SetSelEnd(6);
  num->SetValue(5);  // the caret and selection stay within the shorter text
  EXPECT_EQ(Text(), "5");
  EXPECT_LE(num->SelEnd(), 1);
  EXPECT_LE(num->CaretPos(), 1);
  num->SetValue(NAN);
  EXPECT_EQ(Text(), "5");
  num->SetInputFormat(vyr::itFloat);
  num->SetValue(std::numeric_limits<double>::infinity());
  EXPECT_EQ(num->Value(), std::numeric_limits<double>::max());
  EXPECT_EQ(changes, 0);
  // Selection writes push the other end.
  num->SetText(u"12345");
  num->SetSelEnd(3);
  num->SetSelBegin(4);
  EXPECT_EQ(num->SelEnd(), 4);
  num->SetSelEnd(1);
  EXPECT_EQ(num->SelBegin(), 1);
  num->SetSelBegin(99);
  EXPECT_EQ(num->SelBegin(), 5);
}

TEST_F(NumIO2Properties, IntegerValueAndItsError) {
  struct Case { const char16_t* Text; vyr::TInFormat Format; int Result; bool Throws; };
  const Case cases[] = {
      {u"2.5", vyr::itFloat, 2, false},
      {u"3.5", vyr::itFloat, 4, false},
      {u"-2.5", vyr::itFloat, -2, false},
      {u"2147483647", vyr::itFloat, 2147483647, false},
      {u"2147483647.4", vyr::itFloat, 0, true},
      {u"-2147483648", vyr::itFloat, -2147483648, false},
      {u"-2147483648.5", vyr::itFloat, 0, true},
      {u"1E300", vyr::itExp, 0, true},
      // A failed integer conversion reads 2147483647 on either side.
      {u"99999999999", vyr::itInt, 2147483647, false},
      {u"-99999999999", vyr::itInt, 2147483647, false},
      {u"-2147483649", vyr::itInt, 2147483647, false},
      {u"-2147483648", vyr::itInt, -2147483648, false},
      {u"FFFFFFFF", vyr::itHex, -1, false},
  };
  for (const Case& k : cases) {
    num->SetInputFormat(k.Format);
    num->SetText(k.Text);
    ASSERT_EQ(num->Text(), k.Text);
    if (!k.Throws) {
      EXPECT_EQ(num->IntegerValue(), k.Result) << ToUTF8(k.Text);
      continue;
    }
    try {
      (void)num->IntegerValue();
      ADD_FAILURE() << ToUTF8(k.Text) << " did not raise";
    } catch (const EVYRNumIO2Error& e) {
      EXPECT_EQ(e.Message(), u"Component \"Num\": integer overflow");
    }
  }
}

TEST_F(NumIO2Properties, SeparatorChangePutsTheNewSeparatorIntoTheText) {
  struct Case { TDecPSep From, To; const char16_t* Start; const char* Result; };
  const Case cases[] = {
      {dsBoth, dsComma, u"1.5", "1,5"},  {dsBoth, dsPoint, u"1,5", "1.5"},
      {dsBoth, dsComma, u"1,5", "1,5"},  {dsPoint, dsComma, u"1.5", "1,5"},
      {dsComma, dsPoint, u"1,5", "1.5"}, {dsComma, dsBoth, u"1,5", "1,5"},
      {dsPoint, dsBoth, u"1.5", "1.5"},
  };
  for (const Case& k : cases) {
    num->SetDecPlaceSep(k.From);
    num->SetText(k.Start);
    ASSERT_EQ(num->Text(), k.Start);
    num->SetDecPlaceSep(k.To);
    EXPECT_EQ(Text(), k.Result) << int(k.From) << " to " << int(k.To);
  }
  // The system's separator for the system mode.
  const char16_t system = vyr::numio::SystemDecimalSeparator();
  num->SetDecPlaceSep(dsComma);
  num->SetText(u"2,5");
  num->SetDecPlaceSep(dsSystem);
  EXPECT_EQ(num->Text(), String(u"2") + system + u"5");
  // Only the point serves in the fixed-point format: it stays.
  num->SetInputFormat(vyr::itFixPoint);
  num->SetDecPlaceSep(dsBoth);
  num->SetText(u"1.50");
  num->SetDecPlaceSep(dsComma);
  EXPECT_EQ(Text(), "1.50");
}

// In the comma mode the control writes the comma, so typing goes on in the
// text it wrote.
TEST_F(NumIO2Properties, CommaModeWritesTheComma) {
  num->SetDecPlaceSep(dsComma);
  num->SetValue(2.5);
  EXPECT_EQ(Text(), "2,50");
  TypeAt(1, u"1");
  EXPECT_EQ(Text(), "21,50");
  EXPECT_DOUBLE_EQ(num->Value(), 21.5);
  TypeAt(-1, u".");
  EXPECT_EQ(Text(), "21,50");
}

TEST_F(NumIO2Properties, RefusedTimerRaisesTheComponentError) {
  headless::SetTimersRefused(true);
  EXPECT_THROW(TNumIO2 made(nullptr), EVYRNumIO2Error);
  try {
    num->SetFocus();
    ADD_FAILURE() << "no error";
  } catch (const EVYRNumIO2Error& e) {
    EXPECT_EQ(e.Message(), u"Component \"Num\": no timer available");
  }
  headless::SetTimersRefused(false);
  num->SetReadOnly(true);
  num->SetReadOnly(false);
  EXPECT_TRUE(num->CaretVisible());
}

// ---------------------------------------------------------------- assigning

TEST_F(NumIO2Properties, AssignCopiesTheEntryButNotButtonsGaugeOrEvents) {
  TNumIO2 source(nullptr);
  source.SetInputFormat(vyr::itFixPoint);
  source.SetFixPointDecPlaces(3);
  source.SetSignificantDigits(9);
  source.SetText(u"4.125");
  source.SetSelBegin(1);
  source.SetSelEnd(3);
  source.SetLeftText(u"L");
  source.SetRightText(u"R");
  source.SetLeftSpace(20);
  source.SetTextBoxWidth(60);
  source.SetAlignment(taRightJustify);
  source.SetFrameStyle(vyr::fsBump);
  source.SetColorBoxBG(clAqua);
  source.SetColorWarnText(clLime);
  source.SetColorScheme(vyr::csSystem);
  source.SetRangeLow(-3);
  source.SetRangeHigh(3);
  source.SetDecPlaceSep(dsPoint);
  source.SetBeep(true);
  source.SetHideSelection(false);
  source.SetAutoSize(true);
  source.SetButVisible(true);
  source.SetButIncrem(7);
  source.SetGaugeVisible(true);
  source.SetGaugeColor(clRed);
  source.SetButtonPivots({1, 2});
  source.SetEnabled(false);
  int sourceChanges = 0;
  source.SetOnChange([&](TObject*) { ++sourceChanges; });

  num->Assign(&source);
  for (const char16_t* name :
       {u"InputFormat", u"FixPointDecPlaces", u"SignificantDigits", u"Text", u"LeftText", u"RightText",
        u"LeftSpace", u"TextBoxWidth", u"Alignment", u"FrameStyle", u"ColorBoxBG", u"ColorWarnText",
        u"ColorScheme", u"RangeLow", u"RangeHigh", u"DecPlaceSep", u"Beep", u"HideSelection", u"AutoSize"}) {
    EXPECT_EQ(ToUTF8(GetPropText(*num, name)), ToUTF8(GetPropText(source, name))) << ToUTF8(name);
  }
  EXPECT_EQ(num->SelBegin(), 1);
  EXPECT_EQ(num->SelEnd(), 3);
  // Left as they were: the buttons, the gauge, Enabled and the events.
  for (const char16_t* name : {u"ButVisible", u"ButIncrem", u"GaugeVisible", u"GaugeColor", u"Enabled"}) {
    EXPECT_NE(ToUTF8(GetPropText(*num, name)), ToUTF8(GetPropText(source, name))) << ToUTF8(name);
  }
  EXPECT_TRUE(num->ButtonPivots().empty());
  num->SetSelEnd(0);
  headless::Type(num, u"9");
  EXPECT_EQ(sourceChanges, 0);
  EXPECT_EQ(changes, 1);
  // A read-only copy stops blinking.
  source.SetReadOnly(true);
  num->Assign(&source);
  EXPECT_TRUE(num->ReadOnly());
  EXPECT_FALSE(num->CaretVisible());
}

TEST_F(NumIO2Properties, AssignToOnlyHandsItselfToTheSameClass) {
  TNumIO2 other(nullptr);
  num->SetText(u"77");
  num->AssignTo(&other);
  EXPECT_EQ(other.Text(), u"77");
  TEdit edit(nullptr);
  EXPECT_THROW(num->AssignTo(&edit), EConvertError);
  EXPECT_THROW(num->Assign(&edit), EConvertError);
}

// ---------------------------------------------------------------- form files

TEST_F(NumIO2Properties, AFreshControlWritesNoOwnProperty) {
  TNumIO2 fresh(nullptr);
  fresh.SetName(u"Fresh");
  const TClassInfo* info = FindClassInfo(u"TNumIO2");
  ASSERT_NE(info, nullptr);
  const String text = WriteComponentToText(&fresh);
  for (const TPropInfo& p : info->Properties) {
    if (p.Kind == pkEvent) continue;
    EXPECT_EQ(text.find(u"  " + p.Name + u" ="), String::npos) << ToUTF8(p.Name) << "\n" << ToUTF8(text);
  }
  for (const char16_t* name : {u"Value", u"OnGaugeChange", u"StyleElements", u"HelpContext", u"OnKeyDown"}) {
    EXPECT_NE(FindPropInfo(*info, name), nullptr) << ToUTF8(name);
  }
}

TEST_F(NumIO2Properties, FormFilesKeepWhatWasSet) {
  num->SetHeight(44);
  num->SetInputFormat(vyr::itHex);
  num->SetText(u"00FF");
  num->SetGaugeVisible(true);
  num->SetGaugeTopMargin(0);
  num->SetGaugeHeight(26);  // only fits with the top margin 0
  num->SetGaugeWidth(120);
  num->SetGaugeLeftMargin(40);
  num->SetButVisible(true);
  num->SetButHeight(40);
  num->SetButIncrem(0.25);
  num->SetRangeLow(-1e6);
  num->SetRangeHigh(-10);
  num->SetLeftText(u"it's");
  num->SetColorWarnBG(clYellow);
  num->SetColorScheme(vyr::csSystem);
  num->SetTabStop(false);
  const String text = WriteComponentToText(num);
  std::unique_ptr<TComponent> back(ReadComponentFromText(text));
  auto* read = dynamic_cast<TNumIO2*>(back.get());
  ASSERT_NE(read, nullptr);
  for (const TPropInfo* p : RegisteredProperties(*FindClassInfo(u"TNumIO2"))) {
    if (p->Kind == pkEvent || p->Kind == pkReference || p->Kind == pkObject || p->OrderIndex) continue;
    if (p->Name == u"Color") continue;  // follows the parent, which the read control lacks
    EXPECT_EQ(ToUTF8(GetPropText(*read, p->Name)), ToUTF8(GetPropText(*num, p->Name))) << ToUTF8(p->Name);
  }
  EXPECT_EQ(read->Value(), 255);
}

}  // namespace
}  // namespace numio2test
