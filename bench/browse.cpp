// Speed of the browsing controls, with the goals they are held to:
//   expanding a folder of 100,000 subfolders in the folder tree, then
//   painting it                          at most 2 × a plain readdir loop
//                                        over it plus the sort of its names
//   a thumbnails page of 200 slides with images from memory,
//   COLORONCOLOR                         under 5 ms
// The 100,000 folders are made once in the system's temporary folder
// (vyr_bench_browse/big) and kept for later runs. Both controls sit on a
// form of the headless host and paint into its back buffer.
#include <benchmark/benchmark.h>
#include <dirent.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "BenchTimes.h"
#include "VYR_FolderTree/VYR_FolderTree.h"
#include "VYR_Thumbnails/VYR_Thumbnails.h"
#include "platform/Forms.h"

namespace {

using namespace vcl;
namespace fs = std::filesystem;

constexpr int kFolders = 100000;

std::unique_ptr<TForm> MakeForm(int W, int H) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(0, 0, W, H);
  form->HandleNeeded();
  return form;
}

// ---------------------------------------------------------------- the big folder

// The folder of kFolders empty subfolders, made on the first run; names in
// mixed case and in no particular order, so that the sort has work to do.
const fs::path& BigFolder() {
  static const fs::path dir = [] {
    fs::path d = fs::canonical(fs::temp_directory_path()) / "vyr_bench_browse" / "big";
    fs::create_directories(d);
    std::size_t have = 0;
    for (auto it = fs::directory_iterator(d); it != fs::directory_iterator(); ++it) ++have;
    if (have != static_cast<std::size_t>(kFolders)) {
      std::printf("making %d folders in %s ...\n", kFolders, d.c_str());
      char name[32];
      for (int i = 0; i < kFolders; ++i) {
        const int k = static_cast<int>((static_cast<long long>(i) * 7919) % kFolders);
        std::snprintf(name, sizeof name, "%s%06d", k % 3 ? "folder" : "Folder", k);
        fs::create_directory(d / name);
      }
    }
    return d;
  }();
  return dir;
}

// The plain way: readdir, keep the folders that are not dot-named, sort
// them by their lower-cased names.
void ReaddirAndSort(benchmark::State& st) {
  const std::string dir = BigFolder().string();
  for (auto _ : st) {
    std::vector<std::pair<std::string, std::string>> names;  // key, name
    DIR* d = ::opendir(dir.c_str());
    while (dirent* e = ::readdir(d)) {
      if (e->d_name[0] == '.' || e->d_type != DT_DIR) continue;
      std::string key = e->d_name;
      for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      names.emplace_back(std::move(key), e->d_name);
    }
    ::closedir(d);
    std::stable_sort(names.begin(), names.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    benchmark::DoNotOptimize(names.data());
    if (names.size() != static_cast<std::size_t>(kFolders)) st.SkipWithError("folders missing");
  }
}

// Expanding the big folder's node (listing, sorting, 100,000 nodes) and
// painting the tree once. Selecting the folder's parent anew between the
// runs (not timed) gives a fresh, unlisted node each time.
void FolderTreeExpand(benchmark::State& st) {
  const fs::path big = BigFolder();
  auto form = MakeForm(400, 600);
  auto* tree = new vyr::TFolderTree(form.get());
  tree->SetParent(form.get());
  tree->SetBounds(0, 0, 380, 580);
  const String parent = FromUTF8(big.parent_path().string());
  for (auto _ : st) {
    st.PauseTiming();
    tree->SelectPath(parent);
    TTreeNode* node = tree->Selected()->GetFirstChild();
    while (node != nullptr && node->Text() != u"big") node = node->GetNextSibling();
    st.ResumeTiming();
    node->Expand(false);
    tree->Repaint();
    if (node->Count() != kFolders) st.SkipWithError("folders missing");
  }
}

// ---------------------------------------------------------------- thumbnails

// 20 columns × 10 rows of 50-pixel slides (pitch 66), all shown whole,
// each with a 160 × 120 image kept in memory and lent to the control.
void ThumbnailsPage(benchmark::State& st) {
  auto form = MakeForm(1360, 700);
  auto* thumbs = new vyr::TThumbnails(form.get());
  thumbs->SetParent(form.get());
  thumbs->SetBounds(0, 0, 1338, 680);
  thumbs->SetSlideSize(50);
  thumbs->SetMax(200);
  thumbs->SetAntiAlias(st.range(0) != 0);
  std::vector<std::unique_ptr<TBitmap>> images;
  for (int i = 0; i < 200; ++i) {
    auto b = std::make_unique<TBitmap>(160, 120);
    b->Canvas()->Brush()->SetColor(static_cast<TColor>(0x010203 * i));
    b->Canvas()->FillRect({0, 0, 160, 120});
    b->Canvas()->Brush()->SetColor(clWhite);
    b->Canvas()->FillRect({40, 30, 120, 90});
    images.push_back(std::move(b));
  }
  int shown = 0;
  thumbs->SetOnImageRequest([&](TObject*, int Id, vyr::TImageRequestProcessing& How, int& Mark,
                                TBitmap*& Buffer) {
    How = vyr::irpShowSlide;
    Mark = Id % 7 == 0 ? 5 : -1;
    Buffer = images[static_cast<std::size_t>(Id - 1) % images.size()].get();
    ++shown;
  });
  thumbs->Paint();
  if (shown != 200 || thumbs->NumSlidesHoriz() != 20) st.SkipWithError("not a page of 200 slides");
  for (auto _ : st) {
    shown = 0;
    thumbs->Paint();
  }
  st.counters["slides"] = shown;
}

BENCHMARK(ReaddirAndSort)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(FolderTreeExpand)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ThumbnailsPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void PrintGoals(const std::map<std::string, double>& t) {
  auto at = [&](const char* name) { return TimeOf(t, name); };
  std::printf("\nCPU time per operation:\n");
  ReportFigure({"folder tree expanding 100,000 folders and painting",
                at("FolderTreeExpand/min_time:2.000"), "ms", "readdir loop and sort",
                at("ReaddirAndSort/min_time:2.000"), RatioAtMost(2)});
  ReportFigure({"thumbnails page of 200 slides, COLORONCOLOR", at("ThumbnailsPage/0"), "ms", "", -1,
                Below(5)});
  ReportFigure({"thumbnails page of 200 slides, HALFTONE", at("ThumbnailsPage/1"), "ms", "",
                -1, NoGoal()});
}

}  // namespace

int main(int argc, char** argv) {
  return RunAndPrint(argc, argv, PrintGoals);
}
