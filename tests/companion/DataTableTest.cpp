#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "companion/mathpack/VYR_datatable.h"
#include "companion/mathpack/VYR_matrix.h"

using namespace vyr;
using vcl::String;

namespace {

// Counts every notification of a table.
struct Events {
  int Data = 0, Setup = 0;
  std::vector<std::vector<int>> Resized;
  std::vector<std::vector<int>> Exchanges;
  explicit Events(TDataTable& t) {
    t.SetOnDataChanged([this, &t](vcl::TObject* s) {
      EXPECT_EQ(s, &t);
      ++Data;
    });
    t.SetOnSetupChanged([this](vcl::TObject*) { ++Setup; });
    t.SetOnResized([this](vcl::TObject*, int oc, int orr, int nc, int nr) {
      Resized.push_back({oc, orr, nc, nr});
    });
    t.SetOnExchangeDuringSort([this](vcl::TObject*, std::uint8_t kind, int a, int b, int c, int d) {
      Exchanges.push_back({kind, a, b, c, d});
    });
  }
};

// Values c*10+r everywhere, names "c<c>" and "r<r>", attributes c and 100+r.
void Number(TDataTable& t) {
  for (int c = 1; c <= t.NrOfColumns(); ++c) {
    t.SetColName(c, u"c" + vcl::FromUTF8(std::to_string(c)));
    t.SetColAttrib(c, static_cast<std::uint8_t>(c));
    for (int r = 1; r <= t.NrOfRows(); ++r) t.SetElem(c, r, c * 10 + r);
  }
  for (int r = 1; r <= t.NrOfRows(); ++r) {
    t.SetRowName(r, u"r" + vcl::FromUTF8(std::to_string(r)));
    t.SetRowAttrib(r, static_cast<std::uint8_t>(100 + r));
  }
}

std::vector<double> Column(const TDataTable& t, int c) {
  std::vector<double> v;
  for (int r = 1; r <= t.NrOfRows(); ++r) v.push_back(t.GetElem(c, r));
  return v;
}

std::vector<double> Row(const TDataTable& t, int r) {
  std::vector<double> v;
  for (int c = 1; c <= t.NrOfColumns(); ++c) v.push_back(t.GetElem(c, r));
  return v;
}

using D = std::vector<double>;

}  // namespace

// ---------------------------------------------------------------- size

TEST(DataTableSize, ResizeKeepsContentsAndReportsOldAndNewSizes) {
  TDataTable t(3, 4);
  Number(t);
  t.SetCellState(3, 4, 7);
  Events e(t);
  t.Resize(5, 2);
  ASSERT_EQ(e.Resized.size(), 1u);
  EXPECT_EQ(e.Resized[0], (std::vector<int>{3, 4, 5, 2}));
  EXPECT_EQ(e.Setup, 1);
  EXPECT_EQ(t.GetElem(3, 2), 32);
  EXPECT_EQ(t.GetElem(5, 2), 0);
  EXPECT_EQ(t.GetColName(3), u"c3");
  EXPECT_EQ(t.GetColName(5), u"");
  t.Resize(3, 4);  // regrown cells are fresh
  EXPECT_EQ(t.GetElem(3, 4), 0);
  EXPECT_EQ(t.GetCellState(3, 4), 0);
  EXPECT_EQ(t.GetRowName(4), u"");
  t.Resize(3, 4);  // unchanged: no report
  EXPECT_EQ(e.Resized.size(), 2u);
}

TEST(DataTableSize, AtLeastOneRowAndColumn) {
  TDataTable t(0, -3);
  EXPECT_EQ(t.NrOfColumns(), 1);
  EXPECT_EQ(t.NrOfRows(), 1);
  t.Resize(2, 2);
  t.RemoveRow(1);
  t.RemoveRow(1);  // the last row stays
  t.RemoveColumn(2);
  t.RemoveColumn(1);
  EXPECT_EQ(t.NrOfRows(), 1);
  EXPECT_EQ(t.NrOfColumns(), 1);
}

