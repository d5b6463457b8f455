// Filtering the report list view: the three match modes, the application's
// say through OnBeforeFilter, and sorting with the enabled rows first.
#include "RLViewTestUtil.h"
#include "companion/basepack/VYR_dstruct.h"

namespace rlviewtest {
namespace {

class FilterTest : public RLViewTest {
 protected:
  void SetUp() override {
    RLViewTest::SetUp();
    const char16_t* fruit[] = {u"Cherry", u"apple pie", u"Date", u"banana", u"Apricot"};
    const char16_t* city[] = {u"Lyon", u"Graz", u"Porto", u"Lyon", u"Brno"};
    View->SetNrOfColumns(2);
    View->SetNrOfRows(5);
    for (int r = 1; r <= 5; ++r) {
      View->SetElem(1, r, fruit[r - 1]);
      View->SetElem(2, r, city[r - 1]);
    }
  }
  // Column 1 of the rows as shown, and which of them are enabled.
  std::vector<String> Shown() {
    std::vector<String> rows;
    for (int r = 1; r <= View->NrOfRows(); ++r) {
      rows.push_back((View->RowEnabled(r) ? u"+" : u"-") + View->Elem(1, r));
    }
    return rows;
  }
};

TEST_F(FilterTest, SimpleMatchesAPartOfAnyFilterColumn) {
  EXPECT_EQ(View->FilterAndSort(u"ap", {1}, true, vyr::fmSimple, 1, true), 2);
  EXPECT_EQ(Shown(), (std::vector<String>{u"+apple pie", u"+Apricot", u"-banana", u"-Cherry",
                                          u"-Date"}));
  EXPECT_EQ(View->FilterAndSort(u"ap", {1}, false, vyr::fmSimple, 1, true), 1);  // case counts
  EXPECT_EQ(View->FilterAndSort(u"Lyon", {}, false, vyr::fmSimple, 1, false), 2);  // all columns
  EXPECT_EQ(Shown().front(), u"+Cherry");  // descending among the matches
  EXPECT_EQ(View->FilterAndSort(u"", {1}, false, vyr::fmSimple, 1, true), 5);
}

TEST_F(FilterTest, BooleanTermsAndGrepExpressions) {
  EXPECT_EQ(View->FilterAndSort(u"a & !pie | Porto", {}, true, vyr::fmBoolean, 1, true), 3);
  EXPECT_EQ(Shown(), (std::vector<String>{u"+Apricot", u"+banana", u"+Date", u"-apple pie",
                                          u"-Cherry"}));
  EXPECT_EQ(View->FilterAndSort(u"^[A-D]", {1}, false, vyr::fmGrep, 1, true), 3);
  EXPECT_EQ(View->FilterAndSort(u"^[a-d]", {1}, true, vyr::fmGrep, 1, true), 5);
  EXPECT_THROW(View->FilterAndSort(u"([", {1}, false, vyr::fmGrep, 1, true), vyr::EVYRRepListError);
}

TEST_F(FilterTest, TheApplicationDecidesOrCombines) {
  View->SetOnBeforeFilter([](TObject*, int Row, bool& Found, vyr::TLogicOp& Combine) {
    if (Row == 3) Found = true;  // decided alone: "Date" shows
    if (Row == 2) {
      Found = false;
      Combine = vyr::loOR;  // combined: the internal match of "apple pie" counts
    }
    if (Row == 4) {
      Found = true;
      Combine = vyr::loAND;  // "banana" does not match internally
    }
  });
  EXPECT_EQ(View->FilterAndSort(u"Graz", {2}, false, vyr::fmSimple, 2, true), 2);
  std::vector<String> enabled;
  for (int r = 1; r <= 5; ++r) {
    if (View->RowEnabled(r)) enabled.push_back(View->Elem(1, r));
  }
  EXPECT_EQ(enabled, (std::vector<String>{u"apple pie", u"Date"}));  // Graz, then Porto
}

TEST_F(FilterTest, SortEnabledStatePutsTheEnabledRowsFirst) {
  View->SetRowEnabled(2, false);
  View->SetRowEnabled(4, false);
  View->SortEnabledState(2, 1, true);
  EXPECT_EQ(Shown(), (std::vector<String>{u"+Apricot", u"+Cherry", u"+Date", u"-apple pie",
                                          u"-banana"}));
  EXPECT_EQ(View->LastSortColumn(), 2);
}

}  // namespace
}  // namespace rlviewtest
