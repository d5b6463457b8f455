// Base package: the suite's root exception, shared enumerations, drawing
// helpers and name tables.
#pragma once

#include "platform/SysUtils.h"

namespace vyr {

// Root of every exception the companion packages and the components raise.
class EVYRError : public vcl::Exception {
 public:
  using vcl::Exception::Exception;
};

}  // namespace vyr
