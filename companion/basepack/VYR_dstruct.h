// Base package: data structures. TStringArray is a table of short texts
// with row and column attribute bytes and a row sort order; TBitFld is a
// resizable field of bits.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Classes.h"

namespace vyr {

// Raised by the data structures of the base package (and by the report
// list for cells that do not hold a number).
class EVYRDStructError : public EVYRError {
 public:
  using EVYRError::EVYRError;
};

// How two truth values are combined: loNOP takes the first alone.
enum TLogicOp : std::uint8_t { loNOP, loAND, loOR, loXOR };

// Left combined with Right by Op.
bool CombineLogic(TLogicOp Op, bool Left, bool Right);

// Sort hook: called once for every key cell before the rows are ordered,
// with the cell's text; OutString starts as a copy of InString and the row
// is compared by what the handler leaves in it (its first 255 code units,
// as for any cell text).
using TBeforeSortExchgEvent =
    std::function<void(vcl::TObject* Sender, const vcl::String& InString, vcl::String& OutString)>;

// Longest text a TStringArray cell holds, in UTF-16 code units.
inline constexpr int StringArrayMaxLen = 255;

// A table of short texts: columns 0..NrOfColumns × rows 0..NrOfRows (at
// least one data row is always kept), an attribute byte per row and per
// column, and a row sort order.
//
// Row numbers in every accessor are rows as shown: with a sort order
// active, row r is the physical row GetSortOrder(r). Texts and row
// attribute bytes belong to their physical row, so they travel with it
// when the shown order changes. Row 0 is never reordered.
//
// Texts longer than 255 code units are cut. Storage is compact: every
// column keeps its texts in one arena of UTF-16 units, a cell costs eight
// bytes plus its text, and an empty cell costs no text at all.
//
// Sorting compares as users of a report expect: cells that read as numbers
// (blanks around them ignored, "," or "." as the decimal separator, an
// optional exponent) by value; other texts case-insensitively with runs of
// digits compared by their value ("a9" before "a10"). To keep the order
// total, a text that begins with a digit run sits among the numbers by the
// value of that run (after a number of the same value); texts beginning
// with a character below "0" come before all numbers, other texts after
// them; the empty text comes first. Ties go to the secondary column, then
// to the order shown before the sort (the sort is stable).
class TStringArray : public vcl::TComponent {
 public:
  explicit TStringArray(vcl::TComponent* AOwner = nullptr, int NrColumns = 1, int NrRows = 1);
  TStringArray(int NrColumns, int NrRows);
  ~TStringArray() override;

  int NrOfColumns() const { return FNrCols; }
  int NrOfRows() const { return FNrRows; }

  // New dimensions; texts, attributes and the shown order of the rows that
  // remain are kept, new cells are empty. Column counts below 0 count as 0,
  // row counts below 1 as 1. When memory runs out, or for more than 2^28
  // cells, EVYRDStructError is raised and the table is unchanged.
  void Resize(int NrColumns, int NrRows);

  // Rows are allocated in steps of this many (at least 1; initially 1).
  int AllocRowsBy() const { return FAllocRowsBy; }
  void SetAllocRowsBy(int Value);

  // Text of a cell; the empty text outside the table.
  vcl::String GetString(int ACol, int ARow) const;
  // The same without a copy; valid until the table next changes.
  std::u16string_view StringView(int ACol, int ARow) const;
  // The views of Count cells of column ACol from row FirstRow down, into
  // Out (empty outside the table): one call for a block of cells, for
  // exports that walk the whole table.
  void StringViews(int ACol, int FirstRow, int Count, std::u16string_view* Out) const;
  // Stores a text (cut to 255 code units); ignored outside the table.
  void SetString(int ACol, int ARow, std::u16string_view Value);

  // Attribute bytes; 0 outside the table, writes outside are ignored.
  std::uint8_t GetRowAttrib(int ARow) const;
  void SetRowAttrib(int ARow, std::uint8_t Value);
  std::uint8_t GetColAttrib(int ACol) const;
  void SetColAttrib(int ACol, std::uint8_t Value);

  // An empty row (attribute 0) at shown position ARow, 1..NrOfRows + 1; the
  // rows from there on move one down. Physically it goes to the same
  // position, so an unsorted table stays unsorted.
  void InsertRow(int ARow);
  // An empty column (attribute 0) at ACol, 1..NrOfColumns + 1.
  void InsertColumn(int ACol);
  // Removes the row shown at ARow (1..NrOfRows); the other rows keep their
  // shown order. The only row is emptied instead (texts and attribute).
  void RemoveRow(int ARow);
  // Removes column ACol (1..NrOfColumns); column 0 stays.
  void RemoveColumn(int ACol);
  // Empties every text; dimensions, attributes and the sort order stay.
  void Clear();

