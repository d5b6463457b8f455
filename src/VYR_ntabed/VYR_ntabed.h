// The numeric table editor: a grid over a TDataTable of the math package
// showing the table's values with a name and an attribute byte for every
// column and row, two kinds of cell marks, empty and invalid cells, locked
// cells and nominal columns whose values stand for identifiers. It edits
// values in place (a pick list in nominal columns), names and attributes in
// a head editor and the table comment in a memo, and offers two popup menus
// of commands: marking, clearing, copying and pasting blocks, reading
// numbers from any clipboard text, selecting, inserting and deleting.
//
// Coordinates. Data columns and rows count from 1 in every method here;
// the grid adds the heads in front (VYR_ntabedlayout.h has the picture):
// grid column = data column + FColOffset, grid row = data row + FRowOffset.
// Selection(), Col(), Row(), CellRect() and MouseCoord() are the grid's and
// use grid coordinates.
//
// Cell states (a byte per cell, kept by the table):
//   bit 0 (1)    no valid number: shown as "-nan-"
//   bit 1 (2)    empty: shown blank (before bit 0)
//   bit 4 (16)   locked: the in-place editor does not open
//   bit 6 (64)   mark A        bit 7 (128)  mark B
// Bits 2, 3 and 5 are carried along by every operation.
//
// Painting and change events. SuppressPaint (public) and an internal flag
// set around multi-cell operations stop painting and every change event;
// such an operation ends in one repaint. Each Changed* notifier fires its
// event only while neither is set.
//
// Speed. Painting visits only the cells that show; nothing in a paint
// depends on the size of the table.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "companion/basepack/VYR_vyrbase.h"
#include "VYR_ntabed/VYR_ntabedlayout.h"
#include "companion/mathpack/VYR_datatable.h"
#include "platform/Grids.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"

namespace vyr {

class EVYRNTabedError : public EVYRError {
 public:
  using EVYRError::EVYRError;
};

// Offered every data cell (data coordinates) before it is drawn; what the
// handler leaves in the four references is used.
using TBeforeRenderCellEvent =
    std::function<void(vcl::TObject* Sender, int colix, int rowix, vcl::String& Text,
                       vcl::TColor& ColorText, vcl::TColor& ColorBakg,
                       vcl::TFontStyles& FontStyles)>;
// Fired just before the editor shows one of its own popup menus.
using TBeforePopupEvent = std::function<void(vcl::TObject* Sender, vcl::TPopupMenu* PMenu)>;

// Cell-state bits the editor gives a meaning.
inline constexpr std::uint8_t csNoNumber = 1;
inline constexpr std::uint8_t csEmpty = 2;
inline constexpr std::uint8_t csLocked = 16;
inline constexpr std::uint8_t csMarkA = 64;
inline constexpr std::uint8_t csMarkB = 128;

class TNTabEd : public vcl::TCustomGrid {
 public:
  explicit TNTabEd(vcl::TComponent* AOwner);
  ~TNTabEd() override;

  // The table shown: the editor's own, or one assigned with
  // AssignAnotherDataMatrix (which the editor does not free).
  TDataTable* Data = nullptr;

  // ------------------------------------------------------------ size
  int NrOfColumns() const { return Data->NrOfColumns(); }
  // New columns take the width and the decimals of the former last one.
  // EVYRNTabedError ("not enough memory on heap") when the table cannot
  // grow; the editor then stays as it was.
  void SetNrOfColumns(int Value);
  int NrOfRows() const { return Data->NrOfRows(); }
  void SetNrOfRows(int Value);
  // Both dimensions in one step.
  void Redimension(int NrCols, int NrRows);

