// Table editor speed, with the goals it is held to:
//   full paint of a 1,000 x 100,000 table          within 10% of a 10 x 10 one
//                                                  at most 0.5 x Qt's QTableView
//   number-text paint of 1,000 visible cells       (reported, beside Qt)
//   copy of a 1,000 x 1,000 block to clipboard     at least 100 MB/s of text
//   text, and Extract from Clipboard of it back    (std::to_chars / from_chars
//                                                  over the same numbers: the floor)
// Both views are sized so that the small table fills them too, so the same
// cells show in every paint; text sizes count one byte per character.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "BenchTimes.h"
#include "VYR_ntabed/VYR_ntabed.h"
#include "VYR_ntabed/VYR_ntabedtext.h"
#include "platform/Clipbrd.h"
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

constexpr int kColWidth = 64, kRowHeight = 24;

// The value of a cell, the same for every table and view.
double CellValue(int Col, int Row) { return ((Row * 113 + Col * 7) % 100000) / 7.0 - 5000.0; }

struct TView {
  int Cols, Rows, W, H;
};
// The paint views: 700 x 260 shows 9 columns and 9 rows, fewer than the
// small table has. The text view shows 20 x 50 = 1,000 cells.
constexpr TView kSmall{10, 10, 700, 260};
constexpr TView kLarge{1000, 100000, 700, 260};
constexpr TView kText{20, 50, 80 + 33 + 20 * (kColWidth + 1), 51 * (kRowHeight + 1)};

// ---------------------------------------------------------------- ours

struct Ours {
  std::unique_ptr<vcl::TForm> Form;
  vyr::TNTabEd* Ed = nullptr;
  std::unique_ptr<vcl::TBitmap> Target;
};

Ours& OursFor(const TView& V) {
  static std::map<int, std::unique_ptr<Ours>> made;
  auto& slot = made[V.Cols * 7 + V.Rows];
  if (slot) return *slot;
  slot = std::make_unique<Ours>();
  slot->Form = std::make_unique<vcl::TForm>(nullptr);
  slot->Form->SetClientWidth(V.W);
  slot->Form->SetClientHeight(V.H);
  auto* e = new vyr::TNTabEd(slot->Form.get());
  e->SetParent(slot->Form.get());
  e->SetBounds(0, 0, V.W, V.H);
  e->SetSuppressPaint(true);
  e->Redimension(V.Cols, V.Rows);
  vyr::TMatrix& m = e->Data->Matrix();
  for (int r = 1; r <= V.Rows; ++r)
    for (int c = 1; c <= V.Cols; ++c) m.At(c, r) = CellValue(c, r);
  for (int c = 1; c <= V.Cols; ++c) e->SetColName(c, u"Col " + vcl::IntToStr(c));
  for (int r = 1; r <= std::min(V.Rows, 1000); ++r) e->SetRowName(r, u"Row " + vcl::IntToStr(r));
  e->SetSuppressPaint(false);
  vcl::headless::Snapshot(e);  // creates the window
  slot->Ed = e;
  slot->Target = std::make_unique<vcl::TBitmap>(V.W, V.H);
  return *slot;
}

// Large tables show their middle; small ones their start, which fills the
// view as well.
int FirstShown(int Count) { return Count > 100 ? Count / 2 : 1; }

void OursFullPaint(benchmark::State& St, const TView* V) {
  Ours& o = OursFor(*V);
  o.Ed->SetTopRow(FirstShown(V->Rows));
  o.Ed->SetLeftCol(FirstShown(V->Cols));
  for (auto _ : St) o.Ed->PaintTo(o.Target->Canvas(), 0, 0);
  benchmark::ClobberMemory();
}

// ---------------------------------------------------------------- Qt

#ifdef VYR_HAVE_QT
class NumberModel : public QAbstractTableModel {
 public:
  NumberModel(int Cols, int Rows) : FCols(Cols), FRows(Rows) {}
  int rowCount(const QModelIndex& = QModelIndex()) const override { return FRows; }
  int columnCount(const QModelIndex& = QModelIndex()) const override { return FCols; }
  QVariant data(const QModelIndex& Index, int Role) const override {
    if (Role != Qt::DisplayRole) return QVariant();
    return QString::number(CellValue(Index.column() + 1, Index.row() + 1), 'f', 3);
  }
  QVariant headerData(int Section, Qt::Orientation O, int Role) const override {
    if (Role != Qt::DisplayRole) return QVariant();
    return QString(O == Qt::Horizontal ? "Col %1" : "Row %1").arg(Section + 1);
  }

