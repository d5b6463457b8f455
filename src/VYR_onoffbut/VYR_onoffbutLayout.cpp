#include "VYR_onoffbut/VYR_onoffbutLayout.h"

#include <array>

namespace vyr::onoff {

const char16_t* StyleResourceName(TOnOffButStyle Style) {
  static constexpr std::array<const char16_t*, OnOffButStyleCount> names{
      nullptr,       u"CHECKBOX",    u"RADIOBUT", u"SLIDETOPBOT", u"SLIDELFTRGT", u"COLSLIDETB",
      u"COLSLIDELR", u"LEDREDGREEN", u"ARROWTR",  u"ARROWUD",     u"ARROWLR",     u"TRAFFICLGT",
      u"BEVELEDLED", u"SMILEYS",     u"SMILEYRG", u"BULB",        u"BUTLAMP",     u"HDLEFT",
      u"HDRIGHT",    u"USER1",       u"USER2",    u"USER3",       u"USER4",       u"USER5"};
  const auto i = static_cast<std::size_t>(Style);
  return i < names.size() ? names[i] : nullptr;
}

vcl::TRect QuadrantRect(int Index, int Width, int Height) {
  const int w = Width / 2, h = Height / 2;
  const bool on = Index >= 2, enabled = Index % 2 == 1;
  const int left = on ? 0 : w, top = enabled ? 0 : h;
  return vcl::TRect(left, top, left + w, top + h);
}

namespace {

int AlignedX(vcl::TAlignment Alignment, int LeftJustified, int RightJustified, int Centred) {
  switch (Alignment) {
    case vcl::taLeftJustify:
      return LeftJustified;
    case vcl::taRightJustify:
      return RightJustified;
    case vcl::taCenter:
      break;
  }
  return Centred;
}

}  // namespace

vcl::TPoint CaptionOrigin(TCaptionSide Side, vcl::TAlignment Alignment, int TextWidth,
                          const TCaptionFrame& F) {
  const int tw = TextWidth, w = F.Width, ls = F.LeftSpace, gw = F.GlyphWidth;
  const int beside = F.TopSpace + (F.GlyphHeight - F.TextHeight) / 2;
  switch (Side) {
    case cpLeft:
      return {AlignedX(Alignment, 4, ls - tw - 3, (ls - tw) / 2), beside};
    case cpRight:
      return {AlignedX(Alignment, ls + gw + 4, w - tw - 4, (w - tw - ls - gw) / 2 + ls + gw + 1),
              beside};
    case cpTop:
    case cpBottom:
      break;
  }
  const int y = Side == cpTop ? F.TopSpace - F.TextHeight - 4 : F.TopSpace + F.GlyphHeight + 4;
  return {AlignedX(Alignment, 4, w - tw - 4, ls + (gw - tw) / 2), y};
}

}  // namespace vyr::onoff
