// What the showcase programs share: their command line and the choice
// between a window on the X display and a picture.
//
//   PROGRAM [--host=x11|headless] [--quit-after=MS] [OWN=VALUE] [OUT.png]
//
// VYR_HOST (x11 or headless) chooses like --host. Without --host a window
// opens when a display does; --host=x11 without a display is an error.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Forms.h"
#if VYR_HAVE_X11
#include "platform/hosts/x11/X11.h"
#endif

namespace showcase {

struct THostOptions {
  std::string Host;     // "", "x11" or "headless"
  std::string Picture;  // where the headless picture goes
  std::string Own;      // the value of the program's own option
  int QuitAfter = 0;    // milliseconds; 0 keeps the window open
};

// Reads the command line into O (Picture and Own keep their defaults when
// not given); OwnOption is the program's own option with its "=", such as
// "--page=". False for anything else.
inline bool ParseHostOptions(int argc, char** argv, const std::string& OwnOption, THostOptions& O) {
  if (const char* env = std::getenv("VYR_HOST")) O.Host = env;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a.rfind("--host=", 0) == 0) {
      O.Host = a.substr(7);
    } else if (a.rfind(OwnOption, 0) == 0) {
      O.Own = a.substr(OwnOption.size());
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

// Runs the application with Form as its main form until it closes; with
// QuitAfter it closes itself after that many milliseconds.
inline int RunMainForm(vcl::TForm& Form, int QuitAfter) {
  vcl::Application.SetMainForm(&Form);
  vcl::HWND quit = nullptr;
  if (QuitAfter > 0) {
    quit = vcl::AllocateHWnd([&Form](vcl::TMessage& M) {
      if (M.Msg == vcl::WM_TIMER) Form.Close();
    });
    vcl::SetTimer(quit, 1, static_cast<vcl::UINT>(QuitAfter));
  }
  vcl::Application.Run();
  if (quit != nullptr) vcl::DeallocateHWnd(quit);
  return 0;
}

// Window() on the X display when one opens (and the host is not headless),
// otherwise Picture(); asked for x11 without a display it says so and
// returns 1.
template <class FWindow, class FPicture>
int RunOnHost(const char* Program, const THostOptions& O, FWindow Window, FPicture Picture) {
  bool window = false;
#if VYR_HAVE_X11
  if (O.Host != "headless") window = vcl::UseX11Host();
#endif
  if (window) return Window();
  if (O.Host == "x11") {
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "%s: no X display to open (DISPLAY is %s)\n", Program,
                 display != nullptr ? display : "not set");
    return 1;
  }
  return Picture();
}

}  // namespace showcase
