// The store's exchanges besides report XML: clipboard text, HTML table
// export, CSV export and import, and reading the lines of a text file.
#include <algorithm>
#include <cstring>
#include <vector>

#include "VYR_replist/VYR_rldata.h"
#include "VYR_replist/internal/VYR_rlcsv.h"
#include "VYR_replist/internal/VYR_rlio.h"
#include "companion/basepack/VYR_stringl.h"
#include "platform/Clipbrd.h"

namespace vyr {

namespace {

// A range of columns or rows clamped to what the table has; empty when
// First > Last.
struct TSpan {
  int First;
  int Last;
  int Count() const { return std::max(0, Last - First + 1); }
};

TSpan Clamp(int First, int Last, int Low, int High) {
  return {std::max(First, Low), std::min(Last, High)};
}

// Visible part of a stored text.
std::u16string_view Visible(std::u16string_view Stored, bool CheckCol) {
  if (CheckCol && !Stored.empty()) Stored.remove_prefix(1);
  return Stored;
}

}  // namespace

// ---------------------------------------------------------------- clipboard

void TRLData::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                              bool UseTabs) {
  if (UseTabs) {
    CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, vcl::String(u"\t"));
    return;
  }
  const TSpan cols = Clamp(LeftCol, RightCol, 0, FNrOfCols);
  const TSpan rows = Clamp(TopRow, BottomRow, 1, FNrOfRows);
  // Fields one wider than the longest stored text (marker included) or the
  // name; a text is never longer than its field, so it is only padded.
  std::vector<std::size_t> field;
  std::size_t line = 1;
  for (int c = cols.First; c <= cols.Last; ++c) {
    std::size_t w = AddHeader ? GetColName(c).size() : 0;
    for (int r = rows.First; r <= rows.Last; ++r) w = std::max(w, Strings->StringView(c, r).size());
    field.push_back(std::min<std::size_t>(w, 255) + 1);
    line += field.back();
  }
  vcl::String text;
  text.reserve(line * (static_cast<std::size_t>(rows.Count()) + 1) + 1);
  auto put = [&](std::size_t i, std::u16string_view s) {
    text.append(s);
    text.append(field[i] - s.size(), u' ');
  };
  if (AddHeader) {
    for (int c = cols.First; c <= cols.Last; ++c) put(static_cast<std::size_t>(c - cols.First), GetColName(c));
    text += u"\n\n";
  }
  for (int r = rows.First; r <= rows.Last; ++r) {
    for (int c = cols.First; c <= cols.Last; ++c)
      put(static_cast<std::size_t>(c - cols.First), Visible(Strings->StringView(c, r), IsCheckCol(c)));
    text += u'\n';
  }
  vcl::Clipboard()->SetAsText(text);
}

void TRLData::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                              const vcl::String& Separator) {
  const TSpan cols = Clamp(LeftCol, RightCol, 0, FNrOfCols);
  const TSpan rows = Clamp(TopRow, BottomRow, 1, FNrOfRows);
  // The length first, so that the text is built without reallocation.
  std::size_t length = 2 + static_cast<std::size_t>(rows.Count() + 1) *
                               (1 + Separator.size() * static_cast<std::size_t>(cols.Count()));
  for (int c = cols.First; c <= cols.Last; ++c) {
    length += GetColName(c).size();
    for (int r = rows.First; r <= rows.Last; ++r) length += Strings->StringView(c, r).size();
  }
  vcl::String text;
  text.reserve(length);
  if (AddHeader) {
    for (int c = cols.First; c <= cols.Last; ++c) {
      if (c > cols.First) text += Separator;
      text += GetColName(c);
    }
    text += u"\n\n";
  }
  for (int r = rows.First; r <= rows.Last; ++r) {
    for (int c = cols.First; c <= cols.Last; ++c) {
      if (c > cols.First) text += Separator;
      text.append(Visible(Strings->StringView(c, r), IsCheckCol(c)));
    }
    text += u'\n';
  }
  vcl::Clipboard()->SetAsText(text);
}

