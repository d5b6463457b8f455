// TReportListView: filtering rows by an expression and sorting with the
// enabled rows first.
//
// A row matches when the filter columns (all columns when none are given)
// satisfy FilterExp, by mode (VYR_rlfilter.h, docs/filter.md):
//   fmSimple   the expression is a part of one of the cells;
//   fmBoolean  terms joined by "&", "|" and "!", with parentheses and
//              quoted phrases, each term a part of one of the cells;
//   fmGrep     a regular expression found in one of the cells.
// An empty expression matches every row. OnBeforeFilter sees each row with
// Found set to that match and CombineWithInternalSearch loNOP: left at loNOP
// its Found decides; otherwise Found is combined with the match by the
// operator. Matching rows are enabled, the others disabled, and the rows
// are sorted by SortColumn with the enabled ones first.
//
// Cells are read in place from the store (the check marker skipped), a
// block of rows at a time; nothing is copied or allocated per row. Only
// when OnReadCell is set are the cells read through Elem, so that the
// handler's texts are the ones filtered.
#include <algorithm>
#include <optional>
#include <vector>

#include "VYR_replist/VYR_rlfilter.h"
#include "VYR_replist/VYR_rlview.h"
#include "foundation/VYR_errors.h"
#include "platform/Guards.h"

namespace vyr {

namespace {

// Rows whose cells are fetched in one go per column.
constexpr int kBlockRows = 256;

}  // namespace

// The matcher of one filter pass, whichever the mode.
class TReportListView::TRowMatcher {
 public:
  TRowMatcher(const vcl::String& Exp, bool IgnoreCase, TFilterMode Mode) {
    if (Exp.empty()) return;
    switch (Mode) {
      case fmSimple: FSimple.emplace(Exp, IgnoreCase); break;
      case fmBoolean: FBool.emplace(Exp, IgnoreCase); break;
      default: FGrep = std::make_unique<TGrepFilter>(Exp, IgnoreCase); break;
    }
  }
  bool Matches(std::span<const std::u16string_view> Cells) {
    if (FSimple) return FSimple->FoundInAny(Cells);
    if (FBool) return FBool->Matches(Cells);
    if (!FGrep) return true;
    bool limit = false;
    const bool hit = FGrep->MatchesAny(Cells, limit);
    if (limit && !hit) ++LimitHits;
    return hit;
  }
  int LimitHits = 0;

