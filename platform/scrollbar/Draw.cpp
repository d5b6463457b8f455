// The one drawing function of the scroll bar, on the framework's look
// module (platform/Look.h) and the system colors.
#include "platform/Look.h"
#include "platform/ScrollBar.h"

namespace vcl {

namespace {

// The part of the track between the thumb and the end a pressed page
// scroll moves towards.
TRect PageArea(const TScrollBarLayout& L, TScrollBarPart Part) {
  if (L.Thumb.IsEmpty()) return TRect();
  TRect r = L.Track;
  if (Part == sbpPageUp) {
    if (L.Vertical) r.Bottom = L.Thumb.Top; else r.Right = L.Thumb.Left;
  } else {
    if (L.Vertical) r.Top = L.Thumb.Bottom; else r.Left = L.Thumb.Right;
  }
  return r;
}

}  // namespace

void DrawScrollBar(TCanvas& C, const TScrollBarLayout& Layout, TScrollBarPart Down, bool Focused) {
  if (Layout.Bar.IsEmpty()) return;
  const bool v = Layout.Vertical;
  look::DrawScrollButton(C, Layout.LineUp, v ? look::adUp : look::adLeft, Down == sbpLineUp,
                         Layout.Active);
  look::DrawScrollButton(C, Layout.LineDown, v ? look::adDown : look::adRight,
                         Down == sbpLineDown, Layout.Active);
  look::DrawScrollTrack(C, Layout.Track);
  if (Down == sbpPageUp || Down == sbpPageDown) look::DrawScrollTrack(C, PageArea(Layout, Down), true);
  if (Layout.Thumb.IsEmpty()) return;
  look::DrawScrollThumb(C, Layout.Thumb);
  TRect focus = Layout.Thumb;
  focus.Inflate(-3, -3);
  if (Focused && !focus.IsEmpty()) look::DrawFocusRect(C, focus);
}

}  // namespace vcl
