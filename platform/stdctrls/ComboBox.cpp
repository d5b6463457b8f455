// TCustomComboBox and its edit field; the dropped-down list is in
// ComboList.cpp.
#include <algorithm>

#include "platform/StdCtrls.h"
#include "platform/Streaming.h"
#include "platform/SysUtils.h"
#include "platform/controls/Internal.h"
#include "platform/Look.h"
#include "platform/hosts/Host.h"
#include "platform/stdctrls/Shared.h"

namespace vcl {

// The edit field of a csDropDown combo box. It never takes the focus: the
// combo box keeps it and forwards its keys, and the field shows caret and
// selection while the combo box is focused.
class TComboEdit : public TCustomEdit {
 public:
  explicit TComboEdit(TCustomComboBox* Combo) : TCustomEdit(nullptr), FCombo(Combo) {
    SetAutoSize(false);
    SetAutoSelect(false);
    SetBorderStyle(bsNone);
    SetTabStop(false);
  }
  bool CanFocus() const override { return false; }
  void ForwardKey(TWMKey& Message) { EditKeyMessage(Message); }
  void ForwardChar(TWMKey& Message) { EditCharMessage(Message); }

 protected:
  bool ShowsFocus() const override { return FCombo->Focused(); }
  void Change() override {
    TCustomEdit::Change();
    FCombo->EditTextChanged();
  }
  // A press in the field closes the list first (a handler of that may
  // free the combo box, and this field with it).
  void WMLButtonDown(TWMMouse& Message) override {
    TCustomComboBox* combo = FCombo;
    if (combo->DroppedDown()) {
      combo->CloseList(false);
      if (!detail::IsAlive(combo)) return;
    }
    if (!FCombo->Focused() && FCombo->CanFocus()) {
      FCombo->FClickFocus = true;
      FCombo->SetFocus();
      FCombo->FClickFocus = false;
    }
    TCustomEdit::WMLButtonDown(Message);
  }

 private:
  TCustomComboBox* FCombo;
};

namespace {

constexpr int ButtonWidth = 17;

int IndexOfExact(TStrings& Items, const String& S) {
  for (int i = 0; i < Items.Count(); ++i) {
    if (Items.Strings(i) == S) return i;
  }
  return -1;
}

}  // namespace

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(std::make_unique<TStringList>()) {
  SetControlStyle(TControlStyle{csCaptureMouse, csSetCaption, csDoubleClicks, csOpaque});
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  FItems->SetOnChange([this](TObject*) { ItemsChanged(); });
  FEdit = std::make_unique<TComboEdit>(this);
  FEdit->SetParent(this);
  FEdit->SetParentColor(true);
  SetBounds(Left(), Top(), 145, 21);
}

TCustomComboBox::~TCustomComboBox() {
  if (FDroppedDown) Host().HideDropDown(*FList);
  FDroppedDown = false;
  FList.reset();
  FEdit.reset();  // leaves its parent while the parent still exists
}

// ---------------------------------------------------------------- items and text

TStrings* TCustomComboBox::Items() { return FItems.get(); }

void TCustomComboBox::SetItems(TStrings* Value) { FItems->Assign(Value); }

void TCustomComboBox::ItemsChanged() {
  if (FItemIndex >= FItems->Count()) FItemIndex = -1;
  if (FStyle != csDropDown) {
    TWinControl::SetText(FItemIndex >= 0 ? FItems->Strings(FItemIndex) : String());
  } else if (FItems->Count() == 0) {
    FUpdatingText = true;
    FEdit->SetText(String());
    FUpdatingText = false;
  }
  if (FDroppedDown) {
    FList->ItemsChanged();
    PlaceList();
  }
  Invalidate();
}

void TCustomComboBox::SetItemIndex(int Value) {
  if (Value < -1 || Value >= FItems->Count()) Value = -1;
  FItemIndex = Value;
  String text = Value >= 0 ? FItems->Strings(Value) : String();
  FUpdatingText = true;
  if (FStyle == csDropDown) FEdit->SetText(text);
  TWinControl::SetText(text);
  FUpdatingText = false;
  Invalidate();
}

// Free text in the edit field; in the list styles the item of that text
// (none when there is no such item).
void TCustomComboBox::SetText(const String& Value) {
  if (FStyle != csDropDown) {
    SetItemIndex(FItems->IndexOf(Value));
    return;
  }
  FUpdatingText = true;
  FEdit->SetText(Value);
  TWinControl::SetText(Value);
  FUpdatingText = false;
  FItemIndex = IndexOfExact(*FItems, Value);
  Invalidate();
}

void TCustomComboBox::EditTextChanged() {
  TWinControl::SetText(FEdit->Text());
  if (FUpdatingText) return;
  FItemIndex = IndexOfExact(*FItems, FEdit->Text());
  Change();
}

void TCustomComboBox::AddItem(const String& Item, TObject* AObject) {
  FItems->AddObject(Item, AObject);
}

void TCustomComboBox::Clear() {
  FItems->Clear();
  SetItemIndex(-1);
}

bool TCustomComboBox::Sorted() const { return FItems->Sorted(); }

void TCustomComboBox::SetSorted(bool Value) { FItems->SetSorted(Value); }

int TCustomComboBox::MaxLength() const { return FEdit->MaxLength(); }

void TCustomComboBox::SetMaxLength(int Value) { FEdit->SetMaxLength(Value); }

int TCustomComboBox::SelStart() const { return FStyle == csDropDown ? FEdit->SelStart() : 0; }

void TCustomComboBox::SetSelStart(int Value) {
  if (FStyle == csDropDown) FEdit->SetSelStart(Value);
}

int TCustomComboBox::SelLength() const { return FStyle == csDropDown ? FEdit->SelLength() : 0; }

void TCustomComboBox::SetSelLength(int Value) {
  if (FStyle == csDropDown) FEdit->SetSelLength(Value);
}

String TCustomComboBox::SelText() const {
  return FStyle == csDropDown ? FEdit->SelText() : String();
}

void TCustomComboBox::SelectAll() {
  if (FStyle == csDropDown) FEdit->SelectAll();
}

// ---------------------------------------------------------------- style and size

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  FEdit->SetVisible(Value == csDropDown);
  if (Value == csDropDown) {
    FUpdatingText = true;
    FEdit->SetText(Text());
    FUpdatingText = false;
  } else {
    SetItemIndex(FItemIndex);
  }
  if (OwnerDrawn()) SetHeight(FItemHeight + 6);
  PlaceEdit();
  Invalidate();
}

