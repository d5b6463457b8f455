// Math package: TDataTable, a table of floating values with a state byte
// per cell, names and attribute bytes for rows and columns, a measurement
// scale per column with nominal identifiers, a comment, and notifications.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "companion/basepack/VYR_vyrbase.h"
#include "companion/mathpack/VYR_matrix.h"
#include "platform/Classes.h"

namespace vyr {

// Measurement scale of a column. Binary and nominal columns hold ordinals
// that may stand for nominal identifiers.
enum TMScaleType : std::uint8_t { mstUndefined, mstBinary, mstNominal, mstOrdinal, mstInterval, mstRatio };

// Display names of the scale types, indexed by TMScaleType.
inline constexpr std::array<std::u16string_view, 6> MScaleTypeNames = {
    u"undefined", u"binary", u"nominal", u"ordinal", u"interval", u"ratio"};

inline constexpr int DataTableNameLen = 50;   // row and column names
inline constexpr int NominalIDLen = 10;       // nominal identifiers
inline constexpr int MaxNominalOrdinal = 150;  // ordinals 1..150 may have one

// Cell-state bits the table itself works with.
inline constexpr std::uint8_t dtsNoNumber = 1;  // bit 0: not a valid number
inline constexpr std::uint8_t dtsEmpty = 2;     // bit 1: empty cell
inline constexpr std::uint8_t dtsMarkA = 64;    // bit 6
inline constexpr std::uint8_t dtsMarkB = 128;   // bit 7

// The table's size changed from (OldCols, OldRows) to (NewCols, NewRows).
using TDTResizeEvent =
    std::function<void(vcl::TObject* Sender, int OldCols, int OldRows, int NewCols, int NewRows)>;
// A sort exchanged two columns (Kind 1: columns P1 and P2) or two rows
// (Kind 2: rows P1 and P2); P3 and P4 are 0.
using TDTExchangeEvent =
    std::function<void(vcl::TObject* Sender, std::uint8_t Kind, int P1, int P2, int P3, int P4)>;

// Columns and rows count from 1; there are always at least one of each.
// Reads outside the table give 0, False or the empty text, and writes
// outside are ignored.
//
// Notifications: OnDataChanged after values or states change;
// OnSetupChanged after the structure, the scale types or the nominal
// identifiers change; OnResized whenever the dimensions change (also by
// inserting or removing); OnPercentDone during sorts;
// OnExchangeDuringSort for every exchange a sort makes. Names, attribute
// bytes and the comment change silently: their callers show them.
class TDataTable : public vcl::TComponent {
 public:
  explicit TDataTable(vcl::TComponent* AOwner = nullptr, int NrColumns = 1, int NrRows = 1);
  TDataTable(int NrColumns, int NrRows);

  int NrOfColumns() const { return FD.Values.NrOfColumns(); }
  int NrOfRows() const { return FD.Values.NrOfRows(); }

  // New dimensions (below 1 count as 1); everything that remains keeps its
  // value, new cells are 0 with state 0, new names empty. EVYRError when the
  // memory runs out or the size is beyond MatrixMaxElems; the table is
  // then unchanged.
  void Resize(int NrColumns, int NrRows);
  // Values, states, names, attributes, scale types, identifiers and the
  // comment back to their initial values; the dimensions stay.
  void Clear();

  double GetElem(int ACol, int ARow) const { return FD.Values.Get(ACol, ARow); }
  void SetElem(int ACol, int ARow, double Value);
  // True when neither state bit 0 (no number) nor bit 1 (empty) is set.
  bool GetIsNumber(int ACol, int ARow) const;
  std::uint8_t GetCellState(int ACol, int ARow) const { return FD.States.Get(ACol, ARow); }
  void SetCellState(int ACol, int ARow, std::uint8_t Value);

  // Names are cut to 50 code units.
  vcl::String GetColName(int ACol) const;
  void SetColName(int ACol, std::u16string_view Name);
  vcl::String GetRowName(int ARow) const;
  void SetRowName(int ARow, std::u16string_view Name);
  std::uint8_t GetColAttrib(int ACol) const;
  void SetColAttrib(int ACol, std::uint8_t Value);
  std::uint8_t GetRowAttrib(int ARow) const;
  void SetRowAttrib(int ARow, std::uint8_t Value);

  TMScaleType GetMScaleType(int ACol) const;
  void SetMScaleType(int ACol, TMScaleType Value);
  // Identifier of ordinal Ordinal (1..150) in column ACol, cut to 10 units.
  vcl::String GetNominalID(int ACol, int Ordinal) const;
  void SetNominalID(int ACol, int Ordinal, std::u16string_view ID);
  // The lowest ordinal of column ACol whose identifier equals ID (blanks
  // around ID ignored; letter case too with IgnoreCase); 0 when none.
  int OrdinalOfNominalID(int ACol, std::u16string_view ID, bool IgnoreCase) const;

  const vcl::String& Comment() const { return FD.Comment; }
  void SetFComment(const vcl::String& Value) { FD.Comment = Value; }

