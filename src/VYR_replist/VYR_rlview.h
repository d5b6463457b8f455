// The report list view: a grid showing the table of its own TRLData with
// an optional common header, a row of column headers and one grid row per
// data row. It draws every cell itself: row bands, selection, highlight and
// disabled colors, check boxes and radio buttons, masked passwords, texts
// cut with "...", multi-line headers with a sort arrow, a message for an
// empty list and an indicator line between two rows.
//
// Grid layout: h = (common header shown) + (column headers shown) fixed
// rows; data row r (1-based) is grid row r + h - 1; grid column i shows
// data column ColumnOrder(i + 1). With no data rows one empty row remains.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "VYR_replist/VYR_rldata.h"
#include "VYR_replist/VYR_rlfilter.h"
#include "platform/Grids.h"

namespace vcl {
class TForm;
class TSpeedButton;
class TDateTimePicker;
}  // namespace vcl

namespace vyr {

// Offered every data cell before it is drawn; the handler may change the
// colors, the font style and the text.
using TRenderCellEvent = std::function<void(vcl::TObject* Sender, int ACol, int ARow,
                                            vcl::TColor& PenColor, vcl::TColor& BrushColor,
                                            vcl::TColor& FontColor, vcl::TFontStyles& FontStyles,
                                            vcl::String& Text)>;
using TReadCellEvent =
    std::function<void(vcl::TObject* Sender, int ACol, int ARow, vcl::String& Text)>;
using TCheckStateChangeEvent =
    std::function<void(vcl::TObject* Sender, bool& State, int Col, int Row)>;
using TRequestEditFormatEvent =
    std::function<void(vcl::TObject* Sender, int Col, int Row, vcl::String& Format)>;
using TBeforeFilterEvent = std::function<void(vcl::TObject* Sender, int Row, bool& Found,
                                              TLogicOp& CombineWithInternalSearch)>;
using TCursorKeyActionEvent = std::function<void(vcl::TObject* Sender, std::uint16_t Key)>;

class TReportListView : public vcl::TCustomDrawGrid {
 public:
  explicit TReportListView(vcl::TComponent* AOwner);
  ~TReportListView() override;

  // ------------------------------------------------------------ size of the table
  int NrOfColumns() const { return FRLData->NrOfColumns(); }
  // New columns are as wide as the former last one; the column order
  // starts over.
  void SetNrOfColumns(int Value);
  int NrOfRows() const { return FRLData->NrOfRows(); }
  void SetNrOfRows(int Value);
  // The store's names of the same setters, so code written against the store
  // works on the view unchanged.
  void SetNrCols(int Value) { SetNrOfColumns(Value); }
  void SetNrRows(int Value) { SetNrOfRows(Value); }

