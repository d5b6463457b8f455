// How a bar asks its host to show a change (internal to the scroll bar).
#pragma once

#include "platform/Controls.h"
#include "platform/controls/Internal.h"

namespace vcl::scrollbar {

// Marks the host for painting, unless its window is painting right now:
// then the host is bringing its bars up to date on the way and draws them
// next, and marking it again would only paint it twice.
inline void InvalidateHost(TControl* Host) {
  TWinControl* top = Host->TopLevelWindow();
  if (top != nullptr && ControlAccess::Painting(top)) return;
  Host->Invalidate();
}

}  // namespace vcl::scrollbar