void TCustomComboBox::SetItemHeight(int Value) {
  if (Value <= 0 || Value == FItemHeight) return;
  FItemHeight = Value;
  if (OwnerDrawn()) SetHeight(Value + 6);
  if (FDroppedDown) PlaceList();
  Invalidate();
}

void TCustomComboBox::SetDropDownCount(int Value) {
  Value = std::max(1, Value);
  if (Value == FDropDownCount) return;
  FDropDownCount = Value;
  if (FDroppedDown) {
    FList->ItemsChanged();
    PlaceList();
  }
}

TRect TCustomComboBox::ButtonRect() const {
  int b = Ctl3D() ? 2 : 1;
  int left = std::max(b, Width() - b - ButtonWidth);
  return Rect(left, b, std::max(left, Width() - b), std::max(b, Height() - b));
}

TRect TCustomComboBox::ItemRect() const {
  int b = Ctl3D() ? 2 : 1;
  TRect r = Rect(b + 1, b + 1, ButtonRect().Left - 1, Height() - b - 1);
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

void TCustomComboBox::PlaceEdit() {
  TRect r = ItemRect();
  FEdit->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TCustomComboBox::SizeChanged(int DeltaWidth, int DeltaHeight) {
  TWinControl::SizeChanged(DeltaWidth, DeltaHeight);
  PlaceEdit();
}

void TCustomComboBox::CMFontChanged(TMessage& Message) {
  TWinControl::CMFontChanged(Message);
  PlaceEdit();
  Invalidate();
}

void TCustomComboBox::CMEnabledChanged(TMessage& Message) {
  if (!Enabled() && FDroppedDown) {
    CloseList(false);
    if (!detail::IsAlive(this)) return;
  }
  TWinControl::CMEnabledChanged(Message);
  FEdit->SetEnabled(Enabled());
  Invalidate();
}

// ---------------------------------------------------------------- events

// Each handler runs from a copy: one that frees the combo box does not run
// on inside a freed event.
namespace {
void Fire(const TNotifyEvent& Event, TObject* Sender) {
  TNotifyEvent handler = Event;
  if (handler) handler(Sender);
}
}  // namespace

void TCustomComboBox::Change() { Fire(FOnChange, this); }

void TCustomComboBox::Select() {
  if (FOnSelect) Fire(FOnSelect, this);
  else Change();
}

void TCustomComboBox::DropDown() { Fire(FOnDropDown, this); }

void TCustomComboBox::CloseUp() { Fire(FOnCloseUp, this); }

void TCustomComboBox::SelectItemByUser(int Index) {
  if (Index == FItemIndex) {
    if (FStyle == csDropDown) FEdit->SelectAll();
    return;
  }
  SetItemIndex(Index);
  if (FStyle == csDropDown) FEdit->SelectAll();
  Click();
  if (!detail::IsAlive(this)) return;
  Select();
}

// ---------------------------------------------------------------- the list

// The list drops down with the selected item highlighted and returns at
// once: the pick comes later, from the list or from the keys.
void TCustomComboBox::ShowList() {
  if (FDroppedDown || !Enabled()) return;
  DropDown();
  if (!detail::IsAlive(this) || FDroppedDown || !Enabled()) return;
  if (FList == nullptr) FList = std::make_unique<TComboListBox>(this);
  FList->Font()->Assign(Font());
  FList->SetColor(Color());
  FList->ResetHighlight();
  FDroppedDown = true;
  PlaceList();
  FList->SetItemIndex(FItemIndex);
  FList->Show();
  SetMouseCapture(false);
  Invalidate();
  Host().ShowDropDown(*FList, [this] { CloseList(false); });
}

void TCustomComboBox::CloseList(bool Pick) {
  if (!FDroppedDown) return;
  int picked = Pick ? FList->ItemIndex() : -1;
  FDroppedDown = false;
  FList->CancelPress();
  Host().HideDropDown(*FList);
  FList->Hide();
  Invalidate();
  if (picked >= 0 && picked < FItems->Count()) {
    SelectItemByUser(picked);
    if (!detail::IsAlive(this)) return;
  }
  CloseUp();
}

void TCustomComboBox::PlaceList() {
  TComboListBox& list = *FList;
  int height = list.RowCount() * list.ItemHeight() + 2;
  TPoint at = ClientToScreen(Point(0, Height()));
  TSize screen = Host().ScreenSize();
  if (screen.cy > 0 && at.Y + height > screen.cy) at.Y = ClientToScreen(Point(0, 0)).Y - height;
  list.SetBounds(at.X, at.Y, Width(), height);
}

void TCustomComboBox::SetDroppedDown(bool Value) {
  if (Value) ShowList();
  else CloseList(false);
}

// ---------------------------------------------------------------- keys and mouse

// Enter and Escape belong to the list while it is down.
void TCustomComboBox::WMGetDlgCode(TMessage& Message) {
  Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (FStyle == csDropDown) Message.Result |= DLGC_HASSETSEL;
  if (FDroppedDown) Message.Result |= DLGC_WANTALLKEYS;
}

// While the list is down: F4, Alt+Up/Down and Enter pick the highlighted
// item, Escape closes, the moving keys move the highlight (Home and End
// stay with a csDropDown edit field).
bool TCustomComboBox::DroppedKey(std::uint16_t Key, bool Alt) {
  if (Key == VK_RETURN || (Key == VK_F4 && !Alt) || (Alt && (Key == VK_DOWN || Key == VK_UP))) {
    CloseList(true);
    return true;
  }
  if (Key == VK_ESCAPE) {
    CloseList(false);
    return true;
  }
  if (Alt) return false;
  if (FStyle == csDropDown && (Key == VK_HOME || Key == VK_END)) return false;
  return FList->MoveHighlight(Key);
}

// Keys that move the selection or drop the list down.
bool TCustomComboBox::ListKey(std::uint16_t Key, TShiftState Shift) {
  bool alt = GetKeyState(VK_MENU) < 0 || Shift.Contains(ssAlt);
  if (FDroppedDown) return DroppedKey(Key, alt);
  if ((Key == VK_F4 && !alt) || (alt && (Key == VK_DOWN || Key == VK_UP))) {
    ShowList();
    return true;
  }
  if (alt || Shift.Contains(ssCtrl)) return false;
  bool list = FStyle != csDropDown;
  int last = FItems->Count() - 1;
  int target = FItemIndex;
  int page = std::max(1, FDropDownCount - 1);
  switch (Key) {
    case VK_UP: target = std::max(0, FItemIndex - 1); break;
    case VK_DOWN: target = std::min(last, FItemIndex + 1); break;
    case VK_LEFT: if (!list) return false; target = std::max(0, FItemIndex - 1); break;
    case VK_RIGHT: if (!list) return false; target = std::min(last, FItemIndex + 1); break;
    case VK_HOME: if (!list) return false; target = 0; break;
    case VK_END: if (!list) return false; target = last; break;
    case VK_PRIOR: target = std::max(0, FItemIndex - page); break;
    case VK_NEXT: target = std::min(last, std::max(0, FItemIndex) + page); break;
    default: return false;
  }
  if (last >= 0 && target != FItemIndex) SelectItemByUser(target);
  return true;
}

void TCustomComboBox::WMKeyDown(TWMKey& Message) {
  if (DoKeyDown(Message)) {
    Message.Result = 1;
    return;
  }
  if (!detail::IsAlive(this)) return;
  if (ListKey(Message.CharCode, KeyDataToShiftState(Message.KeyData))) {
    Message.Result = 1;
    return;
  }
  if (detail::IsAlive(this) && FStyle == csDropDown) FEdit->ForwardKey(Message);
}

int TCustomComboBox::NextItemStarting(Char Ch, int From) const {
  int n = FItems->Count();
  for (int k = 1; k <= n; ++k) {
    int i = (std::max(From, -1) + k + n) % n;
    const String s = FItems->Strings(i);
    if (!s.empty() && UpCase(s[0]) == UpCase(Ch)) return i;
  }
  return -1;
}

// The next item (after the selected one, wrapping around) whose text
// starts with the typed character: selected, or highlighted in the list
// while it is down.
void TCustomComboBox::SearchItem(Char Ch) {
  if (FDroppedDown) {
    int i = NextItemStarting(Ch, FList->ItemIndex());
    if (i >= 0) FList->SetItemIndex(i);
    return;
  }
  int i = NextItemStarting(Ch, FItemIndex);
  if (i >= 0) SelectItemByUser(i);
}

void TCustomComboBox::WMChar(TWMKey& Message) {
  if (DoKeyPress(Message)) {
    Message.Result = 1;
    return;
  }
  if (!detail::IsAlive(this) || Message.Msg == WM_SYSCHAR) return;
  if (FStyle == csDropDown) {
    FEdit->ForwardChar(Message);
    return;
  }
  Char ch = static_cast<Char>(Message.CharCode);
  if (ch >= 32) SearchItem(ch);
}

// A press takes the focus; on the button (or anywhere in the list
// styles) it drops the list down, or closes it when it is down.
void TCustomComboBox::WMLButtonDown(TWMMouse& Message) {
  bool wasDown = FDroppedDown;
  FClickFocus = true;
  if (!stdctrls::FocusOnClick(this)) return;
  FClickFocus = false;
  TWinControl::WMLButtonDown(Message);
  if (!detail::IsAlive(this) || !Enabled()) return;
  bool onButton = FStyle != csDropDown || ButtonRect().Contains(Message.Pos());
  if (wasDown) CloseList(false);
  else if (onButton) ShowList();
}

// While the list is down the wheel scrolls it.
bool TCustomComboBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  if (!FDroppedDown) return false;
  return FList->DoMouseWheel(Shift, WheelDelta, MousePos);
}

void TCustomComboBox::DoEnter() {
  if (FStyle == csDropDown && !FClickFocus) FEdit->SelectAll();
  TWinControl::DoEnter();
}

void TCustomComboBox::WMSetFocus(TMessage& Message) {
  TWinControl::WMSetFocus(Message);
  Invalidate();
  FEdit->Invalidate();
}

void TCustomComboBox::WMKillFocus(TMessage& Message) {
  TWinControl::WMKillFocus(Message);
  if (!detail::IsAlive(this)) return;
  if (FDroppedDown) {
    CloseList(false);
    if (!detail::IsAlive(this)) return;
  }
  Invalidate();
  FEdit->Invalidate();
}

// ---------------------------------------------------------------- painting

TCanvas* TCustomComboBox::Canvas() { return PrepareCanvas(FCanvas); }

void TCustomComboBox::PaintWindow(TCanvas* DC) {
  detail::PaintScope scope(this, FCanvas, *DC);
  Paint();
}

void TCustomComboBox::PrepareItemCanvas(TCanvas& C, TOwnerDrawState State) {
  C.Font()->Assign(Font());
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color());
  if (State.Contains(odSelected)) {
    C.Brush()->SetColor(clHighlight);
    C.Font()->SetColor(clHighlightText);
  }
  if (State.Contains(odDisabled)) C.Font()->SetColor(clGrayText);
}

void TCustomComboBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
  if (FOnDrawItem) {
    FOnDrawItem(this, Index, Rect, State);
    return;
  }
  TCanvas* c = Canvas();
  c->FillRect(Rect);
  if (Index >= 0 && Index < FItems->Count()) c->TextOut(Rect.Left + 2, Rect.Top, FItems->Strings(Index));
}

void TCustomComboBox::PaintButton(TCanvas& C) {
  TRect button = ButtonRect();
  look::DrawButtonFace(C, button, FDroppedDown ? look::bfDown : look::bfUp);
  TRect arrow = button;
  if (FDroppedDown) arrow.Offset(1, 1);
  look::DrawArrow(C, arrow, look::adDown, Enabled());
}

void TCustomComboBox::PaintShownItem(TCanvas& C) {
  TRect r = ItemRect();
  if (r.IsEmpty()) return;
  bool focused = Focused() && !FDroppedDown;
  TOwnerDrawState state{odComboBoxEdit};
  if (focused) state << odSelected << odFocused;
  if (!Enabled()) state << odDisabled;
  PrepareItemCanvas(C, state);
  if (OwnerDrawn() && FItemIndex >= 0) {
    DrawItem(FItemIndex, r, state);
  } else {
    C.FillRect(r);
    if (FItemIndex >= 0) {
      int y = r.Top + (r.Height() - C.TextHeight(u"Wg")) / 2;
      C.TextRect(r, r.Left + 2, y, FItems->Strings(FItemIndex));
    }
  }
  if (focused) look::DrawFocusRect(C, r);
}

