// The on/off button's styles and the geometry that painting and hit
// testing share: where each state's picture lies in a style bitmap, where
// the picture sits on the control, which points hit it and where the four
// captions go. Pure functions of their arguments.
#pragma once

#include <cstdint>

#include "platform/StdCtrls.h"
#include "platform/Types.h"

namespace vyr {

// The picture styles; each but oobsUser draws from the named bitmap of
// StyleResourceName.
// clang-format off
enum TOnOffButStyle : std::uint8_t {
  oobsUser, oobsCheckbox, oobsRadioBut, oobsSlideTB, oobsSlideLR, oobsColSlideTB,
  oobsColSlideLR, oobsLedRedGreen, oobsArrowTopRgt, oobsArrowUpDown, oobsArrowLeftRight,
  oobsTrafficLPed, oobsBeveledLed, oobsSmileyYellow, oobsSmileyRedGrn, oobsBulb, oobsButLamp,
  oobsHDLeft, oobsHDRight, oobsUser1, oobsUser2, oobsUser3, oobsUser4, oobsUser5
};
// clang-format on
inline constexpr int OnOffButStyleCount = 24;

// oobmNormalBut: each accepted click toggles; oobmSpeedBut: on only while
// the mouse button is held.
enum TOOButMode : std::uint8_t { oobmNormalBut, oobmSpeedBut };

// oomaNone: the mouse does nothing; oomaFocused: only presses and releases
// inside the picture count; oomaPlain: anywhere on the control counts.
enum TOOButMouseAction : std::uint8_t { oomaNone, oomaFocused, oomaPlain };

namespace onoff {

// Pixels of this color in a picture are see-through.
inline constexpr vcl::TColor SeeThrough = 0xEBBEEB;

// The named bitmap of a style ("COLSLIDELR"), nullptr for oobsUser.
const char16_t* StyleResourceName(TOnOffButStyle Style);

// The state pictures are indexed OnOff × 2 + Enabled: 0 off/disabled,
// 1 off/enabled, 2 on/disabled, 3 on/enabled.
constexpr int StateIndex(bool On, bool Enabled) { return (On ? 2 : 0) + (Enabled ? 1 : 0); }

// Where the picture of state Index lies in a style bitmap of Width × Height
// pixels: the pictures are Width div 2 × Height div 2, on pictures in the
// left column, enabled ones in the top row.
vcl::TRect QuadrantRect(int Index, int Width, int Height);

// The space before a centred picture: (Size - GlyphSize) div 2, truncated
// toward zero.
constexpr int CentredSpace(int Size, int GlyphSize) { return (Size - GlyphSize) / 2; }

// Whether (X, Y) lies strictly inside the picture that starts at (LeftSpace,
// TopSpace): LeftSpace < X < LeftSpace + GlyphWidth, likewise for Y. The
// picture's first row and column do not count.
constexpr bool InsidePicture(int X, int Y, int LeftSpace, int TopSpace, int GlyphWidth,
                             int GlyphHeight) {
  return LeftSpace < X && X < LeftSpace + GlyphWidth && TopSpace < Y && Y < TopSpace + GlyphHeight;
}

// The rectangle the picture is drawn to: one pixel right and down of
// (LeftSpace, TopSpace), of the picture's size.
constexpr vcl::TRect PictureRect(int LeftSpace, int TopSpace, int GlyphWidth, int GlyphHeight) {
  return vcl::TRect(LeftSpace + 1, TopSpace + 1, LeftSpace + 1 + GlyphWidth,
                    TopSpace + 1 + GlyphHeight);
}

enum TCaptionSide : std::uint8_t { cpLeft, cpTop, cpRight, cpBottom };

// What caption placement depends on besides the caption itself.
struct TCaptionFrame {
  int Width;  // of the control
  int LeftSpace;
  int TopSpace;
  int GlyphWidth;
  int GlyphHeight;
  int TextHeight;  // of the sample text "(8g]}ÜÄ§"
};

// The top-left corner of a caption TextWidth pixels wide:
//   left and right captions at y = TopSpace + (GlyphHeight - TextHeight) div 2;
//   left:  taLeftJustify 4, taRightJustify LeftSpace - tw - 3,
//          taCenter (LeftSpace - tw) div 2;
//   right: taLeftJustify LeftSpace + GlyphWidth + 4, taRightJustify W - tw - 4,
//          taCenter (W - tw - LeftSpace - GlyphWidth) div 2 + LeftSpace + GlyphWidth + 1;
//   top at y = TopSpace - TextHeight - 4, bottom at y = TopSpace + GlyphHeight + 4,
//          both taLeftJustify 4, taRightJustify W - tw - 4,
//          taCenter LeftSpace + (GlyphWidth - tw) div 2.
vcl::TPoint CaptionOrigin(TCaptionSide Side, vcl::TAlignment Alignment, int TextWidth,
                          const TCaptionFrame& Frame);

}  // namespace onoff
}  // namespace vyr
