// The scroll bar of the framework: one model, one look and one behaviour
// for the TScrollBar control and for the bars every scrolling control shows
// inside its border (grid, list box, memo, drop-down lists, tree view).
//
//   TScrollRange        Min, Max, PageSize, Position as plain values
//   LayoutScrollBar     arrows, track and thumb of a bar in a rectangle (pure)
//   HitTestScrollBar    the part under a point (pure, on the same layout)
//   DrawScrollBar       the one drawing function
//   TScrollBarModel     a bar's values, events and mouse/timer interaction
//   TScrollBar          the control (TWinControl)
//   TWindowScrollBars   the vertical and horizontal bar a control embeds
//
// Positions run from Min to Max - PageSize + 1 (never below Min), so the
// last page shows whole; with PageSize 0 the position reaches Max. A bar
// scrolls only while that span is not empty and the bar is enabled;
// otherwise it shows grayed arrows and no thumb and ignores input.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace vcl {

enum TScrollBarKind : std::uint8_t { sbHorizontal, sbVertical };
// Which bars a control may show.
enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TScrollCode : std::uint8_t {
  scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll
};
// The parts of a bar a point can hit. LineUp is the arrow at the top (left),
// PageUp the track between that arrow and the thumb.
enum TScrollBarPart : std::uint8_t {
  sbpNone, sbpLineUp, sbpLineDown, sbpPageUp, sbpPageDown, sbpThumb
};

// ScrollPos is the position the scroll will give; the handler may change it.
using TScrollEvent =
    std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

// Thickness of a standard bar (width of a vertical one, height of a
// horizontal one), and the smallest thumb drawn along the track.
inline constexpr int ScrollBarThickness = 17;
inline constexpr int MinThumbSize = 8;
// A held arrow or track scrolls once at the press, again after the first
// delay, then at every interval.
inline constexpr unsigned ScrollFirstDelay = 200;
inline constexpr unsigned ScrollRepeatInterval = 50;
// A dragged thumb goes back to where it was taken while the mouse is more
// than this many thicknesses away from the bar across it; along the bar it
// never goes back (beyond an end the thumb stays at that end).
inline constexpr int ThumbDragReach = 8;

// ---------------------------------------------------------------- values

struct TScrollRange {
  int Min = 0;
  int Max = 100;
  int PageSize = 0;
  int Position = 0;
  friend constexpr bool operator==(const TScrollRange&, const TScrollRange&) = default;
};

// The largest position: Max - PageSize + 1, never below Min.
int MaxScrollPos(const TScrollRange& Range);
// Pos limited to Min..MaxScrollPos.
int ClampScrollPos(const TScrollRange& Range, std::int64_t Pos);
// True when there is somewhere to scroll to.
bool CanScroll(const TScrollRange& Range);
// The range made consistent: Max at least Min, PageSize within
// 0..Max-Min+1, Position clamped.
TScrollRange NormalizeRange(TScrollRange Range);

// ---------------------------------------------------------------- geometry

// Where the parts of a bar lie, in the coordinates of its rectangle.
//   arrows   each as long as the bar is thick, or half the bar when it is
//            shorter than two thicknesses
//   track    between the arrows
//   thumb    PageSize / (Max - Min + 1) of the track (a thickness long when
//            PageSize is 0), at least MinThumbSize; none while the bar
//            cannot scroll or the thumb would fill the whole track
// Thumb offsets and positions map linearly, rounded to the nearest:
// offset = room · (Position - Min) / (MaxScrollPos - Min), where room is
// the track length less the thumb length.
struct TScrollBarLayout {
  TRect Bar;
  bool Vertical = false;
  bool Active = false;  // enabled and able to scroll: the bar takes input
  TRect LineUp, LineDown, Track;
  TRect Thumb;  // empty: no thumb
  int TrackStart() const { return Vertical ? Track.Top : Track.Left; }
  int TrackLength() const { return Vertical ? Track.Height() : Track.Width(); }
  int ThumbStart() const { return Vertical ? Thumb.Top : Thumb.Left; }
  int ThumbLength() const { return Vertical ? Thumb.Height() : Thumb.Width(); }
  // The coordinate of a point along the bar.
  int Along(TPoint P) const { return Vertical ? P.Y : P.X; }
};

