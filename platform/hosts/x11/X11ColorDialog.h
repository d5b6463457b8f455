// The color dialog of the X11 host: a modal form of the framework's own
// controls (internal to the X11 host).
#pragma once

#include "platform/Dialogs.h"

namespace vcl::x11 {

// Shows the dialog modally, starting at Dialog.Color(); stores the chosen
// color and returns true when it is accepted.
bool RunColorDialog(TColorDialog& Dialog);

}  // namespace vcl::x11
