// TStringList: the vector-backed string list with sorting and change events.
#include <algorithm>
#include <unordered_set>
#include <utility>

#include "platform/Classes.h"

namespace vcl {

namespace {

// Bottom-up merge sort of Order by Less(a, b) < 0. Stable, and it reads only
// inside the vector whatever the comparison answers, so an inconsistent
// user comparison gives some order but never a crash.
void MergeSort(std::vector<int>& Order, const std::function<int(int, int)>& Compare) {
  std::vector<int> buffer(Order.size());
  for (std::size_t width = 1; width < Order.size(); width *= 2) {
    for (std::size_t lo = 0; lo < Order.size(); lo += 2 * width) {
      std::size_t mid = std::min(lo + width, Order.size());
      std::size_t hi = std::min(lo + 2 * width, Order.size());
      std::size_t a = lo, b = mid, out = lo;
      while (a < mid && b < hi)
        buffer[out++] = Compare(Order[b], Order[a]) < 0 ? Order[b++] : Order[a++];
      while (a < mid) buffer[out++] = Order[a++];
      while (b < hi) buffer[out++] = Order[b++];
    }
    Order.swap(buffer);
  }
}

// Frees the objects of items that left an owning list.
void FreeObjects(std::vector<TStringItem>& Items, bool Owns) {
  if (!Owns) return;
  for (TStringItem& item : Items) delete std::exchange(item.Object, nullptr);
}

}  // namespace

TStringList::~TStringList() {
  FOnChange = nullptr;
  FOnChanging = nullptr;
  FreeObjects(FItems, FOwnsObjects);
}

void TStringList::SetItems(std::vector<TStringItem> Items) {
  Changing();
  std::vector<TStringItem> old = std::exchange(FItems, std::move(Items));
  if (FOwnsObjects) {
    // Objects that stay in the list (assigned back in) must live on.
    std::unordered_set<TObject*> kept;
    for (const TStringItem& item : FItems) kept.insert(item.Object);
    for (TStringItem& item : old) {
      if (kept.count(item.Object) != 0) item.Object = nullptr;
    }
    FreeObjects(old, true);
  }
  Changed();
}

void TStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
}

void TStringList::CheckUnsorted() const {
  if (FSorted) throw EStringListError("Operation not allowed on sorted list");
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && FOnChange) FOnChange(this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && FOnChanging) FOnChanging(this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating) {
    Changing();
  } else {
    Changed();
  }
}

String TStringList::Strings(int Index) const {
  CheckIndex(Index);
  return FItems[static_cast<std::size_t>(Index)].S;
}

void TStringList::SetStrings(int Index, const String& S) {
  CheckUnsorted();
  CheckIndex(Index);
  Changing();
  FItems[static_cast<std::size_t>(Index)].S = S;
  Changed();
}

TObject* TStringList::Objects(int Index) const {
  CheckIndex(Index);
  return FItems[static_cast<std::size_t>(Index)].Object;
}

void TStringList::SetObjects(int Index, TObject* AObject) {
  CheckIndex(Index);
  Changing();
  FItems[static_cast<std::size_t>(Index)].Object = AObject;
  Changed();
}

int TStringList::Add(const String& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const String& S, TObject* AObject) {
  int at = Count();
  if (FSorted && Find(S, at)) {
    if (FDuplicates == dupIgnore) return at;
    if (FDuplicates == dupError) throw EStringListError("String list does not allow duplicates");
  }
  InsertItem(at, S, AObject);
  return at;
}

void TStringList::Insert(int Index, const String& S) { InsertObject(Index, S, nullptr); }

void TStringList::InsertObject(int Index, const String& S, TObject* AObject) {
  CheckUnsorted();
  if (Index < 0 || Index > Count()) IndexError(Index);
  InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int Index, const String& S, TObject* AObject) {
  Changing();
  FItems.insert(FItems.begin() + Index, TStringItem{S, AObject});
  Changed();
}

void TStringList::Delete(int Index) {
  CheckIndex(Index);
  Changing();
  TObject* object = FItems[static_cast<std::size_t>(Index)].Object;
  FItems.erase(FItems.begin() + Index);
  // Freed after it left the list, so its destructor sees a consistent list.
  if (FOwnsObjects) delete object;
  Changed();
}

void TStringList::Clear() {
  if (!FItems.empty()) SetItems({});
}

