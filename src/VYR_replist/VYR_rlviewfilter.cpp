// TReportListView: filtering rows by an expression and sorting with the
// enabled rows first.
//
// A row matches when one of the filter columns (all columns when none are
// given) matches FilterExp, by mode:
//   fmSimple   the expression is a part of the cell text;
//   fmBoolean  terms joined by "&" (all) and "|" (any; "&" binds tighter),
//              a term starting with "!" must not be a part of any cell;
//   fmGrep     a regular expression (ECMAScript) found in the cell text.
// An empty expression matches every row. OnBeforeFilter sees each row with
// Found set to that match and CombineWithInternalSearch loNOP: left at loNOP
// its Found decides; otherwise Found is combined with the match by the
// operator. Matching rows are enabled, the others disabled, and the rows
// are sorted by SortColumn with the enabled ones first.
#include <algorithm>
#include <regex>
#include <vector>

#include "VYR_replist/VYR_rlview.h"
#include "foundation/VYR_errors.h"
#include "platform/Guards.h"

namespace vyr {

namespace {

std::vector<vcl::String> SplitAt(const vcl::String& Text, char16_t Separator) {
  std::vector<vcl::String> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t at = Text.find(Separator, start);
    parts.push_back(vcl::Trim(Text.substr(start, at == vcl::String::npos ? at : at - start)));
    if (at == vcl::String::npos) return parts;
    start = at + 1;
  }
}

// The texts of one row in the filter columns, lower-cased when case is ignored.
class TRowTexts {
 public:
  TRowTexts(TReportListView& View, const std::vector<int>& Columns, bool IgnoreCase)
      : FView(View), FColumns(Columns), FIgnoreCase(IgnoreCase) {
    if (FColumns.empty()) {
      for (int c = 1; c <= View.NrOfColumns(); ++c) FColumns.push_back(c);
    }
  }
  void Load(int Row) {
    FTexts.clear();
    for (int c : FColumns) {
      if (c < 1 || c > FView.NrOfColumns()) continue;
      vcl::String text = FView.Elem(c, Row);
      FTexts.push_back(FIgnoreCase ? vcl::AnsiLowerCase(text) : text);
    }
  }
  bool Contains(const vcl::String& Part) const {
    return std::any_of(FTexts.begin(), FTexts.end(),
                       [&](const vcl::String& T) { return T.find(Part) != vcl::String::npos; });
  }
  bool Search(const std::regex& Expression) const {
    return std::any_of(FTexts.begin(), FTexts.end(), [&](const vcl::String& T) {
      return std::regex_search(vcl::ToUTF8(T), Expression);
    });
  }

 private:
  TReportListView& FView;
  std::vector<int> FColumns;
  bool FIgnoreCase;
  std::vector<vcl::String> FTexts;
};

bool MatchesBoolean(const TRowTexts& Row, const std::vector<std::vector<vcl::String>>& Any) {
  return std::any_of(Any.begin(), Any.end(), [&](const std::vector<vcl::String>& All) {
    return std::all_of(All.begin(), All.end(), [&](const vcl::String& Term) {
      if (!Term.empty() && Term[0] == u'!') return !Row.Contains(Term.substr(1));
      return Term.empty() || Row.Contains(Term);
    });
  });
}

}  // namespace

int TReportListView::FilterAndSort(const vcl::String& FilterExp,
                                   const std::vector<int>& FilterColumns, bool IgnoreCase,
                                   TFilterMode FilterMode, int SortColumn, bool Ascending) {
  const vcl::String exp = IgnoreCase ? vcl::AnsiLowerCase(FilterExp) : FilterExp;
  std::regex grep;
  if (FilterMode == fmGrep) {
    auto flags = std::regex::ECMAScript | (IgnoreCase ? std::regex::icase : std::regex::flag_type{});
    try {
      grep = std::regex(vcl::ToUTF8(FilterExp), flags);
    } catch (const std::regex_error&) {
      throw EVYRRepListError(ComponentMessage(*this, u"invalid filter expression: " + FilterExp));
    }
  }
  std::vector<std::vector<vcl::String>> any;
  for (const vcl::String& alternative : SplitAt(exp, u'|')) any.push_back(SplitAt(alternative, u'&'));

  SetEditorMode(false);
  int found = 0;
  {
    vcl::TPaintSuppressGuard quiet(*this);
    // Every row is decided before any changes, so a handler that throws
    // leaves the rows' enabled states as they were.
    TRowTexts texts(*this, FilterColumns, IgnoreCase);
    std::vector<bool> matches;
    for (int r = 1; r <= NrOfRows(); ++r) {
      texts.Load(r);
      bool match = exp.empty() || (FilterMode == fmSimple && texts.Contains(exp)) ||
                   (FilterMode == fmBoolean && MatchesBoolean(texts, any)) ||
                   (FilterMode == fmGrep && texts.Search(grep));
      if (FOnBeforeFilter) {
        bool decided = match;
        TLogicOp combine = loNOP;
        FOnBeforeFilter(this, r, decided, combine);
        match = combine == loNOP ? decided : CombineLogic(combine, decided, match);
      }
      matches.push_back(match);
    }
    // A handler may have removed rows meanwhile.
    const int rows = std::min(NrOfRows(), static_cast<int>(matches.size()));
    for (int r = 1; r <= rows; ++r) {
      const bool match = matches[static_cast<std::size_t>(r - 1)];
      SetRowBit(r, RLRowDisabled, !match);
      found += match ? 1 : 0;
    }
    SortEnabledState(SortColumn, -1, Ascending);
  }
  SelectedChanged();
  return found;
}

// Sorts by the columns, then moves the enabled rows before the disabled
// ones, each group keeping its sorted order.
void TReportListView::SortEnabledState(int SortColumn1, int SortColumn2, bool Ascending) {
  FRLData->Sort(SortColumn1, SortColumn2, Ascending);
  TStringArray& table = *FRLData->Strings;
  std::vector<int> enabled, disabled;
  for (int r = 1; r <= NrOfRows(); ++r) {
    (RowEnabled(r) ? enabled : disabled).push_back(table.GetSortOrder(r));
  }
  enabled.insert(enabled.end(), disabled.begin(), disabled.end());
  for (std::size_t i = 0; i < enabled.size(); ++i) table.SetSortOrder(static_cast<int>(i) + 1, enabled[i]);
  RepaintNow();
}

}  // namespace vyr
