// Report XML: finding a report's root line, reading a report with expat,
// and the validity check.
//
// A file may hold several reports one after the other. The readers look
// for the first root line with the wanted id exactly as CheckIfValidReplist
// does, then hand the bytes from its "<replist" on to expat and stop at the
// matching end tag, so whatever stands before or after the report (an XML
// declaration, other reports) is never parsed. Everything is read into a
// fresh table that replaces the store's content only when the whole report
// was read without fault.
#include <expat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>
#include <optional>

#include "VYR_replist/VYR_rldata.h"
#include "VYR_replist/internal/VYR_rlio.h"
#include "companion/basepack/VYR_stringl.h"

namespace vyr {

namespace {

constexpr int kMaxDepth = 32;
constexpr std::size_t kShortTextBytes = 4096;          // cells, names, formats, counts
constexpr std::size_t kLongTextBytes = 16 * 1024 * 1024;  // comment, common header

// ---------------------------------------------------------------- root lines

vcl::String FoldedId(std::u16string_view Id) {
  vcl::String s(TrimBlanks(Id));
  for (char16_t& c : s) c = FoldCaseChar(c);
  return s;
}

// The text of an attribute value with the XML entity and character
// references replaced (unknown ones are kept as they stand).
vcl::String UnescapeXml(std::u16string_view S) {
  static constexpr std::pair<std::u16string_view, char16_t> kNamed[] = {
      {u"amp", u'&'}, {u"lt", u'<'}, {u"gt", u'>'}, {u"quot", u'"'}, {u"apos", u'\''}};
  vcl::String out;
  for (std::size_t i = 0; i < S.size(); ++i) {
    std::size_t semi = S[i] == u'&' ? S.find(u';', i) : std::u16string_view::npos;
    if (semi == std::u16string_view::npos || semi - i > 10) {
      out += S[i];
      continue;
    }
    std::u16string_view name = S.substr(i + 1, semi - i - 1);
    char32_t c = 0;
    bool known = false;
    for (auto [n, ch] : kNamed) {
      if (name != n) continue;
      c = ch;
      known = true;
    }
    if (!known && name.size() > 1 && name[0] == u'#') {
      const bool hex = name[1] == u'x';
      known = name.size() > (hex ? 2u : 1u);
      for (char16_t d : name.substr(hex ? 2 : 1)) {
        int v = (d >= u'0' && d <= u'9') ? d - u'0'
                : (hex && d >= u'a' && d <= u'f') ? d - u'a' + 10
                : (hex && d >= u'A' && d <= u'F') ? d - u'A' + 10 : -1;
        if (v < 0 || c > 0x10FFFF) known = false;
        if (v >= 0) c = c * (hex ? 16 : 10) + static_cast<char32_t>(v);
      }
      if (c > 0x10FFFF) known = false;
    }
    if (!known) {
      out += S[i];
      continue;
    }
    vcl::AppendCodePoint(out, static_cast<char32_t>(c));
    i = semi;
  }
  return out;
}

// When Line is a report root line ("<replist" and the marker word, letter
// case ignored) whose id matches Wanted (folded; empty accepts any id):
// the index of "<replist" in it.
std::optional<std::size_t> MatchRootLine(std::string_view Line, const vcl::String& Wanted) {
  std::string lower(Line);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  const std::size_t tag = lower.find("<replist");
  if (tag == std::string::npos || lower.find("vyrkitset") == std::string::npos) return std::nullopt;
  if (Wanted.empty()) return tag;
  vcl::String id;
  const std::size_t attr = lower.find("id=\"");
  if (attr != std::string::npos) {
    const std::size_t close = lower.find('"', attr + 4);
    if (close != std::string::npos) id = UnescapeXml(vcl::FromUTF8(Line.substr(attr + 4, close - attr - 4)));
  }
  if (FoldedId(id) != Wanted) return std::nullopt;
  return tag;
}

// ---------------------------------------------------------------- parser

// The tag an element name stands for (no conversion: this runs per cell).
TRepListXmlTag TagOf(std::string_view Name) {
  if (Name == "cell") return xmlCell;
  for (std::size_t i = 0; i < xmlEndReplist; ++i) {
    std::u16string_view t = RepListXmlTagText[i];
    if (t.size() == Name.size() && std::equal(t.begin(), t.end(), Name.begin())) {
      return static_cast<TRepListXmlTag>(i);
    }
  }
  return xmlInvalid;
}

bool IsXmlBlank(char C) { return C == ' ' || C == '\t' || C == '\r' || C == '\n'; }

// A non-negative decimal count (blanks around allowed); -1 when Text is
// not one, -2 when it is negative.
std::int64_t ParseCount(std::string_view Text) {
  while (!Text.empty() && IsXmlBlank(Text.front())) Text.remove_prefix(1);
  while (!Text.empty() && IsXmlBlank(Text.back())) Text.remove_suffix(1);
  bool negative = false;
  if (!Text.empty() && (Text[0] == '+' || Text[0] == '-')) {
    negative = Text[0] == '-';
    Text.remove_prefix(1);
  }
  if (Text.empty()) return -1;
  std::int64_t v = 0;
  for (char c : Text) {
    if (c < '0' || c > '9') return -1;
    v = std::min<std::int64_t>(v * 10 + (c - '0'), std::int64_t{INT_MAX} + 1);
  }
  if (negative && v != 0) return -2;
  return v;
}

// Reads one <replist> element into a TRLContent.
class TReportParser {
 public:
  TReportParser(TRLContent& Out, const vcl::String& Who, int FirstLine, std::int64_t MaxCells,
                vcl::TObject* Sender, TOnPercentDoneEvent Progress)
      : FOut(Out), FWho(Who), FFirstLine(FirstLine), FMaxCells(MaxCells), FSender(Sender),
        FProgressHandler(std::move(Progress)) {
    FParser = XML_ParserCreate("UTF-8");
    if (FParser == nullptr) throw EVYRRLDataError(FWho + u"not enough memory to read the report");
    XML_SetUserData(FParser, this);
    XML_SetElementHandler(FParser, &OnStart, &OnEnd);
    XML_SetCharacterDataHandler(FParser, &OnText);
    XML_SetStartDoctypeDeclHandler(FParser, &OnDoctype);
    XML_SetEntityDeclHandler(FParser, &OnEntity);
  }
  ~TReportParser() { XML_ParserFree(FParser); }
  TReportParser(const TReportParser&) = delete;
  TReportParser& operator=(const TReportParser&) = delete;