// ---------------------------------------------------------------- HTML

namespace {

char* PutAscii(char* P, std::string_view S) {
  std::memcpy(P, S.data(), S.size());
  return P + S.size();
}

// Text for HTML (at most 6 bytes per unit): markup characters as
// references, line breaks as <br>.
void HtmlText(vcl::TTextWriter& Out, std::u16string_view S) {
  char* p = Out.Room(S.size() * 6);
  for (std::size_t i = 0; i < S.size(); ++i) {
    switch (S[i]) {
      case u'&': p = PutAscii(p, "&amp;"); break;
      case u'<': p = PutAscii(p, "&lt;"); break;
      case u'>': p = PutAscii(p, "&gt;"); break;
      case u'"': p = PutAscii(p, "&quot;"); break;
      case u'\'': p = PutAscii(p, "&#39;"); break;
      case u'\r':
        if (i + 1 < S.size() && S[i + 1] == u'\n') break;
        p = PutAscii(p, "<br>");
        break;
      case u'\n': p = PutAscii(p, "<br>"); break;
      default: {
        const std::size_t n = (S[i] >= 0xD800 && S[i] <= 0xDBFF && i + 1 < S.size()) ? 2 : 1;
        p = vcl::EncodeUtf8(p, S.substr(i, n));
        i += n - 1;
      }
    }
  }
  Out.Advance(p);
}

// ' class="Name"' when Name is not empty.
void ClassAttr(vcl::TTextWriter& Out, const vcl::String& Name) {
  if (Name.empty()) return;
  Out.Ascii(" class=\"");
  HtmlText(Out, Name);
  Out.Ascii("\"");
}

}  // namespace

namespace {

// The page up to the table's start tag.
void HtmlHead(vcl::TTextWriter& Out, const vcl::String& Title, const vcl::String& TableClass, int Border,
              int CellSpacing, int Cellpadding) {
  Out.Ascii("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>");
  HtmlText(Out, Title);
  Out.Ascii("</title>\n</head>\n<body>\n<table");
  ClassAttr(Out, TableClass);
  Out.Ascii(" border=\"");
  Out.Int(std::max(Border, 0));
  Out.Ascii("\" cellspacing=\"");
  Out.Int(std::max(CellSpacing, 0));
  Out.Ascii("\" cellpadding=\"");
  Out.Int(std::max(Cellpadding, 0));
  Out.Ascii("\">\n");
}

// One table cell: <Tag class="Class">Text</Tag>.
void HtmlCell(vcl::TTextWriter& Out, const char* Tag, const vcl::String& Class, const vcl::String& Text) {
  Out.Ascii("<");
  Out.Ascii(Tag);
  ClassAttr(Out, Class);
  Out.Ascii(">");
  HtmlText(Out, Text);
  Out.Ascii("</");
  Out.Ascii(Tag);
  Out.Ascii(">");
}

// The columns to export: those of Selection within Range, in its order, or
// the whole range when Selection is empty.
std::vector<int> HtmlColumns(const std::vector<int>& Selection, TSpan Range) {
  std::vector<int> cols;
  if (Selection.empty()) {
    for (int c = Range.First; c <= Range.Last; ++c) cols.push_back(c);
  } else {
    for (int c : Selection)
      if (c >= Range.First && c <= Range.Last) cols.push_back(c);
  }
  return cols;
}

}  // namespace

