// The on/off button's published properties, for form files. The order
// matters when a file is read: OnOff comes before GroupIndex and
// AllowAllOff (a group button that may not go off could not be read as
// off), AutoCenter before LeftSpace and TopSpace (a stored position would
// be recentred away).
#include <functional>

#include "VYR_onoffbut/VYR_onoffbut.h"
#include "platform/Streaming.h"

namespace vyr {

namespace {

// A sample position for tests that change properties generically: a
// centred picture keeps its place, so centring goes off first.
template <int (TOnOffBut::*Get)() const, void (TOnOffBut::*Set)(int)>
bool PlacedSample(TOnOffBut& B, int Attempt) {
  if (Attempt > 1) return false;
  B.SetAutoCenter(false);
  const int old = std::invoke(Get, B);
  std::invoke(Set, B, Attempt == 0 ? old / 2 : old + 1);
  return std::invoke(Get, B) != old;
}

bool RegisterOnOffBut() {
  vcl::RegisterEnum<TOnOffButStyle>(
      {u"oobsUser",        u"oobsCheckbox",     u"oobsRadioBut",       u"oobsSlideTB",
       u"oobsSlideLR",     u"oobsColSlideTB",   u"oobsColSlideLR",     u"oobsLedRedGreen",
       u"oobsArrowTopRgt", u"oobsArrowUpDown",  u"oobsArrowLeftRight", u"oobsTrafficLPed",
       u"oobsBeveledLed",  u"oobsSmileyYellow", u"oobsSmileyRedGrn",   u"oobsBulb",
       u"oobsButLamp",     u"oobsHDLeft",       u"oobsHDRight",        u"oobsUser1",
       u"oobsUser2",       u"oobsUser3",        u"oobsUser4",          u"oobsUser5"});
  vcl::RegisterEnum<TOOButMode>({u"oobmNormalBut", u"oobmSpeedBut"});
  vcl::RegisterEnum<TOOButMouseAction>({u"oomaNone", u"oomaFocused", u"oomaPlain"});
  vcl::RegisterEnum<TFrameStyle>(
      {u"fsNoFrame", u"fsSimple", u"fsLowered", u"fsRaised", u"fsEtched", u"fsBump"});
  vcl::RegisterEnum<TColorScheme>({u"csBWG", u"csSystem"});
  using B = TOnOffBut;
  vcl::RegisterClass<B, vcl::TGraphicControl>(u"TOnOffBut")
      .Property(u"ButtonStyle", &B::ButtonStyle, &B::SetButtonStyle, oobsColSlideLR)
      .Property(u"OnOff", &B::OnOff, &B::SetOnOff, true)
      .Property(u"Mode", &B::Mode, &B::SetMode, oobmNormalBut)
      .Property(u"MouseAction", &B::MouseAction, &B::SetMouseAction, oomaFocused)
      .Property(u"GroupIndex", &B::GroupIndex, &B::SetGroupIndex, 0)
      .Property(u"AllowAllOff", &B::AllowAllOff, &B::SetAllowAllOff, true)
      .Property(u"AutoCenter", &B::AutoCenter, &B::SetAutoCenter, true)
      .Property(u"LeftSpace", &B::LeftSpace, &B::SetLeftSpace, 35)
      .Sample(&PlacedSample<&B::LeftSpace, &B::SetLeftSpace>)
      .Property(u"TopSpace", &B::TopSpace, &B::SetTopSpace, 18)
      .Sample(&PlacedSample<&B::TopSpace, &B::SetTopSpace>)
      .Property(u"LeftText", &B::LeftText, &B::SetLeftText)
      .Property(u"TopText", &B::TopText, &B::SetTopText)
      .Property(u"RightText", &B::RightText, &B::SetRightText)
      .Property(u"BottomText", &B::BottomText, &B::SetBottomText)
      .Property(u"LeftTextAlignment", &B::LeftTextAlignment, &B::SetLeftTextAlignment,
                vcl::taRightJustify)
      .Property(u"TopTextAlignment", &B::TopTextAlignment, &B::SetTopTextAlignment, vcl::taCenter)
      .Property(u"BottomTextAlignment", &B::BottomTextAlignment, &B::SetBottomTextAlignment,
                vcl::taCenter)
      .Property(u"RightTextAlignment", &B::RightTextAlignment, &B::SetRightTextAlignment,
                vcl::taLeftJustify)
      .Color(u"ColorText", &B::ColorText, &B::SetColorText, vcl::clBlack)
      .Color(u"ColorBackgnd", &B::ColorBackgnd, &B::SetColorBackgnd, vcl::clBtnFace)
      .Property(u"FrameStyle", &B::FrameStyle, &B::SetFrameStyle, fsLowered)
      .Property(u"ColorScheme", &B::ColorScheme, &B::SetColorScheme, csBWG)
      .Property(u"Transparent", &B::Transparent, &B::SetTransparent, false)
      .Property(u"Enabled", &B::Enabled, &B::SetEnabled, true);
  return true;
}

const bool registered = RegisterOnOffBut();

}  // namespace

}  // namespace vyr
