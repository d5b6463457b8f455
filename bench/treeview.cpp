// Speed of the tree view with one node of 100,000 children, with the goal
// it is held to:
//   scrolling a page (the top row a page further, the bars in step)  under 1 ms
// and, for the record: opening the node the first time (every text
// measured once), opening it again (widths known), and a scroll by a
// page followed by the paint of the view.
// The tree sits on a form of the headless host and paints into the form's
// back buffer, as it does on screen.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "BenchTimes.h"
#include "platform/ComCtrls.h"
#include "platform/Forms.h"

namespace {

using namespace vcl;

constexpr int kChildren = 100000;

struct TTreeFixture {
  std::unique_ptr<TForm> Form;
  TTreeView* Tree = nullptr;
  TTreeNode* Root = nullptr;

  TTreeFixture() : Form(std::make_unique<TForm>(nullptr)) {
    Form->SetBounds(0, 0, 400, 500);
    Form->HandleNeeded();
    Tree = new TTreeView(Form.get());
    Tree->SetParent(Form.get());
    Tree->SetBounds(0, 0, 300, 480);
    TTreeNodes* nodes = Tree->Items();
    nodes->BeginUpdate();
    Root = nodes->Add(nullptr, u"Folder");
    for (int i = 0; i < kChildren; ++i) nodes->AddChild(Root, u"Subfolder " + IntToStr(i));
    nodes->EndUpdate();
  }
};

// Opening the node the first time: rows built, every text measured.
void ExpandFirst(benchmark::State& st) {
  for (auto _ : st) {
    st.PauseTiming();
    auto f = std::make_unique<TTreeFixture>();
    st.ResumeTiming();
    f->Root->Expand(false);
    benchmark::DoNotOptimize(f->Tree->RowCount());
    st.PauseTiming();
    f.reset();
    st.ResumeTiming();
  }
}

// Opening it again: the rows walk with the widths already known.
void ExpandAgain(benchmark::State& st) {
  TTreeFixture f;
  f.Root->Expand(false);
  f.Tree->RowCount();
  for (auto _ : st) {
    st.PauseTiming();
    f.Root->Collapse(false);
    f.Tree->RowCount();
    st.ResumeTiming();
    f.Root->Expand(false);
    benchmark::DoNotOptimize(f.Tree->RowCount());
  }
}

// A page down as the bar's track does it (wrapping at the end), the bars
// brought in step.
void ScrollPage(benchmark::State& st) {
  TTreeFixture f;
  f.Root->Expand(false);
  int page = f.Tree->VisibleCount();
  int top = 0;
  for (auto _ : st) {
    top = top + page > f.Tree->RowCount() - page ? 0 : top + page;
    f.Tree->SetTopItem(f.Tree->RowNode(top));
    benchmark::DoNotOptimize(f.Tree->WindowScrollBars().Bar(sbVertical).Position());
  }
}

// The same scroll and the paint of the view.
void ScrollPageAndPaint(benchmark::State& st) {
  TTreeFixture f;
  f.Root->Expand(false);
  f.Tree->Repaint();
  int page = f.Tree->VisibleCount();
  int top = 0;
  for (auto _ : st) {
    top = top + page > f.Tree->RowCount() - page ? 0 : top + page;
    f.Tree->SetTopItem(f.Tree->RowNode(top));
    f.Tree->Repaint();
  }
}

BENCHMARK(ExpandFirst)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ExpandAgain)->Unit(benchmark::kMillisecond);
BENCHMARK(ScrollPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScrollPageAndPaint)->Unit(benchmark::kMicrosecond);

void PrintGoals(const std::map<std::string, double>& t) {
  auto at = [&](const char* name) { return TimeOf(t, name); };
  std::printf("\nCPU time per operation:\n");
  ReportFigure({"scroll a page, 100,000 rows", at("ScrollPage"), "us", "", -1, Below(1000)});
  ReportFigure({"open 100,000 children, first time", at("ExpandFirst/iterations:5"), "ms", "", -1,
                NoGoal()});
  ReportFigure({"open 100,000 children again", at("ExpandAgain"), "ms", "", -1, NoGoal()});
  ReportFigure({"scroll a page and paint", at("ScrollPageAndPaint"), "us", "", -1, NoGoal()});
}

}  // namespace

int main(int argc, char** argv) {
  return RunAndPrint(argc, argv, PrintGoals);
}