  // ------------------------------------------------------------ colors
  vcl::TColor ColorHigh() const { return FHiLgtColor; }
  void SetColorHigh(vcl::TColor Value) { SetSetupColor(FHiLgtColor, Value); }
  vcl::TColor ColorText() const { return FColorNormal; }
  void SetColorText(vcl::TColor Value) { SetSetupColor(FColorNormal, Value); }
  vcl::TColor ColorBkgdNormal() const { return FRColorNormal; }
  void SetColorBkgdNormal(vcl::TColor Value) { SetSetupColor(FRColorNormal, Value); }
  vcl::TColor ColorBkgdShaded() const { return FRColorShaded; }
  void SetColorBkgdShaded(vcl::TColor Value) { SetSetupColor(FRColorShaded, Value); }
  // The background of the column headers and of fixed columns; FixedColor
  // is the same property under the grid's name.
  // Kept as the grid's FixedColor, so that either name reads and writes
  // the same value, also through the grid's own accessors.
  vcl::TColor ColorColumnHd() const { return vcl::TCustomDrawGrid::FixedColor(); }
  void SetColorColumnHd(vcl::TColor Value);
  vcl::TColor FixedColor() const { return ColorColumnHd(); }
  void SetFixedColor(vcl::TColor Value) { SetColorColumnHd(Value); }
  vcl::TColor ColorColumnHdText() const { return FColHdTxtColor; }
  void SetColorColumnHdText(vcl::TColor Value) { SetSetupColor(FColHdTxtColor, Value); }
  vcl::TColor ColorCommonHd() const { return FComHdColor; }
  void SetColorCommonHd(vcl::TColor Value) { SetSetupColor(FComHdColor, Value); }
  vcl::TColor ColorCommonHdText() const { return FComHdTxtColor; }
  void SetColorCommonHdText(vcl::TColor Value) { SetSetupColor(FComHdTxtColor, Value); }
  vcl::TColor ColorDisabledBkgd() const { return FDisabledBkgdColor; }
  void SetColorDisabledBkgd(vcl::TColor Value) { SetSetupColor(FDisabledBkgdColor, Value); }
  vcl::TColor ColorDisabledText() const { return FDisabledTextColor; }
  void SetColorDisabledText(vcl::TColor Value) { SetSetupColor(FDisabledTextColor, Value); }
  vcl::TColor ColorEmptyMsg() const { return FColorEmptyMsg; }
  void SetColorEmptyMsg(vcl::TColor Value);
  vcl::TColor ColorHighText() const { return FHiLgtTextColor; }
  void SetColorHighText(vcl::TColor Value) { SetSetupColor(FHiLgtTextColor, Value); }
  vcl::TColor ColorSelectedRow() const { return FSelRowColor; }
  void SetColorSelectedRow(vcl::TColor Value) { SetSetupColor(FSelRowColor, Value); }
  vcl::TColor ColorSelectedRowText() const { return FSelRowTextColor; }
  void SetColorSelectedRowText(vcl::TColor Value) { SetSetupColor(FSelRowTextColor, Value); }
  vcl::TColor ColorSelectedCol() const { return FSelColColor; }
  void SetColorSelectedCol(vcl::TColor Value) { SetSetupColor(FSelColColor, Value); }
  vcl::TColor ColorSelectedColText() const { return FSelColTextColor; }
  void SetColorSelectedColText(vcl::TColor Value) { SetSetupColor(FSelColTextColor, Value); }
  vcl::TColor ColorSelectedBoth() const { return FSelBothColor; }
  void SetColorSelectedBoth(vcl::TColor Value) { SetSetupColor(FSelBothColor, Value); }
  vcl::TColor ColorSelectedBothText() const { return FSelBothTextColor; }
  void SetColorSelectedBothText(vcl::TColor Value) { SetSetupColor(FSelBothTextColor, Value); }

  // ------------------------------------------------------------ headers
  const vcl::String& CommonHeader() const { return FRLData->CommonHeader(); }
  void SetCommonHeader(const vcl::String& Value);
  vcl::TAlignment CommonHeaderAlignment() const { return FHeaderAlignment; }
  void SetCommonHeaderAlignment(vcl::TAlignment Value);
  bool CommonHeaderVisible() const { return FComHdVis; }
  void SetCommonHeaderVisible(bool Value);
  int CommonHeaderHeight() const { return FComHdHgt; }
  // Limited to 8..127.
  void SetCommonHeaderHeight(int Value);
  bool ColumnHeadersVisible() const { return FColHdVis; }
  void SetColumnHeadersVisible(bool Value);
  int ColumnHeadersHeight() const { return FColHdHgt; }
  void SetColumnHeadersHeight(int Value);

