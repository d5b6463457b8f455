// Column format strings: taking them apart and the default values they
// generate for a cell.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "VYR_replist/VYR_rldata.h"
#include "companion/basepack/VYR_stringl.h"

namespace vyr {

namespace {

// Whether Text contains Needle (ASCII, lower case) ignoring letter case.
bool ContainsFolded(std::u16string_view Text, std::u16string_view Needle) {
  if (Text.size() < Needle.size()) return false;
  for (std::size_t i = 0; i + Needle.size() <= Text.size(); ++i) {
    bool hit = true;
    for (std::size_t k = 0; k < Needle.size() && hit; ++k) hit = FoldCaseChar(Text[i + k]) == Needle[k];
    if (hit) return true;
  }
  return false;
}

// The generated forms are written "rix" N and "$pwd$" N at the start of the
// tail, so N is read from the tail's fourth and sixth character.
constexpr int kRixDigitsAt = 4;
constexpr int kPwdLengthAt = 6;

// Row as exactly Digits upper-case hex digits of its 32-bit pattern.
vcl::String HexDigitsOf(int Row, int Digits) {
  vcl::String hex = vcl::IntToHex(static_cast<std::uint32_t>(Row), 8);
  return hex.substr(hex.size() - static_cast<std::size_t>(std::clamp(Digits, 1, 8)));
}

// Row as exactly Digits decimal digits (leading zeros kept, higher digits
// dropped), with "-" in front of a negative row.
vcl::String DecimalDigitsOf(int Row, int Digits) {
  const auto n = static_cast<std::size_t>(std::clamp(Digits, 1, RLCellMaxLen - 1));
  std::uint64_t magnitude = Row < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(Row))
                                    : static_cast<std::uint64_t>(Row);
  vcl::String digits(n, u'0');
  for (std::size_t i = n; i > 0 && magnitude != 0; --i, magnitude /= 10)
    digits[i - 1] = static_cast<char16_t>(u'0' + magnitude % 10);
  return Row < 0 ? u"-" + digits : digits;
}

// The value of a numeric field: generated from the row for the "rix" form,
// else the tail itself.
vcl::String NumericDefault(char16_t Type, const vcl::String& Tail, int Row) {
  if (!ContainsFolded(Tail, u"rix")) return Tail;
  const int n = ReadIntFromText(Tail, kRixDigitsAt);
  switch (Type) {
    case u'e':
    case u'f': return strff(Row, 1, std::clamp(n, 0, RLCellMaxLen));
    case u'h': return HexDigitsOf(Row, n);
    default: return DecimalDigitsOf(Row, n);
  }
}

}  // namespace

int ReadIntFromText(std::u16string_view Text, int Pos) {
  std::size_t i = Pos < 1 ? 0 : static_cast<std::size_t>(Pos) - 1;
  while (i < Text.size() && (Text[i] == u' ' || Text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < Text.size() && (Text[i] == u'-' || Text[i] == u'+')) negative = Text[i++] == u'-';
  std::int64_t value = 0;
  for (; i < Text.size() && Text[i] >= u'0' && Text[i] <= u'9'; ++i)
    value = std::min<std::int64_t>(value * 10 + (Text[i] - u'0'), std::int64_t{INT_MAX} + 1);
  if (negative) value = -value;
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

TColFormatParts SplitColumnFormat(const vcl::String& Format) {
  TColFormatParts parts;
  const std::size_t head = Format.find(u']');
  if (Format.empty() || Format[0] != u'[' || head == vcl::String::npos) {
    parts.Tail = Format;
    return parts;
  }
  std::size_t letter = 1;
  if (letter < head && Format[letter] == u'#') {
    parts.ReadOnly = true;
    ++letter;
  }
  parts.TypeLetter = letter < head ? Format[letter] : u'\0';
  if (letter < head) parts.Options = Format.substr(letter + 1, head - letter - 1);
  vcl::String rest = Format.substr(head + 1);
  const std::size_t width = rest.find(u']');
  if (width != vcl::String::npos) {
    std::u16string_view widthText = std::u16string_view(rest).substr(0, width);
    if (!widthText.empty() && widthText[0] == u'[') widthText.remove_prefix(1);
    const int w = ReadIntFromText(widthText, 1);
    if (w > 0) parts.Width = w;
    rest.erase(0, width + 1);
  }
  parts.Tail = std::move(rest);
  return parts;
}

vcl::String TRLData::GetCellDefaultValue(int ACol, int ARow) const {
  return FormatDefaultValue(SplitColumnFormat(GetColumnFormat(ACol)), ARow);
}

vcl::String FormatDefaultValue(const TColFormatParts& Parts, int Row) {
  const vcl::String& tail = Parts.Tail;
  switch (Parts.TypeLetter) {
    case u'c':
    case u'l': return tail.substr(0, tail.find(u'|'));
    case u'd': return tail;
    case u'e':
    case u'f':
    case u'h':
    case u'i': return NumericDefault(Parts.TypeLetter, tail, Row);
    case u's': {
      if (!ContainsFolded(tail, u"$pwd$")) return tail;
      return InventPassword(ReadIntFromText(tail, kPwdLengthAt));
    }
    default: return {};
  }
}

}  // namespace vyr
