// TNumIO2's published properties for form files. The format settings come
// before the text, so a stored text is checked in its own format; the
// range comes before it too. Value is published but not stored: the text
// carries it exactly as it was shown. Each default is the constructor's
// value, so a fresh control writes none of them. The control takes the tab
// stop (an entry field), so TabStop is registered again with that default.
#include "VYR_NumIO/VYR_NumIO2.h"
#include "platform/Streaming.h"

namespace vyr {

namespace {

using T = TNumIO2;

void RegisterNumIO2Enums() {
  vcl::RegisterEnum<TInFormat>({u"itExp", u"itFloat", u"itFixPoint", u"itInt", u"itHex", u"itOct",
                                u"itBin", u"itDynamic"});
  vcl::RegisterEnum<TDecPSep>({u"dsSystem", u"dsPoint", u"dsComma", u"dsBoth"});
  vcl::RegisterEnum<vcl::TAlignment>({u"taLeftJustify", u"taRightJustify", u"taCenter"});
  vcl::RegisterEnum<TFrameStyle>(
      {u"fsNoFrame", u"fsSimple", u"fsLowered", u"fsRaised", u"fsEtched", u"fsBump"});
  vcl::RegisterEnum<TColorScheme>({u"csBWG", u"csSystem"});
}

void RegisterValue(vcl::TClassRegistration<T>& R) {
  R.Property(u"InputFormat", &T::InputFormat, &T::SetInputFormat, itFloat)
      .Property(u"FixPointDecPlaces", &T::FixPointDecPlaces, &T::SetFixPointDecPlaces, 2)
      .Property(u"SignificantDigits", &T::SignificantDigits, &T::SetSignificantDigits, 6)
      .Property(u"DecPlaceSep", &T::DecPlaceSep, &T::SetDecPlaceSep, dsBoth)
      .Property(u"RangeLow", &T::RangeLow, &T::SetRangeLow, 0.0)
      .Property(u"RangeHigh", &T::RangeHigh, &T::SetRangeHigh, 1000.0)
      .Property(u"Text", &T::Text, &T::SetText, vcl::String())
      .Sample([](T& N, int Attempt) {  // a text must be a number of the format
        if (Attempt > 1) return false;
        const vcl::String before = N.Text();
        N.SetValue(7.0 + Attempt);
        return N.Text() != before;
      })
      .Property(u"Value", &T::Value, &T::SetValue, 0.0)
      .Stored(false);
}

void RegisterStrip(vcl::TClassRegistration<T>& R) {
  R.Property(u"LeftSpace", &T::LeftSpace, &T::SetLeftSpace, 35)
      .Property(u"TextBoxWidth", &T::TextBoxWidth, &T::SetTextBoxWidth, 80)
      .Property(u"LeftText", &T::LeftText, &T::SetLeftText, vcl::String())
      .Property(u"RightText", &T::RightText, &T::SetRightText, vcl::String())
      .Property(u"Alignment", &T::Alignment, &T::SetAlignment, vcl::taCenter)
      .Property(u"LeftTextAlignment", &T::LeftTextAlignment, &T::SetLeftTextAlignment,
                vcl::taRightJustify)
      .Property(u"RightTextAlignment", &T::RightTextAlignment, &T::SetRightTextAlignment,
                vcl::taLeftJustify)
      .Property(u"FrameStyle", &T::FrameStyle, &T::SetFrameStyle, fsLowered);
}

void RegisterButtonsAndGauge(vcl::TClassRegistration<T>& R) {
  R.Property(u"ButVisible", &T::ButVisible, &T::SetButVisible, false)
      .Property(u"But3D", &T::But3D, &T::SetBut3D, true)
      .Property(u"ButWidth", &T::ButWidth, &T::SetButWidth, 18)
      .Property(u"ButHeight", &T::ButHeight, &T::SetButHeight, 28)
      .Property(u"ButSpace", &T::ButSpace, &T::SetButSpace, 3)
      .Property(u"ButIncrem", &T::ButIncrem, &T::SetButIncrem, 1.0)
      .Color(u"ButColor", &T::ButColor, &T::SetButColor, vcl::clSilver)
      .Property(u"GaugeVisible", &T::GaugeVisible, &T::SetGaugeVisible, false)
      .Property(u"GaugeHeight", &T::GaugeHeight, &T::SetGaugeHeight, 8)
      .Property(u"GaugeWidth", &T::GaugeWidth, &T::SetGaugeWidth, 82)
      .Property(u"GaugeLeftMargin", &T::GaugeLeftMargin, &T::SetGaugeLeftMargin, 35)
      .Property(u"GaugeTopMargin", &T::GaugeTopMargin, &T::SetGaugeTopMargin, 3)
      .Color(u"GaugeColor", &T::GaugeColor, &T::SetGaugeColor, vcl::clNavy)
      .Color(u"GaugeColorBg", &T::GaugeColorBg, &T::SetGaugeColorBg, vcl::clSilver)
      .Color(u"GaugeColorFrame", &T::GaugeColorFrame, &T::SetGaugeColorFrame, vcl::clGray)
      .Property(u"GaugeFrameStyle", &T::GaugeFrameStyle, &T::SetGaugeFrameStyle, fsLowered);
}

void RegisterLook(vcl::TClassRegistration<T>& R) {
  R.Color(u"ColorBoxBG", &T::ColorBoxBG, &T::SetColorBoxBG, vcl::clWhite)
      .Color(u"ColorBoxText", &T::ColorBoxText, &T::SetColorBoxText, vcl::clBlack)
      .Color(u"ColorOutBG", &T::ColorOutBG, &T::SetColorOutBG, vcl::clBtnFace)
      .Color(u"ColorOutText", &T::ColorOutText, &T::SetColorOutText, vcl::clBlack)
      .Color(u"ColorWarnBG", &T::ColorWarnBG, &T::SetColorWarnBG, 0x6088FFF0)
      .Color(u"ColorWarnText", &T::ColorWarnText, &T::SetColorWarnText, vcl::clRed)
      .Property(u"ColorScheme", &T::ColorScheme, &T::SetColorScheme, csBWG)
      .Property(u"Beep", &T::Beep, &T::SetBeep, false)
      .Property(u"ReadOnly", &T::ReadOnly, &T::SetReadOnly, false)
      .Property(u"HideSelection", &T::HideSelection, &T::SetHideSelection, true)
      .Property(u"AutoSize", &T::AutoSize, &T::SetAutoSize, false)
      .Property(u"TabStop", &T::TabStop, &T::SetTabStop, true)
      .Event(u"OnChange")
      .Event(u"OnGaugeChange");
}

bool RegisterNumIO2() {
  RegisterNumIO2Enums();
  auto r = vcl::RegisterClass<TNumIO2, vcl::TCustomControl>(u"TNumIO2");
  RegisterValue(r);
  RegisterStrip(r);
  RegisterButtonsAndGauge(r);
  RegisterLook(r);
  return true;
}

const bool registered = RegisterNumIO2();

}  // namespace

}  // namespace vyr
