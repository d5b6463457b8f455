// TColor, the named and system colors, and conversions.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Classes.h"

namespace vcl {

// 0x00BBGGRR; a top byte of 0xFF marks system color nn (0xFF0000nn).
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000,
                 clOlive = 0x008080, clNavy = 0x800000, clPurple = 0x800080,
                 clTeal = 0x808000, clGray = 0x808080, clSilver = 0xC0C0C0,
                 clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00,
                 clWhite = 0xFFFFFF, clLtGray = 0xC0C0C0, clDkGray = 0x808080,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF,
                 clMedGray = 0xA4A0A0, clNone = 0x1FFFFFFF, clDefault = 0x20000000;

constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clScrollBar = 0xFF000000, clBackground = 0xFF000001,
                 clActiveCaption = 0xFF000002, clInactiveCaption = 0xFF000003,
                 clMenu = 0xFF000004, clWindow = 0xFF000005, clWindowFrame = 0xFF000006,
                 clMenuText = 0xFF000007, clWindowText = 0xFF000008,
                 clCaptionText = 0xFF000009, clActiveBorder = 0xFF00000A,
                 clInactiveBorder = 0xFF00000B, clAppWorkSpace = 0xFF00000C,
                 clHighlight = 0xFF00000D, clHighlightText = 0xFF00000E,
                 clBtnFace = 0xFF00000F, clBtnShadow = 0xFF000010, clGrayText = 0xFF000011,
                 clBtnText = 0xFF000012, clInactiveCaptionText = 0xFF000013,
                 clBtnHighlight = 0xFF000014, cl3DDkShadow = 0xFF000015,
                 cl3DLight = 0xFF000016, clInfoText = 0xFF000017, clInfoBk = 0xFF000018,
                 clHotLight = 0xFF00001A, clGradientActiveCaption = 0xFF00001B,
                 clGradientInactiveCaption = 0xFF00001C, clMenuHighlight = 0xFF00001D,
                 clMenuBar = 0xFF00001E;

constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}
constexpr std::uint8_t GetRValue(TColor c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GetGValue(TColor c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t GetBValue(TColor c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

// A system color through the system palette; any other value with its top
// byte cleared.
TColor ColorToRGB(TColor Color);
// "clBtnFace" for a named or system color, else "$" and eight hex digits.
String ColorToString(TColor Color);
// The reverse of ColorToString; also accepts decimal and "$hex" numbers.
// Raises EConvertError for anything else.
TColor StringToColor(const String& S);
bool IdentToColor(const String& Ident, TColor& Color);
bool ColorToIdent(TColor Color, String& Ident);

// Base of pens, brushes and fonts: Changed fires OnChange.
class TGraphicsObject : public TPersistent {
 public:
  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

 protected:
  void Changed() { if (FOnChange) FOnChange(this); }

 private:
  TNotifyEvent FOnChange;
};

}  // namespace vcl
