// Arbitrary UTF-16 text (the input bytes taken in pairs, little-endian; an
// odd last byte is dropped) through the table editor's clipboard reader:
// the number scanner from several starting positions, the walk that finds
// the numbers line by line, the size query, and Extract from Clipboard on
// an editor. Besides never crashing:
// - the scanner's value stays within +-uc_MaxDouble and its position within
//   the text, past the start whenever it starts on a number start;
// - the walk counts lines and numbers from 0 and finds no more numbers than
//   the text has number starts;
// - the size query agrees with the walk;
// - Extract writes exactly the numbers the walk finds inside the table, at
//   the places the walk gives them, keeps every other cell and every state,
//   never changes the table's size and selects inside the table.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <utility>

#include "VYR_ntabed/VYR_ntabed.h"
#include "VYR_ntabed/VYR_ntabedtext.h"
#include "companion/basepack/VYR_univconst.h"
#include "platform/Clipbrd.h"

using namespace vyr;
using namespace vyr::ntabed;
using vcl::String;

namespace {

constexpr int kCols = 12, kRows = 9;
constexpr double kUntouched = -12345.678;

void Require(bool Condition, const char* What) {
  if (Condition) return;
  std::fprintf(stderr, "ntabed_clip: %s\n", What);
  std::abort();
}

String TextOf(const std::uint8_t* Data, std::size_t Size) {
  String text;
  text.reserve(Size / 2);
  for (std::size_t i = 0; i + 1 < Size; i += 2) {
    text.push_back(static_cast<char16_t>(Data[i] | (Data[i + 1] << 8)));
  }
  return text;
}

void CheckScanner(const String& Text) {
  const int last = static_cast<int>(Text.size()) + 1;
  for (int start : {1, 2, last / 2 + 1, last - 1, last, last + 3, 0}) {
    for (int mode = 1; mode <= 3; ++mode) {
      for (bool exp : {true, false}) {
        int pos = start;
        const double v = ScanClipNumber(Text, pos, exp, mode);
        Require(std::isfinite(v) && std::fabs(v) <= uc_MaxDouble, "scan value out of range");
        const int from = std::max(start, 1);
        Require(pos >= from && (pos <= last || pos == from), "scan position");
        const bool numberStart = from <= static_cast<int>(Text.size()) &&
                                 IsNumberStart(Text[static_cast<std::size_t>(from - 1)]);
        // (In mode 2 the point is no separator, so "." is no number start there.)
        if (numberStart && mode != 2) Require(pos > from, "a number start was not read");
      }
    }
  }
}

// The walk's numbers by (i, k).
std::map<std::pair<int, int>, double> CheckWalk(const String& Raw) {
  const std::u16string text = PrepareClipText(Raw, true);
  const auto starts = std::count_if(text.begin(), text.end(), IsNumberStart);
  std::map<std::pair<int, int>, double> found;
  int lastK = 0;
  TClipWalker(text).Run([&](int I, int K, double V) {
    Require(I >= 0 && K >= lastK, "walk order");
    Require(std::fabs(V) <= uc_MaxDouble, "walk value");
    Require(found.emplace(std::make_pair(I, K), V).second, "walk visited a place twice");
    lastK = K;
  });
  Require(static_cast<std::ptrdiff_t>(found.size()) <= starts, "more numbers than starts");
  return found;
}

void CheckSize(const String& Raw) {
  int cols = 0, rows = 0;
  const bool any = ClipMatrixSize(Raw, cols, rows);
  Require(cols >= 1 && rows >= 1, "matrix size below 1");
  const std::u16string text = PrepareClipText(Raw, false);
  int n = 0, maxI = 0, maxK = 0;
  TClipWalker(text).Run([&](int I, int K, double) {
    ++n;
    maxI = std::max(maxI, I);
    maxK = std::max(maxK, K);
  });
  Require(any == (n > 0), "size result");
  if (any) Require(cols == maxI + 1 && rows == maxK + 1, "size differs from the walk");
}

TNTabEd& Editor() {
  static std::unique_ptr<TNTabEd> editor = [] {
    auto e = std::make_unique<TNTabEd>(nullptr);
    e->Redimension(kCols, kRows);
    return e;
  }();
  return *editor;
}

void CheckExtract(const String& Raw, const std::map<std::pair<int, int>, double>& Found,
                  unsigned Salt) {
  TNTabEd& e = Editor();
  e.Fill(kUntouched);
  for (int c = 1; c <= kCols; ++c)
    for (int r = 1; r <= kRows; ++r) e.Data->SetCellState(c, r, static_cast<std::uint8_t>(c * r));
  const int left = 1 + static_cast<int>(Salt % kCols), top = 1 + static_cast<int>(Salt / 16 % kRows);
  e.SetSelection({left + 1, top, left + 1, top});
  vcl::Clipboard().SetAsText(Raw);
  e.PopupMenuClickExtClip(nullptr);
  Require(e.NrOfColumns() == kCols && e.NrOfRows() == kRows, "extract resized the table");
  for (int c = 1; c <= kCols; ++c) {
    for (int r = 1; r <= kRows; ++r) {
      Require(e.CellState(c, r) == static_cast<std::uint8_t>(c * r), "extract changed a state");
      const auto it = Found.find({c - left, r - top});
      const double v = e.Elem(c, r);
      if (c < left || r < top || it == Found.end()) {
        Require(v == kUntouched, "extract wrote where the walk found nothing");
      } else {
        Require(v == it->second || (std::isnan(v) && std::isnan(it->second)), "extract value");
      }
    }
  }
  const vcl::TGridRect s = e.Selection();
  Require(s.Left >= 2 && s.Right <= kCols + 1 && s.Top >= 1 && s.Bottom <= kRows, "selection");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const String text = TextOf(Data, Size);
  CheckScanner(text);
  const auto found = CheckWalk(text);
  CheckSize(text);
  CheckExtract(text, found, Size > 0 ? Data[0] : 0);
  return 0;
}
