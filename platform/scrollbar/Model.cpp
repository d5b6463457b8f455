// TScrollBarModel: a bar's values, its scrolls and the mouse interaction.
//
// A press is kept in FPressed until the release:
//   sbpLineUp/Down    scrolled at once; each repeat tick scrolls again while
//                     the mouse is on that arrow
//   sbpPageUp/Down    likewise while the mouse is on that side of the thumb
//   sbpThumb          FTrackPos follows the mouse (FTrackStart when out of
//                     reach); scTrack for each new value
// Events fire after the state they report is set; a handler may free the
// bar's host (and the model with it), which FAlive tells.
#include <algorithm>
#include <cstdlib>

#include "platform/ScrollBar.h"
#include "platform/scrollbar/RepeatTimer.h"

namespace vcl {

namespace {

constexpr int MaxChange = 32767;

// The scroll a held arrow or page area repeats.
TScrollCode CodeOfPart(TScrollBarPart Part) {
  switch (Part) {
    case sbpLineUp: return scLineUp;
    case sbpLineDown: return scLineDown;
    case sbpPageUp: return scPageUp;
    case sbpPageDown: return scPageDown;
    default: return scEndScroll;
  }
}

}  // namespace

TScrollBarModel::TScrollBarModel(TObject* Sender, TScrollBarKind Kind)
    : FSender(Sender), FKind(Kind), FAlive(std::make_shared<bool>(true)) {}

TScrollBarModel::~TScrollBarModel() { *FAlive = false; }

// ---------------------------------------------------------------- values

void TScrollBarModel::Redraw() const {
  if (FOnRedraw) FOnRedraw();
}

void TScrollBarModel::SetKind(TScrollBarKind Value) {
  if (FKind == Value) return;
  CancelMode();
  FKind = Value;
  Redraw();
}

void TScrollBarModel::SetRange(const TScrollRange& Value) {
  TScrollRange r = NormalizeRange(Value);
  if (r == FRange) return;
  bool moved = r.Position != FRange.Position;
  FRange = r;
  // A press outlives a range change (its repeat stops by itself when the
  // bar can no longer scroll); a dragged thumb stays within the range.
  if (FPressed == sbpThumb) {
    FTrackPos = ClampScrollPos(FRange, FTrackPos);
    FTrackStart = ClampScrollPos(FRange, FTrackStart);
  }
  Redraw();
  TNotifyEvent handler = moved ? FOnChange : nullptr;
  if (handler) handler(FSender);
}

void TScrollBarModel::SetParams(int APosition, int AMin, int AMax) {
  SetRange({AMin, AMax, FRange.PageSize, APosition});
}

void TScrollBarModel::SetPageSize(int Value) {
  SetRange({FRange.Min, FRange.Max, Value, FRange.Position});
}

void TScrollBarModel::SetPosition(int Value) {
  SetRange({FRange.Min, FRange.Max, FRange.PageSize, Value});
}

void TScrollBarModel::SetSmallChange(int Value) { FSmallChange = std::clamp(Value, 1, MaxChange); }

void TScrollBarModel::SetLargeChange(int Value) { FLargeChange = std::clamp(Value, 1, MaxChange); }

void TScrollBarModel::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  if (!Value) CancelMode();
  FEnabled = Value;
  Redraw();
}

void TScrollBarModel::SetBounds(const TRect& Value) {
  if (FBounds == Value) return;
  FBounds = Value;
  Redraw();
}

TScrollBarLayout TScrollBarModel::Layout() const {
  TScrollRange shown = FRange;
  shown.Position = TrackPosition();
  return LayoutScrollBar(FBounds, FKind, shown, FEnabled);
}

void TScrollBarModel::Paint(TCanvas& C, bool Focused) const {
  DrawScrollBar(C, Layout(), DownPart(), Focused);
}

// ---------------------------------------------------------------- scrolling

bool TScrollBarModel::DoScroll(TScrollCode Code, int Pos) {
  std::int64_t target = FRange.Position;
  switch (Code) {
    case scLineUp: target -= FSmallChange; break;
    case scLineDown: target += FSmallChange; break;
    case scPageUp: target -= FLargeChange; break;
    case scPageDown: target += FLargeChange; break;
    case scPosition: case scTrack: target = Pos; break;
    case scTop: target = FRange.Min; break;
    case scBottom: target = FRange.Max; break;
    case scEndScroll: break;
  }
  int scrollPos = ClampScrollPos(FRange, target);
  // Copies: a handler that frees the host frees these members too.
  std::shared_ptr<bool> alive = FAlive;
  TScrollEvent handler = FOnScroll;
  if (handler) handler(FSender, Code, scrollPos);
  if (!*alive) return false;
  SetPosition(scrollPos);
  return *alive;
}