void TStringList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  Changing();
  std::swap(FItems[static_cast<std::size_t>(Index1)], FItems[static_cast<std::size_t>(Index2)]);
  Changed();
}

void TStringList::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  CheckUnsorted();
  Changing();
  auto cur = FItems.begin() + CurIndex, target = FItems.begin() + NewIndex;
  if (CurIndex < NewIndex) {
    std::rotate(cur, cur + 1, target + 1);
  } else {
    std::rotate(target, cur, cur + 1);
  }
  Changed();
}

void TStringList::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TStringList*>(Source);
  if (source == nullptr) {
    TStrings::Assign(Source);
    return;
  }
  if (source == this) return;
  // An exact copy: items in their order and the sorting settings.
  FSorted = source->FSorted;
  FDuplicates = source->FDuplicates;
  FCaseSensitive = source->FCaseSensitive;
  CopyTextSettings(*source);
  SetItems(source->FItems);
}

int TStringList::IndexOf(const String& S) const {
  if (!FSorted) return TStrings::IndexOf(S);
  int at = 0;
  return Find(S, at) ? at : -1;
}

bool TStringList::Find(const String& S, int& Index) const {
  bool found = false;
  int lo = 0, hi = Count() - 1;
  while (lo <= hi) {
    int mid = lo + (hi - lo) / 2;
    int c = CompareStrings(FItems[static_cast<std::size_t>(mid)].S, S);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) {
        found = true;
        if (FDuplicates != dupAccept) lo = mid;
      }
    }
  }
  Index = lo;
  return found;
}

void TStringList::SortItems(const std::function<int(int, int)>& Compare) {
  std::vector<int> order(FItems.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  MergeSort(order, Compare);
  std::vector<TStringItem> sorted;
  sorted.reserve(FItems.size());
  for (int i : order) sorted.push_back(std::move(FItems[static_cast<std::size_t>(i)]));
  FItems.swap(sorted);
}

void TStringList::Sort() {
  if (FSorted || Count() < 2) return;
  Changing();
  SortItems([this](int a, int b) {
    return CompareStrings(FItems[static_cast<std::size_t>(a)].S,
                          FItems[static_cast<std::size_t>(b)].S);
  });
  Changed();
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
  if (FSorted || Count() < 2 || !Compare) return;
  Changing();
  SortItems([this, &Compare](int a, int b) { return Compare(this, a, b); });
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (Value == FSorted) return;
  if (Value) Sort();
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (Value == FCaseSensitive) return;
  FCaseSensitive = Value;
  if (FSorted) {
    FSorted = false;
    Sort();
    FSorted = true;
  }
}

void TStringList::SetCapacity(int Value) {
  if (Value < Count())
    throw EStringListError(u"List capacity out of bounds (" + IntToStr(Value) + u")");
  FItems.reserve(static_cast<std::size_t>(Value));
}

int TStringList::CompareStrings(const String& S1, const String& S2) const {
  return FCaseSensitive ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

// Orders new content as adding the items one by one would: equal items of
// dupAccept end up last-added first, dupIgnore keeps the first of equals,
// dupError refuses the whole content.
std::vector<TStringItem> TStringList::SortedForList(std::vector<TStringItem> Items) const {
  std::vector<int> order(Items.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  auto compare = [&](int a, int b) {
    return CompareStrings(Items[static_cast<std::size_t>(a)].S,
                          Items[static_cast<std::size_t>(b)].S);
  };
  MergeSort(order, compare);
  std::vector<TStringItem> result;
  for (std::size_t run = 0; run < order.size();) {
    std::size_t end = run + 1;
    while (end < order.size() && compare(order[run], order[end]) == 0) ++end;
    if (end - run > 1 && FDuplicates == dupError)
      throw EStringListError("String list does not allow duplicates");
    if (FDuplicates == dupIgnore) {
      result.push_back(std::move(Items[static_cast<std::size_t>(order[run])]));
    } else {
      for (std::size_t k = end; k-- > run;)
        result.push_back(std::move(Items[static_cast<std::size_t>(order[k])]));
    }
    run = end;
  }
  return result;
}

void TStringList::ReplaceItems(std::vector<TStringItem> Items) {
  SetItems(FSorted ? SortedForList(std::move(Items)) : std::move(Items));
}

}  // namespace vcl