void TRLData::ExportHTMLTable(const vcl::String& FName, int LoC, int LoR, int HiC, int HiR,
                              const std::vector<int>& ColumnSelection, int Border, int CellSpacing,
                              int Cellpadding, bool IncludeHeader, const vcl::String& HeadClass,
                              const vcl::String& CellClass, const vcl::String& TableClass) {
  const std::vector<int> cols = HtmlColumns(ColumnSelection, Clamp(LoC, HiC, 0, FNrOfCols));
  const TSpan rows = Clamp(LoR, HiR, 1, FNrOfRows);
  rlio::StoreIO(rlio::ComponentPrefix(*this), [&] {
    vcl::TSafeFile file(FName);
    vcl::TTextWriter out(file);
    HtmlHead(out, FCommonHeader, TableClass, Border, CellSpacing, Cellpadding);
    if (IncludeHeader) {
      out.Ascii("<tr>");
      for (int c : cols) HtmlCell(out, "th", HeadClass, GetColName(c));
      out.Ascii("</tr>\n");
    }
    rlio::TProgress progress(this, FOnPercentDone,
                             std::int64_t{rows.Count()} * std::max<std::int64_t>(std::ssize(cols), 1));
    vcl::String text;
    for (int r = rows.First; r <= rows.Last; ++r) {
      out.Ascii("<tr>");
      for (int c : cols) {
        text = GetElem(c, r);
        BeforeHTMLExport(text, c, r);
        HtmlCell(out, "td", CellClass, text);
        progress.Tick();
      }
      out.Ascii("</tr>\n");
    }
    out.Ascii("</table>\n</body>\n</html>\n");
    out.Flush();
    file.Commit();
    progress.Done();
  });
}

// ---------------------------------------------------------------- CSV out

int TRLData::ExportCSV(const vcl::String& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders,
                       bool IncludeCommonHeader, int FirstCol, int FirstRow, int LastCol, int LastRow) {
  const TSpan cols = Clamp(FirstCol, LastCol, 0, FNrOfCols);
  const TSpan rows = cols.Count() == 0 ? TSpan{1, 0} : Clamp(FirstRow, LastRow, 1, FNrOfRows);
  std::vector<vcl::String> names;
  for (int c = cols.First; c <= cols.Last; ++c) names.push_back(GetColName(c));
  const rlio::TCsvWriter csv(CSVDelimiterChar(Delimiter));
  // Records are written in blocks of rows: the block's cells are looked up
  // column by column, and one check of the buffer's room (for cells of the
  // table's greatest length) covers the whole block.
  constexpr std::size_t kBlock = 64;
  const std::size_t width = names.size();
  std::vector<std::u16string_view> block(std::max<std::size_t>(width, 1) * kBlock);
  auto write = [&](vcl::TTextWriter& Out, std::size_t Stride, std::size_t Count) {
    const std::size_t record = rlio::TCsvWriter::Bound(width * StringArrayMaxLen, width);
    Out.Advance(csv.Records(Out.Room(Count * record), block.data(), width, Stride, Count));
  };
  return rlio::StoreIO(rlio::ComponentPrefix(*this), [&] {
    vcl::TSafeFile file(FName);
    vcl::TTextWriter out(file);
    if (IncludeCommonHeader) {
      const std::u16string_view title = FCommonHeader;
      out.Advance(csv.Record(out.Room(rlio::TCsvWriter::Bound(title.size(), 1)), &title, 1));
    }
    if (IncludeColHeaders && width > 0) {
      for (std::size_t i = 0; i < width; ++i) block[i] = names[i];  // names are short texts too
      write(out, 1, 1);
    }
    rlio::TProgress progress(this, FOnPercentDone, rows.Count());
    for (int first = rows.First; first <= rows.Last; first += static_cast<int>(kBlock)) {
      const auto count = static_cast<std::size_t>(std::min<int>(kBlock, rows.Last - first + 1));
      for (std::size_t i = 0; i < width; ++i) {
        std::u16string_view* views = block.data() + i * kBlock;
        const int col = cols.First + static_cast<int>(i);
        Strings->StringViews(col, first, static_cast<int>(count), views);
        if (IsCheckCol(col)) {
          for (std::size_t k = 0; k < count; ++k) views[k] = Visible(views[k], true);
        }
      }
      write(out, kBlock, count);
      for (std::size_t k = 0; k < count; ++k) progress.Tick();
    }
    out.Flush();
    file.Commit();
    progress.Done();
    return rows.Count();
  });
}

