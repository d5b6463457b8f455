// TNumIO2: construction, properties, the value, the caret timer, focus and
// assignment. Keys and the online check are in VYR_NumIO2Entry.cpp, the
// mouse, buttons and gauge in VYR_NumIO2Mouse.cpp, painting in
// VYR_NumIO2Paint.cpp and form-file registration in VYR_NumIO2Register.cpp.
#include "VYR_NumIO/VYR_NumIO2.h"

#include <algorithm>
#include <cmath>
#include <typeinfo>
#include <utility>

#include "companion/basepack/VYR_univconst.h"
#include "foundation/VYR_errors.h"
#include "platform/Streaming.h"

namespace vyr {

using vcl::String;

namespace {

constexpr int MinHeight = 18;
constexpr int MaxDigits = 15;

}  // namespace

// The text starts empty and the caret timer runs from the start; nothing
// is painted until the window exists (CreateWnd).
TNumIO2::TNumIO2(vcl::TComponent* AOwner)
    : vcl::TCustomControl(AOwner), FTimer(this, [this](std::uintptr_t ID) {
        if (ID == CaretTimerID) CaretTick();
      }) {
  SetControlStyle(vcl::TControlStyle{vcl::csCaptureMouse, vcl::csClickEvents, vcl::csDoubleClicks,
                                     vcl::csOpaque});
  SetTabStop(true);
  SetBounds(Left(), Top(), 160, 28);
  FLayout.ButHeight = Height();
  FInBuffer.clear();
  UpdateTimer();
}

// The timer window, and with it the caret timer, goes with the control.
TNumIO2::~TNumIO2() = default;

void TNumIO2::CreateWnd() {
  vcl::TCustomControl::CreateWnd();
  FSuppressPaint = false;
  AdjustAutoHeight();
}

// ---------------------------------------------------------------- helpers

template <class T>
void TNumIO2::Store(T& Field, const T& Value) {
  if (Field == Value) return;
  Field = Value;
  Redraw();
}

numio2::TLayout TNumIO2::Layout() const {
  numio2::TLayout l = FLayout;
  l.Width = Width();
  l.Height = Height();
  return l;
}

// ---------------------------------------------------------------- value and text

double TNumIO2::Value() const { return numio::ReadCompoundValue(FInBuffer, FInFormat); }

// NaN has no text in any format and is ignored; infinities are written as
// the largest finite values.
void TNumIO2::SetValue(double Value) {
  if (std::isnan(Value)) return;
  Value = std::clamp(Value, -uc_MaxDouble, uc_MaxDouble);
  FInBuffer = LocalizedText(numio::WriteCompoundValue(Value, FInFormat, FFixPDecPl, FSignifDigits));
  ClampSelection();
  Redraw();
}

int TNumIO2::IntegerValue() const {
  const double v = Value();
  if (!(v >= -2147483648.0 && v <= 2147483647.0)) {
    throw EVYRNumIO2Error(ComponentMessage(*this, u"integer overflow"));
  }
  return static_cast<int>(numio::RoundToInt64(v));
}

void TNumIO2::SetText(const String& Value) {
  if (!Value.empty() && !CheckValidity(Value)) return;
  FInBuffer = Value;
  FCaretPos = FSelBegin = FSelEnd = FSelAnchor = 0;
  Redraw();
}

bool TNumIO2::OutOfRange() const {
  const double v = Value();
  return v < FRangeLow || v > FRangeHigh;
}

bool TNumIO2::CheckValidity(const String& Instring) const {
  return numio::CheckCompoundText(Instring, FInFormat, FDecPSep, FFixPDecPl);
}

// The handler runs from a copy: it may free the control, and with it the
// event it was called through.
void TNumIO2::Changed() {
  if (!FOnChange) return;
  const vcl::TNotifyEvent handler = FOnChange;
  handler(this);
}

// The value of the current text, written again (in a new format or with
// new decimals).
void TNumIO2::RewriteValue(double V) { SetValue(V); }

// ---------------------------------------------------------------- format

void TNumIO2::SetInputFormat(TInFormat Value) {
  if (FInFormat == Value) return;
  const double v = this->Value();
  FInFormat = Value;
  RewriteValue(v);
}

void TNumIO2::SetFixPointDecPlaces(int Value) {
  if (Value <= 0 || FFixPDecPl == std::min(Value, MaxDigits)) return;
  const double v = this->Value();
  FFixPDecPl = std::min(Value, MaxDigits);
  RewriteValue(v);
}

void TNumIO2::SetSignificantDigits(int Value) {
  if (Value <= 0 || FSignifDigits == std::min(Value, MaxDigits)) return;
  const double v = this->Value();
  FSignifDigits = std::min(Value, MaxDigits);
  RewriteValue(v);
}

void TNumIO2::SetDecPlaceSep(TDecPSep Value) {
  if (FDecPSep == Value) return;
  ReplaceSeparator(FDecPSep, Value);
  FDecPSep = Value;
  ClampSelection();
  Redraw();
}

// While a form file is read the limits are kept as they come (the other one
// may follow); Loaded puts them in order.
void TNumIO2::SetRangeLow(double Value) {
  if (std::isnan(Value)) return;
  FRangeLow = Value;
  if (FRangeLow > FRangeHigh && !Loading()) FRangeHigh = FRangeLow;
  Redraw();
}

void TNumIO2::SetRangeHigh(double Value) {
  if (std::isnan(Value)) return;
  FRangeHigh = Value;
  if (FRangeHigh < FRangeLow && !Loading()) FRangeLow = FRangeHigh;
  Redraw();
}

// ---------------------------------------------------------------- layout of the strip

void TNumIO2::SetLeftSpace(int Value) {
  if (Value < 0 || Value == FLayout.LeftSpace) return;
  Store(FLayout.LeftSpace, std::min(Value, Width()));
}

void TNumIO2::SetTextBoxWidth(int Value) { Store(FLayout.TextBoxWidth, std::max(Value, 0)); }
void TNumIO2::SetLeftText(const String& Value) { Store(FLeftText, Value); }
void TNumIO2::SetRightText(const String& Value) { Store(FRightText, Value); }
void TNumIO2::SetAlignment(vcl::TAlignment Value) { Store(FAlignment, Value); }
void TNumIO2::SetLeftTextAlignment(vcl::TAlignment Value) { Store(FLeftTextAlignment, Value); }
void TNumIO2::SetRightTextAlignment(vcl::TAlignment Value) { Store(FRightTextAlignment, Value); }
void TNumIO2::SetFrameStyle(TFrameStyle Value) { Store(FFrameStyle, Value); }

void TNumIO2::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  AdjustAutoHeight();
  Redraw();
}

