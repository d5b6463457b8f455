// Check columns: markers, check modes, whole-column operations, counting.
#include <gtest/gtest.h>

#include "RLDataTestUtil.h"

using namespace vyr;
using namespace rltest;
using V = std::vector<String>;

namespace {

std::vector<String> Stored(const TRLData& D, int Col) {
  std::vector<String> out;
  for (int r = 1; r <= D.NrOfRows(); ++r) out.push_back(D.Strings->GetString(Col, r));
  return out;
}

}  // namespace

TEST(RLDataMarkers, WritingIntoABoxColumnKeepsTheMarker) {
  auto d = MakeStore(1, 1);
  d->SetColCheckMode(1, cmBox);
  d->SetElem(1, 1, u"abc");
  EXPECT_EQ(d->Strings->GetString(1, 1), u" abc");
  EXPECT_FALSE(d->GetElemChecked(1, 1));
  d->SetElemChecked(1, 1, true);
  EXPECT_EQ(d->Strings->GetString(1, 1), u"Xabc");
  EXPECT_EQ(d->GetElem(1, 1), u"abc");
  d->SetElem(1, 1, u"new");
  EXPECT_EQ(d->Strings->GetString(1, 1), u"Xnew");
  // The marker counts towards the cell's limit.
  d->SetElem(1, 1, String(300, u'z'));
  EXPECT_EQ(d->Strings->GetString(1, 1).size(), 255u);
  EXPECT_TRUE(d->GetElemChecked(1, 1));
}

TEST(RLDataMarkers, CheckingAnEmptyCellStoresTheMarkerAlone) {
  auto d = MakeStore(1, 2);
  d->SetColCheckMode(1, cmBox);
  d->SetElemChecked(1, 1, true);
  d->SetElemChecked(1, 2, false);
  EXPECT_EQ(d->Strings->GetString(1, 1), u"X");
  EXPECT_EQ(d->Strings->GetString(1, 2), u" ");
  EXPECT_EQ(d->GetElem(1, 1), u"");
  EXPECT_TRUE(d->GetElemChecked(1, 1));
}

TEST(RLDataMarkers, AnyMarkerButABlankCountsAsChecked) {
  auto d = MakeStore(1, 3);
  d->SetColCheckMode(1, cmBox);
  d->Strings->SetString(1, 1, u"Yes");
  d->Strings->SetString(1, 2, u" no");
  EXPECT_TRUE(d->GetElemChecked(1, 1));
  EXPECT_FALSE(d->GetElemChecked(1, 2));
  EXPECT_FALSE(d->GetElemChecked(1, 3));  // empty
}

TEST(RLDataMarkers, PlainColumnsAndOutsideCellsHaveNoCheckState) {
  auto d = StoreOf({{u"Xa"}});
  d->SetElemChecked(1, 1, true);
  EXPECT_EQ(d->GetElem(1, 1), u"Xa");
  EXPECT_FALSE(d->GetElemChecked(1, 1));
  d->SetElemChecked(0, 1, true);
  EXPECT_FALSE(d->GetElemChecked(0, 1));
  EXPECT_FALSE(d->GetElemChecked(1, 2));
}

TEST(RLDataModes, SwitchingToAndFromBoxAddsAndRemovesMarkers) {
  auto d = StoreOf({{u"a"}, {u""}, {u"b"}});
  d->SetColCheckMode(1, cmBox);
  EXPECT_EQ(Stored(*d, 1), (V{u" a", u"", u" b"}));
  EXPECT_TRUE(d->GetCheckedCol(1));
  d->SetColCheckMode(1, cmNone);
  EXPECT_EQ(Stored(*d, 1), (V{u"a", u"", u"b"}));
  d->SetCheckedCol(1, true);
  EXPECT_EQ(d->GetColCheckMode(1), cmBox);
  d->SetCheckedCol(1, false);
  EXPECT_EQ(d->GetColCheckMode(1), cmNone);
  EXPECT_EQ(Stored(*d, 1), (V{u"a", u"", u"b"}));
}

TEST(RLDataModes, BoxToRadioUnchecksEveryCellRadioToBoxKeeps) {
  auto d = StoreOf({{u"a"}, {u""}, {u"b"}});
  d->SetColCheckMode(1, cmBox);
  d->SetElemChecked(1, 1, true);
  d->SetElemChecked(1, 3, true);
  d->SetColCheckMode(1, cmRadio);
  EXPECT_EQ(Stored(*d, 1), (V{u" a", u" ", u" b"}));
  EXPECT_FALSE(d->GetCheckedCol(1));
  d->SetElemChecked(1, 3, true);
  d->SetColCheckMode(1, cmBox);
  EXPECT_EQ(Stored(*d, 1), (V{u" a", u" ", u"Xb"}));
}

TEST(RLDataModes, ModeChangeDoesNotNotifyPerCell) {
  auto d = StoreOf({{u"a"}, {u"b"}, {u"c"}});
  int changes = 0;
  d->Strings->SetOnChange([&](vcl::TObject*) { ++changes; });
  d->SetColCheckMode(1, cmBox);
  EXPECT_EQ(changes, 0);
  d->SetElem(1, 1, u"x");  // the hook is back
  EXPECT_EQ(changes, 1);
}

