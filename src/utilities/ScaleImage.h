#pragma once

#include <cstdint>

#include "image/BitmapImage.h"

namespace quindle {

// Rescales the image in place by bilinear interpolation; it comes out at depth
// 24 without palette. The mode, in either case, picks the new size:
//   P  size percent of both sides
//   W  width `size`, height in proportion
//   H  height `size`, width in proportion
//   F  W for a wide image, H otherwise: fit into a square of side `size`
// Sides below 1 become 1. False, leaving pixels, size, depth and palette as
// they were, for any other mode and for a new grid beyond the reader's pixel
// limit. Either way a resolution field that was 0 now holds the default, as
// the copy the pixels are read from was made.
bool ScaleImage(BitmapImage& image, char mode, std::int32_t size);

}  // namespace quindle
