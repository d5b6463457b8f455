// Scroll bar values and geometry: pure functions shared by painting, hit
// testing and the thumb drag, so what is drawn is what is hit.
#include <algorithm>
#include <cstdint>

#include "platform/ScrollBar.h"

namespace vcl {

namespace {

int ClampToInt(std::int64_t V) {
  return static_cast<int>(std::clamp<std::int64_t>(V, INT32_MIN, INT32_MAX));
}

// A·B/C rounded to the nearest (halves up), for A, B >= 0 and C > 0.
std::int64_t MulDivNearest(std::int64_t A, std::int64_t B, std::int64_t C) {
  return (A * B + C / 2) / C;
}

// A rectangle from offsets along the bar and the bar's extent across it.
TRect AlongBar(const TRect& Bar, bool Vertical, int From, int To) {
  return Vertical ? Rect(Bar.Left, From, Bar.Right, To) : Rect(From, Bar.Top, To, Bar.Bottom);
}

}  // namespace

// ---------------------------------------------------------------- values

int MaxScrollPos(const TScrollRange& Range) {
  std::int64_t last = static_cast<std::int64_t>(Range.Max) - std::max(Range.PageSize - 1, 0);
  return ClampToInt(std::max<std::int64_t>(last, Range.Min));
}

int ClampScrollPos(const TScrollRange& Range, std::int64_t Pos) {
  return ClampToInt(std::clamp<std::int64_t>(Pos, Range.Min, MaxScrollPos(Range)));
}

bool CanScroll(const TScrollRange& Range) { return MaxScrollPos(Range) > Range.Min; }

TScrollRange NormalizeRange(TScrollRange Range) {
  Range.Max = std::max(Range.Max, Range.Min);
  std::int64_t span = static_cast<std::int64_t>(Range.Max) - Range.Min + 1;
  Range.PageSize = ClampToInt(std::clamp<std::int64_t>(Range.PageSize, 0, span));
  Range.Position = ClampScrollPos(Range, Range.Position);
  return Range;
}

// ---------------------------------------------------------------- layout

namespace {

// The thumb's length for a track, or 0 when it has no room to move.
int ThumbLength(int Track, int Thickness, const TScrollRange& Range) {
  std::int64_t span = static_cast<std::int64_t>(Range.Max) - Range.Min + 1;
  std::int64_t len = Range.PageSize > 0 ? static_cast<std::int64_t>(Track) * Range.PageSize / span
                                        : Thickness;
  len = std::max<std::int64_t>(len, MinThumbSize);
  return len < Track ? static_cast<int>(len) : 0;
}

}  // namespace

TScrollBarLayout LayoutScrollBar(const TRect& Bar, TScrollBarKind Kind, const TScrollRange& Range,
                                 bool Enabled) {
  TScrollBarLayout l;
  l.Bar = Bar;
  l.Vertical = Kind == sbVertical;
  if (Bar.IsEmpty()) return l;
  const TScrollRange r = NormalizeRange(Range);
  l.Active = Enabled && CanScroll(r);
  int start = l.Vertical ? Bar.Top : Bar.Left;
  int length = l.Vertical ? Bar.Height() : Bar.Width();
  int thickness = l.Vertical ? Bar.Width() : Bar.Height();
  int arrow = std::min(thickness, length / 2);
  l.LineUp = AlongBar(Bar, l.Vertical, start, start + arrow);
  l.LineDown = AlongBar(Bar, l.Vertical, start + length - arrow, start + length);
  l.Track = AlongBar(Bar, l.Vertical, start + arrow, start + length - arrow);
  int thumb = l.Active ? ThumbLength(l.TrackLength(), thickness, r) : 0;
  if (thumb > 0) {
    // Offsets need the thumb's length: place an empty thumb first.
    l.Thumb = AlongBar(Bar, l.Vertical, l.TrackStart(), l.TrackStart() + thumb);
    int offset = ThumbOffsetOfPos(l, r, r.Position);
    l.Thumb = AlongBar(Bar, l.Vertical, l.TrackStart() + offset, l.TrackStart() + offset + thumb);
  }
  return l;
}

int ThumbOffsetOfPos(const TScrollBarLayout& Layout, const TScrollRange& Range, int Pos) {
  int room = Layout.TrackLength() - Layout.ThumbLength();
  std::int64_t span = static_cast<std::int64_t>(MaxScrollPos(Range)) - Range.Min;
  if (room <= 0 || span <= 0 || Layout.Thumb.IsEmpty()) return 0;
  std::int64_t from = ClampScrollPos(Range, Pos) - static_cast<std::int64_t>(Range.Min);
  return static_cast<int>(MulDivNearest(room, from, span));
}

int PosOfThumbOffset(const TScrollBarLayout& Layout, const TScrollRange& Range, int Offset) {
  int room = Layout.TrackLength() - Layout.ThumbLength();
  std::int64_t span = static_cast<std::int64_t>(MaxScrollPos(Range)) - Range.Min;
  if (room <= 0 || span <= 0 || Layout.Thumb.IsEmpty()) return ClampScrollPos(Range, Range.Min);
  std::int64_t along = std::clamp(Offset, 0, room);
  return ClampScrollPos(Range, Range.Min + MulDivNearest(along, span, room));
}

// ---------------------------------------------------------------- hit testing

TScrollBarPart HitTestScrollBar(const TScrollBarLayout& Layout, TPoint P) {
  if (!Layout.Bar.Contains(P)) return sbpNone;
  if (Layout.LineUp.Contains(P)) return sbpLineUp;
  if (Layout.LineDown.Contains(P)) return sbpLineDown;
  if (Layout.Thumb.IsEmpty() || !Layout.Track.Contains(P)) return sbpNone;
  if (Layout.Thumb.Contains(P)) return sbpThumb;
  return Layout.Along(P) < Layout.ThumbStart() ? sbpPageUp : sbpPageDown;
}

bool InThumbDragReach(const TScrollBarLayout& Layout, TPoint P) {
  const TRect& b = Layout.Bar;
  int thickness = Layout.Vertical ? b.Width() : b.Height();
  int reach = ThumbDragReach * thickness;
  int across = Layout.Vertical ? P.X : P.Y;
  int from = Layout.Vertical ? b.Left : b.Top;
  int to = Layout.Vertical ? b.Right : b.Bottom;
  return across >= from - reach && across < to + reach;
}

}  // namespace vcl