// ---------------------------------------------------------------- CSV in

namespace {

struct TCsvField {
  std::string_view Raw;  // for a quoted field: behind the opening quote
  bool Quoted;
};

// Splits CSV text into records. Quoted fields may hold delimiters, quotes
// (doubled) and line breaks; text after a closing quote is kept as it is.
class TCsvScanner {
 public:
  TCsvScanner(std::string_view Text, char Delimiter) : FText(Text), FDelim(Delimiter) {}
  // The next record; false at the end. Raises with the line of a quoted
  // field that is never closed.
  bool Next(std::vector<TCsvField>& Fields, const vcl::String& Who);
  static bool Blank(const std::vector<TCsvField>& Fields) {
    return Fields.size() == 1 && !Fields[0].Quoted && Fields[0].Raw.empty();
  }

 private:
  std::string_view FText;
  char FDelim;
  std::size_t FPos = 0;
  int FLine = 1;
};

bool TCsvScanner::Next(std::vector<TCsvField>& Fields, const vcl::String& Who) {
  if (FPos >= FText.size()) return false;
  Fields.clear();
  while (true) {
    const bool quoted = FText[FPos] == '"';
    const int quoteLine = FLine;
    bool inQuotes = quoted;
    if (quoted) ++FPos;
    const std::size_t start = FPos;
    for (; FPos < FText.size(); ++FPos) {
      const char c = FText[FPos];
      if (c == '"' && quoted) {
        if (inQuotes && FPos + 1 < FText.size() && FText[FPos + 1] == '"') {
          ++FPos;
          continue;
        }
        inQuotes = !inQuotes;
        continue;
      }
      if (c == '\n' || (c == '\r' && (FPos + 1 == FText.size() || FText[FPos + 1] != '\n'))) {
        if (!inQuotes) break;
        ++FLine;
      }
      if (!inQuotes && (c == FDelim || c == '\r')) break;
    }
    if (inQuotes) {
      throw EVYRRLDataError(Who + u"line " + vcl::IntToStr(quoteLine) +
                            u": a quoted field is not closed");
    }
    Fields.push_back({FText.substr(start, FPos - start), quoted});
    if (FPos < FText.size() && FText[FPos] == FDelim) {
      ++FPos;
      if (FPos < FText.size()) continue;
      Fields.push_back({std::string_view(), false});  // a delimiter at the very end
      return true;
    }
    if (FPos < FText.size()) {
      FPos += (FText[FPos] == '\r' && FPos + 1 < FText.size() && FText[FPos + 1] == '\n') ? 2 : 1;
      ++FLine;
    }
    return true;
  }
}

// The text of a field, cut to MaxUnits.
std::size_t DecodeField(const TCsvField& F, char16_t* Out, std::size_t MaxUnits, std::string& Scratch) {
  if (!F.Quoted || F.Raw.find('"') == std::string_view::npos) return vcl::DecodeUtf8(F.Raw, Out, MaxUnits);
  Scratch.clear();
  bool inQuotes = true;
  for (std::size_t i = 0; i < F.Raw.size(); ++i) {
    if (F.Raw[i] != '"') {
      Scratch += F.Raw[i];
    } else if (inQuotes && i + 1 < F.Raw.size() && F.Raw[i + 1] == '"') {
      Scratch += '"';
      ++i;
    } else {
      inQuotes = !inQuotes;
    }
  }
  return vcl::DecodeUtf8(Scratch, Out, MaxUnits);
}

}  // namespace

