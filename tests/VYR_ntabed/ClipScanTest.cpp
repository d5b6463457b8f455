// The clipboard reader's pieces without an editor: the number scanner's
// state machine, the walk that finds numbers line by line, and the size of
// the number matrix of a text.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <tuple>
#include <vector>

#include "VYR_ntabed/VYR_ntabedtext.h"
#include "companion/basepack/VYR_univconst.h"

namespace ntabedtest {
namespace {

using namespace vyr::ntabed;
using vcl::String;

struct ScanCase {
  const char16_t* Text;
  int Start;
  bool Exp;
  int Mode;
  double Value;
  int End;  // where the position rests: on the character that ended the number
};

const ScanCase kScanCases[] = {
    {u"12.5 ", 1, true, 3, 12.5, 5},
    {u"  -3e2x", 1, true, 3, -300, 7},           // leading blanks, lower-case e, ends on x
    {u"1,5 ", 1, true, 3, 1.5, 4},               // comma as separator in mode 3
    {u"1,5 ", 1, true, 2, 1.5, 4},
    {u"1,5 ", 1, true, 1, 1, 2},                 // mode 1: the comma is "other"
    {u"1.5 ", 1, true, 2, 1, 2},                 // mode 2: the point is "other"
    {u"5. ", 1, true, 3, 5, 3},                  // a trailing point reads as .0
    {u". ", 1, true, 3, 0, 2},                   // a lone point is 0
    {u"- ", 1, true, 3, 0, 2},                   // a lone sign is an error: 0
    {u"-.5;", 1, true, 3, -0.5, 4},
    {u"+4", 1, true, 3, 4, 3},                   // the end of the text ends it
    {u"1E+5", 1, true, 3, 1e5, 5},
    {u"2E5", 1, false, 3, 2, 2},                 // no exponents: E ends the number
    {u"1E ", 1, true, 3, 0, 3},                  // E then blank: error
    {u"1Ex", 1, true, 3, 0, 3},                  // "1E" is no complete number
    {u"1..2", 1, true, 3, 0, 3},                 // a second separator: error
    {u"abc", 1, true, 3, 0, 1},
    {u"", 1, true, 3, 0, 1},
    {u"12", 5, true, 3, 0, 5},                   // beyond the end
    {u"x 42 ", 2, true, 3, 42, 5},               // from the middle
    {u"7E5000 ", 1, true, 3, vyr::uc_MaxDouble, 7},  // exponent cut to 500: clamped
    {u"-7E5000x", 1, true, 3, -vyr::uc_MaxDouble, 8},
    {u"1e-400 ", 1, true, 3, 0, 7},              // below the double range: 0
    {u"1E0000000000007 ", 1, true, 3, 1e7, 16},  // leading zeros keep the exponent small
};

TEST(ClipScanTest, NumberScanner) {
  for (const ScanCase& c : kScanCases) {
    int pos = c.Start;
    const double v = ScanClipNumber(c.Text, pos, c.Exp, c.Mode);
    EXPECT_EQ(v, c.Value) << String(c.Text).size() << " chars, start " << c.Start;
    EXPECT_EQ(pos, c.End) << "text of " << String(c.Text).size() << " chars, start " << c.Start;
  }
}

// The exponent digits that take it beyond 4200 are dropped (and the ones
// after them), so the number keeps its first digits: 1.0 × 10^(420 - 4400)
// is far below the double range, while 10^(4200 - 4100) is 1e100.
TEST(ClipScanTest, ExponentDigitsBeyond4200AreDropped) {
  String small = u"0." + String(4099, u'0') + u"1E4200 ";
  int pos = 1;
  EXPECT_DOUBLE_EQ(ScanClipNumber(small, pos, true, 3), 1e100);
  String cut = u"0." + String(4099, u'0') + u"1E4201 ";
  pos = 1;
  EXPECT_EQ(ScanClipNumber(cut, pos, true, 3), 0.0);  // read as E420
  EXPECT_EQ(pos, static_cast<int>(cut.size()));
}

using Found = std::tuple<int, int, double>;

std::vector<Found> Walk(const String& Raw, bool Commas = true) {
  std::vector<Found> out;
  const std::u16string text = PrepareClipText(Raw, Commas);
  TClipWalker(text).Run([&](int I, int K, double V) { out.emplace_back(I, K, V); });
  return out;
}

struct WalkCase {
  const char16_t* Text;
  std::vector<Found> Expected;
};

TEST(ClipScanTest, WalkFindsNumbersLineByLine) {
  const WalkCase cases[] = {
      {u"1;2\r\n3 4", {{0, 0, 1}, {1, 0, 2}, {0, 1, 3}, {1, 1, 4}}},
      {u"1,5", {{0, 0, 1}, {1, 0, 5}}},                    // commas separate numbers
      {u" 1.0\t2.5\r\n -3.0\t####\r\n", {{0, 0, 1}, {1, 0, 2.5}, {0, 1, -3}}},
      {u"1 2\n3 4\n", {{0, 0, 1}, {1, 0, 2}, {0, 1, 3}, {1, 1, 4}}},  // bare line feeds
      {u"1-2", {{0, 0, 1}, {1, 0, 2}}},                    // the "-" ended the 1
      {u"abc\n\n 5", {{0, 0, 5}}},                         // lines before the first number
      {u"1\r\n\r\n2", {{0, 0, 1}, {0, 2, 2}}},            // an empty line still counts
      {u"x - y", {{0, 0, 0}}},                             // a lone sign reads as 0
      {u"no numbers", {}},
      {u"", {}},
  };
  for (const WalkCase& c : cases) {
    EXPECT_EQ(Walk(c.Text), c.Expected) << String(c.Text).size() << " chars";
  }
}

struct SizeCase {
  const char16_t* Text;
  bool Result;
  int Cols, Rows;
};

TEST(ClipScanTest, MatrixSizeIsWhatTheReaderFills) {
  const SizeCase cases[] = {
      {u"1 2 3\r\n4 5\r\n", true, 3, 2},  // a final line feed adds no row
      {u"1 2\r\n3 4 5 6", true, 4, 2},    // the last line counts without its line feed
      {u"1,5", true, 1, 1},               // commas stay separators here
      {u"1\r\n\r\n2", true, 1, 3},
      {u"", false, 1, 1},
      {u"x y", false, 1, 1},
  };
  for (const SizeCase& c : cases) {
    int cols = -1, rows = -1;
    EXPECT_EQ(ClipMatrixSize(c.Text, cols, rows), c.Result) << String(c.Text).size();
    EXPECT_EQ(cols, c.Cols) << String(c.Text).size();
    EXPECT_EQ(rows, c.Rows) << String(c.Text).size();
  }
}

// Every text the reader walks ends: the position moves forward with every
// number, whatever characters follow one another.
TEST(ClipScanTest, WalkEndsOnEveryShortText) {
  const char16_t alphabet[] = {u'1', u'-', u'+', u'.', u',', u'E', u'e', u' ', u'\n', u'\r', u'x'};
  const int n = static_cast<int>(sizeof alphabet / sizeof alphabet[0]);
  int texts = 0;
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b)
      for (int c = 0; c < n; ++c)
        for (int d = 0; d < n; ++d) {
          const String text{alphabet[a], alphabet[b], alphabet[c], alphabet[d]};
          const std::vector<Found> found = Walk(text);
          EXPECT_LE(found.size(), 4u);
          for (const Found& f : found) EXPECT_LE(std::fabs(std::get<2>(f)), DBL_MAX);
          ++texts;
        }
  EXPECT_EQ(texts, n * n * n * n);
}

}  // namespace
}  // namespace ntabedtest
