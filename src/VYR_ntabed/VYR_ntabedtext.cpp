#include "VYR_ntabed/VYR_ntabedtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>

#include "companion/basepack/VYR_univconst.h"

namespace vyr::ntabed {

namespace {

// Blanks in front of the Len chars at Out up to Width chars in all.
int PadLeft(char* Out, int Len, int Width) {
  if (Len >= Width) return Len;
  const int pad = Width - Len;
  std::memmove(Out + pad, Out, static_cast<std::size_t>(Len));
  std::memset(Out, ' ', static_cast<std::size_t>(pad));
  return Width;
}

int WriteNonFinite(char* Out, double X, int Width) {
  const char* text = std::isnan(X) ? "NAN" : X > 0 ? "INF" : "-INF";
  const int len = static_cast<int>(std::strlen(text));
  std::memcpy(Out, text, static_cast<std::size_t>(len));
  return PadLeft(Out, len, Width);
}

// Widths are limited so that every text fits MaxNumberText.
int LimitWidth(int Width) { return std::clamp(Width, 0, 40); }

// The largest |x| shown in the fixed form with d decimals, and the
// smallest |x| other than 0.
constexpr std::array<double, 9> FixedMax = {999999999.0, 9999999.9,  999999.99,
                                            99999.999,   9999.9999,  999.99999,
                                            99.999999,   9.9999999,  0.99999999};
constexpr std::array<double, 9> FixedMin = {1.0, 0.1, 0.01, 0.001, 1e-4, 1e-5, 1e-6, 1e-7, 1e-8};

}  // namespace

// ---------------------------------------------------------------- number texts

int WriteFixed(char* Out, double X, int Decimals, int Width) {
  Width = LimitWidth(Width);
  if (!std::isfinite(X)) return WriteNonFinite(Out, X, Width);
  Decimals = std::clamp(Decimals, 0, 20);
  const auto r = std::to_chars(Out, Out + MaxNumberText, X, std::chars_format::fixed, Decimals);
  int len = static_cast<int>(r.ptr - Out);
  // A value that rounds to zero keeps no sign.
  if (len > 0 && Out[0] == '-' &&
      std::all_of(Out + 1, Out + len, [](char c) { return c == '0' || c == '.'; })) {
    std::memmove(Out, Out + 1, static_cast<std::size_t>(--len));
  }
  return PadLeft(Out, len, Width);
}

int WriteLongExp(char* Out, double X, int Width) {
  Width = LimitWidth(Width);
  if (!std::isfinite(X)) return WriteNonFinite(Out, X, Width);
  const int digits = std::max(1, Width - 9);
  char tmp[80];
  const auto r = std::to_chars(tmp, tmp + sizeof tmp, X, std::chars_format::scientific, digits);
  const char* end = r.ptr;
  const char* p = tmp;
  char* o = Out;
  *o++ = *p == '-' ? '-' : ' ';
  if (*p == '-') ++p;
  while (p < end && *p != 'e') *o++ = *p++;
  ++p;  // the 'e'
  *o++ = 'E';
  *o++ = p < end ? *p++ : '+';
  const int expLen = static_cast<int>(end - p);
  for (int i = expLen; i < 4; ++i) *o++ = '0';
  while (p < end) *o++ = *p++;
  return static_cast<int>(o - Out);
}

int WriteShortExp(char* Out, double X, int Width) {
  Width = LimitWidth(Width);
  if (!std::isfinite(X)) return WriteNonFinite(Out, X, Width + 6);
  int len = WriteLongExp(Out, X, Width + 8);
  // The long form ends with "E", the sign and four digits.
  const int first = len - 4;
  const bool twoDigits = Out[first] == '0' && Out[first + 1] == '0';
  std::memmove(Out + first, Out + first + 2, 2);
  len -= 2;
  if (!twoDigits) std::memset(Out, '*', static_cast<std::size_t>(len));
  return len;
}

bool UsesFixedForm(double X, int Decimals) {
  if (Decimals < 0 || Decimals > 8) return false;
  const double a = std::fabs(X);
  const auto d = static_cast<std::size_t>(Decimals);
  return a <= FixedMax[d] && (a >= FixedMin[d] || X == 0);
}

int WriteCellNum(char* Out, double X, int Width, int Decimals) {
  if (UsesFixedForm(X, Decimals)) return WriteFixed(Out, X, Decimals, Width);
  return WriteShortExp(Out, X, Width);
}

namespace {

template <class Writer>
vcl::String Widened(Writer&& Write) {
  char buf[MaxNumberText];
  const int len = Write(buf);
  return vcl::String(buf, buf + len);
}

}  // namespace

vcl::String FixedText(double X, int Decimals, int Width) {
  return Widened([&](char* b) { return WriteFixed(b, X, Decimals, Width); });
}

vcl::String LongExpText(double X, int Width) {
  return Widened([&](char* b) { return WriteLongExp(b, X, Width); });
}

vcl::String ShortExpText(double X, int Width) {
  return Widened([&](char* b) { return WriteShortExp(b, X, Width); });
}

vcl::String FormatCellNum(double X, int Width, int Decimals) {
  return Widened([&](char* b) { return WriteCellNum(b, X, Width, Decimals); });
}

// ---------------------------------------------------------------- clipboard texts

int WriteClipCell(char* Out, double X, bool IsNumber, bool FullPrecision, int Decimals) {
  if (!IsNumber) {
    std::memcpy(Out, "####", 4);
    return 4;
  }
  if (FullPrecision) return WriteLongExp(Out, X, 22);
  if (Decimals < 0) return WriteLongExp(Out, X, 1);
  return WriteFixed(Out, X, Decimals, 1);
}

void AppendClipCell(std::u16string& Out, double X, bool IsNumber, bool FullPrecision,
                    int Decimals) {
  char buf[MaxNumberText];
  const int len = WriteClipCell(buf, X, IsNumber, FullPrecision, Decimals);
  // Widened in place: appending a range of another character type would
  // build a temporary string for every cell.
  const std::size_t at = Out.size();
  Out.resize(at + static_cast<std::size_t>(len));
  std::copy(buf, buf + len, Out.begin() + static_cast<std::ptrdiff_t>(at));
}

// ---------------------------------------------------------------- scanning

namespace {

enum TScanState : std::uint8_t {
  ssStart, ssSign, ssInt, ssPoint, ssFrac, ssExp, ssExpSign, ssExpDigits, ssEnd, ssError
};
enum TCharClass : std::uint8_t { ccBlank, ccSign, ccDigit, ccE, ccSep, ccOther };

// The transitions with exponents allowed; without them E leads to End
// wherever it would lead to Exp.
constexpr TScanState Next[8][6] = {
    /* Start     */ {ssStart, ssSign, ssInt, ssError, ssPoint, ssError},
    /* Sign      */ {ssError, ssError, ssInt, ssError, ssPoint, ssError},
    /* Int       */ {ssEnd, ssEnd, ssInt, ssExp, ssPoint, ssEnd},
    /* Point     */ {ssEnd, ssEnd, ssFrac, ssExp, ssError, ssEnd},
    /* Frac      */ {ssEnd, ssEnd, ssFrac, ssExp, ssError, ssEnd},
    /* Exp       */ {ssError, ssExpSign, ssExpDigits, ssError, ssError, ssEnd},
    /* ExpSign   */ {ssError, ssError, ssExpDigits, ssError, ssError, ssEnd},
    /* ExpDigits */ {ssEnd, ssEnd, ssExpDigits, ssEnd, ssEnd, ssEnd},
};

// The classes of the ASCII characters for separator modes 1..3 (every
// other character is "other").
struct TClassTable {
  TCharClass Of[4][128];
  constexpr TClassTable() : Of{} {
    for (int mode = 0; mode < 4; ++mode) {
      for (int c = 0; c < 128; ++c) {
        TCharClass k = ccOther;
        if (c == ' ') k = ccBlank;
        if (c == '+' || c == '-') k = ccSign;
        if (c >= '0' && c <= '9') k = ccDigit;
        if (c == 'E' || c == 'e') k = ccE;
        if ((c == '.' && (mode == 1 || mode == 3)) || (c == ',' && mode >= 2)) k = ccSep;
        Of[mode][c] = k;
      }
    }
  }
};
constexpr TClassTable kClasses;

// Mode 0 (any mode outside 1..3) takes neither point nor comma.
TCharClass ClassOf(char16_t C, int SepMode) {
  return C < 128 ? kClasses.Of[SepMode][C] : ccOther;
}

// The number text gathered by the scanner: short texts stay on the stack.
class TNumberText {
 public:
  void Push(char C) {
    if (FLen < static_cast<int>(sizeof FShort)) {
      FShort[FLen++] = C;
      return;
    }
    if (FLong.empty()) FLong.assign(FShort, FShort + FLen);
    FLong.push_back(C);
    ++FLen;
  }
  const char* Data() const { return FLong.empty() ? FShort : FLong.data(); }
  int Length() const { return FLen; }
  char Last() const { return FLen > 0 ? Data()[FLen - 1] : '\0'; }

