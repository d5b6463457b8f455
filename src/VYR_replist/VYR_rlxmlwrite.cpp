// Report XML: the tag vocabulary and the writer.
//
// A report is one <replist> element whose start tag stands on a line of
// its own with the id and the marker word, so that CheckIfValidReplist
// finds it line by line:
//
//   <replist id="Sales" format="vyrkitset" version="1">
//     <numcols>2</numcols>
//     <numrows>1</numrows>
//     <commonheader>Q1</commonheader>
//     <colname col="1">Region</colname>
//     <checkedcolumn col="2">box</checkedcolumn>
//     <cell col="1" row="1">North</cell>
//   </replist>
//
// Cells hold their stored text (check marker included) and are written in
// the order the rows are shown; empty cells are left out. A text holding a
// character XML cannot carry (control characters, unpaired surrogates) is
// written as enc="u16": four hex digits per UTF-16 code unit.
#include <charconv>
#include <cstring>
#include <memory>

#include "VYR_replist/VYR_rldata.h"
#include "VYR_replist/internal/VYR_rlio.h"

namespace vyr {

const std::array<std::u16string_view, 10> RepListXmlTagText = {
    u"numcols", u"numrows", u"colname", u"checkedcolumn", u"commonheader",
    u"columnformat", u"cell", u"comment", u"/replist", u"invalidtag"};

TRepListXmlTag RepListXmlTagOf(std::u16string_view TagText) {
  for (std::size_t i = 0; i < xmlInvalid; ++i)
    if (RepListXmlTagText[i] == TagText) return static_cast<TRepListXmlTag>(i);
  return xmlInvalid;
}

namespace {

using TTextOut = vcl::TTextWriter;

// True when every character of S can stand in an XML document.
bool XmlCanCarry(std::u16string_view S) {
  for (std::size_t i = 0; i < S.size(); ++i) {
    char16_t c = S[i];
    if (c >= 0x20 && c < 0xD800) continue;
    if (c < 0x20) {
      if (c != u'\t' && c != u'\n' && c != u'\r') return false;
    } else if (c <= 0xDBFF) {
      if (i + 1 == S.size() || S[i + 1] < 0xDC00 || S[i + 1] > 0xDFFF) return false;
      ++i;
    } else if (c <= 0xDFFF || c >= 0xFFFE) {
      return false;
    }
  }
  return true;
}

char* Put(char* P, std::string_view S) {
  std::memcpy(P, S.data(), S.size());
  return P + S.size();
}

// S (which XmlCanCarry) escaped for element content, or for an attribute
// value when InAttribute. At most 6 bytes per code unit.
char* Escape(char* P, std::u16string_view S, bool InAttribute) {
  for (std::size_t i = 0; i < S.size(); ++i) {
    const char16_t c = S[i];
    if (c >= 0x20 && c < 0x80) {
      switch (c) {
        case u'&': P = Put(P, "&amp;"); continue;
        case u'<': P = Put(P, "&lt;"); continue;
        case u'>': P = Put(P, "&gt;"); continue;
        case u'"':
          if (InAttribute) {
            P = Put(P, "&quot;");
            continue;
          }
          break;
        default: break;
      }
      *P++ = static_cast<char>(c);
    } else if (c < 0x20) {
      // A parser turns a literal CR into LF, and TAB or LF in an attribute
      // into a blank: those are written as character references.
      if (c == u'\r') {
        P = Put(P, "&#13;");
      } else if (InAttribute) {
        P = Put(P, c == u'\n' ? "&#10;" : "&#9;");
      } else {
        *P++ = static_cast<char>(c);
      }
    } else {
      const std::size_t n = (c >= 0xD800 && c <= 0xDBFF) ? 2 : 1;
      P = vcl::EncodeUtf8(P, S.substr(i, n));
      i += n - 1;
    }
  }
  return P;
}

char* HexUnits(char* P, std::u16string_view S) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (char16_t c : S)
    for (int shift = 12; shift >= 0; shift -= 4) *P++ = kHex[(c >> shift) & 0xF];
  return P;
}

char* Number(char* P, int Value) { return std::to_chars(P, P + 12, Value).ptr; }

// One element on a line of its own: <Tag col=".." row="..">Text</Tag>;
// col and row only when not negative.
void Element(TTextOut& Out, std::string_view Tag, int Col, int Row, std::u16string_view Text) {
  const bool plain = XmlCanCarry(Text);
  char* p = Out.Room(2 * Tag.size() + 64 + Text.size() * 6);
  p = Put(p, "  <");
  p = Put(p, Tag);
  if (Col >= 0) p = Put(Number(Put(p, " col=\""), Col), "\"");
  if (Row >= 0) p = Put(Number(Put(p, " row=\""), Row), "\"");
  if (plain) {
    p = Escape(Put(p, ">"), Text, false);
  } else {
    p = HexUnits(Put(p, " enc=\"u16\">"), Text);
  }
  p = Put(Put(p, "</"), Tag);
  Out.Advance(Put(p, ">\n"));
}

const char* ModeText(TCheckMode Mode) { return Mode == cmRadio ? "radio" : Mode == cmBox ? "box" : "none"; }

void WriteColumns(TTextOut& Out, const TRLData& D) {
  for (int c = 1; c <= D.NrOfColumns(); ++c) {
    Element(Out, "colname", c, -1, D.GetColName(c));
    const vcl::String format = D.GetColumnFormat(c);
    if (!format.empty()) Element(Out, "columnformat", c, -1, format);
    const TCheckMode mode = D.GetColCheckMode(c);
    if (mode != cmNone) Element(Out, "checkedcolumn", c, -1, vcl::FromUTF8(ModeText(mode)));
  }
}

void WriteCells(TTextOut& Out, const TRLData& D, rlio::TProgress& Progress) {
  const TStringArray& table = *D.Strings;
  for (int r = 1; r <= D.NrOfRows(); ++r) {
    for (int c = 0; c <= D.NrOfColumns(); ++c) {
      std::u16string_view s = table.StringView(c, r);
      if (!s.empty()) Element(Out, "cell", c, r, s);
      Progress.Tick();
    }
  }
}

// The whole report.
void WriteReport(TTextOut& Out, TRLData& D, bool CreateHeader, const vcl::String& Id,
                 const vcl::String& Who) {
  if (!XmlCanCarry(Id))
    throw EVYRRLDataError(Who + u"the data id holds characters a report file cannot carry");
  rlio::TProgress progress(&D, D.OnPercentDone(),
                           std::int64_t{D.NrOfRows()} * (D.NrOfColumns() + 1));
  if (CreateHeader) Out.Ascii("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
  char* p = Out.Room(64 + Id.size() * 6);
  p = Escape(Put(p, "<replist id=\""), Id, true);
  Out.Advance(Put(p, "\" format=\"vyrkitset\" version=\"1\">\n"));
  Element(Out, "numcols", -1, -1, vcl::IntToStr(D.NrOfColumns()));
  Element(Out, "numrows", -1, -1, vcl::IntToStr(D.NrOfRows()));
  Element(Out, "commonheader", -1, -1, D.CommonHeader());
  if (!D.Comment().empty()) Element(Out, "comment", -1, -1, D.Comment());
  WriteColumns(Out, D);
  WriteCells(Out, D, progress);
  Out.Ascii("</replist>\n");
  Out.Flush();
  progress.Done();
}

}  // namespace

void TRLData::WriteXml(vcl::TByteSink& Sink, bool CreateHeader, const vcl::String& DataID,
                       const vcl::String& Who) {
  TTextOut out(Sink);
  WriteReport(out, *this, CreateHeader, DataID.empty() ? FDataID : DataID, Who);
}

void TRLData::WriteToXMLStream(vcl::TStream* OutStream, bool CreateHeader, const vcl::String& DataID) {
  const vcl::String who = rlio::ComponentPrefix(*this);
  if (OutStream == nullptr) throw EVYRRLDataError(who + u"no stream to write the report to");
  rlio::StoreIO(who, [&] {
    vcl::TStreamSink sink(OutStream);
    WriteXml(sink, CreateHeader, DataID, who);
  });
}

void TRLData::WriteToOpenXMLFile(std::FILE* OutFile, bool CreateHeader, const vcl::String& DataID) {
  const vcl::String who = rlio::ComponentPrefix(*this);
  if (OutFile == nullptr) throw EVYRRLDataError(who + u"no open file to write the report to");
  rlio::StoreIO(who, [&] {
    vcl::TFileSink sink(OutFile, vcl::String());
    WriteXml(sink, CreateHeader, DataID, who);
  });
}

void TRLData::SaveAsXMLFile(const vcl::String& FName, const vcl::String& DataID) {
  const vcl::String who = rlio::ComponentPrefix(*this);
  rlio::StoreIO(who, [&] {
    vcl::TSafeFile file(FName);
    WriteXml(file, true, DataID, who + u"report file " + rlio::Quoted(FName) + u": ");
    file.Commit();
  });
}

}  // namespace vyr
