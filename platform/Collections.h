// Collections: an ordered list of items of one class that a persistent
// object owns (the panels of a status bar, the columns of a list). Form
// files store them as
//
//   Panels = <
//     item
//       Width = 50
//     end
//     item
//       Text = 'ready'
//     end>
//
// Recipe (a status bar's panels):
//
//   class TStatusPanel : public TCollectionItem {
//     ... properties; each setter calls Changed(false) ...
//   };
//   class TStatusPanels : public TCollection {
//    public:
//     explicit TStatusPanels(TStatusBar* Bar)
//         : TCollection([] { return new TStatusPanel(); }), FBar(Bar) {}
//     TStatusPanel* Items(int I) const { return static_cast<TStatusPanel*>(TCollection::Items(I)); }
//    protected:
//     void Update(TCollectionItem*) override { FBar->Invalidate(); }
//   };
//
// The item class registers its properties (RegisterClass<TStatusPanel,
// TCollectionItem>), the owner the collection (.Collection(u"Panels", ...)).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/Classes.h"

namespace vcl {

class TCollection;

enum TCollectionNotification : std::uint8_t { cnAdded, cnExtracting, cnDeleting };

// One item of a collection. An item made on its own (outside a collection)
// works as a plain persistent object; its changes then notify nobody.
class TCollectionItem : public TPersistent {
 public:
  TCollectionItem() = default;
  ~TCollectionItem() override = default;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* Collection() const { return FCollection; }
  // Position in the collection (-1 outside one); setting it moves the item.
  int Index() const;
  void SetIndex(int Value);
  // A number unique within the collection, kept when the item moves.
  int ID() const { return FID; }
  // A name for the item in messages and editors: "TStatusPanel" unless
  // the class gives one.
  virtual String DisplayName() const;

 protected:
  // Tells the collection this item changed (AllItems: the change concerns
  // every item, such as a new width that moves the others).
  void Changed(bool AllItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = -1;
};

// The items, owned by the collection and freed with it.
class TCollection : public TPersistent {
 public:
  using TItemFactory = std::function<TCollectionItem*()>;
  explicit TCollection(TItemFactory NewItem);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  // EListError outside 0..Count-1.
  TCollectionItem* Items(int Index) const;
  // A new item of the collection's class at the end (Insert: at Index).
  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  TCollectionItem* FindItemID(int ID) const;
  // Changes between BeginUpdate and EndUpdate are told once, at the end.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }
  // Copies a collection of the same kind: as many items, each assigned
  // from its counterpart. EConvertError for anything else.
  void Assign(TPersistent* Source) override;

 protected:
  // A change of Item (nullptr: of the whole collection: items added,
  // removed, moved, or a change of every item).
  virtual void Update(TCollectionItem* Item) { (void)Item; }
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action) {
    (void)Item;
    (void)Action;
  }
  void Changed();

 private:
  friend class TCollectionItem;
  void ItemChanged(TCollectionItem* Item);
  void MoveItem(TCollectionItem* Item, int NewIndex);

  TItemFactory FNewItem;
  std::vector<std::unique_ptr<TCollectionItem>> FItems;
  int FNextID = 0;
  int FUpdateCount = 0;
  bool FPendingChange = false;
};

}  // namespace vcl
