// Keyboard focus, tab order and key routing of windowed controls.
//
// A key reaches the focused control in two steps, as the framework does:
//   CN_KEYDOWN  the control may take it first (nonzero result); by default
//               Tab, arrows, Enter and Escape that the control does not ask
//               for through WM_GETDLGCODE go to the form as CM_DIALOGKEY
//               (Tab moves the focus in tab order, arrows among siblings,
//               Enter/Escape are offered to every child, e.g. default buttons).
//   WM_KEYDOWN  the form sees it first when KeyPreview is set, then KeyDown
//               and OnKeyDown; setting the key to 0 swallows it.
// Characters (CN_CHAR, WM_CHAR → KeyPress) and key releases go the same way.
#include <algorithm>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/controls/Internal.h"

namespace vcl {

namespace {

TWinControl* g_Focused = nullptr;

bool Contains(const TWinControl* Outer, const TControl* Inner) {
  return Outer != nullptr && Outer->ContainsControl(const_cast<TControl*>(Inner));
}

}  // namespace

TWinControl* FocusedControl() { return g_Focused; }

namespace detail {

// Moves the focus: WM_KILLFOCUS to the old control, WM_SETFOCUS to the new
// one (whose default handler tells its form, which fires OnExit/OnEnter).
void ChangeFocus(TWinControl* Control) {
  if (g_Focused == Control) return;
  TWinControl* old = g_Focused;
  g_Focused = Control;
  if (Control != nullptr) {
    if (TCustomForm* form = GetParentForm(Control)) TScreen::Instance().SetActiveForm(form);
  }
  if (old != nullptr && g_Focused == Control) {
    Deliver(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(Control != nullptr ? Control->Handle() : nullptr), 0);
  }
  if (Control != nullptr && g_Focused == Control) {
    Deliver(Control, WM_SETFOCUS, 0, 0);
  }
}

// A control being freed hears nothing more; the form (when it lives on)
// takes the focus itself.
void RemoveFocusFrom(TWinControl* Control) {
  TCustomForm* form = GetParentForm(Control);
  if (form != nullptr && form != Control) form->DefocusControl(Control);
  if (!Contains(Control, g_Focused)) return;
  if (Control->ComponentState().Contains(csDestroying)) g_Focused = nullptr;
  bool formLives = form != nullptr && form != Control && !form->ComponentState().Contains(csDestroying);
  if (formLives) {
    ChangeFocus(form);
  } else {
    g_Focused = nullptr;
  }
}

}  // namespace detail

void FocusControlDirectly(TWinControl* Control) {
  if (Control == nullptr) return;
  TCustomForm* form = GetParentForm(Control);
  if (form != nullptr && form != Control) form->FActiveControl = Control;
  detail::ChangeFocus(Control);
}

// ---------------------------------------------------------------- TWinControl focus

bool TWinControl::Focused() const { return g_Focused == this; }

// Every control from this one up to its form must be visible and enabled.
// A control on no form can take the focus when it and all its parents are.
bool TWinControl::CanFocus() const {
  const TCustomForm* form = GetParentForm(this);
  for (const TControl* c = this; c != nullptr && c != form; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) {
    form->FocusControl(this);
    return;
  }
  if (!CanFocus()) throw EInvalidOperation(u"Cannot focus a disabled or invisible window");
  detail::ChangeFocus(this);
}

void TWinControl::WMSetFocus(TMessage&) {
  if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage&) {}

void TWinControl::CMEnter(TMessage&) { DoEnter(); }

void TWinControl::CMExit(TMessage&) { DoExit(); }

void TWinControl::DoEnter() {
  if (FOnEnter) FOnEnter(this);
}

void TWinControl::DoExit() {
  if (FOnExit) FOnExit(this);
}

// ---------------------------------------------------------------- tab order

void TWinControl::SetTabStop(bool Value) {
  if (FTabStop == Value) return;
  FTabStop = Value;
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& list = Parent()->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (Parent() == nullptr) return;
  auto& list = Parent()->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  int index = std::clamp(Value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + index, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
  for (TWinControl* child : FTabList) {
    List.push_back(child);
    child->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward,
                                          bool CheckTabStop, bool CheckParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  int count = static_cast<int>(list.size());
  auto found = std::find(list.begin(), list.end(), CurControl);
  int start = found != list.end() ? static_cast<int>(found - list.begin()) : (GoForward ? count - 1 : 0);
  int i = start;
  do {
    i = GoForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* c = list[static_cast<std::size_t>(i)];
    if (c->CanFocus() && (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this)) {
      return c;
    }
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectFirst() {
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr) return;
  TWinControl* c = FindNextControl(nullptr, true, true, false);
  if (c == nullptr) c = FindNextControl(nullptr, true, false, false);
  if (c != nullptr) form->SetActiveControl(c);
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  TWinControl* c = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop);
  if (c != nullptr) c->SetFocus();
}

// ---------------------------------------------------------------- keys

void TWinControl::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (FOnKeyDown) FOnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(char16_t& Key) {
  if (FOnKeyPress) FOnKeyPress(this, Key);
}

void TWinControl::KeyUp(std::uint16_t& Key, TShiftState Shift) {
  if (FOnKeyUp) FOnKeyUp(this, Key, Shift);
}

namespace {

// The form that previews this control's keys, if any.
TCustomForm* PreviewForm(TWinControl* Control) {
  TCustomForm* form = GetParentForm(Control);
  return form != nullptr && form != Control && form->KeyPreview() ? form : nullptr;
}

}  // namespace

bool TWinControl::DoKeyDown(TWMKey& Message) {
  if (TCustomForm* form = PreviewForm(this); form != nullptr && form->DoKeyDown(Message)) return true;
  if (ControlStyle().Contains(csNoStdEvents)) return false;
  KeyDown(Message.CharCode, KeyDataToShiftState(Message.KeyData));
  return Message.CharCode == 0;
}

bool TWinControl::DoKeyPress(TWMKey& Message) {
  if (TCustomForm* form = PreviewForm(this); form != nullptr && form->DoKeyPress(Message)) return true;
  if (ControlStyle().Contains(csNoStdEvents)) return false;
  char16_t ch = static_cast<char16_t>(Message.CharCode);
  KeyPress(ch);
  Message.CharCode = ch;
  return ch == 0;
}

bool TWinControl::DoKeyUp(TWMKey& Message) {
  if (TCustomForm* form = PreviewForm(this); form != nullptr && form->DoKeyUp(Message)) return true;
  if (ControlStyle().Contains(csNoStdEvents)) return false;
  KeyUp(Message.CharCode, KeyDataToShiftState(Message.KeyData));
  return Message.CharCode == 0;
}

void TWinControl::WMKeyDown(TWMKey& Message) {
  if (DoKeyDown(Message)) Message.Result = 1;
}

void TWinControl::WMKeyUp(TWMKey& Message) {
  if (DoKeyUp(Message)) Message.Result = 1;
}

void TWinControl::WMChar(TWMKey& Message) {
  if (DoKeyPress(Message)) Message.Result = 1;
}

void TWinControl::WMGetDlgCode(TMessage& Message) { Message.Result = 0; }

void TWinControl::CNKeyDown(TWMKey& Message) {
  Message.Result = 1;
  // The form's menu answers its shortcuts before the control sees the key.
  if (TCustomForm* form = GetParentForm(this);
      form != nullptr && form->IsShortCut(Message.CharCode, KeyDataToShiftState(Message.KeyData))) {
    return;
  }
  if (!ComponentState().Contains(csDesigning)) {
    LRESULT mask = 0;
    switch (Message.CharCode) {
      case VK_TAB: mask = DLGC_WANTTAB; break;
      case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: mask = DLGC_WANTARROWS; break;
      case VK_RETURN: case VK_EXECUTE: case VK_ESCAPE: case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
      default: break;
    }
    TCustomForm* form = GetParentForm(this);
    if (mask != 0 && form != nullptr && Perform(CM_WANTSPECIALKEY, Message.CharCode, Message.KeyData) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0 &&
        form->Perform(CM_DIALOGKEY, Message.CharCode, Message.KeyData) != 0) {
      return;
    }
  }
  Message.Result = 0;
}

void TWinControl::CNKeyUp(TWMKey& Message) { Message.Result = 0; }

void TWinControl::CNChar(TWMKey& Message) { Message.Result = 0; }

// Unclaimed dialog keys and characters are offered to every child.
void TWinControl::CMDialogKey(TWMKey& Message) {
  TMessage m{CM_DIALOGKEY, Message.CharCode, Message.KeyData, 0};
  Broadcast(m);
  Message.Result = m.Result;
}

void TWinControl::CMDialogChar(TWMKey& Message) {
  TMessage m{CM_DIALOGCHAR, Message.CharCode, Message.KeyData, 0};
  Broadcast(m);
  Message.Result = m.Result;
}

}  // namespace vcl
