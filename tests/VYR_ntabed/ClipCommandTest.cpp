// Copy, Paste and Extract from Clipboard on an editor: the exact clipboard
// text, the data copy, where numbers of a text land, the selection after,
// the events, and texts that are no table at all.
#include <gtest/gtest.h>

#include <random>

#include "NTabEdSupport.h"
#include "companion/basepack/VYR_univconst.h"

namespace ntabedtest {
namespace {

class ClipCommandTest : public NTabEdTest {
 protected:
  void Extract(const String& Text, int C, int R) {
    Clipboard().SetAsText(Text);
    Select(C, R, C, R);
    Ed->PopupMenuClickExtClip(nullptr);
  }
  TGridRect DataSelection() const {
    TGridRect s = Ed->Selection();
    const int dc = Ed->AttribRowVisible() ? 1 : 0, dr = Ed->AttribColVisible() ? 1 : 0;
    return {s.Left - dc, s.Top - dr, s.Right - dc, s.Bottom - dr};
  }
};

TEST_F(ClipCommandTest, CopiedTextWithColumnDecimals) {
  Ed->SetElem(1, 1, 1);
  Ed->SetElem(2, 1, 2.5);
  Ed->SetElem(1, 2, -3);
  Ed->SetIsEmpty(2, 2, true);
  Ed->SetPrecision(1, 1);
  Ed->SetPrecision(2, 1);
  Ed->SetClipboardUseFullPrec(false);
  Select(1, 1, 2, 2);
  Ed->PopupMenuClickCopy(nullptr);
  EXPECT_EQ(Clipboard().AsText(), u" 1.0\t2.5\r\n -3.0\t####\r\n");
  EXPECT_TRUE(Ed->DataCopyAvailable());
}

TEST_F(ClipCommandTest, CopiedTextInFullPrecision) {
  Ed->SetElem(2, 3, 1.0 / 3.0);
  Ed->SetElem(3, 3, -2e-7);
  Ed->SetCellState(3, 4, vyr::csNoNumber);
  Select(2, 3, 3, 4);
  Ed->PopupMenuClickCopy(nullptr);
  // The row's leading blank, then the positive number's own sign blank.
  EXPECT_EQ(Clipboard().AsText(),
            u"  3.3333333333333E-0001\t-2.0000000000000E-0007\r\n"
            u"  0.0000000000000E+0000\t####\r\n");
}

TEST_F(ClipCommandTest, PasteWritesTheCopyAtTheSelection) {
  Ed->Redimension(4, 4);
  Ed->SetElem(1, 1, 11);
  Ed->SetElem(2, 1, 21);
  Ed->SetElem(1, 2, 12);
  Ed->SetCellState(2, 2, vyr::csMarkB | vyr::csEmpty);
  Select(1, 1, 2, 2);
  Ed->PopupMenuClickCopy(nullptr);
  int changes = 0, states = 0, pastes = 0;
  Ed->SetOnChange(Counter(changes));
  Ed->SetOnCellStateChanged(Counter(states));
  Ed->SetOnPaste(Counter(pastes));
  Select(3, 2, 3, 2);
  Ed->PopupMenuClickPaste(nullptr);
  EXPECT_EQ(Ed->Elem(3, 2), 11.0);
  EXPECT_EQ(Ed->Elem(4, 2), 21.0);
  EXPECT_EQ(Ed->Elem(3, 3), 12.0);
  EXPECT_EQ(Ed->CellState(4, 3), vyr::csMarkB | vyr::csEmpty);
  EXPECT_EQ(DataSelection(), (TGridRect{3, 2, 4, 3}));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(states, 1);
  EXPECT_EQ(pastes, 1);
  // At the edge: what does not fit is dropped, the selection stays inside.
  Select(4, 4, 4, 4);
  Ed->PopupMenuClickPaste(nullptr);
  EXPECT_EQ(Ed->Elem(4, 4), 11.0);
  EXPECT_EQ(DataSelection(), (TGridRect{4, 4, 4, 4}));
}

TEST_F(ClipCommandTest, ExtractPlacesNumbersLineByLine) {
  Ed->Redimension(5, 5);
  Ed->SetCellState(3, 3, vyr::csEmpty);
  int changes = 0, states = 0, pastes = 0;
  Ed->SetOnChange(Counter(changes));
  Ed->SetOnCellStateChanged(Counter(states));
  Ed->SetOnPaste(Counter(pastes));
  Extract(u"1;2\r\n3 4", 2, 2);
  EXPECT_EQ(Ed->Elem(2, 2), 1.0);
  EXPECT_EQ(Ed->Elem(3, 2), 2.0);
  EXPECT_EQ(Ed->Elem(2, 3), 3.0);
  EXPECT_EQ(Ed->Elem(3, 3), 4.0);
  EXPECT_EQ(Ed->CellState(3, 3), vyr::csEmpty);  // states are not touched
  EXPECT_EQ(DataSelection(), (TGridRect{2, 2, 3, 3}));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(pastes, 1);
  EXPECT_EQ(states, 0);
}

TEST_F(ClipCommandTest, ExtractSpecialTexts) {
  Ed->Redimension(4, 4);
  Extract(u"1,5", 1, 1);
  EXPECT_EQ(Ed->Elem(1, 1), 1.0);
  EXPECT_EQ(Ed->Elem(2, 1), 5.0);
  Extract(u"7E5000", 1, 2);
  EXPECT_EQ(Ed->Elem(1, 2), vyr::uc_MaxDouble);
  Extract(u"x - . y 8", 1, 3);
  EXPECT_EQ(Ed->Elem(1, 3), 0.0);
  EXPECT_EQ(Ed->Elem(2, 3), 0.0);
  EXPECT_EQ(Ed->Elem(3, 3), 8.0);
  // Beyond the table: dropped, the selection cut to the table.
  Extract(u"1 2 3 4 5 6\n7\n8\n9", 3, 3);
  EXPECT_EQ(Ed->Elem(3, 3), 1.0);
  EXPECT_EQ(Ed->Elem(4, 3), 2.0);
  EXPECT_EQ(Ed->Elem(3, 4), 7.0);
  EXPECT_EQ(DataSelection(), (TGridRect{3, 3, 4, 4}));
}

TEST_F(ClipCommandTest, NoTextNoChange) {
  Clipboard().Clear();
  int events = 0;
  Ed->SetOnChange(Counter(events));
  Ed->SetOnPaste(Counter(events));
  Ed->SetElem(1, 1, 5);
  events = 0;
  Ed->PopupMenuClickExtClip(nullptr);
  EXPECT_EQ(events, 0);
  EXPECT_EQ(Ed->Elem(1, 1), 5.0);
  int cols = 0, rows = 0;
  EXPECT_FALSE(Ed->GetClipMatrixSize(cols, rows));
  EXPECT_EQ(cols, 1);
  EXPECT_EQ(rows, 1);
}

TEST_F(ClipCommandTest, MatrixSizeOfTheClipboard) {
  Clipboard().SetAsText(u"1,5");
  int cols = 0, rows = 0;
  EXPECT_TRUE(Ed->GetClipMatrixSize(cols, rows));
  EXPECT_EQ(cols, 1);
  EXPECT_EQ(rows, 1);
  Clipboard().SetAsText(u"1\t2\t3\r\n4\t5\t6\r\n7\t8\t9\r\n");
  EXPECT_TRUE(Ed->GetClipMatrixSize(cols, rows));
  EXPECT_EQ(cols, 3);
  EXPECT_EQ(rows, 3);
}

// Whatever Copy writes, Extract reads back into the same numbers; with
// full precision to 14 significant digits.
TEST_F(ClipCommandTest, CopyAndExtractAgree) {
  Ed->Redimension(6, 5);
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-30, 30);
  for (int c = 1; c <= 6; ++c)
    for (int r = 1; r <= 5; ++r) Ed->SetElem(c, r, mantissa(rng) * std::pow(10.0, exponent(rng)));
  Select(1, 1, 6, 5);
  Ed->PopupMenuClickCopy(nullptr);
  auto* other = new TNTabEd(Form.get());
  other->Redimension(6, 5);
  other->SetSelection({2, 1, 2, 1});
  other->PopupMenuClickExtClip(nullptr);
  for (int c = 1; c <= 6; ++c)
    for (int r = 1; r <= 5; ++r) {
      const double v = Ed->Elem(c, r);
      EXPECT_NEAR(other->Elem(c, r), v, std::fabs(v) * 1e-13) << c << "," << r;
    }
}

// Random texts of the characters numbers are made of never crash the
// reader, never change the table's size, and never write beyond it.
TEST_F(ClipCommandTest, ArbitraryTextsAreRead) {
  Ed->Redimension(4, 3);
  std::mt19937 rng(11);
  const char16_t alphabet[] = u"0123456789+-.,eE \t\r\nx;";
  std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof alphabet / 2) - 2);
  std::uniform_int_distribution<int> length(0, 60);
  for (int i = 0; i < 300; ++i) {
    String text;
    for (int n = length(rng); n > 0; --n) text += alphabet[pick(rng)];
    Extract(text, 1 + i % 4, 1 + i % 3);
    ASSERT_EQ(Ed->NrOfColumns(), 4);
    ASSERT_EQ(Ed->NrOfRows(), 3);
    TGridRect s = DataSelection();
    ASSERT_TRUE(s.Left >= 1 && s.Right <= 4 && s.Top >= 1 && s.Bottom <= 3);
    for (int c = 1; c <= 4; ++c)
      for (int r = 1; r <= 3; ++r) ASSERT_LE(std::fabs(Ed->Elem(c, r)), vyr::uc_MaxDouble);
  }
}

}  // namespace
}  // namespace ntabedtest
