// Colors: the system palette, names and text forms.
#include <array>
#include <cstdio>
#include <string>

#include "platform/Color.h"

namespace vcl {

namespace {

// RGB values of the system colors by index (written as 0xRRGGBB); index 25
// is unused and reads as black.
constexpr std::array<std::uint32_t, 31> kSystemRgb = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};

struct NamedColor {
  TColor Value;
  const char* Name;
};

// The first name of a value wins when a color has two (clLtGray = clSilver).
constexpr NamedColor kNames[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"},
    {clOlive, "clOlive"}, {clNavy, "clNavy"}, {clPurple, "clPurple"},
    {clTeal, "clTeal"}, {clGray, "clGray"}, {clSilver, "clSilver"},
    {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"},
    {clWhite, "clWhite"}, {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"}, {clMedGray, "clMedGray"}, {clNone, "clNone"},
    {clDefault, "clDefault"}, {clLtGray, "clLtGray"}, {clDkGray, "clDkGray"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"}, {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"}, {clWindow, "clWindow"}, {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"}, {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"}, {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"}, {clBtnShadow, "clBtnShadow"}, {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"}, {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"}, {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"}, {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"}, {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"}, {clMenuBar, "clMenuBar"}};

char16_t Lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

bool SameAscii(const String& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i) {
    if (Lower(a[i]) != Lower(static_cast<char16_t>(b[i]))) return false;
  }
  return i == a.size() && b[i] == '\0';
}

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  c = Lower(c);
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

// "$hex", "0xhex" or a decimal number with an optional sign, as a 32-bit
// value (negative decimals wrap, as the framework's integer conversion does).
bool ParseNumber(const String& s, std::uint32_t& out) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == u' ') ++i;
  bool neg = false;
  if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) neg = s[i++] == u'-';
  int base = 10;
  if (i < s.size() && s[i] == u'$') { base = 16; ++i; }
  else if (i + 1 < s.size() && s[i] == u'0' && Lower(s[i + 1]) == u'x') { base = 16; i += 2; }
  if (i >= s.size()) return false;
  std::uint64_t v = 0;
  for (; i < s.size(); ++i) {
    const int d = base == 16 ? HexDigit(s[i]) : (s[i] >= u'0' && s[i] <= u'9' ? s[i] - u'0' : -1);
    if (d < 0) return false;
    v = v * base + d;
    if (v > (base == 16 ? 0xFFFFFFFFull : 0x80000000ull + (neg ? 0 : 0x7FFFFFFFull))) return false;
  }
  out = static_cast<std::uint32_t>(neg ? (~v + 1) : v);
  return true;
}

}  // namespace

TColor ColorToRGB(TColor Color) {
  if ((Color & 0xFF000000u) == clSystemColor) {
    const std::uint32_t index = Color & 0xFFu;
    if (index >= kSystemRgb.size() || (Color & 0x00FFFF00u) != 0) return 0;
    const std::uint32_t rgb = kSystemRgb[index];
    return RGB(static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
               static_cast<std::uint8_t>(rgb));
  }
  return Color & 0x00FFFFFFu;
}

bool ColorToIdent(TColor Color, String& Ident) {
  for (const NamedColor& n : kNames) {
    if (n.Value == Color) {
      Ident = Str(n.Name);
      return true;
    }
  }
  return false;
}

bool IdentToColor(const String& Ident, TColor& Color) {
  for (const NamedColor& n : kNames) {
    if (SameAscii(Ident, n.Name)) {
      Color = n.Value;
      return true;
    }
  }
  return false;
}

String ColorToString(TColor Color) {
  String ident;
  if (ColorToIdent(Color, ident)) return ident;
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(Color));
  return Str(buf);
}

TColor StringToColor(const String& S) {
  TColor c = 0;
  if (IdentToColor(S, c)) return c;
  std::uint32_t v = 0;
  if (ParseNumber(S, v)) return v;
  throw EConvertError("'" + ToUTF8(S) + "' is not a valid color value");
}

}  // namespace vcl