// ---------------------------------------------------------------- buttons

void TNumIO2::SetButVisible(bool Value) { Store(FLayout.ButVisible, Value); }
void TNumIO2::SetBut3D(bool Value) { Store(FBut3D, Value); }
void TNumIO2::SetButWidth(int Value) { Store(FLayout.ButWidth, std::clamp(Value, 8, 50)); }

void TNumIO2::SetButHeight(int Value) {
  Store(FLayout.ButHeight, std::max(std::min(Value, Height()), MinHeight));
}

void TNumIO2::SetButSpace(int Value) { Store(FLayout.ButSpace, std::clamp(Value, 0, 50)); }

void TNumIO2::SetButIncrem(double Value) {
  if (!std::isnan(Value)) Store(FButIncrem, Value);
}

void TNumIO2::SetButColor(vcl::TColor Value) { Store(FButColor, Value); }

void TNumIO2::SetButtonPivots(std::vector<double> Value) {
  std::erase_if(Value, [](double v) { return std::isnan(v); });
  FButtonPivots = std::move(Value);
}

// ---------------------------------------------------------------- gauge

void TNumIO2::SetGaugeVisible(bool Value) { Store(FLayout.GaugeVisible, Value); }

void TNumIO2::SetGaugeHeight(int Value) {
  if (Value == FLayout.GaugeHeight) return;
  if (!Loading()) Value = std::max(std::min(Value, Height() - FLayout.GaugeTopMargin - MinHeight), 3);
  Store(FLayout.GaugeHeight, Value);
}

void TNumIO2::SetGaugeWidth(int Value) {
  if (Value == FLayout.GaugeWidth) return;
  if (!Loading()) Value = std::min(std::max(Value, 10), Width() - FLayout.GaugeLeftMargin);
  Store(FLayout.GaugeWidth, Value);
}

void TNumIO2::SetGaugeLeftMargin(int Value) {
  if (Value == FLayout.GaugeLeftMargin) return;
  if (!Loading()) Value = std::max(std::min(Value, Width() - FLayout.GaugeWidth), 0);
  Store(FLayout.GaugeLeftMargin, Value);
}

