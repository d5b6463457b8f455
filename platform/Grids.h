// Grids: the owner-drawn grid control and its in-place editor.
//
//   TCustomControl
//   └─ TCustomGrid        layout, fixed rows and columns, grid lines,
//      │                  scrolling with drawn scroll bars, selection,
//      │                  keyboard and mouse, sizing, the in-place editor
//      └─ TCustomDrawGrid cells drawn by OnDrawCell; events for selection,
//         │               scrolling and editing
//         └─ TDrawGrid    the same with every property published
//            └─ TStringGrid  a text and an object in every cell, edited
//                            in place
//   TCustomEdit
//   └─ TInplaceEdit       the editor shown over the current cell
//      └─ TInplaceEditList  with an ellipsis button or a drop-down pick list
//
// Coordinates: columns and rows are counted from 0; the fixed columns and
// rows come first and never scroll. Every cell is followed by a grid line
// of GridLineWidth pixels when the lines of that direction are on (either
// the fixed or the normal ones), and CellRect leaves that line out.
//
// Painting works on the visible cells only: the sizes of an axis are a
// uniform default with a sparse set of own sizes (platform/grids/GridAxis),
// so painting, scrolling and hit-testing cost the same whatever RowCount is.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/ScrollBar.h"
#include "platform/StdCtrls.h"
#include "platform/GridAxis.h"

namespace vcl {

class TCustomGrid;
class TInplaceEdit;
class TPopupListbox;

// Raised for a grid index out of range and for fixed counts that do not fit.
class EInvalidGridOperation : public Exception {
 public:
  using Exception::Exception;
};

enum TGridOption : std::uint8_t {
  goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
  goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing,
  goTabs, goRowSelect, goAlwaysShowEditor, goThumbTracking, goFixedColClick,
  goFixedRowClick, goFixedHotTrack
};
using TGridOptions = Set<TGridOption>;

enum TGridDrawingStates : std::uint8_t {
  gdSelected, gdFocused, gdFixed, gdRowSelected, gdHotTrack, gdPressed
};
using TGridDrawState = Set<TGridDrawingStates>;

// What a pressed mouse button is doing.
enum TGridState : std::uint8_t {
  gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving
};

// How fixed cells are filled: gdsClassic and gdsThemed with FixedColor (the
// look module has one look for both), gdsGradient with a vertical gradient
// from GradientStartColor at the top to GradientEndColor at the bottom.
enum TGridDrawingStyle : std::uint8_t { gdsClassic, gdsThemed, gdsGradient };

namespace grids {
// The color of line Line (0-based) of a gradient Lines lines high: each
// channel of the RGB colors goes from Start (line 0) to End (line Lines-1)
// in steps rounded toward Start; one line is Start.
TColor GradientLineColor(TColor Start, TColor End, int Line, int Lines);
}  // namespace grids

// How the in-place editor of a cell looks: a plain edit, an edit with an
// ellipsis button, or an edit with a drop-down list.
enum TEditStyle : std::uint8_t { esSimple, esEllipsis, esPickList };

struct TGridCoord {
  int X = 0;
  int Y = 0;
  friend constexpr bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells, corners included.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  constexpr TGridCoord TopLeft() const { return {Left, Top}; }
  constexpr TGridCoord BottomRight() const { return {Right, Bottom}; }
  constexpr bool Contains(int ACol, int ARow) const {
    return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom;
  }
  friend constexpr bool operator==(const TGridRect&, const TGridRect&) = default;
};

using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect,
                                          TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const String& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TOnGetPickListItems =
    std::function<void(TObject* Sender, int ACol, int ARow, TStrings* Items)>;

// Width of a scroll bar (and height of a horizontal one).
inline constexpr int GridScrollBarSize = ScrollBarThickness;

// The geometry of one axis as it is shown now.
struct TGridAxisDrawInfo {
  int EffectiveLineWidth = 0;  // GridLineWidth when lines of this direction are on
  int FixedBoundary = 0;       // end of the fixed cells (lines included)
  int GridBoundary = 0;        // end of the cells drawn, at most GridExtent
  int GridExtent = 0;          // the client extent
  int LastFullVisibleCell = 0;
  int FullVisBoundary = 0;     // end of the last fully visible cell and its line
  int FixedCellCount = 0;
  int FirstGridCell = 0;       // LeftCol or TopRow
  int GridCellCount = 0;
};

struct TGridDrawInfo {
  TGridAxisDrawInfo Horz;
  TGridAxisDrawInfo Vert;
};

// ---------------------------------------------------------------- TCustomGrid

// The grid. Keys (after KeyDown/OnKeyDown):
//   arrows        move the current cell (Left/Right move rows with goRowSelect)
//   Home/End      first/last column (rows with goRowSelect); Ctrl: first/last cell
//   PgUp/PgDn     a page of rows, scrolling with the cell; Ctrl: top/bottom visible row
//   Ctrl+Up/Down  scroll one row, the current cell stays
//   Tab           next cell, wrapping to the next row (Shift: back), with goTabs
//   Shift         with the keys above extends the selection with goRangeSelect
//   F2, Enter     open the editor (goEditing); a typed character opens it
//                 with that character
// In the editor Enter closes it storing the text (SetEditText) and Escape
// closes it discarding the text.
// Mouse: a press selects a cell (Shift: extends the range), dragging with
// goRangeSelect selects a block, dragging a column border in the fixed rows
// (goColSizing) or a row border in the fixed columns (goRowSizing) sizes it,
// the wheel moves the current row, and the scroll bars (TWindowScrollBars)
// scroll: by a row (column) per arrow, by the visible rows (columns) per
// page, and with the thumb on its release (while dragging with
// goThumbTracking). The wheel over a bar scrolls the view instead.
class TCustomGrid : public TCustomControl {
 public:
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;