namespace {

// The size of the table a CSV text makes (and every syntax error in it):
// the number of records that are not blank and the widest one.
std::pair<int, int> CsvSize(std::string_view Text, char Delimiter, const vcl::String& Who) {
  std::vector<TCsvField> fields;
  int records = 0;
  std::size_t widest = 1;
  for (TCsvScanner scan(Text, Delimiter); scan.Next(fields, Who);) {
    if (TCsvScanner::Blank(fields)) continue;
    if (records == INT32_MAX || fields.size() >= static_cast<std::size_t>(INT32_MAX))
      throw EVYRRLDataError(Who + u"too many records or fields");
    ++records;
    widest = std::max(widest, fields.size());
  }
  return {records, static_cast<int>(widest)};
}

// Stores the records into Content (allocated to their size); with Names the
// first one gives the column names.
void CsvStore(std::string_view Text, char Delimiter, bool Names, const vcl::String& Who,
              TRLContent& Content, rlio::TProgress& Progress) {
  std::vector<TCsvField> fields;
  char16_t buf[RLCellMaxLen];
  std::string scratch;
  int row = Names ? 0 : 1;
  for (TCsvScanner scan(Text, Delimiter); scan.Next(fields, Who);) {
    if (TCsvScanner::Blank(fields)) continue;
    for (std::size_t k = 0; k < fields.size(); ++k) {
      const std::size_t n = DecodeField(fields[k], buf, row == 0 ? RLNameMaxLen : RLCellMaxLen, scratch);
      if (row == 0) {
        Content.Names[k] = vcl::String(buf, n);
      } else if (n > 0) {
        Content.Table->SetString(static_cast<int>(k) + 1, row, std::u16string_view(buf, n));
      }
    }
    if (row > 0) Progress.Tick();
    ++row;
  }
}

}  // namespace

int TRLData::ImportCSV(const vcl::String& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders) {
  const vcl::String who = rlio::ComponentPrefix(*this) + u"CSV file " + rlio::Quoted(FName) + u": ";
  const std::string bytes = rlio::StoreIO(rlio::ComponentPrefix(*this), [&] { return vcl::ReadFileBytes(FName); });
  const std::string_view text = vcl::StripBom(bytes);
  const char delim = static_cast<char>(CSVDelimiterChar(Delimiter));
  const auto [records, widest] = CsvSize(text, delim, who);
  const int rows = std::max(0, records - (IncludeColHeaders ? 1 : 0));
  TRLContent content;
  content.Allocate(widest, rows, FMaxReadCells, who);
  rlio::TProgress progress(this, FOnPercentDone, rows);
  CsvStore(text, delim, IncludeColHeaders, who, content, progress);
  TakeContent(content, vcl::String());
  progress.Done();
  return rows;
}

// ---------------------------------------------------------------- lines

int TRLData::LoadLinesFromFile(int Column, int FirstRow, const vcl::String& FName) {
  if (Column < 0 || Column > FNrOfCols || FirstRow < 1) return 0;
  const std::string bytes = rlio::StoreIO(rlio::ComponentPrefix(*this), [&] { return vcl::ReadFileBytes(FName); });
  const std::vector<std::string_view> lines = vcl::SplitLines(vcl::StripBom(bytes));
  if (lines.empty()) return 0;
  const std::int64_t last = std::int64_t{FirstRow} + static_cast<std::int64_t>(lines.size()) - 1;
  if (last > INT32_MAX || (std::int64_t{FNrOfCols} + 1) * (last + 1) > FMaxReadCells) {
    throw EVYRRLDataError(rlio::ComponentPrefix(*this) + rlio::Quoted(FName) +
                          u" has more lines than the table can take");
  }
  // The table grows first: when that fails nothing has changed.
  if (last > FNrOfRows) SetNrRows(static_cast<int>(last));
  rlio::TBulkChange bulk(*Strings, true);
  rlio::TProgress progress(this, FOnPercentDone, static_cast<std::int64_t>(lines.size()));
  char16_t buf[RLCellMaxLen];
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t n = vcl::DecodeUtf8(lines[i], buf, RLCellMaxLen);
    SetElem(Column, FirstRow + static_cast<int>(i), vcl::String(buf, n));
    progress.Tick();
  }
  progress.Done();
  return static_cast<int>(lines.size());
}

}  // namespace vyr