void TCustomComboBox::Paint() {
  TCanvas& C = FCanvas;
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color());
  C.FillRect(ClientRect());
  if (Ctl3D()) look::DrawSunkenBorder(C, ClientRect());
  else look::DrawFlatBorder(C, ClientRect(), clWindowFrame);
  PaintButton(C);
  if (FStyle != csDropDown) PaintShownItem(C);
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterComboBoxes() {
  RegisterEnum<TComboBoxStyle>({u"csDropDown", u"csSimple", u"csDropDownList",
                                u"csOwnerDrawFixed", u"csOwnerDrawVariable"});
  auto combo = RegisterClass<TCustomComboBox, TWinControl>(u"TCustomComboBox");
  stdctrls::WindowColored(combo)
      .Property(u"Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle, csDropDown)
      .Property(u"DropDownCount", &TCustomComboBox::DropDownCount,
                &TCustomComboBox::SetDropDownCount, 8)
      .Property(u"ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight, 16)
      .Property(u"MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength, 0)
      .Property(u"Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted, false)
      .Strings(u"Items", [](TCustomComboBox& c) { return c.Items(); })
      .Property(u"ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex, -1)
      .Sample([](TCustomComboBox& c, int Attempt) {  // an index needs an item
        if (Attempt > 0) return false;
        c.Items()->Add(u"x");
        c.SetItemIndex(c.Items()->Count() - 1);
        return true;
      })
      .Property(u"Text", &TControl::Text, &TCustomComboBox::SetText)
      .Event(u"OnChange", &TCustomComboBox::OnChange, &TCustomComboBox::SetOnChange)
      .Event(u"OnSelect", &TCustomComboBox::OnSelect, &TCustomComboBox::SetOnSelect)
      .Event(u"OnDropDown", &TCustomComboBox::OnDropDown, &TCustomComboBox::SetOnDropDown)
      .Event(u"OnCloseUp", &TCustomComboBox::OnCloseUp, &TCustomComboBox::SetOnCloseUp)
      .Event(u"OnDrawItem", &TCustomComboBox::OnDrawItem, &TCustomComboBox::SetOnDrawItem);
  RegisterClass<TComboBox, TCustomComboBox>(u"TComboBox");
  return true;
}

const bool registered = RegisterComboBoxes();

}  // namespace

}  // namespace vcl
