// Browsing: a folder tree beside a thumbnail strip showing the pictures of
// the folder selected. The sample pictures are drawn at start into a
// folder of the system's temporary folder (vyr_showcase_images, with two
// subfolders), which the tree opens on. Click a slide to select it,
// Shift+click for a range; the bar on the right scrolls by rows.
#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "Pages.h"
#include "VYR_FolderTree/VYR_FolderTree.h"
#include "VYR_Thumbnails/VYR_Thumbnails.h"
#include "platform/Dirs.h"
#include "platform/ScrollBar.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

namespace fs = std::filesystem;

// ---------------------------------------------------------------- sample pictures

struct TSample {
  const char* Folder;  // "" for the top folder
  int W, H;
  TColor Sky, Ground, Sun;
};

const TSample kSamples[] = {
    {"", 160, 120, 0xEBCE87, 0x228B22, 0x00D7FF},
    {"", 160, 120, 0x701919, 0x2F4F2F, 0xE0E0E0},
    {"", 200, 100, 0x4763FF, 0x1E69D2, 0x00FFFF},
    {"", 120, 160, 0xFFBF00, 0x8B0000, 0xFFFFFF},
    {"", 100, 100, 0xD3D3D3, 0x696969, 0x0000FF},
    {"", 160, 90, 0xE6D8AD, 0x00C000, 0x00A5FF},
    {"", 150, 150, 0x80FFFF, 0x0080FF, 0x800080},
    {"", 180, 120, 0x222222, 0x444444, 0xC0FFFF},
    {"", 140, 100, 0xF0E0B0, 0x507050, 0x3060F0},
    {"", 160, 120, 0xFAE6E6, 0x8080F0, 0x00D0FF},
    {"Tall", 90, 160, 0xEBCE87, 0x006400, 0x00D7FF},
    {"Tall", 100, 180, 0x800000, 0x000080, 0xFFFFFF},
    {"Tall", 80, 150, 0xFFC0CB, 0x808000, 0x0000FF},
    {"Wide", 240, 80, 0x87CEEB, 0x8B4513, 0x00FFFF},
    {"Wide", 300, 100, 0x000040, 0x202020, 0x80FFFF},
    {"Wide", 260, 90, 0xC0C0FF, 0x008080, 0xFF00FF},
};

// A landscape: sky, ground below a horizon, a sun.
void DrawSample(TBitmap& B, const TSample& S, int Index) {
  TCanvas& c = *B.Canvas();
  c.Brush()->SetColor(S.Sky);
  c.FillRect({0, 0, S.W, S.H});
  c.Brush()->SetColor(S.Ground);
  c.Pen()->SetColor(S.Ground);
  const int horizon = S.H * (55 + 5 * (Index % 4)) / 100;
  c.Polygon({TPoint(0, horizon), TPoint(S.W / 3, horizon - S.H / 8),
             TPoint(S.W * 2 / 3, horizon + S.H / 12), TPoint(S.W, horizon - S.H / 10),
             TPoint(S.W, S.H), TPoint(0, S.H)});
  c.Brush()->SetColor(S.Sun);
  c.Pen()->SetColor(S.Sun);
  const int r = std::min(S.W, S.H) / 8, x = S.W * (2 + Index % 5) / 8, y = S.H / 4;
  c.Ellipse(x - r, y - r, x + r, y + r);
}

// Draws the samples into the temporary folder (again on every start, so a
// damaged copy mends itself); returns the folder.
fs::path MakeSamples() {
  std::error_code ec;
  const fs::path top = fs::weakly_canonical(fs::temp_directory_path(ec)) / "vyr_showcase_images";
  int index = 0;
  for (const TSample& s : kSamples) {
    const fs::path dir = top / s.Folder;
    fs::create_directories(dir, ec);
    TBitmap b(s.W, s.H);
    DrawSample(b, s, index);
    char name[32];
    std::snprintf(name, sizeof name, "picture%02d.png", ++index);
    try {
      b.SaveToFile(FromUTF8((dir / name).string()));
    } catch (const Exception&) {
      // A folder that cannot be written shows fewer pictures.
    }
  }
  return top;
}

// ---------------------------------------------------------------- the page

class TBrowsePage : public showcase::TPageHolder {
 public:
  explicit TBrowsePage(showcase::TPageContext& P) : TPageHolder(P) {
    Caption(u"TFolderTree", 12, 8);
    Caption(u"TThumbnails of the pictures in the folder selected", 330, 8);
    BuildTree();
    BuildThumbs();
    if (FTree->SelectPath(FromUTF8(MakeSamples().string()))) {
      FTree->Selected()->Expand(false);
      FTree->SetTopItem(FTree->Selected());
    }
    for (int id : {2, 6}) FThumbs->SetSlideSelected(id, true);
  }

