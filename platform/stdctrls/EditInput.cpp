// TCustomEdit: keys, characters and the mouse.
//
// A key goes through KeyDown/OnKeyDown first (setting Key to 0 swallows
// it), then EditKey acts on it. Keys whose action Windows attaches to the
// character they produce (Backspace, Enter, Ctrl+A/C/V/X/Z) act on the key
// already, so that a key alone works; the character that follows is then
// passed to KeyPress/OnKeyPress but not acted on twice. A character that
// arrives without its key acts on its own.
#include <algorithm>

#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/controls/Internal.h"
#include "platform/stdctrls/Shared.h"

namespace vcl {

namespace {

bool IsLowSurrogate(Char C) { return C >= 0xDC00 && C <= 0xDFFF; }

bool IsWordChar(Char C) { return C != u' ' && C != u'\t' && C != u'\n'; }

// Control characters that stand for editing commands.
constexpr Char chSelectAll = 1, chCopy = 3, chBack = 8, chTab = 9, chReturn = 13,
               chPaste = 22, chCut = 24, chUndo = 26;

}  // namespace

// ---------------------------------------------------------------- messages

void TCustomEdit::WMGetDlgCode(TMessage& Message) {
  Message.Result = DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTCHARS;
  if (FMultiLine && FWantReturns) Message.Result |= DLGC_WANTALLKEYS;
  if (FMultiLine && FWantTabs) Message.Result |= DLGC_WANTTAB;
}

void TCustomEdit::WMKeyDown(TWMKey& Message) {
  FCharDone = 0;
  if (DoKeyDown(Message)) {
    Message.Result = 1;
    return;
  }
  if (!detail::IsAlive(this)) return;  // a handler freed the edit
  EditKeyMessage(Message);
}

void TCustomEdit::EditKeyMessage(TWMKey& Message) {
  FCharDone = 0;
  TShiftState shift = KeyDataToShiftState(Message.KeyData);
  if (Message.Msg == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0) return;
  if (EditKey(Message.CharCode, shift)) Message.Result = 1;
}

void TCustomEdit::WMChar(TWMKey& Message) {
  Char done = FCharDone;
  if (DoKeyPress(Message)) {
    FCharDone = 0;
    Message.Result = 1;
    return;
  }
  if (!detail::IsAlive(this)) return;
  FCharDone = done;
  EditCharMessage(Message);
}

void TCustomEdit::EditCharMessage(TWMKey& Message) {
  Char done = FCharDone;
  FCharDone = 0;
  if (Message.Msg == WM_SYSCHAR) return;
  Char ch = static_cast<Char>(Message.CharCode);
  if (done != 0 && ch == done) return;
  EditChar(ch);
}

// ---------------------------------------------------------------- keys

bool TCustomEdit::EditKey(std::uint16_t Key, TShiftState Shift) {
  if (NavigationKey(Key, Shift)) return true;
  return CommandKey(Key, Shift);
}

int TCustomEdit::WordLeft(int Index) const {
  const String& t = Text();
  int i = std::clamp(Index, 0, GetTextLen());
  while (i > 0 && !IsWordChar(t[i - 1])) --i;
  while (i > 0 && IsWordChar(t[i - 1])) --i;
  return i;
}

int TCustomEdit::WordRight(int Index) const {
  const String& t = Text();
  int n = GetTextLen();
  int i = std::clamp(Index, 0, n);
  while (i < n && IsWordChar(t[i])) ++i;
  while (i < n && !IsWordChar(t[i])) ++i;
  return i;
}

// Arrows, Home, End and the page keys; Shift extends the selection.
bool TCustomEdit::NavigationKey(std::uint16_t Key, TShiftState Shift) {
  bool extend = Shift.Contains(ssShift);
  bool ctrl = Shift.Contains(ssCtrl);
  if (!FMultiLine && (Key == VK_UP || Key == VK_DOWN)) Key = Key == VK_UP ? VK_LEFT : VK_RIGHT;
  int target = FCaret;
  switch (Key) {
    case VK_LEFT:
      if (!extend && SelLength() > 0 && !ctrl) target = SelStart();
      else target = ctrl ? WordLeft(FCaret) : ClampIndex(FCaret - 1);
      break;
    case VK_RIGHT:
      if (!extend && SelLength() > 0 && !ctrl) {
        target = SelStart() + SelLength();
      } else if (ctrl) {
        target = WordRight(FCaret);
      } else {
        target = FCaret + 1;
        if (target < GetTextLen() && IsLowSurrogate(Text()[target])) ++target;
      }
      break;
    case VK_HOME:
      target = ctrl || !FMultiLine ? 0 : VisualLines()[LineOfIndex(FCaret)].Start;
      break;
    case VK_END: {
      if (ctrl || !FMultiLine) {
        target = GetTextLen();
      } else {
        const TVisualLine& l = VisualLines()[LineOfIndex(FCaret)];
        target = l.Start + l.Length;
      }
      break;
    }
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: {
      if (!FMultiLine) return false;
      int page = std::max(1, VisibleLineCount());
      int lines = Key == VK_UP ? -1 : Key == VK_DOWN ? 1 : Key == VK_PRIOR ? -page : page;
      target = VerticalTarget(lines);
      int keep = FDesiredX;
      MoveCaret(target, extend);
      FDesiredX = keep;
      return true;
    }
    default:
      return false;
  }
  FDesiredX = -1;
  MoveCaret(target, extend);
  return true;
}

// Deleting, clipboard keys, select all, undo and Enter.
bool TCustomEdit::CommandKey(std::uint16_t Key, TShiftState Shift) {
  bool ctrl = Shift.Contains(ssCtrl);
  bool shift = Shift.Contains(ssShift);
  switch (Key) {
    case VK_DELETE:
      if (shift) {
        CutToClipboard();
      } else if (SelLength() == 0) {
        if (FReadOnly || FCaret >= GetTextLen()) return true;
        int to = FCaret + 1;
        if (to < GetTextLen() && IsLowSurrogate(Text()[to])) ++to;
        FAnchor = to;
        UserReplaceSelection(String());
      } else {
        UserReplaceSelection(String());
      }
      return true;
    case VK_BACK:
      FCharDone = chBack;
      EditChar(chBack);
      FCharDone = chBack;
      return true;
    case VK_INSERT:
      if (ctrl) CopyToClipboard();
      else if (shift) PasteFromClipboard();
      return ctrl || shift;
    case VK_RETURN:
      if (!FMultiLine || !FWantReturns) return false;
      EditChar(chReturn);
      FCharDone = chReturn;
      return true;
    default:
      break;
  }
  if (!ctrl || shift) return false;
  Char command = 0;
  switch (Key) {
    case 'A': command = chSelectAll; break;
    case 'C': command = chCopy; break;
    case 'V': command = chPaste; break;
    case 'X': command = chCut; break;
    case 'Z': command = chUndo; break;
    default: return false;
  }
  EditChar(command);
  FCharDone = command;
  return true;
}

// ---------------------------------------------------------------- characters

void TCustomEdit::EditChar(Char Ch) {
  switch (Ch) {
    case chBack: {
      if (FReadOnly) return;
      if (SelLength() == 0) {
        if (FCaret == 0) return;
        int from = ClampIndex(FCaret - 1);
        FAnchor = from;
      }
      UserReplaceSelection(String());
      return;
    }
    case chReturn:
      if (FMultiLine && FWantReturns) UserReplaceSelection(u"\n");
      return;
    case chTab:
      if (FMultiLine && FWantTabs) UserReplaceSelection(u"\t");
      return;
    case chSelectAll: SelectAll(); return;
    case chCopy: CopyToClipboard(); return;
    case chPaste: PasteFromClipboard(); return;
    case chCut: CutToClipboard(); return;
    case chUndo: Undo(); return;
    default: break;
  }
  if (Ch < 32 || Ch == 127) return;
  if (FNumbersOnly && (Ch < u'0' || Ch > u'9')) {
    MessageBeep(0);
    return;
  }
  UserReplaceSelection(String(1, Ch));
}

// ---------------------------------------------------------------- mouse

// A press takes the focus (without AutoSelect) and places the caret; Shift
// extends the selection; holding the button and moving selects.
void TCustomEdit::WMLButtonDown(TWMMouse& Message) {
  FClickFocus = true;
  if (!stdctrls::FocusOnClick(this)) return;
  FClickFocus = false;
  SyncBars();
  if (FBars.MouseDown(mbLeft, Message.Pos())) return;
  TShiftState shift = KeysToShiftState(Message.Keys);
  FDesiredX = -1;
  MoveCaret(IndexAtPoint(Message.XPos, Message.YPos), shift.Contains(ssShift));
  FSelecting = true;
  TWinControl::WMLButtonDown(Message);
}

void TCustomEdit::WMLButtonDblClk(TWMMouse& Message) {
  SyncBars();
  if (FBars.MouseDown(mbLeft, Message.Pos())) return;  // a second press on the bar
  SelectWordAt(IndexAtPoint(Message.XPos, Message.YPos));
  FSelecting = false;
  TWinControl::WMLButtonDblClk(Message);
}

void TCustomEdit::WMMouseMove(TWMMouse& Message) {
  if (FBars.MouseMove(Message.Pos())) return;
  if (FSelecting && (Message.Keys & MK_LBUTTON) != 0) {
    MoveCaret(IndexAtPoint(Message.XPos, Message.YPos), true);
  }
  TWinControl::WMMouseMove(Message);
}

void TCustomEdit::WMLButtonUp(TWMMouse& Message) {
  if (FBars.MouseUp(mbLeft, Message.Pos())) return;
  if (FSelecting) MoveCaret(IndexAtPoint(Message.XPos, Message.YPos), true);
  FSelecting = false;
  TWinControl::WMLButtonUp(Message);
}

void TCustomEdit::SelectWordAt(int Index) {
  const String& t = Text();
  int n = GetTextLen();
  int start = std::clamp(Index, 0, n);
  int end = start;
  if (start < n && IsWordChar(t[start])) {
    while (start > 0 && IsWordChar(t[start - 1])) --start;
    while (end < n && IsWordChar(t[end])) ++end;
  } else {
    while (end < n && !IsWordChar(t[end]) && t[end] != u'\n') ++end;
  }
  FAnchor = start;
  MoveCaret(end, true);
}

}  // namespace vcl