  // Orders the shown rows by column Col, ties by column ColSec (none when
  // outside 0..NrOfColumns or equal to Col), then by their current shown
  // order. Physical rows do not move. Nothing happens for a Col outside
  // 0..NrOfColumns.
  void Sort(int Col, int ColSec, bool Ascending);
  // The physical row shown at position ARow (0 for row 0, -1 outside).
  int GetSortOrder(int ARow) const;
  // Shows physical row PhysRow at position ARow (both 1..NrOfRows; else
  // ignored). Entries may be set one by one; an order that is not a
  // permutation when it is next used is repaired: positions holding a
  // repeated row get the missing rows in ascending order.
  void SetSortOrder(int ARow, int PhysRow);
  // Makes the shown order the physical one.
  void CommitSorting();
  // Shows the physical order again.
  void UnSort();
  // True while the shown order differs from the physical one.
  bool Sorted() const;

  // Copies dimensions, texts, attributes, sort order and allocation step
  // from another TStringArray (not the event handlers).
  void Assign(vcl::TPersistent* Source) override;

  // Bytes the table holds on the heap (cells, texts, attributes, order).
  std::size_t MemoryUsed() const;

  // Fired after texts or dimensions change (not for attributes or the
  // shown order, which their callers repaint themselves).
  vcl::TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }
  // Progress of a sort.
  TOnPercentDoneEvent OnPercentDone() const { return FOnPercentDone; }
  void SetOnPercentDone(TOnPercentDoneEvent Value) { FOnPercentDone = std::move(Value); }
  // Supplies the text a row is compared by while sorting.
  TBeforeSortExchgEvent OnBeforeSortExchange() const { return FOnBeforeSortExchange; }
  void SetOnBeforeSortExchange(TBeforeSortExchgEvent Value) {
    FOnBeforeSortExchange = std::move(Value);
  }

 private:
  class Column;
  friend class StringArraySorter;

  bool ValidCol(int ACol) const { return ACol >= 0 && ACol <= FNrCols; }
  bool ValidRow(int ARow) const { return ARow >= 0 && ARow <= FNrRows; }
  int Physical(int ARow) const { return FOrder[static_cast<std::size_t>(ARow)]; }
  std::size_t RowCapacityFor(int NrRows, std::size_t Current) const;
  void RepairOrder() const;
  void Changed();

  int FNrCols = 0;
  int FNrRows = 0;
  int FAllocRowsBy = 1;
  std::vector<std::unique_ptr<Column>> FColumns;  // 0..FNrCols
  std::vector<std::uint8_t> FColAttr;             // 0..FNrCols
  std::vector<std::uint8_t> FRowAttr;             // by physical row 0..FNrRows
  // Shown position -> physical row, 0..FNrRows; entry 0 is always 0.
  mutable std::vector<std::int32_t> FOrder;
  mutable bool FOrderChecked = true;  // FOrder is known to be a permutation
  vcl::TNotifyEvent FOnChange;
  TOnPercentDoneEvent FOnPercentDone;
  TBeforeSortExchgEvent FOnBeforeSortExchange;
};

// A field of bits numbered from 0. Bits outside the field read False and
// ignore writes. Like every component it may be given an owner, which then
// frees it; without one it belongs to its creator.
class TBitFld : public vcl::TComponent {
 public:
  TBitFld() : TComponent(nullptr) {}
  explicit TBitFld(int Size) : TComponent(nullptr) { SetSize(Size); }
  explicit TBitFld(vcl::TComponent* AOwner, int Size = 0) : TComponent(AOwner) { SetSize(Size); }

  int Size() const { return FSize; }
  // New number of bits (below 0 counts as 0); bits that remain keep their
  // values, new ones are False.
  void SetSize(int Value);
  // Every bit False.
  void Clear();
  bool GetBit(int Ix) const;
  void SetBit(int Ix, bool Value);
  int CountTrueBits() const;
  // Number of the lowest True bit; -1 when no bit is True.
  int FirstTrueBit() const;

 private:
  int FSize = 0;
  std::vector<std::uint64_t> FWords;
};

}  // namespace vyr
