// TNumIO2's mouse: the caret and selection in the text strip, the up/down
// buttons with their pivots, and the gauge.
//
// A left press, by where it lands (VYR_NumIO2Layout.h has the zones):
//   text strip   caret and selection to the character nearest the press
//                (the buttons lie in the strip too, so this comes first)
//   gauge        value := the gauge's value there (snapped to the nearest
//                pivot, limited to the range); OnChange at the release
//   buttons      one step up (upper half) or down; OnChange
// Moving with the left button held drags what the press started: the
// selection between the press and the pointer, or the gauge's value (with
// OnGaugeChange at every move). A drag that no press here started (the
// button went down elsewhere) follows the zone under the pointer.
#include <algorithm>
#include <cmath>

#include "VYR_NumIO/VYR_NumIO2.h"

namespace vyr {

void TNumIO2::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  if (Button == vcl::mbLeft) {
    const numio2::TLayout l = Layout();
    if (!FReadOnly) FCaretVisib = true;
    FDrag = drNone;
    if (numio2::InTextStrip(l, Y)) PressText(X);
    if (numio2::GaugePressAt(l, X, Y)) {
      FDrag = drGauge;
      SetGaugeValueAt(X);
      FValueChanged = true;
    }
    const numio2::TButtonHit hit = numio2::ButtonAt(l, X, Y);
    if (hit != numio2::bhNone) StepButton(hit == numio2::bhUp);
  }
  vcl::TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TNumIO2::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  const numio2::TLayout l = Layout();
  FMouseAreaCode = numio2::MouseArea(l, X);
  if (Shift.Contains(vcl::ssLeft)) {
    if (FDrag == drText || (FDrag == drNone && numio2::InTextStrip(l, Y))) {
      DragText(X);
    } else if (FDrag == drGauge || (FDrag == drNone && numio2::GaugeDragAt(l, X, Y))) {
      SetGaugeValueAt(X);
      FValueChanged = true;
      if (FOnGaugeChange) {
        const TOnGaugeChangeEvent handler = FOnGaugeChange;  // may outlive the control
        handler(this, Shift, Value());
      }
    }
  }
  vcl::TCustomControl::MouseMove(Shift, X, Y);
}

void TNumIO2::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  if (Button == vcl::mbLeft) FDrag = drNone;
  if (FValueChanged) {
    FValueChanged = false;
    Changed();
  }
  vcl::TCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---------------------------------------------------------------- text strip

void TNumIO2::PressText(int X) {
  FDrag = drText;
  MoveCaret(XCoordsToCharPos(X));
  Redraw();
}

// The selection runs between the press and the pointer; the caret follows
// the pointer.
void TNumIO2::DragText(int X) {
  const int pos = XCoordsToCharPos(X);
  FCaretPos = pos;
  FSelBegin = std::min(pos, FSelAnchor);
  FSelEnd = std::max(pos, FSelAnchor);
  Redraw();
}

// ---------------------------------------------------------------- gauge and buttons

// A drag beyond either end of the gauge holds the value at that end.
void TNumIO2::SetGaugeValueAt(int X) {
  const double v = numio2::GaugeValueAt(Layout(), X, FRangeLow, FRangeHigh);
  SetValue(numio2::GaugeSnap(FButtonPivots, v, FRangeLow, FRangeHigh));
}

void TNumIO2::StepButton(bool Up) {
  const double before = Value();
  const double epsilon = std::pow(10.0, -FFixPDecPl);
  SetValue(numio2::StepValue(FButtonPivots, before, Up, FButIncrem, epsilon, FRangeLow, FRangeHigh));
  if (Value() != before) Changed();
}

// ---------------------------------------------------------------- character positions

int TNumIO2::CharPosToXCoords(int Pos) {
  vcl::TCanvas& c = MeasureCanvas();
  const int n = static_cast<int>(FInBuffer.size());
  const int w = c.TextWidth(FInBuffer);
  const int wp = c.TextWidth(FInBuffer.substr(0, static_cast<std::size_t>(std::clamp(Pos, 0, n))));
  return numio2::CharX(FAlignment, Layout(), wp, w);
}

int TNumIO2::XCoordsToCharPos(int X) {
  if (FInBuffer.empty()) return 0;
  const int w = MeasureCanvas().TextWidth(FInBuffer);
  return numio2::CharAtX(FAlignment, Layout(), X, w, static_cast<int>(FInBuffer.size()));
}

}  // namespace vyr
