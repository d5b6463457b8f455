// Report list view painting: a full paint of a 1000 x 600 view with eight
// columns over 100 and over 1,000,000 rows (the two should cost the same,
// since only visible cells are drawn), and scrolling by one page. With Qt 5
// present, a QTableView of the same size over the same texts is rendered
// into an image the same way, and the ratios ours/Qt are printed (below 1.0
// means we are faster).
#include <benchmark/benchmark.h>

#include "BenchTimes.h"
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "VYR_replist/VYR_replist.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

#ifdef VYR_HAVE_QT
#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QTableView>
#endif

namespace {

constexpr int kW = 1000, kH = 600, kCols = 8, kColWidth = 120, kRowHeight = 24;
constexpr int kSmall = 100, kLarge = 1'000'000;

// The text of a cell, the same for both views and of one length in every
// row, so that the row count alone differs between the runs.
std::string CellText(int Row, int Col) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "R%07dC%d %05d.5", Row, Col, (Row * 113 + Col * 7) % 100000);
  return buf;
}

// ---------------------------------------------------------------- ours

struct Ours {
  std::unique_ptr<vcl::TForm> Form;
  vyr::TReportListView* View = nullptr;
  vcl::TBitmap Target{kW, kH};
};

Ours& OursFor(int Rows) {
  static std::map<int, std::unique_ptr<Ours>> made;
  auto& slot = made[Rows];
  if (slot) return *slot;
  slot = std::make_unique<Ours>();
  slot->Form = std::make_unique<vcl::TForm>(nullptr);
  slot->Form->SetClientWidth(kW);
  slot->Form->SetClientHeight(kH);
  auto* v = new vyr::TReportListView(slot->Form.get());
  v->SetParent(slot->Form.get());
  v->SetBounds(0, 0, kW, kH);
  v->SetSuppressPaint(true);
  v->SetNrOfColumns(kCols);
  v->SetNrOfRows(Rows);
  for (int c = 1; c <= kCols; ++c) {
    v->SetColWidths(c, kColWidth);
    v->SetHeader(c, vcl::FromUTF8("Column " + std::to_string(c)));
    for (int r = 1; r <= Rows; ++r) v->SetElem(c, r, vcl::FromUTF8(CellText(r, c)));
  }
  v->SetRowColPattern(2);
  v->SetSuppressPaint(false);
  vcl::headless::Snapshot(v);  // creates the window, so painting is on
  slot->View = v;
  return *slot;
}

void OursFullPaint(benchmark::State& St, int Rows) {
  Ours& o = OursFor(Rows);
  o.View->SetTopRow(Rows / 2);
  for (auto _ : St) o.View->PaintTo(o.Target.Canvas(), 0, 0);
  benchmark::ClobberMemory();
}

void OursScrollPage(benchmark::State& St, int Rows) {
  Ours& o = OursFor(Rows);
  const int first = Rows / 2, page = o.View->VisibleRowCount();
  int i = 0;
  for (auto _ : St) {
    o.View->SetTopRow(first + (i++ % 2) * page);
    o.View->PaintTo(o.Target.Canvas(), 0, 0);
  }
  benchmark::ClobberMemory();
}

// ---------------------------------------------------------------- Qt

#ifdef VYR_HAVE_QT
class TextModel : public QAbstractTableModel {
 public:
  explicit TextModel(int Rows) : FRows(Rows) {}
  int rowCount(const QModelIndex& = QModelIndex()) const override { return FRows; }
  int columnCount(const QModelIndex& = QModelIndex()) const override { return kCols; }
  QVariant data(const QModelIndex& Index, int Role) const override {
    if (Role != Qt::DisplayRole) return QVariant();
    return QString::fromStdString(CellText(Index.row() + 1, Index.column() + 1));
  }
  QVariant headerData(int Section, Qt::Orientation O, int Role) const override {
    if (Role != Qt::DisplayRole || O != Qt::Horizontal) return QVariant();
    return QString("Column %1").arg(Section + 1);
  }

 private:
  int FRows;
};

