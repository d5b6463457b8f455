// Arbitrary bytes as a CSV file (the first byte chooses the delimiter and
// whether the first record holds column names). An import either fails with
// EVYRError and leaves the store exactly as it was, or succeeds; then the
// table exported with the same settings must import to the same content.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "VYR_replist/VYR_replist.h"

using namespace vyr;
using vcl::String;

namespace {

void Require(bool Condition, const char* What) {
  if (Condition) return;
  std::fprintf(stderr, "replist_csv: %s\n", What);
  std::abort();
}

String Snapshot(const TRLData& D) {
  String s = vcl::IntToStr(D.NrOfColumns()) + u"x" + vcl::IntToStr(D.NrOfRows()) + u"\n";
  for (int c = 1; c <= D.NrOfColumns(); ++c) s += D.GetColName(c) + u"|" + D.GetColumnFormat(c) + u"\n";
  for (int r = 1; r <= D.NrOfRows(); ++r) {
    for (int c = 0; c <= D.NrOfColumns(); ++c) s += D.Strings->GetString(c, r) + u"\t";
    s += u"\n";
  }
  return s;
}

std::string TempName(const char* Tag) {
  return "/tmp/fuzz_replist_csv_" + std::to_string(::getpid()) + Tag;
}

bool WriteFile(const std::string& Name, const std::uint8_t* Data, std::size_t Size) {
  std::FILE* f = std::fopen(Name.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(Data, 1, Size, f) == Size;
  return std::fclose(f) == 0 && ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  static constexpr TCSVDelimiters kDelims[] = {csvComma, csvSemicolon, csvTab, csvSpace, csvPipe};
  const TCSVDelimiters delim = kDelims[Data[0] % 5];
  const bool names = (Data[0] & 0x80) != 0;
  const std::string in = TempName(".in.csv");
  const std::string out = TempName(".out.csv");
  if (!WriteFile(in, Data + 1, Size - 1)) return 0;

  TRLData d(nullptr);
  d.SetMaxReadCells(1 << 16);
  d.SetNrCols(2);
  d.SetNrRows(2);
  d.SetElem(1, 2, u"before");
  d.SetColumnFormat(1, u"[i][9]");
  const String before = Snapshot(d);
  int rows = 0;
  try {
    rows = d.ImportCSV(vcl::FromUTF8(in), delim, names);
  } catch (const EVYRError&) {
    Require(Snapshot(d) == before, "a failed import changed the store");
    std::remove(in.c_str());
    return 0;
  }
  Require(rows == d.NrOfRows(), "the import counts other rows than it stored");
  const String content = Snapshot(d);
  Require(d.ExportCSV(vcl::FromUTF8(out), delim, names, false, 1, 1, d.NrOfColumns(), d.NrOfRows()) == rows,
          "the export counts other rows than the table has");
  TRLData again(nullptr);
  Require(again.ImportCSV(vcl::FromUTF8(out), delim, names) == rows, "an exported table imports other rows");
  Require(Snapshot(again) == content, "an exported table imports differently");
  std::remove(in.c_str());
  std::remove(out.c_str());
  return 0;
}