  // ------------------------------------------------------------ look and behaviour
  bool AutoAdvance() const { return FAutoAdvance; }
  void SetAutoAdvance(bool Value) { FAutoAdvance = Value; }
  int DefaultColWidth() const { return vcl::TCustomDrawGrid::DefaultColWidth(); }
  void SetDefaultColWidth(int Value);
  int DefaultRowHeight() const { return vcl::TCustomDrawGrid::DefaultRowHeight(); }
  void SetDefaultRowHeight(int Value);
  const vcl::String& EmptyMessage() const { return FEmptyMsg; }
  // Lines are separated by "|".
  void SetEmptyMessage(const vcl::String& Value);
  void SetEnabled(bool Value) override;
  bool HighLightBold() const { return FHiLgtBold; }
  void SetHighLightBold(bool Value);
  int HighLightRow() const { return FHiLgtRow; }
  void SetHighLightRow(int Value);
  int HighLightColumn() const { return FHiLgtColumn; }
  void SetHighLightColumn(int Value);
  vcl::TColor InterRowIndicatorColor() const { return FInterRowColor; }
  void SetInterRowIndicatorColor(vcl::TColor Value) { SetSetupColor(FInterRowColor, Value); }
  int InterRowIndicatorWidth() const { return FInterRowWidth; }
  void SetInterRowIndicatorWidth(int Value);
  // 0 hides the indicator; p draws it above data row p (NrOfRows + 1: below the last).
  int InterRowIndicatorPos() const { return FInterRowIndi; }
  void SetInterRowIndicatorPos(int Value);
  // The first data row shown, and the first data column shown.
  int TopRow() const;
  void SetTopRow(int Value);
  int LeftCol() const;
  void SetLeftCol(int Value);
  // The names painting code uses for the same two readings.
  int GetTopRow() const { return TopRow(); }
  int GetLeftCol() const { return LeftCol(); }
  // Header rows shown (0 to 2): the grid's fixed rows.
  int CountHeadRows() const { return (FComHdVis ? 1 : 0) + (FColHdVis ? 1 : 0); }
  int RowSelectMode() const { return FRowSelectMode; }
  // 0 no row selection, 1 single rows, 2 several rows.
  void SetRowSelectMode(int Value);
  // Rows per background band; 0 or less: no bands.
  int RowColPattern() const { return FRowColPattern; }
  void SetRowColPattern(int Value);
  bool ShowEmptyCheckBoxes() const { return FShowEmptyCBx; }
  void SetShowEmptyCheckBoxes(bool Value);
  bool FixedFirstColumn() const { return FFixedColOne; }
  void SetFixedFirstColumn(bool Value);
  bool SortEnabled() const { return FSortEnabled; }
  void SetSortEnabled(bool Value) { FSortEnabled = Value; }
  bool UseCtrlForMultiSel() const { return FCtrlForMultiSel; }
  void SetUseCtrlForMultiSel(bool Value) { FCtrlForMultiSel = Value; }
  bool CheckMarksReadOnly() const { return FROCheckMarks; }
  void SetCheckMarksReadOnly(bool Value);
  bool SuppressPaint() const { return FSuppressPaint; }
  // Painting resumes (with one repaint) when set back to false.
  void SetSuppressPaint(bool Value);

  // ------------------------------------------------------------ cells (1-based)
  // The visible text; OnReadCell may replace what is returned.
  vcl::String Elem(int ACol, int ARow);
  void SetElem(int ACol, int ARow, const vcl::String& Value);
  bool ElemChecked(int ACol, int ARow) const { return FRLData->GetElemChecked(ACol, ARow); }
  void SetElemChecked(int ACol, int ARow, bool Value) { FRLData->SetElemChecked(ACol, ARow, Value); }
  // EVYRDStructError naming the view and the cell for a text that is no number.
  double AsNumber(int ACol, int ARow) const;
  vcl::String DefaultValue(int ACol, int ARow) const { return FRLData->GetCellDefaultValue(ACol, ARow); }

  // The store's accessor names of the cell properties, with the view's behaviour.
  vcl::String GetElem(int ACol, int ARow) { return Elem(ACol, ARow); }
  bool GetElemChecked(int ACol, int ARow) const { return ElemChecked(ACol, ARow); }
  double GetAsNumber(int ACol, int ARow) const { return AsNumber(ACol, ARow); }
  vcl::String GetCellDefaultValue(int ACol, int ARow) const { return DefaultValue(ACol, ARow); }

  // ------------------------------------------------------------ columns (1-based)
  vcl::String Header(int ColNr) const { return FRLData->GetColName(ColNr); }
  void SetHeader(int ColNr, const vcl::String& Value);
  vcl::String ColumnFormat(int ColNr) const { return FRLData->GetColumnFormat(ColNr); }
  void SetColumnFormat(int ColNr, const vcl::String& Value);
  TCheckMode ColumnCheckMode(int ColNr) const { return FRLData->GetColCheckMode(ColNr); }
  void SetColumnCheckMode(int ColNr, TCheckMode Value);
  bool IsCheckedColumn(int ColNr) const { return FRLData->GetCheckedCol(ColNr); }
  void SetIsCheckedColumn(int ColNr, bool Value);
  // The store's accessor names of the column properties, with the view's behaviour.
  vcl::String GetColName(int ColNr) const { return Header(ColNr); }
  void SetColName(int ColNr, const vcl::String& Value) { SetHeader(ColNr, Value); }
  vcl::String GetColumnFormat(int ColNr) const { return ColumnFormat(ColNr); }
  TCheckMode GetColCheckMode(int ColNr) const { return ColumnCheckMode(ColNr); }
  void SetColCheckMode(int ColNr, TCheckMode Value) { SetColumnCheckMode(ColNr, Value); }
  bool GetCheckedCol(int ColNr) const { return IsCheckedColumn(ColNr); }
  void SetCheckedCol(int ColNr, bool Value) { SetIsCheckedColumn(ColNr, Value); }
  vcl::TAlignment ColumnAlignment(int ColNr) const;
  void SetColumnAlignment(int ColNr, vcl::TAlignment Value);
  bool ColumnEditable(int ColNr) const;
  void SetColumnEditable(int ColNr, bool Value);
  bool ColumnIsPwd(int ColNr) const;
  void SetColumnIsPwd(int ColNr, bool Value);
  // The data column shown in grid column ColNr - 1; 0 out of range.
  int ColumnOrder(int ColNr) const;
  // The width of the grid column that ColumnOrder's entry ColNr - 1 names.
  int ColWidths(int Index) const;
  void SetColWidths(int Index, int Value);
  int SecondarySortColumn() const { return FRLData->FSortColumnSec; }
  // Accepted for -1..NrOfColumns.
  void SetSecondarySortColumn(int Value);

