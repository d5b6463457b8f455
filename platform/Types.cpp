#include "platform/Types.h"

namespace vcl {

std::string ToUTF8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
        s[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // a lone surrogate
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

String FromUTF8(std::string_view s) {
  String out;
  out.reserve(s.size());
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  const std::size_t n = s.size();
  std::size_t i = 0;
  while (i < n) {
    unsigned char b = p[i];
    char32_t c = 0xFFFD;
    std::size_t len = 1;
    if (b < 0x80) {
      c = b;
    } else if (b >= 0xC2 && b <= 0xF4) {
      std::size_t need = b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
      char32_t v = b & (need == 1 ? 0x1F : need == 2 ? 0x0F : 0x07);
      std::size_t k = 1;
      for (; k <= need && i + k < n && (p[i + k] & 0xC0) == 0x80; ++k) v = (v << 6) | (p[i + k] & 0x3F);
      if (k == need + 1) {
        bool overlong = (need == 2 && v < 0x800) || (need == 3 && v < 0x10000);
        bool bad = overlong || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF);
        c = bad ? 0xFFFD : v;
        len = need + 1;
      } else {
        len = k;  // skip the broken sequence up to the first non-continuation byte
      }
    }
    i += len;
    AppendCodePoint(out, c);
  }
  return out;
}

void AppendCodePoint(String& Out, char32_t C) {
  if (C >= 0x10000) {
    C -= 0x10000;
    Out += static_cast<char16_t>(0xD800 + (C >> 10));
    Out += static_cast<char16_t>(0xDC00 + (C & 0x3FF));
  } else {
    Out += static_cast<char16_t>(C);
  }
}

}  // namespace vcl
