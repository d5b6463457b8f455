#include "platform/Collections.h"

#include <algorithm>
#include <string>
#include <typeinfo>

#include "platform/SysUtils.h"

namespace vcl {

// ---------------------------------------------------------------- TCollectionItem

int TCollectionItem::Index() const {
  if (FCollection == nullptr) return -1;
  const auto& items = FCollection->FItems;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].get() == this) return static_cast<int>(i);
  }
  return -1;
}

void TCollectionItem::SetIndex(int Value) {
  if (FCollection != nullptr) FCollection->MoveItem(this, Value);
}

String TCollectionItem::DisplayName() const { return ClassName(); }

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection == nullptr) return;
  if (AllItems) {
    FCollection->Changed();
  } else {
    FCollection->ItemChanged(this);
  }
}

// ---------------------------------------------------------------- TCollection

TCollection::TCollection(TItemFactory NewItem) : FNewItem(std::move(NewItem)) {}

TCollection::~TCollection() {
  // No notifications while the owner goes away.
  FUpdateCount = 1;
  FItems.clear();
}

TCollectionItem* TCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  }
  return FItems[static_cast<std::size_t>(Index)].get();
}

TCollectionItem* TCollection::Add() { return Insert(Count()); }

TCollectionItem* TCollection::Insert(int Index) {
  Index = std::clamp(Index, 0, Count());
  std::unique_ptr<TCollectionItem> item(FNewItem());
  item->FCollection = this;
  item->FID = FNextID++;
  TCollectionItem* raw = item.get();
  FItems.insert(FItems.begin() + Index, std::move(item));
  Notify(raw, cnAdded);
  Changed();
  return raw;
}

void TCollection::Delete(int Index) {
  TCollectionItem* item = Items(Index);
  Notify(item, cnDeleting);
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  for (const auto& item : FItems) Notify(item.get(), cnDeleting);
  FItems.clear();
  FPendingChange = true;
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (const auto& item : FItems) {
    if (item->FID == ID) return item.get();
  }
  return nullptr;
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0 && FPendingChange) {
    FPendingChange = false;
    Update(nullptr);
  }
}

void TCollection::Changed() {
  if (FUpdateCount > 0) {
    FPendingChange = true;
    return;
  }
  Update(nullptr);
}

void TCollection::ItemChanged(TCollectionItem* Item) {
  if (FUpdateCount > 0) {
    FPendingChange = true;
    return;
  }
  Update(Item);
}

void TCollection::MoveItem(TCollectionItem* Item, int NewIndex) {
  int from = Item->Index();
  if (from < 0) return;
  NewIndex = std::clamp(NewIndex, 0, Count() - 1);
  if (from == NewIndex) return;
  std::unique_ptr<TCollectionItem> held = std::move(FItems[static_cast<std::size_t>(from)]);
  FItems.erase(FItems.begin() + from);
  FItems.insert(FItems.begin() + NewIndex, std::move(held));
  Changed();
}

// Items are made first and assigned after, all before the old ones go, so
// an item that refuses its copy leaves the collection as it was.
void TCollection::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCollection*>(Source);
  if (source == nullptr || typeid(*source) != typeid(*this)) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  std::vector<std::unique_ptr<TCollectionItem>> copies;
  for (const auto& item : source->FItems) {
    std::unique_ptr<TCollectionItem> copy(FNewItem());
    copy->Assign(item.get());
    copies.push_back(std::move(copy));
  }
  BeginUpdate();
  Clear();
  for (auto& copy : copies) {
    copy->FCollection = this;
    copy->FID = FNextID++;
    Notify(copy.get(), cnAdded);
    FItems.push_back(std::move(copy));
  }
  FPendingChange = true;
  EndUpdate();
}

}  // namespace vcl