void TScrollBarModel::Scroll(TScrollCode Code, int Pos) {
  if (Code != scEndScroll && !Active()) return;
  DoScroll(Code, Pos);
}

bool TScrollBarModel::MouseWheel(int WheelDelta) {
  if (!Active()) return false;
  FWheelRest += WheelDelta;
  int notches = FWheelRest / WHEEL_DELTA;
  FWheelRest -= notches * WHEEL_DELTA;
  int lines = std::abs(notches) * Mouse.WheelScrollLines();
  TScrollCode code = notches > 0 ? scLineUp : scLineDown;
  for (int i = 0; i < lines; ++i) {
    if (!DoScroll(code, 0)) return true;
  }
  if (lines > 0) DoScroll(scEndScroll, 0);
  return true;
}

// ---------------------------------------------------------------- mouse

TScrollBarPart TScrollBarModel::DownPart() const {
  if (FPressed == sbpNone || FPressed == sbpThumb) return sbpNone;
  return HitTestScrollBar(Layout(), FMouse) == FPressed ? FPressed : sbpNone;
}

bool TScrollBarModel::MouseDown(TPoint P) {
  if (!FBounds.Contains(P)) return false;
  if (FPressed != sbpNone) {
    std::shared_ptr<bool> alive = FAlive;
    EndPress(false);
    if (!*alive) return true;
  }
  TScrollBarLayout l = Layout();
  TScrollBarPart part = l.Active ? HitTestScrollBar(l, P) : sbpNone;
  if (part == sbpNone) return true;
  FPressed = part;
  FMouse = P;
  if (part == sbpThumb) {
    FGrab = l.Along(P) - l.ThumbStart();
    FTrackPos = FTrackStart = FRange.Position;
    Redraw();
    return true;
  }
  StartRepeat();
  Redraw();
  DoScroll(CodeOfPart(part), 0);
  return true;
}

bool TScrollBarModel::MouseMove(TPoint P) {
  if (FPressed == sbpNone) return false;
  TScrollBarPart before = DownPart();
  FMouse = P;
  if (FPressed == sbpThumb) {
    TrackTo(P);
  } else if (DownPart() != before) {
    Redraw();
  }
  return true;
}

bool TScrollBarModel::MouseUp(TPoint P) {
  if (FPressed == sbpNone) return false;
  FMouse = P;
  if (FPressed == sbpThumb && !TrackTo(P)) return true;
  if (FPressed != sbpNone) EndPress(true);
  return true;
}

void TScrollBarModel::CancelMode() {
  if (FPressed != sbpNone) EndPress(false);
}

// The thumb follows the mouse within reach and goes back to where it was
// taken outside it.
bool TScrollBarModel::TrackTo(TPoint P) {
  TScrollBarLayout l = Layout();
  if (l.Thumb.IsEmpty()) return true;  // the range shrank under the drag
  int pos = FTrackStart;
  if (InThumbDragReach(l, P)) pos = PosOfThumbOffset(l, FRange, l.Along(P) - FGrab - l.TrackStart());
  if (pos == FTrackPos) return true;
  FTrackPos = pos;
  Redraw();
  return DoScroll(scTrack, pos);
}

// A dragged thumb gives its position (scPosition): where it was dropped,
// or, without Commit, where it was taken. Every press ends with scEndScroll.
void TScrollBarModel::EndPress(bool Commit) {
  TScrollBarPart part = FPressed;
  int dropAt = Commit ? FTrackPos : FTrackStart;
  FPressed = sbpNone;
  if (FTimer) FTimer->Stop();
  Redraw();
  bool drop = part == sbpThumb && (Commit || FRange.Position != dropAt);
  if (drop && !DoScroll(scPosition, dropAt)) return;
  DoScroll(scEndScroll, 0);
}

void TScrollBarModel::StartRepeat() {
  if (!FTimer) FTimer = std::make_unique<scrollbar::TRepeatTimer>(FSender, [this] { RepeatTick(); });
  FTimer->Start(ScrollFirstDelay, ScrollRepeatInterval);
}

// A tick repeats the press while the mouse is on the pressed part, which
// for a page press means on the same side of the (moved) thumb.
void TScrollBarModel::RepeatTick() {
  if (FPressed == sbpNone || FPressed == sbpThumb) return;
  if (!Active()) {
    CancelMode();
    return;
  }
  if (HitTestScrollBar(Layout(), FMouse) != FPressed) return;
  DoScroll(CodeOfPart(FPressed), 0);
}

}  // namespace vcl
