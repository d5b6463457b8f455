// Base package: the suite's root exception, shared enumerations, drawing
// helpers and name tables.
#pragma once

#include <cstdint>

#include "platform/SysUtils.h"

namespace vyr {

// Root of every exception the companion packages and the components raise.
class EVYRError : public vcl::Exception {
 public:
  using vcl::Exception::Exception;
};

// Frame styles of the controls that draw frames (by ordinal: none, single
// line, sunken, raised, etched, bump).
enum TFrameStyle : std::uint8_t { fsNoFrame, fsSimple, fsLowered, fsRaised, fsEtched, fsBump };

// Line colors of 3-D frames: ordinal 0 gray 808080 and white; any other
// ordinal the system colors clBtnShadow and clBtnHighlight.
enum TColorScheme : std::uint8_t { csBWG, csSystem };

// Decimal-separator mode of number input: the system's separator, only the
// point, only the comma, or both.
enum TDecPSep : std::uint8_t { dsSystem, dsPoint, dsComma, dsBoth };

}  // namespace vyr
