// TCustomGrid: dimensions, options, layout, scrolling and selection.
// Painting is in grids/GridPaint.cpp, keys and mouse in grids/GridInput.cpp,
// the in-place editors in grids/InplaceEdit.cpp.
#include "platform/Grids.h"

#include <algorithm>
#include <limits>

#include "platform/Forms.h"

namespace vcl {

namespace {

[[noreturn]] void IndexOutOfRange() { throw EInvalidGridOperation(u"Grid index out of range"); }

int ClampInt(std::int64_t V) {
  return static_cast<int>(std::clamp<std::int64_t>(V, std::numeric_limits<int>::min() / 2,
                                                    std::numeric_limits<int>::max() / 2));
}

}  // namespace

// ---------------------------------------------------------------- life

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  // No click events of its own: a grid fires Click when its cell moves.
  SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks});
  FCols.SetCount(5);
  FCols.SetDefaultSize(64);
  FRows.SetCount(5);
  FRows.SetDefaultSize(24);
  FOptions = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(Left(), Top(), 5 * 64, 5 * 24);
  FBars.SetOnScroll([this](TScrollBarKind Kind, TScrollCode Code, int& Pos) {
    BarScrolled(Kind, Code, Pos);
  });
}

// The editor goes first, while the grid it calls back is still whole.
TCustomGrid::~TCustomGrid() {
  delete FInplaceEdit;
  FInplaceEdit = nullptr;
}

// ---------------------------------------------------------------- dimensions

void TCustomGrid::SetColCount(int Value) {
  if (Value < 1) Value = 1;
  if (Value == ColCount()) return;
  if (Value <= FFixedCols) SetFixedCols(Value - 1);
  ChangeSize(Value, RowCount());
}

void TCustomGrid::SetRowCount(int Value) {
  if (Value < 1) Value = 1;
  if (Value == RowCount()) return;
  if (Value <= FFixedRows) SetFixedRows(Value - 1);
  ChangeSize(ColCount(), Value);
}

void TCustomGrid::SetFixedCols(int Value) {
  if (Value == FFixedCols) return;
  if (Value < 0) IndexOutOfRange();
  if (Value >= ColCount()) {
    throw EInvalidGridOperation(u"Fixed column count must be less than column count");
  }
  FFixedCols = Value;
  Initialize();
}

void TCustomGrid::SetFixedRows(int Value) {
  if (Value == FFixedRows) return;
  if (Value < 0) IndexOutOfRange();
  if (Value >= RowCount()) {
    throw EInvalidGridOperation(u"Fixed row count must be less than row count");
  }
  FFixedRows = Value;
  Initialize();
}

// New fixed counts put the view, the current cell and the anchor back to
// the first scrolling cell, as the framework does.
void TCustomGrid::Initialize() {
  FTopLeft = {FFixedCols, FFixedRows};
  FCurrent = FTopLeft;
  FAnchor = FCurrent;
  if (FOptions.Contains(goRowSelect)) FAnchor.X = ColCount() - 1;
  UpdateEdit();
  Invalidate();
}

void TCustomGrid::ChangeSize(int NewColCount, int NewRowCount) {
  int oldCols = ColCount(), oldRows = RowCount();
  FCols.SetCount(NewColCount);
  FRows.SetCount(NewRowCount);
  if (!FTabStops.empty()) FTabStops.resize(static_cast<std::size_t>(NewColCount), true);
  ClampCurrent();
  ClampTopLeft();
  if (oldCols != ColCount() || oldRows != RowCount()) ColRowCountChanged(oldCols, oldRows);
  UpdateEdit();
  Invalidate();
}

// Only the upper ends are pulled in: a current cell placed on a fixed cell
// on purpose (SetSelection) stays where it is.
void TCustomGrid::ClampCurrent() {
  FCurrent.X = std::min(FCurrent.X, ColCount() - 1);
  FCurrent.Y = std::min(FCurrent.Y, RowCount() - 1);
  FAnchor.X = std::min(FAnchor.X, ColCount() - 1);
  FAnchor.Y = std::min(FAnchor.Y, RowCount() - 1);
}

