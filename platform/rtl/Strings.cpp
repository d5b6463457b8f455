// TStrings: the text forms and name=value access shared by every string list.
#include <utility>

#include "platform/Classes.h"
#include "platform/Guards.h"

namespace vcl {

namespace {

std::vector<TStringItem> SplitLines(const String& Value) {
  std::vector<TStringItem> lines;
  std::size_t start = 0, i = 0;
  while (i < Value.size()) {
    Char c = Value[i];
    if (c != u'\r' && c != u'\n') {
      ++i;
      continue;
    }
    lines.push_back({Value.substr(start, i - start), nullptr});
    i += (c == u'\r' && i + 1 < Value.size() && Value[i + 1] == u'\n') ? 2 : 1;
    start = i;
  }
  if (start < Value.size()) lines.push_back({Value.substr(start), nullptr});
  return lines;
}

// How items are separated and quoted in a delimited text.
struct TDelimiting {
  Char Delimiter;
  Char Quote;
  bool Strict;  // only the delimiter separates; blanks belong to items
};

bool NeedsQuotes(const String& S, const TDelimiting& D) {
  // Blanks around a blank delimiter are skipped on reading, so an empty
  // item there survives only in quotes.
  if (S.empty()) return !D.Strict && D.Delimiter <= u' ';
  for (Char c : S) {
    if (c == 0 || c == D.Quote || c == D.Delimiter || (!D.Strict && c <= u' ')) return true;
  }
  return false;
}

String JoinDelimited(const TStrings& List, const TDelimiting& D) {
  if (List.Count() == 1 && List.Strings(0).empty()) return String(2, D.Quote);
  String r;
  for (int i = 0; i < List.Count(); ++i) {
    String s = List.Strings(i);
    if (i > 0) r += D.Delimiter;
    r += NeedsQuotes(s, D) ? AnsiQuotedStr(s, D.Quote) : s;
  }
  return r;
}

// Reads items as the framework does: quoted items may hold anything,
// unquoted ones end at the delimiter (or, unless strict, at a blank); a
// trailing delimiter adds an empty item. Every step consumes input.
std::vector<TStringItem> ParseDelimited(const String& Value, const TDelimiting& D) {
  std::vector<TStringItem> items;
  const std::size_t n = Value.size();
  auto blank = [&](std::size_t i) { return !D.Strict && i < n && Value[i] <= u' '; };
  std::size_t p = 0;
  while (blank(p)) ++p;
  while (p < n) {
    String s;
    if (Value[p] == D.Quote) {
      s = AnsiExtractQuotedStr(Value, p, D.Quote);
    } else {
      std::size_t start = p;
      while (p < n && Value[p] != D.Delimiter && (D.Strict || Value[p] > u' ')) ++p;
      s = Value.substr(start, p - start);
    }
    items.push_back({s, nullptr});
    while (blank(p)) ++p;
    if (p < n && Value[p] == D.Delimiter) {
      if (p + 1 == n) items.push_back({String(), nullptr});
      do {
        ++p;
      } while (blank(p));
    }
  }
  return items;
}

}  // namespace

void TStrings::IndexError(int Index) const {
  throw EListError(u"List index out of bounds (" + IntToStr(Index) + u")");
}

void TStrings::SetStrings(int Index, const String& S) {
  TObject* object = Objects(Index);
  TUpdateGuard guard(*this);
  Delete(Index);
  InsertObject(Index, S, object);
}

TObject* TStrings::Objects(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  return nullptr;
}

void TStrings::SetObjects(int Index, TObject*) {
  if (Index < 0 || Index >= Count()) IndexError(Index);
}

int TStrings::Add(const String& S) {
  int at = Count();
  Insert(at, S);
  return at;
}

int TStrings::AddObject(const String& S, TObject* AObject) {
  int at = Add(S);
  SetObjects(at, AObject);
  return at;
}

int TStrings::AddPair(const String& Name, const String& Value) {
  return Add(Name + NameValueSeparator() + Value);
}

void TStrings::AddStrings(TStrings* Strings) {
  if (Strings == nullptr) return;
  TUpdateGuard guard(*this);
  // Count first: adding a list to itself must not run forever.
  int n = Strings->Count();
  for (int i = 0; i < n; ++i) AddObject(Strings->Strings(i), Strings->Objects(i));
}

void TStrings::InsertObject(int Index, const String& S, TObject* AObject) {
  Insert(Index, S);
  SetObjects(Index, AObject);
}

void TStrings::Exchange(int Index1, int Index2) {
  TUpdateGuard guard(*this);
  String s1 = Strings(Index1), s2 = Strings(Index2);
  TObject* o1 = Objects(Index1);
  TObject* o2 = Objects(Index2);
  SetStrings(Index1, s2);
  SetObjects(Index1, o2);
  SetStrings(Index2, s1);
  SetObjects(Index2, o1);
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  if (NewIndex < 0 || NewIndex >= Count()) IndexError(NewIndex);
  TUpdateGuard guard(*this);
  String s = Strings(CurIndex);
  TObject* object = Objects(CurIndex);
  SetObjects(CurIndex, nullptr);  // so that an owning list does not free it
  Delete(CurIndex);
  InsertObject(NewIndex, s, object);
}

void TStrings::CopyTextSettings(const TStrings& Source) {
  FNameValueSeparator = Source.FNameValueSeparator;
  FDelimiter = Source.FDelimiter;
  FQuoteChar = Source.FQuoteChar;
  FStrictDelimiter = Source.FStrictDelimiter;
  FLineBreak = Source.FLineBreak;
  FTrailingLineBreak = Source.FTrailingLineBreak;
}

void TStrings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TStrings*>(Source);
  if (source == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  std::vector<TStringItem> items;
  for (int i = 0; i < source->Count(); ++i)
    items.push_back({source->Strings(i), source->Objects(i)});
  ReplaceItems(std::move(items));
  CopyTextSettings(*source);
}

bool TStrings::Equals(TStrings* Strings) const {
  if (Strings == nullptr || Strings->Count() != Count()) return false;
  for (int i = 0; i < Count(); ++i) {
    if (Strings->Strings(i) != this->Strings(i)) return false;
  }
  return true;
}

int TStrings::IndexOf(const String& S) const {
  for (int i = 0; i < Count(); ++i) {
    if (CompareStrings(Strings(i), S) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfName(const String& Name) const {
  for (int i = 0; i < Count(); ++i) {
    String s = Strings(i);
    std::size_t sep = s.find(FNameValueSeparator);
    if (sep != String::npos && CompareStrings(s.substr(0, sep), Name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(TObject* AObject) const {
  for (int i = 0; i < Count(); ++i) {
    if (Objects(i) == AObject) return i;
  }
  return -1;
}

String TStrings::Names(int Index) const {
  String s = Strings(Index);
  std::size_t sep = s.find(FNameValueSeparator);
  return sep == String::npos ? String() : s.substr(0, sep);
}

String TStrings::ValueFromIndex(int Index) const {
  String s = Strings(Index);
  std::size_t sep = s.find(FNameValueSeparator);
  return sep == String::npos ? String() : s.substr(sep + 1);
}

void TStrings::SetValueFromIndex(int Index, const String& Value) {
  if (Value.empty()) {
    Delete(Index);
  } else {
    SetStrings(Index, Names(Index) + FNameValueSeparator + Value);
  }
}

String TStrings::Values(const String& Name) const {
  int i = IndexOfName(Name);
  return i < 0 ? String() : ValueFromIndex(i);
}

void TStrings::SetValues(const String& Name, const String& Value) {
  int i = IndexOfName(Name);
  if (Value.empty()) {
    if (i >= 0) Delete(i);
    return;
  }
  String line = Name + FNameValueSeparator + Value;
  if (i < 0) {
    Add(line);
  } else {
    SetStrings(i, line);
  }
}

String TStrings::Text() const {
  String r;
  for (int i = 0; i < Count(); ++i) {
    r += Strings(i);
    if (FTrailingLineBreak || i + 1 < Count()) r += FLineBreak;
  }
  return r;
}

void TStrings::SetText(const String& Value) { ReplaceItems(SplitLines(Value)); }

String TStrings::DelimitedText() const {
  return JoinDelimited(*this, {FDelimiter, FQuoteChar, FStrictDelimiter});
}

void TStrings::SetDelimitedText(const String& Value) {
  ReplaceItems(ParseDelimited(Value, {FDelimiter, FQuoteChar, FStrictDelimiter}));
}

// Comma text is delimited text with ',' and '"' (the strictness stays the list's).
String TStrings::CommaText() const { return JoinDelimited(*this, {u',', u'"', FStrictDelimiter}); }

void TStrings::SetCommaText(const String& Value) {
  ReplaceItems(ParseDelimited(Value, {u',', u'"', FStrictDelimiter}));
}

void TStrings::BeginUpdate() {
  // The state changes while the count is still 0, so the list reports it.
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const String& S1, const String& S2) const {
  return AnsiCompareText(S1, S2);
}

void TStrings::ReplaceItems(std::vector<TStringItem> Items) {
  TUpdateGuard guard(*this);
  Clear();
  for (TStringItem& item : Items) AddObject(item.S, item.Object);
}

}  // namespace vcl
