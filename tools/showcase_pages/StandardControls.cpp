// The framework's own controls with the numeric field and repeat buttons:
// a numeric field with repeating step buttons, an edit and a memo on the
// clipboard, toggles, a combo box, the color dialog, a grid, a report list
// and the form's popup menu.
#include <algorithm>
#include <cmath>

#include "Pages.h"
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

using namespace vcl;

namespace {

// Holds the page's controls for its handlers; owned (and freed) by the form.
class TStandardPage : public TComponent {
 public:
  TStandardPage(showcase::TPageContext& P) : TComponent(P.Owner), FOwner(P.Owner), FPage(P.Page), FSay(P.Say) {
    BuildNumbers();
    BuildText();
    BuildChoices();
    BuildGrid();
    BuildReport();
    BuildMenu();
  }

 private:
  template <class T>
  T* Make(int X, int Y, int W, int H) {
    auto* c = new T(FOwner);
    c->SetParent(FPage);
    c->SetBounds(X, Y, W, H);
    return c;
  }
  TLabel* MakeLabel(const String& Caption, int X, int Y) {
    auto* label = new TLabel(FOwner);
    label->SetParent(FPage);
    label->SetLeft(X);
    label->SetTop(Y);
    label->SetCaption(Caption);
    return label;
  }
  TButton* MakeButton(const String& Caption, int X, int Y, TNotifyEvent OnClick) {
    auto* button = Make<TButton>(X, Y, 75, 25);
    button->SetCaption(Caption);
    button->SetOnClick(std::move(OnClick));
    return button;
  }
  void Say(const String& Text) { FSay(Text); }

  // A numeric field with repeating step buttons: hold one to count.
  void BuildNumbers() {
    MakeLabel(u"Number (0 to 1000):", 12, 14);
    FNumber = Make<vyr::TNumIO>(12, 32, 121, 21);
    FNumber->SetInputFormat(vyr::itFloat);
    FNumber->SetRangeLow(0);
    FNumber->SetRangeHigh(1000);
    FNumber->SetValue(42);
    FNumber->SetOnChange([this](TObject*) { Say(u"Number: " + FNumber->Text()); });
    auto step = [this](const String& Caption, int X, double By) {
      auto* b = Make<vyr::TRepSpeedButton>(X, 31, 23, 23);
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
    FEdit = Make<TEdit>(12, 84, 185, 21);
    FEdit->SetText(u"Grüße aus dem Fenster");
    MakeButton(u"Copy", 12, 112, [this](TObject*) {
      Clipboard().SetAsText(FEdit->Text());
      Say(u"Copied: " + FEdit->Text());
    });
    MakeButton(u"Paste", 122, 112, [this](TObject*) {
      FEdit->SetText(Clipboard().AsText());
      Say(u"Pasted " + IntToStr(static_cast<int>(FEdit->Text().size())) + u" characters");
    });
    auto* memo = Make<TMemo>(12, 146, 185, 120);
    memo->Lines()->Add(u"A memo: type, select with");
    memo->Lines()->Add(u"Shift and the arrows, copy");
    memo->Lines()->Add(u"with Ctrl+C, paste with Ctrl+V.");
  }

  // Toggles, a combo box whose list pops up, and the color dialog.
  void BuildChoices() {
    const char16_t* names[] = {u"A", u"B", u"C"};
    for (int i = 0; i < 3; ++i) {
      auto* b = Make<TSpeedButton>(12 + i * 24, 280, 23, 22);
      b->SetCaption(names[i]);
      b->SetGroupIndex(1);
      b->SetOnClick([this, i, names](TObject*) { Say(String(u"Speed button ") + names[i] + u" is down"); });
    }
    auto* hourglass = Make<TCheckBox>(12, 312, 185, 19);
    hourglass->SetCaption(u"Hourglass cursor");
    hourglass->SetOnClick([hourglass](TObject*) { Screen.SetCursor(hourglass->Checked() ? crHourGlass : crDefault); });
    FShape = Make<TShape>(12, 340, 40, 40);
    FShape->Brush()->SetColor(clTeal);
    auto* colors = Make<TComboBox>(60, 340, 137, 21);
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
    FGrid = Make<TDrawGrid>(215, 14, 430, 370);
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
    FReport = Make<vyr::TReportListView>(655, 14, 410, 370);
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

  // The form's popup menu (right-click anywhere).
  void BuildMenu() {
    auto* form = dynamic_cast<TCustomForm*>(FOwner);
    if (form == nullptr) return;
    auto* menu = new TPopupMenu(FOwner);
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
    form->SetPopupMenu(menu);
  }

  TComponent* FOwner;
  TWinControl* FPage;
  std::function<void(const String&)> FSay;
  vyr::TNumIO* FNumber = nullptr;
  TEdit* FEdit = nullptr;
  TShape* FShape = nullptr;
  TDrawGrid* FGrid = nullptr;
  vyr::TReportListView* FReport = nullptr;
};

void BuildStandardControls(showcase::TPageContext& P) { new TStandardPage(P); }

}  // namespace

SHOWCASE_PAGE(10, u"Standard controls", "standard", BuildStandardControls)
