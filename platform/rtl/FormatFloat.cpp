// FormatFloat: numbers written through a picture such as "#,##0.00;(#,##0.00);'zero'".
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/SysUtils.h"
#include "platform/rtl/Decimal.h"

namespace vcl {

namespace {

using rtl::TDecimal;

enum TTokenKind : std::uint8_t { tkZero, tkHash, tkPoint, tkExponent, tkLiteral };

struct TToken {
  TTokenKind Kind;
  String Text;  // literal text, or "E+"/"e-" for the exponent
};

// One section of the picture, split into tokens and measured.
struct TPicture {
  std::vector<TToken> Tokens;
  int IntPlaces = 0;   // placeholders before the decimal point
  int IntZeros = 0;    // of those, from the first '0' on: the minimum integer digits
  int FracPlaces = 0;  // placeholders after the point
  int FracZeros = 0;   // placeholders up to the last '0' after the point
  bool Thousands = false;
  bool Scientific = false;
  int ExpDigits = 0;
  bool HasDigits() const { return IntPlaces + FracPlaces > 0; }
};

// Splits the format at ';' outside quotes.
std::vector<String> SplitSections(const String& Format) {
  std::vector<String> sections(1);
  Char quote = 0;
  for (Char c : Format) {
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == u'\'' || c == u'"') {
      quote = c;
    } else if (c == u';') {
      sections.emplace_back();
      continue;
    }
    sections.back() += c;
  }
  return sections;
}

void AddLiteral(TPicture& P, Char C) {
  if (P.Tokens.empty() || P.Tokens.back().Kind != tkLiteral)
    P.Tokens.push_back({tkLiteral, String()});
  P.Tokens.back().Text += C;
}

void AddPlaceholder(TPicture& P, Char C, bool AfterPoint) {
  bool zero = C == u'0';
  P.Tokens.push_back({zero ? tkZero : tkHash, String()});
  if (AfterPoint) {
    ++P.FracPlaces;
    if (zero) P.FracZeros = P.FracPlaces;
  } else {
    ++P.IntPlaces;
    if (zero && P.IntZeros == 0)
      P.IntZeros = 1;
    else if (P.IntZeros > 0)
      ++P.IntZeros;
  }
}

// Reads "E+00": the sign and up to four exponent zeros. Returns the index
// after what it read.
std::size_t ReadExponent(TPicture& P, const String& S, std::size_t I) {
  P.Scientific = true;
  P.Tokens.push_back({tkExponent, S.substr(I, 2)});
  I += 2;
  while (I < S.size() && S[I] == u'0') {
    if (P.ExpDigits < 4) ++P.ExpDigits;
    ++I;
  }
  return I;
}

TPicture ParsePicture(const String& S) {
  TPicture p;
  bool afterPoint = false;
  std::size_t i = 0;
  while (i < S.size()) {
    Char c = S[i];
    if (c == u'\'' || c == u'"') {
      std::size_t close = S.find(c, i + 1);
      std::size_t end = close == String::npos ? S.size() : close;
      for (std::size_t k = i + 1; k < end; ++k) AddLiteral(p, S[k]);
      i = close == String::npos ? S.size() : close + 1;
      continue;
    }
    bool exponent =
        (c == u'E' || c == u'e') && i + 1 < S.size() && (S[i + 1] == u'+' || S[i + 1] == u'-');
    if (exponent && !p.Scientific) {
      i = ReadExponent(p, S, i);
      continue;
    }
    if ((c == u'0' || c == u'#') && !p.Scientific) {
      AddPlaceholder(p, c, afterPoint);
    } else if (c == u'.' && !afterPoint && !p.Scientific) {
      afterPoint = true;
      p.Tokens.push_back({tkPoint, String()});
    } else if (c == u',') {
      p.Thousands = true;
    } else {
      AddLiteral(p, c);
    }
    ++i;
  }
  return p;
}

// The digits that fill a picture's placeholders.
struct TFilled {
  std::string IntDigits;  // at least the picture's minimum integer digits
  Char Sep = 0;           // thousand separator between groups, 0 for none
  std::string Fraction;
  int Exponent = 0;
};

void PadIntegerDigits(const TPicture& P, std::string& Whole) {
  if (static_cast<int>(Whole.size()) < P.IntZeros) {
    Whole.insert(0, static_cast<std::size_t>(P.IntZeros) - Whole.size(), '0');
  }
}

TFilled FillScientific(const TPicture& P, TDecimal D) {
  rtl::RoundToDigits(D, std::max(P.IntPlaces + P.FracPlaces, 1));
  TFilled f;
  f.Exponent = D.IsZero() ? 0 : D.Exponent - P.IntPlaces;
  for (int i = 0; i < P.IntPlaces; ++i) f.IntDigits += D.DigitAt(i);
  f.IntDigits.erase(0, std::min(f.IntDigits.find_first_not_of('0'), f.IntDigits.size()));
  PadIntegerDigits(P, f.IntDigits);
  for (int i = 0; i < P.FracPlaces; ++i) f.Fraction += D.DigitAt(P.IntPlaces + i);
  return f;
}

TFilled FillFixed(const TPicture& P, TDecimal D, const TFormatSettings& Settings) {
  rtl::RoundToDecimals(D, P.FracPlaces);
  TFilled f;
  f.IntDigits = IntegerDigits(D);
  PadIntegerDigits(P, f.IntDigits);
  if (P.Thousands) f.Sep = Settings.ThousandSeparator;
  for (int i = 0; i < P.FracPlaces; ++i) f.Fraction += D.DigitAt(D.Exponent + i);
  return f;
}

// Drops fraction digits that are zero and not required by a '0'.
void TrimFraction(const TPicture& P, TFilled& F) {
  while (static_cast<int>(F.Fraction.size()) > P.FracZeros && F.Fraction.back() == '0')
    F.Fraction.pop_back();
}

void AppendIntegerDigits(String& R, const TFilled& F, std::size_t From, std::size_t To) {
  std::size_t n = F.IntDigits.size();
  for (std::size_t i = From; i < To; ++i) {
    R += static_cast<Char>(F.IntDigits[i]);
    std::size_t fromRight = n - 1 - i;
    if (F.Sep != 0 && fromRight > 0 && fromRight % 3 == 0) R += F.Sep;
  }
}

// The integer digits [From, To) that placeholder Slot of Places shows: one
// each, counted from the right; the first takes every digit left over.
std::pair<std::size_t, std::size_t> IntegerSlot(std::size_t Count, int Slot, int Places) {
  auto others = static_cast<std::size_t>(Places - 1);
  if (Slot == 0) return {0, Count > others ? Count - others : 0};
  auto fromRight = static_cast<std::size_t>(Places - Slot);
  if (fromRight > Count) return {0, 0};
  return {Count - fromRight, Count - fromRight + 1};
}

void AppendExponent(String& R, const TToken& T, const TPicture& P, int Exponent) {
  R += T.Text[0];
  if (Exponent < 0) {
    R += u'-';
  } else if (T.Text[1] == u'+') {
    R += u'+';
  }
  String e = rtl::AsciiToString(std::to_string(std::abs(Exponent)));
  if (static_cast<int>(e.size()) < P.ExpDigits)
    e.insert(0, static_cast<std::size_t>(P.ExpDigits) - e.size(), u'0');
  R += e;
}

String Emit(const TPicture& P, const TFilled& F, const TFormatSettings& Settings) {
  String r;
  int intSlot = 0;
  std::size_t fracSlot = 0;
  bool afterPoint = false;
  for (const TToken& t : P.Tokens) {
    if ((t.Kind == tkZero || t.Kind == tkHash) && !afterPoint) {
      auto [from, to] = IntegerSlot(F.IntDigits.size(), intSlot++, P.IntPlaces);
      AppendIntegerDigits(r, F, from, to);
    } else if (t.Kind == tkZero || t.Kind == tkHash) {
      if (fracSlot < F.Fraction.size()) r += static_cast<Char>(F.Fraction[fracSlot]);
      ++fracSlot;
    } else if (t.Kind == tkPoint) {
      afterPoint = true;
      // Without integer placeholders the integer digits stand before the point.
      if (P.IntPlaces == 0) AppendIntegerDigits(r, F, 0, F.IntDigits.size());
      if (!F.Fraction.empty()) r += Settings.DecimalSeparator;
    } else if (t.Kind == tkExponent) {
      AppendExponent(r, t, P, F.Exponent);
    } else {
      r += t.Text;
    }
  }
  return r;
}

// Writes the magnitude of D through one picture; D holds 15 digits.
String FormatSection(const TPicture& P, const TDecimal& D, const TFormatSettings& Settings) {
  TFilled f = P.Scientific ? FillScientific(P, D) : FillFixed(P, D, Settings);
  TrimFraction(P, f);
  return Emit(P, f, Settings);
}

bool RoundsToZero(const TPicture& P, TDecimal D) {
  if (P.Scientific) return D.IsZero();
  rtl::RoundToDecimals(D, P.FracPlaces);
  return D.IsZero();
}

}  // namespace

