// The table editor's texts of numbers: the cell number text with its fixed
// and exponent forms, the clipboard text of a cell, the number scanner of
// the clipboard reader and the walk that finds the numbers of a clipboard
// text line by line. Pure functions without state, shared by painting, the
// in-place editor, the clipboard commands, tests and the fuzz target.
//
// Number forms (w: width, d: decimals, x: value):
//   fixed           x rounded to d decimals, no point when d = 0, "-" for
//                   negative values (never for a value that rounds to zero),
//                   blanks in front up to w characters: "12.500", "  -3"
//   long exponent   at width W: " " or "-", one digit, ".", max(1, W - 9)
//                   digits, "E", the exponent's sign and four exponent
//                   digits: " 1.2345678901234E+0005"
//   short exponent  the long form at width w + 8 with the first two
//                   exponent digits removed when they are "00" (" 1.2E+05");
//                   otherwise every character becomes "*" ("********")
//   cell text       fixed for d in 0..8 when |x| <= T(d) and (|x| >= 10^-d
//                   or x = 0), with T(d) = 999999999, 9999999.9, 999999.99,
//                   99999.999, 9999.9999, 999.99999, 99.999999, 9.9999999,
//                   0.99999999 for d = 0..8 (nine digits without decimals,
//                   eight with them); the short exponent form otherwise
//                   (always for d = -1, 9 and 10)
// Values that are not finite show as "NAN", "INF" or "-INF" in every form,
// with blanks in front up to the form's width.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace vyr::ntabed {

// ---------------------------------------------------------------- number texts

// Longest text any of the forms below makes for widths up to 40 (a fixed
// text of the largest double with 10 decimals).
inline constexpr int MaxNumberText = 400;

// Each writes its text into Out (at least MaxNumberText chars) and returns
// the number of chars written.
int WriteFixed(char* Out, double X, int Decimals, int Width);
int WriteLongExp(char* Out, double X, int Width);
int WriteShortExp(char* Out, double X, int Width);
// The cell text for NumWidth Width and column decimals Decimals (-1..10).
int WriteCellNum(char* Out, double X, int Width, int Decimals);
// Whether the cell text of X with Decimals uses the fixed form.
bool UsesFixedForm(double X, int Decimals);

vcl::String FixedText(double X, int Decimals, int Width);
vcl::String LongExpText(double X, int Width);
vcl::String ShortExpText(double X, int Width);
vcl::String FormatCellNum(double X, int Width, int Decimals);

// ---------------------------------------------------------------- clipboard texts

// The text of one cell in a copied block, without its separator: "####"
// when the cell holds no number; else the long exponent form at width 22
// (FullPrecision) or the fixed form at width 1 with the column's decimals
// (the long exponent form at width 1 for decimals -1).
int WriteClipCell(char* Out, double X, bool IsNumber, bool FullPrecision, int Decimals);
// Appends the same text to Out.
void AppendClipCell(std::u16string& Out, double X, bool IsNumber, bool FullPrecision,
                    int Decimals);

// Reads one number from Text at the 1-based position Pos and leaves Pos on
// the character that ended it (Text length + 1 at the end). The state
// machine, each character taken in upper case (reading beyond the text
// gives a character of class "other"):
//
//   state      blank  sign     digit      E          separator  other
//   Start      Start  Sign     Int        Error      Point      Error
//   Sign       Error  Error    Int        Error      Point      Error
//   Int        End    End      Int        Exp        Point      End
//   Point      End    End      Frac       Exp        Error      End
//   Frac       End    End      Frac       Exp        Error      End
//   Exp        Error  ExpSign  ExpDigits  Error      Error      End
//   ExpSign    Error  Error    ExpDigits  Error      Error      End
//   ExpDigits  End    End      ExpDigits  End        End        End
//
// (E leads to End instead of Exp without ExpAllowed.) SepMode 1 takes "."
// as the separator, 2 ",", 3 both; a point or comma it does not take is
// "other". The characters read on the way make the number text (a
// separator as "."), except exponent digits once the exponent read so far
// exceeds 4200. On End the text (with "0" after a trailing ".") is
// converted; a text that is no complete number, and Error, give 0. The
// result is limited to +-uc_MaxDouble (a value too small for a double is 0).
double ScanClipNumber(std::u16string_view Text, int& Pos, bool ExpAllowed, int SepMode);

// "+", "-", "." or a digit.
constexpr bool IsNumberStart(char16_t C) {
  return C == u'+' || C == u'-' || C == u'.' || (C >= u'0' && C <= u'9');
}

// The walk over a clipboard text that finds its numbers. The text is taken
// as prepared by the caller (the extract turns tabs, carriage returns and
// commas into blanks; the size query only tabs and carriage returns) with
// one blank appended. From the first number start on, each number is read
// with ScanClipNumber (separators "." and ",", exponents allowed) and
// handed to Visit(i, k, value): i counts the numbers read before on line k,
// k the line feeds passed since the first number. After each number the walk
// moves on at least one character, counting every line feed it passes
// (the one that ends a number included, so text with bare line feeds splits
// into lines too), up to the next number start or the end of the text.
class TClipWalker {
 public:
  explicit TClipWalker(std::u16string_view Text) : FText(Text) {}
  template <class Visit>
  void Run(Visit&& OnNumber);

 private:
  std::u16string_view FText;
};

// Tabs and carriage returns (and commas with CommasToo) become blanks, and
// one blank is appended.
std::u16string PrepareClipText(std::u16string_view Text, bool CommasToo);

// The size of the number matrix in a clipboard text (as the size query
// prepares it): the most numbers on one line, and the lines up to the last
// one holding a number. False (and 1 x 1) when the text holds no number.
bool ClipMatrixSize(std::u16string_view RawText, int& NCols, int& NRows);

// ---------------------------------------------------------------- implementation

template <class Visit>
void TClipWalker::Run(Visit&& OnNumber) {
  // Positions are ints: a text beyond a billion characters is read only
  // that far.
  const std::size_t n = std::min<std::size_t>(FText.size(), std::size_t{1} << 30);
  std::size_t p = 0;
  while (p < n && !IsNumberStart(FText[p])) ++p;
  int i = 0, k = 0;
  while (p < n) {
    int pos = static_cast<int>(p) + 1;
    const double value = ScanClipNumber(FText, pos, true, 3);
    OnNumber(i, k, value);
    ++i;
    p = static_cast<std::size_t>(pos - 1);
    // The character that ended the number is passed over (it may be a
    // number start, as the "-" in "1-2"), but a line feed still counts.
    if (p < n && FText[p] == u'\n') {
      ++k;
      i = 0;
    }
    ++p;
    while (p < n && !IsNumberStart(FText[p])) {
      if (FText[p] == u'\n') {
        ++k;
        i = 0;
      }
      ++p;
    }
  }
}

}  // namespace vyr::ntabed
