#pragma once

#include <string>
#include <system_error>

#include "image/BitmapImage.h"

namespace quindle::tool {

// Writes a 24-bit picture with `before` on the left and `after` on the right,
// each scaled down to at most half of 1024 pixels wide. Both images are
// rescaled in place.
std::error_code WritePreview(BitmapImage& before, BitmapImage& after, const std::string& path);

}  // namespace quindle::tool
