#pragma once

#include <array>
#include <cstdint>

#include "image/ColorQuad.h"

namespace quindle {

// One table per channel, mapping each component value to a new one; alpha
// is kept. The writer can apply them to each pixel as it encodes it.
struct ChannelTables {
  std::array<std::uint8_t, 256> red;
  std::array<std::uint8_t, 256> green;
  std::array<std::uint8_t, 256> blue;

  ColorQuad operator()(const ColorQuad& pixel) const {
    return ColorQuad{blue[pixel.blue], green[pixel.green], red[pixel.red], pixel.alpha};
  }
};

}  // namespace quindle