void TCustomGrid::ClampTopLeft() {
  TGridCoord old = FTopLeft;
  FTopLeft.X = std::clamp(FTopLeft.X, FFixedCols, std::max(ColCount() - 1, FFixedCols));
  FTopLeft.Y = std::clamp(FTopLeft.Y, FFixedRows, std::max(RowCount() - 1, FFixedRows));
  if (!(old == FTopLeft)) TopLeftChanged();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FCols.DefaultSize() && FCols.AllDefault()) return;
  FCols.SetDefaultSize(Value);
  ColWidthsChanged();
  Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
  Value = std::max(Value, 0);
  if (Value == FRows.DefaultSize() && FRows.AllDefault()) return;
  FRows.SetDefaultSize(Value);
  RowHeightsChanged();
  Invalidate();
}

void TCustomGrid::SetColWidths(int Index, int Value) {
  if (Index < 0 || Index >= ColCount()) IndexOutOfRange();
  Value = std::max(Value, 0);
  if (Value == FCols.Size(Index)) return;
  FCols.SetSize(Index, Value);
  ColWidthsChanged();
  Invalidate();
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
  if (Index < 0 || Index >= RowCount()) IndexOutOfRange();
  Value = std::max(Value, 0);
  if (Value == FRows.Size(Index)) return;
  FRows.SetSize(Index, Value);
  RowHeightsChanged();
  Invalidate();
}

void TCustomGrid::ColWidthsChanged() { UpdateEdit(); }

void TCustomGrid::RowHeightsChanged() { UpdateEdit(); }

void TCustomGrid::SetGridLineWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FGridLineWidth) return;
  FGridLineWidth = Value;
  UpdateEdit();
  Invalidate();
}

bool TCustomGrid::TabStops(int Index) const {
  if (Index < 0 || Index >= ColCount()) return false;
  return FTabStops.empty() || FTabStops[static_cast<std::size_t>(Index)];
}

void TCustomGrid::SetTabStops(int Index, bool Value) {
  if (Index < 0 || Index >= ColCount()) IndexOutOfRange();
  if (FTabStops.empty()) FTabStops.assign(static_cast<std::size_t>(ColCount()), true);
  FTabStops[static_cast<std::size_t>(Index)] = Value;
}

int TCustomGrid::GridWidth() const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return info.Horz.GridBoundary;
}

int TCustomGrid::GridHeight() const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return info.Vert.GridBoundary;
}

// ---------------------------------------------------------------- appearance

void TCustomGrid::SetOptions(TGridOptions Value) {
  if (Value.Contains(goRowSelect)) Value >> goAlwaysShowEditor;
  if (Value == FOptions) return;
  FOptions = Value;
  if (!FEditorMode) {
    if (Value.Contains(goAlwaysShowEditor)) ShowEditor(); else HideEditor();
  }
  // Row selection spans whole rows: move the selection over again.
  bool inRange = FCurrent.X >= 0 && FCurrent.X < ColCount() && FCurrent.Y >= 0 &&
                 FCurrent.Y < RowCount();
  if (Value.Contains(goRowSelect) && inRange) MoveColRow(FCurrent.X, FCurrent.Y, true, false);
  Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  if (Value == FFixedColor) return;
  FFixedColor = Value;
  Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool Value) {
  if (Value == FDefaultDrawing) return;
  FDefaultDrawing = Value;
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  UpdateEdit();
  Invalidate();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsSingle) Value = bsNone;
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  UpdateEdit();
  Invalidate();
}

void TCustomGrid::SetDrawingStyle(TGridDrawingStyle Value) {
  if (Value == FDrawingStyle) return;
  FDrawingStyle = Value;
  Invalidate();
}

void TCustomGrid::SetGradientStartColor(TColor Value) {
  if (Value == FGradientStartColor) return;
  FGradientStartColor = Value;
  Invalidate();
}

void TCustomGrid::SetGradientEndColor(TColor Value) {
  if (Value == FGradientEndColor) return;
  FGradientEndColor = Value;
  Invalidate();
}

void TCustomGrid::SizeChanged(int DeltaWidth, int DeltaHeight) {
  TCustomControl::SizeChanged(DeltaWidth, DeltaHeight);
  UpdateEdit();
  Invalidate();
}