TEST(DataTableSize, ImpossibleSizeLeavesTheTableAlone) {
  TDataTable t(2, 2);
  t.SetElem(2, 2, 5);
  Events e(t);
  EXPECT_THROW(t.Resize(100000, 100000), EVYRError);
  EXPECT_EQ(t.NrOfColumns(), 2);
  EXPECT_EQ(t.GetElem(2, 2), 5);
  EXPECT_TRUE(e.Resized.empty());
}

// ---------------------------------------------------------------- cells

TEST(DataTableCells, PositionsOutsideAreLeftUntouched) {
  TDataTable t(2, 2);
  Events e(t);
  for (auto [c, r] : {std::pair{0, 1}, {3, 1}, {1, 0}, {1, 3}}) {
    t.SetElem(c, r, 9);
    t.SetCellState(c, r, 9);
    EXPECT_EQ(t.GetElem(c, r), 0);
    EXPECT_EQ(t.GetCellState(c, r), 0);
    EXPECT_FALSE(t.GetIsNumber(c, r));
  }
  t.SetColName(3, u"x");
  t.SetRowAttrib(0, 1);
  t.SetMScaleType(3, mstNominal);
  t.SetNominalID(3, 1, u"x");
  EXPECT_EQ(e.Data, 0);
  EXPECT_EQ(e.Setup, 0);
  for (int c = 1; c <= 2; ++c)
    for (int r = 1; r <= 2; ++r) EXPECT_EQ(t.GetElem(c, r), 0);
}

TEST(DataTableCells, StatesDecideWhatIsANumber) {
  TDataTable t(1, 1);
  EXPECT_TRUE(t.GetIsNumber(1, 1));
  t.SetCellState(1, 1, dtsMarkA | 16);
  EXPECT_TRUE(t.GetIsNumber(1, 1));
  t.SetCellState(1, 1, dtsNoNumber);
  EXPECT_FALSE(t.GetIsNumber(1, 1));
  t.SetCellState(1, 1, dtsEmpty);
  EXPECT_FALSE(t.GetIsNumber(1, 1));
  // A value write does not touch the state.
  t.SetElem(1, 1, 3.5);
  EXPECT_EQ(t.GetCellState(1, 1), dtsEmpty);
}

TEST(DataTableCells, ValueAndStateWritesNotify) {
  TDataTable t(2, 2);
  Events e(t);
  t.SetElem(1, 1, 1);
  t.SetCellState(1, 1, 2);
  EXPECT_EQ(e.Data, 2);
  // The value matrix's Fill is silent.
  t.Matrix().Fill(7.5);
  EXPECT_EQ(e.Data, 2);
  EXPECT_EQ(t.GetElem(2, 2), 7.5);
  EXPECT_EQ(t.GetCellState(1, 1), 2);
}

TEST(DataTableCells, MarkOperations) {
  TDataTable t(2, 2);
  t.SetCellState(1, 1, dtsMarkA | 4);
  t.SetCellState(2, 1, dtsMarkB | 16);
  t.SetCellState(1, 2, dtsMarkA | dtsMarkB);
  Events e(t);
  EXPECT_EQ(t.FillMarkedCells(9, dtsMarkA), 2);
  EXPECT_EQ(Row(t, 1), (D{9, 0}));
  EXPECT_EQ(Row(t, 2), (D{9, 0}));
  EXPECT_EQ(t.GetCellState(1, 1), dtsMarkA | 4);  // states stay
  EXPECT_EQ(t.FillMarkedCells(1, 8), 0);
  EXPECT_EQ(e.Data, 1);

  t.ExchangeMarkings();
  EXPECT_EQ(t.GetCellState(1, 1), dtsMarkB | 4);
  EXPECT_EQ(t.GetCellState(2, 1), dtsMarkA | 16);
  EXPECT_EQ(t.GetCellState(1, 2), dtsMarkA | dtsMarkB);
  EXPECT_EQ(t.GetCellState(2, 2), 0);

  t.InvertCellStates(dtsEmpty | dtsMarkA);
  EXPECT_EQ(t.GetCellState(1, 1), dtsMarkB | dtsMarkA | dtsEmpty | 4);
  EXPECT_EQ(t.GetCellState(2, 2), dtsMarkA | dtsEmpty);

  t.UnmarkAllCells();
  EXPECT_EQ(t.GetCellState(1, 1), dtsEmpty | 4);
  EXPECT_EQ(t.GetCellState(2, 1), dtsEmpty | 16);
  EXPECT_EQ(e.Data, 4);
}

