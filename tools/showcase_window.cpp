// The interactive showcase: one form of the library's controls, shown in a
// window on the X display, or painted into a picture where there is none.
//
//   showcase_window                     a window when a display opens, else the picture
//   showcase_window --host=x11          a window, or an error without a display
//   showcase_window --host=headless [OUT.png]
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

#include "VYR_NumIO/VYR_NumIO.h"
#include "VYR_replist/VYR_replist.h"
#include "VYR_repsbut/VYR_repsbut.h"
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
#if VYR_HAVE_X11
#include "platform/hosts/x11/X11.h"
#endif

using namespace vcl;

namespace {

// ---------------------------------------------------------------- the form

class TShowcase {
 public:
  TShowcase() : FForm(std::make_unique<TForm>(nullptr)) {
    FForm->SetCaption(u"vyrguipack showcase");
    FForm->SetPosition(poScreenCenter);
    FForm->SetBounds(0, 0, 1080, 430);
    BuildNumbers();
    BuildText();
    BuildChoices();
    BuildGrid();
    BuildReport();
    BuildMenu();
    FStatus = MakeLabel(u"Right-click anywhere for the menu.", 12, 400);
    FClock = MakeLabel(u"", 980, 400);
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

 private:
  TLabel* MakeLabel(const String& Caption, int X, int Y) {
    auto* label = new TLabel(FForm.get());
    label->SetParent(FForm.get());
    label->SetLeft(X);
    label->SetTop(Y);
    label->SetCaption(Caption);
    return label;
  }
  TButton* MakeButton(const String& Caption, int X, int Y, TNotifyEvent OnClick) {
    auto* button = new TButton(FForm.get());
    button->SetParent(FForm.get());
    button->SetBounds(X, Y, 75, 25);
    button->SetCaption(Caption);
    button->SetOnClick(std::move(OnClick));
    return button;
  }
  void Say(const String& Text) { FStatus->SetCaption(Text); }

  // A numeric field with repeating step buttons: hold one to count.
  void BuildNumbers() {
    MakeLabel(u"Number (0 to 1000):", 12, 14);
    FNumber = new vyr::TNumIO(FForm.get());
    FNumber->SetParent(FForm.get());
    FNumber->SetBounds(12, 32, 121, 21);
    FNumber->SetInputFormat(vyr::itFloat);
    FNumber->SetRangeLow(0);
    FNumber->SetRangeHigh(1000);
    FNumber->SetValue(42);
    FNumber->SetOnChange([this](TObject*) { Say(u"Number: " + FNumber->Text()); });
    auto step = [this](const String& Caption, int X, double By) {
      auto* b = new vyr::TRepSpeedButton(FForm.get());
      b->SetParent(FForm.get());
      b->SetBounds(X, 31, 23, 23);
      b->SetCaption(Caption);
      auto apply = [this, By](TObject*) { FNumber->SetValue(std::clamp(FNumber->Value() + By, 0.0, 1000.0)); };
      b->SetOnClick(apply);
      b->SetOnRepeatClick(apply);
    };
    step(u"-", 138, -1);
    step(u"+", 162, 1);
  }

  // An edit and a memo; Copy and Paste go through the display's clipboard.
  void BuildText() {
    MakeLabel(u"Text:", 12, 66);
    FEdit = new TEdit(FForm.get());
    FEdit->SetParent(FForm.get());
    FEdit->SetBounds(12, 84, 185, 21);
    FEdit->SetText(u"Grüße aus dem Fenster");
    MakeButton(u"Copy", 12, 112, [this](TObject*) {
      Clipboard().SetAsText(FEdit->Text());
      Say(u"Copied: " + FEdit->Text());
    });
    MakeButton(u"Paste", 122, 112, [this](TObject*) {
      FEdit->SetText(Clipboard().AsText());
      Say(u"Pasted " + IntToStr(static_cast<int>(FEdit->Text().size())) + u" characters");
    });
    auto* memo = new TMemo(FForm.get());
    memo->SetParent(FForm.get());
    memo->SetBounds(12, 146, 185, 120);
    memo->Lines()->Add(u"A memo: type, select with");
    memo->Lines()->Add(u"Shift and the arrows, copy");
    memo->Lines()->Add(u"with Ctrl+C, paste with Ctrl+V.");
  }

  // Toggles, a combo box whose list pops up, and the color dialog.
  void BuildChoices() {
    const char16_t* names[] = {u"A", u"B", u"C"};
    for (int i = 0; i < 3; ++i) {
      auto* b = new TSpeedButton(FForm.get());
      b->SetParent(FForm.get());
      b->SetBounds(12 + i * 24, 280, 23, 22);
      b->SetCaption(names[i]);
      b->SetGroupIndex(1);
      b->SetOnClick([this, i, names](TObject*) { Say(String(u"Speed button ") + names[i] + u" is down"); });
    }
    auto* hourglass = new TCheckBox(FForm.get());
    hourglass->SetParent(FForm.get());
    hourglass->SetBounds(12, 312, 185, 19);
    hourglass->SetCaption(u"Hourglass cursor");
    hourglass->SetOnClick([hourglass](TObject*) { Screen.SetCursor(hourglass->Checked() ? crHourGlass : crDefault); });
    FShape = new TShape(FForm.get());
    FShape->SetParent(FForm.get());
    FShape->SetBounds(12, 340, 40, 40);
    FShape->Brush()->SetColor(clTeal);
    auto* colors = new TComboBox(FForm.get());
    colors->SetParent(FForm.get());
    colors->SetBounds(60, 340, 137, 21);
    colors->SetStyle(csDropDownList);
    for (const char16_t* c : {u"clTeal", u"clMaroon", u"clNavy", u"clOlive", u"clPurple", u"clSkyBlue"}) {
      colors->Items()->Add(c);
    }
    colors->SetItemIndex(0);
    colors->SetOnChange([this, colors](TObject*) {
      FShape->Brush()->SetColor(StringToColor(colors->Text()));
      Say(u"Color " + colors->Text());
    });
    MakeButton(u"Color...", 60, 366, [this](TObject*) { PickColor(); });
  }

  void PickColor() {
    TColorDialog dialog(nullptr);
    dialog.SetColor(FShape->Brush()->Color());
    if (!dialog.Execute()) {
      Say(u"Color dialog cancelled");
      return;
    }
    FShape->Brush()->SetColor(dialog.Color());
    Say(u"Color " + ColorToString(dialog.Color()));
  }

  // A grid of numbers drawn by OnDrawCell; the selected row is reported.
  void BuildGrid() {
    FGrid = new TDrawGrid(FForm.get());
    FGrid->SetParent(FForm.get());
    FGrid->SetBounds(215, 14, 430, 370);
    FGrid->SetColCount(5);
    FGrid->SetRowCount(41);
    FGrid->SetOptions(FGrid->Options() << goRowSelect);
    FGrid->SetOnDrawCell([this](TObject*, int Col, int Row, const TRect& R, TGridDrawState) { DrawCell(Col, Row, R); });
    FGrid->SetOnSelectCell([this](TObject*, int, int Row, bool&) {
      Say(u"Row " + IntToStr(Row) + u": the square root of " + CellText(0, Row) + u" is " + CellText(3, Row));
    });
  }

  static String CellText(int Col, int Row) {
    static const char16_t* heads[] = {u"n", u"n\u00B2", u"n / 8", u"\u221An", u"sin(n / 8)"};
    if (Row == 0) return heads[Col];
    switch (Col) {
      case 0: return IntToStr(Row);
      case 1: return IntToStr(Row * Row);
      case 2: return FormatFloat(u"0.000", Row / 8.0);
      case 3: return FormatFloat(u"0.0000", std::sqrt(Row));
      default: return FormatFloat(u"0.0000", std::sin(Row / 8.0));
    }
  }

  void DrawCell(int Col, int Row, const TRect& R) {
    TCanvas* c = FGrid->Canvas();
    c->Brush()->SetStyle(bsClear);
    String text = CellText(Col, Row);
    int x = Col == 0 || Row == 0 ? R.Left + 4 : R.Right - 4 - c->TextWidth(text);
    c->TextOut(x, R.Top + (R.Height() - c->TextHeight(text)) / 2, text);
  }

  // A report list of planets: click a row to select it, click a box to
  // check it, click a header to sort by that column.
  void BuildReport() {
    struct Planet { const char16_t* Name; double Distance, Diameter; int Moons; };
    static const Planet planets[] = {
        {u"Mercury", 0.39, 4879, 0}, {u"Venus", 0.72, 12104, 0}, {u"Earth", 1.00, 12756, 1},
        {u"Mars", 1.52, 6792, 2},    {u"Jupiter", 5.20, 142984, 95}, {u"Saturn", 9.54, 120536, 146},
        {u"Uranus", 19.2, 51118, 28}, {u"Neptune", 30.1, 49528, 16}};
    FReport = new vyr::TReportListView(FForm.get());
    FReport->SetParent(FForm.get());
    FReport->SetBounds(655, 14, 410, 370);
    FReport->SetSuppressPaint(true);
    FReport->SetNrOfColumns(5);
    const char16_t* heads[] = {u"Planet", u"AU", u"Diameter km", u"Moons", u"Seen"};
    for (int c = 1; c <= 5; ++c) FReport->SetHeader(c, heads[c - 1]);
    for (int c = 2; c <= 4; ++c) FReport->SetColumnAlignment(c, taRightJustify);
    FReport->SetColumnCheckMode(5, vyr::cmBox);
    FReport->SetNrOfRows(8);
    for (int r = 1; r <= 8; ++r) {
      const Planet& p = planets[r - 1];
      FReport->SetElem(1, r, p.Name);
      FReport->SetElem(2, r, FormatFloat(u"0.00", p.Distance));
      FReport->SetElem(3, r, IntToStr(static_cast<int>(p.Diameter)));
      FReport->SetElem(4, r, IntToStr(p.Moons));
      FReport->SetElemChecked(5, r, r <= 6);  // the planets seen without a telescope
    }
    FReport->SetRowColPattern(2);
    FReport->FitAllColWidths(1, true, 10, 160, 40);
    FReport->SetOnCheckedChange([this](TObject*, bool& State, int, int Row) {
      Say(FReport->Elem(1, Row) + (State ? u" checked" : u" unchecked"));
    });
    FReport->SetSuppressPaint(false);
  }

  void BuildMenu() {
    auto* menu = new TPopupMenu(FForm.get());
    auto add = [menu](TMenuItem* Parent, const String& Caption, TNotifyEvent OnClick) {
      auto* item = new TMenuItem(menu);
      item->SetCaption(Caption);
      item->SetOnClick(std::move(OnClick));
      Parent->Add(item);
      return item;
    };
    add(menu->Items(), u"&Copy number", [this](TObject*) {
      Clipboard().SetAsText(FNumber->Text());
      Say(u"Copied " + FNumber->Text());
    });
    add(menu->Items(), u"&Beep", [](TObject*) { MessageBeep(0); });
    add(menu->Items(), u"-", nullptr);
    TMenuItem* rows = add(menu->Items(), u"Grid &rows", nullptr);
    for (int n : {9, 17, 41}) {
      TMenuItem* item = add(rows, IntToStr(n - 1), [this, n](TObject*) { FGrid->SetRowCount(n); });
      item->SetRadioItem(true);
      item->SetAutoCheck(true);
      item->SetChecked(n == 41);
    }
    add(menu->Items(), u"-", nullptr);
    add(menu->Items(), u"&About...", [](TObject*) {
      ShowMessage(u"vyrguipack showcase\nThe framework's own controls on this display.");
    });
    FForm->SetPopupMenu(menu);
  }

  void Tick() { FClock->SetCaption(FormatDateTime(u"hh:nn:ss", Now())); }

  std::unique_ptr<TForm> FForm;
  vyr::TNumIO* FNumber = nullptr;
  TEdit* FEdit = nullptr;
  TShape* FShape = nullptr;
  TDrawGrid* FGrid = nullptr;
  vyr::TReportListView* FReport = nullptr;
  TLabel* FStatus = nullptr;
  TLabel* FClock = nullptr;
  HWND FClockWindow = nullptr;
};

// ---------------------------------------------------------------- running

struct Options {
  std::string Host;  // "", "x11" or "headless"
  std::string Picture = "out/showcase_window.png";
  int QuitAfter = 0;
};

bool ParseOptions(int argc, char** argv, Options& O) {
  if (const char* env = std::getenv("VYR_HOST")) O.Host = env;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a.rfind("--host=", 0) == 0) {
      O.Host = a.substr(7);
    } else if (a.rfind("--quit-after=", 0) == 0) {
      O.QuitAfter = std::atoi(a.c_str() + 13);
    } else if (!a.empty() && a[0] != '-') {
      O.Picture = a;
    } else {
      return false;
    }
  }
  return O.Host.empty() || O.Host == "x11" || O.Host == "headless";
}