void TCustomGrid::CMFontChanged(TMessage& Message) {
  TCustomControl::CMFontChanged(Message);
  if (FInplaceEdit != nullptr) FInplaceEdit->Font()->Assign(Font());
  Invalidate();
}

void TCustomGrid::CMEnabledChanged(TMessage& Message) {
  SyncBars();  // disabled bars end any press
  TCustomControl::CMEnabledChanged(Message);
  Invalidate();
}

// ---------------------------------------------------------------- layout

int TCustomGrid::AxisLineWidth(bool Horizontal) const {
  TGridOptions lines = Horizontal ? TGridOptions{goFixedVertLine, goVertLine}
                                  : TGridOptions{goFixedHorzLine, goHorzLine};
  return (FOptions & lines).Empty() ? 0 : FGridLineWidth;
}

// Whether all columns (rows) fit into an extent: the line after the last
// one may be cut off.
static bool AxisFits(const grids::TGridAxis& Sizes, int Line, int Extent) {
  return Sizes.Offset(Sizes.Count(), Line) <= static_cast<std::int64_t>(Extent) + Line;
}

void TCustomGrid::ScrollBarsShown(bool& Horz, bool& Vert) const {
  int b = BorderWidth();
  int w = Width() - 2 * b;
  int h = Height() - 2 * b;
  bool allowH = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  bool allowV = FScrollBars == ssVertical || FScrollBars == ssBoth;
  int lh = AxisLineWidth(true);
  int lv = AxisLineWidth(false);
  bool scrolledH = FTopLeft.X > FFixedCols;
  bool scrolledV = FTopLeft.Y > FFixedRows;
  Vert = allowV && (scrolledV || !AxisFits(FRows, lv, h));
  Horz = allowH && (scrolledH || !AxisFits(FCols, lh, w - (Vert ? GridScrollBarSize : 0)));
  if (Horz && !Vert) Vert = allowV && !AxisFits(FRows, lv, h - GridScrollBarSize);
}

int TCustomGrid::ClientExtent(bool Horizontal) const {
  bool horz = false, vert = false;
  ScrollBarsShown(horz, vert);
  int b = BorderWidth();
  int e = Horizontal ? Width() - 2 * b - (vert ? GridScrollBarSize : 0)
                     : Height() - 2 * b - (horz ? GridScrollBarSize : 0);
  return std::max(e, 0);
}

TRect TCustomGrid::ClientRect() const { return Rect(0, 0, ClientExtent(true), ClientExtent(false)); }

void TCustomGrid::CalcAxis(TGridAxisDrawInfo& Axis, const grids::TGridAxis& Sizes, int Fixed,
                           int First, int Extent, bool Horizontal) const {
  int line = AxisLineWidth(Horizontal);
  Axis.EffectiveLineWidth = line;
  Axis.FixedBoundary = ClampInt(Sizes.Offset(Fixed, line));
  Axis.FixedCellCount = Fixed;
  Axis.FirstGridCell = First;
  Axis.GridCellCount = Sizes.Count();
  Axis.GridExtent = Extent;
  Axis.GridBoundary = Axis.FixedBoundary;
  Axis.FullVisBoundary = Axis.FixedBoundary;
  Axis.LastFullVisibleCell = First;
  // Only the cells that show are visited.
  for (int i = First; i < Sizes.Count(); ++i) {
    Axis.GridBoundary += Sizes.Size(i) + line;
    if (Axis.GridBoundary > Extent + line) {
      Axis.GridBoundary = Extent;
      break;
    }
    Axis.LastFullVisibleCell = i;
    Axis.FullVisBoundary = Axis.GridBoundary;
  }
}

void TCustomGrid::CalcDrawInfo(TGridDrawInfo& DrawInfo) const {
  CalcAxis(DrawInfo.Horz, FCols, FFixedCols, FTopLeft.X, ClientExtent(true), true);
  CalcAxis(DrawInfo.Vert, FRows, FFixedRows, FTopLeft.Y, ClientExtent(false), false);
}

// The client position where a cell starts; -1 for a cell scrolled away.
int TCustomGrid::AxisPos(const TGridAxisDrawInfo& Axis, const grids::TGridAxis& Sizes,
                         int Index) const {
  int line = Axis.EffectiveLineWidth;
  if (Index < Axis.FixedCellCount) return ClampInt(Sizes.Offset(Index, line));
  if (Index < Axis.FirstGridCell) return -1;
  return ClampInt(Axis.FixedBoundary + Sizes.Offset(Index, line) -
                  Sizes.Offset(Axis.FirstGridCell, line));
}

