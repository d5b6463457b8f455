// Renders one picture per component of the package from the showcase form
// (examples/showcase/showcase.form), each cut to the control that shows the
// component there:
//
//   gallery [OUTDIR]        writes OUTDIR/<ClassName>.png (default docs/gallery)
//
// The components look exactly as they are configured in the showcase; a
// component that is not a control is pictured by the control that shows
// it (see showcase_form/ShowcaseForm.h). Exit status 1 when a class has no
// picture.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include "showcase_form/ShowcaseForm.h"
#include "platform/SysUtils.h"
#include "platform/hosts/headless/Headless.h"

using namespace vcl;

namespace {

int Render(const std::filesystem::path& Folder) {
  std::filesystem::create_directories(Folder);
  std::unique_ptr<TForm> form = showcase::LoadShowcaseForm(showcase::DefaultFormFile());
  form->Show();
  int missing = 0;
  for (const showcase::TGalleryItem& item : showcase::GalleryItems(*form)) {
    const std::string name = ToUTF8(item.ClassName);
    if (item.Control == nullptr) {
      std::fprintf(stderr, "gallery: the showcase form shows no %s\n", name.c_str());
      ++missing;
      continue;
    }
    std::unique_ptr<TBitmap> picture = headless::Snapshot(item.Control);
    const std::filesystem::path file = Folder / (name + ".png");
    picture->SaveToFile(FromUTF8(file.string()));
    std::printf("gallery: wrote %s (%d x %d)\n", file.string().c_str(), picture->Width(),
                picture->Height());
  }
  return missing == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: gallery [OUTDIR]\n");
    return 2;
  }
  try {
    return Render(argc == 2 ? argv[1] : "docs/gallery");
  } catch (const Exception& e) {
    std::fprintf(stderr, "gallery: %s\n", ToUTF8(e.Message()).c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gallery: %s\n", e.what());
  }
  return 1;
}