  // ---- dimensions
  int ColCount() const { return FCols.Count(); }
  // Counts below 1 become 1; fixed columns shrink to fit.
  void SetColCount(int Value);
  int RowCount() const { return FRows.Count(); }
  void SetRowCount(int Value);
  int FixedCols() const { return FFixedCols; }
  // EInvalidGridOperation when negative or not below ColCount.
  void SetFixedCols(int Value);
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int Value);

  int DefaultColWidth() const { return FCols.DefaultSize(); }
  // Every column takes the new width.
  void SetDefaultColWidth(int Value);
  int DefaultRowHeight() const { return FRows.DefaultSize(); }
  // Every row takes the new height.
  void SetDefaultRowHeight(int Value);
  // DefaultColWidth outside 0..ColCount-1.
  int ColWidths(int Index) const { return FCols.Size(Index); }
  // EInvalidGridOperation outside 0..ColCount-1; negative widths become 0.
  void SetColWidths(int Index, int Value);
  int RowHeights(int Index) const { return FRows.Size(Index); }
  void SetRowHeights(int Index, int Value);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);
  // Whether Tab stops at a column (all do by default).
  bool TabStops(int Index) const;
  void SetTabStops(int Index, bool Value);
  // The extent the cells take on screen (at most the client area).
  int GridWidth() const;
  int GridHeight() const;

  // ---- appearance
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions Value);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  // bsSingle draws a one-pixel frame around the client area.
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TGridDrawingStyle DrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TGridDrawingStyle Value);
  TColor GradientStartColor() const { return FGradientStartColor; }
  void SetGradientStartColor(TColor Value);
  TColor GradientEndColor() const { return FGradientEndColor; }
  void SetGradientEndColor(TColor Value);

  // ---- scrolling
  int TopRow() const { return FTopLeft.Y; }
  // Limited to FixedRows..RowCount-1 (the last row may come to the top).
  void SetTopRow(int Value);
  int LeftCol() const { return FTopLeft.X; }
  void SetLeftCol(int Value);
  // Non-fixed columns (rows) fully visible from LeftCol (TopRow) on.
  int VisibleColCount() const;
  int VisibleRowCount() const;

  // ---- selection
  int Row() const { return FCurrent.Y; }
  // EInvalidGridOperation outside 0..RowCount-1; SelectCell may refuse.
  void SetRow(int Value);
  int Col() const { return FCurrent.X; }
  void SetCol(int Value);
  // The block between the anchor and the current cell; whole rows with
  // goRowSelect. Setting it is not checked against the counts.
  TGridRect Selection() const;
  void SetSelection(const TGridRect& Value);

  // ---- geometry
  // The cell's rectangle in client coordinates without the line that
  // follows it, cut at the client area; empty (all zero) when not visible.
  TRect CellRect(int ACol, int ARow) const;
  // The cell at a client point; (-1, -1) outside the cells.
  TGridCoord MouseCoord(int X, int Y) const;
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
  // The client area: the control without the border and shown scroll bars.
  TRect ClientRect() const override;
  void CalcDrawInfo(TGridDrawInfo& DrawInfo) const;
  TGridState GridState() const { return FGridState; }
  // The scroll bars as laid out at the last paint or press.
  const TWindowScrollBars& WindowScrollBars() const { return FBars; }

  // ---- editing
  bool EditorMode() const { return FEditorMode; }
  // True shows the editor when it may show; False closes it storing the text.
  void SetEditorMode(bool Value);
  TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

 protected:
  // Draws a cell. ARect is CellRect; AState holds gdFixed for fixed cells,
  // gdSelected inside the selection and gdFocused for the current cell of
  // a focused grid. The grid has filled the cell before when DefaultDrawing.
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  // Whether the current cell may move to (ACol, ARow).
  virtual bool SelectCell(int ACol, int ARow);
  // TopRow or LeftCol changed.
  virtual void TopLeftChanged();
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  // ColCount or RowCount changed (the new counts are in place).
  virtual void ColRowCountChanged(int /*OldColCount*/, int /*OldRowCount*/) {}
  // The text the editor starts with, and the text it gives back.
  virtual String GetEditText(int ACol, int ARow);
  virtual void SetEditText(int ACol, int ARow, const String& Value);
  // Longest text the editor accepts (0: no limit).
  virtual int GetEditLimit() { return 0; }
  virtual TEditStyle GetEditStyle(int ACol, int ARow);
  virtual bool CanEditShow();
  virtual bool CanEditModify() { return true; }
  virtual bool CanEditAcceptKey(Char Key);
  // The editor object; TInplaceEdit unless a grid needs another.
  virtual TInplaceEdit* CreateEditor();
  void ShowEditor();
  // Closes the editor storing its text.
  void HideEditor();
  // Closes the editor without storing its text.
  void CancelEditor();
  // Opens the editor with Ch as its whole text, the caret behind it.
  void ShowEditorChar(Char Ch);
  void InvalidateEditor();

  // Moves the current cell (and the anchor unless extending a range),
  // scrolling it into view when Show. Nothing happens when SelectCell refuses.
  void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
  // MoveColRow with Show, then the editor follows and Click fires.
  void FocusCell(int ACol, int ARow, bool MoveAnchor);
  // Scrolls so that the cell is fully visible.
  void ClampInView(const TGridCoord& Coord);
  void MoveTopLeft(int ALeft, int ATop);
  void InvalidateCell(int ACol, int ARow);
  void InvalidateCol(int ACol);
  void InvalidateRow(int ARow);
  void InvalidateGrid() { Invalidate(); }
  // The top row (left column) that shows the last rows (columns) fully.
  TGridCoord MaxTopLeft() const;

  void Paint() override;
  void PaintWindow(TCanvas* DC) override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char16_t& Key) override;
  void KeyUp(std::uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMChar(TWMKey& Message) override;
  void WMGetDlgCode(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void SizeChanged(int DeltaWidth, int DeltaHeight) override;

 private:
  friend class TInplaceEdit;
  int BorderWidth() const { return FBorderStyle == bsSingle ? 1 : 0; }
  int AxisLineWidth(bool Horizontal) const;
  void CalcAxis(TGridAxisDrawInfo& Axis, const grids::TGridAxis& Sizes, int Fixed, int First,
                int Extent, bool Horizontal) const;
  // Which scroll bars show, given the control's size and the extents.
  void ScrollBarsShown(bool& Horz, bool& Vert) const;
  int ClientExtent(bool Horizontal) const;
  int AxisPos(const TGridAxisDrawInfo& Axis, const grids::TGridAxis& Sizes, int Index) const;
  int CellAtPos(const TGridAxisDrawInfo& Axis, const grids::TGridAxis& Sizes, int Pos) const;
  int MaxFirstCell(const TGridAxisDrawInfo& Axis, const grids::TGridAxis& Sizes, int Last) const;
  void ChangeSize(int NewColCount, int NewRowCount);
  void Initialize();
  void ClampTopLeft();
  void ClampCurrent();
  void SelectionMoved(const TGridRect& OldSel);
  void InvalidateGridRect(const TGridRect& R);
  void TopLeftMoved(const TGridCoord& OldTopLeft);
  bool IsActiveControl() const;
  void MoveAnchor(const TGridCoord& NewAnchor);

  // Painting (GridPaint.cpp).
  void PaintLines(TCanvas& C, const TGridDrawInfo& Info);
  void PaintLineSet(TCanvas& C, const TGridDrawInfo& Info, int FirstCol, int FirstRow,
                    const TRect& Area, bool DoHorz, bool DoVert, TColor LineColor);
  void PaintCells(TCanvas& C, const TGridDrawInfo& Info, int FirstCol, int FirstRow,
                  const TRect& Area, TColor Fill, bool FixedArea);
  void PaintCell(TCanvas& C, int ACol, int ARow, const TRect& Where, TColor Fill,
                 TGridDrawState State);
  void PaintFixedEdges(TCanvas& C, const TRect& Where, const TGridDrawInfo& Info);

  // Keys and mouse (GridInput.cpp).
  bool NavigationKey(std::uint16_t Key, TShiftState Shift);
  void TabKey(TGridCoord& Cur, bool Back) const;
  void EnterKey();
  void EscapeKey();
  bool EditorShowing() const;
  void CalcSizingState(int X, int Y);
  int SizingNewSize() const;
  void ApplySizing(int X, int Y);
  // The scroll bars (GridInput.cpp): place and ranges from the layout, and
  // the scrolls they ask for.
  void SyncBars();
  void BarScrolled(TScrollBarKind Kind, TScrollCode Code, int& Pos);
  bool WheelOnBars(int Delta, TPoint MousePos);
  void SelectingMouseMove(int X, int Y);
  // Hands a key or character that reached the grid to the open editor.
  bool ForwardToEditor(UINT Msg, WPARAM Code, std::int32_t KeyData);

  void UpdateEdit();
  void PlaceEditor();

  grids::TGridAxis FCols;
  grids::TGridAxis FRows;
  std::vector<bool> FTabStops;  // empty: every column is a stop
  int FFixedCols = 1;
  int FFixedRows = 1;
  int FGridLineWidth = 1;
  TGridOptions FOptions;
  TColor FFixedColor = clBtnFace;
  bool FDefaultDrawing = true;
  TScrollStyle FScrollBars = ssBoth;
  TBorderStyle FBorderStyle = bsNone;
  TGridDrawingStyle FDrawingStyle = gdsThemed;
  TColor FGradientStartColor = clWhite;
  TColor FGradientEndColor = clBtnFace;
  TGridCoord FTopLeft{1, 1};
  TGridCoord FCurrent{1, 1};
  TGridCoord FAnchor{1, 1};

  TGridState FGridState = gsNormal;
  int FSizingIndex = -1;
  int FSizingPos = 0;
  int FSizingOfs = 0;

  bool FEditorMode = false;
  TInplaceEdit* FInplaceEdit = nullptr;
  int FInplaceCol = -1;
  int FInplaceRow = -1;
  Char FCharDone = 0;  // the character a key already acted on (Enter, Escape)
  bool FFromEditor = false;  // the editor passes a key on to the grid
  TWindowScrollBars FBars{this};
};

// ---------------------------------------------------------------- TCustomDrawGrid

// A grid whose cells the application draws in OnDrawCell.
class TCustomDrawGrid : public TCustomGrid {
 public:
  explicit TCustomDrawGrid(TComponent* AOwner);

  TDrawCellEvent OnDrawCell() const { return FOnDrawCell; }
  void SetOnDrawCell(TDrawCellEvent Value) { FOnDrawCell = std::move(Value); }
  TSelectCellEvent OnSelectCell() const { return FOnSelectCell; }
  void SetOnSelectCell(TSelectCellEvent Value) { FOnSelectCell = std::move(Value); }
  TGetEditEvent OnGetEditText() const { return FOnGetEditText; }
  void SetOnGetEditText(TGetEditEvent Value) { FOnGetEditText = std::move(Value); }
  TGetEditEvent OnGetEditMask() const { return FOnGetEditMask; }
  void SetOnGetEditMask(TGetEditEvent Value) { FOnGetEditMask = std::move(Value); }
  TSetEditEvent OnSetEditText() const { return FOnSetEditText; }
  void SetOnSetEditText(TSetEditEvent Value) { FOnSetEditText = std::move(Value); }
  TNotifyEvent OnTopLeftChanged() const { return FOnTopLeftChanged; }
  void SetOnTopLeftChanged(TNotifyEvent Value) { FOnTopLeftChanged = std::move(Value); }
  TMovedEvent OnColumnMoved() const { return FOnColumnMoved; }
  void SetOnColumnMoved(TMovedEvent Value) { FOnColumnMoved = std::move(Value); }
  TMovedEvent OnRowMoved() const { return FOnRowMoved; }
  void SetOnRowMoved(TMovedEvent Value) { FOnRowMoved = std::move(Value); }

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  void TopLeftChanged() override;
  String GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const String& Value) override;

 private:
  TDrawCellEvent FOnDrawCell;
  TSelectCellEvent FOnSelectCell;
  TGetEditEvent FOnGetEditText, FOnGetEditMask;
  TSetEditEvent FOnSetEditText;
  TNotifyEvent FOnTopLeftChanged;
  TMovedEvent FOnColumnMoved, FOnRowMoved;
};