 private:
  char FShort[96];
  std::string FLong;
  int FLen = 0;
};

// Where the first significant digit of a number text stands, as a power of
// ten (0 when it holds none), with the exponent added: positive for a
// value beyond the double range, otherwise below it.
long long Magnitude(const char* S, const char* E) {
  long long mag = 0;
  bool seenPoint = false, seenDigit = false;
  const char* p = S;
  for (; p < E && *p != 'E'; ++p) {
    if (*p == '.') {
      seenPoint = true;
    } else if (*p >= '0' && *p <= '9') {
      if (*p != '0') seenDigit = true;
      if (!seenPoint && seenDigit) ++mag;
      if (seenPoint && !seenDigit) --mag;
    }
  }
  long long exp = 0;
  bool negative = false;
  if (p < E) ++p;
  if (p < E && (*p == '+' || *p == '-')) negative = *p++ == '-';
  for (; p < E; ++p) exp = std::min(exp * 10 + (*p - '0'), 1'000'000LL);
  return mag + (negative ? -exp : exp);
}

double ConvertNumberText(const char* S, int Len) {
  const char* e = S + Len;
  if (S < e && *S == '+') ++S;
  if (S >= e) return 0.0;
  double v = 0.0;
  const auto r = std::from_chars(S, e, v, std::chars_format::general);
  if (r.ptr != e) return 0.0;
  if (r.ec == std::errc::result_out_of_range) {
    const bool negative = *S == '-';
    if (Magnitude(S, e) > 0) return negative ? -uc_MaxDouble : uc_MaxDouble;
    return negative ? -0.0 : 0.0;
  }
  if (r.ec != std::errc()) return 0.0;
  return std::clamp(v, -uc_MaxDouble, uc_MaxDouble);
}

}  // namespace

double ScanClipNumber(std::u16string_view Text, int& Pos, bool ExpAllowed, int SepMode) {
  // Positions are ints: a text is read at most that far.
  if (Text.size() > static_cast<std::size_t>(INT_MAX - 2)) Text = Text.substr(0, INT_MAX - 2);
  const long long n = static_cast<long long>(Text.size());
  if (Pos < 1) Pos = 1;
  if (SepMode < 1 || SepMode > 3) SepMode = 0;
  TNumberText number;
  TScanState state = ssStart;
  int expDigits = 0;  // the exponent read so far, limited just above 4200
  for (;;) {
    const long long i = static_cast<long long>(Pos) - 1;
    const char16_t c = i < n ? Text[static_cast<std::size_t>(i)] : u'Z';
    const TCharClass cls = ClassOf(c, SepMode);
    TScanState next = Next[state][cls];
    if (next == ssExp && !ExpAllowed) next = ssEnd;
    if (next == ssEnd || next == ssError) {
      state = next;
      break;
    }
    if (next == ssExpDigits) {
      expDigits = state == ssExpDigits ? std::min(expDigits * 10 + (c - u'0'), 100000) : c - u'0';
    }
    state = next;
    ++Pos;  // i < n here: past the end every state stops
    if (state == ssStart) continue;  // leading blanks are not part of the number
    if (state == ssExpDigits && expDigits > 4200) continue;
    number.Push(cls == ccSep ? '.' : cls == ccE ? 'E' : static_cast<char>(c));
  }
  if (state != ssEnd) return 0.0;
  if (number.Last() == '.') number.Push('0');
  return ConvertNumberText(number.Data(), number.Length());
}

// ---------------------------------------------------------------- the walk

std::u16string PrepareClipText(std::u16string_view Text, bool CommasToo) {
  std::u16string out;
  out.reserve(Text.size() + 1);
  out.assign(Text);
  const char16_t comma = CommasToo ? u',' : u'\t';
  // Every character is written (a select, not a branch), so the loop runs
  // on whole vectors.
  for (char16_t& c : out) {
    const bool blank = (c == u'\t') | (c == u'\r') | (c == comma);
    c = blank ? u' ' : c;
  }
  out.push_back(u' ');
  return out;
}

bool ClipMatrixSize(std::u16string_view RawText, int& NCols, int& NRows) {
  NCols = 1;
  NRows = 1;
  const std::u16string text = PrepareClipText(RawText, false);
  bool found = false;
  TClipWalker(text).Run([&](int I, int K, double) {
    found = true;
    NCols = std::max(NCols, I + 1);
    NRows = std::max(NRows, K + 1);
  });
  return found;
}

}  // namespace vyr::ntabed
