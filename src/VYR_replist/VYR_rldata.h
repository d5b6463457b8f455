// The report data store: a table of texts with column names, formats and
// check modes, row and column attribute bytes and the last sort request,
// together with its exchange formats (clipboard text, report XML, HTML, CSV,
// plain lines). TReportListView shows one; applications may use one alone.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "companion/basepack/VYR_dstruct.h"
#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Classes.h"

namespace vcl {
class TByteSink;
class TByteSource;
}  // namespace vcl

namespace vyr {

// Raised by TRLData.
class EVYRRLDataError : public EVYRError {
 public:
  using EVYRError::EVYRError;
};

// Raised by TReportListView.
class EVYRRepListError : public EVYRError {
 public:
  using EVYRError::EVYRError;
};

// Length limits of the store's short texts, in UTF-16 code units.
inline constexpr int RLCellMaxLen = StringArrayMaxLen;  // a stored cell text
inline constexpr int RLColFmtMaxLen = 80;                // a column format
inline constexpr int RLNameMaxLen = 50;                  // a column name

// A column name: at most RLNameMaxLen code units (longer names are cut).
using TNameStrType = vcl::String;
// A column format: at most RLColFmtMaxLen code units (longer ones are cut).
using TColFmtString = vcl::String;

// Check mode of a column: plain texts, an independent check box per cell,
// or radio buttons (at most one checked cell in the column).
enum TCheckMode : std::uint8_t { cmNone, cmBox, cmRadio };

// How the view matches a filter expression.
enum TFilterMode : std::uint8_t { fmSimple, fmBoolean, fmGrep };

// Offered every cell text the HTML export is about to write; the handler
// may replace Text.
using TBeforeHTMLExportEvent =
    std::function<void(vcl::TObject* Sender, vcl::String& Text, int Col, int Row)>;

// The tags of the report XML format; RepListXmlTagText gives their texts.
enum TRepListXmlTag : std::uint8_t {
  xmlNumCols, xmlNumRows, xmlColName, xmlCheckedColumn, xmlCommonHd,
  xmlColumnFormat, xmlCell, xmlComment, xmlEndReplist, xmlInvalid
};
extern const std::array<std::u16string_view, 10> RepListXmlTagText;
// The tag a tag text names (exact, lower case); xmlInvalid for any other.
TRepListXmlTag RepListXmlTagOf(std::u16string_view TagText);

// Row and column attribute bits the store and the view interpret.
inline constexpr std::uint8_t RLRowSelected = 0x80;
inline constexpr std::uint8_t RLRowDisabled = 0x40;
inline constexpr std::uint8_t RLColSelected = 0x80;

// A column format "[type code][width]tail" taken apart. The type code is an
// optional "#" (read-only field), a type letter and its options.
struct TColFormatParts {
  bool ReadOnly = false;
  char16_t TypeLetter = u's';
  vcl::String Options;  // the type code behind the letter (":8", a date pattern)
  int Width = 200;      // a missing or non-positive width gives 200
  vcl::String Tail;
};
// A format that does not start with "[" or has no "]" is type "s" with the
// whole format as its tail; the empty format is type "s" with an empty tail.
TColFormatParts SplitColumnFormat(const vcl::String& Format);

// Reads an integer from Text at the 1-based position Pos: blanks are
// skipped, then one optional sign, then decimal digits up to the first
// non-digit. No digits (or a position beyond the text) give 0; values
// beyond the int range saturate.
int ReadIntFromText(std::u16string_view Text, int Pos);

struct TRLContent;
class TReportListView;

// The report data store. Cells are addressed (column, row) with data
// columns 1..NrOfColumns and data rows 1..NrOfRows as currently shown;
// column 0 is a hidden column of the same kind. In a check column the first
// character of every non-empty stored text is the check marker ("X"
// checked, blank unchecked); Elem hides it.
class TRLData : public vcl::TComponent {
  friend class TReportListView;

 public:
  explicit TRLData(vcl::TComponent* AOwner);
  ~TRLData() override;

  // ------------------------------------------------------------ published
  int NrOfColumns() const { return FNrOfCols; }
  // Counts below 1 become 1; new columns are named "C-" and their number.
  void SetNrCols(int n);
  int NrOfRows() const { return FNrOfRows; }
  // Counts below 0 become 0; new rows are empty.
  void SetNrRows(int n);
  const vcl::String& CommonHeader() const { return FCommonHeader; }
  void SetCommonHeader(const vcl::String& Value);

  TBeforeSortExchgEvent OnBeforeSortExchange() const { return FOnBefSortExc; }
  void SetOnBeforeSortExchange(TBeforeSortExchgEvent Value) { FOnBefSortExc = std::move(Value); }
  TBeforeHTMLExportEvent OnBeforeHTMLExport() const { return FOnBefHTMLExport; }
  void SetOnBeforeHTMLExport(TBeforeHTMLExportEvent Value) { FOnBefHTMLExport = std::move(Value); }
  TOnPercentDoneEvent OnPercentDone() const { return FOnPercentDone; }
  void SetOnPercentDone(TOnPercentDoneEvent Value) { FOnPercentDone = std::move(Value); }