 private:
  void BuildTree() {
    FTree = Make<vyr::TFolderTree>(12, 28, 300, 380);
    FTree->SetHideSelection(false);
    FTree->SetOnDirChanged([this](TObject*) { ShowFolder(FTree->Directory()); });
  }

  void BuildThumbs() {
    FThumbs = Make<vyr::TThumbnails>(330, 28, 560, 380);
    FThumbs->SetSlideSize(110);
    FThumbs->SetSlideSelectMode(vyr::ssmMultiple);
    FThumbs->SetColorBackGnd(0x605040);
    FThumbs->SetFocusLinewidth(2);
    FThumbs->SetColorMark(clYellow);
    FThumbs->SetOnImageRequest(
        [this](TObject*, int Id, vyr::TImageRequestProcessing& How, int& Mark, TBitmap*& Buffer) {
          if (TBitmap* picture = Picture(Id)) {
            How = vyr::irpShowSlide;
            Buffer = picture;  // lent: the page keeps its pictures
          }
          if (FThumbs->SlideSelected(Id)) Mark = 11;  // a plus in the corner
        });
    FThumbs->SetOnImageClick([this](TObject*, int, int, int Id) {
      if (Id == 0) return;
      FSay(FFiles[static_cast<std::size_t>(Id - 1)] + u": " +
           IntToStr(FThumbs->NumSlidesSelected()) + u" selected");
    });
    FThumbs->SetOnFirstImageRequest([this](TObject*) { FollowScroll(); });
    FBar = Make<TScrollBar>(892, 28, ScrollBarThickness, 380);
    FBar->SetKind(sbVertical);
    FBar->SetBounds(892, 28, ScrollBarThickness, 380);
    FBar->SetOnChange([this](TObject*) {
      FThumbs->SetFirstThumbIdx(1.0 + FBar->Position() * FThumbs->NumSlidesHoriz());
    });
  }

  // The pictures of a folder, by name.
  void ShowFolder(const String& Folder) {
    FFiles.clear();
    FPictures.clear();
    std::vector<TDirEntry> entries;
    ListDirectory(Folder, entries);
    for (const TDirEntry& e : entries) {
      if (e.Kind == dekFile && LowerCase(ExtractFileExt(e.Name)) == u".png")
        FFiles.push_back(e.Name);
    }
    std::sort(FFiles.begin(), FFiles.end());
    FFolder = Folder;
    FThumbs->ResetAllSelections();
    FThumbs->SetMax(std::max<int>(1, static_cast<int>(FFiles.size())));
    FThumbs->SetFirstThumbIdx(1);
    const int rows = (static_cast<int>(FFiles.size()) + FThumbs->NumSlidesHoriz() - 1) /
                     std::max(1, FThumbs->NumSlidesHoriz());
    const int page = std::max(1, FThumbs->NumSlidesVert() - 1);
    FBar->SetParams(0, 0, std::max(0, rows - 1));
    FBar->SetPageSize(std::min(page, rows));
    FBar->SetLargeChange(page);
    FThumbs->Invalidate();
    FSay(Folder + u": " + IntToStr(static_cast<int>(FFiles.size())) + u" pictures");
  }

  // Slide Id's picture, loaded once; nullptr when there is none.
  TBitmap* Picture(int Id) {
    if (Id < 1 || Id > static_cast<int>(FFiles.size())) return nullptr;
    auto& slot = FPictures[Id];
    if (!slot) {
      slot = std::make_unique<TBitmap>();
      try {
        slot->LoadFromFile(FFolder + FFiles[static_cast<std::size_t>(Id - 1)]);
      } catch (const Exception&) {
        slot->SetSize(0, 0);  // shown as an empty cover
      }
    }
    return slot.get();
  }

  // The bar follows scrolling by the wheel.
  void FollowScroll() {
    const int row =
        (static_cast<int>(FThumbs->FirstThumbIdx()) - 1) / std::max(1, FThumbs->NumSlidesHoriz());
    if (row != FBar->Position()) FBar->SetPosition(row);
  }

  vyr::TFolderTree* FTree = nullptr;
  vyr::TThumbnails* FThumbs = nullptr;
  TScrollBar* FBar = nullptr;
  String FFolder;
  std::vector<String> FFiles;
  std::map<int, std::unique_ptr<TBitmap>> FPictures;
};

void BuildBrowse(showcase::TPageContext& P) { new TBrowsePage(P); }

}  // namespace

SHOWCASE_PAGE(80, u"Browsing", "browse", BuildBrowse)
