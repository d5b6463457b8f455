// TNumIO2's entry: keys, the online check, editing the selection, the
// clipboard and the separator change.
//
// A key reaches KeyDown after the form's key preview; OnKeyDown sees it
// first and may swallow it (Key = 0). Then:
//   Shift, Ctrl                 only set their flags (their release clears them)
//   read-only                   nothing happens, except for Ctrl+C
//   Ctrl+C / Ctrl+X             copy / cut the selection (nothing without one)
//   Ctrl+V                      the clipboard's text replaces the selection
//   Ctrl+other                  beep
//   Backspace / Delete          the selection, else the character before /
//                               after the caret
//   Home End Left Up Right Down the caret moves; the selection collapses there
//   0-9 A-F, pad digits, + - , . the character replaces the selection
//                               (Shift+4, 5, 6 give $ % &)
//   other                       beep
// Tab moves the focus on at the framework's dialog-key step, before this.
// Then the online check: a changed text stays when it is empty, a lone
// sign, or valid in the format (CheckValidity); otherwise text, caret and
// selection go back and the control beeps. In itFixPoint a caret within
// the decimals selects the digit after it, so the next digit overwrites
// it. The caret shows, the control repaints, and OnChange fires last for a
// change that stayed. Every refusal beeps only when Beep is set.
#include <algorithm>

#include "VYR_NumIO/VYR_NumIO2.h"
#include "companion/basepack/VYR_stringl.h"
#include "platform/Clipbrd.h"
#include "platform/Forms.h"

