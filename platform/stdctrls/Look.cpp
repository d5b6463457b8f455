#include "platform/stdctrls/Look.h"

#include <algorithm>

#include "platform/controls/Internal.h"
#include "platform/stdctrls/Shared.h"

namespace vcl::look {

void DrawEdge(TCanvas& C, const TRect& R, TColor TopLeft, TColor BottomRight) {
  if (R.Width() <= 0 || R.Height() <= 0) return;
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(TopLeft);
  C.FillRect(Rect(R.Left, R.Top, R.Right - 1, R.Top + 1));
  C.FillRect(Rect(R.Left, R.Top, R.Left + 1, R.Bottom - 1));
  C.Brush()->SetColor(BottomRight);
  C.FillRect(Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom));
  C.FillRect(Rect(R.Right - 1, R.Top, R.Right, R.Bottom));
}

void DrawSunkenBorder(TCanvas& C, const TRect& R) {
  DrawEdge(C, R, clBtnShadow, clBtnHighlight);
  TRect inner = R;
  inner.Inflate(-1, -1);
  DrawEdge(C, inner, cl3DDkShadow, cl3DLight);
}

void DrawFlatBorder(TCanvas& C, const TRect& R, TColor Color) { DrawEdge(C, R, Color, Color); }

void DrawButtonFrame(TCanvas& C, const TRect& R, bool Down) {
  if (Down) {
    DrawEdge(C, R, cl3DDkShadow, clBtnHighlight);
    TRect inner = R;
    inner.Inflate(-1, -1);
    DrawEdge(C, inner, clBtnShadow, cl3DLight);
    return;
  }
  DrawEdge(C, R, clBtnHighlight, cl3DDkShadow);
  TRect inner = R;
  inner.Inflate(-1, -1);
  DrawEdge(C, inner, cl3DLight, clBtnShadow);
}

namespace {

// The check mark: a short stroke down to the right, then a long one up,
// three pixels thick, inside the 13 × 13 box at (X, Y).
void DrawCheckMark(TCanvas& C, int X, int Y, TColor Color) {
  for (int i = 0; i < 7; ++i) {
    int x = X + 3 + i;
    int y = i < 3 ? Y + 5 + i : Y + 7 - (i - 2);
    for (int k = 0; k < 3; ++k) C.SetPixels(x, y + k, Color);
  }
}

}  // namespace

void DrawCheckBox(TCanvas& C, int X, int Y, int State, bool Enabled, bool Pushed) {
  TRect box = Bounds(X, Y, 13, 13);
  DrawSunkenBorder(C, box);
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(State == 2 || !Enabled || Pushed ? clBtnFace : clWindow);
  C.FillRect(Rect(X + 2, Y + 2, X + 11, Y + 11));
  if (State == 0) return;
  TColor mark = State == 2 || !Enabled ? clBtnShadow : clWindowText;
  DrawCheckMark(C, X, Y, mark);
}

void DrawDownArrow(TCanvas& C, const TRect& R, TColor Color) {
  int cx = (R.Left + R.Right) / 2;
  int top = (R.Top + R.Bottom) / 2 - 2;
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color);
  for (int row = 0; row < 4; ++row) {
    C.FillRect(Rect(cx - 3 + row, top + row, cx + 4 - row, top + row + 1));
  }
}

void DrawScrollBar(TCanvas& C, const TRect& R, bool Vertical, int Position, int Page,
                   int Total) {
  if (R.IsEmpty()) return;
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(clScrollBar);
  C.FillRect(R);
  if (Total <= Page || Total <= 0) return;
  int length = Vertical ? R.Height() : R.Width();
  int size = std::max(8, static_cast<int>(static_cast<long long>(length) * Page / Total));
  int room = std::max(0, length - size);
  int maxPos = std::max(1, Total - Page);
  int offset = static_cast<int>(static_cast<long long>(room) * std::clamp(Position, 0, maxPos) / maxPos);
  TRect thumb = Vertical ? Rect(R.Left, R.Top + offset, R.Right, R.Top + offset + size)
                         : Rect(R.Left + offset, R.Top, R.Left + offset + size, R.Bottom);
  C.Brush()->SetColor(clBtnFace);
  C.FillRect(thumb);
  DrawButtonFrame(C, thumb, false);
}

}  // namespace vcl::look

// ---------------------------------------------------------------- focus

namespace vcl::stdctrls {

bool FocusOnClick(TWinControl* Control) {
  if (Control->Focused() || !Control->CanFocus()) return true;
  try {
    Control->SetFocus();
  } catch (const EInvalidOperation&) {
    // The form cannot take the focus now; the click still works.
  }
  return detail::IsAlive(Control);
}

}  // namespace vcl::stdctrls