class TDrawGrid : public TCustomDrawGrid {
 public:
  explicit TDrawGrid(TComponent* AOwner) : TCustomDrawGrid(AOwner) {}
};

// ---------------------------------------------------------------- TStringGrid

class TStringGrid;

// A column or a row of a string grid as a list (TStringGrid::Cols, Rows):
// reading and writing goes to the cells. Its Count is the grid's RowCount
// (ColCount); Clear empties the cells; Add fills the first empty cell;
// Insert and Delete, which would move cells between lines, raise
// EInvalidGridOperation, as does a whole text with more items than cells.
class TStringGridStrings : public TStrings {
 public:
  TStringGridStrings(TStringGrid& Grid, bool IsCol, int Index)
      : FGrid(Grid), FIsCol(IsCol), FIndex(Index) {}
  int Count() const override;
  String Strings(int Index) const override;
  void SetStrings(int Index, const String& S) override;
  TObject* Objects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;
  int Add(const String& S) override;
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;

 protected:
  void ReplaceItems(std::vector<TStringItem> Items) override;

 private:
  TGridCoord At(int Index) const;
  TStringGrid& FGrid;
  bool FIsCol;
  int FIndex;
};

// A grid that keeps a text (and an application's object, not owned) in
// each cell and draws the text (2 pixels in from the cell's top-left
// corner) before OnDrawCell. The in-place editor edits Cells: it starts
// with the cell's text (OnGetEditText may change it) and stores what it
// gives back (then OnSetEditText fires). Cells are kept sparsely, so only
// cells that hold something cost memory; shrinking ColCount or RowCount
// drops the cells left outside. An index outside the grid raises
// EInvalidGridOperation "Grid index out of range".
class TStringGrid : public TDrawGrid {
 public:
  explicit TStringGrid(TComponent* AOwner);
  ~TStringGrid() override;

