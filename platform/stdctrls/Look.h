// The plain scroll bar of the list box and the memo, on top of the
// framework's look module (platform/Look.h), until they move to the
// framework's scroll bar.
#pragma once

#include "platform/Look.h"

namespace vcl::look {

// A plain scroll bar in R: the track (DrawScrollTrack), and a thumb
// (DrawScrollThumb) covering the fraction Page / Total of it starting at
// Position / Total (Total <= Page: no thumb).
void DrawScrollBar(TCanvas& C, const TRect& R, bool Vertical, int Position, int Page,
                   int Total);
// Size of a standard scroll bar.
constexpr int ScrollBarSize = 17;

// A down arrow in Color centred in R (DrawColoredArrow).
inline void DrawDownArrow(TCanvas& C, const TRect& R, TColor Color) {
  DrawColoredArrow(C, R, adDown, Color);
}

}  // namespace vcl::look