  // ------------------------------------------------------------ selection bits
  bool RowSelected(int RowNr) const;
  void SetRowSelected(int RowNr, bool Value);
  bool RowEnabled(int RowNr) const;
  void SetRowEnabled(int RowNr, bool Value);
  bool ColumnSelected(int ColNr) const;
  void SetColumnSelected(int ColNr, bool Value);

  // The cell under a client point: X the grid column + 1; Y the data row,
  // 0 outside the rows, -2 on the common header and -1 on the column headers.
  vcl::TPoint MouseCell(int X, int Y) const;

  // ------------------------------------------------------------ selection and enabling
  // Each fires OnSelectedChange and repaints once; rows and columns out of
  // range are ignored.
  void SelectRow(int RowNr);
  void SelectColumn(int ColNr);
  void SelectAllRows();
  void DeselectAllRows();
  void SelectAllColumns();
  void DeselectAllColumns();
  void EnableAllRows();
  void DisableAllRows();
  // The lowest selected row when it is enabled, else 0.
  int FirstSelectedRow() const;
  int FirstSelectedColumn() const;
  int NumSelectedRows() const;
  int NumSelectedColumns() const;
  int NumEnabledRows() const;
  // Selects Row and scrolls it to the middle of the view where it can.
  void CenterScrollAndSelect(int Row);

