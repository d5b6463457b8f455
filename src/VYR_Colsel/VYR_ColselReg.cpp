// The color selector's published properties, for form files. The list
// is rebuilt from the palette, so the items, the item index, the text and
// the style of the combo box underneath are not stored; NumColors comes
// before SelColor so that a stored color is looked up in the right palette.
#include "VYR_Colsel/VYR_Colsel.h"
#include "companion/basepack/VYR_vyrcolors.h"
#include "platform/Streaming.h"

namespace vyr {

namespace {

bool RegisterColSel() {
  using C = TColSel;
  using B = vcl::TCustomComboBox;
  vcl::RegisterClass<C, B>(u"TColSel")
      .Property(u"Style", &B::Style, &B::SetStyle, vcl::csOwnerDrawFixed)
      .Strings(u"Items", [](C& c) { return c.Items(); })
      .Stored(false)
      .Property(u"ItemIndex", &B::ItemIndex, &C::SetItemIndex, -1)
      .Stored(false)
      .Property(u"Text", &vcl::TControl::Text, &B::SetText)
      .Stored(false)
      .Property(u"ColorBarWidth", &C::ColorBarWidth, &C::SetColorBarWidth, 30)
      .Property(u"NumColors", &C::NumColors, &C::SetNumColors, 20)
      .Color(u"SelColor", &C::SelColor, &C::SetSelColor, PredefinedColors[1])
      .Property(u"Enabled", &C::Enabled, &C::SetEnabled, true)
      .Event(u"OnColorNameChange");
  return true;
}

const bool registered = RegisterColSel();

}  // namespace

}  // namespace vyr
