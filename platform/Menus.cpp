#include "platform/Menus.h"

#include <algorithm>

#include "platform/ImgList.h"
#include "platform/hosts/Host.h"

namespace vcl {

// ---------------------------------------------------------------- shortcuts

TShortCut ShortCut(std::uint16_t Key, TShiftState Shift) {
  TShortCut sc = static_cast<TShortCut>(Key & 0xFF);
  if (Shift.Contains(ssShift)) sc |= scShift;
  if (Shift.Contains(ssCtrl)) sc |= scCtrl;
  if (Shift.Contains(ssAlt)) sc |= scAlt;
  return sc;
}

void ShortCutToKey(TShortCut ShortCut, std::uint16_t& Key, TShiftState& Shift) {
  Key = static_cast<std::uint16_t>(ShortCut & 0xFF);
  Shift = {};
  if (ShortCut & scShift) Shift << ssShift;
  if (ShortCut & scCtrl) Shift << ssCtrl;
  if (ShortCut & scAlt) Shift << ssAlt;
}

namespace {

String KeyName(std::uint16_t Key) {
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return String(1, static_cast<char16_t>(Key));
  if (Key >= VK_F1 && Key <= VK_F12) {
    // Built by appending: gcc 12 warns falsely (-Wrestrict) on literal + string at -O3.
    String name = u"F";
    name += FromUTF8(std::to_string(Key - VK_F1 + 1));
    return name;
  }
  switch (Key) {
    case VK_BACK: return u"BkSp";
    case VK_TAB: return u"Tab";
    case VK_RETURN: return u"Enter";
    case VK_ESCAPE: return u"Esc";
    case VK_SPACE: return u"Space";
    case VK_PRIOR: return u"PgUp";
    case VK_NEXT: return u"PgDn";
    case VK_END: return u"End";
    case VK_HOME: return u"Home";
    case VK_LEFT: return u"Left";
    case VK_UP: return u"Up";
    case VK_RIGHT: return u"Right";
    case VK_DOWN: return u"Down";
    case VK_INSERT: return u"Ins";
    case VK_DELETE: return u"Del";
    default: return String();
  }
}

}  // namespace

String ShortCutToText(TShortCut ShortCut) {
  String name = KeyName(static_cast<std::uint16_t>(ShortCut & 0xFF));
  if (name.empty()) return name;
  String prefix;
  if (ShortCut & scShift) prefix += u"Shift+";
  if (ShortCut & scCtrl) prefix += u"Ctrl+";
  if (ShortCut & scAlt) prefix += u"Alt+";
  return prefix + name;
}

// ---------------------------------------------------------------- TMenuItem

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
  Clear();
  if (FParent != nullptr) FParent->Remove(this);
}

TBitmap* TMenuItem::Bitmap() {
  if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
  return FBitmap.get();
}

void TMenuItem::SetBitmap(TBitmap* Value) {
  if (Value == nullptr) {
    FBitmap.reset();
  } else {
    Bitmap()->Assign(Value);
  }
}

void TMenuItem::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  if (Value && FRadioItem && FParent != nullptr) {
    for (TMenuItem* sibling : FParent->FItems) {
      if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex) {
        sibling->FChecked = false;
      }
    }
  }
}

TMenuItem* TMenuItem::Items(int Index) const {
  if (Index < 0 || Index >= Count()) {
    throw EListError("Menu index out of range (" + std::to_string(Index) + ")");
  }
  return FItems[static_cast<std::size_t>(Index)];
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (Item == nullptr) return;
  if (Item->FParent != nullptr) throw EInvalidOperation(u"Menu item is already inserted");
  for (TMenuItem* p = this; p != nullptr; p = p->FParent) {
    if (p == Item) throw EInvalidOperation(u"A menu item cannot contain itself");
  }
  Index = std::clamp(Index, 0, Count());
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
}

void TMenuItem::Delete(int Index) {
  TMenuItem* item = Items(Index);
  FItems.erase(FItems.begin() + Index);
  item->FParent = nullptr;
}

void TMenuItem::Remove(TMenuItem* Item) {
  int index = IndexOf(Item);
  if (index >= 0) Delete(index);
}

void TMenuItem::Clear() {
  while (!FItems.empty()) {
    TMenuItem* item = FItems.back();
    FItems.pop_back();
    item->FParent = nullptr;
    delete item;
  }
}

int TMenuItem::IndexOf(TMenuItem* Item) const {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

// Case-insensitive; an '&' marking the accelerator is ignored.
TMenuItem* TMenuItem::Find(const String& ACaption) const {
  auto plain = [](const String& s) {
    String out;
    for (char16_t c : s) {
      if (c == u'&') continue;
      out += (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
    }
    return out;
  };
  String wanted = plain(ACaption);
  for (TMenuItem* item : FItems) {
    if (plain(item->FCaption) == wanted) return item;
  }
  return nullptr;
}

int TMenuItem::MenuIndex() const { return FParent != nullptr ? FParent->IndexOf(const_cast<TMenuItem*>(this)) : -1; }

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (FAutoCheck) SetChecked(!FChecked);
  if (FOnClick) FOnClick(this);
}

// ---------------------------------------------------------------- menus

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {}

TMenu::~TMenu() { SetImages(nullptr); }

void TMenu::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages != nullptr) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages != nullptr) FImages->FreeNotification(this);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

TPopupMenu::~TPopupMenu() { SetPopupComponent(nullptr); }

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (FPopupComponent == Value) return;
  if (FPopupComponent != nullptr) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TMenu::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::DoPopup(TObject* Sender) {
  if (FOnPopup) FOnPopup(Sender);
}

void TPopupMenu::Popup(int X, int Y) {
  FPopupPoint = {X, Y};
  DoPopup(this);
  Host().Popup(*this, X, Y);
}

}  // namespace vcl