// ---------------------------------------------------------------- heads

TEST(DataTableHeads, NamesAreCutAndAttributesKept) {
  TDataTable t(2, 2);
  t.SetColName(1, String(60, u'n'));
  t.SetRowName(2, u"row");
  t.SetColAttrib(2, 255);
  t.SetRowAttrib(1, 3);
  EXPECT_EQ(t.GetColName(1), String(50, u'n'));
  EXPECT_EQ(t.GetRowName(2), u"row");
  EXPECT_EQ(t.GetColAttrib(2), 255);
  EXPECT_EQ(t.GetRowAttrib(1), 3);
  EXPECT_EQ(t.GetColAttrib(3), 0);
  EXPECT_EQ(t.GetRowName(3), u"");
}

TEST(DataTableHeads, ScaleTypesAndTheirNames) {
  TDataTable t(2, 1);
  Events e(t);
  EXPECT_EQ(t.GetMScaleType(1), mstUndefined);
  t.SetMScaleType(2, mstNominal);
  t.SetMScaleType(2, mstNominal);  // unchanged: no notification
  EXPECT_EQ(t.GetMScaleType(2), mstNominal);
  EXPECT_EQ(e.Setup, 1);
  EXPECT_EQ(MScaleTypeNames[mstNominal], u"nominal");
  EXPECT_EQ(MScaleTypeNames.size(), static_cast<std::size_t>(mstRatio) + 1);
}

TEST(DataTableHeads, NominalIdentifiers) {
  TDataTable t(2, 1);
  t.SetNominalID(1, 3, u"red");
  t.SetNominalID(1, 150, u"last");
  t.SetNominalID(1, 151, u"beyond");
  t.SetNominalID(1, 0, u"zero");
  t.SetNominalID(1, 7, u"a very long identifier");
  EXPECT_EQ(t.GetNominalID(1, 3), u"red");
  EXPECT_EQ(t.GetNominalID(1, 151), u"");
  EXPECT_EQ(t.GetNominalID(1, 7), u"a very lon");
  EXPECT_EQ(t.GetNominalID(2, 3), u"");
  EXPECT_EQ(t.OrdinalOfNominalID(1, u"red", false), 3);
  EXPECT_EQ(t.OrdinalOfNominalID(1, u" red ", false), 3);
  EXPECT_EQ(t.OrdinalOfNominalID(1, u"RED", false), 0);
  EXPECT_EQ(t.OrdinalOfNominalID(1, u"RED", true), 3);
  EXPECT_EQ(t.OrdinalOfNominalID(1, u"last", true), 150);
  EXPECT_EQ(t.OrdinalOfNominalID(1, u"", true), 0);
  EXPECT_EQ(t.OrdinalOfNominalID(2, u"red", true), 0);
  EXPECT_EQ(t.OrdinalOfNominalID(3, u"red", true), 0);
  // The lowest ordinal wins among equal identifiers.
  t.SetNominalID(1, 2, u"Red");
  EXPECT_EQ(t.OrdinalOfNominalID(1, u"red", true), 2);
}

TEST(DataTableHeads, ClearResetsEverythingButTheSize) {
  TDataTable t(2, 3);
  Number(t);
  t.SetCellState(1, 1, 255);
  t.SetMScaleType(1, mstBinary);
  t.SetNominalID(1, 1, u"yes");
  t.SetFComment(u"remark");
  Events e(t);
  t.Clear();
  EXPECT_EQ(t.NrOfColumns(), 2);
  EXPECT_EQ(t.NrOfRows(), 3);
  EXPECT_EQ(t.GetElem(2, 3), 0);
  EXPECT_EQ(t.GetCellState(1, 1), 0);
  EXPECT_EQ(t.GetColName(1), u"");
  EXPECT_EQ(t.GetRowAttrib(2), 0);
  EXPECT_EQ(t.GetMScaleType(1), mstUndefined);
  EXPECT_EQ(t.GetNominalID(1, 1), u"");
  EXPECT_EQ(t.Comment(), u"");
  EXPECT_EQ(e.Data, 1);
  EXPECT_EQ(e.Setup, 1);
}

