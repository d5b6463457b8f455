// The error messages every control builds the same way: "Component \"Name\": "
// followed by the reason, and the numeric-cell message of the report
// classes. The exception classes carrying them derive from vyr::EVYRError.
#pragma once

#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Classes.h"

namespace vyr {

// "Component \"" + Name + "\": " + Reason.
vcl::String ComponentMessage(const vcl::String& Name, const vcl::String& Reason);
vcl::String ComponentMessage(const vcl::TComponent& Component, const vcl::String& Reason);

// Resizing an internal array failed.
vcl::String NotEnoughMemoryMessage(const vcl::TComponent& Component);
// Construction of one of the larger controls failed.
vcl::String InitFailedMessage(const vcl::TComponent& Component);
// Construction of the table editor failed.
vcl::String TableEditorInitFailedMessage(const vcl::TComponent& Component);
// The system refused a timer.
vcl::String NoTimerMessage(const vcl::TComponent& Component);

// "Class " + ClassName + ": invalid numeric string: [" + Col + "," + Row +
// "]: " + Text, for a cell whose stored text is not a number.
vcl::String InvalidNumericStringMessage(const vcl::String& ClassName, int Col, int Row,
                                        const vcl::String& Text);

}  // namespace vyr
