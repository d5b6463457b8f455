// Messages, virtual keys, hidden message windows and timers.
#pragma once

#include <cstdint>

namespace vcl {}  // namespace vcl
