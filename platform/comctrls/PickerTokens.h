// The date-time picker's parsed format, shared by its implementation files.
#pragma once

#include <vector>

#include "platform/ComCtrls.h"
#include "platform/comctrls/PickerFormat.h"

namespace vcl {

// The format in use as tokens, and which tokens are the editable fields.
struct TDateTimePicker::TTokens {
  String Source;
  comctrls::TPickerTokens Tokens;
  std::vector<int> Fields;
};

}  // namespace vcl
