#include "VYR_replist/VYR_rldata.h"

#include <algorithm>
#include <new>

#include "VYR_replist/internal/VYR_rlio.h"
#include "companion/basepack/VYR_stringl.h"

namespace vyr {

namespace {

constexpr char16_t kChecked = u'X';
constexpr char16_t kUnchecked = u' ';
const vcl::String kDefaultCommonHeader = u"VYR Report Listview";

vcl::String DefaultColName(int ColNr) { return u"C-" + vcl::IntToStr(ColNr); }

bool MarkerChecked(std::u16string_view Stored) { return !Stored.empty() && Stored[0] != kUnchecked; }

// Stored text with its first character replaced by Marker (or the marker
// alone for an empty text).
vcl::String WithMarker(std::u16string_view Stored, char16_t Marker) {
  vcl::String s(1, Marker);
  if (!Stored.empty()) s.append(Stored.substr(1));
  return s;
}

}  // namespace

// ---------------------------------------------------------------- life

TRLData::TRLData(vcl::TComponent* AOwner) : vcl::TComponent(AOwner), FCommonHeader(kDefaultCommonHeader) {
  try {
    Strings = std::make_unique<TStringArray>(FNrOfCols, std::max(FNrOfRows, 1));
    Strings->SetAllocRowsBy(10);
    Strings->Clear();
    FColName.assign(1, DefaultColName(1));
    FColumnFormat.assign(1, vcl::String());
    FColButMode.assign(1, cmNone);
  } catch (const std::bad_alloc&) {
    throw EVYRRLDataError(u"Component \"" + Name() + u"\": failed to initialize (out of memory)");
  } catch (const EVYRDStructError&) {
    throw EVYRRLDataError(u"Component \"" + Name() + u"\": failed to initialize (out of memory)");
  }
  ConnectTable(*Strings, nullptr);
}

TRLData::~TRLData() = default;

void TRLData::HeapError() const {
  throw EVYRRLDataError(u"Component \"" + Name() + u"\": not enough memory on heap");
}

// Installs the store's sort hook into Table and carries over the change
// and progress hooks a view installed into the Previous table.
void TRLData::ConnectTable(TStringArray& Table, const TStringArray* Previous) {
  Table.SetOnBeforeSortExchange([this](vcl::TObject*, const vcl::String& In, vcl::String& Out) {
    if (FOnBefSortExc) FOnBefSortExc(this, In, Out);
  });
  if (Previous != nullptr) {
    Table.SetOnChange(Previous->OnChange());
    Table.SetOnPercentDone(Previous->OnPercentDone());
    // A view's own sort hook replaces the store's one.
    if (Previous->OnBeforeSortExchange()) Table.SetOnBeforeSortExchange(Previous->OnBeforeSortExchange());
  }
}

void TRLData::UpdateFeedback() {
  std::int64_t cells = std::int64_t{FNrOfRows} * (FNrOfCols + 1);
  if (cells < 1) cells = 1;
  FFeedbkNumCells = static_cast<int>(std::min<std::int64_t>(cells, INT32_MAX));
  FFeedbkStep = FFeedbkNumCells / 100 + 1;
}

// ---------------------------------------------------------------- sizes

void TRLData::SetNrRows(int n) {
  n = std::max(n, 0);
  const int old = FNrOfRows;
  Strings->Resize(FNrOfCols, n);
  if (n == 0 && old > 0) {
    // The table keeps one physical row; it is emptied completely (column 0,
    // check markers and attribute too) so that a row added later starts
    // empty instead of bringing back a stale record.
    rlio::TBulkChange bulk(*Strings, true);
    for (int c = 0; c <= Strings->NrOfColumns(); ++c) Strings->SetString(c, 1, u"");
    Strings->SetRowAttrib(1, 0);
  }
  FNrOfRows = n;
  UpdateFeedback();
}

void TRLData::SetNrCols(int n) {
  n = std::max(n, 1);
  const int old = FNrOfCols;
  // The table first: it refuses sizes beyond its limit before anything is
  // allocated, and changes nothing when it fails.
  Strings->Resize(n, std::max(FNrOfRows, 1));
  std::vector<TNameStrType> names;
  std::vector<TColFmtString> formats;
  std::vector<TCheckMode> modes;
  try {
    const auto kept = std::min<std::ptrdiff_t>(n, old);
    names.assign(FColName.begin(), FColName.begin() + kept);
    formats.assign(FColumnFormat.begin(), FColumnFormat.begin() + kept);
    modes.assign(FColButMode.begin(), FColButMode.begin() + kept);
    for (int k = static_cast<int>(kept) + 1; k <= n; ++k) {
      names.push_back(DefaultColName(k));
      formats.emplace_back();
      modes.push_back(cmNone);
    }
  } catch (const std::bad_alloc&) {
    Strings->Resize(std::max(old, 1), std::max(FNrOfRows, 1));
    HeapError();
  }
  FNrOfCols = n;
  FColName.swap(names);
  FColumnFormat.swap(formats);
  FColButMode.swap(modes);
  UpdateFeedback();
}

void TRLData::SetCommonHeader(const vcl::String& Value) {
  if (Value != FCommonHeader) FCommonHeader = Value;
}

// ---------------------------------------------------------------- cells

vcl::String TRLData::GetElem(int ACol, int ARow) const {
  if (!ValidCell(ACol, ARow)) return {};
  std::u16string_view s = Strings->StringView(ACol, ARow);
  if (IsCheckCol(ACol) && !s.empty()) s.remove_prefix(1);
  return vcl::String(s);
}

void TRLData::SetElem(int ACol, int ARow, const vcl::String& Value) {
  if (!ValidCell(ACol, ARow)) return;
  if (!IsCheckCol(ACol)) {
    Strings->SetString(ACol, ARow, Value);
    return;
  }
  std::u16string_view old = Strings->StringView(ACol, ARow);
  vcl::String s(1, old.empty() ? kUnchecked : old[0]);
  s.append(CutToLength(Value, RLCellMaxLen - 1));
  Strings->SetString(ACol, ARow, s);
}

bool TRLData::IsChecked(int ACol, int ARow) const {
  return MarkerChecked(Strings->StringView(ACol, ARow));
}

bool TRLData::GetElemChecked(int ACol, int ARow) const {
  if (!ValidCell(ACol, ARow) || !IsCheckCol(ACol)) return false;
  return IsChecked(ACol, ARow);
}

void TRLData::SetMarker(int ACol, int ARow, char16_t Marker) {
  std::u16string_view s = Strings->StringView(ACol, ARow);
  if (!s.empty() && s[0] == Marker) return;
  Strings->SetString(ACol, ARow, WithMarker(s, Marker));
}

// Unchecks every cell of a column, disabled rows included, as
// SetAllCheckmarksOfCol does: an empty cell becomes the blank marker.
void TRLData::UncheckColumn(int ColNr) {
  for (int r = 1; r <= FNrOfRows; ++r) SetMarker(ColNr, r, kUnchecked);
}

void TRLData::SetElemChecked(int ACol, int ARow, bool Value) {
  if (!ValidCell(ACol, ARow) || !IsCheckCol(ACol)) return;
  if (FColButMode[ACol - 1] == cmRadio) {
    rlio::TBulkChange bulk(*Strings, true);
    UncheckColumn(ACol);
    SetMarker(ACol, ARow, Value ? kChecked : kUnchecked);
    return;
  }
  SetMarker(ACol, ARow, Value ? kChecked : kUnchecked);
}

double TRLData::GetAsNumber(int ACol, int ARow) const {
  std::u16string_view stored = ValidCell(ACol, ARow) ? Strings->StringView(ACol, ARow) : u"";
  std::u16string_view text = stored;
  if (IsCheckCol(ACol) && !text.empty()) text.remove_prefix(1);
  vcl::String s(TrimBlanks(text));
  if (s.empty()) return 0.0;
  std::replace(s.begin(), s.end(), u',', u'.');
  vcl::TFormatSettings settings;
  settings.DecimalSeparator = u'.';
  double value = 0.0;
  if (!vcl::TryStrToFloat(s, value, settings)) {
    throw EVYRDStructError(u"Class TRLData: invalid numeric string: [" + vcl::IntToStr(ACol) + u"," +
                           vcl::IntToStr(ARow) + u"]: " + vcl::String(stored));
  }
  return value;
}

void TRLData::Fill(const vcl::String& Value) {
  rlio::TBulkChange bulk(*Strings, true);
  const vcl::String plain(CutToLength(Value, RLCellMaxLen));
  vcl::String marked = u" " + vcl::String(CutToLength(Value, RLCellMaxLen - 1));
  for (int c = 1; c <= FNrOfCols; ++c) {
    const bool check = IsCheckCol(c);
    for (int r = 1; r <= FNrOfRows; ++r) {
      if (!check) {
        Strings->SetString(c, r, plain);
        continue;
      }
      // An empty check cell starts unchecked.
      marked[0] = IsChecked(c, r) ? kChecked : kUnchecked;
      Strings->SetString(c, r, marked);
    }
  }
}

void TRLData::Clear() {
  Strings->Clear();
  for (int k = 1; k <= static_cast<int>(FColName.size()); ++k) {
    FColName[k - 1] = k <= FNrOfCols ? DefaultColName(k) : vcl::String();
    FColumnFormat[k - 1].clear();
    FColButMode[k - 1] = cmNone;
  }
}

// ---------------------------------------------------------------- columns

vcl::String TRLData::GetColName(int ColNr) const {
  return ValidCol(ColNr) ? FColName[ColNr - 1] : vcl::String();
}

void TRLData::SetColName(int ColNr, const vcl::String& HLine) {
  if (ValidCol(ColNr)) FColName[ColNr - 1] = vcl::String(CutToLength(HLine, RLNameMaxLen));
}

vcl::String TRLData::GetColumnFormat(int ColNr) const {
  return ValidCol(ColNr) ? FColumnFormat[ColNr - 1] : vcl::String();
}

void TRLData::SetColumnFormat(int ColNr, const vcl::String& DefValue) {
  if (ValidCol(ColNr)) FColumnFormat[ColNr - 1] = vcl::String(CutToLength(DefValue, RLColFmtMaxLen));
}

TCheckMode TRLData::GetColCheckMode(int ColNr) const {
  return ValidCol(ColNr) ? FColButMode[ColNr - 1] : cmNone;
}

// Rewrites the stored texts of a column for its new check mode.
void TRLData::ChangeCheckMode(int ColNr, TCheckMode From, TCheckMode To) {
  for (int r = 1; r <= FNrOfRows; ++r) {
    std::u16string_view s = Strings->StringView(ColNr, r);
    if (From == cmNone) {
      if (!s.empty()) Strings->SetString(ColNr, r, u" " + vcl::String(s));
    } else if (To == cmNone) {
      if (!s.empty()) Strings->SetString(ColNr, r, s.substr(1));
    } else if (From == cmBox && To == cmRadio) {
      SetMarker(ColNr, r, kUnchecked);
    }
  }
}

void TRLData::SetColCheckMode(int ColNr, TCheckMode Value) {
  if (!ValidCol(ColNr) || Value > cmRadio) return;
  const TCheckMode old = FColButMode[ColNr - 1];
  if (old == Value) return;
  {
    rlio::TBulkChange bulk(*Strings, false);
    ChangeCheckMode(ColNr, old, Value);
  }
  FColButMode[ColNr - 1] = Value;
}

bool TRLData::GetCheckedCol(int ColNr) const { return GetColCheckMode(ColNr) == cmBox; }

void TRLData::SetCheckedCol(int ColNr, bool Value) { SetColCheckMode(ColNr, Value ? cmBox : cmNone); }

int TRLData::ColumnIndex(const vcl::String& Head, bool PartialMatch) const {
  if (PartialMatch && Head.empty()) return -1;
  vcl::String head(Head);
  for (char16_t& ch : head) ch = FoldCaseChar(ch);
  for (int c = FNrOfCols; c >= 1; --c) {
    const vcl::String& name = FColName[c - 1];
    if (!PartialMatch) {
      if (SameTextIgnoringCase(name, Head)) return c;
      continue;
    }
    vcl::String folded(name);
    for (char16_t& ch : folded) ch = FoldCaseChar(ch);
    if (folded.find(head) != vcl::String::npos) return c;
  }
  return -1;
}

void TRLData::InsertColumn(int c) {
  if (!ValidCol(c)) return;
  try {
    FColName.reserve(FColName.size() + 1);
    FColumnFormat.reserve(FColumnFormat.size() + 1);
    FColButMode.reserve(FColButMode.size() + 1);
  } catch (const std::bad_alloc&) {
    HeapError();
  }
  Strings->InsertColumn(c);
  FColName.insert(FColName.begin() + (c - 1), vcl::String());
  FColumnFormat.insert(FColumnFormat.begin() + (c - 1), vcl::String());
  FColButMode.insert(FColButMode.begin() + (c - 1), cmNone);
  ++FNrOfCols;
  UpdateFeedback();
}

void TRLData::RemoveColumn(int c) {
  if (!ValidCol(c)) return;
  Strings->CommitSorting();
  if (FNrOfCols == 1) {
    rlio::TBulkChange bulk(*Strings, true);
    for (int r = 0; r <= FNrOfRows; ++r) Strings->SetString(c, r, u"");
    FColName.assign(1, vcl::String());
    FColumnFormat.assign(1, vcl::String());
    FColButMode.assign(1, cmNone);
    FNrOfCols = 0;
  } else {
    Strings->RemoveColumn(c);
    FColName.erase(FColName.begin() + (c - 1));
    FColumnFormat.erase(FColumnFormat.begin() + (c - 1));
    FColButMode.erase(FColButMode.begin() + (c - 1));
    --FNrOfCols;
  }
  UpdateFeedback();
}

// ---------------------------------------------------------------- rows

void TRLData::InsertRow(int r) {
  if (r < 1 || r > FNrOfRows) return;
  Strings->CommitSorting();
  Strings->InsertRow(r);
  ++FNrOfRows;
  UpdateFeedback();
}

void TRLData::RemoveRow(int r) {
  if (r < 1 || r > FNrOfRows) return;
  Strings->CommitSorting();
  // With one row left the table empties it (texts and attribute) instead.
  Strings->RemoveRow(r);
  --FNrOfRows;
  UpdateFeedback();
}

// Keeps the rows (as shown) whose flag is set, in their shown order, by
// building the table anew: one pass instead of one removal per row.
void TRLData::KeepRows(const std::vector<bool>& Keep) {
  const int kept = static_cast<int>(std::count(Keep.begin() + 1, Keep.end(), true));
  auto table = std::make_unique<TStringArray>(Strings->NrOfColumns(), std::max(kept, 1));
  table->SetAllocRowsBy(Strings->AllocRowsBy());
  for (int c = 0; c <= Strings->NrOfColumns(); ++c) {
    table->SetColAttrib(c, Strings->GetColAttrib(c));
    table->SetString(c, 0, Strings->StringView(c, 0));
  }
  int to = 0;
  for (int r = 1; r <= FNrOfRows; ++r) {
    if (!Keep[static_cast<std::size_t>(r)]) continue;
    ++to;
    for (int c = 0; c <= Strings->NrOfColumns(); ++c) {
      std::u16string_view s = Strings->StringView(c, r);
      if (!s.empty()) table->SetString(c, to, s);
    }
    table->SetRowAttrib(to, Strings->GetRowAttrib(r));
  }
  ConnectTable(*table, Strings.get());
  Strings.swap(table);
  FNrOfRows = kept;
  UpdateFeedback();
  if (Strings->OnChange()) Strings->OnChange()(Strings.get());
}

void TRLData::RemoveEmptyRows() {
  std::vector<bool> keep(static_cast<std::size_t>(FNrOfRows) + 1, true);
  int empty = 0;
  for (int r = 1; r <= FNrOfRows; ++r) {
    bool blank = true;
    for (int c = 0; c <= FNrOfCols && blank; ++c) {
      std::u16string_view s = Strings->StringView(c, r);
      blank = s.empty() || (IsCheckCol(c) && s.size() == 1);
    }
    if (blank) {
      keep[static_cast<std::size_t>(r)] = false;
      ++empty;
    }
  }
  if (empty == 0) return;
  // A few removals are cheap one by one; many are done in one pass.
  if (empty <= 16) {
    for (int r = FNrOfRows; r >= 1; --r)
      if (!keep[static_cast<std::size_t>(r)]) RemoveRow(r);
    return;
  }
  try {
    KeepRows(keep);
  } catch (const std::bad_alloc&) {
    HeapError();
  } catch (const EVYRDStructError&) {
    HeapError();
  }
}

void TRLData::CopyRow(int Source, int Target) {
  if (Source < 1 || Source > FNrOfRows || Target < 1 || Target > FNrOfRows) return;
  if (Source == Target) return;
  rlio::TBulkChange bulk(*Strings, true);
  for (int c = 0; c <= FNrOfCols; ++c) Strings->SetString(c, Target, Strings->GetString(c, Source));
  Strings->SetRowAttrib(Target, Strings->GetRowAttrib(Source));
}

// ---------------------------------------------------------------- check marks

void TRLData::SetAllCheckmarksOfCol(int Column, bool Checked) {
  SetAllCheckmarksOfCol(Column, Checked, false);
}

void TRLData::SetAllCheckmarksOfCol(int Column, bool Checked, bool SkipDisabledRows) {
  const TCheckMode mode = GetColCheckMode(Column);
  if (mode == cmNone || (Checked && mode != cmBox)) return;
  rlio::TBulkChange bulk(*Strings, true);
  for (int r = 1; r <= FNrOfRows; ++r) {
    if (SkipDisabledRows && RowDisabled(r)) continue;
    SetMarker(Column, r, Checked ? kChecked : kUnchecked);
  }
}

void TRLData::InvertAllCheckmarksOfCol(int Column) { InvertAllCheckmarksOfCol(Column, false); }

void TRLData::InvertAllCheckmarksOfCol(int Column, bool SkipDisabledRows) {
  if (GetColCheckMode(Column) != cmBox) return;
  rlio::TBulkChange bulk(*Strings, true);
  for (int r = 1; r <= FNrOfRows; ++r) {
    if (SkipDisabledRows && RowDisabled(r)) continue;
    // Any checked cell (whatever its marker) becomes unchecked and the
    // other way round; an empty cell becomes checked.
    SetMarker(Column, r, IsChecked(Column, r) ? kUnchecked : kChecked);
  }
}

int TRLData::CountCheckedElemsInCol(int Column) const {
  if (!IsCheckCol(Column)) return 0;
  int n = 0;
  for (int r = 1; r <= FNrOfRows; ++r) n += IsChecked(Column, r) ? 1 : 0;
  return n;
}

int TRLData::CountCheckedElemsInRow(int Row) const {
  if (Row < 1 || Row > FNrOfRows) return 0;
  int n = 0;
  for (int c = 1; c <= FNrOfCols; ++c) n += (IsCheckCol(c) && IsChecked(c, Row)) ? 1 : 0;
  return n;
}

int TRLData::FirstCheckedElemInCol(int ColNr) const {
  if (!IsCheckCol(ColNr)) return 0;
  for (int r = 1; r <= FNrOfRows; ++r)
    if (IsChecked(ColNr, r)) return r;
  return 0;
}

int TRLData::FirstCheckedElemInRow(int RowNr) const {
  if (RowNr < 1 || RowNr > FNrOfRows) return 0;
  for (int c = 1; c <= FNrOfCols; ++c)
    if (IsCheckCol(c) && IsChecked(c, RowNr)) return c;
  return 0;
}

// ---------------------------------------------------------------- sorting

void TRLData::Sort(int Col, int ColSec, bool Ascending) {
  FSortColumn = Col;
  FSortColumnSec = ColSec;
  FSortOrder = Ascending;
  Strings->Sort(Col, ColSec, Ascending);
}

void TRLData::UnSort() {
  FSortColumn = -1;
  FSortColumnSec = -1;
  Strings->UnSort();
}

// ---------------------------------------------------------------- copying

void TRLData::Assign(vcl::TPersistent* Source) {
  auto* src = dynamic_cast<TRLData*>(Source);
  if (src == nullptr) {
    vcl::TComponent::Assign(Source);
    return;
  }
  if (src == this) return;
  // Everything that may fail is built first; the store changes only when
  // the copy is complete. The table copy keeps each row's texts and
  // attribute byte together and the order the source shows.
  std::unique_ptr<TStringArray> table;
  std::vector<TNameStrType> names;
  std::vector<TColFmtString> formats;
  std::vector<TCheckMode> modes;
  try {
    table = std::make_unique<TStringArray>(1, 1);
    table->Assign(src->Strings.get());
    names = src->FColName;
    formats = src->FColumnFormat;
    modes = src->FColButMode;
  } catch (const std::bad_alloc&) {
    HeapError();
  } catch (const EVYRDStructError&) {
    HeapError();
  }
  ConnectTable(*table, Strings.get());
  Strings.swap(table);
  FColName.swap(names);
  FColumnFormat.swap(formats);
  FColButMode.swap(modes);
  FNrOfCols = src->FNrOfCols;
  FNrOfRows = src->FNrOfRows;
  FSortColumn = src->FSortColumn;
  FSortColumnSec = src->FSortColumnSec;
  FSortOrder = src->FSortOrder;
  FSortToggle = src->FSortToggle;
  FComment = src->FComment;
  FCommonHeader = src->FCommonHeader;
  FOnBefSortExc = src->FOnBefSortExc;
  FDataID = src->FDataID;
  UpdateFeedback();
  if (Strings->OnChange()) Strings->OnChange()(Strings.get());
}

void TRLData::AssignTo(vcl::TPersistent* Dest) {
  if (auto* target = dynamic_cast<TRLData*>(Dest)) {
    target->Assign(this);
    return;
  }
  vcl::TComponent::AssignTo(Dest);
}

// Replaces the whole content with what a reader staged.
void TRLData::TakeContent(TRLContent& Content, const vcl::String& DataID) {
  ConnectTable(*Content.Table, Strings.get());
  Strings.swap(Content.Table);
  FColName.swap(Content.Names);
  FColumnFormat.swap(Content.Formats);
  FColButMode.swap(Content.Modes);
  FNrOfCols = Content.NrCols;
  FNrOfRows = Content.NrRows;
  FSortColumn = -1;
  FSortColumnSec = -1;
  if (Content.CommonHeader) FCommonHeader = *Content.CommonHeader;
  if (Content.Comment) FComment = *Content.Comment;
  if (!DataID.empty()) FDataID = DataID;
  UpdateFeedback();
  if (Strings->OnChange()) Strings->OnChange()(Strings.get());
}

void TRLData::BeforeHTMLExport(vcl::String& Text, int Col, int Row) {
  if (FOnBefHTMLExport) FOnBefHTMLExport(this, Text, Col, Row);
}

}  // namespace vyr
