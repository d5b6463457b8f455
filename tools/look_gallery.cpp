// Draws every element of the look module in every state, each with its
// label, into one picture: `look_gallery OUT.png` (docs/look.png).
#include <cstdio>
#include <exception>

#include "platform/WinapiGdi.h"
#include "showcase_pages/LookGallery.h"

using namespace vcl;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: look_gallery OUT.png\n");
    return 2;
  }
  try {
    namespace g = showcase::gallery;
    TBitmap page(g::GalleryWidth, g::GalleryHeight(true));
    TCanvas& c = *page.Canvas();
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(Rect(0, 0, page.Width(), page.Height()));
    SetStretchBltMode(c.Handle(), COLORONCOLOR);
    g::DrawGallery(c, true);
    page.SaveToFile(FromUTF8(argv[1]));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "look_gallery: %s\n", e.what());
    return 1;
  }
  return 0;
}
