// TReportListView: construction, the links to its store, the grid layout
// of header rows and columns, and the properties. Painting is in
// VYR_rlviewpaint.cpp, column widths and the store's operations in
// VYR_rlviewops.cpp.
#include "VYR_replist/VYR_rlview.h"

#include <algorithm>

#include "foundation/VYR_errors.h"
#include "platform/Guards.h"

namespace vyr {

using vcl::TColor;

namespace {

const vcl::TGridOptions kViewOptions{vcl::goFixedVertLine, vcl::goFixedHorzLine,
                                     vcl::goColSizing, vcl::goRowSelect, vcl::goThumbTracking};

}  // namespace

// ---------------------------------------------------------------- life

// Painting stays off until the window exists (CreateWnd).
TReportListView::TReportListView(vcl::TComponent* AOwner) : vcl::TCustomDrawGrid(AOwner) {
  try {
    FRLData = std::make_unique<TRLData>(nullptr);
    vcl::TCustomDrawGrid::SetDefaultDrawing(false);
    SetFixedCols(0);
    SetFixedRows(1);
    FRLData->SetNrCols(ColCount());
    FRLData->SetNrRows(RowCount() - 1);
    int cells = std::max(ColCount() * (RowCount() - 1), 1);
    FRLData->FFeedbkNumCells = cells;
    FRLData->FFeedbkStep = cells / 100 + 1;
    FRLData->Strings->Clear();
    ResizeColumnArrays(NrOfColumns());
  } catch (const std::bad_alloc&) {
    throw EVYRRepListError(TableEditorInitFailedMessage(*this));
  }
  ConnectStore();
  SetOptions(kViewOptions);
  ApplyHeaderHeights();
  vcl::TCustomDrawGrid::SetTopRow(CountHeadRows());
  SetDoubleBuffered(true);
}

TReportListView::~TReportListView() = default;

void TReportListView::CreateWnd() {
  vcl::TCustomDrawGrid::CreateWnd();
  FSuppressPaint = false;
}

// The store's table tells the view of changes, progress and sort
// comparisons; the store hands its progress and HTML hook to the view.
void TReportListView::ConnectStore() {
  TStringArray& table = *FRLData->Strings;
  table.SetOnChange([this](vcl::TObject*) { StoreChanged(); });
  auto percent = [this](vcl::TObject*, int Percent) {
    if (FOnPercentDone) FOnPercentDone(this, Percent);
  };
  table.SetOnPercentDone(percent);
  table.SetOnBeforeSortExchange([this](vcl::TObject*, const vcl::String& In, vcl::String& Out) {
    if (FOnBefSortExc) FOnBefSortExc(this, In, Out);
  });
  FRLData->SetOnPercentDone(percent);
  FRLData->SetOnBeforeHTMLExport([this](vcl::TObject*, vcl::String& Text, int Col, int Row) {
    if (FOnBefHTMLExport) FOnBefHTMLExport(this, Text, Col, Row);
  });
}

// While painting is suppressed a bulk change costs no more than the event.
void TReportListView::StoreChanged() {
  if (!FSuppressPaint) {
    SyncWithStore();
    Invalidate();
  }
  Changed();
}

// Operations of the store may change its size: the grid follows.
void TReportListView::SyncWithStore() {
  int cols = std::max(NrOfColumns(), 1);
  if (static_cast<int>(FColOrder.size()) != cols) ResizeColumnArrays(cols);
  if (ColCount() != cols) SetColCount(cols);
  int h = CountHeadRows();
  int rows = std::max(h + NrOfRows(), h + 1);
  if (RowCount() != rows) {
    SetRowCount(rows);
    ApplyHeaderHeights();
  }
  ApplyFixedColumns();
}

void TReportListView::RepaintNow() {
  if (!FSuppressPaint) Repaint();
}

void TReportListView::Changed() {
  if (FOnChange) FOnChange(this);
}

void TReportListView::ChangedSetup() {
  if (FOnChangeSetup) FOnChangeSetup(this);
}

void TReportListView::SelectedChanged() {
  if (FOnSelectedChange) FOnSelectedChange(this);
}

void TReportListView::SetSetupColor(TColor& Field, TColor Value) {
  Field = Value;
  RepaintNow();
  ChangedSetup();
}

// ---------------------------------------------------------------- layout

// Row 0 is the common header or the column headers (or a data row); row 1
// gets its height only while the list has two data rows or more.
void TReportListView::ApplyHeaderHeights() {
  int second = -1;
  if (FComHdVis && FColHdVis) {
    SetRowHeights(0, FComHdHgt);
    second = FColHdHgt;
  } else if (FComHdVis || FColHdVis) {
    SetRowHeights(0, FComHdVis ? FComHdHgt : FColHdHgt);
    second = DefaultRowHeight();
  } else {
    SetRowHeights(0, DefaultRowHeight());
  }
  if (second >= 0 && NrOfRows() >= 2 && RowCount() > 1) SetRowHeights(1, second);
}

void TReportListView::RebuildHeaderRows() {
  int h = CountHeadRows();
  SetRowCount(std::max(h + NrOfRows(), h + 1));
  SetFixedRows(h);
  ApplyHeaderHeights();
}

// A fixed first column needs a second column to scroll.
void TReportListView::ApplyFixedColumns() {
  int fixed = FFixedColOne && ColCount() > 1 ? 1 : 0;
  if (FixedCols() != fixed) SetFixedCols(fixed);
}

void TReportListView::ResizeColumnArrays(int Count) {
  try {
    auto n = static_cast<std::size_t>(std::max(Count, 0));
    FColAlignment.resize(n, vcl::taLeftJustify);
    FColumnEditable.resize(n, false);
    FColumnIsPwd.resize(n, false);
    FColOrder.resize(n);
    for (std::size_t i = 0; i < n; ++i) FColOrder[i] = static_cast<int>(i);
  } catch (const std::bad_alloc&) {
    throw EVYRRepListError(NotEnoughMemoryMessage(*this));
  }
}

int TReportListView::DataColumn(int ACol) const {
  if (ACol < 0 || ACol >= static_cast<int>(FColOrder.size())) return ACol + 1;
  return FColOrder[static_cast<std::size_t>(ACol)] + 1;
}

// ---------------------------------------------------------------- size of the table

void TReportListView::SetNrOfRows(int Value) {
  FRLData->SetNrRows(Value);
  FollowRowCount();
  ChangedSetup();
}

void TReportListView::FollowRowCount() {
  SetSelection({0, 0, 0, 0});
  RebuildHeaderRows();
  RepaintNow();
}

void TReportListView::SetNrOfColumns(int Value) {
  const int oldCount = ColCount();
  FRLData->SetNrCols(Value);
  FollowColumnCount(oldCount);
  ChangedSetup();
}

// New columns are as wide as the former last one; the order starts over.
void TReportListView::FollowColumnCount(int OldCount) {
  const int width = vcl::TCustomDrawGrid::ColWidths(OldCount - 1);
  const int count = std::max(NrOfColumns(), 1);
  SetColCount(count);
  for (int i = OldCount - 1; i < count; ++i) vcl::TCustomDrawGrid::SetColWidths(i, width);
  ResizeColumnArrays(count);
  ApplyFixedColumns();
  SetTopRow(0);
  RepaintNow();
}

// ---------------------------------------------------------------- headers

void TReportListView::SetColorColumnHd(TColor Value) {
  vcl::TCustomDrawGrid::SetFixedColor(Value);
  RepaintNow();
  ChangedSetup();
}

void TReportListView::SetColorEmptyMsg(TColor Value) {
  if (Value == FColorEmptyMsg) return;
  SetSetupColor(FColorEmptyMsg, Value);
}

void TReportListView::SetCommonHeader(const vcl::String& Value) {
  if (Value == FRLData->CommonHeader()) return;
  FRLData->SetCommonHeader(Value);
  RepaintNow();
  Changed();
}

void TReportListView::SetCommonHeaderAlignment(vcl::TAlignment Value) {
  if (Value == FHeaderAlignment) return;
  FHeaderAlignment = Value;
  RepaintNow();
  Changed();
}

void TReportListView::SetCommonHeaderVisible(bool Value) {
  if (Value == FComHdVis) return;
  FComHdVis = Value;
  RebuildHeaderRows();
  Changed();
  RepaintNow();
}

void TReportListView::SetColumnHeadersVisible(bool Value) {
  if (Value == FColHdVis) return;
  FColHdVis = Value;
  RebuildHeaderRows();
  Changed();
  RepaintNow();
}

void TReportListView::SetCommonHeaderHeight(int Value) {
  FComHdHgt = std::clamp(Value, 8, 127);
  ApplyHeaderHeights();
  RepaintNow();
  Changed();
}

void TReportListView::SetColumnHeadersHeight(int Value) {
  FColHdHgt = std::clamp(Value, 8, 127);
  ApplyHeaderHeights();
  RepaintNow();
  Changed();
}

// ---------------------------------------------------------------- look and behaviour

void TReportListView::SetDefaultColWidth(int Value) {
  vcl::TCustomDrawGrid::SetDefaultColWidth(Value);
  RepaintNow();
  ChangedSetup();
}

void TReportListView::SetDefaultRowHeight(int Value) {
  vcl::TCustomDrawGrid::SetDefaultRowHeight(Value);
  ApplyHeaderHeights();
  RepaintNow();
  ChangedSetup();
}

void TReportListView::SetEmptyMessage(const vcl::String& Value) {
  if (Value == FEmptyMsg) return;
  FEmptyMsg = Value;
  RepaintNow();
  ChangedSetup();
}

void TReportListView::SetEnabled(bool Value) {
  FEnabled = Value;
  vcl::TCustomDrawGrid::SetEnabled(Value);
  RepaintNow();
}

void TReportListView::SetHighLightBold(bool Value) {
  FHiLgtBold = Value;
  RepaintNow();
  ChangedSetup();
}

void TReportListView::SetHighLightRow(int Value) {
  FHiLgtRow = Value;
  RepaintNow();
  ChangedSetup();
}

void TReportListView::SetHighLightColumn(int Value) {
  FHiLgtColumn = Value;
  RepaintNow();
  ChangedSetup();
}

void TReportListView::SetInterRowIndicatorWidth(int Value) {
  FInterRowWidth = Value;
  RepaintNow();
  ChangedSetup();
}

void TReportListView::SetInterRowIndicatorPos(int Value) {
  if (Value == FInterRowIndi) return;
  FInterRowIndi = Value;
  RepaintNow();
}

void TReportListView::SetRowColPattern(int Value) {
  FRowColPattern = Value;
  RepaintNow();
  ChangedSetup();
}

void TReportListView::SetShowEmptyCheckBoxes(bool Value) {
  if (Value == FShowEmptyCBx) return;
  FShowEmptyCBx = Value;
  RepaintNow();
}

void TReportListView::SetFixedFirstColumn(bool Value) {
  FFixedColOne = Value;
  ApplyFixedColumns();
  RepaintNow();
  Changed();
}

void TReportListView::SetCheckMarksReadOnly(bool Value) {
  if (Value == FROCheckMarks) return;
  FROCheckMarks = Value;
  RepaintNow();
}

void TReportListView::SetSuppressPaint(bool Value) {
  if (Value == FSuppressPaint) return;
  FSuppressPaint = Value;
  if (!Value) {
    SyncWithStore();
    RepaintNow();
  }
}

int TReportListView::TopRow() const {
  return vcl::TCustomDrawGrid::TopRow() - CountHeadRows() + 1;
}

void TReportListView::SetTopRow(int Value) {
  int h = CountHeadRows();
  int grid = std::clamp(Value + h - 1, h, std::max(h + NrOfRows() - 1, h));
  vcl::TCustomDrawGrid::SetTopRow(grid);
}

int TReportListView::LeftCol() const { return vcl::TCustomDrawGrid::LeftCol() + 1; }

void TReportListView::SetLeftCol(int Value) {
  Value = std::max(std::min(Value, NrOfColumns()), FixedCols() + 1);
  vcl::TCustomDrawGrid::SetLeftCol(Value - 1);
}

// Modes other than 2 start with no row selected; mode 0 moves the grid's
// own selection outside the table.
void TReportListView::SetRowSelectMode(int Value) {
  FRowSelectMode = Value;
  if (Value != 2) ClearRowSelection();
  if (Value == 0) {
    SetSelection({NrOfColumns() + 1, NrOfRows() + 1, NrOfColumns() + 1, NrOfRows() + 1});
  }
  RepaintNow();
  SelectedChanged();
}

// ---------------------------------------------------------------- cells

vcl::String TReportListView::Elem(int ACol, int ARow) {
  vcl::String text = FRLData->GetElem(ACol, ARow);
  if (FOnReadCell) FOnReadCell(this, ACol, ARow, text);
  return text;
}

void TReportListView::SetElem(int ACol, int ARow, const vcl::String& Value) {
  FRLData->SetElem(ACol, ARow, Value);
}

double TReportListView::AsNumber(int ACol, int ARow) const {
  try {
    return FRLData->GetAsNumber(ACol, ARow);
  } catch (const EVYRDStructError&) {
    throw EVYRDStructError(InvalidNumericStringMessage(
        u"TReportListView", ACol, ARow, FRLData->Strings->GetString(ACol, ARow)));
  }
}

// ---------------------------------------------------------------- columns

void TReportListView::SetHeader(int ColNr, const vcl::String& Value) {
  FRLData->SetColName(ColNr, Value);
  Changed();
  RepaintNow();
}

void TReportListView::SetColumnFormat(int ColNr, const vcl::String& Value) {
  FRLData->SetColumnFormat(ColNr, Value);
  Changed();
  RepaintNow();
}

void TReportListView::SetColumnCheckMode(int ColNr, TCheckMode Value) {
  FRLData->SetColCheckMode(ColNr, Value);
  Changed();
  RepaintNow();
}

void TReportListView::SetIsCheckedColumn(int ColNr, bool Value) {
  FRLData->SetCheckedCol(ColNr, Value);
  Changed();
  RepaintNow();
}

vcl::TAlignment TReportListView::ColumnAlignment(int ColNr) const {
  return ValidCol(ColNr) ? FColAlignment[static_cast<std::size_t>(ColNr - 1)] : vcl::taLeftJustify;
}

void TReportListView::SetColumnAlignment(int ColNr, vcl::TAlignment Value) {
  if (!ValidCol(ColNr) || FColAlignment[static_cast<std::size_t>(ColNr - 1)] == Value) return;
  FColAlignment[static_cast<std::size_t>(ColNr - 1)] = Value;
  Changed();
  RepaintNow();
}

bool TReportListView::ColumnEditable(int ColNr) const {
  return ValidCol(ColNr) && FColumnEditable[static_cast<std::size_t>(ColNr - 1)];
}

void TReportListView::SetColumnEditable(int ColNr, bool Value) {
  if (ValidCol(ColNr)) FColumnEditable[static_cast<std::size_t>(ColNr - 1)] = Value;
}

bool TReportListView::ColumnIsPwd(int ColNr) const {
  return ValidCol(ColNr) && FColumnIsPwd[static_cast<std::size_t>(ColNr - 1)];
}

void TReportListView::SetColumnIsPwd(int ColNr, bool Value) {
  if (!ValidCol(ColNr) || FColumnIsPwd[static_cast<std::size_t>(ColNr - 1)] == Value) return;
  FColumnIsPwd[static_cast<std::size_t>(ColNr - 1)] = Value;
  Changed();
  RepaintNow();
}

int TReportListView::ColumnOrder(int ColNr) const {
  return ValidCol(ColNr) ? FColOrder[static_cast<std::size_t>(ColNr - 1)] + 1 : 0;
}

void TReportListView::SetSecondarySortColumn(int Value) {
  if (Value < -1 || Value > NrOfColumns()) return;
  FRLData->FSortColumnSec = Value;
  ChangedSetup();
}

// ---------------------------------------------------------------- selection bits

bool TReportListView::RowSelected(int RowNr) const {
  return ValidRow(RowNr) && (FRLData->Strings->GetRowAttrib(RowNr) & RLRowSelected) != 0;
}

void TReportListView::SetRowBit(int RowNr, std::uint8_t Bit, bool Value) {
  if (!ValidRow(RowNr)) return;
  std::uint8_t attr = FRLData->Strings->GetRowAttrib(RowNr);
  FRLData->Strings->SetRowAttrib(RowNr, Value ? attr | Bit : attr & ~Bit);
}

void TReportListView::ClearRowSelection() {
  TStringArray& table = *FRLData->Strings;
  for (int r = 1; r <= NrOfRows(); ++r) {
    std::uint8_t attr = table.GetRowAttrib(r);
    if ((attr & RLRowSelected) != 0) table.SetRowAttrib(r, attr & ~RLRowSelected);
  }
}

void TReportListView::SetRowSelected(int RowNr, bool Value) {
  if (!ValidRow(RowNr)) return;
  SetRowBit(RowNr, RLRowSelected, Value);
  SelectedChanged();
  RepaintNow();
}

bool TReportListView::RowEnabled(int RowNr) const {
  return ValidRow(RowNr) && (FRLData->Strings->GetRowAttrib(RowNr) & RLRowDisabled) == 0;
}

void TReportListView::SetRowEnabled(int RowNr, bool Value) {
  if (!ValidRow(RowNr)) return;
  SetRowBit(RowNr, RLRowDisabled, !Value);
  SelectedChanged();
  RepaintNow();
}

bool TReportListView::ColumnSelected(int ColNr) const {
  return ValidCol(ColNr) && (FRLData->Strings->GetColAttrib(ColNr) & RLColSelected) != 0;
}

void TReportListView::SetColumnSelected(int ColNr, bool Value) {
  if (!ValidCol(ColNr)) return;
  std::uint8_t attr = FRLData->Strings->GetColAttrib(ColNr);
  FRLData->Strings->SetColAttrib(ColNr, Value ? attr | RLColSelected : attr & ~RLColSelected);
  SelectedChanged();
  RepaintNow();
}

// ---------------------------------------------------------------- copying

void TReportListView::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  vcl::TCustomDrawGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
  RepaintNow();
}