  String Cells(int ACol, int ARow) const;
  void SetCells(int ACol, int ARow, const String& Value);
  TObject* Objects(int ACol, int ARow) const;
  void SetObjects(int ACol, int ARow, TObject* Value);
  // The column (row) as a live list of its cells; the list belongs to the grid.
  TStrings* Cols(int Index);
  void SetCols(int Index, TStrings* Value);
  TStrings* Rows(int Index);
  void SetRows(int Index, TStrings* Value);

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  String GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const String& Value) override;
  void ColRowCountChanged(int OldColCount, int OldRowCount) override;

 private:
  struct TCell {
    String Text;
    TObject* Object = nullptr;
  };
  static std::uint64_t Key(int ACol, int ARow) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(ARow)) << 32 |
           static_cast<std::uint32_t>(ACol);
  }
  void CheckIndex(int ACol, int ARow) const;
  TStrings* Line(bool IsCol, int Index);
  void PutCell(int ACol, int ARow, const String* Text, const TObject* const* Object);
  std::unordered_map<std::uint64_t, TCell> FCells;
  std::unordered_map<std::uint64_t, std::unique_ptr<TStringGridStrings>> FLines;
};

// ---------------------------------------------------------------- in-place editors

// The edit shown over the current cell. Keys that move between cells (Up,
// Down, PgUp, PgDn, Tab, Enter, Escape; Left/Right/Home/End at the ends of
// the text with goAlwaysShowEditor) go to the grid.
class TInplaceEdit : public TCustomEdit {
 public:
  explicit TInplaceEdit(TComponent* AOwner);
  TCustomGrid* Grid() const { return FGrid; }
  // Places the editor over a client rectangle of the grid and shows it.
  void Move(const TRect& Loc);
  void Deselect();
  // Takes the text, limit and style of the grid's current cell.
  virtual void UpdateContents();

