// The package's named bitmaps (CHECKBOX, SEGHORZ, ...), embedded in the
// library and loaded by name.
#pragma once

#include <memory>
#include <vector>

#include "platform/Graphics.h"

namespace vyr {

// The names of every bitmap the controls draw from.
const std::vector<vcl::String>& NamedBitmapNames();

// Loads the named bitmap into Bitmap; vcl::EResNotFound (and Bitmap left as
// it was) for an unknown name.
void LoadNamedBitmap(vcl::TBitmap& Bitmap, const vcl::String& Name);
// A new bitmap holding the named one.
std::unique_ptr<vcl::TBitmap> NamedBitmap(const vcl::String& Name);

}  // namespace vyr
