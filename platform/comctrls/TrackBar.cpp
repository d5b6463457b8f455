// TTrackBar: a thumb on a channel with tick marks; its geometry in pure
// functions shared by painting, hit testing and dragging.
#include <algorithm>

#include "platform/ComCtrls.h"
#include "platform/Look.h"
#include "platform/ScrollBar.h"
#include "platform/Streaming.h"
#include "platform/controls/Internal.h"
#include "platform/scrollbar/RepeatTimer.h"

namespace vcl {

namespace {

constexpr int kEnd = 8;  // blank at the ends of the channel and before the thumb

// A / B rounded to the nearest (halves away from zero); B > 0.
std::int64_t RoundDiv(std::int64_t A, std::int64_t B) {
  return A >= 0 ? (2 * A + B) / (2 * B) : -((-2 * A + B) / (2 * B));
}

bool Loading(const TComponent& C) { return C.ComponentState().Contains(csLoading); }

TRect Oriented(bool Horizontal, int Along0, int Across0, int Along1, int Across1) {
  return Horizontal ? Rect(Along0, Across0, Along1, Across1) : Rect(Across0, Along0, Across1, Along1);
}

}  // namespace

TTrackBarLayout LayoutTrackBar(int Width, int Height, TTrackBarOrientation Orientation,
                               TTickMark TickMarks, int ThumbLength, int Min, int Max,
                               int Position) {
  bool horz = Orientation == trHorizontal;
  int length = horz ? Width : Height;
  int breadth = horz ? Height : Width;
  TTrackBarLayout l;
  l.ThumbAlong = ThumbLength / 2 + 1;
  l.First = kEnd + l.ThumbAlong / 2;
  l.Last = std::max(l.First, length - kEnd - (l.ThumbAlong - l.ThumbAlong / 2));
  switch (TickMarks) {
    case tmTopLeft: l.ThumbAcross = breadth - kEnd - ThumbLength; break;
    case tmBoth: l.ThumbAcross = (breadth - ThumbLength) / 2; break;
    default: l.ThumbAcross = kEnd; break;
  }
  int mid = l.ThumbAcross + ThumbLength / 2;
  l.Channel = Oriented(horz, kEnd, mid - 2, std::max(kEnd, length - kEnd), mid + 2);
  int p = TrackBarPixelOf(l, Min, Max, Position);
  int start = p - l.ThumbAlong / 2;
  l.Thumb = Oriented(horz, start, l.ThumbAcross, start + l.ThumbAlong, l.ThumbAcross + ThumbLength);
  return l;
}

int TrackBarPixelOf(const TTrackBarLayout& Layout, int Min, int Max, int Value) {
  if (Max <= Min) return Layout.First;
  std::int64_t v = std::clamp(Value, Min, Max);
  std::int64_t span = static_cast<std::int64_t>(Max) - Min;
  return Layout.First + static_cast<int>(RoundDiv((v - Min) * (Layout.Last - Layout.First), span));
}

int TrackBarValueAt(const TTrackBarLayout& Layout, int Min, int Max, int Along) {
  if (Max <= Min || Layout.Last <= Layout.First) return Min;
  std::int64_t span = static_cast<std::int64_t>(Max) - Min;
  std::int64_t v = Min + RoundDiv((static_cast<std::int64_t>(Along) - Layout.First) * span,
                                  Layout.Last - Layout.First);
  return static_cast<int>(std::clamp<std::int64_t>(v, Min, Max));
}

// ---------------------------------------------------------------- TTrackBar

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle(ControlStyle() << csCaptureMouse << csClickEvents << csDoubleClicks);
  SetTabStop(true);
  SetBounds(Left(), Top(), 150, 45);
}

TTrackBar::~TTrackBar() = default;

TTrackBarLayout TTrackBar::Layout() const {
  return LayoutTrackBar(Width(), Height(), FOrientation, FTickMarks, FThumbLength, FMin, FMax,
                        FPosition);
}

void TTrackBar::SetMin(int Value) {
  if (FMin == Value) return;
  FMin = Value;
  if (Loading(*this)) return;
  FMax = std::max(FMax, FMin);
  Invalidate();
  SetPosition(FPosition);
}

void TTrackBar::SetMax(int Value) {
  if (FMax == Value) return;
  FMax = Value;
  if (Loading(*this)) return;
  FMin = std::min(FMin, FMax);
  Invalidate();
  SetPosition(FPosition);
}

void TTrackBar::SetPosition(int Value) {
  if (Loading(*this)) {
    FPosition = Value;
    return;
  }
  Value = std::clamp(Value, FMin, FMax);
  if (FPosition == Value) return;
  FPosition = Value;
  Invalidate();
  Changed();
}

void TTrackBar::Loaded() {
  TWinControl::Loaded();
  FMax = std::max(FMax, FMin);
  FPosition = std::clamp(FPosition, FMin, FMax);
}