  // ------------------------------------------------------------ cells
  // Visible text (marker hidden); "" outside 0..NrOfColumns × 1..NrOfRows.
  vcl::String GetElem(int ACol, int ARow) const;
  // Keeps a check cell's marker (a blank for an empty cell); ignored outside.
  void SetElem(int ACol, int ARow, const vcl::String& Value);
  bool GetElemChecked(int ACol, int ARow) const;
  void SetElemChecked(int ACol, int ARow, bool Value);
  // The visible text as a number ("," counts as "."); "" reads 0. Other
  // texts raise EVYRDStructError naming the cell.
  double GetAsNumber(int ACol, int ARow) const;
  // The default value the column's format generates for the row.
  vcl::String GetCellDefaultValue(int ACol, int ARow) const;
  // Every data cell gets Value; check cells keep their state.
  void Fill(const vcl::String& Value);
  // Empties every cell and resets names, formats and check modes.
  void Clear();

  // ------------------------------------------------------------ columns
  vcl::String GetColName(int ColNr) const;
  void SetColName(int ColNr, const vcl::String& HLine);
  vcl::String GetColumnFormat(int ColNr) const;
  void SetColumnFormat(int ColNr, const vcl::String& DefValue);
  TCheckMode GetColCheckMode(int ColNr) const;
  void SetColCheckMode(int ColNr, TCheckMode Value);
  bool GetCheckedCol(int ColNr) const;
  void SetCheckedCol(int ColNr, bool Value);
  // The highest column whose name matches Head ignoring letter case (whole
  // name, or anywhere in it with PartialMatch); -1 when none does.
  int ColumnIndex(const vcl::String& Head, bool PartialMatch) const;
  void InsertColumn(int c);
  void RemoveColumn(int c);

  // ------------------------------------------------------------ rows
  void InsertRow(int r);
  void RemoveRow(int r);
  void RemoveEmptyRows();
  void CopyRow(int Source, int Target);

  // ------------------------------------------------------------ check marks
  void SetAllCheckmarksOfCol(int Column, bool Checked);
  void InvertAllCheckmarksOfCol(int Column);
  // The same, leaving rows with the disabled bit alone when SkipDisabledRows.
  void SetAllCheckmarksOfCol(int Column, bool Checked, bool SkipDisabledRows);
  void InvertAllCheckmarksOfCol(int Column, bool SkipDisabledRows);
  int CountCheckedElemsInCol(int Column) const;
  int CountCheckedElemsInRow(int Row) const;
  int FirstCheckedElemInCol(int ColNr) const;
  int FirstCheckedElemInRow(int RowNr) const;

  // ------------------------------------------------------------ sorting
  void Sort(int Col, int ColSec, bool Ascending);
  void UnSort();
  int LastSortColumn() const { return FSortColumn; }
  bool LastSortOrder() const { return FSortOrder; }

  // ------------------------------------------------------------ document
  const vcl::String& Comment() const { return FComment; }
  void SetComment(const vcl::String& Value) { FComment = Value; }
  const vcl::String& DataID() const { return FDataID; }
  void SetDataID(const vcl::String& Value) { FDataID = Value; }

  // From another TRLData: everything but the name, OnBeforeHTMLExport and
  // OnPercentDone; the rows keep the order the source shows.
  void Assign(vcl::TPersistent* Source) override;
  void AssignTo(vcl::TPersistent* Dest) override;