TScrollBarLayout LayoutScrollBar(const TRect& Bar, TScrollBarKind Kind, const TScrollRange& Range,
                                 bool Enabled);
// The part under P (sbpNone outside the bar, and on the track when there
// is no thumb).
TScrollBarPart HitTestScrollBar(const TScrollBarLayout& Layout, TPoint P);
// The thumb offset into the track for a position, and the position a thumb
// offset stands for (offsets beyond the track clamp to its ends).
int ThumbOffsetOfPos(const TScrollBarLayout& Layout, const TScrollRange& Range, int Pos);
int PosOfThumbOffset(const TScrollBarLayout& Layout, const TScrollRange& Range, int Offset);
// Whether a dragged thumb follows the mouse at P (see ThumbDragReach).
bool InThumbDragReach(const TScrollBarLayout& Layout, TPoint P);

// Draws a bar: raised arrow buttons with their glyphs (engraved when the
// bar cannot scroll), the track in clScrollBar, the thumb as a raised
// clBtnFace face. Down is the part drawn pressed (an arrow, or the page
// area of the track), Focused draws a focus frame in the thumb.
void DrawScrollBar(TCanvas& C, const TScrollBarLayout& Layout, TScrollBarPart Down = sbpNone,
                   bool Focused = false);

// ---------------------------------------------------------------- model

namespace scrollbar {
class TRepeatTimer;
}

