#pragma once

#include <cstdint>
#include <span>

#include "image/ColorQuad.h"

namespace quindle {

// Writes the standard palette of an indexed depth (1, 4 or 8) into a palette of
// 2^depth entries; false, writing nothing, for any other depth or size.
bool WriteStandardPalette(std::int32_t depth, std::span<ColorQuad> palette);

}  // namespace quindle