  // ------------------------------------------------------------ exchange
  // Cells of the range as text on the clipboard: in fixed-width fields (or
  // separated by TAB), or separated by Separator; with the column names
  // and an empty line first when AddHeader.
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                       bool UseTabs);
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                       const vcl::String& Separator);
  // Keeps a literal separator from choosing the UseTabs form.
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                       const char16_t* Separator) {
    CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, vcl::String(Separator));
  }
  // The same for a narrow (UTF-8) literal, which would otherwise be taken
  // for UseTabs = true.
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                       const char* Separator) {
    CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader,
                    vcl::FromUTF8(Separator != nullptr ? Separator : ""));
  }

  // Report XML (docs/report-formats.md). The writers put one report with
  // the id DataID (the store's DataID when empty) at the stream's or file's
  // position, after an XML declaration when CreateHeader. The "open file"
  // forms take a std::FILE* opened by the caller in binary mode, which they
  // neither close nor rewind.
  void WriteToXMLStream(vcl::TStream* OutStream, bool CreateHeader, const vcl::String& DataID);
  void WriteToOpenXMLFile(std::FILE* OutFile, bool CreateHeader, const vcl::String& DataID);
  void SaveAsXMLFile(const vcl::String& FName, const vcl::String& DataID);
  // The readers look from the current position for the first report whose
  // id equals DataID ignoring letter case (any report when DataID is empty)
  // and replace the store's content with it. They return false, changing
  // nothing, when there is no such report, and raise EVYRError naming the
  // source and the problem, changing nothing, when the report is damaged
  // or the file cannot be read. After a successful read the position is
  // behind the report; otherwise it is where it was.
  bool ReadFromXMLStream(vcl::TStream* InStream, const vcl::String& DataID);
  bool ReadFromXMLString(const vcl::String& InString, const vcl::String& DataID);
  bool ReadFromOpenXMLFile(std::FILE* InFile, const vcl::String& DataID);
  bool LoadFromXMLFile(const vcl::String& FName, const vcl::String& DataID);

  // An HTML page with the range as a table: the columns of ColumnSelection
  // that lie in LoC..HiC in its order (all of LoC..HiC when it is empty).
  void ExportHTMLTable(const vcl::String& FName, int LoC, int LoR, int HiC, int HiR,
                       const std::vector<int>& ColumnSelection, int Border, int CellSpacing,
                       int Cellpadding, bool IncludeHeader, const vcl::String& HeadClass,
                       const vcl::String& CellClass, const vcl::String& TableClass);
  // RFC 4180 CSV in UTF-8; returns the number of data rows written.
  int ExportCSV(const vcl::String& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders,
                bool IncludeCommonHeader, int FirstCol, int FirstRow, int LastCol, int LastRow);
  // Replaces the table with a CSV file's records; returns the number of
  // data rows read.
  int ImportCSV(const vcl::String& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders);
  // The lines of a text file into column Column from row FirstRow on, adding
  // rows as needed; returns the number of lines stored.
  int LoadLinesFromFile(int Column, int FirstRow, const vcl::String& FName);

  // Hands Text to OnBeforeHTMLExport (the store as sender) when one is set.
  void BeforeHTMLExport(vcl::String& Text, int Col, int Row);

  // The readers refuse reports of more cells than this, counting column 0
  // and row 0 ((columns + 1) × (rows + 1)); 2^28 unless changed.
  std::int64_t MaxReadCells() const { return FMaxReadCells; }
  void SetMaxReadCells(std::int64_t Value) { FMaxReadCells = Value < 1 ? 1 : Value; }

  // The cell texts and attribute bytes. Owned; replaced (with its event
  // handlers carried over) by Assign and by the readers.
  std::unique_ptr<TStringArray> Strings;

 private:
  bool ValidCell(int ACol, int ARow) const {
    return ACol >= 0 && ACol <= FNrOfCols && ARow >= 1 && ARow <= FNrOfRows;
  }
  bool ValidCol(int ColNr) const { return ColNr >= 1 && ColNr <= FNrOfCols; }
  bool IsCheckCol(int ColNr) const { return ValidCol(ColNr) && FColButMode[ColNr - 1] != cmNone; }
  bool IsChecked(int ACol, int ARow) const;
  bool RowDisabled(int ARow) const { return (Strings->GetRowAttrib(ARow) & RLRowDisabled) != 0; }
  void SetMarker(int ACol, int ARow, char16_t Marker);
  void UncheckColumn(int ColNr);
  void ChangeCheckMode(int ColNr, TCheckMode From, TCheckMode To);
  void UpdateFeedback();
  void ConnectTable(TStringArray& Table, const TStringArray* Previous);
  void TakeContent(TRLContent& Content, const vcl::String& DataID);
  void KeepRows(const std::vector<bool>& Keep);
  void WriteXml(vcl::TByteSink& Sink, bool CreateHeader, const vcl::String& DataID,
                const vcl::String& Who);
  bool ReadXml(vcl::TByteSource& Source, const vcl::String& DataID, const vcl::String& Who);
  [[noreturn]] void HeapError() const;

  vcl::String FComment;
  std::vector<TNameStrType> FColName;
  std::vector<TColFmtString> FColumnFormat;
  std::vector<TCheckMode> FColButMode;
  vcl::String FCommonHeader;
  int FNrOfCols = 1;
  int FNrOfRows = 0;
  int FSortColumn = -1;
  int FSortColumnSec = -1;
  bool FSortOrder = true;
  TBeforeSortExchgEvent FOnBefSortExc;
  vcl::String FDataID;
  bool FSortToggle = true;
  TBeforeHTMLExportEvent FOnBefHTMLExport;
  int FFeedbkNumCells = 1;
  int FFeedbkStep = 1;
  TOnPercentDoneEvent FOnPercentDone;
  std::int64_t FMaxReadCells = std::int64_t{1} << 28;
};

// Whether a report file (or a stream, from its position on) holds a report
// root line with the marker word and, unless DataID is empty, the id DataID
// (letter case ignored). A file that cannot be read raises EInOutError. The
// stream is left behind the last line read.
bool CheckIfValidReplist(const vcl::String& FName, const vcl::String& DataID);
bool CheckIfValidReplist(vcl::TStream* InStream, const vcl::String& DataID);

}  // namespace vyr