TEST(RLDataModes, RadioColumnKeepsAtMostOneCheckedCell) {
  auto d = MakeStore(1, 6);
  d->SetColCheckMode(1, cmRadio);
  d->SetElemChecked(1, 3, true);
  d->SetElemChecked(1, 5, true);
  EXPECT_FALSE(d->GetElemChecked(1, 3));
  EXPECT_TRUE(d->GetElemChecked(1, 5));
  EXPECT_EQ(d->CountCheckedElemsInCol(1), 1);
  d->SetElemChecked(1, 5, false);
  EXPECT_EQ(d->CountCheckedElemsInCol(1), 0);
  EXPECT_EQ(d->FirstCheckedElemInCol(1), 0);
}

TEST(RLDataModes, RadioUncheckingReachesDisabledRows) {
  auto d = MakeStore(1, 3);
  d->SetColCheckMode(1, cmRadio);
  d->SetElemChecked(1, 1, true);
  d->Strings->SetRowAttrib(1, RLRowDisabled);
  d->SetElemChecked(1, 2, true);
  EXPECT_FALSE(d->GetElemChecked(1, 1));
}

TEST(RLDataWholeColumn, SetAllAppliesByMode) {
  auto d = StoreOf({{u"a", u"b", u"c"}, {u"", u"", u""}});
  d->SetColCheckMode(1, cmBox);
  d->SetColCheckMode(2, cmRadio);
  d->SetAllCheckmarksOfCol(1, true);
  EXPECT_EQ(Stored(*d, 1), (V{u"Xa", u"X"}));
  d->SetElemChecked(2, 1, true);  // unchecks the column first: row 2 gets a blank
  d->SetAllCheckmarksOfCol(2, true);  // radio: checking all is refused
  EXPECT_EQ(Stored(*d, 2), (V{u"Xb", u" "}));
  d->SetAllCheckmarksOfCol(3, true);  // plain column: untouched
  d->SetAllCheckmarksOfCol(3, false);
  EXPECT_EQ(Stored(*d, 3), (V{u"c", u""}));
  d->SetAllCheckmarksOfCol(2, false);
  EXPECT_EQ(Stored(*d, 2), (V{u" b", u" "}));
  d->SetAllCheckmarksOfCol(1, false);
  EXPECT_EQ(Stored(*d, 1), (V{u" a", u" "}));
}

TEST(RLDataWholeColumn, InvertFlipsEveryBoxCell) {
  auto d = MakeStore(2, 4);
  d->SetColCheckMode(1, cmBox);
  d->Strings->SetString(1, 1, u"Xa");
  d->Strings->SetString(1, 2, u" b");
  d->Strings->SetString(1, 3, u"Yc");  // checked with another marker
  d->InvertAllCheckmarksOfCol(1);
  EXPECT_EQ(Stored(*d, 1), (V{u" a", u"Xb", u" c", u"X"}));
  d->SetColCheckMode(2, cmRadio);
  d->InvertAllCheckmarksOfCol(2);  // only box columns invert
  EXPECT_EQ(d->CountCheckedElemsInCol(2), 0);
}

TEST(RLDataWholeColumn, SkippingDisabledRowsLeavesThemAlone) {
  auto d = MakeStore(1, 3);
  d->SetColCheckMode(1, cmBox);
  d->Strings->SetRowAttrib(2, RLRowDisabled | RLRowSelected);
  d->SetAllCheckmarksOfCol(1, true, true);
  EXPECT_EQ(Stored(*d, 1), (V{u"X", u"", u"X"}));
  d->InvertAllCheckmarksOfCol(1, true);
  EXPECT_EQ(Stored(*d, 1), (V{u" ", u"", u" "}));
  d->InvertAllCheckmarksOfCol(1, false);
  EXPECT_EQ(Stored(*d, 1), (V{u"X", u"X", u"X"}));
  // Counting includes disabled rows.
  EXPECT_EQ(d->CountCheckedElemsInCol(1), 3);
}

TEST(RLDataCounting, RowsAndColumns) {
  auto d = MakeStore(4, 3);
  d->SetColCheckMode(2, cmBox);
  d->SetColCheckMode(4, cmRadio);
  d->SetElem(1, 2, u"Xplain");  // a plain column never counts
  d->SetElemChecked(2, 2, true);
  d->SetElemChecked(2, 3, true);
  d->SetElemChecked(4, 2, true);
  EXPECT_EQ(d->CountCheckedElemsInCol(1), 0);
  EXPECT_EQ(d->CountCheckedElemsInCol(2), 2);
  EXPECT_EQ(d->CountCheckedElemsInRow(2), 2);
  EXPECT_EQ(d->CountCheckedElemsInRow(1), 0);
  EXPECT_EQ(d->CountCheckedElemsInRow(4), 0);
  EXPECT_EQ(d->FirstCheckedElemInCol(2), 2);
  EXPECT_EQ(d->FirstCheckedElemInRow(2), 2);
  EXPECT_EQ(d->FirstCheckedElemInRow(3), 2);
  EXPECT_EQ(d->FirstCheckedElemInRow(1), 0);
  EXPECT_EQ(d->FirstCheckedElemInRow(0), 0);
  EXPECT_EQ(d->FirstCheckedElemInRow(9), 0);
  d->SetNrRows(0);
  EXPECT_EQ(d->FirstCheckedElemInCol(2), 0);
}
