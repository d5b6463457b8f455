// Helpers shared by the report data store tests.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "VYR_replist/VYR_replist.h"

namespace rltest {

using vcl::String;
using vyr::TRLData;

inline std::unique_ptr<TRLData> MakeStore(int Cols, int Rows) {
  auto d = std::make_unique<TRLData>(nullptr);
  d->SetNrCols(Cols);
  d->SetNrRows(Rows);
  return d;
}

// A store filled from rows of visible texts (every row as wide as the first).
inline std::unique_ptr<TRLData> StoreOf(const std::vector<std::vector<String>>& Rows) {
  auto d = MakeStore(Rows.empty() ? 1 : static_cast<int>(Rows[0].size()), static_cast<int>(Rows.size()));
  for (std::size_t r = 0; r < Rows.size(); ++r)
    for (std::size_t c = 0; c < Rows[r].size(); ++c)
      d->SetElem(static_cast<int>(c) + 1, static_cast<int>(r) + 1, Rows[r][c]);
  return d;
}

// Visible texts of a column, rows 1..NrOfRows as shown.
inline std::vector<String> ColumnTexts(const TRLData& D, int Col) {
  std::vector<String> out;
  for (int r = 1; r <= D.NrOfRows(); ++r) out.push_back(D.GetElem(Col, r));
  return out;
}

// Everything a reader may change, as one comparable text: sizes, document
// texts, column settings, and every stored cell of columns 0..n.
inline String Snapshot(const TRLData& D) {
  String s = u"cols=" + vcl::IntToStr(D.NrOfColumns()) + u" rows=" + vcl::IntToStr(D.NrOfRows()) +
             u" id=" + D.DataID() + u" head=" + D.CommonHeader() + u" comment=" + D.Comment() +
             u" sort=" + vcl::IntToStr(D.LastSortColumn()) + u"\n";
  for (int c = 1; c <= D.NrOfColumns(); ++c) {
    s += D.GetColName(c) + u"|" + D.GetColumnFormat(c) + u"|" +
         vcl::IntToStr(static_cast<int>(D.GetColCheckMode(c))) + u"\n";
  }
  for (int r = 1; r <= D.NrOfRows(); ++r) {
    for (int c = 0; c <= D.NrOfColumns(); ++c) s += D.Strings->GetString(c, r) + u"\t";
    s += u"\n";
  }
  return s;
}

// A fresh scratch directory for one test.
inline std::filesystem::path TempDir(const std::string& Name) {
  std::filesystem::path dir = std::filesystem::path(VYR_TEST_TMP) / "rldata" / Name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

inline String PathText(const std::filesystem::path& P) { return vcl::FromUTF8(P.string()); }

inline std::string ReadBytes(const std::filesystem::path& P) {
  std::string bytes;
  if (std::FILE* f = std::fopen(P.string().c_str(), "rb")) {
    char buf[4096];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    std::fclose(f);
  }
  return bytes;
}

inline void WriteBytes(const std::filesystem::path& P, std::string_view Bytes) {
  std::FILE* f = std::fopen(P.string().c_str(), "wb");
  if (f == nullptr) return;
  std::fwrite(Bytes.data(), 1, Bytes.size(), f);
  std::fclose(f);
}

}  // namespace rltest
