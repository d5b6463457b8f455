// The interactive showcase: one form of the library's controls, shown in a
// window on the X display, or painted into a picture where there is none.
//
//   showcase_window                     a window when a display opens, else the picture
//   showcase_window --host=x11          a window, or an error without a display
//   showcase_window --host=headless [OUT.png]
//   showcase_window --page=SLUG         opens on that page (headless: renders only it)
//   showcase_window --quit-after=MS     closes itself after MS milliseconds
//
// The environment variable VYR_HOST (x11 or headless) chooses like --host.
// The picture goes to OUT.png, by default out/showcase_window.png.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ShowcaseHost.h"
#include "showcase_pages/Pages.h"
#include "platform/Buttons.h"
#include "platform/Clipbrd.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/hosts/headless/Headless.h"

using namespace vcl;

namespace {

// ---------------------------------------------------------------- the form

// A strip of page tabs, the pages (one per registered builder, see
// showcase_pages/Pages.h), a status line and a clock.
class TShowcase {
 public:
  static constexpr int TabHeight = 26;

  TShowcase() : FForm(std::make_unique<TForm>(nullptr)) {
    FForm->SetCaption(u"vyrguipack showcase");
    FForm->SetPosition(poScreenCenter);
    FForm->SetBounds(0, 0, showcase::PageWidth, TabHeight + showcase::PageHeight + 36);
    FForm->SetClientWidth(showcase::PageWidth);
    FForm->SetClientHeight(TabHeight + showcase::PageHeight + 36);
    const int statusTop = TabHeight + showcase::PageHeight + 10;
    FStatus = MakeLabel(u"Pick a page above; right-click anywhere for the menu.", 12, statusTop);
    FClock = MakeLabel(u"", showcase::PageWidth - 100, statusTop);
    BuildPages();
    FClockWindow = AllocateHWnd([this](TMessage& M) {
      if (M.Msg == WM_TIMER) Tick();
    });
    SetTimer(FClockWindow, 1, 1000);
    Tick();
  }
  ~TShowcase() {
    KillTimer(FClockWindow, 1);
    DeallocateHWnd(FClockWindow);
  }
  TForm& Form() { return *FForm; }
  int PageCount() const { return static_cast<int>(FPages.size()); }
  const showcase::TPageEntry& Entry(int I) const { return FEntries[static_cast<std::size_t>(I)]; }

  void ShowPage(int Index) {
    for (int i = 0; i < PageCount(); ++i) {
      FPages[static_cast<std::size_t>(i)]->SetVisible(i == Index);
      FTabs[static_cast<std::size_t>(i)]->SetDown(i == Index);
    }
  }
  int FindPage(const std::string& Slug) const {
    for (int i = 0; i < PageCount(); ++i) {
      if (Slug == Entry(i).Slug) return i;
    }
    return -1;
  }

 private:
  TLabel* MakeLabel(const String& Caption, int X, int Y) {
    auto* label = new TLabel(FForm.get());
    label->SetParent(FForm.get());
    label->SetLeft(X);
    label->SetTop(Y);
    label->SetCaption(Caption);
    return label;
  }

  void BuildPages() {
    FEntries = showcase::Pages();
    int x = 4;
    for (int i = 0; i < static_cast<int>(FEntries.size()); ++i) {
      const showcase::TPageEntry& entry = FEntries[static_cast<std::size_t>(i)];
      auto* tab = new TSpeedButton(FForm.get());
      tab->SetParent(FForm.get());
      const int width = std::max(60, FForm->Canvas()->TextWidth(entry.Title) + 16);
      tab->SetBounds(x, 2, width, TabHeight - 4);
      x += width + 2;
      tab->SetCaption(entry.Title);
      tab->SetGroupIndex(1);
      tab->SetOnClick([this, i](TObject*) { ShowPage(i); });
      FTabs.push_back(tab);

      auto* page = new TPanel(FForm.get());
      page->SetParent(FForm.get());
      page->SetBevelOuter(bvNone);
      page->SetShowCaption(false);
      page->SetBounds(0, TabHeight, showcase::PageWidth, showcase::PageHeight);
      FPages.push_back(page);
      showcase::TPageContext context;
      context.Owner = FForm.get();
      context.Page = page;
      context.Say = [this](const String& Text) { FStatus->SetCaption(Text); };
      entry.Build(context);
    }
    ShowPage(0);
  }

  void Tick() { FClock->SetCaption(FormatDateTime(u"hh:nn:ss", Now())); }

  std::unique_ptr<TForm> FForm;
  std::vector<showcase::TPageEntry> FEntries;
  std::vector<TSpeedButton*> FTabs;
  std::vector<TPanel*> FPages;
  TLabel* FStatus = nullptr;
  TLabel* FClock = nullptr;
  HWND FClockWindow = nullptr;
};

// ---------------------------------------------------------------- running

// The first page (or --page) goes to the named picture; with no --page,
// every other page goes beside it as NAME-SLUG.png.
int RenderPicture(const showcase::THostOptions& O) {
  TShowcase showcase;
  showcase.Form().Show();
  std::filesystem::path path(O.Picture);
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  const int first = O.Own.empty() ? 0 : showcase.FindPage(O.Own);
  if (first < 0) {
    std::fprintf(stderr, "showcase_window: no page named %s\n", O.Own.c_str());
    return 2;
  }
  for (int i = 0; i < showcase.PageCount(); ++i) {
    if (i != first && !O.Own.empty()) continue;
    showcase.ShowPage(i);
    std::unique_ptr<TBitmap> picture = headless::Snapshot(showcase.Form());
    std::filesystem::path file = path;
    if (i != first) {
      file = path.parent_path() / (path.stem().string() + "-" + showcase.Entry(i).Slug + path.extension().string());
    }
    picture->SaveToFile(FromUTF8(file.string()));
    std::printf("showcase_window: wrote %s (%d x %d)\n", file.string().c_str(), picture->Width(), picture->Height());
  }
  return 0;
}

int RunWindow(const showcase::THostOptions& O) {
  TShowcase showcase;
  if (!O.Own.empty() && showcase.FindPage(O.Own) >= 0) showcase.ShowPage(showcase.FindPage(O.Own));
  return showcase::RunMainForm(showcase.Form(), O.QuitAfter);
}

}  // namespace

int main(int argc, char** argv) {
  showcase::THostOptions options;
  options.Picture = "out/showcase_window.png";
  if (!showcase::ParseHostOptions(argc, argv, "--page=", options)) {
    std::fprintf(stderr, "usage: showcase_window [--host=x11|headless] [--page=SLUG] [--quit-after=MS] [OUT.png]\n");
    return 2;
  }
  try {
    return showcase::RunOnHost("showcase_window", options, [&] { return RunWindow(options); },
                               [&] { return RenderPicture(options); });
  } catch (const std::exception& e) {
    std::fprintf(stderr, "showcase_window: %s\n", e.what());
    return 1;
  }
}
