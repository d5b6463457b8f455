// Sorting of a TStringArray. Every key cell is turned once into a byte
// string whose plain lexicographic order is the order the table promises
// (see VYR_dstruct.h):
//
//   class byte   0 empty text or a text starting below "0"
//                1 a number, or a text starting with a digit
//                2 any other text
//   class 1      8 bytes of the value (order-preserving encoding of the
//                double), then 0 for a number or 1 for a text followed by
//                the text's collation bytes
//   class 0, 2   the text's collation bytes
//
// Collation bytes: a run of ASCII digits becomes "0", the number of its
// significant digits and those digits (so runs compare by value); any
// other code unit is case-folded and written in the UTF-8 byte pattern,
// which keeps the order of the units. A byte-string order is a total order,
// so the sort can never be confused by inconsistent comparisons.
//
// The first eight key bytes are packed into a 64-bit head; most
// comparisons end there, the rest compare the stored tails.

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <cmath>
#include <string>
#include <type_traits>

#include "companion/basepack/VYR_dstruct.h"
#include "companion/basepack/internal/VYR_dstruct_column.h"
#include "companion/basepack/VYR_stringl.h"

namespace vyr {

namespace {

// Longest key: class, value and kind (10 bytes), then at most three bytes
// per code unit of a 255-unit text.
constexpr std::size_t kMaxKey = 10 + 3 * StringArrayMaxLen;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

class KeyWriter {
 public:
  void Byte(std::uint8_t b) { FBuf[FLen++] = b; }
  void Bytes(const std::uint8_t* p, std::size_t n) {
    std::memcpy(FBuf.data() + FLen, p, n);
    FLen += n;
  }
  const std::uint8_t* Data() const { return FBuf.data(); }
  std::size_t Size() const { return FLen; }
  void Reset() { FLen = 0; }