void TReportListView::Assign(vcl::TPersistent* Source) {
  auto* src = dynamic_cast<TReportListView*>(Source);
  if (src == nullptr) {
    vcl::TCustomDrawGrid::Assign(Source);
    return;
  }
  const bool suppress = FSuppressPaint;
  vcl::TValueGuard quiet(FSuppressPaint, true);  // also when the copy fails
  FAutoAdvance = src->FAutoAdvance;
  FLastMousePosX = src->FLastMousePosX;
  FLastMousePosY = src->FLastMousePosY;
  FOnChange = src->FOnChange;
  FOnChangeSetup = src->FOnChangeSetup;
  FOnSelectedChange = src->FOnSelectedChange;
  FSelectAnchor = src->FSelectAnchor;
  FRowSelectMode = src->FRowSelectMode;
  FSortEnabled = src->FSortEnabled;
  FEnabled = src->FEnabled;
  vcl::TCustomDrawGrid::SetEnabled(FEnabled);
  FOnChkStChange = src->FOnChkStChange;
  FOnBefChkStChange = src->FOnBefChkStChange;
  SetOnGetEditText(src->OnGetEditText());
  SetOnSetEditText(src->OnSetEditText());
  FSelRowColor = src->FSelRowColor, FSelRowTextColor = src->FSelRowTextColor;
  FSelColColor = src->FSelColColor, FSelColTextColor = src->FSelColTextColor;
  FSelBothColor = src->FSelBothColor, FSelBothTextColor = src->FSelBothTextColor;
  FHiLgtColor = src->FHiLgtColor, FHiLgtTextColor = src->FHiLgtTextColor;
  FHiLgtBold = src->FHiLgtBold, FHiLgtRow = src->FHiLgtRow, FHiLgtColumn = src->FHiLgtColumn;
  FColorNormal = src->FColorNormal;
  FRColorNormal = src->FRColorNormal, FRColorShaded = src->FRColorShaded;
  FRowColPattern = src->FRowColPattern;
  FHeaderAlignment = src->FHeaderAlignment;
  FComHdVis = src->FComHdVis, FColHdVis = src->FColHdVis;
  FComHdColor = src->FComHdColor, FComHdTxtColor = src->FComHdTxtColor;
  FColHdTxtColor = src->FColHdTxtColor;
  FDisabledTextColor = src->FDisabledTextColor, FDisabledBkgdColor = src->FDisabledBkgdColor;
  FOnRequestEdFmt = src->FOnRequestEdFmt;
  FShowEmptyCBx = src->FShowEmptyCBx;
  FOnPercentDone = src->FOnPercentDone;
  FOnBefRenderCell = src->FOnBefRenderCell;
  FOnBefSortExc = src->FOnBefSortExc;
  FOnBefHTMLExport = src->FOnBefHTMLExport;
  FOnBeforeFilter = src->FOnBeforeFilter;
  SetOnMouseWheelDown(src->OnMouseWheelDown());
  SetOnMouseWheelUp(src->OnMouseWheelUp());
  FInterRowIndi = src->FInterRowIndi, FInterRowColor = src->FInterRowColor;
  FInterRowWidth = src->FInterRowWidth;
  FFixedColOne = src->FFixedColOne;
  FEmptyMsg = src->FEmptyMsg, FColorEmptyMsg = src->FColorEmptyMsg;
  FCtrlForMultiSel = src->FCtrlForMultiSel;
  FComHdHgt = src->FComHdHgt, FColHdHgt = src->FColHdHgt;
  SetColorColumnHd(src->ColorColumnHd());
  FRLData->Assign(src->FRLData.get());
  ConnectStore();
  SetColCount(std::max(NrOfColumns(), 1));
  RebuildHeaderRows();
  ApplyFixedColumns();
  FColAlignment = src->FColAlignment;
  FColumnIsPwd = src->FColumnIsPwd;
  FColumnEditable = src->FColumnEditable;
  FColOrder = src->FColOrder;
  // A source without a window is suppressed only because it has none yet;
  // copying that would leave this view blank for good.
  const bool wanted = src->HandleAllocated() ? src->FSuppressPaint : suppress;
  quiet.Restore();
  SetSuppressPaint(wanted);
  RepaintNow();
}

}  // namespace vyr