  // Parses the next bytes; true once the report's end tag was read.
  // Raises EVYRRLDataError naming the line and the problem.
  bool Feed(std::string_view Data, bool Final);
  // Bytes of everything fed that belong to the report.
  std::int64_t EndOffset() const { return FEnd; }
  const vcl::String& Id() const { return FId; }
  void Done() {
    if (FProgress) FProgress->Done();
  }

 private:
  static void XMLCALL OnStart(void* Self, const XML_Char* Name, const XML_Char** Atts);
  static void XMLCALL OnEnd(void* Self, const XML_Char* Name);
  static void XMLCALL OnText(void* Self, const XML_Char* S, int Len);
  static void XMLCALL OnDoctype(void* Self, const XML_Char*, const XML_Char*, const XML_Char*, int);
  static void XMLCALL OnEntity(void* Self, const XML_Char*, int, const XML_Char*, int,
                               const XML_Char*, const XML_Char*, const XML_Char*, const XML_Char*);
  // Runs a handler body; any error stops the parser and is kept.
  template <class F>
  static void Guard(void* Self, F&& Body);

  void Start(std::string_view Name, const XML_Char** Atts);
  void End();
  void ReadPosition(const XML_Char** Atts);
  int Attribute(std::string_view Name, std::string_view Value);
  void Complete();
  void SetCount(std::optional<int>& Count, const char* Tag);
  void RequireTable(const char* Tag) const;
  int Column(const char* Tag, int Low) const;
  vcl::String Text(std::size_t MaxUnits) const;
  void StoreCell();
  [[noreturn]] void Fail(const vcl::String& Reason) const { throw EVYRRLDataError(Reason); }
  [[noreturn]] void Fail(const char* Reason) const { Fail(vcl::FromUTF8(Reason)); }