void TTrackBar::Changed() {
  if (FOnChange) FOnChange(this);
}

void TTrackBar::SetFrequency(int Value) {
  Value = std::max(1, Value);
  if (FFrequency == Value) return;
  FFrequency = Value;
  Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  if (!Loading(*this)) SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

void TTrackBar::SetTickMarks(TTickMark Value) {
  if (FTickMarks == Value) return;
  FTickMarks = Value;
  Invalidate();
}

void TTrackBar::SetTickStyle(TTickStyle Value) {
  if (FTickStyle == Value) return;
  FTickStyle = Value;
  Invalidate();
}

void TTrackBar::SetThumbLength(int Value) {
  Value = std::max(4, Value);
  if (FThumbLength == Value) return;
  FThumbLength = Value;
  Invalidate();
}

void TTrackBar::SetSelStart(int Value) {
  if (FSelStart == Value) return;
  FSelStart = Value;
  Invalidate();
}

void TTrackBar::SetSelEnd(int Value) {
  if (FSelEnd == Value) return;
  FSelEnd = Value;
  Invalidate();
}

void TTrackBar::SetShowSelRange(bool Value) {
  if (FShowSelRange == Value) return;
  FShowSelRange = Value;
  Invalidate();
}

void TTrackBar::SetSliderVisible(bool Value) {
  if (FSliderVisible == Value) return;
  FSliderVisible = Value;
  Invalidate();
}

void TTrackBar::SetTick(int Value) {
  if (std::find(FTicks.begin(), FTicks.end(), Value) == FTicks.end()) FTicks.push_back(Value);
  Invalidate();
}

void TTrackBar::ClearTicks() {
  FTicks.clear();
  Invalidate();
}

// ---------------------------------------------------------------- painting

std::vector<int> TTrackBar::TickValues() const {
  std::vector<int> values;
  if (FTickStyle == tsNone) return values;
  values.push_back(FMin);
  if (FTickStyle == tsAuto) {
    for (std::int64_t v = static_cast<std::int64_t>(FMin) + FFrequency; v < FMax; v += FFrequency) {
      values.push_back(static_cast<int>(v));
    }
  } else {
    for (int v : FTicks) {
      if (v > FMin && v < FMax) values.push_back(v);
    }
  }
  if (FMax > FMin) values.push_back(FMax);
  return values;
}

// Ticks 3 pixels long, those of Min and Max 5, 2 pixels off the thumb.
void TTrackBar::PaintTicks(TCanvas& C, const TTrackBarLayout& L) {
  bool horz = FOrientation == trHorizontal;
  std::vector<int> values = TickValues();
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(clBtnText);
  for (int v : values) {
    int p = TrackBarPixelOf(L, FMin, FMax, v);
    int length = (v == FMin || v == FMax) ? 5 : 3;
    if (FTickMarks != tmTopLeft) {
      int a = L.ThumbAcross + FThumbLength + 2;
      C.FillRect(Oriented(horz, p, a, p + 1, a + length));
    }
    if (FTickMarks != tmBottomRight) {
      int a = L.ThumbAcross - 2;
      C.FillRect(Oriented(horz, p, a - length, p + 1, a));
    }
  }
}

void TTrackBar::PaintWindow(TCanvas* DC) {
  detail::PaintScope scope(this, FCanvas, *DC);
  TCanvas& c = FCanvas;
  TTrackBarLayout l = Layout();
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Color());
  c.FillRect(ClientRect());
  TRect inner = look::DrawEdge(c, l.Channel, look::ekSunkenOuter);
  c.Brush()->SetColor(clWindow);
  c.FillRect(inner);
  if (FShowSelRange && FSelEnd > FSelStart) {
    bool horz = FOrientation == trHorizontal;
    int a = TrackBarPixelOf(l, FMin, FMax, FSelStart), b = TrackBarPixelOf(l, FMin, FMax, FSelEnd);
    TRect sel = horz ? Rect(a, inner.Top, b + 1, inner.Bottom) : Rect(inner.Left, a, inner.Right, b + 1);
    c.Brush()->SetColor(clHighlight);
    c.FillRect(sel.Intersect(inner));
  }
  PaintTicks(c, l);
  if (FSliderVisible) look::DrawButtonFace(c, l.Thumb, Enabled() ? look::bfUp : look::bfDisabled);
  if (Focused()) look::DrawFocusRect(c, ClientRect());
}

// ---------------------------------------------------------------- input

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TWinControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !detail::IsAlive(this)) return;
  if (CanFocus() && !Focused()) SetFocus();
  if (!detail::IsAlive(this)) return;
  TTrackBarLayout l = Layout();
  int a = Along(X, Y);
  if (FSliderVisible && l.Thumb.Contains({X, Y})) {
    FDragging = true;
    FDragOffset = a - TrackBarPixelOf(l, FMin, FMax, FPosition);
    return;
  }
  FPageTarget = a;
  if (!FRepeat) FRepeat = std::make_unique<scrollbar::TRepeatTimer>(this, [this] { PageTowardsMouse(); });
  FRepeat->Start(ScrollFirstDelay, ScrollRepeatInterval);
  PageTowardsMouse();
}