 protected:
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char16_t& Key) override;
  void WMGetDlgCode(TMessage& Message) override;
  void DblClick() override;
  virtual void BoundsChanged() {}
  // The grid's edit style and modify permission for its current cell.
  TEditStyle GridEditStyle() const;
  bool GridCanModify() const;

 private:
  friend class TCustomGrid;
  bool ForwardToGrid(std::uint16_t Key, TShiftState Shift) const;
  TCustomGrid* FGrid = nullptr;
};

// An in-place editor with a button at its right: an ellipsis button that
// fires OnEditButtonClick (esEllipsis) or an arrow that drops down a list
// of PickList's items (esPickList), DropDownRows lines high. In the list,
// Up/Down move, Enter takes the item, Escape closes; Alt+Down or F4 drops
// the list down from the keyboard.
class TInplaceEditList : public TInplaceEdit {
 public:
  explicit TInplaceEditList(TComponent* AOwner);
  ~TInplaceEditList() override;

  TEditStyle EditStyle() const { return FEditStyle; }
  void SetEditStyle(TEditStyle Value);
  TStrings* PickList() { return FPickList.get(); }
  int DropDownRows() const { return FDropDownRows; }
  void SetDropDownRows(int Value) { FDropDownRows = Value < 1 ? 1 : Value; }
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  bool ListVisible() const { return FListVisible; }
  // The list's own control while dropped down (nullptr otherwise).
  TPopupListbox* ActiveList() const { return FListVisible ? FList : nullptr; }

