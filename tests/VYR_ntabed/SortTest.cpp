// The editor's six sorts: by values of a column or a row (the table's),
// by attributes and by names (the editor's own), each moving what belongs
// to a row or column with it; decimals follow their columns whenever the
// column heads move.
#include <gtest/gtest.h>

#include "NTabEdSupport.h"

namespace ntabedtest {
namespace {

class SortTest : public NTabEdTest {
 protected:
  // Columns named by Names, each with decimals 1, 2, 3, ... and cell values
  // 10 * column + row, attributes from Attribs.
  void Columns(std::vector<String> Names, std::vector<int> Attribs) {
    Ed->Redimension(static_cast<int>(Names.size()), 3);
    for (int c = 1; c <= Ed->NrOfColumns(); ++c) {
      Ed->SetColName(c, Names[static_cast<std::size_t>(c - 1)]);
      Ed->SetColAttrib(c, static_cast<std::uint8_t>(Attribs[static_cast<std::size_t>(c - 1)]));
      Ed->SetPrecision(c, c);
      for (int r = 1; r <= 3; ++r) Ed->SetElem(c, r, 10 * c + r);
    }
  }
  std::vector<String> ColNames() const {
    std::vector<String> out;
    for (int c = 1; c <= Ed->NrOfColumns(); ++c) out.push_back(Ed->ColName(c));
    return out;
  }
  std::vector<int> Decimals() const {
    std::vector<int> out;
    for (int c = 1; c <= Ed->NrOfColumns(); ++c) out.push_back(Ed->Precision(c));
    return out;
  }
  std::vector<double> Row(int R) const {
    std::vector<double> out;
    for (int c = 1; c <= Ed->NrOfColumns(); ++c) out.push_back(Ed->Elem(c, R));
    return out;
  }
};

TEST_F(SortTest, RowsByTheValuesOfAColumn) {
  Ed->Redimension(2, 4);
  const double keys[] = {3, 1, 9, 2};
  for (int r = 1; r <= 4; ++r) {
    Ed->SetElem(1, r, keys[r - 1]);
    Ed->SetElem(2, r, r);
    Ed->SetRowName(r, u"r" + IntToStr(r));
  }
  Ed->SetCellState(1, 2, vyr::csEmpty);  // no number: last
  Ed->SortRows(1, true, 1, 1, 2, 4, true);
  EXPECT_EQ(Ed->Elem(2, 1), 4.0);
  EXPECT_EQ(Ed->Elem(2, 2), 1.0);
  EXPECT_EQ(Ed->Elem(2, 3), 3.0);
  EXPECT_EQ(Ed->Elem(2, 4), 2.0);
  EXPECT_EQ(Ed->RowName(1), u"r4");
  EXPECT_EQ(Ed->RowName(4), u"r2");
  EXPECT_TRUE(Ed->IsEmpty(1, 4));
}

TEST_F(SortTest, ColumnsByValuesTakeTheirDecimalsWithTheHeads) {
  Columns({u"a", u"b", u"c"}, {0, 0, 0});
  Ed->SetElem(1, 2, 30);
  Ed->SetElem(2, 2, 10);
  Ed->SetElem(3, 2, 20);
  Ed->SortCols(2, true, 1, 1, 3, 3, true);
  EXPECT_EQ(ColNames(), (std::vector<String>{u"b", u"c", u"a"}));
  EXPECT_EQ(Decimals(), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(Row(1), (std::vector<double>{21, 31, 11}));

  Columns({u"a", u"b", u"c"}, {0, 0, 0});
  Ed->SetElem(1, 2, 30);
  Ed->SetElem(2, 2, 10);
  Ed->SetElem(3, 2, 20);
  Ed->SortCols(2, false, 1, 1, 3, 3, false);  // cells only
  EXPECT_EQ(ColNames(), (std::vector<String>{u"a", u"b", u"c"}));
  EXPECT_EQ(Decimals(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Row(1), (std::vector<double>{11, 31, 21}));
  // A direct exchange report outside such a sort leaves the decimals.
  Ed->ExchangeDuringSort(nullptr, 1, 1, 2, 0, 0);
  EXPECT_EQ(Decimals(), (std::vector<int>{1, 2, 3}));
}

TEST_F(SortTest, ColumnsByAttributesAreStable) {
  Columns({u"a", u"b", u"c", u"d"}, {5, 2, 5, 1});
  Ed->Data->SetMScaleType(1, vyr::mstNominal);
  Ed->Data->SetNominalID(1, 4, u"four");
  int setups = 0;
  Ed->SetOnChangeSetup(Counter(setups));
  Ed->SortColAttributes(true, 1, 2, 4, 3);
  EXPECT_EQ(ColNames(), (std::vector<String>{u"d", u"b", u"a", u"c"}));
  EXPECT_EQ(Decimals(), (std::vector<int>{4, 2, 1, 3}));
  EXPECT_EQ(Ed->ColAttrib(1), 1);
  EXPECT_EQ(Ed->Data->GetMScaleType(3), vyr::mstNominal);
  EXPECT_EQ(Ed->Data->GetNominalID(3, 4), u"four");
  EXPECT_EQ(Ed->Data->GetNominalID(1, 4), u"");
  EXPECT_EQ(Row(1), (std::vector<double>{11, 21, 31, 41}));  // row 1 outside the block
  EXPECT_EQ(Row(2), (std::vector<double>{42, 22, 12, 32}));
  EXPECT_EQ(setups, 1);
  Ed->SortColAttributes(false, 1, 1, 4, 3);
  EXPECT_EQ(ColNames(), (std::vector<String>{u"a", u"c", u"b", u"d"}));
}

TEST_F(SortTest, ColumnsByNamesWithAndWithoutCase) {
  Columns({u"beta", u"Alpha", u"alpha", u"Beta"}, {0, 0, 0, 0});
  Ed->SortColNames(true, 1, 1, 4, 3);
  EXPECT_EQ(ColNames(), (std::vector<String>{u"Alpha", u"Beta", u"alpha", u"beta"}));
  Columns({u"beta", u"Alpha", u"alpha", u"Beta"}, {0, 0, 0, 0});
  Ed->SortColNames(true, true, 1, 1, 4, 3);
  EXPECT_EQ(ColNames(), (std::vector<String>{u"Alpha", u"alpha", u"beta", u"Beta"}));
  EXPECT_EQ(Decimals(), (std::vector<int>{2, 3, 1, 4}));
  Ed->SortColNames(false, true, 2, 1, 3, 3);  // only columns 2..3
  EXPECT_EQ(ColNames(), (std::vector<String>{u"Alpha", u"beta", u"alpha", u"Beta"}));
}

TEST_F(SortTest, RowsByNamesAndAttributes) {
  Ed->Redimension(2, 4);
  const char16_t* names[] = {u"delta", u"Bravo", u"alpha", u"charlie"};
  const int attribs[] = {3, 1, 3, 0};
  for (int r = 1; r <= 4; ++r) {
    Ed->SetRowName(r, names[r - 1]);
    Ed->SetRowAttrib(r, static_cast<std::uint8_t>(attribs[r - 1]));
    Ed->SetElem(1, r, r);
    Ed->SetElem(2, r, 10 * r);
  }
  Ed->SortRowNames(true, true, 2, 1, 2, 4);  // only column 2's cells move
  EXPECT_EQ(Ed->RowName(1), u"alpha");
  EXPECT_EQ(Ed->RowName(2), u"Bravo");
  EXPECT_EQ(Ed->Elem(2, 1), 30.0);
  EXPECT_EQ(Ed->Elem(1, 1), 1.0);
  EXPECT_EQ(Ed->RowAttrib(1), 3);
  Ed->SortRowAttributes(false, 1, 1, 2, 4);
  EXPECT_EQ(Ed->RowName(1), u"alpha");  // 3 before 3 keeps the order
  EXPECT_EQ(Ed->RowName(2), u"delta");
  EXPECT_EQ(Ed->RowName(4), u"charlie");
  EXPECT_EQ(Ed->RowAttrib(4), 0);
}

TEST_F(SortTest, DegenerateBlocksChangeNothing) {
  Columns({u"b", u"a"}, {2, 1});
  int changes = 0;
  Ed->SetOnChange(Counter(changes));
  Ed->SortColNames(true, 2, 1, 1, 3);     // Low above High
  Ed->SortColAttributes(true, 1, 5, 2, 9);  // rows outside the table
  Ed->SortColNames(true, 2, 1, 2, 3);     // one column
  EXPECT_EQ(ColNames(), (std::vector<String>{u"b", u"a"}));
  EXPECT_EQ(changes, 0);
}

}  // namespace
}  // namespace ntabedtest
