// Text helpers of the run-time library: case, trimming, comparison,
// searching and editing of UTF-16 strings.
#include <algorithm>

#include "platform/SysUtils.h"
#include "platform/rtl/CaseMap.h"

namespace vcl {

namespace {

template <class Map>
String MapChars(const String& S, Map map) {
  String r(S);
  for (Char& c : r) c = map(c);
  return r;
}

Char AsciiUpper(Char C) { return (C >= u'a' && C <= u'z') ? static_cast<Char>(C - 32) : C; }
Char AsciiLower(Char C) { return (C >= u'A' && C <= u'Z') ? static_cast<Char>(C + 32) : C; }

bool IsBlank(Char C) { return C <= u' '; }

template <class Map>
int CompareMapped(const String& S1, const String& S2, Map map) {
  std::size_t n = std::min(S1.size(), S2.size());
  for (std::size_t i = 0; i < n; ++i) {
    int d = static_cast<int>(map(S1[i])) - static_cast<int>(map(S2[i]));
    if (d != 0) return d;
  }
  return static_cast<int>(S1.size()) - static_cast<int>(S2.size());
}

// Compares two texts on one level of dictionary weights.
template <class Level>
int CompareLevel(const String& S1, const String& S2, Level level) {
  std::size_t n = std::min(S1.size(), S2.size());
  for (std::size_t i = 0; i < n; ++i) {
    std::uint32_t a = level(rtl::WeightsOf(S1[i]));
    std::uint32_t b = level(rtl::WeightsOf(S2[i]));
    if (a != b) return a < b ? -1 : 1;
  }
  return S1.size() < S2.size() ? -1 : S1.size() > S2.size() ? 1 : 0;
}

int CompareDictionary(const String& S1, const String& S2, bool CaseMatters) {
  if (int r = CompareLevel(S1, S2, [](const rtl::TCharWeights& w) { return w.Primary; })) return r;
  if (int r = CompareLevel(S1, S2, [](const rtl::TCharWeights& w) { return w.Secondary; }))
    return r;
  if (!CaseMatters) return 0;
  if (int r = CompareLevel(S1, S2, [](const rtl::TCharWeights& w) { return w.Tertiary; })) return r;
  int r = S1.compare(S2);
  return r < 0 ? -1 : r > 0 ? 1 : 0;
}

}  // namespace

String UpperCase(const String& S) { return MapChars(S, AsciiUpper); }
String LowerCase(const String& S) { return MapChars(S, AsciiLower); }
String AnsiUpperCase(const String& S) { return MapChars(S, rtl::ToUpperChar); }
String AnsiLowerCase(const String& S) { return MapChars(S, rtl::ToLowerChar); }
Char UpCase(Char C) { return AsciiUpper(C); }

String Trim(const String& S) {
  std::size_t first = 0, last = S.size();
  while (first < last && IsBlank(S[first])) ++first;
  while (last > first && IsBlank(S[last - 1])) --last;
  return S.substr(first, last - first);
}

String TrimLeft(const String& S) {
  std::size_t first = 0;
  while (first < S.size() && IsBlank(S[first])) ++first;
  return S.substr(first);
}

String TrimRight(const String& S) {
  std::size_t last = S.size();
  while (last > 0 && IsBlank(S[last - 1])) --last;
  return S.substr(0, last);
}

int CompareStr(const String& S1, const String& S2) {
  return CompareMapped(S1, S2, [](Char c) { return c; });
}
int CompareText(const String& S1, const String& S2) { return CompareMapped(S1, S2, AsciiUpper); }
bool SameStr(const String& S1, const String& S2) { return S1 == S2; }
bool SameText(const String& S1, const String& S2) {
  return S1.size() == S2.size() && CompareText(S1, S2) == 0;
}

int AnsiCompareStr(const String& S1, const String& S2) { return CompareDictionary(S1, S2, true); }
int AnsiCompareText(const String& S1, const String& S2) { return CompareDictionary(S1, S2, false); }
bool AnsiSameStr(const String& S1, const String& S2) { return S1 == S2; }
bool AnsiSameText(const String& S1, const String& S2) {
  return S1.size() == S2.size() && AnsiUpperCase(S1) == AnsiUpperCase(S2);
}

String StringReplace(const String& S, const String& OldPattern, const String& NewPattern,
                     TReplaceFlags Flags) {
  if (OldPattern.empty()) return S;
  bool ignoreCase = Flags.Contains(rfIgnoreCase);
  const String hay = ignoreCase ? AnsiUpperCase(S) : S;
  const String needle = ignoreCase ? AnsiUpperCase(OldPattern) : OldPattern;
  String result;
  std::size_t from = 0;
  for (;;) {
    std::size_t at = hay.find(needle, from);
    if (at == String::npos) break;
    result.append(S, from, at - from);
    result += NewPattern;
    from = at + needle.size();
    if (!Flags.Contains(rfReplaceAll)) break;
  }
  result.append(S, from, String::npos);
  return result;
}

int Pos(const String& SubStr, const String& S) { return PosEx(SubStr, S, 1); }

int PosEx(const String& SubStr, const String& S, int Offset) {
  if (SubStr.empty() || Offset < 1 || Offset > static_cast<int>(S.size())) return 0;
  std::size_t at = S.find(SubStr, static_cast<std::size_t>(Offset - 1));
  return at == String::npos ? 0 : static_cast<int>(at) + 1;
}

int AnsiPos(const String& SubStr, const String& S) { return Pos(SubStr, S); }

String Copy(const String& S, int Index, int Count) {
  if (Index < 1) Index = 1;
  if (Count <= 0 || Index > static_cast<int>(S.size())) return String();
  return S.substr(static_cast<std::size_t>(Index - 1), static_cast<std::size_t>(Count));
}

void Delete(String& S, int Index, int Count) {
  if (Index < 1 || Index > static_cast<int>(S.size()) || Count <= 0) return;
  S.erase(static_cast<std::size_t>(Index - 1), static_cast<std::size_t>(Count));
}

void Insert(const String& Source, String& S, int Index) {
  int at = std::clamp(Index, 1, static_cast<int>(S.size()) + 1);
  S.insert(static_cast<std::size_t>(at - 1), Source);
}

String StringOfChar(Char Ch, int Count) {
  return Count > 0 ? String(static_cast<std::size_t>(Count), Ch) : String();
}

String QuotedStr(const String& S) { return AnsiQuotedStr(S, u'\''); }

String AnsiQuotedStr(const String& S, Char Quote) {
  String r(1, Quote);
  for (Char c : S) {
    r += c;
    if (c == Quote) r += c;
  }
  r += Quote;
  return r;
}

namespace {

// Reads the quoted text at Pos; Closed tells whether its closing quote was found.
String ExtractQuoted(const String& S, std::size_t& Pos, Char Quote, bool& Closed) {
  String r;
  Closed = false;
  if (Pos >= S.size() || S[Pos] != Quote) return r;
  ++Pos;
  while (Pos < S.size()) {
    Char c = S[Pos++];
    if (c != Quote) {
      r += c;
    } else if (Pos < S.size() && S[Pos] == Quote) {
      r += c;  // a doubled quote stands for one
      ++Pos;
    } else {
      Closed = true;
      break;
    }
  }
  return r;
}

}  // namespace

String AnsiExtractQuotedStr(const String& S, std::size_t& Pos, Char Quote) {
  bool closed = false;
  return ExtractQuoted(S, Pos, Quote, closed);
}

String AnsiDequotedStr(const String& S, Char Quote) {
  std::size_t pos = 0;
  bool closed = false;
  String inner = ExtractQuoted(S, pos, Quote, closed);
  return closed ? inner : S;
}

int LastDelimiter(const String& Delimiters, const String& S) {
  for (std::size_t i = S.size(); i-- > 0;) {
    if (Delimiters.find(S[i]) != String::npos) return static_cast<int>(i) + 1;
  }
  return 0;
}

bool IsDelimiter(const String& Delimiters, const String& S, int Index) {
  if (Index < 1 || Index > static_cast<int>(S.size())) return false;
  return Delimiters.find(S[static_cast<std::size_t>(Index - 1)]) != String::npos;
}

}  // namespace vcl
