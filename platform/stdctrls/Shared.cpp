#include "platform/stdctrls/Shared.h"

#include "platform/controls/Internal.h"

namespace vcl::stdctrls {

bool FocusOnClick(TWinControl* Control) {
  if (Control->Focused() || !Control->CanFocus()) return true;
  try {
    Control->SetFocus();
  } catch (const EInvalidOperation&) {
    // The form cannot take the focus now; the click still works.
  }
  return detail::IsAlive(Control);
}

}  // namespace vcl::stdctrls