// The values of one bar and what the mouse, the keys and the wheel do to it.
//
// Every scroll goes through Scroll: the new position is worked out for the
// code (LineUp/Down by SmallChange, PageUp/Down by LargeChange, Top/Bottom
// to the ends, Position/Track to the given position), clamped, passed to
// OnScroll (which may change it), then set as Position; OnChange fires when
// Position changed. scEndScroll passes the current position.
//
// Mouse, on a bar that can scroll (see TScrollBarLayout):
//   press on an arrow    a line at once; after ScrollFirstDelay another,
//                        then one every ScrollRepeatInterval while the
//                        mouse stays on the arrow
//   press on the track   a page towards the mouse at once, repeating in the
//                        same rhythm while the mouse is on the same side of
//                        the thumb (so it stops when the thumb reaches it)
//   press on the thumb   the thumb follows the mouse: scTrack for every new
//                        position, back at the start position (scTrack)
//                        while the mouse is out of reach (ThumbDragReach)
//   release              after a thumb drag scPosition with the thumb's
//                        position; then scEndScroll in every case
// Position follows scTrack as any scroll; a host control that scrolls only
// on scPosition gives back its own position from OnScroll. While the thumb
// is dragged the layout shows it at the tracked position.
// The wheel scrolls Mouse.WheelScrollLines lines per notch (remainders add
// up), then scEndScroll.
class TScrollBarModel {
 public:
  // Sender is passed to the events (and to Application.HandleException
  // for an exception raised by a repeat tick).
  explicit TScrollBarModel(TObject* Sender, TScrollBarKind Kind = sbHorizontal);
  ~TScrollBarModel();
  TScrollBarModel(const TScrollBarModel&) = delete;
  TScrollBarModel& operator=(const TScrollBarModel&) = delete;

  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value);
  int Min() const { return FRange.Min; }
  int Max() const { return FRange.Max; }
  int PageSize() const { return FRange.PageSize; }
  int Position() const { return FRange.Position; }
  const TScrollRange& Range() const { return FRange; }
  // Takes all four values at once (made consistent, see NormalizeRange);
  // OnChange fires when Position changed.
  void SetRange(const TScrollRange& Value);
  void SetParams(int APosition, int AMin, int AMax);
  void SetPageSize(int Value);
  void SetPosition(int Value);
  // At least 1.
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int Value);
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int Value);
  // A disabled bar ignores input; disabling ends a press.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Enabled and able to scroll.
  bool Active() const { return FEnabled && CanScroll(FRange); }
  int MaxPosition() const { return MaxScrollPos(FRange); }

  // The bar's rectangle in its host's coordinates.
  const TRect& Bounds() const { return FBounds; }
  void SetBounds(const TRect& Value);
  TScrollBarLayout Layout() const;
  void Paint(TCanvas& C, bool Focused = false) const;

  // Scrolls by a code as a key would (nothing on an inactive bar, except
  // scEndScroll). Pos is used by scPosition and scTrack.
  void Scroll(TScrollCode Code, int Pos = 0);

  // ---- mouse, in host coordinates
  // True when P is on the bar: the press belongs to the bar (even when it
  // cannot scroll) and must not reach the host's own handling.
  bool MouseDown(TPoint P);
  // True while a press is held.
  bool MouseMove(TPoint P);
  bool MouseUp(TPoint P);
  // Ends a held press as if it had not moved the thumb: a dragged thumb
  // goes back to where it was taken (scPosition with that position when
  // tracking moved away from it), then scEndScroll.
  void CancelMode();
  // Scrolls for a wheel turn; true when the bar took it.
  bool MouseWheel(int WheelDelta);
  bool Pressed() const { return FPressed != sbpNone; }
  TScrollBarPart PressedPart() const { return FPressed; }
  // The part drawn pressed now: the pressed arrow or page area while the
  // mouse is on it.
  TScrollBarPart DownPart() const;
  // Where a dragged thumb stands (Position otherwise).
  int TrackPosition() const { return FPressed == sbpThumb ? FTrackPos : FRange.Position; }

  TScrollEvent OnScroll() const { return FOnScroll; }
  void SetOnScroll(TScrollEvent Value) { FOnScroll = std::move(Value); }
  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  // Called when the bar's look changed (position, range, pressed part).
  std::function<void()> OnRedraw() const { return FOnRedraw; }
  void SetOnRedraw(std::function<void()> Value) { FOnRedraw = std::move(Value); }

 private:
  void Redraw() const;
  // Fires OnScroll and applies the result; false when a handler freed the model.
  bool DoScroll(TScrollCode Code, int Pos);
  void StartRepeat();
  void RepeatTick();
  void EndPress(bool Commit);
  // False when a handler freed the model.
  bool TrackTo(TPoint P);

  TObject* FSender;
  TScrollBarKind FKind;
  TScrollRange FRange{0, 100, 0, 0};
  int FSmallChange = 1;
  int FLargeChange = 1;
  bool FEnabled = true;
  TRect FBounds;
  TScrollBarPart FPressed = sbpNone;
  TPoint FMouse;
  int FGrab = 0;      // where the thumb was taken, from its start
  int FTrackPos = 0;  // the dragged thumb's position
  int FTrackStart = 0;
  int FWheelRest = 0;
  std::unique_ptr<scrollbar::TRepeatTimer> FTimer;
  std::shared_ptr<bool> FAlive;
  TScrollEvent FOnScroll;
  TNotifyEvent FOnChange;
  std::function<void()> FOnRedraw;
};

// ---------------------------------------------------------------- TScrollBar

