#include "platform/hosts/x11/X11Keys.h"

#include <X11/X.h>
#include <X11/cursorfont.h>
#include <X11/keysym.h>

#include "platform/WinapiMessages.h"

namespace vcl::x11 {

namespace {

struct KeyEntry {
  unsigned long Keysym;
  std::uint16_t Key;
};

// Keys whose code does not follow from a range.
constexpr KeyEntry kNamedKeys[] = {
    {XK_BackSpace, VK_BACK}, {XK_Tab, VK_TAB}, {XK_ISO_Left_Tab, VK_TAB},
    {XK_Clear, VK_CLEAR}, {XK_Return, VK_RETURN}, {XK_Pause, VK_PAUSE},
    {XK_Scroll_Lock, VK_SCROLL}, {XK_Sys_Req, VK_SNAPSHOT}, {XK_Print, VK_SNAPSHOT},
    {XK_Escape, VK_ESCAPE}, {XK_Delete, VK_DELETE}, {XK_Insert, VK_INSERT},
    {XK_Home, VK_HOME}, {XK_End, VK_END}, {XK_Prior, VK_PRIOR}, {XK_Next, VK_NEXT},
    {XK_Left, VK_LEFT}, {XK_Up, VK_UP}, {XK_Right, VK_RIGHT}, {XK_Down, VK_DOWN},
    {XK_Begin, VK_CLEAR}, {XK_Select, VK_SELECT}, {XK_Execute, VK_EXECUTE},
    {XK_Help, VK_HELP}, {XK_Menu, VK_APPS}, {XK_Num_Lock, VK_NUMLOCK},
    {XK_Caps_Lock, VK_CAPITAL}, {XK_space, VK_SPACE},
    // Windows reports both keys of a pair with one code.
    {XK_Shift_L, VK_SHIFT}, {XK_Shift_R, VK_SHIFT},
    {XK_Control_L, VK_CONTROL}, {XK_Control_R, VK_CONTROL},
    {XK_Alt_L, VK_MENU}, {XK_Alt_R, VK_MENU}, {XK_Meta_L, VK_MENU}, {XK_Meta_R, VK_MENU},
    {XK_ISO_Level3_Shift, VK_MENU},
    {XK_Super_L, VK_LWIN}, {XK_Super_R, VK_RWIN},
    // Punctuation of a US keyboard, by the unshifted symbol.
    {XK_semicolon, VK_OEM_1}, {XK_equal, VK_OEM_PLUS}, {XK_comma, VK_OEM_COMMA},
    {XK_minus, VK_OEM_MINUS}, {XK_period, VK_OEM_PERIOD}, {XK_slash, VK_OEM_2},
    {XK_grave, VK_OEM_3}, {XK_bracketleft, VK_OEM_4}, {XK_backslash, VK_OEM_5},
    {XK_bracketright, VK_OEM_6}, {XK_apostrophe, VK_OEM_7},
};

// Keypad keys, by the keysym they produced (NumLock on gives digits, off
// gives the navigation keys).
constexpr KeyEntry kKeypadKeys[] = {
    {XK_KP_Add, VK_ADD}, {XK_KP_Subtract, VK_SUBTRACT}, {XK_KP_Multiply, VK_MULTIPLY},
    {XK_KP_Divide, VK_DIVIDE}, {XK_KP_Decimal, VK_DECIMAL}, {XK_KP_Separator, VK_DECIMAL},
    {XK_KP_Enter, VK_RETURN}, {XK_KP_Home, VK_HOME}, {XK_KP_End, VK_END},
    {XK_KP_Prior, VK_PRIOR}, {XK_KP_Next, VK_NEXT}, {XK_KP_Left, VK_LEFT},
    {XK_KP_Up, VK_UP}, {XK_KP_Right, VK_RIGHT}, {XK_KP_Down, VK_DOWN},
    {XK_KP_Insert, VK_INSERT}, {XK_KP_Delete, VK_DELETE}, {XK_KP_Begin, VK_CLEAR},
    {XK_KP_Space, VK_SPACE}, {XK_KP_Tab, VK_TAB}, {XK_KP_Equal, VK_OEM_PLUS},
};

std::uint16_t Find(const KeyEntry* Begin, const KeyEntry* End, unsigned long Keysym) {
  for (const KeyEntry* e = Begin; e != End; ++e) {
    if (e->Keysym == Keysym) return e->Key;
  }
  return 0;
}

bool IsKeypad(unsigned long Keysym) { return Keysym >= XK_KP_Space && Keysym <= XK_KP_9; }

}  // namespace

std::uint16_t VirtualKeyOf(unsigned long Base, unsigned long Effective) {
  if (IsKeypad(Effective)) {
    if (Effective >= XK_KP_0 && Effective <= XK_KP_9) {
      return static_cast<std::uint16_t>(VK_NUMPAD0 + (Effective - XK_KP_0));
    }
    return Find(std::begin(kKeypadKeys), std::end(kKeypadKeys), Effective);
  }
  if (Base >= XK_a && Base <= XK_z) return static_cast<std::uint16_t>('A' + (Base - XK_a));
  if (Base >= XK_A && Base <= XK_Z) return static_cast<std::uint16_t>(Base);
  if (Base >= XK_0 && Base <= XK_9) return static_cast<std::uint16_t>(Base);
  if (Base >= XK_F1 && Base <= XK_F24) return static_cast<std::uint16_t>(VK_F1 + (Base - XK_F1));
  if (IsKeypad(Base)) return VirtualKeyOf(Effective, Base);
  return Find(std::begin(kNamedKeys), std::end(kNamedKeys), Base);
}

TShiftState ShiftStateOf(unsigned int State) {
  TShiftState s;
  if (State & ShiftMask) s << ssShift;
  if (State & ControlMask) s << ssCtrl;
  if (State & Mod1Mask) s << ssAlt;
  if (State & Button1Mask) s << ssLeft;
  if (State & Button2Mask) s << ssMiddle;
  if (State & Button3Mask) s << ssRight;
  return s;
}

String TypedCharacters(std::string_view Utf8, TShiftState Shift) {
  String out;
  // Alt chords are commands (menu keys), not text; AltGr is another modifier.
  if (Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl)) return out;
  for (char16_t c : FromUTF8(Utf8)) {
    if (c == 0x7F || c == 0xFFFD) continue;
    out += c;
  }
  return out;
}