// ---------------------------------------------------------------- structure

TEST(DataTableStructure, InsertAndRemoveMoveEverythingThatBelongs) {
  TDataTable t(3, 3);
  Number(t);
  t.SetCellState(2, 2, 64);
  t.SetMScaleType(3, mstOrdinal);
  Events e(t);
  t.InsertRow(2);
  EXPECT_EQ(Column(t, 1), (D{11, 0, 12, 13}));
  EXPECT_EQ(t.GetRowName(3), u"r2");
  EXPECT_EQ(t.GetRowName(2), u"");
  EXPECT_EQ(t.GetCellState(2, 3), 64);
  t.InsertColumn(4);  // append
  t.InsertColumn(6);  // beyond: ignored
  t.InsertColumn(1);
  EXPECT_EQ(Row(t, 1), (D{0, 11, 21, 31, 0}));
  EXPECT_EQ(t.GetMScaleType(4), mstOrdinal);
  EXPECT_EQ(t.GetColAttrib(2), 1);
  ASSERT_EQ(e.Resized.size(), 3u);
  EXPECT_EQ(e.Resized[0], (std::vector<int>{3, 3, 3, 4}));
  EXPECT_EQ(e.Resized[2], (std::vector<int>{4, 4, 5, 4}));
  t.RemoveColumn(1);
  t.RemoveRow(2);
  EXPECT_EQ(Row(t, 2), (D{12, 22, 32, 0}));
  EXPECT_EQ(t.GetRowName(2), u"r2");
  EXPECT_EQ(t.GetColName(3), u"c3");
  EXPECT_EQ(e.Resized.back(), (std::vector<int>{4, 4, 4, 3}));
}

TEST(DataTableStructure, Mirror) {
  TDataTable t(3, 2);
  Number(t);
  t.SetNominalID(1, 1, u"one");
  t.MirrorRows();
  EXPECT_EQ(Column(t, 1), (D{12, 11}));
  EXPECT_EQ(t.GetRowName(1), u"r2");
  EXPECT_EQ(t.GetRowAttrib(1), 102);
  t.MirrorColumns();
  EXPECT_EQ(Row(t, 1), (D{32, 22, 12}));
  EXPECT_EQ(t.GetColName(1), u"c3");
  EXPECT_EQ(t.GetNominalID(3, 1), u"one");
}