// A scroll bar control, 121 × 17 (horizontal). Max 100, Min 0, Position 0,
// PageSize 0, SmallChange 1, LargeChange 1. Setting Max below Min or a
// PageSize beyond Max - Min + 1 raises EInvalidOperation "Scroll bar
// property out of range" (while loading from a form file the values are
// taken as they come and made consistent in Loaded). Position is clamped.
// Changing Kind outside loading swaps Width and Height.
//
// Keys while focused: Up/Left a line up, Down/Right a line down,
// PageUp/PageDown a page, Home/End to the ends; releasing the key ends the
// scroll (scEndScroll). A press on the bar takes the focus.
class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* AOwner);
  ~TScrollBar() override;

  TScrollBarKind Kind() const { return FModel.Kind(); }
  void SetKind(TScrollBarKind Value);
  int Min() const;
  void SetMin(int Value);
  int Max() const;
  void SetMax(int Value);
  int Position() const;
  void SetPosition(int Value);
  int PageSize() const;
  void SetPageSize(int Value);
  int SmallChange() const { return FModel.SmallChange(); }
  void SetSmallChange(int Value) { FModel.SetSmallChange(Value); }
  int LargeChange() const { return FModel.LargeChange(); }
  void SetLargeChange(int Value) { FModel.SetLargeChange(Value); }
  // Sets Position, Min and Max at once (the checks apply to the new values).
  void SetParams(int APosition, int AMin, int AMax);

  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  TScrollEvent OnScroll() const { return FOnScroll; }
  void SetOnScroll(TScrollEvent Value) { FOnScroll = std::move(Value); }

  // The bar as laid out now (client coordinates).
  TScrollBarLayout Layout() const { return FModel.Layout(); }
  const TScrollBarModel& Model() const { return FModel; }

 protected:
  // Fires OnChange.
  virtual void Change();
  // Fires OnScroll.
  virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);
  void Loaded() override;
  void PaintWindow(TCanvas* DC) override;
  void WMGetDlgCode(TMessage& Message) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMKeyUp(TWMKey& Message) override;
  void WMLButtonDown(TWMMouse& Message) override;
  void WMLButtonDblClk(TWMMouse& Message) override;
  void WMMouseMove(TWMMouse& Message) override;
  void WMLButtonUp(TWMMouse& Message) override;
  void WMCancelMode(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void SizeChanged(int DeltaWidth, int DeltaHeight) override;

 private:
  bool Loading() const { return ComponentState().Contains(csLoading); }
  // Checks and applies a new range (kept as it comes while loading).
  void ApplyRange(const TScrollRange& Value);
  void PressBar(TWMMouse& Message, TShiftState Shift);
  // The values as set so far (while loading, those read from the file).
  const TScrollRange& CurrentRange() const;
  static TScrollCode KeyCode(std::uint16_t Key, bool& Known);

  TScrollBarModel FModel;
  TCanvas FCanvas;
  TScrollRange FLoadRange;  // the values read so far while loading
  bool FLoadRangeSet = false;
  bool FKeyScrolled = false;
  TNotifyEvent FOnChange;
  TScrollEvent FOnScroll;
};

// ---------------------------------------------------------------- TWindowScrollBars

// The scroll bars of a windowed control: a vertical bar along the right
// and a horizontal bar along the bottom of an area inside the control's
// border, the size box in the corner when both show. It routes the mouse
// on the bars to their models and draws them; the control keeps its own
// scrolling state and hears of every scroll through OnScroll.
//
// Recipe (TMyView is a TCustomControl; the tree view and the list box do
// the same):
//
//   class TMyView : public TCustomControl {
//     TWindowScrollBars FBars{this};
//     void SyncBars();  // area, shown bars and ranges from the view's state
//   };
//
//   TMyView::TMyView(TComponent* AOwner) : TCustomControl(AOwner) {
//     FBars.SetScrollBars(ssBoth);
//     FBars.SetOnScroll([this](TScrollBarKind Kind, TScrollCode Code, int& Pos) {
//       if (Code == scEndScroll) return;
//       if (Kind == sbVertical) SetTopItem(Pos); else SetLeftPixel(Pos);
//       Pos = Kind == sbVertical ? TopItem() : LeftPixel();  // what it really is now
//     });
//   }
//   void TMyView::SyncBars() {
//     FBars.SetArea(InsideBorder());
//     FBars.SetShown(ContentWidth() > FBars.Area().Width(), Count() > RowsFitting());
//     FBars.SetRange(sbVertical, {0, Count() - 1, VisibleRows(), TopItem()});
//     FBars.SetSteps(sbVertical, 1, VisibleRows());
//     ...  // the horizontal range, in pixels, likewise
//   }
//   // Content: hit-test and paint inside FBars.ContentRect().
//   void TMyView::Paint() { SyncBars(); ...content...; FBars.Paint(*Canvas()); }
//   void TMyView::MouseDown(TMouseButton B, TShiftState S, int X, int Y) {
//     SyncBars();
//     if (FBars.MouseDown(B, {X, Y})) return;  // never reaches the content
//     ...
//   }
//   void TMyView::MouseMove(TShiftState S, int X, int Y) {
//     if (FBars.MouseMove({X, Y})) return; ...
//   }
//   void TMyView::MouseUp(TMouseButton B, TShiftState S, int X, int Y) {
//     if (FBars.MouseUp(B, {X, Y})) return; ...
//   }
//   bool TMyView::DoMouseWheel(TShiftState S, int Delta, TPoint MousePos) {
//     return TCustomControl::DoMouseWheel(S, Delta, MousePos) || FBars.MouseWheel(Delta);
//   }
//   void TMyView::CMEnabledChanged(TMessage& M) { FBars.CancelMode(); ... }
//
// Double clicks reach MouseDown as presses (ssDouble): a double click on a
// bar is two presses on it. (With csClickEvents the framework fires
// DblClick before MouseDown; such a control overrides WMLButtonDblClk and
// offers the press to the bars first.) A control that handles the WM_
// messages itself (as the edit and the list box do) calls the same
// functions from WMLButtonDown, WMLButtonDblClk, WMMouseMove and
// WMLButtonUp. The bars take and release the mouse capture themselves.
// Sync before a press and before painting is enough: the bars keep their
// ranges in between.
class TWindowScrollBars {
 public:
  using TScrollNotify = std::function<void(TScrollBarKind Kind, TScrollCode Code, int& ScrollPos)>;

