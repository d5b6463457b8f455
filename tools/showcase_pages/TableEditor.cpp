// The numeric table editor: a week of weather readings with named rows and
// columns, row and column attributes, a nominal column of wind directions
// (a pick list when edited), marked, empty, invalid and locked cells, and
// the editor's own popup menus (right click on cells, heads or the corner).
// Buttons sort, copy and show the size of the clipboard's numbers.
#include <cmath>

#include "Pages.h"
#include "VYR_ntabed/VYR_ntabed.h"
#include "platform/Buttons.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

class TTableEditorPage : public showcase::TPageHolder {
 public:
  explicit TTableEditorPage(showcase::TPageContext& P) : TPageHolder(P) {
    BuildTable();
    BuildButtons();
  }

 private:
  void BuildTable() {
    Caption(u"Right click: cells for marks, copy and paste; heads to edit, insert or change "
            u"decimals; the corner for the comment.",
            12, 8);
    FEd = Make<vyr::TNTabEd>(12, 30, 760, 370);
    FEd->SetSuppressPaint(true);
    FEd->Redimension(5, 14);
    FEd->SetAttribColVisible(true);
    Fill();
    FEd->SetSuppressPaint(false);
    FEd->SetSelection({3, 4, 3, 4});
    Wire();
  }

  void Fill() {
    const char16_t* names[] = {u"Temp °C", u"Pressure", u"Humidity %", u"Wind", u"Rain mm"};
    const int decimals[] = {1, 1, 0, 0, 2};
    for (int c = 1; c <= 5; ++c) {
      FEd->SetColName(c, names[c - 1]);
      FEd->SetPrecision(c, decimals[c - 1]);
      FEd->SetColAttrib(c, static_cast<std::uint8_t>(c));
    }
    FEd->SetColWidths(0, 96);
    FEd->SetColWidths(3, 80);
    FEd->Data->SetMScaleType(4, vyr::mstNominal);
    const char16_t* winds[] = {u"north", u"east", u"south", u"west"};
    for (int k = 1; k <= 4; ++k) FEd->Data->SetNominalID(4, k, winds[k - 1]);
    const char16_t* days[] = {u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat", u"Sun"};
    for (int r = 1; r <= 14; ++r) {
      FEd->SetRowName(r, String(days[(r - 1) / 2]) + (r % 2 == 1 ? u" 08:00" : u" 18:00"));
      FEd->SetRowAttrib(r, static_cast<std::uint8_t>(r % 2 + 1));
      FEd->SetElem(1, r, 12.0 + 6.0 * std::sin(r * 0.9));
      FEd->SetElem(2, r, 1013.0 + 9.0 * std::cos(r * 0.5));
      FEd->SetElem(3, r, 55 + (r * 37) % 40);
      FEd->SetElem(4, r, 1 + (r * 3) % 4);
      FEd->SetElem(5, r, (r * 13) % 7 == 0 ? 0 : 0.25 * ((r * 13) % 7));
    }
    FEd->SetElem(5, 9, 12345678.5);  // beyond the fixed form: exponent
    FEd->SetElemMarkedA(1, 3, true);
    FEd->SetElemMarkedB(2, 5, true);
    FEd->SetElemMarkedA(3, 7, true);
    FEd->SetElemMarkedB(3, 7, true);
    FEd->SetIsEmpty(2, 11, true);
    FEd->SetCellState(1, 12, vyr::csNoNumber);
    FEd->SetCellState(3, 1, vyr::csLocked);
    FEd->SetComment(u"Readings of the roof station");
  }

  void Wire() {
    FEd->SetOnSelectionChanged([this](TObject*) {
      const TGridRect s = FEd->Selection();
      const int c = s.Left - (FEd->AttribRowVisible() ? 1 : 0);
      const int r = s.Top - (FEd->AttribColVisible() ? 1 : 0);
      FSay(u"Cell " + IntToStr(c) + u":" + IntToStr(r) + u" of " + FEd->ColName(c) + u", " +
           FEd->RowName(r) + u" = " + FloatToStr(FEd->Elem(c, r)));
    });
    FEd->SetOnChange([this](TObject*) { FSay(u"Values changed"); });
    FEd->SetOnHeadingChanged([this](TObject*) { FSay(u"Heading changed"); });
    FEd->SetOnPaste([this](TObject*) { FSay(u"Pasted"); });
    FEd->SetOnCellStateChanged([this](TObject*) {
      FSay(u"Marks: " + IntToStr(FEd->NrOfMarkedDataA()) + u" A, " +
           IntToStr(FEd->NrOfMarkedDataB()) + u" B");
    });
  }

  TButton* MakeButton(const String& Caption, int Y, TNotifyEvent OnClick) {
    auto* b = Make<TButton>(790, Y, 150, 25);
    b->SetCaption(Caption);
    b->SetOnClick(std::move(OnClick));
    return b;
  }

  void BuildButtons() {
    MakeButton(u"Sort by temperature", 30, [this](TObject*) {
      FEd->SortRows(1, true, 1, 1, FEd->NrOfColumns(), FEd->NrOfRows(), true);
      FSay(u"Rows sorted by temperature");
    });
    MakeButton(u"Sort columns by name", 62, [this](TObject*) {
      FEd->SortColNames(true, true, 1, 1, FEd->NrOfColumns(), FEd->NrOfRows());
      FSay(u"Columns sorted by name, decimals along");
    });
    MakeButton(u"Copy selection", 94, [this](TObject* S) {
      FEd->PopupMenuClickCopy(S);
      FSay(u"Copied to the clipboard");
    });
    MakeButton(u"Clipboard size", 126, [this](TObject*) {
      int cols = 0, rows = 0;
      const bool any = FEd->GetClipMatrixSize(cols, rows);
      FSay(any ? u"Clipboard numbers: " + IntToStr(cols) + u" x " + IntToStr(rows)
               : String(u"No numbers on the clipboard"));
    });
    MakeButton(u"Attribute column", 158, [this](TObject*) {
      FEd->SetAttribRowVisible(!FEd->AttribRowVisible());
    });
  }

  vyr::TNTabEd* FEd = nullptr;
};

void BuildTableEditor(showcase::TPageContext& P) { new TTableEditorPage(P); }

}  // namespace

SHOWCASE_PAGE(30, u"Table editor", "ntabed", BuildTableEditor)