  // ------------------------------------------------------------ layout
  bool AttribRowVisible() const { return FColOffset == 1; }
  // Shows or hides grid column 1, the row attributes.
  void SetAttribRowVisible(bool Value);
  bool AttribColVisible() const { return FRowOffset == 1; }
  // Shows or hides grid row 1, the column attributes.
  void SetAttribColVisible(bool Value);
  // The data column (row) shown first; set, limited to 1..NrOfColumns.
  int LeftCol() const { return vcl::TCustomGrid::LeftCol() - FColOffset; }
  void SetLeftCol(int Value);
  int TopRow() const { return vcl::TCustomGrid::TopRow() - FRowOffset; }
  void SetTopRow(int Value);
  int DefaultColWidth() const { return vcl::TCustomGrid::DefaultColWidth(); }
  // Every column takes the width, except the name column (80 pixels) and
  // the attribute column (its own width).
  void SetDefaultColWidth(int Value);
  // Index >= 1: data column Index; 0: the name column; -1: the attribute
  // column (0 and ignored while hidden; its width is kept for showing it
  // again). Other indices read 0 and are ignored.
  int ColWidths(int Index) const;
  void SetColWidths(int Index, int Value);
  // The same mapping for rows: data rows, the head row (0) and the
  // attribute row (-1).
  int RowHeights(int Index) const;
  void SetRowHeights(int Index, int Value);
  // Minimum width of the number texts, 1..20 (other values are ignored).
  int NumWidth() const { return FNumWidth; }
  void SetNumWidth(int Value);
  // The column's decimal places, -1 (exponent form) .. 10; 0 out of range.
  std::int8_t Precision(int ColNr) const;
  void SetPrecision(int ColNr, int Value);
  std::int8_t GetDecPlaces(int ColNr) const { return Precision(ColNr); }
  void SetDecPlaces(int ColNr, int Value) { SetPrecision(ColNr, Value); }

  // ------------------------------------------------------------ colors
  vcl::TColor ColorBackground() const { return Color(); }
  void SetColorBackground(vcl::TColor Value);
  vcl::TColor ColorFixed() const { return FixedColor(); }
  void SetColorFixed(vcl::TColor Value);
  vcl::TColor ColorNormal() const { return FColorNormal; }
  void SetColorNormal(vcl::TColor Value) { SetLayoutColor(FColorNormal, Value); }
  vcl::TColor ColorSelected() const { return FColorSelected; }
  void SetColorSelected(vcl::TColor Value) { SetLayoutColor(FColorSelected, Value); }
  vcl::TColor ColorMarkedA() const { return FColorMarkedA; }
  void SetColorMarkedA(vcl::TColor Value) { SetLayoutColor(FColorMarkedA, Value); }
  vcl::TColor ColorMarkedB() const { return FColorMarkedB; }
  void SetColorMarkedB(vcl::TColor Value) { SetLayoutColor(FColorMarkedB, Value); }
  vcl::TColor ColorMarkedBoth() const { return FColorMarkedBoth; }
  void SetColorMarkedBoth(vcl::TColor Value) { SetLayoutColor(FColorMarkedBoth, Value); }
  vcl::TColor ColorRangeSelFG() const { return FColorRangeSelFG; }
  void SetColorRangeSelFG(vcl::TColor Value) { SetLayoutColor(FColorRangeSelFG, Value); }
  vcl::TColor ColorRangeSelBG() const { return FColorRangeSelBG; }
  void SetColorRangeSelBG(vcl::TColor Value) { SetLayoutColor(FColorRangeSelBG, Value); }
  bool BoldMarks() const { return FBoldMarks; }
  void SetBoldMarks(bool Value);
  bool BoldSelHeads() const { return FBoldSelHeads; }
  void SetBoldSelHeads(bool Value);
  // Whether the corner shows the current cell as "column:row".
  bool ShowCellCursor() const { return FShowCellCursor; }
  void SetShowCellCursor(bool Value);
  // Row heights follow the font at every paint.
  bool OptimizeRowHeight() const { return FOptimizeRowHeight; }
  void SetOptimizeRowHeight(bool Value);

  // ------------------------------------------------------------ behaviour
  // Enter moves on to the next cell: down (orVertical) or right.
  bool AutoAdvance() const { return FAutoAdvance; }
  void SetAutoAdvance(bool Value) { FAutoAdvance = Value; }
  TOrientation AutoAdvanceDir() const { return FAutoAdvanceDir; }
  void SetAutoAdvanceDir(TOrientation Value) { FAutoAdvanceDir = Value; }
  // True keeps the editor's own popups and the comment memo closed.
  bool BlockInternalPopup() const { return FBlockInternalPopup; }
  void SetBlockInternalPopup(bool Value) { FBlockInternalPopup = Value; }
  bool CommentEditingAllowed() const { return FCommentEditingAllowed; }
  void SetCommentEditingAllowed(bool Value) { FCommentEditingAllowed = Value; }
  // Copy writes every number with 14 significant digits (else with the
  // column's decimals).
  bool ClipboardUseFullPrec() const { return FClipboardUseFullPrec; }
  void SetClipboardUseFullPrec(bool Value) { FClipboardUseFullPrec = Value; }
  bool DataReadOnly() const { return FDataReadOnly; }
  // True closes the in-place editor (keeping its text) and stops editing.
  void SetDataReadOnly(bool Value);
  // Rows of the pick list of nominal columns.
  int NomEditDropDownCount() const { return FNomEditDropDownCount; }
  void SetNomEditDropDownCount(int Value);
  bool SuppressPaint() const { return FSuppressPaint; }
  // False repaints at once.
  void SetSuppressPaint(bool Value);
  const vcl::String& Comment() const { return Data->Comment(); }
  // Stored without control characters; fires OnChange.
  void SetComment(const vcl::String& Value);
  const vcl::String& GetComment() const { return Comment(); }

