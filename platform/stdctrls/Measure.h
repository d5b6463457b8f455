// Measuring text outside painting: the size of a text in a font, for
// controls that lay themselves out from their captions (group boxes, tabs,
// status panels). Internal to the framework.
#pragma once

#include "platform/Graphics.h"

namespace vcl::stdctrls {

// The cell height of the font's text (ascent + descent).
int FontTextHeight(const TFont& Font);
int FontTextWidth(const TFont& Font, const String& Text);

}  // namespace vcl::stdctrls
