// Renders a form file to a picture on the headless host:
//
//   formview FORM.txt OUT.png
//
// The form is read with every registered class of the libraries (the
// platform's controls and the package's components), painted as it would be
// shown, and saved in the format the extension names (.png, .bmp, .jpg).
#include <cstdio>
#include <exception>
#include <memory>

#include "foundation/VYR_version.h"
#include "platform/Forms.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

namespace {

int Usage() {
  // Naming the package's version also keeps its library, and so the
  // registrations of its components, linked in.
  std::fprintf(stderr,
               "formview %s: renders a form file to a picture\n"
               "usage: formview FORM.txt OUT.png\n",
               vyr::PackageVersion());
  return 2;
}

int Render(const char* formFile, const char* pictureFile) {
  std::unique_ptr<vcl::TComponent> root = vcl::LoadFormFile(vcl::FromUTF8(formFile));
  auto* control = dynamic_cast<vcl::TControl*>(root.get());
  if (control == nullptr) {
    std::fprintf(stderr, "formview: %s holds a %s, which is not a control\n", formFile,
                 vcl::ToUTF8(root->ClassName()).c_str());
    return 1;
  }
  std::unique_ptr<vcl::TBitmap> picture = vcl::headless::Snapshot(control);
  picture->SaveToFile(vcl::FromUTF8(pictureFile));
  std::printf("formview: wrote %s (%d x %d)\n", pictureFile, picture->Width(), picture->Height());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  try {
    return Render(argv[1], argv[2]);
  } catch (const vcl::Exception& e) {
    std::fprintf(stderr, "formview: %s: %s\n", argv[1], e.what());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "formview: %s\n", e.what());
  }
  return 1;
}
