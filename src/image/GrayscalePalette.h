#pragma once

#include "image/BitmapImage.h"

namespace quindle {

// Evenly spaced grey levels from black to white; false at depths 16, 24, 32.
bool FillGrayscalePalette(BitmapImage& image);

}  // namespace quindle