int RenderPicture(const Options& O) {
  TShowcase showcase;
  showcase.Form().Show();
  std::unique_ptr<TBitmap> picture = headless::Snapshot(showcase.Form());
  std::filesystem::path path(O.Picture);
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  picture->SaveToFile(FromUTF8(O.Picture));
  std::printf("showcase_window: wrote %s (%d x %d)\n", O.Picture.c_str(), picture->Width(), picture->Height());
  return 0;
}

int RunWindow(const Options& O) {
  TShowcase showcase;
  Application.SetMainForm(&showcase.Form());
  HWND quit = nullptr;
  if (O.QuitAfter > 0) {
    quit = AllocateHWnd([&](TMessage& M) {
      if (M.Msg == WM_TIMER) showcase.Form().Close();
    });
    SetTimer(quit, 1, static_cast<UINT>(O.QuitAfter));
  }
  Application.Run();
  if (quit != nullptr) DeallocateHWnd(quit);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: showcase_window [--host=x11|headless] [--quit-after=MS] [OUT.png]\n");
    return 2;
  }
  try {
    bool window = false;
#if VYR_HAVE_X11
    if (options.Host != "headless") window = UseX11Host();
#endif
    if (window) return RunWindow(options);
    if (options.Host == "x11") {
      std::fprintf(stderr, "showcase_window: no X display to open (DISPLAY is %s)\n",
                   std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "not set");
      return 1;
    }
    return RenderPicture(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "showcase_window: %s\n", e.what());
    return 1;
  }
}