// A page towards the held mouse, stopping where the thumb reaches it.
void TTrackBar::PageTowardsMouse() {
  TTrackBarLayout l = Layout();
  int p = TrackBarPixelOf(l, FMin, FMax, FPosition);
  int target = TrackBarValueAt(l, FMin, FMax, FPageTarget);
  int start = p - l.ThumbAlong / 2;
  if (FPageTarget < start) {
    SetPosition(std::max(FPosition - FPageSize, target));
  } else if (FPageTarget >= start + l.ThumbAlong) {
    SetPosition(std::min(FPosition + FPageSize, target));
  } else {
    StopPaging();
  }
}

void TTrackBar::StopPaging() {
  if (FRepeat) FRepeat->Stop();
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
  TWinControl::MouseMove(Shift, X, Y);
  if (!detail::IsAlive(this)) return;
  if (FDragging) {
    SetPosition(TrackBarValueAt(Layout(), FMin, FMax, Along(X, Y) - FDragOffset));
  } else if (FRepeat && FRepeat->Running()) {
    FPageTarget = Along(X, Y);
  }
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    FDragging = false;
    StopPaging();
  }
  TWinControl::MouseUp(Button, Shift, X, Y);
}

bool TTrackBar::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  int notches = WheelDelta / 120;
  if (notches == 0) return false;
  SetPosition(FPosition - notches * Mouse.WheelScrollLines() * FLineSize);
  return true;
}

void TTrackBar::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  TWinControl::KeyDown(Key, Shift);
  if (Key == 0 || !detail::IsAlive(this)) return;
  switch (Key) {
    case VK_LEFT: case VK_UP: SetPosition(FPosition - FLineSize); break;
    case VK_RIGHT: case VK_DOWN: SetPosition(FPosition + FLineSize); break;
    case VK_PRIOR: SetPosition(FPosition - FPageSize); break;
    case VK_NEXT: SetPosition(FPosition + FPageSize); break;
    case VK_HOME: SetPosition(FMin); break;
    case VK_END: SetPosition(FMax); break;
    default: return;
  }
  Key = 0;
}

void TTrackBar::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }

void TTrackBar::WMSetFocus(TMessage& Message) {
  TWinControl::WMSetFocus(Message);
  Invalidate();
}

void TTrackBar::WMKillFocus(TMessage& Message) {
  TWinControl::WMKillFocus(Message);
  FDragging = false;
  StopPaging();
  Invalidate();
}

void TTrackBar::CMEnabledChanged(TMessage& Message) {
  TWinControl::CMEnabledChanged(Message);
  FDragging = false;
  StopPaging();
  Invalidate();
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterTrackBar() {
  RegisterEnum<TTrackBarOrientation>({u"trHorizontal", u"trVertical"});
  RegisterEnum<TTickMark>({u"tmBottomRight", u"tmTopLeft", u"tmBoth"});
  RegisterEnum<TTickStyle>({u"tsNone", u"tsAuto", u"tsManual"});
  using T = TTrackBar;
  RegisterClass<T, TWinControl>(u"TTrackBar")
      .Property(u"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
      .Property(u"Orientation", &T::Orientation, &T::SetOrientation, trHorizontal)
      .Property(u"Frequency", &T::Frequency, &T::SetFrequency, 1)
      .Property(u"LineSize", &T::LineSize, &T::SetLineSize, 1)
      .Property(u"Max", &T::Max, &T::SetMax, 10)
      .Property(u"Min", &T::Min, &T::SetMin, 0)
      .Property(u"PageSize", &T::PageSize, &T::SetPageSize, 2)
      .Property(u"Position", &T::Position, &T::SetPosition, 0)
      .Property(u"SelEnd", &T::SelEnd, &T::SetSelEnd, 0)
      .Property(u"SelStart", &T::SelStart, &T::SetSelStart, 0)
      .Property(u"ShowSelRange", &T::ShowSelRange, &T::SetShowSelRange, true)
      .Property(u"SliderVisible", &T::SliderVisible, &T::SetSliderVisible, true)
      .Property(u"ThumbLength", &T::ThumbLength, &T::SetThumbLength, 20)
      .Property(u"TickMarks", &T::TickMarks, &T::SetTickMarks, tmBottomRight)
      .Property(u"TickStyle", &T::TickStyle, &T::SetTickStyle, tsAuto)
      .Event(u"OnChange", &T::OnChange, &T::SetOnChange);
  return true;
}

const bool registered = RegisterTrackBar();

}  // namespace

}  // namespace vcl
