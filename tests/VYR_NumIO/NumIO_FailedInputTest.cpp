// Whole texts the field refuses, set by code or pasted: in every input
// format the field keeps its last good text and the value it gives.
#include "NumIO_Support.h"
#include "platform/Clipbrd.h"

namespace numiotest {
namespace {

using vyr::TInFormat;

struct TRefusal {
  TInFormat Format;
  double Good;           // a value the field holds first
  const char16_t* Bad[4];  // texts of that format's field that must be refused
};

const TRefusal kRefusals[] = {
    {vyr::itExp, 12.5, {u"1.5Ex", u"1e5x", u"--1", u"1.2.3"}},
    {vyr::itFloat, -3.25, {u"1e5", u"1.2.3", u"4-", u"abc"}},
    {vyr::itInt, 42, {u"4.5", u"2147483648", u"12a", u"+-1"}},
    {vyr::itHex, 255, {u"FG", u"0x1", u"12 3", u"-1"}},
    {vyr::itOct, 8, {u"8", u"129", u"7a", u"1.0"}},
    {vyr::itBin, 5, {u"102", u"1 1", u"b101", u"2"}},
    {vyr::itDynamic, 16, {u"$G", u"&9", u"%12", u"1e5x"}},
};

class NumIOFailedInputTest : public NumIOFixture {};

TEST_F(NumIOFailedInputTest, RefusedTextsKeepTheLastGoodTextAndValue) {
  Range(-1000, 1000);
  for (const TRefusal& r : kRefusals) {
    num->SetInputFormat(r.Format);
    num->SetValue(r.Good);
    const std::string good = Text();
    const double value = num->Value();
    ASSERT_EQ(value, r.Good) << good;
    for (const char16_t* bad : r.Bad) {
      SCOPED_TRACE(ToUTF8(bad) + " in format " + std::to_string(r.Format));
      num->SetText(bad);
      EXPECT_EQ(Text(), good);
      EXPECT_EQ(num->Value(), value);
      num->SelectAll();
      Clipboard().SetAsText(bad);
      num->PasteFromClipboard();
      EXPECT_EQ(Text(), good);
      EXPECT_EQ(num->Value(), value);
    }
  }
}

TEST_F(NumIOFailedInputTest, AnAcceptedTextReplacesTheOldOne) {
  // The same path takes a good text, so the refusals above are the check's.
  Range(-1000, 1000);
  num->SetInputFormat(vyr::itInt);
  num->SetValue(42);
  num->SetText(u"17");
  EXPECT_EQ(Text(), "17");
  EXPECT_EQ(num->LastGoodText(), u"17");
  EXPECT_EQ(num->Value(), 17.0);
}

}  // namespace
}  // namespace numiotest
