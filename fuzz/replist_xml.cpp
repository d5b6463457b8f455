// Arbitrary bytes as a report XML stream. A read either fails (false or
// EVYRError) and leaves the store exactly as it was, or succeeds; then the
// report written back from the store must read back to the same content.
// The validity check must agree with the reader about whether the stream
// holds a report root line at all.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "VYR_replist/VYR_replist.h"

using namespace vyr;
using vcl::String;

namespace {

void Require(bool Condition, const char* What) {
  if (Condition) return;
  std::fprintf(stderr, "replist_xml: %s\n", What);
  std::abort();
}

String Snapshot(const TRLData& D) {
  String s = vcl::IntToStr(D.NrOfColumns()) + u"x" + vcl::IntToStr(D.NrOfRows()) + u"|" + D.DataID() +
             u"|" + D.CommonHeader() + u"|" + D.Comment() + u"\n";
  for (int c = 1; c <= D.NrOfColumns(); ++c)
    s += D.GetColName(c) + u"|" + D.GetColumnFormat(c) + u"|" + vcl::IntToStr(int(D.GetColCheckMode(c))) + u"\n";
  for (int r = 1; r <= D.NrOfRows(); ++r) {
    for (int c = 0; c <= D.NrOfColumns(); ++c) s += D.Strings->GetString(c, r) + u"\t";
    s += u"\n";
  }
  return s;
}

// A store with some content, so that a failed read has something to spoil.
void Prepare(TRLData& D) {
  D.SetMaxReadCells(1 << 16);
  D.SetNrCols(2);
  D.SetNrRows(2);
  D.SetElem(1, 1, u"before");
  D.SetElem(0, 2, u"hidden");
  D.SetColCheckMode(2, cmBox);
  D.SetElemChecked(2, 2, true);
  D.SetComment(u"comment");
  D.SetDataID(u"orig");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TRLData d(nullptr);
  Prepare(d);
  const String before = Snapshot(d);
  vcl::TMemoryStream in;
  in.WriteBuffer(Data, static_cast<std::int64_t>(Size));
  in.SetPosition(0);
  bool read = false;
  try {
    read = d.ReadFromXMLStream(&in, u"");
  } catch (const EVYRError&) {
    Require(Snapshot(d) == before, "a failed read changed the store");
    Require(in.Position() == 0, "a failed read moved the stream");
    return 0;
  }
  in.SetPosition(0);
  Require(CheckIfValidReplist(&in, u"") == read, "the check and the reader disagree");
  if (!read) {
    Require(Snapshot(d) == before, "a read that found nothing changed the store");
    return 0;
  }
  const String content = Snapshot(d);
  vcl::TMemoryStream out;
  d.WriteToXMLStream(&out, true, u"");
  out.SetPosition(0);
  TRLData again(nullptr);
  Require(again.ReadFromXMLStream(&out, d.DataID()), "a written report cannot be read back");
  Require(Snapshot(again) == content, "a written report reads back differently");
  return 0;
}