namespace {

char32_t KeysymCharacter(unsigned long Keysym) {
  if ((Keysym >= 0x20 && Keysym <= 0x7E) || (Keysym >= 0xA0 && Keysym <= 0xFF)) {
    return static_cast<char32_t>(Keysym);
  }
  if (Keysym >= 0x01000100 && Keysym <= 0x0110FFFF) return static_cast<char32_t>(Keysym - 0x01000000);
  if (Keysym >= XK_KP_0 && Keysym <= XK_KP_9) return U'0' + static_cast<char32_t>(Keysym - XK_KP_0);
  switch (Keysym) {
    case XK_BackSpace: return 0x08;
    case XK_Tab: case XK_ISO_Left_Tab: return 0x09;
    case XK_Return: case XK_KP_Enter: return 0x0D;
    case XK_Escape: return 0x1B;
    default: return 0;
  }
}

}  // namespace

String KeysymText(unsigned long Keysym) {
  char32_t c = KeysymCharacter(Keysym);
  String out;
  if (c == 0 || (c >= 0xD800 && c <= 0xDFFF)) return out;
  AppendCodePoint(out, c);
  return out;
}

int CursorGlyphOf(TCursor Cursor) {
  switch (Cursor) {
    case crNone: return -1;
    case crCross: return XC_crosshair;
    case crIBeam: return XC_xterm;
    case crSizeNESW: return XC_bottom_left_corner;
    case crSizeNS: case crVSplit: return XC_sb_v_double_arrow;
    case crSizeNWSE: return XC_bottom_right_corner;
    case crSizeWE: case crHSplit: return XC_sb_h_double_arrow;
    case crUpArrow: return XC_sb_up_arrow;
    case crHourGlass: case crSQLWait: case crAppStart: return XC_watch;
    case crDrag: case crMultiDrag: return XC_dotbox;
    case crNoDrop: case crNo: return XC_X_cursor;
    case crHelp: return XC_question_arrow;
    case crHandPoint: return XC_hand2;
    case crSizeAll: return XC_fleur;
    default: return XC_left_ptr;  // crDefault, crArrow and unknown shapes
  }
}

std::string ToLatin1(const String& Text) {
  std::string out;
  out.reserve(Text.size());
  for (std::size_t i = 0; i < Text.size(); ++i) {
    char16_t c = Text[i];
    // A surrogate pair is one character, so one '?'.
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < Text.size()) ++i;
    out += c <= 0xFF ? static_cast<char>(c) : '?';
  }
  return out;
}

String FromLatin1(std::string_view Bytes) {
  String out;
  out.reserve(Bytes.size());
  for (char b : Bytes) out += static_cast<char16_t>(static_cast<unsigned char>(b));
  return out;
}

}  // namespace vcl::x11
