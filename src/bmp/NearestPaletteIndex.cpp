#include "bmp/NearestPaletteIndex.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace quindle {

PaletteSearch::PaletteSearch(const BitmapImage& image) {
  const auto palette = image.Palette();
  count_ = static_cast<std::int32_t>(std::min<std::size_t>(palette.size(), blue_.size()));
  for (std::int32_t i = 0; i < count_; ++i) {
    const ColorQuad entry = palette[static_cast<std::size_t>(i)];
    blue_[static_cast<std::size_t>(i)] = entry.blue;
    green_[static_cast<std::size_t>(i)] = entry.green;
    red_[static_cast<std::size_t>(i)] = entry.red;
  }
}

std::uint8_t PaletteSearch::Nearest(ColorQuad color) const {
  // The first entry at the smallest distance is what a strict-less scan that
  // stops at an exact match finds.
  std::int32_t best = std::numeric_limits<std::int32_t>::max();
  std::int32_t bestIndex = 0;
  for (std::int32_t i = 0; i < count_; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const std::int32_t db = blue_[index] - color.blue;
    const std::int32_t dg = green_[index] - color.green;
    const std::int32_t dr = red_[index] - color.red;
    const std::int32_t distance = db * db + dg * dg + dr * dr;
    if (distance < best) {
      best = distance;
      bestIndex = i;
      if (distance == 0) {
        break;
      }
    }
  }
  return static_cast<std::uint8_t>(bestIndex);
}

std::uint8_t NearestPaletteIndex(const BitmapImage& image, ColorQuad color) {
  return PaletteSearch(image).Nearest(color);
}

}  // namespace quindle
