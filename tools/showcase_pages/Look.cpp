// The look module: every element in every state, drawn by a paint box
// through the same gallery as docs/look.png.
#include "LookGallery.h"
#include "Pages.h"
#include "platform/ExtCtrls.h"

using namespace vcl;

namespace {

void BuildLook(showcase::TPageContext& P) {
  auto* box = new TPaintBox(P.Owner);
  box->SetParent(P.Page);
  box->SetBounds(0, 0, showcase::PageWidth, showcase::PageHeight);
  box->SetOnPaint([box](TObject*) {
    TCanvas& c = *box->Canvas();
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(box->ClientRect());
    c.Font()->Assign(box->Font());
    showcase::gallery::DrawGallery(c, false);
  });
}

}  // namespace

SHOWCASE_PAGE(90, u"Look", "look", BuildLook)
