#pragma once

#include <array>
#include <cstdint>

#include "image/BitmapImage.h"

namespace quindle {

// The index of the palette entry nearest to a colour by the summed squared
// difference of blue, green and red; the lowest index wins a tie. 0 for an
// image without a palette, whose every entry is the white fallback.
std::uint8_t NearestPaletteIndex(const BitmapImage& image, ColorQuad color);

// The same search over a copy of the palette taken once, for encoding many
// pixels: identical results, without per-pixel palette look-ups.
class PaletteSearch {
 public:
  explicit PaletteSearch(const BitmapImage& image);
  std::uint8_t Nearest(ColorQuad color) const;

 private:
  std::uint8_t NearestByScan(ColorQuad color) const;

  std::int32_t count_ = 0;
  // The palette as separate channels, ready for vector arithmetic.
  alignas(64) std::array<std::int32_t, 256> blue_{};
  alignas(64) std::array<std::int32_t, 256> green_{};
  alignas(64) std::array<std::int32_t, 256> red_{};
};

}  // namespace quindle
