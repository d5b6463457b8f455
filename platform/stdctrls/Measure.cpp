#include "platform/stdctrls/Measure.h"

namespace vcl::stdctrls {

namespace {

// A canvas that is never drawn on: only its font matters, set at each call.
TCanvas& Measurer(const TFont& Font) {
  static TCanvas canvas;
  canvas.Font()->Assign(const_cast<TFont*>(&Font));
  return canvas;
}

}  // namespace

int FontTextHeight(const TFont& Font) { return Measurer(Font).TextHeight(u"Ag"); }

int FontTextWidth(const TFont& Font, const String& Text) { return Measurer(Font).TextWidth(Text); }

}  // namespace vcl::stdctrls