namespace vyr {

using vcl::String;

// ---------------------------------------------------------------- key routing

void TNumIO2::KeyDown(std::uint16_t& Key, vcl::TShiftState Shift) {
  vcl::TCustomControl::KeyDown(Key, Shift);
  if (Key == vcl::VK_SHIFT) FKeyShifted = true;
  if (Key == vcl::VK_CONTROL) FKeyCntrl = true;
  if (Key == 0 || Key == vcl::VK_SHIFT || Key == vcl::VK_CONTROL) return;
  const bool ctrl = FKeyCntrl || Shift.Contains(vcl::ssCtrl);
  const bool shifted = FKeyShifted || Shift.Contains(vcl::ssShift);
  if (HandleKey(Key, ctrl, shifted)) Changed();
}

void TNumIO2::KeyUp(std::uint16_t& Key, vcl::TShiftState Shift) {
  if (Key == vcl::VK_SHIFT) FKeyShifted = false;
  if (Key == vcl::VK_CONTROL) FKeyCntrl = false;
  vcl::TCustomControl::KeyUp(Key, Shift);
}

// The arrows move the caret rather than the focus; Tab is left to the form.
void TNumIO2::WMGetDlgCode(vcl::TMessage& Message) {
  Message.Result = vcl::DLGC_WANTARROWS | vcl::DLGC_WANTCHARS;
}

// One key through the table and the online check; true when the text
// changed and the change stayed.
bool TNumIO2::HandleKey(std::uint16_t Key, bool Ctrl, bool Shifted) {
  if (FReadOnly && !(Ctrl && Key == 'C')) return false;
  const TEditState before = SaveEdit();
  const bool known = Ctrl ? HandleCtrlKey(Key) : HandleEditKey(Key, Shifted);
  if (!known) RefuseKey();
  if (FInBuffer != before.Text && !AcceptsTyped(FInBuffer)) {
    RestoreEdit(before);
    RefuseKey();
  }
  if (FInFormat == itFixPoint) SelectFixedDecimal();
  if (!FReadOnly) FCaretVisib = true;
  Redraw();
  return FInBuffer != before.Text;
}

bool TNumIO2::HandleCtrlKey(std::uint16_t Key) {
  switch (Key) {
    case 'C': CopySelection(); return true;
    case 'X':
      CopySelection();
      DeleteSelection(true);
      return true;
    case 'V':
      if (vcl::Clipboard().HasFormat(vcl::CF_TEXT)) {
        DeleteSelection(false);
        InsertText(vcl::Clipboard().AsText());
      }
      return true;
    default: return false;
  }
}

bool TNumIO2::HandleEditKey(std::uint16_t Key, bool Shifted) {
  const int n = static_cast<int>(FInBuffer.size());
  switch (Key) {
    case vcl::VK_BACK:
      if (!DeleteSelection(true) && FCaretPos > 0) {
        FInBuffer.erase(static_cast<std::size_t>(FCaretPos - 1), 1);
        MoveCaret(FCaretPos - 1);
      }
      return true;
    case vcl::VK_DELETE:
      if (!DeleteSelection(true) && FCaretPos < n) FInBuffer.erase(static_cast<std::size_t>(FCaretPos), 1);
      return true;
    case vcl::VK_TAB:
      if (vcl::TCustomForm* form = vcl::GetParentForm(this)) form->Perform(vcl::WM_NEXTDLGCTL, Shifted ? 1 : 0, 0);
      return true;
    case vcl::VK_END: MoveCaret(n); return true;
    case vcl::VK_HOME: MoveCaret(0); return true;
    case vcl::VK_LEFT:
    case vcl::VK_UP: MoveCaret(FCaretPos - 1); return true;
    case vcl::VK_RIGHT:
    case vcl::VK_DOWN: MoveCaret(FCaretPos + 1); return true;
    case vcl::VK_MENU: case vcl::VK_CAPITAL: case vcl::VK_NUMLOCK: case vcl::VK_SCROLL:
    case vcl::VK_LWIN: case vcl::VK_RWIN: return true;  // modifiers and locks: silent
    default: break;
  }
  const char16_t c = CharOfKey(Key, Shifted);
  if (c == 0) return false;
  DeleteSelection(false);
  InsertText(String(1, c));
  return true;
}

// The character a key types, or 0. Digits and the letters A to F stand for
// themselves; with Shift, 4, 5 and 6 give the prefixes $, % and &, and the
// other digits type nothing (they are no digits then). The number pad's
// decimal key gives the comma unless the control takes no comma, then the
// point.
char16_t TNumIO2::CharOfKey(std::uint16_t Key, bool Shifted) const {
  if (Key >= '0' && Key <= '9') {
    if (!Shifted) return static_cast<char16_t>(Key);
    switch (Key) {
      case '4': return u'$';
      case '5': return u'%';
      case '6': return u'&';
      default: return 0;
    }
  }
  if (Key >= 'A' && Key <= 'F') return static_cast<char16_t>(Key);
  if (Key >= vcl::VK_NUMPAD0 && Key <= vcl::VK_NUMPAD9) return static_cast<char16_t>(u'0' + (Key - vcl::VK_NUMPAD0));
  switch (Key) {
    case vcl::VK_ADD: case vcl::VK_OEM_PLUS: return u'+';
    case vcl::VK_SUBTRACT: case vcl::VK_OEM_MINUS: return u'-';
    case vcl::VK_OEM_COMMA: return u',';
    case vcl::VK_OEM_PERIOD: return u'.';
    case vcl::VK_DECIMAL: {
      const bool comma = FInFormat != itFixPoint && numio::ResolveCheckSep(FDecPSep) != dsPoint;
      return comma ? u',' : u'.';
    }
    default: return 0;
  }
}

// ---------------------------------------------------------------- editing

void TNumIO2::MoveCaret(int Pos) {
  FCaretPos = std::clamp(Pos, 0, static_cast<int>(FInBuffer.size()));
  FSelBegin = FSelEnd = FSelAnchor = FCaretPos;
}

void TNumIO2::InsertText(const String& S) {
  FInBuffer.insert(static_cast<std::size_t>(FCaretPos), S);
  MoveCaret(FCaretPos + static_cast<int>(S.size()));
}

// Removes SelBegin..SelEnd and puts the caret there; false when nothing
// is selected. A deletion that empties the text shows 0 in the current
// format when ZeroWhenEmpty (the deleting keys); a replacement by typed or
// pasted text does not, so that typing over everything gives what was typed.
bool TNumIO2::DeleteSelection(bool ZeroWhenEmpty) {
  if (FSelBegin >= FSelEnd) return false;
  FInBuffer.erase(static_cast<std::size_t>(FSelBegin), static_cast<std::size_t>(FSelEnd - FSelBegin));
  MoveCaret(FSelBegin);
  if (FInBuffer.empty() && ZeroWhenEmpty) {
    FInBuffer = LocalizedText(numio::WriteCompoundValue(0.0, FInFormat, FFixPDecPl, FSignifDigits));
  }
  return true;
}

// An empty selection leaves the clipboard as it was.
void TNumIO2::CopySelection() const {
  if (FSelBegin >= FSelEnd) return;
  vcl::Clipboard().SetAsText(
      FInBuffer.substr(static_cast<std::size_t>(FSelBegin), static_cast<std::size_t>(FSelEnd - FSelBegin)));
}

// The online check: texts on the way to a number (empty, a lone sign) pass.
bool TNumIO2::AcceptsTyped(const String& S) const {
  return !FOnlineCheck || S.empty() || S == u"-" || S == u"+" || CheckValidity(S);
}

void TNumIO2::SelectFixedDecimal() {
  const int n = static_cast<int>(FInBuffer.size());
  if (FCaretPos > n - FFixPDecPl - 1) {
    FSelBegin = FCaretPos;
    FSelEnd = std::min(FCaretPos + 1, n);
  } else {
    FSelBegin = FSelEnd;
  }
  FSelAnchor = FSelBegin;
}

void TNumIO2::RefuseKey() {
  if (FBeep) vcl::MessageBeep(0xFFFF);
}

TNumIO2::TEditState TNumIO2::SaveEdit() const { return {FInBuffer, FCaretPos, FSelBegin, FSelEnd}; }

void TNumIO2::RestoreEdit(const TEditState& S) {
  FInBuffer = S.Text;
  FCaretPos = S.Caret;
  FSelBegin = S.SelBegin;
  FSelEnd = S.SelEnd;
  FSelAnchor = S.SelBegin;
}

// ---------------------------------------------------------------- separators

// The writers put a point; in a mode that takes only the comma the text
// shows the comma instead, so that the control accepts further typing in
// the text it wrote. The fixed-point format takes only the point.
String TNumIO2::LocalizedText(String Text) const {
  if ((FInFormat == itFloat || FInFormat == itExp) && numio::ResolveCheckSep(FDecPSep) == dsComma) {
    std::replace(Text.begin(), Text.end(), u'.', u',');
  }
  return Text;
}

// Puts the new mode's separator into the text: coming from the mode that
// takes both, every point and comma becomes it; otherwise the old mode's
// separator does. Going to the mode that takes both changes nothing, and
// neither does the fixed-point format, where only the point serves.
void TNumIO2::ReplaceSeparator(TDecPSep Old, TDecPSep New) {
  if (New == dsBoth || FInFormat == itFixPoint) return;
  const vcl::Char system = numio::SystemDecimalSeparator();
  const vcl::Char oldChar = Old == dsComma ? u',' : Old == dsSystem ? system : u'.';
  const vcl::Char newChar = New == dsSystem ? system : New == dsComma ? u',' : u'.';
  if (Old == dsBoth) {
    FInBuffer = ReplaceCharInString(ReplaceCharInString(FInBuffer, u'.', newChar), u',', newChar);
  } else if (oldChar != newChar) {
    FInBuffer = ReplaceCharInString(FInBuffer, oldChar, newChar);
  }
}

}  // namespace vyr