 private:
  std::array<std::uint8_t, kMaxKey> FBuf{};
  std::size_t FLen = 0;
};

void WriteUnit(KeyWriter& w, char16_t u) {
  if (u < 0x80) {
    w.Byte(static_cast<std::uint8_t>(u));
  } else if (u < 0x800) {
    w.Byte(static_cast<std::uint8_t>(0xC0 | (u >> 6)));
    w.Byte(static_cast<std::uint8_t>(0x80 | (u & 0x3F)));
  } else {
    w.Byte(static_cast<std::uint8_t>(0xE0 | (u >> 12)));
    w.Byte(static_cast<std::uint8_t>(0x80 | ((u >> 6) & 0x3F)));
    w.Byte(static_cast<std::uint8_t>(0x80 | (u & 0x3F)));
  }
}

void WriteCollation(KeyWriter& w, std::u16string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    if (!IsDigit(s[i])) {
      WriteUnit(w, FoldCaseChar(s[i++]));
      continue;
    }
    std::size_t start = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    std::size_t first = start;
    while (first < i && s[first] == u'0') ++first;  // leading zeros do not count
    w.Byte('0');
    w.Byte(static_cast<std::uint8_t>(i - first));
    for (std::size_t k = first; k < i; ++k) w.Byte(static_cast<std::uint8_t>(s[k]));
  }
}

void WriteValue(KeyWriter& w, double v) {
  if (v == 0) v = 0;  // -0 sorts as 0
  auto bits = std::bit_cast<std::uint64_t>(v);
  bits = (bits >> 63) ? ~bits : (bits | (std::uint64_t{1} << 63));
  for (int shift = 56; shift >= 0; shift -= 8) w.Byte(static_cast<std::uint8_t>(bits >> shift));
}

// A cell reads as a number: blanks around it, an optional sign, digits with
// at most one "," or "." among or around them (at least one digit), and an
// optional exponent.
bool ReadNumber(std::u16string_view s, double& Value) {
  s = TrimBlanks(s);
  std::array<char, StringArrayMaxLen + 1> buf;
  std::size_t n = 0, i = 0, e = s.size(), digits = 0;
  if (i < e && (s[i] == u'+' || s[i] == u'-')) {
    if (s[i] == u'-') buf[n++] = '-';
    ++i;
  }
  bool sep = false;
  for (; i < e; ++i) {
    if (IsDigit(s[i])) {
      buf[n++] = static_cast<char>(s[i]);
      ++digits;
    } else if ((s[i] == u'.' || s[i] == u',') && !sep) {
      buf[n++] = '.';
      sep = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (i < e && (s[i] == u'e' || s[i] == u'E')) {
    buf[n++] = 'e';
    ++i;
    if (i < e && (s[i] == u'+' || s[i] == u'-')) buf[n++] = static_cast<char>(s[i++]);
    std::size_t expDigits = 0;
    for (; i < e && IsDigit(s[i]); ++i, ++expDigits) buf[n++] = static_cast<char>(s[i]);
    if (expDigits == 0) return false;
  }
  if (i != e) return false;
  auto res = std::from_chars(buf.data(), buf.data() + n, Value);
  if (res.ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: the nearest end of the range.
    bool tiny = std::string_view(buf.data(), n).find("e-") != std::string_view::npos;
    double mag = tiny ? 0.0 : HUGE_VAL;
    Value = buf[0] == '-' ? -mag : mag;
  }
  return true;
}

double LeadingRunValue(std::u16string_view s) {
  double v = 0;
  for (std::size_t i = 0; i < s.size() && IsDigit(s[i]); ++i) v = v * 10 + (s[i] - u'0');
  return v;
}

void WriteKey(KeyWriter& w, std::u16string_view s) {
  w.Reset();
  double v = 0;
  if (ReadNumber(s, v)) {
    w.Byte(1);
    WriteValue(w, v);
    w.Byte(0);
  } else if (!s.empty() && IsDigit(s[0])) {
    w.Byte(1);
    WriteValue(w, LeadingRunValue(s));
    w.Byte(1);
    WriteCollation(w, s);
  } else {
    w.Byte((s.empty() || FoldCaseChar(s[0]) < u'0') ? 0 : 2);
    WriteCollation(w, s);
  }
}

std::uint64_t HeadOf(const std::uint8_t* p, std::size_t n) {
  std::uint64_t h = 0;
  for (std::size_t k = 0; k < 8; ++k) h = (h << 8) | (k < n ? p[k] : 0);
  return h;
}

// The keys of one column, by shown position (0-based).
struct KeyColumn {
  std::vector<std::uint64_t> Head;
  std::vector<std::uint32_t> Off;
  std::vector<std::uint16_t> Len;
  std::vector<std::uint8_t> Bytes;

  // Byte order of the keys of positions a and b: <0, 0 or >0.
  int Compare(std::uint32_t a, std::uint32_t b) const {
    if (Head[a] != Head[b]) return Head[a] < Head[b] ? -1 : 1;
    std::size_t la = Len[a], lb = Len[b], common = std::min(la, lb);
    if (common > 8) {
      int c = std::memcmp(Bytes.data() + Off[a] + 8, Bytes.data() + Off[b] + 8, common - 8);
      if (c != 0) return c;
    }
    return la == lb ? 0 : (la < lb ? -1 : 1);
  }
};

}  // namespace

// Builds the keys and orders the shown rows of one table.
class StringArraySorter {
 public:
  explicit StringArraySorter(TStringArray& Table) : T(Table) {}

  void Run(int Col, int ColSec, bool Ascending);

 private:
  void BuildKeys(int Col, KeyColumn& Keys, int PercentFrom, int PercentTo);
  template <bool Secondary, bool Asc>
  void SortPositions(std::vector<std::uint32_t>& Pos) const;
  void Report(int Percent) {
    if (!T.FOnPercentDone) return;
    T.FOnPercentDone(&T, Percent);
    CheckUnchanged();
  }
  // A handler that reshapes the table while its rows are being ordered
  // ends the sort; the table keeps the order it had.
  void CheckUnchanged() const {
    if (T.FNrRows != FRows || T.FNrCols != FCols)
      throw EVYRDStructError(vcl::Str("TStringArray: the table was resized while it was sorted"));
  }

  TStringArray& T;
  const int FRows = T.FNrRows, FCols = T.FNrCols;
  KeyColumn K1, K2;
};

void StringArraySorter::BuildKeys(int Col, KeyColumn& Keys, int PercentFrom, int PercentTo) {
  const auto n = static_cast<std::size_t>(T.FNrRows);
  Keys.Head.resize(n);
  Keys.Off.resize(n);
  Keys.Len.resize(n);
  Keys.Bytes.clear();
  Keys.Bytes.reserve(n * 12);
  KeyWriter w;
  vcl::String hooked;
  const std::size_t step = std::max<std::size_t>(n / 10, 1);
  for (std::size_t i = 0; i < n; ++i) {
    // Looked up afresh each time: a handler may have rewritten cells.
    const TStringArray::Column& col = *T.FColumns[static_cast<std::size_t>(Col)];
    std::u16string_view text = col.View(static_cast<std::size_t>(T.FOrder[i + 1]));
    if (T.FOnBeforeSortExchange) {
      vcl::String in(text);
      hooked = in;
      T.FOnBeforeSortExchange(&T, in, hooked);
      CheckUnchanged();
      // A handler may supply any text; like a cell it counts with its first
      // 255 units, which is also all the key buffer holds.
      text = CutToLength(hooked, StringArrayMaxLen);
    }
    WriteKey(w, text);
    Keys.Head[i] = HeadOf(w.Data(), w.Size());
    Keys.Off[i] = static_cast<std::uint32_t>(Keys.Bytes.size());
    Keys.Len[i] = static_cast<std::uint16_t>(w.Size());
    Keys.Bytes.insert(Keys.Bytes.end(), w.Data(), w.Data() + w.Size());
    if (T.FOnPercentDone && (i + 1) % step == 0)
      Report(PercentFrom + static_cast<int>((PercentTo - PercentFrom) * (i + 1) / n));
  }
}

namespace {

// What the sort moves around: the head bytes inline, so that most
// comparisons touch nothing else.
struct Entry1 {
  std::uint64_t H1;
  std::uint32_t Pos;
};
struct Entry2 {
  std::uint64_t H1, H2;
  std::uint32_t Pos;
};

}  // namespace

template <bool Secondary, bool Asc>
void StringArraySorter::SortPositions(std::vector<std::uint32_t>& Pos) const {
  using Entry = std::conditional_t<Secondary, Entry2, Entry1>;
  const std::size_t n = Pos.size();
  std::vector<Entry> e(n);
  for (std::uint32_t i = 0; i < n; ++i) {
    if constexpr (Secondary)
      e[i] = Entry{K1.Head[i], K2.Head[i], i};
    else
      e[i] = Entry{K1.Head[i], i};
  }
  auto less = [this](const Entry& a, const Entry& b) {
    int c;
    if (a.H1 != b.H1) {
      c = a.H1 < b.H1 ? -1 : 1;
    } else {
      c = K1.Compare(a.Pos, b.Pos);
      if constexpr (Secondary) {
        if (c == 0) c = (a.H2 != b.H2) ? (a.H2 < b.H2 ? -1 : 1) : K2.Compare(a.Pos, b.Pos);
      }
    }
    return Asc ? c < 0 : c > 0;
  };
  std::stable_sort(e.begin(), e.end(), less);
  for (std::size_t i = 0; i < n; ++i) Pos[i] = e[i].Pos;
}

void StringArraySorter::Run(int Col, int ColSec, bool Ascending) {
  const bool secondary = ColSec >= 0 && ColSec <= T.FNrCols && ColSec != Col;
  Report(0);
  BuildKeys(Col, K1, 0, secondary ? 40 : 80);
  if (secondary) BuildKeys(ColSec, K2, 40, 80);
  std::vector<std::uint32_t> pos(static_cast<std::size_t>(T.FNrRows));
  if (secondary)
    Ascending ? SortPositions<true, true>(pos) : SortPositions<true, false>(pos);
  else
    Ascending ? SortPositions<false, true>(pos) : SortPositions<false, false>(pos);
  std::vector<std::int32_t> order(T.FOrder.size());
  for (std::size_t i = 0; i < pos.size(); ++i) order[i + 1] = T.FOrder[pos[i] + 1];
  T.FOrder.swap(order);
  Report(100);
}

void TStringArray::Sort(int Col, int ColSec, bool Ascending) {
  if (!ValidCol(Col)) return;
  RepairOrder();
  try {
    StringArraySorter(*this).Run(Col, ColSec, Ascending);
    // A sort hook may have set entries of the order; keep it a permutation.
    FOrderChecked = false;
    RepairOrder();
  } catch (const std::bad_alloc&) {
    throw EVYRDStructError(vcl::Str("TStringArray: not enough memory to sort"));
  }
}

}  // namespace vyr
