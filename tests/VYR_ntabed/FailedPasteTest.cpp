// Paste and Extract from Clipboard with nothing to take (no data copy, no
// text, texts without a number) leave the table byte for byte as it was:
// every value (its bits), cell state, number flag, name and the size.
#include <gtest/gtest.h>

#include <cstring>

#include "NTabEdSupport.h"
#include "platform/Clipbrd.h"

namespace ntabedtest {
namespace {

// The whole table as one comparable byte string.
std::string TableBytes(TNTabEd& Ed) {
  std::string out = std::to_string(Ed.NrOfColumns()) + "x" + std::to_string(Ed.NrOfRows()) + "\n";
  for (int c = 1; c <= Ed.NrOfColumns(); ++c) out += vcl::ToUTF8(Ed.ColName(c)) + "|";
  for (int r = 1; r <= Ed.NrOfRows(); ++r) out += vcl::ToUTF8(Ed.RowName(r)) + "|";
  for (int r = 1; r <= Ed.NrOfRows(); ++r) {
    for (int c = 1; c <= Ed.NrOfColumns(); ++c) {
      const double v = Ed.Elem(c, r);
      char bits[sizeof v];
      std::memcpy(bits, &v, sizeof v);
      out.append(bits, sizeof v);
      out += static_cast<char>(Ed.CellState(c, r));
      out += Ed.IsNumber(c, r) ? 'n' : '-';
    }
  }
  return out;
}

class FailedPasteTest : public NTabEdTest {
 protected:
  void Fill() {
    Ed->Redimension(3, 3);
    for (int r = 1; r <= 3; ++r) {
      for (int c = 1; c <= 3; ++c) Ed->SetElem(c, r, c * 10.25 - r);
    }
    Ed->SetCellState(2, 2, vyr::csMarkB);
    Ed->SetColName(1, u"first");
    Ed->SetRowName(3, u"last");
  }
};

TEST_F(FailedPasteTest, NothingToTakeLeavesTheTable) {
  Fill();
  const std::string before = TableBytes(*Ed);
  int events = 0;
  Ed->SetOnChange(Counter(events));
  Ed->SetOnPaste(Counter(events));

  Select(2, 2, 2, 2);
  Ed->PopupMenuClickPaste(nullptr);  // no data copy was made
  EXPECT_EQ(TableBytes(*Ed), before) << "paste without a copy";

  // Texts in which the walk finds no number start.
  const String texts[] = {String(), u"abc", u"\t\t\r\n\r\n", u"   ,,, ;;", u"x\u00e9\u4e2d\U0001F600",
                          String(1, u'\0') + u"eE"};
  for (const String& text : texts) {
    vcl::Clipboard().SetAsText(text);
    Select(1, 1, 1, 1);
    Ed->PopupMenuClickExtClip(nullptr);
    EXPECT_EQ(TableBytes(*Ed), before) << vcl::ToUTF8(text);
  }
  vcl::Clipboard().Clear();
  Ed->PopupMenuClickExtClip(nullptr);
  EXPECT_EQ(TableBytes(*Ed), before) << "empty clipboard";
  // A text with a number does change it, so the comparison can tell.
  vcl::Clipboard().SetAsText(u"7");
  Ed->PopupMenuClickExtClip(nullptr);
  EXPECT_NE(TableBytes(*Ed), before);
  EXPECT_EQ(Ed->Elem(1, 1), 7.0);
}

}  // namespace
}  // namespace ntabedtest