  // ------------------------------------------------------------ cells (data coordinates)
  double Elem(int ACol, int ARow) const { return Data->GetElem(ACol, ARow); }
  // The repaint and OnChange come from the table's change notification.
  void SetElem(int ACol, int ARow, double Value) { Data->SetElem(ACol, ARow, Value); }
  double GetElem(int ACol, int ARow) const { return Elem(ACol, ARow); }
  std::uint8_t CellState(int ACol, int ARow) const { return Data->GetCellState(ACol, ARow); }
  // The whole state byte; ignored out of range; repaints, fires
  // OnCellStateChanged.
  void SetCellState(int ACol, int ARow, std::uint8_t Value);
  std::uint8_t GetCellState(int ACol, int ARow) const { return CellState(ACol, ARow); }
  bool ElemMarkedA(int ACol, int ARow) const { return (CellState(ACol, ARow) & csMarkA) != 0; }
  void SetElemMarkedA(int ACol, int ARow, bool Value) { SetMarkBit(ACol, ARow, csMarkA, Value); }
  bool ElemMarkedB(int ACol, int ARow) const { return (CellState(ACol, ARow) & csMarkB) != 0; }
  void SetElemMarkedB(int ACol, int ARow, bool Value) { SetMarkBit(ACol, ARow, csMarkB, Value); }
  bool GetElemMarkedA(int ACol, int ARow) const { return ElemMarkedA(ACol, ARow); }
  bool GetElemMarkedB(int ACol, int ARow) const { return ElemMarkedB(ACol, ARow); }
  bool IsEmpty(int ACol, int ARow) const { return (CellState(ACol, ARow) & csEmpty) != 0; }
  void SetIsEmpty(int ACol, int ARow, bool Value);
  bool GetIsEmpty(int ACol, int ARow) const { return IsEmpty(ACol, ARow); }
  bool IsNumber(int ACol, int ARow) const { return Data->GetIsNumber(ACol, ARow); }
  bool GetIsNumber(int ACol, int ARow) const { return IsNumber(ACol, ARow); }

  // ------------------------------------------------------------ heads
  // Names of at most 50 characters; empty (0) and ignored out of range.
  vcl::String ColName(int ColNr) const { return Data->GetColName(ColNr); }
  void SetColName(int ColNr, const vcl::String& Value);
  vcl::String RowName(int RowNr) const { return Data->GetRowName(RowNr); }
  void SetRowName(int RowNr, const vcl::String& Value);
  std::uint8_t ColAttrib(int ColNr) const { return Data->GetColAttrib(ColNr); }
  void SetColAttrib(int ColNr, std::uint8_t Value);
  std::uint8_t RowAttrib(int RowNr) const { return Data->GetRowAttrib(RowNr); }
  void SetRowAttrib(int RowNr, std::uint8_t Value);
  vcl::String GetColName(int ColNr) const { return ColName(ColNr); }
  vcl::String GetRowName(int RowNr) const { return RowName(RowNr); }
  std::uint8_t GetColAttrib(int ColNr) const { return ColAttrib(ColNr); }
  std::uint8_t GetRowAttrib(int RowNr) const { return RowAttrib(RowNr); }

  // ------------------------------------------------------------ structure
  // Inserting at count + 1 appends; removing never takes the last row or
  // column. Decimals and widths move with their columns, heights with
  // their rows. Each fires OnChangeSetup once.
  void InsertRow(int ix);
  void InsertColumn(int ix);
  void RemoveRow(int ix);
  void RemoveColumn(int ix);
  void MirrorRows();
  void MirrorColumns();
  // Values, states, heads and the comment back to their initial values;
  // columns named C-1, C-2, ..., rows, ..., all decimals 3. Fires
  // no event.
  void Clear();