  void DropDown();
  // Closes the list; with Accept its selected item becomes the text.
  void CloseUp(bool Accept);
  void UpdateContents() override;

  TOnGetPickListItems OnGetPickListItems() const { return FOnGetPickListItems; }
  void SetOnGetPickListItems(TOnGetPickListItems Value) { FOnGetPickListItems = std::move(Value); }
  TNotifyEvent OnEditButtonClick() const { return FOnEditButtonClick; }
  void SetOnEditButtonClick(TNotifyEvent Value) { FOnEditButtonClick = std::move(Value); }

 protected:
  void Paint() override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoExit() override;
  void CMVisibleChanged(TMessage& Message) override;
  virtual void EditButtonClick();
  TRect ButtonRect() const;

 private:
  bool HasButton() const { return FEditStyle != esSimple; }
  void PaintButton(TCanvas& C);

  TEditStyle FEditStyle = esSimple;
  std::unique_ptr<TStringList> FPickList;
  int FDropDownRows = 7;
  int FButtonWidth = GridScrollBarSize;
  bool FListVisible = false;
  TPopupListbox* FList = nullptr;
  TOnGetPickListItems FOnGetPickListItems;
  TNotifyEvent FOnEditButtonClick;
};

// The dropped-down list of a TInplaceEditList: a column of its own items
// over the editor's window (a TCustomDropDownList). A press released on
// it calls OnCloseUp with true when the release was on an item (that item
// highlighted), false otherwise.
class TPopupListbox : public TCustomDropDownList {
 public:
  explicit TPopupListbox(TComponent* AOwner);
  TStrings* Items() { return FItems.get(); }
  int Count() const override { return FItems->Count(); }
  std::function<void(bool Accept)> OnCloseUp;

 protected:
  void Released(int Index) override;
  String ItemText(int Index) const override { return FItems->Strings(Index); }

 private:
  std::unique_ptr<TStringList> FItems;
};

}  // namespace vcl