  explicit TWindowScrollBars(TWinControl* Owner);
  ~TWindowScrollBars();
  TWindowScrollBars(const TWindowScrollBars&) = delete;
  TWindowScrollBars& operator=(const TWindowScrollBars&) = delete;

  // The bars that may show (ssNone: none).
  TScrollStyle ScrollBars() const { return FStyle; }
  void SetScrollBars(TScrollStyle Value);
  // The bars the owner wants now; shown when also allowed by ScrollBars.
  void SetShown(bool Horizontal, bool Vertical);
  bool Shown(TScrollBarKind Kind) const;

  // Where bars and content lie (owner coordinates, inside the border).
  const TRect& Area() const { return FArea; }
  void SetArea(const TRect& Value);
  // Area without the shown bars.
  TRect ContentRect() const;
  TRect BarRect(TScrollBarKind Kind) const;
  // The corner between two shown bars (empty otherwise).
  TRect SizeBox() const;

  TScrollBarModel& Bar(TScrollBarKind Kind) { return Kind == sbVertical ? FVert : FHorz; }
  const TScrollBarModel& Bar(TScrollBarKind Kind) const {
    return Kind == sbVertical ? FVert : FHorz;
  }
  void SetRange(TScrollBarKind Kind, const TScrollRange& Range) { Bar(Kind).SetRange(Range); }
  void SetSteps(TScrollBarKind Kind, int SmallChange, int LargeChange);

  // ---- input, in owner coordinates; true when the bars took it
  bool MouseDown(TMouseButton Button, TPoint P);
  bool MouseMove(TPoint P);
  bool MouseUp(TMouseButton Button, TPoint P);
  // Scrolls the vertical range (the horizontal one when only it can scroll),
  // whether or not its bar shows.
  bool MouseWheel(int WheelDelta);
  // True when P is on a shown bar or the size box.
  bool OnBars(TPoint P) const;
  bool Pressed() const { return FHorz.Pressed() || FVert.Pressed(); }
  void CancelMode();

  void Paint(TCanvas& C) const;

  void SetOnScroll(TScrollNotify Value) { FOnScroll = std::move(Value); }

 private:
  void Place();
  void Enable();

  TWinControl* FOwner;
  TScrollBarModel FHorz;
  TScrollBarModel FVert;
  TScrollStyle FStyle = ssBoth;
  bool FWantHorz = false;
  bool FWantVert = false;
  TRect FArea;
  std::shared_ptr<bool> FAlive;
  TScrollNotify FOnScroll;
};

}  // namespace vcl
