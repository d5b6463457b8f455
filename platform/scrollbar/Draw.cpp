// The one drawing function of the scroll bar, on the shared look
// primitives and the system colors.
#include <algorithm>

#include "platform/ScrollBar.h"
#include "platform/stdctrls/Look.h"

namespace vcl {

namespace {

void Fill(TCanvas& C, const TRect& R, TColor Color) {
  if (R.IsEmpty()) return;
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color);
  C.FillRect(R);
}

enum TArrowDirection { adUp, adDown, adLeft, adRight };

// A filled triangle of up to four rows (fewer on small buttons) around the
// button's centre (cx, cy): its rows (columns) run from c - n/2 to
// c - n/2 + n - 1 along the arrow, the tip at the end it points to, the
// widest row 2n - 1 pixels across. The centre pixel is always covered.
void DrawArrowGlyph(TCanvas& C, const TRect& R, TArrowDirection Dir, int Shift, TColor Color) {
  int n = std::clamp((std::min(R.Width(), R.Height()) - 5) / 3 + 1, 0, 4);
  if (n == 0) return;
  int cx = (R.Left + R.Right) / 2 + Shift, cy = (R.Top + R.Bottom) / 2 + Shift;
  for (int i = 0; i < n; ++i) {
    // Half width of row i counted from the tip.
    int half = i;
    switch (Dir) {
      case adUp: Fill(C, Rect(cx - half, cy - n / 2 + i, cx + half + 1, cy - n / 2 + i + 1), Color); break;
      case adDown: Fill(C, Rect(cx - half, cy - n / 2 + n - 1 - i, cx + half + 1, cy - n / 2 + n - i), Color); break;
      case adLeft: Fill(C, Rect(cx - n / 2 + i, cy - half, cx - n / 2 + i + 1, cy + half + 1), Color); break;
      case adRight: Fill(C, Rect(cx - n / 2 + n - 1 - i, cy - half, cx - n / 2 + n - i, cy + half + 1), Color); break;
    }
  }
}

// An arrow button: raised, or flat with the glyph moved by a pixel while
// pressed; an inactive bar's glyph is engraved.
void DrawArrowButton(TCanvas& C, const TRect& R, TArrowDirection Dir, bool Down, bool Active) {
  if (R.IsEmpty()) return;
  Fill(C, R, clBtnFace);
  if (Down) {
    look::DrawFlatBorder(C, R, clBtnShadow);
  } else {
    look::DrawButtonFrame(C, R, false);
  }
  if (!Active) {
    DrawArrowGlyph(C, R, Dir, 1, clBtnHighlight);
    DrawArrowGlyph(C, R, Dir, 0, clBtnShadow);
    return;
  }
  DrawArrowGlyph(C, R, Dir, Down ? 1 : 0, clBtnText);
}

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
  DrawArrowButton(C, Layout.LineUp, v ? adUp : adLeft, Down == sbpLineUp, Layout.Active);
  DrawArrowButton(C, Layout.LineDown, v ? adDown : adRight, Down == sbpLineDown, Layout.Active);
  Fill(C, Layout.Track, clScrollBar);
  if (Down == sbpPageUp || Down == sbpPageDown) Fill(C, PageArea(Layout, Down), clBtnShadow);
  if (Layout.Thumb.IsEmpty()) return;
  Fill(C, Layout.Thumb, clBtnFace);
  look::DrawButtonFrame(C, Layout.Thumb, false);
  TRect focus = Layout.Thumb;
  focus.Inflate(-3, -3);
  if (Focused && !focus.IsEmpty()) C.DrawFocusRect(focus);
}

}  // namespace vcl
