// Engraved (disabled) text: a highlight copy one pixel right and down
// under the text in the shadow color.
#include "platform/StdCtrls.h"
#include "platform/look/LookCanvas.h"

namespace vcl::look {

void DrawEngravedText(TCanvas& C, int X, int Y, const String& Text) {
  detail::TKeepCanvas keep(C);
  C.Brush()->SetStyle(bsClear);  // only the glyphs
  C.Font()->SetColor(clBtnHighlight);
  C.TextOut(X + 1, Y + 1, Text);
  C.Font()->SetColor(clBtnShadow);
  C.TextOut(X, Y, Text);
}

void DrawEngravedText(TCanvas& C, const TRect& R, const String& Text, unsigned Format) {
  detail::TKeepCanvas keep(C);
  C.Brush()->SetStyle(bsClear);
  TRect lit = R;
  lit.Offset(1, 1);
  // The highlight copy stays inside R, as the text itself does.
  const bool clip = (Format & DT_NOCLIP) == 0;
  const TRect saved = clip ? C.IntersectClip(R) : C.DeviceClip();
  C.Font()->SetColor(clBtnHighlight);
  DrawText(&C, Text, -1, lit, Format);
  C.SetDeviceClip(saved);
  TRect r = R;
  C.Font()->SetColor(clBtnShadow);
  DrawText(&C, Text, -1, r, Format);
}

}  // namespace vcl::look
