// Walking UTF-16 text code point by code point.
#pragma once

#include <cstddef>
#include <string_view>

namespace vcl::text {

constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the code point at Pos and advances Pos past it. A lone surrogate
// becomes U+FFFD, so malformed text still draws something for each unit.
inline char32_t NextCodePoint(std::u16string_view Text, std::size_t& Pos) {
  const char16_t c = Text[Pos++];
  if (c < 0xD800 || c > 0xDFFF) return c;
  if (c <= 0xDBFF && Pos < Text.size()) {
    const char16_t low = Text[Pos];
    if (low >= 0xDC00 && low <= 0xDFFF) {
      ++Pos;
      return 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (low - 0xDC00);
    }
  }
  return kReplacementChar;
}

}  // namespace vcl::text
