// Translations between X11 input and the framework's input (internal to
// the X11 host). Pure functions: no display is needed, so they are tested
// on their own.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Controls.h"
#include "platform/Types.h"

namespace vcl::x11 {

// The virtual-key code of a key. Base is the key's keysym without
// modifiers (level 0), Effective the keysym the key produced with the
// modifiers and NumLock applied; keypad keys follow Effective (so NumLock
// decides between VK_NUMPAD7 and VK_HOME), every other key follows Base
// (so Shift+1 is still the key '1'). 0 for keys without a code.
std::uint16_t VirtualKeyOf(unsigned long Base, unsigned long Effective);

// The shift state of an X modifier and button mask (Mod1 is Alt).
TShiftState ShiftStateOf(unsigned int State);

// The characters a key typed, as the framework's KeyPress receives them:
// UTF-8 to UTF-16; DEL (which the Delete key produces) and anything typed
// while Alt is held without AltGr give no characters. Invalid UTF-8 bytes
// are dropped rather than guessed.
String TypedCharacters(std::string_view Utf8, TShiftState Shift);

// The character of a keysym when no input method is there to say (Latin-1
// keysyms, the Unicode keysym range and a few control keys) as UTF-16;
// empty when it has none.
String KeysymText(unsigned long Keysym);

// The glyph of the standard X cursor font shown for a cursor (the XC_
// values of <X11/cursorfont.h>); -1 for crNone (an invisible cursor).
int CursorGlyphOf(TCursor Cursor);

// Latin-1 for clients that ask for the STRING target; characters beyond
// it become '?'. And back: Latin-1 bytes to UTF-16.
std::string ToLatin1(const String& Text);
String FromLatin1(std::string_view Bytes);

}  // namespace vcl::x11
