// The operating-system calls the components use, reproduced by the platform:
// GDI (raster operations, stretching, fonts, MulDiv) and messages, timers,
// message windows and virtual keys.
#pragma once

#include "platform/WinapiGdi.h"
#include "platform/WinapiMessages.h"