void TNumIO2::SetGaugeTopMargin(int Value) {
  if (Value == FLayout.GaugeTopMargin) return;
  if (!Loading()) Value = std::max(std::min(Value, Height() - FLayout.GaugeHeight - MinHeight), 0);
  Store(FLayout.GaugeTopMargin, Value);
}

void TNumIO2::SetGaugeColor(vcl::TColor Value) { Store(FGaugeColor, Value); }
void TNumIO2::SetGaugeColorBg(vcl::TColor Value) { Store(FGaugeColorBg, Value); }
void TNumIO2::SetGaugeColorFrame(vcl::TColor Value) { Store(FGaugeColorFrame, Value); }
void TNumIO2::SetGaugeFrameStyle(TFrameStyle Value) { Store(FGaugeFrameStyle, Value); }

// ---------------------------------------------------------------- colors

void TNumIO2::SetColorBoxBG(vcl::TColor Value) { Store(FColorBoxBG, Value); }
void TNumIO2::SetColorBoxText(vcl::TColor Value) { Store(FColorBoxText, Value); }
void TNumIO2::SetColorOutBG(vcl::TColor Value) { Store(FColorOutBG, Value); }
void TNumIO2::SetColorOutText(vcl::TColor Value) { Store(FColorOutText, Value); }

void TNumIO2::SetColorWarnBG(vcl::TColor Value) {
  FColorWarnBG = Value;
  Redraw();
}

void TNumIO2::SetColorWarnText(vcl::TColor Value) {
  FColorWarnText = Value;
  Redraw();
}

void TNumIO2::SetColorScheme(TColorScheme Value) {
  if (FColorScheme == Value) return;
  FColorScheme = Value;
  FColGrayLine = Value == csBWG ? vcl::clGray : vcl::clBtnShadow;
  FColWhiteLine = Value == csBWG ? vcl::clWhite : vcl::clBtnHighlight;
  Redraw();
}

// ---------------------------------------------------------------- behaviour

void TNumIO2::SetBeep(bool Value) { FBeep = Value; }

void TNumIO2::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  if (!Value) {
    UpdateTimer();
    return;
  }
  FTimer.Stop(CaretTimerID);
  FCaretVisib = false;
  Redraw();
}

void TNumIO2::SetHideSelection(bool Value) { Store(FHideSelection, Value); }

void TNumIO2::SetEnabled(bool Value) {
  vcl::TCustomControl::SetEnabled(Value);
  Redraw();
}

void TNumIO2::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AHeight = std::max(AHeight, MinHeight);
  FLayout.ButHeight = std::min(FLayout.ButHeight, AHeight);
  vcl::TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

// ---------------------------------------------------------------- selection

void TNumIO2::SetSelBegin(int Value) {
  FSelBegin = std::clamp(Value, 0, static_cast<int>(FInBuffer.size()));
  FCaretPos = FSelAnchor = FSelBegin;
  FSelEnd = std::max(FSelEnd, FSelBegin);
  Redraw();
}

void TNumIO2::SetSelEnd(int Value) {
  FSelEnd = std::clamp(Value, 0, static_cast<int>(FInBuffer.size()));
  FCaretPos = FSelEnd;
  FSelBegin = std::min(FSelBegin, FSelEnd);
  FSelAnchor = FSelBegin;
  Redraw();
}

// Keeps caret and selection within the text after it was replaced.
void TNumIO2::ClampSelection() {
  const int n = static_cast<int>(FInBuffer.size());
  FCaretPos = std::clamp(FCaretPos, 0, n);
  FSelEnd = std::clamp(FSelEnd, 0, n);
  FSelBegin = std::clamp(FSelBegin, 0, FSelEnd);
  FSelAnchor = std::clamp(FSelAnchor, 0, n);
}

// ---------------------------------------------------------------- caret timer

// Restarts the blink with the caret shown; a refused timer raises
// "Component "Name": no timer available".
void TNumIO2::UpdateTimer() {
  FTimer.Stop(CaretTimerID);
  FCaretVisib = true;
  FTimer.Start<EVYRNumIO2Error>(CaretTimerID, 500);
  Redraw();
}

// The caret blinks while the control has the focus; without it the timer
// stops with the caret hidden.
void TNumIO2::CaretTick() {
  if (Focused()) {
    FCaretVisib = !FCaretVisib;
  } else {
    FTimer.Stop(CaretTimerID);
    FCaretVisib = false;
  }
  Redraw();
}

