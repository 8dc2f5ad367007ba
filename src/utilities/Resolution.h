#pragma once

#include <cstdint>

#include "image/BitmapImage.h"

namespace quindle {

// Sets both resolutions from dots per inch, truncating: 96 gives 3779 pixels
// per metre, 72 gives 2834.
void SetResolutionDpi(BitmapImage& image, std::int32_t horizontalDpi, std::int32_t verticalDpi);

// The resolution in whole dots per inch, truncated: 3780 gives 96. A field
// that is 0 first receives the default of 3780 pixels per metre.
std::int32_t HorizontalDpi(BitmapImage& image);
std::int32_t VerticalDpi(BitmapImage& image);

}  // namespace quindle