TEST(DataTableStructure, RandomChangesFollowAPlainModel) {
  // Every cell carries its own identity (value and state), every row and
  // column a name; the model moves them as the operations say.
  struct Cell {
    double V;
    std::uint8_t S;
  };
  std::mt19937 rng(9);
  TDataTable t(3, 3);
  std::vector<std::vector<Cell>> m(3, std::vector<Cell>(3, Cell{0, 0}));  // [row][col]
  std::vector<String> colNames(3), rowNames(3);
  Events e(t);
  int id = 0;
  auto name = [&] { return u"n" + vcl::FromUTF8(std::to_string(++id)); };
  auto cols = [&] { return static_cast<int>(colNames.size()); };
  auto rows = [&] { return static_cast<int>(rowNames.size()); };
  for (int step = 0; step < 2000; ++step) {
    const auto resizes = e.Resized.size();
    const int oc = cols(), orr = rows();
    const int k = static_cast<int>(rng() % 8);
    const int ix = static_cast<int>(rng() % static_cast<unsigned>(std::max(oc, orr) + 3)) - 1;
    switch (k) {
      case 0: {  // a cell and the heads at ix
        const int c = 1 + static_cast<int>(rng() % static_cast<unsigned>(oc));
        const int r = 1 + static_cast<int>(rng() % static_cast<unsigned>(orr));
        const Cell v{static_cast<double>(++id), static_cast<std::uint8_t>(rng())};
        t.SetElem(c, r, v.V);
        t.SetCellState(c, r, v.S);
        m[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] = v;
        const String n = name();
        t.SetColName(c, n);
        colNames[static_cast<std::size_t>(c - 1)] = n;
        t.SetRowName(r, n);
        rowNames[static_cast<std::size_t>(r - 1)] = n;
        break;
      }
      case 1:
        t.InsertRow(ix);
        if (ix >= 1 && ix <= orr + 1) {
          m.insert(m.begin() + (ix - 1), std::vector<Cell>(static_cast<std::size_t>(oc), Cell{0, 0}));
          rowNames.insert(rowNames.begin() + (ix - 1), String());
        }
        break;
      case 2:
        t.InsertColumn(ix);
        if (ix >= 1 && ix <= oc + 1) {
          for (auto& row : m) row.insert(row.begin() + (ix - 1), Cell{0, 0});
          colNames.insert(colNames.begin() + (ix - 1), String());
        }
        break;
      case 3:
        t.RemoveRow(ix);
        if (ix >= 1 && ix <= orr && orr >= 2) {
          m.erase(m.begin() + (ix - 1));
          rowNames.erase(rowNames.begin() + (ix - 1));
        }
        break;
      case 4:
        t.RemoveColumn(ix);
        if (ix >= 1 && ix <= oc && oc >= 2) {
          for (auto& row : m) row.erase(row.begin() + (ix - 1));
          colNames.erase(colNames.begin() + (ix - 1));
        }
        break;
      case 5:
        t.MirrorRows();
        std::reverse(m.begin(), m.end());
        std::reverse(rowNames.begin(), rowNames.end());
        break;
      case 6:
        t.MirrorColumns();
        for (auto& row : m) std::reverse(row.begin(), row.end());
        std::reverse(colNames.begin(), colNames.end());
        break;
      default: {
        const int nc = std::max(1, oc + static_cast<int>(rng() % 3) - 1);
        const int nr = std::max(1, orr + static_cast<int>(rng() % 3) - 1);
        t.Resize(nc, nr);
        m.resize(static_cast<std::size_t>(nr), std::vector<Cell>(static_cast<std::size_t>(oc), Cell{0, 0}));
        for (auto& row : m) row.resize(static_cast<std::size_t>(nc), Cell{0, 0});
        colNames.resize(static_cast<std::size_t>(nc));
        rowNames.resize(static_cast<std::size_t>(nr));
        break;
      }
    }
    ASSERT_EQ(t.NrOfColumns(), cols()) << step;
    ASSERT_EQ(t.NrOfRows(), rows()) << step;
    // A size change is reported once with the old and the new size; no
    // change is reported without one.
    if (oc != cols() || orr != rows()) {
      ASSERT_EQ(e.Resized.size(), resizes + 1) << step;
      ASSERT_EQ(e.Resized.back(), (std::vector<int>{oc, orr, cols(), rows()})) << step;
    } else {
      ASSERT_EQ(e.Resized.size(), resizes) << step;
    }
    for (int r = 1; r <= rows(); ++r) {
      ASSERT_EQ(t.GetRowName(r), rowNames[static_cast<std::size_t>(r - 1)]) << step;
      for (int c = 1; c <= cols(); ++c) {
        const Cell& want = m[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
        ASSERT_EQ(t.GetElem(c, r), want.V) << step << " " << c << "," << r;
        ASSERT_EQ(t.GetCellState(c, r), want.S) << step << " " << c << "," << r;
      }
    }
    for (int c = 1; c <= cols(); ++c)
      ASSERT_EQ(t.GetColName(c), colNames[static_cast<std::size_t>(c - 1)]) << step;
  }
}

// ---------------------------------------------------------------- sorting

TEST(DataTableSort, RowsByAColumnWithNonNumbersLastAndStable) {
  TDataTable t(2, 5);
  const D key{3, 1, 2, 1, 9};
  for (int r = 1; r <= 5; ++r) {
    t.SetElem(1, r, key[static_cast<std::size_t>(r - 1)]);
    t.SetElem(2, r, r);
    t.SetRowName(r, u"r" + vcl::FromUTF8(std::to_string(r)));
  }
  t.SetCellState(1, 5, dtsEmpty);  // the 9 is no number
  t.SortRows(1, true, 1, 1, 2, 5, false);
  EXPECT_EQ(Column(t, 2), (D{2, 4, 3, 1, 5}));
  EXPECT_EQ(t.GetCellState(1, 5), dtsEmpty);  // states travel with their cells
  EXPECT_EQ(t.GetRowName(1), u"r1");          // names stay without IncludeHeaders
  t.SortRows(1, false, 1, 1, 2, 5, true);
  EXPECT_EQ(Column(t, 1), (D{3, 2, 1, 1, 9}));
  EXPECT_EQ(Column(t, 2), (D{1, 3, 2, 4, 5}));
  EXPECT_EQ(t.GetRowName(1), u"r4");  // the row that held 1 before moved up with its name
}

TEST(DataTableSort, NaNValuesGoWithTheCellsThatHoldNoNumber) {
  // Many rows, so that the sort's comparisons meet NaNs in every position.
  const int n = 300;
  TDataTable t(2, n);
  for (int r = 1; r <= n; ++r) {
    const double v = (r % 3 == 0) ? std::nan("") : static_cast<double>((r * 37) % 101);
    t.SetElem(1, r, v);
    t.SetElem(2, r, r);
  }
  for (bool ascending : {true, false}) {
    t.SortRows(1, ascending, 1, 1, 2, n, false);
    const D keys = Column(t, 1), rows = Column(t, 2);
    const int numbers = n - n / 3;
    for (int i = 0; i < n; ++i) {
      const double k = keys[static_cast<std::size_t>(i)];
      EXPECT_EQ(std::isnan(k), i >= numbers) << i;
      if (i > 0 && i < numbers) {
        const double prev = keys[static_cast<std::size_t>(i - 1)];
        EXPECT_TRUE(ascending ? prev <= k : prev >= k) << i;
      }
    }
    // The NaN rows keep their order among themselves: rows 3, 6, 9, ...
    for (int i = numbers + 1; i < n; ++i)
      EXPECT_LT(rows[static_cast<std::size_t>(i - 1)], rows[static_cast<std::size_t>(i)]) << i;
  }
}

TEST(DataTableSort, OnlyTheGivenRangeMoves) {
  TDataTable t(3, 4);
  Number(t);
  t.SortRows(1, false, 2, 2, 3, 9, false);  // rows 2..4, columns 2..3
  EXPECT_EQ(Column(t, 1), (D{11, 12, 13, 14}));
  EXPECT_EQ(Column(t, 2), (D{21, 24, 23, 22}));
  EXPECT_EQ(Column(t, 3), (D{31, 34, 33, 32}));
  t.SortRows(7, true, 1, 1, 3, 4, false);  // key column outside: nothing
  EXPECT_EQ(Column(t, 2), (D{21, 24, 23, 22}));
}

TEST(DataTableSort, ExchangesAreReportedSoThatColumnSettingsCanFollow) {
  TDataTable t(4, 2);
  const D key{40, 10, 30, 20};
  for (int c = 1; c <= 4; ++c) t.SetElem(c, 1, key[static_cast<std::size_t>(c - 1)]);
  // A caller's own per-column setting, kept in step through the reports.
  std::vector<int> setting{0, 4, 1, 3, 2};
  Events e(t);
  t.SetOnExchangeDuringSort([&](vcl::TObject*, std::uint8_t kind, int a, int b, int, int) {
    EXPECT_EQ(kind, 1);
    std::swap(setting[static_cast<std::size_t>(a)], setting[static_cast<std::size_t>(b)]);
  });
  t.SortCols(1, true, 1, 1, 4, 2, true);
  EXPECT_EQ(Row(t, 1), (D{10, 20, 30, 40}));
  EXPECT_EQ(setting, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_GE(e.Setup, 1);
}

TEST(DataTableSort, AHandlerThatResizesTheTableEndsTheSort) {
  TDataTable t(1, 4);
  for (int r = 1; r <= 4; ++r) t.SetElem(1, r, 5 - r);
  t.SetOnExchangeDuringSort([&](vcl::TObject*, std::uint8_t, int, int, int, int) { t.Resize(1, 2); });
  EXPECT_THROW(t.SortRows(1, true, 1, 1, 1, 4, false), EVYRError);
  EXPECT_EQ(t.NrOfRows(), 2);
}

TEST(DataTableSort, ProgressIsReported) {
  TDataTable t(1, 3);
  std::vector<int> seen;
  t.SetOnPercentDone([&](vcl::TObject*, int p) { seen.push_back(p); });
  t.SortRows(1, true, 1, 1, 1, 3, false);
  EXPECT_EQ(seen, (std::vector<int>{0, 100}));
}

// ---------------------------------------------------------------- copying

TEST(DataTableCopy, AssignCopiesContentsNotHandlers) {
  TDataTable src(2, 3);
  Number(src);
  src.SetNominalID(2, 5, u"five");
  src.SetFComment(u"c");
  int srcEvents = 0;
  src.SetOnDataChanged([&](vcl::TObject*) { ++srcEvents; });
  TDataTable dst(1, 1);
  Events e(dst);
  dst.Assign(&src);
  EXPECT_EQ(dst.NrOfRows(), 3);
  EXPECT_EQ(dst.GetElem(2, 3), 23);
  EXPECT_EQ(dst.GetRowName(3), u"r3");
  EXPECT_EQ(dst.GetNominalID(2, 5), u"five");
  EXPECT_EQ(dst.Comment(), u"c");
  ASSERT_EQ(e.Resized.size(), 1u);
  EXPECT_EQ(e.Resized[0], (std::vector<int>{1, 1, 2, 3}));
  dst.SetElem(1, 1, -1);
  EXPECT_EQ(srcEvents, 0);
  EXPECT_EQ(src.GetElem(1, 1), 11);
}

// ---------------------------------------------------------------- matrices

TEST(IntMatrix, HolidayListShape) {
  TIntMatrix m(3, 0);
  EXPECT_EQ(m.NrOfRows(), 0);
  EXPECT_EQ(m.GetVal(1, 1), 0);
  m.SetNRows(2);
  m.SetVal(1, 2, 25);
  m.SetVal(3, 2, -99999);
  m.SetVal(4, 2, 1);  // outside: ignored
  m.SetNRows(3);
  EXPECT_EQ(m.GetVal(1, 2), 25);
  EXPECT_EQ(m.GetVal(3, 2), -99999);
  EXPECT_EQ(m.GetVal(4, 2), 0);
  EXPECT_EQ(m.NrOfColumns(), 3);
  m.Resize(2, 2);
  EXPECT_EQ(m.GetVal(1, 2), 25);
  m.Resize(3, 0);
  EXPECT_EQ(m.NrOfRows(), 0);
  EXPECT_THROW(m.Resize(1 << 20, 1 << 20), EVYRError);
}

TEST(Matrix, InsertRemoveAndFill) {
  TMatrix m(2, 2);
  m.SetElem(1, 1, 1);
  m.SetElem(2, 1, 2);
  m.SetElem(1, 2, 3);
  m.SetElem(2, 2, 4);
  m.InsertColumn(2);
  EXPECT_EQ(m.NrOfColumns(), 3);
  EXPECT_EQ(m.Elem(2, 1), 0);
  EXPECT_EQ(m.Elem(3, 2), 4);
  m.RemoveRow(1);
  EXPECT_EQ(m.NrOfRows(), 1);
  EXPECT_EQ(m.Elem(1, 1), 3);
  m.RemoveColumn(5);
  m.InsertRow(3);
  EXPECT_EQ(m.NrOfRows(), 1);
  m.Fill(-2);
  EXPECT_EQ(m.Elem(3, 1), -2);
  EXPECT_EQ(m.Elem(0, 1), 0);
}