 private:
  int FCols, FRows;
};

struct Peer {
  std::unique_ptr<NumberModel> Model;
  std::unique_ptr<QTableView> View;
  std::unique_ptr<QImage> Target;
};

std::map<int, std::unique_ptr<Peer>>& Peers() {
  static std::map<int, std::unique_ptr<Peer>> made;
  return made;
}

Peer& PeerFor(const TView& V) {
  auto& slot = Peers()[V.Cols * 7 + V.Rows];
  if (slot) return *slot;
  slot = std::make_unique<Peer>();
  slot->Model = std::make_unique<NumberModel>(V.Cols, V.Rows);
  slot->View = std::make_unique<QTableView>();
  QTableView& v = *slot->View;
  v.setModel(slot->Model.get());
  v.resize(V.W, V.H);
  v.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  v.verticalHeader()->setDefaultSectionSize(kRowHeight + 1);
  v.horizontalHeader()->setDefaultSectionSize(kColWidth + 1);
  v.show();
  slot->Target = std::make_unique<QImage>(V.W, V.H, QImage::Format_RGB32);
  return *slot;
}

void QtFullPaint(benchmark::State& St, const TView* V) {
  Peer& p = PeerFor(*V);
  p.View->scrollTo(p.Model->index(FirstShown(V->Rows) - 1, FirstShown(V->Cols) - 1),
                   QAbstractItemView::PositionAtTop);
  for (auto _ : St) p.View->render(p.Target.get());
  benchmark::ClobberMemory();
}
#endif

// ---------------------------------------------------------------- clipboard

constexpr int kBlock = 1000;

// Text sizes of the last runs (one byte per character), for the goal table.
std::map<std::string, double>& TextBytes() {
  static std::map<std::string, double> bytes;
  return bytes;
}

Ours& ClipEditor() {
  static Ours o;
  if (o.Ed != nullptr) return o;
  o.Form = std::make_unique<vcl::TForm>(nullptr);
  o.Ed = new vyr::TNTabEd(o.Form.get());
  o.Ed->SetParent(o.Form.get());
  o.Ed->Redimension(kBlock, kBlock);
  vyr::TMatrix& m = o.Ed->Data->Matrix();
  for (int r = 1; r <= kBlock; ++r)
    for (int c = 1; c <= kBlock; ++c) m.At(c, r) = CellValue(c, r) * std::pow(10.0, (c % 9) - 4);
  o.Ed->SetSelection({2, 1, kBlock + 1, kBlock});
  return o;
}

void CopyBlock(benchmark::State& St) {
  Ours& o = ClipEditor();
  std::size_t bytes = 0;
  for (auto _ : St) {
    o.Ed->PopupMenuClickCopy(nullptr);
    bytes = vcl::Clipboard().AsText().size();
  }
  St.SetBytesProcessed(static_cast<std::int64_t>(bytes) * St.iterations());
  TextBytes()["copy_1000x1000/ours"] = static_cast<double>(bytes);
}

void ExtractBlock(benchmark::State& St) {
  Ours& o = ClipEditor();
  o.Ed->PopupMenuClickCopy(nullptr);
  const std::size_t bytes = vcl::Clipboard().AsText().size();
  for (auto _ : St) {
    o.Ed->SetSelection({2, 1, 2, 1});
    o.Ed->PopupMenuClickExtClip(nullptr);
  }
  St.SetBytesProcessed(static_cast<std::int64_t>(bytes) * St.iterations());
  TextBytes()["extract_1000x1000/ours"] = static_cast<double>(bytes);
}

// The floor: the same numbers through std::to_chars with 14 significant
// digits into one text, and std::from_chars over that text.
std::vector<double> BlockValues() {
  std::vector<double> v;
  v.reserve(static_cast<std::size_t>(kBlock) * kBlock);
  for (int r = 1; r <= kBlock; ++r)
    for (int c = 1; c <= kBlock; ++c) v.push_back(CellValue(c, r) * std::pow(10.0, (c % 9) - 4));
  return v;
}

std::string StdText(const std::vector<double>& Values) {
  std::string text(Values.size() * 24, '\0');
  char* p = text.data();
  for (double x : Values) {
    *p++ = ' ';
    p = std::to_chars(p, p + 24, x, std::chars_format::scientific, 13).ptr;
  }
  text.resize(static_cast<std::size_t>(p - text.data()));
  return text;
}

