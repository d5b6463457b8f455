// Builds a form with a report list view of several hundred customers (check
// and radio columns, a password column, row bands, a selection, a disabled
// row and a sorted column) and renders it to a picture on the headless host:
//
//   demo_reportlist [OUT.png]
//
// Cell data cannot live in a form file, so the form is built in code.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "VYR_replist/VYR_replist.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

namespace {

using vcl::String;
using vcl::FromUTF8;

constexpr int kRows = 400;

String Num(long long V) { return FromUTF8(std::to_string(V)); }

void DefineColumns(vyr::TReportListView& V) {
  const char16_t* names[] = {u"Id", u"Customer", u"City", u"Active", u"Primary", u"Balance",
                             u"PIN"};
  V.SetNrOfColumns(7);
  for (int c = 1; c <= 7; ++c) V.SetHeader(c, names[c - 1]);
  V.SetColumnCheckMode(4, vyr::cmBox);
  V.SetColumnCheckMode(5, vyr::cmRadio);
  V.SetColumnIsPwd(7, true);
  V.SetColumnAlignment(1, vcl::taRightJustify);
  V.SetColumnAlignment(6, vcl::taRightJustify);
  V.SetColumnAlignment(3, vcl::taCenter);
}

// Deterministic sample data: names and cities cycle through short lists.
void FillRows(vyr::TReportListView& V) {
  const char16_t* first[] = {u"Ada", u"Bruno", u"Chiara", u"Dmitri", u"Elif", u"Farid",
                             u"Greta", u"Hiro", u"Ines", u"Jonas", u"Kalinda", u"Lars"};
  const char16_t* last[] = {u"Lindqvist", u"Okafor", u"Moreau", u"Tanaka", u"Rossi",
                            u"Novak", u"Herrera", u"Fischer", u"Kowalski"};
  const char16_t* cities[] = {u"Graz", u"Lyon", u"Porto", u"Turku", u"Brno", u"Cork", u"Bergen"};
  V.SetNrOfRows(kRows);
  for (int r = 1; r <= kRows; ++r) {
    V.SetElem(1, r, Num(1000 + r));
    V.SetElem(2, r, String(first[(r * 7) % 12]) + u" " + last[(r * 5) % 9]);
    V.SetElem(3, r, cities[(r * 3) % 7]);
    const bool active = r % 5 < 2;
    V.SetElem(4, r, active ? u"yes" : u"no");
    V.SetElemChecked(4, r, active);
    V.SetElem(5, r, u"");
    V.SetElem(6, r, Num((r * 7919) % 100000) + u".00");
    V.SetElem(7, r, Num(r * 37 % 10000));
  }
}

void Build(vcl::TForm& Form) {
  Form.SetCaption(u"Report list");
  Form.SetClientWidth(760);
  Form.SetClientHeight(420);
  auto* view = new vyr::TReportListView(&Form);
  view->SetName(u"Customers");
  view->SetParent(&Form);
  view->SetBounds(8, 8, 744, 404);
  view->SetSuppressPaint(true);  // one repaint after the bulk work
  DefineColumns(*view);
  FillRows(*view);
  view->SetCommonHeaderVisible(true);
  view->SetCommonHeader(u"Customers\nsorted by name");
  view->SetCommonHeaderHeight(34);
  view->SetRowColPattern(2);
  view->Sort(2, 1, true);
  view->SetElemChecked(5, 6, true);  // rows as shown now
  view->SetRowSelected(3, true);
  view->SetRowSelected(4, true);
  view->SetRowEnabled(8, false);
  view->SetHighLightRow(11);
  view->SetInterRowIndicatorPos(14);
  view->FitAllColWidths(2, true, 6, 220, 12);
  view->SetSuppressPaint(false);
}

int Run(const char* OutFile) {
  vcl::TForm form(nullptr);
  Build(form);
  std::unique_ptr<vcl::TBitmap> picture = vcl::headless::Snapshot(&form);
  picture->SaveToFile(FromUTF8(OutFile));
  std::printf("demo_reportlist: wrote %s (%d x %d, %d rows)\n", OutFile, picture->Width(),
              picture->Height(), kRows);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: demo_reportlist [OUT.png]\n");
    return 2;
  }
  try {
    return Run(argc == 2 ? argv[1] : "reportlist.png");
  } catch (const vcl::Exception& e) {
    std::fprintf(stderr, "demo_reportlist: %s\n", e.what());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "demo_reportlist: %s\n", e.what());
  }
  return 1;
}