  // ------------------------------------------------------------ check marks (the store's)
  void SetAllCheckmarksOfCol(int Column, bool Checked);
  void SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly);
  void InvertAllCheckmarksOfCol(int Column);
  void InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly);
  // Disabled rows are not counted.
  int CountCheckedElemsInCol(int Column) const;
  int CountCheckedElemsInRow(int Row) const { return FRLData->CountCheckedElemsInRow(Row); }
  int FirstCheckedElemInCol(int ColNr) const { return FRLData->FirstCheckedElemInCol(ColNr); }
  int FirstCheckedElemInRow(int RowNr) const { return FRLData->FirstCheckedElemInRow(RowNr); }

  // ------------------------------------------------------------ structure
  // Each closes an open in-place editor first. The returned number is the
  // row (column) inserted; beyond the end one is appended.
  int InsertRow(int Row);
  int InsertColumn(int Col);
  // Appends a row; the new NrOfRows.
  int AddRow();
  // Removes the row shown as Row. The store's RemoveRow makes the current
  // sort order permanent first (as every structural change of the store
  // does), so the row removed is the one shown at Row and the others keep
  // the order they are shown in; LastSortColumn stays.
  void RemoveRow(int Row);
  void RemoveEmptyRows();
  void RemoveColumn(int Col);
  void Fill(const vcl::String& Value);
  // Empties the table; every column takes its default settings again.
  void Clear();
  // Entry i names the data column shown in grid column i; False when the
  // list does not have NrOfColumns entries or holds one out of range.
  bool SetColumnOrder(const std::vector<int>& ColList);

  // ------------------------------------------------------------ column widths
  // The widest text of a column (and its name) in the control's font, plus
  // room for a check box, a sort arrow and margins; 10 out of range.
  int DetermineMaxColWidth(int ColNr, bool IncludeHeader);
  void AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
  void AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth);
  // The column takes what the others leave of the client width (at least 16).
  void ExpandColWidth(int ColIx, int RightMargin);
  void FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth,
                       int RightMargin);

  // ------------------------------------------------------------ document
  const vcl::String& Comment() const { return FRLData->Comment(); }
  void SetComment(const vcl::String& Value) { FRLData->SetComment(Value); }
  const vcl::String& DataID() const { return FRLData->DataID(); }
  void SetDataID(const vcl::String& Value) { FRLData->SetDataID(Value); }
  int LastSortColumn() const { return FRLData->LastSortColumn(); }
  bool LastSortOrder() const { return FRLData->LastSortOrder(); }
  void Sort(int Col, int ColSec, bool Ascending);
  void UnSort();
  // Enables the rows that match FilterExp in FilterColumns (all when empty),
  // disables the others (OnBeforeFilter may decide or combine per row) and
  // sorts by SortColumn with the matching rows first; the number of matches.
  // The expressions are described in docs/filter.md; one that cannot be
  // read raises EVYRFilterSyntaxError (an EVYRRepListError) naming the
  // position, before any row changes.
  int FilterAndSort(const vcl::String& FilterExp, const std::vector<int>& FilterColumns,
                    bool IgnoreCase, TFilterMode FilterMode, int SortColumn, bool Ascending);
  // The filtering pass of FilterAndSort alone: enables the matching rows,
  // disables the others, keeps the order; the number of matches.
  int FilterRows(const vcl::String& FilterExp, const std::vector<int>& FilterColumns,
                 bool IgnoreCase, TFilterMode FilterMode);
  // The rows of the last filter pass on which an fmGrep expression reached
  // its match, depth or heap limit (VYR_rlfilter.h) in every filter column
  // without matching: they count as not matching. 0 for the other modes.
  int FilterLimitHits() const { return FFilterLimitHits; }
  // Sorts by the two columns with the enabled rows before the disabled ones.
  void SortEnabledState(int SortColumn1, int SortColumn2, bool Ascending);

  // ------------------------------------------------------------ edit-row dialog
  // A modal dialog with one labelled input control per column, made from
  // the column's format (OnRequestEditFormat may replace it per column):
  // combo boxes ("c", "l"), a date/time picker ("d"), numeric fields ("e",
  // "f", "h", "i"), an edit ("s"); "#" shows the field disabled and gray.
  // Fields start with the cell's text (the format's default when empty).
  // OK, or Enter in an enabled field, writes every field back to the row;
  // anything else writes nothing. Returns the modal result (mrNone, showing
  // nothing, for a row out of range). Names, tags and positions of the
  // run-time controls are listed in VYR_rleditrow.cpp; they exist only
  // while the dialog is shown.
  // Own dialog, captioned "Editing Row " + Row, with "OK" and "Cancel".
  int EditRowEntries(int Row, int PosLeft, int PosTop);
  int EditRowEntries(int Row, int PosLeft, int PosTop, const vcl::String& FormCaption,
                     const vcl::String& ButOKCaption, const vcl::String& ButCancelCaption);
  // The fields go onto ContainerForm at (PosLeft, PosTop), which is then
  // shown modally (enlarged to hold them when smaller).
  int EditRowEntries(int Row, vcl::TForm* ContainerForm, int PosLeft, int PosTop);

  // ------------------------------------------------------------ exchange (the store's)
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                       bool UseTabs);
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                       const vcl::String& Separator);
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                       const char16_t* Separator) {
    CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, vcl::String(Separator));
  }
  void WriteToXMLStream(vcl::TStream* OutStream, bool CreateHeader, const vcl::String& DataID);
  void WriteToOpenXMLFile(std::FILE* OutFile, bool CreateHeader, const vcl::String& DataID);
  void SaveAsXMLFile(const vcl::String& FName, const vcl::String& DataID);
  bool ReadFromXMLStream(vcl::TStream* InStream, const vcl::String& DataID);
  bool ReadFromXMLString(const vcl::String& InString, const vcl::String& DataID);
  bool ReadFromOpenXMLFile(std::FILE* InFile, const vcl::String& DataID);
  bool LoadFromXMLFile(const vcl::String& FName, const vcl::String& DataID);
  void ExportHTMLTable(const vcl::String& FName, int LoC, int LoR, int HiC, int HiR,
                       const std::vector<int>& ColumnSelection, int Border, int CellSpacing,
                       int CellPadding, bool IncludeHeader, const vcl::String& HeadClass,
                       const vcl::String& CellClass, const vcl::String& TableClass);
  int ExportCSV(const vcl::String& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders,
                bool IncludeCommonHeader, int FirstCol, int FirstRow, int LastCol, int LastRow);
  int ImportCSV(const vcl::String& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders);
  int LoadLinesFromFile(int Column, int FirstRow, const vcl::String& FName);

  // From another report list view: its settings (header heights, the empty
  // message and its color, multi-selection with Ctrl included), events and
  // table. The grid's own settings stay as they are: default cell sizes,
  // Options, ScrollBars, BorderStyle, DefaultDrawing and the scroll
  // position (LeftCol, TopRow) belong to this view's place on its form.
  void Assign(vcl::TPersistent* Source) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // ------------------------------------------------------------ events
  TRenderCellEvent OnBeforeRenderCell() const { return FOnBefRenderCell; }
  void SetOnBeforeRenderCell(TRenderCellEvent Value) { FOnBefRenderCell = std::move(Value); }
  TReadCellEvent OnReadCell() const { return FOnReadCell; }
  void SetOnReadCell(TReadCellEvent Value) { FOnReadCell = std::move(Value); }
  TCheckStateChangeEvent OnCheckedChange() const { return FOnChkStChange; }
  void SetOnCheckedChange(TCheckStateChangeEvent Value) { FOnChkStChange = std::move(Value); }
  TCheckStateChangeEvent OnBeforeCheckedChange() const { return FOnBefChkStChange; }
  void SetOnBeforeCheckedChange(TCheckStateChangeEvent Value) { FOnBefChkStChange = std::move(Value); }
  TRequestEditFormatEvent OnRequestEditFormat() const { return FOnRequestEdFmt; }
  void SetOnRequestEditFormat(TRequestEditFormatEvent Value) { FOnRequestEdFmt = std::move(Value); }
  TBeforeFilterEvent OnBeforeFilter() const { return FOnBeforeFilter; }
  void SetOnBeforeFilter(TBeforeFilterEvent Value) { FOnBeforeFilter = std::move(Value); }
  TCursorKeyActionEvent OnCursorKeyAction() const { return FOnCursorKeyAction; }
  void SetOnCursorKeyAction(TCursorKeyActionEvent Value) { FOnCursorKeyAction = std::move(Value); }
  vcl::TNotifyEvent OnSelectedChange() const { return FOnSelectedChange; }
  void SetOnSelectedChange(vcl::TNotifyEvent Value) { FOnSelectedChange = std::move(Value); }
  vcl::TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }
  vcl::TNotifyEvent OnChangeSetup() const { return FOnChangeSetup; }
  void SetOnChangeSetup(vcl::TNotifyEvent Value) { FOnChangeSetup = std::move(Value); }
  TBeforeSortExchgEvent OnBeforeSortExchange() const { return FOnBefSortExc; }
  void SetOnBeforeSortExchange(TBeforeSortExchgEvent Value) { FOnBefSortExc = std::move(Value); }
  TBeforeHTMLExportEvent OnBeforeHTMLExport() const { return FOnBefHTMLExport; }
  void SetOnBeforeHTMLExport(TBeforeHTMLExportEvent Value) { FOnBefHTMLExport = std::move(Value); }
  TOnPercentDoneEvent OnPercentDone() const { return FOnPercentDone; }
  void SetOnPercentDone(TOnPercentDoneEvent Value) { FOnPercentDone = std::move(Value); }

 protected:
  void CreateWnd() override;
  void Paint() override;
  void DrawCell(int ACol, int ARow, const vcl::TRect& ARect, vcl::TGridDrawState AState) override;
  // The data column shown in grid column ACol (1-based).
  int DataColumn(int ACol) const;
  void Changed();
  void ChangedSetup();
  void SelectedChanged();

  // Input (VYR_rlviewinput.cpp).
  // Editing is allowed in the data rows of editable columns; OnSelectCell decides.
  bool SelectCell(int ACol, int ARow) override;
  // The editor's text: the cell without its check marker; ACol is the grid
  // column, ARow the grid row; the events get the grid column and the data row.
  vcl::String GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const vcl::String& Value) override;
  // Cursor keys select the row they reach.
  void KeyDown(std::uint16_t& Key, vcl::TShiftState Shift) override;
  // With AutoAdvance, Enter moves one row down.
  void KeyPress(char16_t& Key) override;
  // The wheel only fires OnMouseWheelDown/OnMouseWheelUp; the current row stays.
  bool DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
  bool DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
  // A header click sorts; a click on a check box toggles it; a click selects
  // rows by RowSelectMode.
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  // In mode 2 a release beyond the last column or row deselects every row.
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  // On a column header border: the column left of it fits its contents.
  void DblClick() override;
  // The three EditRowEntries in one: ContainerForm null makes an own form.
  int EditRowEntriesIntern(int Row, vcl::TForm* ContainerForm, int PosLeft, int PosTop,
                           const vcl::String& FormCaption, const vcl::String& ButOKCaption,
                           const vcl::String& ButCancelCaption);

 private:
  // Painting (VYR_rlviewpaint.cpp).
  struct TCellColors;
  void PaintEmptyMessage(vcl::TCanvas& C);
  void PaintInterRowIndicator(vcl::TCanvas& C);
  void DrawDataCell(int ACol, int ARow, const vcl::TRect& ARect, vcl::TGridDrawState AState);
  void DrawHeaderCell(int ACol, int ARow, const vcl::TRect& ARect, vcl::TGridDrawState AState);
  void DrawCommonHeader(vcl::TCanvas& C, const vcl::TRect& Cell);
  void DrawColumnHeader(vcl::TCanvas& C, int DataCol, const vcl::TRect& Cell);
  void DrawSortArrow(vcl::TCanvas& C, int X0, int Y0);
  void DrawCheckMark(vcl::TCanvas& C, TCheckMode Mode, const vcl::TRect& Cell, bool Checked,
                     vcl::TColor Outline, vcl::TColor Mark);
  TCellColors CellColors(int DataCol, int DataRow, int GridRow, bool FixedCell) const;
  vcl::String CutText(vcl::TCanvas& C, const vcl::String& Text, int Room, bool RightAligned) const;
  int AlignedX(vcl::TCanvas& C, const vcl::TRect& TextRect, const vcl::String& Text,
               vcl::TAlignment Alignment) const;
  int HeaderRight() const;

  // Layout and store links (VYR_rlview.cpp).
  void ConnectStore();
  void ApplyHeaderHeights();
  void RebuildHeaderRows();
  void ApplyFixedColumns();
  void ResizeColumnArrays(int Count);
  // The grid's rows after the store's row count changed (VYR_rlviewstruct.cpp).
  void FollowRowCount();
  void FollowColumnCount(int OldCount);
  void SetAllRowBits(std::uint8_t Bit, bool Value);
  void SetAllColumnBits(bool Value);
  void SyncWithStore();
  void StoreChanged();
  void RepaintNow();
  void SetSetupColor(vcl::TColor& Field, vcl::TColor Value);
  bool ValidCol(int ColNr) const { return ColNr >= 1 && ColNr <= NrOfColumns(); }
  bool ValidRow(int RowNr) const { return RowNr >= 1 && RowNr <= NrOfRows(); }
  void SetRowBit(int RowNr, std::uint8_t Bit, bool Value);
  // Clears the selection bit of every selected row, firing nothing.
  void ClearRowSelection();
  // Mouse parts (VYR_rlviewinput.cpp).
  int ColumnHeaderRow() const { return FColHdVis ? (FComHdVis ? 1 : 0) : -1; }
  vcl::TPoint ClientPoint(int X, int Y) const;
  void SortByHeaderClick(int GridCol, int X);
  void ToggleCheckByClick(int GridCol, int GridRow, int X);
  void SelectRowsByClick(vcl::TShiftState Shift);
  template <class F>
  auto ExchangeAndSync(F&& Operation);
  // Edit-row dialog parts (VYR_rleditrow.cpp).
  int EditLabelWidth(vcl::TForm& Form);
  int AddEditField(vcl::TForm& Form, int k, int Row, int X, int Y, int LabelWidth);
  vcl::TWinControl* MakeEditControl(vcl::TForm& Form, const TColFormatParts& Parts, int k, int Row);
  vcl::TWinControl* MakeDatePicker(vcl::TForm& Form, const TColFormatParts& Parts,
                                   const vcl::String& Number, const vcl::String& Cell);
  void AddEditButtons(vcl::TForm& Form, int Widest, const vcl::String& OkCaption,
                      const vcl::String& CancelCaption);
  void WriteBackEditFields(vcl::TForm& Form, int Row);
  static void FreeRuntimeControls(vcl::TForm& Form);
  // Filtering (VYR_rlviewfilter.cpp).
  class TRowMatcher;
  struct TFilterPass {
    std::vector<int> Columns;
    TRowMatcher* Matcher;
  };
  void DecideRows(TFilterPass& Pass, std::vector<std::uint8_t>& Found);
  // The last sort request of SortEnabledState and what it sorted.
  struct TSortMemo {
    int Col = -2, ColSec = -2;
    bool Ascending = true;
    const TStringArray* Table = nullptr;
    std::uint64_t Changes = 0;
    bool Same(const TSortMemo& O) const {
      return Col == O.Col && ColSec == O.ColSec && Ascending == O.Ascending && Table == O.Table &&
             Changes == O.Changes;
    }
  };
  bool DecideRow(TFilterPass& Pass, int Row, std::span<const std::u16string_view> Cells);

  bool FAutoAdvance = false;
  int FLastMousePosX = 0, FLastMousePosY = 0;
  vcl::TNotifyEvent FOnChange, FOnChangeSetup, FOnSelectedChange;
  std::vector<vcl::TAlignment> FColAlignment;
  vcl::TAlignment FHeaderAlignment = vcl::taCenter;
  vcl::String FEmptyMsg;
  std::vector<bool> FColumnEditable;
  std::vector<bool> FColumnIsPwd;
  std::vector<int> FColOrder;
  bool FComHdVis = false;
  vcl::TColor FComHdColor = vcl::clBtnFace, FComHdTxtColor = 0x000000;
  int FComHdHgt = 20;
  bool FColHdVis = true;
  vcl::TColor FColHdTxtColor = 0x000000;  // the background is the grid's FixedColor
  int FColHdHgt = 20;
  vcl::TColor FColorEmptyMsg = 0x000000;
  vcl::TColor FDisabledTextColor = 0xC0C0C0, FDisabledBkgdColor = 0xF0F0F0;
  bool FEnabled = true;
  int FSelectAnchor = 1;
  int FRowSelectMode = 1;
  bool FCtrlForMultiSel = true;
  bool FSortEnabled = true;
  TCheckStateChangeEvent FOnChkStChange, FOnBefChkStChange;
  TBeforeFilterEvent FOnBeforeFilter;
  TRequestEditFormatEvent FOnRequestEdFmt;
  vcl::TColor FSelRowColor = 0x94BAED, FSelRowTextColor = 0x800000;
  vcl::TColor FSelColColor = 0, FSelColTextColor = 0, FSelBothColor = 0, FSelBothTextColor = 0;
  bool FShowEmptyCBx = true;
  bool FROCheckMarks = false;
  vcl::TColor FHiLgtColor = 0xCC9966, FHiLgtTextColor = 0xFFFFFF;
  bool FHiLgtBold = false;
  int FHiLgtRow = 0, FHiLgtColumn = 0;
  TOnPercentDoneEvent FOnPercentDone;
  TRenderCellEvent FOnBefRenderCell;
  TCursorKeyActionEvent FOnCursorKeyAction;
  TReadCellEvent FOnReadCell;
  TBeforeSortExchgEvent FOnBefSortExc;
  TBeforeHTMLExportEvent FOnBefHTMLExport;
  bool FSuppressPaint = true;
  vcl::TColor FColorNormal = 0x002000;
  vcl::TColor FRColorNormal = 0xFFFFFF, FRColorShaded = 0xF0EFE8;
  int FRowColPattern = 1;
  int FInterRowIndi = 0;
  vcl::TColor FInterRowColor = 0x0000FF;
  int FInterRowWidth = 3;
  bool FFixedColOne = false;
  // The edit-row dialog's form and cancel button while it is shown.
  vcl::TForm* FContainerForm = nullptr;
  vcl::TSpeedButton* FSBERCancel = nullptr;
  // Its pickers whose cell did not read and that the user has not changed.
  std::vector<vcl::TDateTimePicker*> FUnreadDatePickers;
  std::unique_ptr<TRLData> FRLData;
  bool FCommonHeaderDrawn = false;
  int FFilterLimitHits = 0;
  // Changes the store's table has reported (texts, size) and check modes set.
  std::uint64_t FStoreChanges = 0;
  TSortMemo FSortMemo;
  std::vector<int> FSortedRows;  // physical rows in the order of FSortMemo  // the common header band of this paint is drawn
};

}  // namespace vyr