// The cell at a client position (its following line included); -1 before
// the first and after the last cell.
int TCustomGrid::CellAtPos(const TGridAxisDrawInfo& Axis, const grids::TGridAxis& Sizes,
                           int Pos) const {
  int line = Axis.EffectiveLineWidth;
  if (Pos < 0) return -1;
  if (Pos < Axis.FixedBoundary) return Sizes.CellAtOffset(Pos, line, 0);
  std::int64_t abs = Sizes.Offset(Axis.FirstGridCell, line) + (Pos - Axis.FixedBoundary);
  if (abs >= Sizes.Offset(Sizes.Count(), line)) return -1;
  return Sizes.CellAtOffset(abs, line, Axis.FirstGridCell);
}

// The smallest first cell from which the cells up to Last fill the client
// area (Last itself when even it alone does not fit).
int TCustomGrid::MaxFirstCell(const TGridAxisDrawInfo& Axis, const grids::TGridAxis& Sizes,
                              int Last) const {
  int line = Axis.EffectiveLineWidth;
  if (Last < Axis.FixedCellCount) return Axis.FixedCellCount;
  std::int64_t room = static_cast<std::int64_t>(Axis.GridExtent) + line - Axis.FixedBoundary;
  std::int64_t target = Sizes.Offset(Last + 1, line) - room;
  int first = Sizes.FirstCellFrom(target, line, Axis.FixedCellCount);
  return std::clamp(first, Axis.FixedCellCount, Last);
}

TGridCoord TCustomGrid::MaxTopLeft() const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return {MaxFirstCell(info.Horz, FCols, ColCount() - 1),
          MaxFirstCell(info.Vert, FRows, RowCount() - 1)};
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return TRect();
  TGridDrawInfo info;
  CalcDrawInfo(info);
  int x = AxisPos(info.Horz, FCols, ACol);
  int y = AxisPos(info.Vert, FRows, ARow);
  if (x < 0 || y < 0 || x >= info.Horz.GridExtent || y >= info.Vert.GridExtent) return TRect();
  int right = std::min(x + FCols.Size(ACol), info.Horz.GridExtent);
  int bottom = std::min(y + FRows.Size(ARow), info.Vert.GridExtent);
  return TRect(x, y, right, bottom);
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord c{CellAtPos(info.Horz, FCols, X), CellAtPos(info.Vert, FRows, Y)};
  if (c.X < 0 || c.Y < 0) return {-1, -1};
  return c;
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  TGridCoord c = MouseCoord(X, Y);
  ACol = c.X;
  ARow = c.Y;
}

int TCustomGrid::VisibleColCount() const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return std::max(info.Horz.LastFullVisibleCell - FTopLeft.X + 1, 0);
}

int TCustomGrid::VisibleRowCount() const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return std::max(info.Vert.LastFullVisibleCell - FTopLeft.Y + 1, 0);
}

// ---------------------------------------------------------------- scrolling

void TCustomGrid::SetTopRow(int Value) {
  Value = std::clamp(Value, FFixedRows, std::max(RowCount() - 1, FFixedRows));
  if (Value != FTopLeft.Y) MoveTopLeft(FTopLeft.X, Value);
}

void TCustomGrid::SetLeftCol(int Value) {
  Value = std::clamp(Value, FFixedCols, std::max(ColCount() - 1, FFixedCols));
  if (Value != FTopLeft.X) MoveTopLeft(Value, FTopLeft.Y);
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop) {
  if (ALeft == FTopLeft.X && ATop == FTopLeft.Y) return;
  TGridCoord old = FTopLeft;
  FTopLeft = {ALeft, ATop};
  TopLeftMoved(old);
}