 private:
  std::optional<TTextFinder> FSimple;
  std::optional<TBoolFilter> FBool;
  std::unique_ptr<TGrepFilter> FGrep;
};

namespace {

// The filter columns that exist, 1-based; all columns when none are given.
std::vector<int> FilterColumnList(const std::vector<int>& Given, int Count) {
  std::vector<int> cols;
  if (Given.empty()) {
    for (int c = 1; c <= Count; ++c) cols.push_back(c);
  }
  for (int c : Given) {
    if (c >= 1 && c <= Count) cols.push_back(c);
  }
  return cols;
}

}  // namespace

// Decides every row into Found (1 = match) without changing any; a
// handler that throws leaves the rows as they were.
void TReportListView::DecideRows(TFilterPass& Pass, std::vector<std::uint8_t>& Found) {
  const TStringArray& table = *FRLData->Strings;
  const std::size_t nc = Pass.Columns.size();
  std::vector<std::u16string_view> block(nc * kBlockRows), row(nc);
  std::vector<vcl::String> copies(FOnReadCell ? nc : 0);
  std::vector<bool> marked(nc);
  for (std::size_t k = 0; k < nc; ++k) marked[k] = ColumnCheckMode(Pass.Columns[k]) != cmNone;
  const bool blocks = !FOnReadCell && !FOnBeforeFilter;
  const int rows = NrOfRows();
  Found.assign(static_cast<std::size_t>(rows), 0);
  for (int first = 1; first <= rows && first <= NrOfRows(); first += kBlockRows) {
    const int count = std::min(kBlockRows, rows - first + 1);
    if (blocks) {
      for (std::size_t k = 0; k < nc; ++k)
        table.StringViews(Pass.Columns[k], first, count, &block[k * kBlockRows]);
    }
    for (int i = 0; i < count && first + i <= NrOfRows(); ++i) {
      const int r = first + i;
      for (std::size_t k = 0; k < nc; ++k) {
        if (FOnReadCell) {
          copies[k] = Elem(Pass.Columns[k], r);
          row[k] = copies[k];
          continue;
        }
        std::u16string_view v = blocks ? block[k * kBlockRows + static_cast<std::size_t>(i)]
                                       : table.StringView(Pass.Columns[k], r);
        if (marked[k] && !v.empty()) v.remove_prefix(1);
        row[k] = v;
      }
      Found[static_cast<std::size_t>(r - 1)] = DecideRow(Pass, r, row) ? 1 : 0;
    }
  }
}

bool TReportListView::DecideRow(TFilterPass& Pass, int Row,
                                std::span<const std::u16string_view> Cells) {
  bool match = Pass.Matcher->Matches(Cells);
  if (FOnBeforeFilter) {
    bool decided = match;
    TLogicOp combine = loNOP;
    FOnBeforeFilter(this, Row, decided, combine);
    match = combine == loNOP ? decided : CombineLogic(combine, decided, match);
  }
  return match;
}

int TReportListView::FilterRows(const vcl::String& FilterExp, const std::vector<int>& FilterColumns,
                                bool IgnoreCase, TFilterMode FilterMode) {
  std::optional<TRowMatcher> matcher;
  try {
    matcher.emplace(FilterExp, IgnoreCase, FilterMode);
  } catch (const EVYRFilterSyntaxError& e) {
    throw EVYRFilterSyntaxError(ComponentMessage(*this, e.Message()), e.Position());
  }
  SetEditorMode(false);
  TFilterPass pass{FilterColumnList(FilterColumns, NrOfColumns()), &*matcher};
  std::vector<std::uint8_t> found;
  int matches = 0;
  {
    vcl::TPaintSuppressGuard quiet(*this);
    // Without handlers, which must see rows as shown, a sorted list is read
    // in the order its cells are stored (far fewer cache misses) and shown
    // in its order again afterwards; enabled bits travel with their rows.
    TStringArray& stored = *FRLData->Strings;
    std::vector<int> shownOrder;
    if (!FOnReadCell && !FOnBeforeFilter && stored.Sorted()) {
      shownOrder.resize(static_cast<std::size_t>(NrOfRows()));
      for (std::size_t i = 0; i < shownOrder.size(); ++i) shownOrder[i] = stored.GetSortOrder(static_cast<int>(i) + 1);
      stored.UnSort();
    }
    vcl::TScopeGuard reorder([&] {
      for (std::size_t i = 0; i < shownOrder.size(); ++i) stored.SetSortOrder(static_cast<int>(i) + 1, shownOrder[i]);
    });
    DecideRows(pass, found);
    // A handler may have removed rows meanwhile.
    const int rows = std::min(NrOfRows(), static_cast<int>(found.size()));
    TStringArray& table = *FRLData->Strings;
    for (int r = 1; r <= rows; ++r) {
      const bool match = found[static_cast<std::size_t>(r - 1)] != 0;
      const std::uint8_t attr = table.GetRowAttrib(r);
      table.SetRowAttrib(r, match ? attr & ~RLRowDisabled : attr | RLRowDisabled);
      matches += match ? 1 : 0;
    }
    FFilterLimitHits = matcher->LimitHits;
  }
  return matches;
}

int TReportListView::FilterAndSort(const vcl::String& FilterExp,
                                   const std::vector<int>& FilterColumns, bool IgnoreCase,
                                   TFilterMode FilterMode, int SortColumn, bool Ascending) {
  int found = 0;
  {
    vcl::TPaintSuppressGuard quiet(*this);
    found = FilterRows(FilterExp, FilterColumns, IgnoreCase, FilterMode);
    SortEnabledState(SortColumn, -1, Ascending);
  }
  SelectedChanged();
  return found;
}

// Sorts by the columns, then moves the enabled rows before the disabled
// ones, each group keeping its sorted order.
//
// The sorted order (physical rows) is remembered with the sort request and
// the store's change count: while neither changes, as when a filter box
// refilters the list after every keystroke, the order is taken from there
// instead of sorting again. Any change of the table's texts or size counts
// (the table reports them), as does a check mode; with an
// OnBeforeSortExchange handler, whose keys may differ per call, every
// request sorts.
void TReportListView::SortEnabledState(int SortColumn1, int SortColumn2, bool Ascending) {
  TStringArray& table = *FRLData->Strings;
  const int rows = NrOfRows();
  const bool sorts = SortColumn1 >= 0 && SortColumn1 <= NrOfColumns();
  const TSortMemo key{SortColumn1, SortColumn2, Ascending, &table, FStoreChanges};
  if (sorts && !FOnBefSortExc && FSortMemo.Same(key) &&
      static_cast<int>(FSortedRows.size()) == rows) {
    FRLData->FSortColumn = SortColumn1;
    FRLData->FSortColumnSec = SortColumn2;
    FRLData->FSortOrder = Ascending;
  } else {
    FRLData->Sort(SortColumn1, SortColumn2, Ascending);
    FSortedRows.resize(static_cast<std::size_t>(rows));
    for (int r = 1; r <= rows; ++r) FSortedRows[static_cast<std::size_t>(r - 1)] = table.GetSortOrder(r);
    FSortMemo = sorts ? key : TSortMemo{};
  }
  // The enabled state by physical row, then the sorted rows in two groups.
  std::vector<std::uint8_t> enabled(static_cast<std::size_t>(rows) + 1, 0);
  for (int r = 1; r <= rows; ++r)
    enabled[static_cast<std::size_t>(table.GetSortOrder(r))] = (table.GetRowAttrib(r) & RLRowDisabled) == 0;
  int at = 1;
  for (std::uint8_t group : {1, 0}) {
    for (int phys : FSortedRows) {
      if (enabled[static_cast<std::size_t>(phys)] == group) table.SetSortOrder(at++, phys);
    }
  }
  RepaintNow();
}

}  // namespace vyr
