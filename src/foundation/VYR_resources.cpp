#include "foundation/VYR_resources.h"

namespace vyr {

const std::vector<vcl::String>& NamedBitmapNames() {
  static const std::vector<vcl::String> names{
      u"ARROWLR",   u"ARROWTR",     u"ARROWUD",     u"BEVELEDLED", u"BULB",       u"BUTLAMP",
      u"CHECKBOX",  u"CHECKEDBOX",  u"COLSLIDELR",  u"COLSLIDETB", u"EMPTYBOX",   u"HDLEFT",
      u"HDRIGHT",   u"LEDREDGREEN", u"RADIOBUT",    u"SEGCOLON",   u"SEGDEG",     u"SEGDOT",
      u"SEGHORZ",   u"SEGPLUS",     u"SEGVERT",     u"SLIDELFTRGT", u"SLIDETOPBOT", u"SMILEYRG",
      u"SMILEYS",   u"TRAFFICLGT",  u"USER1",       u"USER2",      u"USER3",      u"USER4",
      u"USER5"};
  return names;
}

void LoadNamedBitmap(vcl::TBitmap& Bitmap, const vcl::String& Name) {
  // Loaded aside first, so that a failure leaves Bitmap untouched.
  vcl::TBitmap loaded;
  loaded.LoadFromResourceName(Name);
  Bitmap.Assign(&loaded);
}

std::unique_ptr<vcl::TBitmap> NamedBitmap(const vcl::String& Name) {
  auto bitmap = std::make_unique<vcl::TBitmap>();
  bitmap->LoadFromResourceName(Name);
  return bitmap;
}

}  // namespace vyr
