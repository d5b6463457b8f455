// The X11 host: top-level forms are windows on an X display.
//
// A program chooses it at start, before it makes any window:
//
//   if (!vcl::UseX11Host()) { /* no display: stay headless */ }
//
// Everything else goes through the framework as on any host: forms are
// shown, painted and closed, input arrives through Application.Run or
// ProcessMessages, the clipboard is the display's CLIPBOARD selection,
// popup menus and drop-downs are windows of their own with the pointer
// grabbed, MessageBeep rings the display's bell.
#pragma once

#include <functional>
#include <memory>

#include "platform/Graphics.h"

namespace vcl {

class TCustomForm;

struct TX11Options {
  // The display to open; nullptr means the DISPLAY environment variable.
  const char* Display = nullptr;
  // Put pictures through the MIT shared-memory extension when the display
  // offers it (a local display); off, every picture goes through the wire.
  bool SharedMemory = true;
};

// Opens the display and makes the X11 host the process's host. False when
// the display cannot be opened; the current host then stays. Calling it
// again while the X11 host is installed does nothing and returns true.
bool UseX11Host(const TX11Options& Options = {});

namespace x11 {

// True when the process's host is the X11 host.
bool Active();
// The X window of a shown form (0 when the form has none).
unsigned long WindowOf(const TCustomForm& Form);
// The X window of the popup menu level open now, innermost (0 when none).
unsigned long OpenMenuWindow();
// True when the form's window is mapped and has been exposed at least once,
// so what is put on it is on the screen.
bool IsOnScreen(const TCustomForm& Form);
// True when pictures go through shared memory.
bool UsesSharedMemory();
// The pixels of the form's window as the display holds them (read back
// from the X server), or nullptr when the form has no window.
std::unique_ptr<TBitmap> Screenshot(const TCustomForm& Form);
// Runs the message loop until Done returns true or TimeoutMs milliseconds
// pass; returns Done's last answer.
bool ProcessUntil(const std::function<bool()>& Done, int TimeoutMs);

}  // namespace x11
}  // namespace vcl
