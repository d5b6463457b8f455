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

#include "showcase_form/ShowcaseForm.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "platform/hosts/headless/Headless.h"
#if VYR_HAVE_X11
#include "platform/hosts/x11/X11.h"
#endif

using namespace vcl;

namespace {

struct Options {
  std::string Host;  // "", "x11" or "headless"
  std::string Form = showcase::DefaultFormFile();
  std::string Picture = "out/showcase_form.png";
  int QuitAfter = 0;
};

bool ParseOptions(int argc, char** argv, Options& O) {
  if (const char* env = std::getenv("VYR_HOST")) O.Host = env;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a.rfind("--host=", 0) == 0) {
      O.Host = a.substr(7);
    } else if (a.rfind("--form=", 0) == 0) {
      O.Form = a.substr(7);
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
  std::unique_ptr<TForm> form = showcase::LoadShowcaseForm(O.Form);
  form->Show();
  const std::filesystem::path path(O.Picture);
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::unique_ptr<TBitmap> picture = headless::Snapshot(form.get());
  picture->SaveToFile(FromUTF8(O.Picture));
  std::printf("showcase_form: wrote %s (%d x %d)\n", O.Picture.c_str(), picture->Width(), picture->Height());
  return 0;
}

int RunWindow(const Options& O) {
  std::unique_ptr<TForm> form = showcase::LoadShowcaseForm(O.Form);
  Application.SetMainForm(form.get());
  HWND quit = nullptr;
  if (O.QuitAfter > 0) {
    quit = AllocateHWnd([&form](TMessage& M) {
      if (M.Msg == WM_TIMER) form->Close();
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
    std::fprintf(stderr,
                 "usage: showcase_form [--host=x11|headless] [--form=FILE] [--quit-after=MS] [OUT.png]\n");
    return 2;
  }
  try {
    bool window = false;
#if VYR_HAVE_X11
    if (options.Host != "headless") window = UseX11Host();
#endif
    if (window) return RunWindow(options);
    if (options.Host == "x11") {
      std::fprintf(stderr, "showcase_form: no X display to open (DISPLAY is %s)\n",
                   std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "not set");
      return 1;
    }
    return RenderPicture(options);
  } catch (const Exception& e) {
    std::fprintf(stderr, "showcase_form: %s: %s\n", options.Form.c_str(), ToUTF8(e.Message()).c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "showcase_form: %s\n", e.what());
  }
  return 1;
}
