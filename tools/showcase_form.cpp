// The showcase form: every component of the package on one form read from
// a form file (examples/showcase/showcase.form), shown in a window on the X
// display, or painted into a picture where there is none.
//
//   showcase_form                     a window when a display opens, else the picture
//   showcase_form --host=x11          a window, or an error without a display
//   showcase_form --host=headless [OUT.png]
//   showcase_form --form=FILE         another form file (default: the source tree's)
//   showcase_form --quit-after=MS     closes itself after MS milliseconds
//
// The picture goes to OUT.png, by default out/showcase_form.png.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include "ShowcaseHost.h"
#include "showcase_form/ShowcaseForm.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "platform/hosts/headless/Headless.h"

using namespace vcl;

namespace {

int RenderPicture(const showcase::THostOptions& O) {
  std::unique_ptr<TForm> form = showcase::LoadShowcaseForm(O.Own);
  form->Show();
  const std::filesystem::path path(O.Picture);
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::unique_ptr<TBitmap> picture = headless::Snapshot(form.get());
  picture->SaveToFile(FromUTF8(O.Picture));
  std::printf("showcase_form: wrote %s (%d x %d)\n", O.Picture.c_str(), picture->Width(), picture->Height());
  return 0;
}

int RunWindow(const showcase::THostOptions& O) {
  std::unique_ptr<TForm> form = showcase::LoadShowcaseForm(O.Own);
  return showcase::RunMainForm(*form, O.QuitAfter);
}

}  // namespace

int main(int argc, char** argv) {
  showcase::THostOptions options;
  options.Picture = "out/showcase_form.png";
  options.Own = showcase::DefaultFormFile();
  if (!showcase::ParseHostOptions(argc, argv, "--form=", options)) {
    std::fprintf(stderr,
                 "usage: showcase_form [--host=x11|headless] [--form=FILE] [--quit-after=MS] [OUT.png]\n");
    return 2;
  }
  try {
    return showcase::RunOnHost("showcase_form", options, [&] { return RunWindow(options); },
                               [&] { return RenderPicture(options); });
  } catch (const Exception& e) {
    std::fprintf(stderr, "showcase_form: %s: %s\n", options.Own.c_str(), ToUTF8(e.Message()).c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "showcase_form: %s\n", e.what());
  }
  return 1;
}
