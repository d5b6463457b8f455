// What several standard controls share beyond drawing: taking the focus on
// a click, and the form-file defaults of window-colored controls.
#pragma once

#include "platform/Controls.h"
#include "platform/Streaming.h"

namespace vcl::stdctrls {

// Gives a pressed control the focus, as a press on a window does (a
// control outside a form that can take it keeps working without). False
// when a handler freed the control meanwhile.
bool FocusOnClick(TWinControl* Control);

// Color clWindow, ParentColor false and TabStop true as stored defaults.
template <class T>
TClassRegistration<T>& WindowColored(TClassRegistration<T>& R) {
  return R.Color(u"Color", &TControl::Color, &TControl::SetColor, clWindow)
      .Stored([](const TControl& c) { return !c.ParentColor(); })
      .Property(u"ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
      .Property(u"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true);
}

}  // namespace vcl::stdctrls
