// TProgBar in form files.
#include "VYR_ProgBar/VYR_ProgBar.h"
#include "platform/Streaming.h"

namespace vyr {

namespace {

bool RegisterProgBar() {
  vcl::RegisterEnum<TColorMapping>({u"cgmCover", u"cgmStretch", u"cgmMove"});
  vcl::RegisterEnum<TDirection>({u"dirUp", u"dirDown", u"dirLeft", u"dirRight"});
  vcl::RegisterEnum<TColorScheme>({u"csBWG", u"csSystem"});
  vcl::RegisterEnum<TFrameStyle>(
      {u"fsNoFrame", u"fsSimple", u"fsLowered", u"fsRaised", u"fsEtched", u"fsBump"});
  vcl::RegisterEnum<vcl::TAlignment>({u"taLeftJustify", u"taRightJustify", u"taCenter"});
  vcl::RegisterClass<TProgBar, vcl::TGraphicControl>(u"TProgBar")
      .Property(u"Value", &TProgBar::Value, &TProgBar::SetValue, 10.0)
      .Property(u"Min", &TProgBar::Min, &TProgBar::SetMin, 0.0)
      .Property(u"Max", &TProgBar::Max, &TProgBar::SetMax, 100.0)
      .Property(u"Direction", &TProgBar::Direction, &TProgBar::SetDirection, dirRight)
      .Property(u"AutoInc", &TProgBar::AutoInc, &TProgBar::SetAutoInc, false)
      .Property(u"AutoIncStep", &TProgBar::AutoIncStep, &TProgBar::SetAutoIncStep, 1.0)
      .Property(u"StartInterval", &TProgBar::StartInterval, &TProgBar::SetStartInterval, 1500)
      .Property(u"RepeatInterval", &TProgBar::RepeatInterval, &TProgBar::SetRepeatInterval, 700)
      .Color(u"ColorMin", &TProgBar::ColorMin, &TProgBar::SetColorMin, 0xFF0000)
      .Color(u"ColorMax", &TProgBar::ColorMax, &TProgBar::SetColorMax, 0x0000FF)
      .Property(u"ColorMapMode", &TProgBar::ColorMapMode, &TProgBar::SetColorMapMode, cgmStretch)
      .Property(u"ShowColorGradient", &TProgBar::ShowColorGradient,
                &TProgBar::SetShowColorGradient, false)
      .Color(u"ColorBackGnd", &TProgBar::ColorBackGnd, &TProgBar::SetColorBackGnd, 0xC0C0C0)
      .Color(u"ColorMargin", &TProgBar::ColorMargin, &TProgBar::SetColorMargin, 0xC0C0C0)
      .Color(u"ColorGrid", &TProgBar::ColorGrid, &TProgBar::SetColorGrid, 0x000000)
      .Property(u"GridDist", &TProgBar::GridDist, &TProgBar::SetGridDist, 0)
      .Property(u"ColorScheme", &TProgBar::ColorScheme, &TProgBar::SetColorScheme, csBWG)
      .Property(u"FrameStyleOuter", &TProgBar::FrameStyleOuter, &TProgBar::SetFrameStyleOuter,
                fsRaised)
      .Property(u"FrameStyleInner", &TProgBar::FrameStyleInner, &TProgBar::SetFrameStyleInner,
                fsLowered)
      .Property(u"MarginLeft", &TProgBar::MarginLeft, &TProgBar::SetMarginLeft, 4)
      .Property(u"MarginRight", &TProgBar::MarginRight, &TProgBar::SetMarginRight, 4)
      .Property(u"MarginTop", &TProgBar::MarginTop, &TProgBar::SetMarginTop, 4)
      .Property(u"MarginBottom", &TProgBar::MarginBottom, &TProgBar::SetMarginBottom, 4)
      .Property(u"BackGroundImg", &TProgBar::BackGroundImg, &TProgBar::SetBackGroundImg)
      .Property(u"TextVisible", &TProgBar::TextVisible, &TProgBar::SetTextVisible, true)
      .Property(u"TextPosX", &TProgBar::TextPosX, &TProgBar::SetTextPosX, 14)
      .Property(u"TextPosY", &TProgBar::TextPosY, &TProgBar::SetTextPosY, 14)
      .Property(u"TextDecPlaces", &TProgBar::TextDecPlaces, &TProgBar::SetTextDecPlaces, 0)
      .Property(u"TextAngle", &TProgBar::TextAngle, &TProgBar::SetTextAngle, 0)
      .Property(u"TextAlignment", &TProgBar::TextAlignment, &TProgBar::SetTextAlignment,
                vcl::taCenter)
      .Event(u"OnAutoInc")
      .Event(u"OnShowValue");
  return true;
}

const bool registered = RegisterProgBar();

}  // namespace

}  // namespace vyr
