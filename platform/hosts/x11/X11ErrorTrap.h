// Catches the X errors of the requests made while it lives, instead of
// reporting them (internal to the X11 host; include after X11Host.h).
#pragma once

#include <X11/Xlib.h>

namespace vcl::x11 {

class TErrorTrap {
 public:
  explicit TErrorTrap(Display* Dpy);
  ~TErrorTrap();
  TErrorTrap(const TErrorTrap&) = delete;
  TErrorTrap& operator=(const TErrorTrap&) = delete;
  // Waits for the server to answer the requests so far; true when one failed.
  bool Failed();

 private:
  Display* FDisplay;
};

}  // namespace vcl::x11