void TCustomGrid::TopLeftMoved(const TGridCoord& OldTopLeft) {
  (void)OldTopLeft;
  Invalidate();
  UpdateEdit();
  TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {}

// Scrolls just far enough that the cell shows whole: a cell left of (above)
// the view comes to its start, one beyond it to its end.
void TCustomGrid::ClampInView(const TGridCoord& Coord) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord top = FTopLeft;
  if (Coord.X >= FFixedCols) {
    if (Coord.X < top.X) {
      top.X = Coord.X;
    } else if (Coord.X > info.Horz.LastFullVisibleCell) {
      top.X = std::max(MaxFirstCell(info.Horz, FCols, Coord.X), top.X);
    }
  }
  if (Coord.Y >= FFixedRows) {
    if (Coord.Y < top.Y) {
      top.Y = Coord.Y;
    } else if (Coord.Y > info.Vert.LastFullVisibleCell) {
      top.Y = std::max(MaxFirstCell(info.Vert, FRows, Coord.Y), top.Y);
    }
  }
  MoveTopLeft(top.X, top.Y);
}

// ---------------------------------------------------------------- selection

TGridRect TCustomGrid::Selection() const {
  return {std::min(FCurrent.X, FAnchor.X), std::min(FCurrent.Y, FAnchor.Y),
          std::max(FCurrent.X, FAnchor.X), std::max(FCurrent.Y, FAnchor.Y)};
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
  TGridRect old = Selection();
  FAnchor = Value.TopLeft();
  FCurrent = Value.BottomRight();
  SelectionMoved(old);
}

void TCustomGrid::SetRow(int Value) {
  if (Value < 0 || Value >= RowCount()) IndexOutOfRange();
  if (Value != FCurrent.Y) FocusCell(FCurrent.X, Value, true);
}

void TCustomGrid::SetCol(int Value) {
  if (Value < 0 || Value >= ColCount()) IndexOutOfRange();
  if (Value != FCurrent.X) FocusCell(Value, FCurrent.Y, true);
}

bool TCustomGrid::SelectCell(int ACol, int ARow) {
  (void)ACol;
  (void)ARow;
  return true;
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) IndexOutOfRange();
  if (!SelectCell(ACol, ARow)) return;
  TGridRect old = Selection();
  FCurrent = {ACol, ARow};
  if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
  if (MoveAnchor || !FOptions.Contains(goRangeSelect)) {
    FAnchor = FCurrent;
    if (FOptions.Contains(goRowSelect)) FAnchor.X = ColCount() - 1;
  }
  if (FOptions.Contains(goRowSelect)) FCurrent.X = FFixedCols;
  if (Show) ClampInView(FCurrent);
  SelectionMoved(old);
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
  MoveColRow(ACol, ARow, MoveAnchor, true);
  UpdateEdit();
  Click();
}

void TCustomGrid::SelectionMoved(const TGridRect& OldSel) {
  InvalidateGridRect(OldSel);
  InvalidateGridRect(Selection());
}

// Marks the visible part of a block of cells for painting.
void TCustomGrid::InvalidateGridRect(const TGridRect& R) {
  (void)R;
  Invalidate();
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) { InvalidateGridRect({ACol, ARow, ACol, ARow}); }

void TCustomGrid::InvalidateCol(int ACol) { InvalidateGridRect({ACol, 0, ACol, RowCount() - 1}); }

void TCustomGrid::InvalidateRow(int ARow) { InvalidateGridRect({0, ARow, ColCount() - 1, ARow}); }

bool TCustomGrid::IsActiveControl() const {
  TWinControl* f = FocusedControl();
  return f != nullptr && (f == this || (FInplaceEdit != nullptr && f == FInplaceEdit));
}

// ---------------------------------------------------------------- TCustomDrawGrid

TCustomDrawGrid::TCustomDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (FOnDrawCell) FOnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow) {
  bool can = true;
  if (FOnSelectCell) FOnSelectCell(this, ACol, ARow, can);
  return can;
}

void TCustomDrawGrid::TopLeftChanged() {
  TCustomGrid::TopLeftChanged();
  if (FOnTopLeftChanged) FOnTopLeftChanged(this);
}

String TCustomDrawGrid::GetEditText(int ACol, int ARow) {
  String value;
  if (FOnGetEditText) FOnGetEditText(this, ACol, ARow, value);
  return value;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const String& Value) {
  if (FOnSetEditText) FOnSetEditText(this, ACol, ARow, Value);
}

}  // namespace vcl
