// The string grid: sparse cells, the lists of a column or row over them,
// their drawing and in-place editing.
#include <algorithm>

#include "platform/Grids.h"

namespace vcl {

// ---------------------------------------------------------------- TStringGridStrings

TGridCoord TStringGridStrings::At(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  return FIsCol ? TGridCoord{FIndex, Index} : TGridCoord{Index, FIndex};
}

int TStringGridStrings::Count() const { return FIsCol ? FGrid.RowCount() : FGrid.ColCount(); }

String TStringGridStrings::Strings(int Index) const {
  TGridCoord c = At(Index);
  return FGrid.Cells(c.X, c.Y);
}

void TStringGridStrings::SetStrings(int Index, const String& S) {
  TGridCoord c = At(Index);
  FGrid.SetCells(c.X, c.Y, S);
}

TObject* TStringGridStrings::Objects(int Index) const {
  TGridCoord c = At(Index);
  return FGrid.Objects(c.X, c.Y);
}

void TStringGridStrings::SetObjects(int Index, TObject* AObject) {
  TGridCoord c = At(Index);
  FGrid.SetObjects(c.X, c.Y, AObject);
}

int TStringGridStrings::Add(const String& S) {
  for (int i = 0; i < Count(); ++i) {
    if (Strings(i).empty()) {
      SetStrings(i, S);
      return i;
    }
  }
  throw EInvalidGridOperation(u"Grid index out of range");
}

void TStringGridStrings::Insert(int, const String&) {
  throw EInvalidGridOperation(u"Cells cannot be inserted into a grid's column or row");
}

void TStringGridStrings::Delete(int) {
  throw EInvalidGridOperation(u"Cells cannot be deleted from a grid's column or row");
}

void TStringGridStrings::Clear() {
  for (int i = 0; i < Count(); ++i) {
    SetStrings(i, String());
    SetObjects(i, nullptr);
  }
}

void TStringGridStrings::ReplaceItems(std::vector<TStringItem> Items) {
  if (static_cast<int>(Items.size()) > Count()) throw EInvalidGridOperation(u"Grid index out of range");
  for (int i = 0; i < Count(); ++i) {
    bool given = i < static_cast<int>(Items.size());
    SetStrings(i, given ? Items[static_cast<std::size_t>(i)].S : String());
    SetObjects(i, given ? Items[static_cast<std::size_t>(i)].Object : nullptr);
  }
}

// ---------------------------------------------------------------- TStringGrid

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

TStringGrid::~TStringGrid() = default;

void TStringGrid::CheckIndex(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) {
    throw EInvalidGridOperation(u"Grid index out of range");
  }
}

String TStringGrid::Cells(int ACol, int ARow) const {
  CheckIndex(ACol, ARow);
  auto it = FCells.find(Key(ACol, ARow));
  return it == FCells.end() ? String() : it->second.Text;
}

TObject* TStringGrid::Objects(int ACol, int ARow) const {
  CheckIndex(ACol, ARow);
  auto it = FCells.find(Key(ACol, ARow));
  return it == FCells.end() ? nullptr : it->second.Object;
}

// Stores the text and/or the object given; a cell left empty is dropped.
void TStringGrid::PutCell(int ACol, int ARow, const String* Text, const TObject* const* Object) {
  CheckIndex(ACol, ARow);
  TCell& cell = FCells[Key(ACol, ARow)];
  bool changed = false;
  if (Text != nullptr && cell.Text != *Text) {
    cell.Text = *Text;
    changed = true;
  }
  if (Object != nullptr) cell.Object = const_cast<TObject*>(*Object);
  if (cell.Text.empty() && cell.Object == nullptr) FCells.erase(Key(ACol, ARow));
  if (changed) InvalidateCell(ACol, ARow);
}

void TStringGrid::SetCells(int ACol, int ARow, const String& Value) { PutCell(ACol, ARow, &Value, nullptr); }

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) {
  const TObject* v = Value;
  PutCell(ACol, ARow, nullptr, &v);
}

TStrings* TStringGrid::Line(bool IsCol, int Index) {
  if (Index < 0 || Index >= (IsCol ? ColCount() : RowCount())) {
    throw EInvalidGridOperation(u"Grid index out of range");
  }
  auto& line = FLines[Key(Index, IsCol ? 0 : 1)];
  if (!line) line = std::make_unique<TStringGridStrings>(*this, IsCol, Index);
  return line.get();
}

TStrings* TStringGrid::Cols(int Index) { return Line(true, Index); }
TStrings* TStringGrid::Rows(int Index) { return Line(false, Index); }
void TStringGrid::SetCols(int Index, TStrings* Value) { Cols(Index)->Assign(Value); }
void TStringGrid::SetRows(int Index, TStrings* Value) { Rows(Index)->Assign(Value); }

void TStringGrid::ColRowCountChanged(int OldColCount, int OldRowCount) {
  TCustomGrid::ColRowCountChanged(OldColCount, OldRowCount);
  std::erase_if(FCells, [this](const auto& Entry) {
    int col = static_cast<int>(Entry.first & 0xFFFFFFFFu), row = static_cast<int>(Entry.first >> 32);
    return col >= ColCount() || row >= RowCount();
  });
  std::erase_if(FLines, [this](const auto& Entry) {
    int index = static_cast<int>(Entry.first & 0xFFFFFFFFu);
    return index >= ((Entry.first >> 32) == 0 ? ColCount() : RowCount());
  });
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (DefaultDrawing()) {
    auto it = FCells.find(Key(ACol, ARow));
    if (it != FCells.end() && !it->second.Text.empty()) {
      TCanvas& c = *Canvas();
      c.Brush()->SetStyle(bsClear);
      c.TextRect(ARect, ARect.Left + 2, ARect.Top + 2, it->second.Text);
      c.Brush()->SetStyle(bsSolid);
    }
  }
  TCustomDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

String TStringGrid::GetEditText(int ACol, int ARow) {
  String value = Cells(ACol, ARow);
  if (OnGetEditText()) OnGetEditText()(this, ACol, ARow, value);
  return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const String& Value) {
  SetCells(ACol, ARow, Value);
  TCustomDrawGrid::SetEditText(ACol, ARow, Value);
}

}  // namespace vcl