  // A row or column before Ix (1..count + 1) with zeros, state 0, no name;
  // or the removal of one (1..count, never the last one left).
  void InsertRow(int Ix);
  void InsertColumn(int Ix);
  void RemoveRow(int Ix);
  void RemoveColumn(int Ix);
  // Reverses the order of the rows (columns) with all that belongs to them.
  void MirrorRows();
  void MirrorColumns();

  // Sets every cell whose state has a bit of StateMask to Value; returns
  // how many cells that were. States stay as they are.
  int FillMarkedCells(double Value, std::uint8_t StateMask);
  // Flips the bits of StateMask in every cell state.
  void InvertCellStates(std::uint8_t StateMask);
  // Clears marks A and B (bits 6 and 7) of every cell.
  void UnmarkAllCells();
  // Swaps marks A and B in every cell.
  void ExchangeMarkings();

  // Orders the rows LowRow..HighRow by the values of column SortCol, moving
  // the cells of columns LowCol..HighCol (and, with IncludeHeaders, the
  // row names and attributes). Cells that hold no number (NaN values
  // included) come last in both directions; equal values keep their order. Ranges are clipped to the
  // table; a SortCol outside the table does nothing.
  void SortRows(int SortCol, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                bool IncludeHeaders) {
    SortBlock(true, SortCol, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
  }
  // The same for columns LowCol..HighCol by the values of row SortRow;
  // IncludeHeaders moves names, attributes, scale types and identifiers.
  void SortCols(int SortRow, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                bool IncludeHeaders) {
    SortBlock(false, SortRow, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
  }

  // The value matrix itself; writing through it notifies nobody.
  TMatrix& Matrix() { return FD.Values; }
  const TMatrix& Matrix() const { return FD.Values; }

  // Copies everything but the event handlers from another TDataTable.
  void Assign(vcl::TPersistent* Source) override;

  vcl::TNotifyEvent OnDataChanged() const { return FOnDataChanged; }
  void SetOnDataChanged(vcl::TNotifyEvent Value) { FOnDataChanged = std::move(Value); }
  vcl::TNotifyEvent OnSetupChanged() const { return FOnSetupChanged; }
  void SetOnSetupChanged(vcl::TNotifyEvent Value) { FOnSetupChanged = std::move(Value); }
  TOnPercentDoneEvent OnPercentDone() const { return FOnPercentDone; }
  void SetOnPercentDone(TOnPercentDoneEvent Value) { FOnPercentDone = std::move(Value); }
  TDTResizeEvent OnResized() const { return FOnResized; }
  void SetOnResized(TDTResizeEvent Value) { FOnResized = std::move(Value); }
  TDTExchangeEvent OnExchangeDuringSort() const { return FOnExchange; }
  void SetOnExchangeDuringSort(TDTExchangeEvent Value) { FOnExchange = std::move(Value); }

 private:
  // What belongs to a column besides its cells.
  struct ColumnHead {
    vcl::String Name;
    std::uint8_t Attrib = 0;
    TMScaleType Scale = mstUndefined;
    std::vector<vcl::String> NominalIDs;  // empty, or 151 entries (0 unused)
  };
  struct RowHead {
    vcl::String Name;
    std::uint8_t Attrib = 0;
  };

  bool ValidCol(int ACol) const { return ACol >= 1 && ACol <= NrOfColumns(); }
  bool ValidRow(int ARow) const { return ARow >= 1 && ARow <= NrOfRows(); }
  ColumnHead& ColHead(int ACol) { return FD.ColHeads[static_cast<std::size_t>(ACol - 1)]; }
  const ColumnHead& ColHead(int ACol) const { return FD.ColHeads[static_cast<std::size_t>(ACol - 1)]; }
  RowHead& RowHd(int ARow) { return FD.RowHeads[static_cast<std::size_t>(ARow - 1)]; }
  const RowHead& RowHd(int ARow) const { return FD.RowHeads[static_cast<std::size_t>(ARow - 1)]; }
  template <class F>
  void ForEachState(F&& Change);
  void ExchangeRows(int A, int B, int LowCol, int HighCol, bool IncludeHeaders);
  void ExchangeCols(int A, int B, int LowRow, int HighRow, bool IncludeHeaders);
  void ReportExchange(std::uint8_t Kind, int A, int B);
  void SortBlock(bool ByRows, int Key, bool Ascending, int LowCol, int LowRow, int HighCol,
                 int HighRow, bool IncludeHeaders);
  void StructureChanged(int OldCols, int OldRows);
  void DataChanged();
  void SetupChanged();
  void Progress(int Percent);

  // Everything with the table's shape: structural changes work on a copy
  // and take it over when complete.
  struct Contents {
    TMatrix Values;
    TBasicMatrix<std::uint8_t> States{0, 0};
    std::vector<ColumnHead> ColHeads;
    std::vector<RowHead> RowHeads;
    vcl::String Comment;
  };
  template <class F>
  void ChangeStructure(F&& Change);

  Contents FD;
  vcl::TNotifyEvent FOnDataChanged;
  vcl::TNotifyEvent FOnSetupChanged;
  TOnPercentDoneEvent FOnPercentDone;
  TDTResizeEvent FOnResized;
  TDTExchangeEvent FOnExchange;
};

}  // namespace vyr