// ---------------------------------------------------------------- focus

void TNumIO2::SetFocus() {
  vcl::TCustomControl::SetFocus();
  if (!FReadOnly) UpdateTimer();
}

void TNumIO2::Click() {
  if (CanFocus()) SetFocus();
  if (!FReadOnly) UpdateTimer();
  vcl::TCustomControl::Click();
}

void TNumIO2::WMSetFocus(vcl::TMessage& Message) {
  vcl::TCustomControl::WMSetFocus(Message);
  if (!FReadOnly) UpdateTimer();
}

// Shift and Ctrl released elsewhere are not seen here, so their flags go
// with the focus; the caret and a hidden selection disappear at once.
void TNumIO2::WMKillFocus(vcl::TMessage& Message) {
  vcl::TCustomControl::WMKillFocus(Message);
  FKeyShifted = FKeyCntrl = false;
  FCaretVisib = false;
  FDrag = drNone;
  Redraw();
}

// ---------------------------------------------------------------- loading

void TNumIO2::Loaded() {
  vcl::TCustomControl::Loaded();
  if (FRangeLow > FRangeHigh) FRangeHigh = FRangeLow;
  FLayout.ButHeight = std::max(std::min(FLayout.ButHeight, Height()), MinHeight);
  ClampSelection();
  Redraw();
}

// ---------------------------------------------------------------- assigning

// Field by field, without setters: the entry, texts, colors and settings.
// The buttons, the gauge, Enabled and the events stay each control's own.
void TNumIO2::Assign(vcl::TPersistent* Source) {
  auto* s = dynamic_cast<TNumIO2*>(Source);
  if (s == nullptr) {
    vcl::TCustomControl::Assign(Source);
    return;
  }
  FLayout.LeftSpace = s->FLayout.LeftSpace;
  FLayout.TextBoxWidth = s->FLayout.TextBoxWidth;
  FFixPDecPl = s->FFixPDecPl;
  FSignifDigits = s->FSignifDigits;
  FLeftText = s->FLeftText;
  FRightText = s->FRightText;
  FFrameStyle = s->FFrameStyle;
  FAlignment = s->FAlignment;
  FRightTextAlignment = s->FRightTextAlignment;
  FLeftTextAlignment = s->FLeftTextAlignment;
  FColorBoxBG = s->FColorBoxBG;
  FColorBoxText = s->FColorBoxText;
  FColorOutBG = s->FColorOutBG;
  FColorOutText = s->FColorOutText;
  FColBlackLine = s->FColBlackLine;
  FColGrayLine = s->FColGrayLine;
  FColWhiteLine = s->FColWhiteLine;
  FColorScheme = s->FColorScheme;
  FInFormat = s->FInFormat;
  FInBuffer = s->FInBuffer;
  FCaretPos = s->FCaretPos;
  FCaretVisib = s->FCaretVisib;
  FMouseAreaCode = s->FMouseAreaCode;
  FColorWarnBG = s->FColorWarnBG;
  FColorWarnText = s->FColorWarnText;
  FSelBegin = s->FSelBegin;
  FSelEnd = s->FSelEnd;
  FSelAnchor = s->FSelAnchor;
  FDecPSep = s->FDecPSep;
  FKeyShifted = s->FKeyShifted;
  FKeyCntrl = s->FKeyCntrl;
  FHideSelection = s->FHideSelection;
  FRangeHigh = s->FRangeHigh;
  FRangeLow = s->FRangeLow;
  FOnlineCheck = s->FOnlineCheck;
  FBeep = s->FBeep;
  FReadOnly = s->FReadOnly;
  FAutoSize = s->FAutoSize;
  // A read-only copy does not blink, whatever its timer did before.
  if (FReadOnly) {
    FTimer.Stop(CaretTimerID);
    FCaretVisib = false;
  }
  ClampSelection();
  AdjustAutoHeight();
  Redraw();
}

// Only a TNumIO2's Assign takes a TNumIO2; any other destination gets the
// framework's refusal (handing it to an ancestor's Assign would come back
// here without end).
void TNumIO2::AssignTo(vcl::TPersistent* Dest) {
  if (dynamic_cast<TNumIO2*>(Dest) != nullptr && vcl::IsInstanceOfClassOf(*this, *Dest)) {
    Dest->Assign(this);
    return;
  }
  vcl::TCustomControl::AssignTo(Dest);
}

}  // namespace vyr