void StdToChars(benchmark::State& St) {
  const std::vector<double> values = BlockValues();
  std::size_t bytes = 0;
  for (auto _ : St) {
    std::string text = StdText(values);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  St.SetBytesProcessed(static_cast<std::int64_t>(bytes) * St.iterations());
  TextBytes()["copy_1000x1000/to_chars"] = static_cast<double>(bytes);
}

void StdFromChars(benchmark::State& St) {
  const std::string text = StdText(BlockValues());
  std::vector<double> back(static_cast<std::size_t>(kBlock) * kBlock);
  for (auto _ : St) {
    const char* p = text.data();
    const char* end = p + text.size();
    for (double& x : back) {
      ++p;
      p = std::from_chars(p, end, x).ptr;
    }
    benchmark::DoNotOptimize(back.data());
  }
  St.SetBytesProcessed(static_cast<std::int64_t>(text.size()) * St.iterations());
  TextBytes()["extract_1000x1000/from_chars"] = static_cast<double>(text.size());
}

// ---------------------------------------------------------------- table

void Register() {
  using F = void (*)(benchmark::State&, const TView*);
  struct Entry {
    const char* Name;
    F Fn;
    const TView* View;
  };
  std::vector<Entry> entries = {{"full_paint_10x10/ours", OursFullPaint, &kSmall},
                                {"full_paint_1000x100000/ours", OursFullPaint, &kLarge},
                                {"text_paint_1000_cells/ours", OursFullPaint, &kText}};
#ifdef VYR_HAVE_QT
  entries.push_back({"full_paint_10x10/qt", QtFullPaint, &kSmall});
  entries.push_back({"full_paint_1000x100000/qt", QtFullPaint, &kLarge});
  entries.push_back({"text_paint_1000_cells/qt", QtFullPaint, &kText});
#endif
  for (const Entry& e : entries) {
    benchmark::RegisterBenchmark(e.Name, e.Fn, e.View)->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("copy_1000x1000/ours", CopyBlock)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("copy_1000x1000/to_chars", StdToChars)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("extract_1000x1000/ours", ExtractBlock)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("extract_1000x1000/from_chars", StdFromChars)
      ->Unit(benchmark::kMillisecond);
}

// MB/s of a clipboard run (its CPU time is in milliseconds), or -1.
double MBPerSecond(const std::map<std::string, double>& T, const std::string& Name) {
  const double ms = TimeOf(T, Name);
  auto bytes = TextBytes().find(Name);
  if (ms <= 0 || bytes == TextBytes().end()) return -1.0;
  return bytes->second / (ms / 1000.0) / 1e6;
}

void PrintGoals(const std::map<std::string, double>& T) {
  std::printf("\nCPU time per operation and rates:\n");
  const double big = TimeOf(T, "full_paint_1000x100000/ours");
  ReportFigure({"full paint 1000 x 100000", big, "us", "full paint 10 x 10",
                TimeOf(T, "full_paint_10x10/ours"), RatioAtMost(1.10)});
  for (auto [op, what] : {std::pair{"full_paint_10x10", "full paint 10 x 10"},
                         {"full_paint_1000x100000", "full paint 1000 x 100000"}}) {
    const std::string n = op;
    ReportFigure({what, TimeOf(T, n + "/ours"), "us", "Qt", TimeOf(T, n + "/qt"), RatioAtMost(0.50)});
  }
  ReportFigure({"number-text paint of 1000 cells", TimeOf(T, "text_paint_1000_cells/ours"), "us", "Qt",
                TimeOf(T, "text_paint_1000_cells/qt"), NoGoal()});
  for (auto [op, what] : {std::pair{"copy_1000x1000", "copy of 1000 x 1000 to text"},
                         {"extract_1000x1000", "extract of 1000 x 1000 from text"}}) {
    const std::string n = op;
    const bool copy = n[0] == 'c';
    ReportFigure({what, MBPerSecond(T, n + "/ours"), "MB/s",
                  copy ? "std::to_chars (the floor)" : "std::from_chars (the floor)",
                  MBPerSecond(T, n + (copy ? "/to_chars" : "/from_chars")), AtLeast(100)});
  }
}

}  // namespace

int main(int argc, char** argv) {
#ifdef VYR_HAVE_QT
  setenv("QT_QPA_PLATFORM", "offscreen", 1);  // before the application exists
  QApplication app(argc, argv);
#endif
  Register();
  const int rc = RunAndPrint(argc, argv, PrintGoals);
#ifdef VYR_HAVE_QT
  Peers().clear();
#endif
  return rc;
}