  // ------------------------------------------------------------ values and marks
  // Every value (states, events and painting untouched).
  void Fill(double value);
  // Every cell whose state has a bit of Statemask gets value; the count.
  int FillMarkedCells(double value, std::uint8_t Statemask);
  void InvertCellStates(std::uint8_t StateMask);
  void ExchangeMarkings();
  void MarkAllElemsA();
  void MarkAllElemsB();
  void UnMarkAllElems();
  int NrOfMarkedDataA() const;
  int NrOfMarkedDataB() const;
  // Whether a cell of the row (column) carries mark A or B; False out of range.
  bool IfRowMarked(int row) const;
  bool IfColumnMarked(int col) const;
  bool IfAnyMarked() const;

  // ------------------------------------------------------------ other tables
  // Shows NewDTab, which stays the caller's: the editor only hooks its
  // notifications into it (and unhooks them when it is freed). The editor's
  // own table is freed; the decimals of columns the new table has beyond
  // the old count are those of the former last column. nullptr takes a
  // copy of the table shown back into a table of the editor's own. When an
  // assigned table is freed first, the editor goes on with an own empty
  // table of the same size.
  void AssignAnotherDataMatrix(TDataTable* NewDTab);
  bool ExtMatAssigned() const { return FExtMatAssigned; }
  // Everything of ExtTab's table (values, states, heads, scale types,
  // identifiers, comment) and its decimals; the dimensions follow.
  void CopyContentsFrom(TNTabEd* ExtTab);
  // The states of the cells both tables have; the values stay.
  void CopyCellStatesFrom(TNTabEd* ExtTab);
  // The first column (row) whose name is ColID (RowID) exactly, after
  // cutting it to 50 characters; 0 when none is.
  int FindColIndex(const vcl::String& ColID) const;
  int FindRowIndex(const vcl::String& RowID) const;

