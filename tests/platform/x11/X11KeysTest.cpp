// The X11 host's translations, without a display: keysyms to virtual-key
// codes, modifier masks to shift states, typed UTF-8 to characters,
// cursors to cursor-font glyphs, Latin-1 for old clipboard clients, menu
// captions with their '&' keys.
#include <gtest/gtest.h>

#if VYR_HAVE_X11  // the X11 host is built (VYR_WITH_X11)
#include "platform/WinapiMessages.h"
#include "platform/hosts/x11/X11Keys.h"
#include "platform/hosts/x11/X11Menu.h"

#include <X11/cursorfont.h>
#include <X11/keysym.h>

namespace {

using namespace vcl;
using namespace vcl::x11;

TEST(X11KeysTest, LettersDigitsAndFunctionKeysHaveTheirCodes) {
  EXPECT_EQ(VirtualKeyOf(XK_a, XK_a), 'A');
  EXPECT_EQ(VirtualKeyOf(XK_z, XK_Z), 'Z');  // Shift+z is still the key Z
  EXPECT_EQ(VirtualKeyOf(XK_0, XK_0), '0');
  EXPECT_EQ(VirtualKeyOf(XK_1, XK_exclam), '1');
  EXPECT_EQ(VirtualKeyOf(XK_F1, XK_F1), VK_F1);
  EXPECT_EQ(VirtualKeyOf(XK_F12, XK_F12), VK_F12);
}

TEST(X11KeysTest, EditingAndNavigationKeys) {
  const struct { KeySym Sym; std::uint16_t Key; } keys[] = {
      {XK_BackSpace, VK_BACK}, {XK_Tab, VK_TAB}, {XK_ISO_Left_Tab, VK_TAB}, {XK_Return, VK_RETURN},
      {XK_Escape, VK_ESCAPE}, {XK_Prior, VK_PRIOR}, {XK_Next, VK_NEXT}, {XK_End, VK_END},
      {XK_Home, VK_HOME}, {XK_Left, VK_LEFT}, {XK_Up, VK_UP}, {XK_Right, VK_RIGHT},
      {XK_Down, VK_DOWN}, {XK_Delete, VK_DELETE}, {XK_Insert, VK_INSERT}, {XK_space, VK_SPACE},
      {XK_Menu, VK_APPS}};
  for (const auto& k : keys) EXPECT_EQ(VirtualKeyOf(k.Sym, k.Sym), k.Key) << std::hex << k.Sym;
}

// Both keys of a pair report one code, as the framework expects.
TEST(X11KeysTest, ModifierKeysOfBothSides) {
  EXPECT_EQ(VirtualKeyOf(XK_Shift_L, XK_Shift_L), VK_SHIFT);
  EXPECT_EQ(VirtualKeyOf(XK_Shift_R, XK_Shift_R), VK_SHIFT);
  EXPECT_EQ(VirtualKeyOf(XK_Control_R, XK_Control_R), VK_CONTROL);
  EXPECT_EQ(VirtualKeyOf(XK_Alt_L, XK_Alt_L), VK_MENU);
}

TEST(X11KeysTest, PunctuationByTheUnshiftedSymbol) {
  EXPECT_EQ(VirtualKeyOf(XK_equal, XK_plus), VK_OEM_PLUS);
  EXPECT_EQ(VirtualKeyOf(XK_comma, XK_less), VK_OEM_COMMA);
  EXPECT_EQ(VirtualKeyOf(XK_minus, XK_underscore), VK_OEM_MINUS);
  EXPECT_EQ(VirtualKeyOf(XK_period, XK_period), VK_OEM_PERIOD);
}

// NumLock decides what a keypad key is: the produced keysym counts.
TEST(X11KeysTest, KeypadFollowsNumLock) {
  EXPECT_EQ(VirtualKeyOf(XK_KP_Home, XK_KP_7), VK_NUMPAD7);
  EXPECT_EQ(VirtualKeyOf(XK_KP_Home, XK_KP_Home), VK_HOME);
  EXPECT_EQ(VirtualKeyOf(XK_KP_Insert, XK_KP_0), VK_NUMPAD0);
  EXPECT_EQ(VirtualKeyOf(XK_KP_Delete, XK_KP_Decimal), VK_DECIMAL);
  EXPECT_EQ(VirtualKeyOf(XK_KP_Add, XK_KP_Add), VK_ADD);
  EXPECT_EQ(VirtualKeyOf(XK_KP_Subtract, XK_KP_Subtract), VK_SUBTRACT);
  EXPECT_EQ(VirtualKeyOf(XK_KP_Enter, XK_KP_Enter), VK_RETURN);
  // An input method that gives no keysym: the key's own one decides.
  EXPECT_EQ(VirtualKeyOf(XK_KP_Up, NoSymbol), VK_UP);
}

TEST(X11KeysTest, KeysWithoutCodes) {
  EXPECT_EQ(VirtualKeyOf(NoSymbol, NoSymbol), 0);
  EXPECT_EQ(VirtualKeyOf(XK_dead_acute, XK_dead_acute), 0);
}

TEST(X11KeysTest, ShiftStateFromMasks) {
  EXPECT_EQ(ShiftStateOf(0), TShiftState{});
  EXPECT_EQ(ShiftStateOf(ShiftMask | ControlMask), (TShiftState{ssShift, ssCtrl}));
  EXPECT_EQ(ShiftStateOf(Mod1Mask | Button1Mask), (TShiftState{ssAlt, ssLeft}));
  EXPECT_EQ(ShiftStateOf(Button2Mask | Button3Mask), (TShiftState{ssMiddle, ssRight}));
  // Caps Lock, NumLock (Mod2) and AltGr (Mod5) are no shift state.
  EXPECT_EQ(ShiftStateOf(LockMask | Mod2Mask | Mod5Mask), TShiftState{});
}

TEST(X11KeysTest, TypedTextBecomesUtf16Characters) {
  EXPECT_EQ(TypedCharacters("a", {}), u"a");
  EXPECT_EQ(TypedCharacters("\xC3\xA9\xE2\x82\xAC", {ssShift}), u"é€");
  EXPECT_EQ(TypedCharacters("\xF0\x9D\x84\x9E", {}), u"\U0001D11E");  // a surrogate pair
  EXPECT_EQ(TypedCharacters("\x01", {ssCtrl}), u"\x01");           // Ctrl+A stays a control character
}

TEST(X11KeysTest, TypedTextThatIsNoCharacter) {
  EXPECT_EQ(TypedCharacters("\x7F", {}), u"");          // Delete types nothing
  EXPECT_EQ(TypedCharacters("x", {ssAlt}), u"");        // an Alt chord is a command
  EXPECT_EQ(TypedCharacters("@", {ssAlt, ssCtrl}), u"@");  // AltGr as Ctrl+Alt types
  EXPECT_EQ(TypedCharacters("a\xFF" "b", {}), u"ab");   // broken UTF-8 is dropped
  EXPECT_EQ(TypedCharacters("", {}), u"");
}

TEST(X11KeysTest, KeysymTextWithoutAnInputMethod) {
  EXPECT_EQ(KeysymText(XK_a), u"a");
  EXPECT_EQ(KeysymText(XK_eacute), u"é");
  EXPECT_EQ(KeysymText(0x010020AC), u"€");
  EXPECT_EQ(KeysymText(0x0101D11E), u"\U0001D11E");
  EXPECT_EQ(KeysymText(XK_KP_5), u"5");
  EXPECT_EQ(KeysymText(XK_Return), u"\r");
  EXPECT_EQ(KeysymText(XK_F1), u"");
  EXPECT_EQ(KeysymText(0x0100D800), u"");  // a lone surrogate is no character
}

TEST(X11KeysTest, CursorsMapToCursorFontGlyphs) {
  EXPECT_EQ(CursorGlyphOf(crHourGlass), XC_watch);
  EXPECT_EQ(CursorGlyphOf(crDefault), XC_left_ptr);
  EXPECT_EQ(CursorGlyphOf(crArrow), XC_left_ptr);
  EXPECT_EQ(CursorGlyphOf(crIBeam), XC_xterm);
  EXPECT_EQ(CursorGlyphOf(crCross), XC_crosshair);
  EXPECT_EQ(CursorGlyphOf(crHandPoint), XC_hand2);
  EXPECT_EQ(CursorGlyphOf(crSizeWE), XC_sb_h_double_arrow);
  EXPECT_EQ(CursorGlyphOf(crSizeNS), XC_sb_v_double_arrow);
  EXPECT_EQ(CursorGlyphOf(crNone), -1);
  EXPECT_EQ(CursorGlyphOf(static_cast<TCursor>(17)), XC_left_ptr);  // an application's own number
}

TEST(X11KeysTest, Latin1ForOldClipboardClients) {
  EXPECT_EQ(ToLatin1(u"Grüße"), "Gr\xFC\xDF" "e");
  EXPECT_EQ(ToLatin1(u"1 € \U0001D11E"), "1 ? ?");  // one '?' per character, pairs too
  EXPECT_EQ(FromLatin1("Gr\xFC\xDF" "e"), u"Grüße");
  EXPECT_EQ(FromLatin1(std::string("a\0b", 3)), String(u"a\0b", 3));
}

TEST(X11KeysTest, MenuCaptionsAndTheirKeys) {
  char16_t key = u'?';
  EXPECT_EQ(MenuCaptionText(u"&Open", &key), u"Open");
  EXPECT_EQ(key, u'o');
  EXPECT_EQ(MenuCaptionText(u"Save &As", &key), u"Save As");
  EXPECT_EQ(key, u'a');
  EXPECT_EQ(MenuCaptionText(u"Fish && Chips", &key), u"Fish & Chips");
  EXPECT_EQ(key, 0);
  EXPECT_EQ(MenuCaptionText(u"Trailing &", &key), u"Trailing &");
  EXPECT_EQ(key, 0);
}

}  // namespace

#else

TEST(X11Host, NotBuilt) { GTEST_SKIP() << "built without the X11 host (VYR_WITH_X11=OFF)"; }

#endif  // VYR_HAVE_X11
