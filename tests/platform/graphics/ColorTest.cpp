// Colors: system palette, names and text forms, MulDiv.
#include <gtest/gtest.h>

#include "platform/WinapiGdi.h"
#include "platform/Color.h"

using namespace vcl;

TEST(ColorToRGB, MapsSystemColorsThroughThePalette) {
  EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0u);
  EXPECT_EQ(ColorToRGB(clHighlight), 0xD77800u);  // RGB 0078D7 with red in the low byte
  EXPECT_EQ(ColorToRGB(clBtnShadow), 0xA0A0A0u);
  EXPECT_EQ(ColorToRGB(clInfoBk), 0xE1FFFFu);
  EXPECT_EQ(ColorToRGB(clActiveCaption), RGB(0x99, 0xB4, 0xD1));
  EXPECT_EQ(ColorToRGB(clHotLight), RGB(0x00, 0x66, 0xCC));
  EXPECT_EQ(ColorToRGB(clMenuBar), 0xF0F0F0u);
}

TEST(ColorToRGB, PassesOtherValuesWithTheTopByteCleared) {
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
  EXPECT_EQ(ColorToRGB(0x12345678u), 0x345678u);
  EXPECT_EQ(ColorToRGB(clNone), 0xFFFFFFu);
  EXPECT_EQ(ColorToRGB(clDefault), 0u);
}

TEST(ColorToRGB, UnknownSystemIndexIsBlack) {
  EXPECT_EQ(ColorToRGB(0xFF000019u), 0u);
  EXPECT_EQ(ColorToRGB(0xFF0000FFu), 0u);
}

TEST(RGBMacros, BuildAndSplitColors) {
  const TColor c = RGB(1, 2, 3);
  EXPECT_EQ(c, 0x030201u);
  EXPECT_EQ(GetRValue(c), 1);
  EXPECT_EQ(GetGValue(c), 2);
  EXPECT_EQ(GetBValue(c), 3);
}

TEST(ColorToString, NamesNamedAndSystemColors) {
  EXPECT_EQ(ColorToString(clBtnFace), u"clBtnFace");
  EXPECT_EQ(ColorToString(clRed), u"clRed");
  EXPECT_EQ(ColorToString(clMoneyGreen), u"clMoneyGreen");
  EXPECT_EQ(ColorToString(clNone), u"clNone");
  // Aliases give the first name of the value.
  EXPECT_EQ(ColorToString(clLtGray), u"clSilver");
}

TEST(ColorToString, WritesOtherValuesAsEightUpperCaseHexDigits) {
  EXPECT_EQ(ColorToString(0x00C0FFEEu), u"$00C0FFEE");
  EXPECT_EQ(ColorToString(0x00000001u), u"$00000001");
  EXPECT_EQ(ColorToString(0xFF000019u), u"$FF000019");
}

TEST(StringToColor, ReversesColorToStringForEveryName) {
  for (TColor c : {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray,
                   clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite,
                   clMoneyGreen, clSkyBlue, clCream, clMedGray, clNone, clDefault, clBtnFace,
                   clHighlight, clWindowText, cl3DDkShadow, clMenuBar, 0x00ABCDEFu}) {
    EXPECT_EQ(StringToColor(ColorToString(c)), c) << ToUTF8(ColorToString(c));
  }
}

TEST(StringToColor, AcceptsNumbersAndAnyCaseOfNames) {
  EXPECT_EQ(StringToColor(u"clbtnface"), clBtnFace);
  EXPECT_EQ(StringToColor(u"$FF"), 0xFFu);
  EXPECT_EQ(StringToColor(u"255"), 255u);
  EXPECT_EQ(StringToColor(u"-16777201"), clBtnFace);  // the signed form of 0xFF00000F
}

TEST(StringToColor, RefusesOtherText) {
  EXPECT_THROW(StringToColor(u"clNoSuchColor"), EConvertError);
  EXPECT_THROW(StringToColor(u""), EConvertError);
  EXPECT_THROW(StringToColor(u"$"), EConvertError);
  EXPECT_THROW(StringToColor(u"12x"), EConvertError);
  EXPECT_THROW(StringToColor(u"$123456789"), EConvertError);
}

TEST(IdentToColor, ReportsUnknownNamesWithoutChangingTheColor) {
  TColor c = clRed;
  EXPECT_FALSE(IdentToColor(u"clPink", c));
  EXPECT_EQ(c, clRed);
  EXPECT_TRUE(IdentToColor(u"clAqua", c));
  EXPECT_EQ(c, clAqua);
  String name = u"x";
  EXPECT_FALSE(ColorToIdent(0x00123456u, name));
  EXPECT_EQ(name, u"x");
}

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(5, 3, 2), 8);     // 7.5
  EXPECT_EQ(MulDiv(-5, 3, 2), -8);   // -7.5
  EXPECT_EQ(MulDiv(5, -3, -2), 8);
  EXPECT_EQ(MulDiv(7, 1, 3), 2);     // 2.33
  EXPECT_EQ(MulDiv(8, 96, 72), 11);  // 10.67: an 8-point font is 11 pixels
  EXPECT_EQ(MulDiv(10, 96, 72), 13);
}

TEST(MulDiv, UsesSixtyFourBitsAndFailsWithMinusOne) {
  EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
  EXPECT_EQ(MulDiv(1, 2, 0), -1);
  EXPECT_EQ(MulDiv(2000000000, 2, 1), -1);  // result does not fit
}