  // ------------------------------------------------------------ sorting
  // Rows LowRow..HighRow in the order of their values in column SortColIx
  // (cells without a number last, equal values keeping their order); the
  // cells of columns LowCol..HighCol move, and with IncludeHeaders the row
  // names and attributes too. Ranges are cut to the table.
  void SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                bool IncludeHeaders);
  // Columns LowCol..HighCol by their values in row SortRowIx; the cells of
  // rows LowRow..HighRow move, and with IncludeHeaders the column heads
  // (names, attributes, scale types, identifiers) and the decimals too.
  void SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                bool IncludeHeaders);
  // Columns LowCol..HighCol by their attribute bytes (names by their code
  // units, or ignoring case), moving their heads, their decimals and the
  // cells of rows LowRow..HighRow. Ties keep their order.
  void SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  void SortColNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  void SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol,
                    int HighRow);
  // Rows LowRow..HighRow by attribute (name), moving their names and
  // attributes and the cells of columns LowCol..HighCol.
  void SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  void SortRowNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  void SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol,
                    int HighRow);

  // ------------------------------------------------------------ clipboard
  // The size of the number matrix in the clipboard text: the most numbers
  // on a line and the lines up to the last one with a number. False (and
  // 1 x 1) when the clipboard holds no number. Commas stay decimal
  // separators here ("1,5" is one number).
  bool GetClipMatrixSize(int& NCols, int& NRows);
  // The scanner of the clipboard reader (VYR_ntabedtext.h).
  static double ScanClipNumber(const vcl::String& Text, int& Pos, bool ExpAllowed, int SepMode);

  // ------------------------------------------------------------ popup menus
  vcl::TPopupMenu* PopupD() const { return FPopupD; }
  vcl::TPopupMenu* PopupH() const { return FPopupH; }
  // Captions of at most 50 characters: data items 1..12, head items 1..5,
  // mark and unmark submenu items 1..4 (both submenus of a kind at once).
  vcl::String PopupDCaptions(int ix) const;
  void SetPopupDCaptions(int ix, const vcl::String& Value);
  vcl::String PopupHCaptions(int ix) const;
  void SetPopupHCaptions(int ix, const vcl::String& Value);
  vcl::String PopupMCaptions(int ix) const;
  void SetPopupMCaptions(int ix, const vcl::String& Value);
  vcl::String PopupUCaptions(int ix) const;
  void SetPopupUCaptions(int ix, const vcl::String& Value);
  // Bit i-1 enables item i; fires OnChangeSetup.
  int PopupDMask() const { return FPopupDMask; }
  void SetPopupDMask(int Value);
  int PopupHMask() const { return FPopupHMask; }
  void SetPopupHMask(int Value);
  // The grid cell of the last mouse press or release; head commands act on it.
  vcl::TGridCoord PopupCell() const { return FPopupCell; }
  bool DataCopyAvailable() const { return FDataCopyAvail; }

  // The commands (Sender: the clicked item). Block commands act on the
  // selection's data cells.
  void PopupMenuClickMarkARange(vcl::TObject* Sender);
  void PopupMenuClickMarkAColumn(vcl::TObject* Sender);
  void PopupMenuClickMarkARow(vcl::TObject* Sender);
  void PopupMenuClickMarkAAll(vcl::TObject* Sender);
  void PopupMenuClickMarkBRange(vcl::TObject* Sender);
  void PopupMenuClickMarkBColumn(vcl::TObject* Sender);
  void PopupMenuClickMarkBRow(vcl::TObject* Sender);
  void PopupMenuClickMarkBAll(vcl::TObject* Sender);
  void PopupMenuClickUnMarkARange(vcl::TObject* Sender);
  void PopupMenuClickUnMarkAColumn(vcl::TObject* Sender);
  void PopupMenuClickUnMarkARow(vcl::TObject* Sender);
  void PopupMenuClickUnMarkAAll(vcl::TObject* Sender);
  void PopupMenuClickUnMarkBRange(vcl::TObject* Sender);
  void PopupMenuClickUnMarkBColumn(vcl::TObject* Sender);
  void PopupMenuClickUnMarkBRow(vcl::TObject* Sender);
  void PopupMenuClickUnMarkBAll(vcl::TObject* Sender);
  void PopupMenuClickUnMarkAll(vcl::TObject* Sender);
  // Value 0 and state 0 in every selected cell, or OnClear instead.
  void PopupMenuClickClear(vcl::TObject* Sender);
  // The selected block to the clipboard (as text) and to the data copy.
  void PopupMenuClickCopy(vcl::TObject* Sender);
  // The data copy at the selection's top-left cell.
  void PopupMenuClickPaste(vcl::TObject* Sender);
  // Toggles DataReadOnly.
  void PopupMenuClickEdit(vcl::TObject* Sender);
  // Numbers of any clipboard text, line by line, from the selection's
  // top-left cell; numbers beyond the table are dropped. A text that
  // cannot be read leaves the table as it was.
  void PopupMenuClickExtClip(vcl::TObject* Sender);
  void PopupMenuClickSelAll(vcl::TObject* Sender);
  // Flips the empty bit of every selected cell.
  void PopupMenuClickEmptyCells(vcl::TObject* Sender);
  // Opens the head editor over the popup cell's head.
  void PopupMenuClickChangeID(vcl::TObject* Sender);
  // Steps the column's decimals 3, 2, 1, 0, -1, 10, 9, ... and shows the
  // head popup again.
  void PopupMenuClickPrecision(vcl::TObject* Sender);
  void PopupMenuClickSelectCol(vcl::TObject* Sender);
  void PopupMenuClickSelectRow(vcl::TObject* Sender);
  void PopupMenuClickInsertCol(vcl::TObject* Sender);
  void PopupMenuClickInsertRow(vcl::TObject* Sender);
  void PopupMenuClickDeleteCol(vcl::TObject* Sender);
  void PopupMenuClickDeleteRow(vcl::TObject* Sender);
  // The data popup's OnPopup: enables Paste, Clear and Extract by the
  // mask, the data copy and DataReadOnly.
  void PopupMenuDLoadPopup(vcl::TObject* Sender);

  // ------------------------------------------------------------ display
  // Draws the cursor text of grid cell (ACol, ARow) into the corner now.
  void DisplayCellCursor(int ACol, int ARow);
  // The row height the font needs plus Addon; applied to RowHeights[RowNr].
  int AutoRowHeight(int RowNr, int Addon);
  // The column width its texts need plus Addon; applied to ColWidths[ColNr].
  int AutoColWidth(int ColNr, bool IncludeHeader, int Addon);

  // ------------------------------------------------------------ notifiers
  void ChangedData();
  void ChangedSetup();
  void ChangedHeading();
  void ChangedAttrib();
  void ChangedCellStates();
  void ChangedLayout();
  void ChangedSelection();

  // ------------------------------------------------------------ table callbacks
  void DataHasChanged(vcl::TObject* Sender);
  void SetupHasChanged(vcl::TObject* Sender);
  void NTPercDone(vcl::TObject* Sender, int Percent);
  void DataHasBeenResized(vcl::TObject* Sender, int OldCols, int OldRows, int NewCols,
                          int NewRows);
  // Kind 1 while a column sort carries the heads along: the decimals of
  // columns P1 and P2 change places.
  void ExchangeDuringSort(vcl::TObject* Sender, std::uint8_t Kind, int P1, int P2, int P3,
                          int P4);
  void FontHasChanged(vcl::TObject* Sender);

  // ------------------------------------------------------------ in-place editing (grid coordinates)
  // The cell's text for the editor: the identifier (or the integer) in
  // nominal columns, the cell number text elsewhere.
  vcl::String GetEditText(int ACol, int ARow) override;
  // Stores an edited text: an identifier, an integer or a number ("," read
  // as "."); a text that is none sets the cell's invalid bit. A text left
  // as the editor was given it stores nothing.
  void SetEditText(int ACol, int ARow, const vcl::String& Value) override;
  vcl::TEditStyle GetEditStyle(int ACol, int ARow) override;
  // The identifiers of the nominal column (grid column ACol), by ordinal.
  void ColumnsGetPickListItems(int ACol, vcl::TStrings* Items);
  void NameEdKeyPress(vcl::TObject* Sender, char16_t& Key);
  void CommentMemoKeyPress(vcl::TObject* Sender, char16_t& Key);
  bool NameEdActive() const { return FNameEdActive; }
  bool CommentMMActive() const { return FCommentMMActive; }
  vcl::TEdit* NameEditor() const { return FNameEd; }
  vcl::TMemo* CommentMemo() const { return FCommentMM; }

  // ------------------------------------------------------------ events
  vcl::TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }
  vcl::TNotifyEvent OnChangeSetup() const { return FOnChangeSetup; }
  void SetOnChangeSetup(vcl::TNotifyEvent Value) { FOnChangeSetup = std::move(Value); }
  vcl::TNotifyEvent OnHeadingChanged() const { return FOnHeadingChanged; }
  void SetOnHeadingChanged(vcl::TNotifyEvent Value) { FOnHeadingChanged = std::move(Value); }
  vcl::TNotifyEvent OnAttributeChanged() const { return FOnAttributeChanged; }
  void SetOnAttributeChanged(vcl::TNotifyEvent Value) { FOnAttributeChanged = std::move(Value); }
  vcl::TNotifyEvent OnCellStateChanged() const { return FOnCellStateChanged; }
  void SetOnCellStateChanged(vcl::TNotifyEvent Value) { FOnCellStateChanged = std::move(Value); }
  vcl::TNotifyEvent OnLayoutChanged() const { return FOnLayoutChanged; }
  void SetOnLayoutChanged(vcl::TNotifyEvent Value) { FOnLayoutChanged = std::move(Value); }
  vcl::TNotifyEvent OnSelectionChanged() const { return FOnSelectionChanged; }
  void SetOnSelectionChanged(vcl::TNotifyEvent Value) { FOnSelectionChanged = std::move(Value); }
  vcl::TNotifyEvent OnTopLeftChanged() const { return FOnTopLeftChanged; }
  void SetOnTopLeftChanged(vcl::TNotifyEvent Value) { FOnTopLeftChanged = std::move(Value); }
  vcl::TNotifyEvent OnClear() const { return FOnClear; }
  void SetOnClear(vcl::TNotifyEvent Value) { FOnClear = std::move(Value); }
  vcl::TNotifyEvent OnPaste() const { return FOnPaste; }
  void SetOnPaste(vcl::TNotifyEvent Value) { FOnPaste = std::move(Value); }
  TOnPercentDoneEvent OnPercentDone() const { return FOnPercentDone; }
  void SetOnPercentDone(TOnPercentDoneEvent Value) { FOnPercentDone = std::move(Value); }
  TBeforePopupEvent OnBeforePopup() const { return FOnBeforePopup; }
  void SetOnBeforePopup(TBeforePopupEvent Value) { FOnBeforePopup = std::move(Value); }
  TBeforeRenderCellEvent OnBeforeRenderCell() const { return FOnBeforeRenderCell; }
  void SetOnBeforeRenderCell(TBeforeRenderCellEvent Value) { FOnBeforeRenderCell = std::move(Value); }
  vcl::TGetEditEvent OnGetEditText() const { return FOnGetEditText; }
  void SetOnGetEditText(vcl::TGetEditEvent Value) { FOnGetEditText = std::move(Value); }
  vcl::TSetEditEvent OnSetEditText() const { return FOnSetEditText; }
  void SetOnSetEditText(vcl::TSetEditEvent Value) { FOnSetEditText = std::move(Value); }

  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 protected:
  void Paint() override;
  void DrawCell(int ACol, int ARow, const vcl::TRect& ARect, vcl::TGridDrawState AState) override;
  void TopLeftChanged() override;
  vcl::TInplaceEdit* CreateEditor() override;
  // Never in a locked cell nor while DataReadOnly.
  bool CanEditShow() override;
  void KeyDown(std::uint16_t& Key, vcl::TShiftState Shift) override;
  void KeyPress(char16_t& Key) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
  bool DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
  void WMGetDlgCode(vcl::TMessage& Message) override;
  void CMFontChanged(vcl::TMessage& Message) override;

 private:
  class TDataChangedDetached;
  struct TBlock {
    int L = 1, T = 1, R = 0, B = 0;  // data coordinates, empty when R < L
  };
  // How a structure change the editor asks of its table moves the columns
  // (rows), so that decimals and sizes move along.
  struct TPendingMove {
    int Kind = 0;  // 0 none, 1 insert, 2 remove
    bool Columns = true;
    int Ix = 0;
  };

  // Life (VYR_ntabed.cpp).
  void BuildOwnedParts();
  void HookTable(TDataTable* Table);
  void UnhookTable(TDataTable* Table);
  bool Quiet() const { return FSuppressPaint || FInternSuppPaint; }
  void Redraw();
  void Fire(const vcl::TNotifyEvent& Event);
  void SetLayoutColor(vcl::TColor& Field, vcl::TColor Value);
  void SetMarkBit(int ACol, int ARow, std::uint8_t Bit, bool Value);
  [[noreturn]] void RaiseNoMemory() const;

  // Structure (VYR_ntabedstruct.cpp).
  void ResizeTable(int NrCols, int NrRows);
  void SyncColumns(int OldCols, int NewCols);
  void SyncRows(int OldRows, int NewRows);
  void ShiftColWidths(int FromGridCol, int Delta);
  void ShiftRowHeights(int FromGridRow, int Delta);
  void ResizeDecimals(int OldCols, int NewCols);
  template <class Op>
  void StructureOp(TPendingMove Move, Op&& Change);
  void CheckSelectionChanged();
  TBlock SelectedBlock() const;
  bool ValidCol(int c) const { return c >= 1 && c <= NrOfColumns(); }
  bool ValidRow(int r) const { return r >= 1 && r <= NrOfRows(); }
  ntabed::TOffsets Offsets() const { return {FColOffset, FRowOffset}; }

  // Marks and sorting (VYR_ntabedmarks.cpp).
  template <class F>
  void ChangeStates(const TBlock& Block, F&& Change);
  void MarkBlock(const TBlock& Block, std::uint8_t Bit, bool Set);
  TBlock ColumnsOfSelection() const;
  TBlock RowsOfSelection() const;
  TBlock WholeTable() const;
  void PermuteColumns(const std::vector<int>& Order, int LowCol, int LowRow, int HighRow);
  void PermuteRows(const std::vector<int>& Order, int LowRow, int LowCol, int HighCol);

  // Painting (VYR_ntabedpaint.cpp).
  void FreezePicture();
  // A cell's rectangle for drawing outside a paint cycle (the canvas then
  // starts at the control's corner, not inside its border).
  vcl::TRect OuterCellRect(int ACol, int ARow) const;
  vcl::String DataCellText(int c, int r) const;
  void DrawDataCell(int ACol, int ARow, const vcl::TRect& ARect, vcl::TGridDrawState AState);
  void DrawHeadCell(int ACol, int ARow, const vcl::TRect& ARect);
  void DrawCorner(const vcl::TRect& ARect);
  void DrawCursorText(vcl::TCanvas& C, const vcl::TRect& R, int ACol, int ARow);
  void DrawCommentLabel(vcl::TCanvas& C, const vcl::TRect& R, int X, int Y);
  int TextWidthOf(const vcl::String& Text);

  // Popup menus (VYR_ntabedpopup.cpp).
  using THandlerPtr = void (TNTabEd::*)(vcl::TObject*);
  // The handler as an event of this editor (empty for nullptr).
  vcl::TNotifyEvent Bound(THandlerPtr Handler);
  void BuildPopups();
  vcl::TMenuItem* MakeItem(vcl::TMenu* Menu, vcl::TMenuItem* Parent, const vcl::String& Name,
                           const vcl::String& Caption, vcl::TNotifyEvent OnClick);
  void ShowDataPopup(int X, int Y);
  void ShowHeadPopup();
  void PrepareHeadPopup();
  void InvertHeadFrame();
  void PopupAt(vcl::TPopupMenu* Menu, vcl::TPoint ClientPoint);

  // Clipboard (VYR_ntabedclip.cpp).
  void SelectDataBlock(int L, int T, int R, int B);

  // Input (VYR_ntabedinput.cpp).
  void SetEditing(bool Value);
  bool CellLocked(int ACol, int ARow) const;
  bool CurrentCellLocked() const;
  bool IsNominalColumn(int c) const;
  void OpenNameEditor();
  void CloseNameEditor(bool Store);
  void StoreHeadText(const vcl::String& Text);
  void OpenCommentMemo();
  void CloseCommentMemo(bool Store);
  void RightPress(vcl::TGridCoord Cell, int X, int Y);

  // ------------------------------------------------------------ state
  std::unique_ptr<TDataTable> FOwnData;  // null while an external table shows
  bool FExtMatAssigned = false;
  std::unique_ptr<TDataTable> FDataCopy;
  bool FDataCopyAvail = false;
  std::vector<std::int8_t> FDecP;  // decimals per data column
  std::unique_ptr<vcl::TStringList> FColPickList;
  // The picture shown when SuppressPaint was set, shown again while it is.
  std::unique_ptr<vcl::TBitmap> FFrozen;
  vcl::TEdit* FNameEd = nullptr;
  vcl::TMemo* FCommentMM = nullptr;
  vcl::TPopupMenu* FPopupD = nullptr;
  vcl::TPopupMenu* FPopupH = nullptr;
  std::array<vcl::TMenuItem*, 12> FDItems{};
  std::array<vcl::TMenuItem*, 5> FHItems{};
  std::array<std::array<vcl::TMenuItem*, 4>, 4> FSubItems{};  // mark A, mark B, unmark A, unmark B

  int FColOffset = 1;
  int FRowOffset = 0;
  int FClassColWidth = 32;
  int FNumWidth = 1;
  int FNomEditDropDownCount = 8;
  int FPopupDMask = -1;
  int FPopupHMask = -1;
  vcl::TColor FColorNormal = 0x002000;
  vcl::TColor FColorSelected = 0x404040;
  vcl::TColor FColorMarkedA = 0x0000FF;
  vcl::TColor FColorMarkedB = 0xFF0000;
  vcl::TColor FColorMarkedBoth = 0xCC00BB;
  vcl::TColor FColorRangeSelFG = 0x80552C;
  vcl::TColor FColorRangeSelBG = 0xF8E8E0;
  bool FAutoAdvance = true;
  TOrientation FAutoAdvanceDir = orVertical;
  bool FBlockInternalPopup = false;
  bool FCommentEditingAllowed = true;
  bool FClipboardUseFullPrec = true;
  bool FDataReadOnly = false;
  bool FBoldMarks = true;
  bool FBoldSelHeads = true;
  bool FShowCellCursor = true;
  bool FOptimizeRowHeight = false;
  bool FSuppressPaint = false;
  bool FInternSuppPaint = false;
  bool FSortIncludeHd = false;
  TPendingMove FPendingMove;

  vcl::TGridRect FSelRemembered{-1, -1, -1, -1};
  vcl::TGridCoord FPopupCell{0, 0};
  vcl::TPoint FPrevPress{0, 0};
  bool FNameEdActive = false;
  bool FCommentMMActive = false;
  vcl::TGridCoord FNameEdCell{-1, -1};
  vcl::TGridCoord FHeadFrameCell{-1, -1};
  // The text the in-place editor was given, and for which cell.
  vcl::String FEditOrigText;
  vcl::TGridCoord FEditOrigCell{-1, -1};

  vcl::TNotifyEvent FOnChange, FOnChangeSetup, FOnHeadingChanged, FOnAttributeChanged;
  vcl::TNotifyEvent FOnCellStateChanged, FOnLayoutChanged, FOnSelectionChanged;
  vcl::TNotifyEvent FOnTopLeftChanged, FOnClear, FOnPaste;
  TOnPercentDoneEvent FOnPercentDone;
  TBeforePopupEvent FOnBeforePopup;
  TBeforeRenderCellEvent FOnBeforeRenderCell;
  vcl::TGetEditEvent FOnGetEditText;
  vcl::TSetEditEvent FOnSetEditText;
};

}  // namespace vyr
