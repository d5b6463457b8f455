// The mark selector's published properties, for form files.
#include "VYR_marksel/VYR_marksel.h"
#include "platform/Streaming.h"

namespace vyr {

namespace {

bool RegisterMarkSel() {
  vcl::RegisterEnum<TFrameStyle>(
      {u"fsNoFrame", u"fsSimple", u"fsLowered", u"fsRaised", u"fsEtched", u"fsBump"});
  using M = TMarkSel;
  vcl::RegisterClass<M, vcl::TGraphicControl>(u"TMarkSel")
      .Property(u"NrOfColumns", &M::NrOfColumns, &M::SetNrOfColumns, 8)
      .Property(u"NrOfRows", &M::NrOfRows, &M::SetNrOfRows, 6)
      .Property(u"Selected", &M::Selected, &M::SetSelected, -1)
      .Property(u"ShowZeroAsCross", &M::ShowZeroAsCross, &M::SetShowZeroAsCross, true)
      .Color(u"ColorBackGnd", &M::ColorBackGnd, &M::SetColorBackGnd, vcl::clBtnFace)
      .Color(u"ColorMarks", &M::ColorMarks, &M::SetColorMarks, vcl::clBlack)
      .Color(u"ColorSelFG", &M::ColorSelFG, &M::SetColorSelFG, 0x800000)
      .Color(u"ColorSelBG", &M::ColorSelBG, &M::SetColorSelBG, 0xFFFFFF)
      .Color(u"ColorHiLiteBG", &M::ColorHiLiteBG, &M::SetColorHiLiteBG, 0x0000FF)
      .Color(u"ColorHiLiteSymbol", &M::ColorHiLiteSymbol, &M::SetColorHiLiteSymbol, 0xFFFFFF)
      .Property(u"FrameStyle", &M::FrameStyle, &M::SetFrameStyle, fsBump)
      .Property(u"Enabled", &M::Enabled, &M::SetEnabled, true)
      .Event(u"OnMarkClick")
      .Event(u"OnMarkDblClick")
      .Event(u"OnPaint");
  return true;
}

const bool registered = RegisterMarkSel();

}  // namespace

}  // namespace vyr