  XML_Parser FParser;
  TRLContent& FOut;
  vcl::String FWho;
  int FFirstLine;
  std::int64_t FMaxCells;
  vcl::TObject* FSender;
  TOnPercentDoneEvent FProgressHandler;
  std::optional<rlio::TProgress> FProgress;

  int FDepth = 0;
  bool FInLeaf = false;
  TRepListXmlTag FLeaf = xmlInvalid;
  std::string FText;
  bool FHex = false;
  int FCol = -1;
  int FRow = -1;
  std::optional<int> FCols;
  std::optional<int> FRows;
  bool FFinished = false;
  std::int64_t FEnd = 0;
  vcl::String FId;
  std::optional<vcl::String> FError;
};

template <class F>
void TReportParser::Guard(void* Self, F&& Body) {
  auto* self = static_cast<TReportParser*>(Self);
  try {
    Body(*self);
  } catch (const vcl::Exception& e) {
    self->FError = e.Message();
    XML_StopParser(self->FParser, XML_FALSE);
  } catch (const std::bad_alloc&) {
    self->FError = u"not enough memory for the report";
    XML_StopParser(self->FParser, XML_FALSE);
  }
}

void XMLCALL TReportParser::OnStart(void* Self, const XML_Char* Name, const XML_Char** Atts) {
  Guard(Self, [&](TReportParser& p) { p.Start(Name, Atts); });
}

void XMLCALL TReportParser::OnEnd(void* Self, const XML_Char*) {
  Guard(Self, [&](TReportParser& p) { p.End(); });
}

void XMLCALL TReportParser::OnText(void* Self, const XML_Char* S, int Len) {
  auto* p = static_cast<TReportParser*>(Self);
  if (!p->FInLeaf) return;
  const bool longText = p->FLeaf == xmlComment || p->FLeaf == xmlCommonHd;
  const std::size_t limit = longText ? kLongTextBytes : kShortTextBytes;
  const auto len = static_cast<std::size_t>(Len);
  if (p->FText.size() + len <= limit) {
    p->FText.append(S, len);
  } else if (longText) {
    Guard(Self, [](TReportParser& q) { q.Fail("a comment or common header is longer than 16 MiB"); });
  } else {
    // A short text is cut to its limit anyway; the rest is not kept.
    p->FText.append(S, limit - std::min(limit, p->FText.size()));
  }
}

void XMLCALL TReportParser::OnDoctype(void* Self, const XML_Char*, const XML_Char*, const XML_Char*, int) {
  Guard(Self, [](TReportParser& p) { p.Fail("document type declarations are not accepted"); });
}

void XMLCALL TReportParser::OnEntity(void* Self, const XML_Char*, int, const XML_Char*, int,
                                     const XML_Char*, const XML_Char*, const XML_Char*,
                                     const XML_Char*) {
  Guard(Self, [](TReportParser& p) { p.Fail("entity declarations are not accepted"); });
}

bool TReportParser::Feed(std::string_view Data, bool Final) {
  while (!FFinished) {
    const std::size_t n = std::min<std::size_t>(Data.size(), 1 << 20);
    const bool last = Final && n == Data.size();
    if (XML_Parse(FParser, Data.data(), static_cast<int>(n), last) == XML_STATUS_ERROR && !FFinished) {
      vcl::String reason = FError ? *FError : vcl::FromUTF8(XML_ErrorString(XML_GetErrorCode(FParser)));
      if (!FError && last) reason = u"the report ends before its closing </replist> (" + reason + u")";
      const auto line = static_cast<std::int64_t>(XML_GetCurrentLineNumber(FParser)) + FFirstLine - 1;
      throw EVYRRLDataError(FWho + u"line " + vcl::IntToStr(line) + u": " + reason);
    }
    Data.remove_prefix(n);
    if (Data.empty()) break;
  }
  if (FFinished) return true;
  if (Final) {
    throw EVYRRLDataError(FWho + u"the report ends before its closing </replist>");
  }
  return false;
}

void TReportParser::Start(std::string_view Name, const XML_Char** Atts) {
  if (++FDepth > kMaxDepth) Fail("elements are nested too deeply");
  if (FDepth == 1) {
    if (Name != "replist") Fail(u"the report starts with <" + vcl::FromUTF8(Name) + u">, not <replist>");
    for (const XML_Char** a = Atts; *a != nullptr; a += 2)
      if (std::strcmp(a[0], "id") == 0) FId = vcl::FromUTF8(a[1]);
    return;
  }
  if (FInLeaf) {
    Fail(u"<" + vcl::FromUTF8(Name) + u"> inside <" + vcl::String(RepListXmlTagText[FLeaf]) + u">");
  }
  if (FDepth > 2) return;  // inside an element this format does not know
  const TRepListXmlTag tag = TagOf(Name);
  if (tag == xmlInvalid) return;  // skipped with its content
  FInLeaf = true;
  FLeaf = tag;
  FText.clear();
  ReadPosition(Atts);
}

void TReportParser::ReadPosition(const XML_Char** Atts) {
  FCol = FRow = -1;
  FHex = false;
  for (const XML_Char** a = Atts; *a != nullptr; a += 2) {
    std::string_view name = a[0];
    if (name == "col") FCol = Attribute(name, a[1]);
    if (name == "row") FRow = Attribute(name, a[1]);
    if (name == "enc") {
      if (std::strcmp(a[1], "u16") != 0) Fail(u"unknown text encoding \"" + vcl::FromUTF8(a[1]) + u"\"");
      FHex = true;
    }
  }
}

int TReportParser::Attribute(std::string_view Name, std::string_view Value) {
  const std::int64_t v = ParseCount(Value);
  if (v < 0 || v > INT_MAX) {
    Fail(vcl::FromUTF8(Name) + u"=\"" + vcl::FromUTF8(Value.substr(0, 40)) + u"\" is not a column or row number");
  }
  return static_cast<int>(v);
}

void TReportParser::End() {
  if (FDepth == 2 && FInLeaf) {
    FInLeaf = false;
    Complete();
  } else if (FDepth == 1) {
    if (!FCols || !FRows) Fail("the report gives no numcols or no numrows");
    FFinished = true;
    FEnd = XML_GetCurrentByteIndex(FParser) + XML_GetCurrentByteCount(FParser);
    XML_StopParser(FParser, XML_FALSE);
  }
  --FDepth;
}

void TReportParser::SetCount(std::optional<int>& Count, const char* Tag) {
  const vcl::String tag = vcl::FromUTF8(Tag);
  if (FHex) Fail(u"<" + tag + u"> cannot be encoded");
  if (Count) Fail(u"<" + tag + u"> appears twice");
  const std::int64_t v = ParseCount(FText);
  if (v == -2) Fail(u"<" + tag + u"> is negative");
  if (v < 0 || v > INT_MAX) Fail(u"<" + tag + u"> is not a count: \"" + vcl::FromUTF8(FText.substr(0, 40)) + u"\"");
  Count = static_cast<int>(v);
  if (FCols && FRows) {
    FOut.Allocate(*FCols, *FRows, FMaxCells, vcl::String());
    FProgress.emplace(FSender, FProgressHandler, std::int64_t{*FRows} * (*FCols + 1));
  }
}

void TReportParser::RequireTable(const char* Tag) const {
  if (!FOut.Table) Fail(u"<" + vcl::FromUTF8(Tag) + u"> comes before <numcols> and <numrows>");
}

// The col attribute, checked against Low..numcols.
int TReportParser::Column(const char* Tag, int Low) const {
  RequireTable(Tag);
  if (FCol < 0) Fail(u"<" + vcl::FromUTF8(Tag) + u"> has no col attribute");
  if (FCol < Low || FCol > FOut.NrCols) {
    Fail(u"<" + vcl::FromUTF8(Tag) + u"> names column " + vcl::IntToStr(FCol) + u" of a report with " +
         vcl::IntToStr(FOut.NrCols) + u" columns");
  }
  return FCol;
}

// The element's text (hex-decoded for enc="u16"), cut to MaxUnits.
vcl::String TReportParser::Text(std::size_t MaxUnits) const {
  if (!FHex) return vcl::String(CutToLength(vcl::FromUTF8(FText), MaxUnits));
  vcl::String s;
  std::string_view hex = FText;
  if (hex.size() % 4 != 0) Fail("an encoded text is not a whole number of code units");
  for (std::size_t i = 0; i < hex.size() && s.size() < MaxUnits; i += 4) {
    unsigned v = 0;
    for (std::size_t k = i; k < i + 4; ++k) {
      const char d = hex[k];
      const int digit = (d >= '0' && d <= '9') ? d - '0' : (d >= 'A' && d <= 'F') ? d - 'A' + 10
                        : (d >= 'a' && d <= 'f') ? d - 'a' + 10 : -1;
      if (digit < 0) Fail("an encoded text holds a character that is not a hex digit");
      v = v * 16 + static_cast<unsigned>(digit);
    }
    s += static_cast<char16_t>(v);
  }
  return s;
}

void TReportParser::StoreCell() {
  const int col = Column("cell", 0);
  if (FRow < 0) Fail("<cell> has no row attribute");
  if (FRow < 1 || FRow > FOut.NrRows) {
    Fail(u"<cell> names row " + vcl::IntToStr(FRow) + u" of a report with " + vcl::IntToStr(FOut.NrRows) +
         u" rows");
  }
  if (FHex) {
    FOut.Table->SetString(col, FRow, Text(RLCellMaxLen));
  } else {
    char16_t buf[RLCellMaxLen];
    const std::size_t n = vcl::DecodeUtf8(FText, buf, RLCellMaxLen);
    FOut.Table->SetString(col, FRow, std::u16string_view(buf, n));
  }
  if (FProgress) FProgress->Tick();
}

void TReportParser::Complete() {
  switch (FLeaf) {
    case xmlNumCols: SetCount(FCols, "numcols"); break;
    case xmlNumRows: SetCount(FRows, "numrows"); break;
    case xmlCell: StoreCell(); break;
    case xmlColName: {
      const int c = Column("colname", 1);
      FOut.Names[static_cast<std::size_t>(c) - 1] = Text(RLNameMaxLen);
      break;
    }
    case xmlColumnFormat: {
      const int c = Column("columnformat", 1);
      FOut.Formats[static_cast<std::size_t>(c) - 1] = Text(RLColFmtMaxLen);
      break;
    }
    case xmlCheckedColumn: {
      const int c = Column("checkedcolumn", 1);
      const vcl::String mode = FoldedId(Text(16));
      TCheckMode m = cmNone;
      if (mode == u"box" || mode == u"1") m = cmBox;
      else if (mode == u"radio" || mode == u"2") m = cmRadio;
      else if (mode != u"none" && mode != u"0") Fail(u"unknown check mode \"" + mode + u"\"");
      FOut.Modes[static_cast<std::size_t>(c) - 1] = m;
      break;
    }
    case xmlCommonHd: FOut.CommonHeader = Text(kLongTextBytes); break;
    case xmlComment: FOut.Comment = Text(kLongTextBytes); break;
    default: break;
  }
}

// ---------------------------------------------------------------- reading

struct TReadRequest {
  vcl::String DataID;
  vcl::String Who;  // message prefix naming the store and the source
  std::int64_t MaxCells;
  vcl::TObject* Sender;
  TOnPercentDoneEvent Progress;
};

// Puts the source behind the report's end tag and the line end after it.
void SkipLineEnd(vcl::TByteSource& Source, std::int64_t End) {
  Source.Reposition(End);
  char next[2] = {0, 0};
  const std::size_t n = Source.Read(next, 2);
  if (n >= 1 && next[0] == '\n') End += 1;
  if (n >= 1 && next[0] == '\r') End += (n == 2 && next[1] == '\n') ? 2 : 1;
  Source.Reposition(End);
}

// Reads the first report with the wanted id from Source into Out; false
// when there is none. The source is left behind the report, or where it
// was when there is none or reading fails.
bool ReadReport(vcl::TByteSource& Source, const TReadRequest& Req, TRLContent& Out, vcl::String& Id) {
  vcl::TScopeGuard rewind([&] { Source.Reposition(0); });
  vcl::TLineReader lines(Source);
  const vcl::String wanted = FoldedId(Req.DataID);
  std::string_view line;
  std::optional<std::size_t> at;
  while (!at && lines.Next(line)) at = MatchRootLine(line, wanted);
  if (!at) return false;
  const std::int64_t start = lines.LineOffset() + static_cast<std::int64_t>(*at);
  TReportParser parser(Out, Req.Who, lines.LineNumber(), Req.MaxCells, Req.Sender, Req.Progress);
  bool done = parser.Feed(lines.From(*at), false);
  std::unique_ptr<char[]> chunk(new char[1 << 16]);
  while (!done) {
    const std::size_t n = Source.Read(chunk.get(), 1 << 16);
    done = parser.Feed(std::string_view(chunk.get(), n), n == 0);
  }
  SkipLineEnd(Source, start + parser.EndOffset());
  // A report replaces the document texts too, also when it has none.
  if (!Out.CommonHeader) Out.CommonHeader.emplace();
  if (!Out.Comment) Out.Comment.emplace();
  Id = parser.Id();
  parser.Done();
  rewind.Dismiss();
  return true;
}

}  // namespace

// ---------------------------------------------------------------- TRLData

bool TRLData::ReadXml(vcl::TByteSource& Source, const vcl::String& DataID, const vcl::String& Who) {
  TRLContent content;
  vcl::String id;
  if (!ReadReport(Source, {DataID, Who, FMaxReadCells, this, FOnPercentDone}, content, id)) return false;
  TakeContent(content, id);
  return true;
}

bool TRLData::ReadFromXMLStream(vcl::TStream* InStream, const vcl::String& DataID) {
  const vcl::String who = rlio::ComponentPrefix(*this) + u"report stream: ";
  return rlio::StoreIO(who, [&] {
    vcl::TStreamSource source(InStream);
    return ReadXml(source, DataID, who);
  });
}

bool TRLData::ReadFromXMLString(const vcl::String& InString, const vcl::String& DataID) {
  const std::string bytes = vcl::ToUTF8(InString);
  vcl::TMemorySource source(bytes);
  return ReadXml(source, DataID, rlio::ComponentPrefix(*this) + u"report text: ");
}

bool TRLData::ReadFromOpenXMLFile(std::FILE* InFile, const vcl::String& DataID) {
  const vcl::String who = rlio::ComponentPrefix(*this) + u"report file: ";
  return rlio::StoreIO(who, [&] {
    vcl::TFileSource source(InFile, vcl::String());
    return ReadXml(source, DataID, who);
  });
}

bool TRLData::LoadFromXMLFile(const vcl::String& FName, const vcl::String& DataID) {
  const vcl::String prefix = rlio::ComponentPrefix(*this);
  vcl::TFilePtr file = rlio::StoreIO(prefix, [&] { return vcl::OpenForReading(FName); });
  const vcl::String who = prefix + u"report file " + rlio::Quoted(FName) + u": ";
  return rlio::StoreIO(who, [&] {
    vcl::TFileSource source(file.get(), vcl::String());
    return ReadXml(source, DataID, who);
  });
}

// ---------------------------------------------------------------- validity

namespace {

bool FindRootLine(vcl::TLineReader& Lines, const vcl::String& DataID) {
  const vcl::String wanted = FoldedId(DataID);
  std::string_view line;
  while (Lines.Next(line))
    if (MatchRootLine(line, wanted)) return true;
  return false;
}

}  // namespace

bool CheckIfValidReplist(const vcl::String& FName, const vcl::String& DataID) {
  const std::string path = vcl::ToUTF8(FName);
  vcl::TFilePtr file(path.empty() ? nullptr : std::fopen(path.c_str(), "rb"));
  if (!file) {
    throw vcl::EInOutError(u"Cannot open file " + rlio::Quoted(FName) + u": " +
                           vcl::SysErrorMessage(path.empty() ? ENOENT : errno));
  }
  try {
    vcl::TFileSource source(file.get(), vcl::String());
    vcl::TLineReader lines(source);
    return FindRootLine(lines, DataID);
  } catch (const vcl::EStreamError& e) {
    throw vcl::EInOutError(u"Cannot read file " + rlio::Quoted(FName) + u": " + e.Message());
  }
}

bool CheckIfValidReplist(vcl::TStream* InStream, const vcl::String& DataID) {
  if (InStream == nullptr) return false;
  vcl::TStreamSource source(InStream);
  vcl::TLineReader lines(source);
  const bool found = FindRootLine(lines, DataID);
  source.Reposition(lines.AfterLine());
  return found;
}

}  // namespace vyr