String FormatFloat(const String& Format, double Value, const TFormatSettings& Settings) {
  if (Format.empty()) return FloatToStr(Value, Settings);
  String special = rtl::SpecialFloatText(Value);
  if (!special.empty()) return special;
  std::vector<String> sections = SplitSections(Format);
  auto section = [&](std::size_t i) -> const String* {
    return i < sections.size() && !sections[i].empty() ? &sections[i] : nullptr;
  };
  TDecimal d = rtl::ToDecimal(Value, 15);
  bool negative = d.Negative && !d.IsZero();
  const String* chosen = d.IsZero() && section(2) ? section(2)
                         : negative && section(1) ? section(1)
                                                  : &sections[0];
  TPicture picture = ParsePicture(*chosen);
  if (!d.IsZero() && RoundsToZero(picture, d)) {
    chosen = section(2) ? section(2) : &sections[0];
    picture = ParsePicture(*chosen);
    d = TDecimal();
    negative = false;
  }
  // Beyond 18 integer digits a fixed picture would only show padding zeros.
  if (!picture.Scientific && d.Exponent > 18) return FloatToStr(Value, Settings);
  String body = FormatSection(picture, d, Settings);
  bool prefixMinus = negative && chosen == &sections[0] && picture.HasDigits();
  return prefixMinus ? u"-" + body : body;
}

String FormatFloat(const String& Format, double Value) {
  return FormatFloat(Format, Value, FormatSettings);
}

}  // namespace vcl
