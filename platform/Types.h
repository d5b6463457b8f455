// Basic value types of the framework layer: text, points, rectangles, sizes
// and small sets of enumeration values.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace vcl {

// Text is UTF-16, as the framework's string; positions count code units.
using String = std::u16string;
using Char = char16_t;

// Conversions at the edges (files, X11, FreeType). Invalid sequences become
// U+FFFD; nothing throws.
std::string ToUTF8(std::u16string_view s);
String FromUTF8(std::string_view s);
// Appends one code point (at most U+10FFFF) as one unit or a surrogate pair.
void AppendCodePoint(String& Out, char32_t C);

struct TPoint {
  int X = 0;
  int Y = 0;
  constexpr TPoint() = default;
  constexpr TPoint(int x, int y) : X(x), Y(y) {}
  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  constexpr TSize() = default;
  constexpr TSize(int w, int h) : cx(w), cy(h) {}
  constexpr int Width() const { return cx; }
  constexpr int Height() const { return cy; }
  friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

// Right and Bottom are exclusive, as everywhere in the canvas.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  constexpr TRect() = default;
  constexpr TRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}
  constexpr TRect(TPoint tl, TPoint br) : Left(tl.X), Top(tl.Y), Right(br.X), Bottom(br.Y) {}
  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr TPoint TopLeft() const { return {Left, Top}; }
  constexpr TPoint BottomRight() const { return {Right, Bottom}; }
  constexpr bool Contains(TPoint p) const {
    return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
  }
  constexpr void Offset(int dx, int dy) { Left += dx; Right += dx; Top += dy; Bottom += dy; }
  constexpr void Inflate(int dx, int dy) { Left -= dx; Right += dx; Top -= dy; Bottom += dy; }
  // The common part of two rectangles; empty (all zero) when they do not meet.
  constexpr TRect Intersect(const TRect& o) const {
    TRect r(Left > o.Left ? Left : o.Left, Top > o.Top ? Top : o.Top,
            Right < o.Right ? Right : o.Right, Bottom < o.Bottom ? Bottom : o.Bottom);
    return r.IsEmpty() ? TRect() : r;
  }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int l, int t, int r, int b) { return {l, t, r, b}; }
constexpr TRect Bounds(int l, int t, int w, int h) { return {l, t, l + w, t + h}; }

// A set of values of an enumeration whose ordinals are below 64, with the
// framework's operators: s << e includes, s >> e excludes.
template <class E>
class Set {
  static_assert(std::is_enum_v<E>, "Set<E> needs an enumeration");

 public:
  constexpr Set() = default;
  constexpr Set(std::initializer_list<E> values) {
    for (E v : values) bits_ |= Bit(v);
  }
  constexpr Set& operator<<(E v) { bits_ |= Bit(v); return *this; }
  constexpr Set& operator>>(E v) { bits_ &= ~Bit(v); return *this; }
  constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr void Clear() { bits_ = 0; }
  constexpr std::uint64_t Bits() const { return bits_; }
  static constexpr Set FromBits(std::uint64_t b) { Set s; s.bits_ = b; return s; }

  friend constexpr Set operator|(Set a, Set b) { return FromBits(a.bits_ | b.bits_); }
  friend constexpr Set operator&(Set a, Set b) { return FromBits(a.bits_ & b.bits_); }
  friend constexpr Set operator-(Set a, Set b) { return FromBits(a.bits_ & ~b.bits_); }
  friend constexpr bool operator==(Set a, Set b) { return a.bits_ == b.bits_; }
  constexpr Set& operator|=(Set o) { bits_ |= o.bits_; return *this; }
  constexpr Set& operator&=(Set o) { bits_ &= o.bits_; return *this; }
  constexpr Set& operator-=(Set o) { bits_ &= ~o.bits_; return *this; }

 private:
  static constexpr std::uint64_t Bit(E v) {
    return std::uint64_t{1} << (static_cast<unsigned>(v) & 63u);
  }
  std::uint64_t bits_ = 0;
};

}  // namespace vcl
