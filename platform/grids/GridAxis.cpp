#include "platform/GridAxis.h"

#include <algorithm>

namespace vcl::grids {

void TGridAxis::SetCount(int Value) {
  if (Value < 0) Value = 0;
  FCount = Value;
  auto first = FCustom.lower_bound(Value);
  if (first != FCustom.end()) {
    FCustom.erase(first, FCustom.end());
    FPrefixValid = false;
  }
}

void TGridAxis::SetDefaultSize(int Value) {
  FDefault = std::max(Value, 0);
  FCustom.clear();
  FPrefixValid = false;
}

int TGridAxis::Size(int Index) const {
  if (FCustom.empty()) return FDefault;
  auto it = FCustom.find(Index);
  return it == FCustom.end() ? FDefault : it->second;
}

void TGridAxis::SetSize(int Index, int Value) {
  if (Index < 0 || Index >= FCount) return;
  Value = std::max(Value, 0);
  if (Value == FDefault) {
    if (FCustom.erase(Index) != 0) FPrefixValid = false;
    return;
  }
  FCustom[Index] = Value;
  FPrefixValid = false;
}

void TGridAxis::RebuildPrefix() const {
  FPrefix.clear();
  FPrefix.reserve(FCustom.size());
  std::int64_t sum = 0;
  for (const auto& [cell, size] : FCustom) {
    FPrefix.emplace_back(cell, sum);
    sum += static_cast<std::int64_t>(size) - FDefault;
  }
  FPrefixTotal = sum;
  FPrefixValid = true;
}

std::int64_t TGridAxis::DeltaBelow(int Index) const {
  if (FCustom.empty()) return 0;
  if (!FPrefixValid) RebuildPrefix();
  // The first own size at or beyond Index: everything before it counts.
  auto it = std::lower_bound(FPrefix.begin(), FPrefix.end(), Index,
                             [](const auto& e, int i) { return e.first < i; });
  return it == FPrefix.end() ? FPrefixTotal : it->second;
}

std::int64_t TGridAxis::Offset(int Index, int LineWidth) const {
  Index = std::clamp(Index, 0, FCount);
  return static_cast<std::int64_t>(Index) * (FDefault + LineWidth) + DeltaBelow(Index);
}

int TGridAxis::CellAtOffset(std::int64_t Pos, int LineWidth, int First) const {
  int lo = std::clamp(First, 0, std::max(FCount - 1, 0));
  int hi = std::max(FCount - 1, lo);
  if (Offset(lo, LineWidth) > Pos) return lo;
  // Offsets never decrease: find the last cell starting at or before Pos.
  while (lo < hi) {
    int mid = lo + (hi - lo + 1) / 2;
    if (Offset(mid, LineWidth) <= Pos) lo = mid; else hi = mid - 1;
  }
  return lo;
}

int TGridAxis::FirstCellFrom(std::int64_t Pos, int LineWidth, int First) const {
  int lo = std::clamp(First, 0, FCount);
  int hi = FCount;
  while (lo < hi) {
    int mid = lo + (hi - lo) / 2;
    if (Offset(mid, LineWidth) >= Pos) hi = mid; else lo = mid + 1;
  }
  return lo;
}

}  // namespace vcl::grids
