// GDI calls: MulDiv, raster-operation codes, StretchBlt and stretch modes.
#pragma once

#include <cstdint>

#include "platform/Graphics.h"

namespace vcl {

using HDC = TCanvas*;
using DWORD = std::uint32_t;

// a·b/c computed in 64 bits and rounded half away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

constexpr DWORD SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6,
                SRCINVERT = 0x00660046, SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008,
                NOTSRCERASE = 0x001100A6, MERGECOPY = 0x00C000CA, MERGEPAINT = 0x00BB0226,
                PATCOPY = 0x00F00021, PATPAINT = 0x00FB0A09, PATINVERT = 0x005A0049,
                DSTINVERT = 0x00550009, BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062;

constexpr int BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4;
constexpr int STRETCH_ANDSCANS = 1, STRETCH_ORSCANS = 2, STRETCH_DELETESCANS = 3,
              STRETCH_HALFTONE = 4;

// Sets the stretch mode of a device context; returns the previous mode (0 on failure).
int SetStretchBltMode(HDC DC, int Mode);
int GetStretchBltMode(HDC DC);
// Copies (and stretches) a source rectangle onto a destination rectangle with a
// raster operation; negative sizes mirror. Returns false for a null context.
bool StretchBlt(HDC Dest, int XDest, int YDest, int WDest, int HDest, HDC Src, int XSrc,
                int YSrc, int WSrc, int HSrc, DWORD Rop);
bool BitBlt(HDC Dest, int X, int Y, int W, int H, HDC Src, int XSrc, int YSrc, DWORD Rop);

}  // namespace vcl
