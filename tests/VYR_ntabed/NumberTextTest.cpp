// The number texts of the table editor at the boundaries of their forms:
// where the fixed form ends (T(d) and 10^-d), how the short exponent form
// is cut from the long one, rounding that carries into the exponent, and
// the clipboard forms.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "VYR_ntabed/VYR_ntabedtext.h"

namespace ntabedtest {
namespace {

using namespace vyr::ntabed;
using vcl::String;

struct CellCase {
  double X;
  int Width;
  int Decimals;
  const char16_t* Text;
};

// Expected texts follow the rules: fixed for d in 0..8 when 10^-d <= |x|
// <= T(d) (999999999 for d = 0, then eight nines with d decimals), or x = 0;
// else the long form at width w + 8 (one
// digit after the point for w <= 2) with its exponent cut to two digits.
const CellCase kCellCases[] = {
    {12.5, 1, 3, u"12.500"},
    {123456.7, 1, 3, u" 1.2E+05"},           // above T(3) = 99999.999
    {99999.999, 1, 3, u"99999.999"},         // T(3) itself
    {100000.0, 1, 3, u" 1.0E+05"},
    {0.001, 1, 3, u"0.001"},                 // 10^-3 itself
    {0.0004, 1, 3, u" 4.0E-04"},
    {0.0, 1, 3, u"0.000"},
    {-0.0, 1, 3, u"0.000"},                  // no sign for zero
    {-0.001, 1, 3, u"-0.001"},
    {-123456.7, 1, 3, u"-1.2E+05"},
    {1e200, 1, 3, u"********"},              // three exponent digits
    {0.4, 1, 0, u" 4.0E-01"},                // below 10^0
    {0.0, 1, 0, u"0"},
    {999999999.0, 1, 0, u"999999999"},       // T(0)
    {1e9, 1, 0, u" 1.0E+09"},
    {5.0, 4, 0, u"   5"},                    // blanks in front up to w
    {-5.25, 8, 2, u"   -5.25"},
    {0.5, 1, 8, u"0.50000000"},
    {0.99999999, 1, 8, u"0.99999999"},       // T(8)
    {1.0, 1, 8, u" 1.0E+00"},
    {1e-8, 1, 8, u"0.00000001"},
    {1.5, 1, 9, u" 1.5E+00"},                // 9 and 10 always exponent
    {1.5, 1, 10, u" 1.5E+00"},
    {1.5, 1, -1, u" 1.5E+00"},
    {-2.5, 1, -1, u"-2.5E+00"},
    {9.96, 1, -1, u" 1.0E+01"},              // rounding carries into the exponent
    {9.9e99, 1, -1, u" 9.9E+99"},
    {9.99e99, 1, -1, u"********"},           // rounds to 1.0E+100
    {1e-100, 1, -1, u"********"},
    {5.0, 10, -1, u" 5.000000000E+00"},      // w + 6 characters, 9 digits after the point
    {5.0, 3, -1, u" 5.00E+00"},
};

TEST(NumberTextTest, CellTextAtTheFormBoundaries) {
  for (const CellCase& c : kCellCases) {
    EXPECT_EQ(FormatCellNum(c.X, c.Width, c.Decimals), String(c.Text))
        << "x=" << c.X << " w=" << c.Width << " d=" << c.Decimals;
  }
}

TEST(NumberTextTest, FixedFormIsUsedExactlyInsideItsRange) {
  const double limits[9] = {999999999.0, 9999999.9, 999999.99, 99999.999, 9999.9999,
                            999.99999,   99.999999, 9.9999999, 0.99999999};
  for (int d = 0; d <= 8; ++d) {
    const double top = limits[d], bottom = std::pow(10.0, -d);
    EXPECT_TRUE(UsesFixedForm(top, d)) << d;
    EXPECT_TRUE(UsesFixedForm(-top, d)) << d;
    EXPECT_FALSE(UsesFixedForm(std::nextafter(top, 1e300), d)) << d;
    EXPECT_TRUE(UsesFixedForm(bottom, d)) << d;
    EXPECT_FALSE(UsesFixedForm(std::nextafter(bottom, 0.0), d)) << d;
    EXPECT_TRUE(UsesFixedForm(0.0, d)) << d;
  }
  for (int d : {-1, 9, 10}) EXPECT_FALSE(UsesFixedForm(1.0, d)) << d;
}

struct LongCase {
  double X;
  int Width;
  const char16_t* Text;
};

const LongCase kLongCases[] = {
    {1.0, 22, u" 1.0000000000000E+0000"},
    {-3.0, 22, u"-3.0000000000000E+0000"},
    {123.456, 22, u" 1.2345600000000E+0002"},
    {1e-300, 22, u" 1.0000000000000E-0300"},
    {std::numeric_limits<double>::max(), 22, u" 1.7976931348623E+0308"},
    {2.5, 1, u" 2.5E+0000"},  // at most one digit after the point below width 11
    {2.5, 10, u" 2.5E+0000"},
    {2.5, 11, u" 2.50E+0000"},
    {0.0, 12, u" 0.000E+0000"},
};

TEST(NumberTextTest, LongExponentForm) {
  for (const LongCase& c : kLongCases) {
    EXPECT_EQ(LongExpText(c.X, c.Width), String(c.Text)) << c.X << " " << c.Width;
  }
}

TEST(NumberTextTest, ValuesThatAreNoNumbersShowAsWords) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(FixedText(nan, 2, 5), u"  NAN");
  EXPECT_EQ(FixedText(-inf, 2, 1), u"-INF");
  EXPECT_EQ(FormatCellNum(inf, 1, 3), u"    INF");
  EXPECT_EQ(LongExpText(nan, 22).size(), 22u);
}

struct ClipCase {
  double X;
  bool IsNumber;
  bool Full;
  int Decimals;
  const char* Text;
};

// A cell of a copied block: "####" for no number, 14 significant digits
// with full precision, else the column's decimals (exponent form for -1).
const ClipCase kClipCases[] = {
    {1.0, true, false, 1, "1.0"},
    {-3.0, true, false, 1, "-3.0"},
    {2.5, false, false, 1, "####"},
    {2.5, false, true, 1, "####"},
    {1.0, true, true, 1, " 1.0000000000000E+0000"},
    {-0.5, true, true, 3, "-5.0000000000000E-0001"},
    {1234.5678, true, false, 0, "1235"},
    {1234.5678, true, false, -1, " 1.2E+0003"},
    {1e12, true, false, 2, "1000000000000.00"},  // the fixed form has no upper limit here
    {0.0004, true, false, 3, "0.000"},
};

TEST(NumberTextTest, ClipboardCellTexts) {
  for (const ClipCase& c : kClipCases) {
    char buf[MaxNumberText];
    const int len = WriteClipCell(buf, c.X, c.IsNumber, c.Full, c.Decimals);
    EXPECT_EQ(std::string(buf, static_cast<std::size_t>(len)), std::string(c.Text)) << c.X;
  }
}

// Whatever the value, the long form at width 22 reads back to the same
// double within the 14 significant digits it carries.
TEST(NumberTextTest, FullPrecisionTextReadsBack) {
  const double values[] = {1.0 / 3.0, -2.0 / 7.0, 6.02214076e23, 1.602e-19, 4.9e-324, 1e308};
  for (double v : values) {
    const String text = LongExpText(v, 22) + u" ";
    int pos = 1;
    const double back = ScanClipNumber(text, pos, true, 3);
    EXPECT_NEAR(back, v, std::fabs(v) * 1e-13) << v;
    EXPECT_EQ(pos, static_cast<int>(text.size())) << v;
  }
}

}  // namespace
}  // namespace ntabedtest
