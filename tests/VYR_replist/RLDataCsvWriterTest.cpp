// The CSV writer's fast paths against a plain reference of the rule: every
// field length around the eight- and four-unit blocks with a special unit at
// every position, and random tables through ExportCSV, byte for byte.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "RLDataTestUtil.h"
#include "VYR_replist/internal/VYR_rlcsv.h"
#include "platform/Types.h"

using namespace vyr;
using namespace rltest;

namespace {

// The rule written plainly: the framework's one-unit-at-a-time UTF-8
// conversion, quoting decided first.
std::string Utf8Of(std::u16string_view S) { return vcl::ToUTF8(S); }

std::string ReferenceField(std::u16string_view S, char16_t Delim) {
  bool quote = !S.empty() && S[0] == 0xFEFF;
  for (char16_t c : S) quote = quote || c == Delim || c == u'"' || c == u'\r' || c == u'\n';
  if (!quote) return Utf8Of(S);
  std::string out = "\"";
  for (char16_t c : S) out += c == u'"' ? std::string("\"\"") : Utf8Of(std::u16string_view(&c, 1));
  return out + "\"";
}

std::string Written(const rlio::TCsvWriter& W, std::u16string_view S) {
  std::string buf(rlio::TCsvWriter::Bound(S.size(), 1), '\0');
  return std::string(buf.data(), W.Field(buf.data(), S));
}

TEST(RLDataCsvWriter, EveryLengthWithASpecialUnitAtEveryPlace) {
  const char16_t specials[] = {u',', u'"', u'\r', u'\n', 0x00E9, 0x20AC, 0xD83D, 0xDE00, u';'};
  const rlio::TCsvWriter w(u',');
  for (std::size_t n = 0; n <= 20; ++n) {
    std::u16string plain(n, u'a');
    for (std::size_t i = 0; i < n; ++i) plain[i] = static_cast<char16_t>(u'a' + i);
    EXPECT_EQ(Written(w, plain), ReferenceField(plain, u',')) << n;
    for (std::size_t at = 0; at < n; ++at) {
      for (char16_t sp : specials) {
        std::u16string s = plain;
        s[at] = sp;
        EXPECT_EQ(Written(w, s), ReferenceField(s, u',')) << "length " << n << " at " << at << " unit " << int(sp);
      }
    }
  }
  EXPECT_EQ(Written(w, u"\uFEFFabcdefghij"), "\"\xEF\xBB\xBF" "abcdefghij\"");
  EXPECT_EQ(Written(w, u"ab\uFEFF"), "ab\xEF\xBB\xBF");  // only at the start
}

TEST(RLDataCsvWriter, RandomTablesMatchTheRuleByteForByte) {
  std::mt19937 rng(20240611);
  const char16_t alphabet[] = {u'a', u'Z', u'0', u' ', u',', u';', u'|', u'\t', u'"', u'\r', u'\n',
                               0x00FC, 0x65E5, 0xFEFF, 0xD83D, 0xDE00, u'x', u'y'};
  const auto path = TempDir("csvwriter") / "t.csv";
  for (int round = 0; round < 12; ++round) {
    const int cols = 1 + static_cast<int>(rng() % 5), rows = 1 + static_cast<int>(rng() % 12);
    std::vector<std::vector<String>> cells(static_cast<std::size_t>(rows));
    for (auto& row : cells) {
      for (int c = 0; c < cols; ++c) {
        String s(rng() % 3 == 0 ? rng() % 4 : rng() % 30, u'a');
        for (auto& ch : s) ch = rng() % 4 == 0 ? alphabet[rng() % std::size(alphabet)] : u'a' + rng() % 26;
        row.push_back(s);
      }
    }
    auto d = StoreOf(cells);
    for (TCSVDelimiters delim : {csvComma, csvSemicolon, csvTab, csvSpace, csvPipe}) {
      const char16_t dc = CSVDelimiterChar(delim);
      ASSERT_EQ(d->ExportCSV(PathText(path), delim, false, false, 1, 1, cols, rows), rows);
      std::string want;
      for (const auto& row : cells) {
        if (cols == 1 && row[0].empty()) want += "\"\"";
        for (int c = 0; c < cols; ++c) {
          if (c > 0) want += static_cast<char>(dc);
          want += ReferenceField(row[static_cast<std::size_t>(c)], dc);
        }
        want += "\r\n";
      }
      EXPECT_EQ(ReadBytes(path), want) << "round " << round << " delimiter " << int(dc);
    }
  }
}

}  // namespace
