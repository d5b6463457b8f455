// Internal to VYR_replist: the CSV record writer of ExportCSV.
//
// Rule (RFC 4180, records ended by CR LF): a field is quoted, with its inner
// quotes doubled, when it holds the delimiter, a quote, a CR or an LF, or
// starts with U+FEFF (which a reader would take for a byte order mark at the
// start of the file). A record of one empty field is written as "" so that
// it is not read back as a blank line. Texts go out as UTF-8; an unpaired
// surrogate becomes U+FFFD.
//
// Each field is looked at once. Plain ASCII (no delimiter, quote or line
// break) is checked and copied eight units at a time, the last eight of a
// field overlapping the ones before; the first unit that is not plain sends
// the rest of the field to the careful path, which encodes as it goes and
// puts the opening quote in front of what it has written as soon as a unit
// asks for quoting.
#pragma once

#include <cstddef>
#include <string_view>

namespace vyr::rlio {

class TCsvWriter {
 public:
  explicit TCsvWriter(char16_t Delimiter);

  // The most bytes a record of Fields fields with Units code units in all
  // can take: 3 per unit (a BMP character, or a doubled quote), a delimiter
  // and two quotes per field, "" and CR LF.
  static std::size_t Bound(std::size_t Units, std::size_t Fields) { return 3 * (Units + Fields) + 4; }

  // Writes one record at Out, which has room for Bound bytes; returns the end.
  char* Record(char* Out, const std::u16string_view* Fields, std::size_t Count) const;
  // Writes Rows records of Count fields each, field i of record k being
  // Cells[i * Stride + k] (a block of columns, as a table hands them out).
  // Out has room for Rows times Bound(their units, Count) bytes.
  char* Records(char* Out, const std::u16string_view* Cells, std::size_t Count, std::size_t Stride,
                std::size_t Rows) const;
  // One field, unquoted or quoted as the rule says.
  char* Field(char* Out, std::u16string_view S) const;

 private:
  char* Careful(char* Start, char* Out, std::u16string_view S, std::size_t From) const;

  char16_t FDelim;
  bool FPlain[128];
};

}  // namespace vyr::rlio