struct Peer {
  std::unique_ptr<TextModel> Model;
  std::unique_ptr<QTableView> View;
  QImage Target{kW, kH, QImage::Format_RGB32};
};

// The Qt views go before the application does.
std::map<int, std::unique_ptr<Peer>>& Peers() {
  static std::map<int, std::unique_ptr<Peer>> made;
  return made;
}

Peer& PeerFor(int Rows) {
  auto& slot = Peers()[Rows];
  if (slot) return *slot;
  slot = std::make_unique<Peer>();
  slot->Model = std::make_unique<TextModel>(Rows);
  slot->View = std::make_unique<QTableView>();
  QTableView& v = *slot->View;
  v.setModel(slot->Model.get());
  v.resize(kW, kH);
  v.verticalHeader()->hide();
  v.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  v.verticalHeader()->setDefaultSectionSize(kRowHeight + 1);
  v.horizontalHeader()->setDefaultSectionSize(kColWidth + 1);
  v.setShowGrid(false);
  v.setAlternatingRowColors(true);
  v.setSelectionBehavior(QAbstractItemView::SelectRows);
  v.show();
  return *slot;
}

void QtFullPaint(benchmark::State& St, int Rows) {
  Peer& p = PeerFor(Rows);
  p.View->scrollTo(p.Model->index(Rows / 2, 0), QAbstractItemView::PositionAtTop);
  for (auto _ : St) p.View->render(&p.Target);
  benchmark::ClobberMemory();
}

void QtScrollPage(benchmark::State& St, int Rows) {
  Peer& p = PeerFor(Rows);
  const int first = Rows / 2;
  const int page = kH / (kRowHeight + 1) - 2;
  int i = 0;
  for (auto _ : St) {
    p.View->scrollTo(p.Model->index(first + (i++ % 2) * page, 0), QAbstractItemView::PositionAtTop);
    p.View->render(&p.Target);
  }
  benchmark::ClobberMemory();
}
#endif

// ---------------------------------------------------------------- table


void Register() {
  using F = void (*)(benchmark::State&, int);
  struct Entry {
    const char* Name;
    F Fn;
    int Rows;
  };
  std::vector<Entry> entries = {{"full_paint_100/ours", OursFullPaint, kSmall},
                                {"full_paint_1M/ours", OursFullPaint, kLarge},
                                {"scroll_page_1M/ours", OursScrollPage, kLarge}};
#ifdef VYR_HAVE_QT
  entries.push_back({"full_paint_100/qt", QtFullPaint, kSmall});
  entries.push_back({"full_paint_1M/qt", QtFullPaint, kLarge});
  entries.push_back({"scroll_page_1M/qt", QtScrollPage, kLarge});
#endif
  for (const Entry& e : entries) {
    benchmark::RegisterBenchmark(e.Name, e.Fn, e.Rows)->Unit(benchmark::kMicrosecond);
  }
}

void PrintTable(const std::map<std::string, double>& T) {
  std::printf("\nCPU time per operation (flat over the row count when near 1):\n");
  ReportFigure({"full paint, 1M rows", TimeOf(T, "full_paint_1M/ours"), "us", "full paint, 100 rows",
                TimeOf(T, "full_paint_100/ours"), NoGoal()});
  for (auto [op, what] : {std::pair{"full_paint_100", "full paint, 100 rows"},
                         {"full_paint_1M", "full paint, 1M rows"},
                         {"scroll_page_1M", "scroll a page, 1M rows"}}) {
    const std::string n = op;
    ReportFigure({what, TimeOf(T, n + "/ours"), "us", "Qt", TimeOf(T, n + "/qt"), NoGoal()});
  }
}

}  // namespace

int main(int argc, char** argv) {
#ifdef VYR_HAVE_QT
  setenv("QT_QPA_PLATFORM", "offscreen", 1);  // before the application exists
  QApplication app(argc, argv);
#endif
  benchmark::Initialize(&argc, argv);
  Register();
  TimesReporter collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  PrintTable(collector.CpuTimes());
  std::fflush(stdout);
  benchmark::Shutdown();
#ifdef VYR_HAVE_QT
  Peers().clear();
#endif
  return 0;
}
