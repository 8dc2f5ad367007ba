#include "bmp/NearestPaletteIndex.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace quindle {

namespace {

// The entry nearest to (b, g, r) among the first `count`, in one straight loop
// that the compiler vectorises; on ELF platforms a clone for each instruction
// set is picked at run time. Each entry's key is its distance times 256 plus
// its index, so the smallest key names the lowest index at the smallest
// distance: what a strict-less scan that stops at an exact match finds.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && defined(__ELF__)
__attribute__((target_clones("avx512f", "avx2", "default")))
#endif
std::int32_t NearestKey(const std::int32_t* blue, const std::int32_t* green,
                        const std::int32_t* red, std::size_t count, std::int32_t b,
                        std::int32_t g, std::int32_t r) {
  std::int32_t best = std::numeric_limits<std::int32_t>::max();
  for (std::size_t i = 0; i < count; ++i) {
    const std::int32_t db = blue[i] - b;
    const std::int32_t dg = green[i] - g;
    const std::int32_t dr = red[i] - r;
    const std::int32_t key = (db * db + dg * dg + dr * dr) * 256 + static_cast<std::int32_t>(i);
    best = std::min(best, key);
  }
  return best;
}

}  // namespace

PaletteSearch::PaletteSearch(const BitmapImage& image) {
  const auto palette = image.Palette();
  count_ = static_cast<std::int32_t>(std::min<std::size_t>(palette.size(), blue_.size()));
  for (std::int32_t i = 0; i < count_; ++i) {
    const ColorQuad entry = palette[static_cast<std::size_t>(i)];
    blue_[static_cast<std::size_t>(i)] = entry.blue;
    green_[static_cast<std::size_t>(i)] = entry.green;
    red_[static_cast<std::size_t>(i)] = entry.red;
  }
  // Entries past a short palette can never win: they lie beyond any real
  // distance, and their keys still fit in 32 bits.
  for (std::size_t i = static_cast<std::size_t>(count_); i < blue_.size(); ++i) {
    blue_[i] = green_[i] = red_[i] = 1000;
  }
}

std::uint8_t PaletteSearch::Nearest(ColorQuad color) const {
  if (count_ <= 16) {
    return NearestByScan(color);
  }
  // Whole vectors of entries; the padding past a short palette never wins.
  const std::size_t count = (static_cast<std::size_t>(count_) + 15) / 16 * 16;
  const std::int32_t key =
      NearestKey(blue_.data(), green_.data(), red_.data(), count, color.blue, color.green, color.red);
  return static_cast<std::uint8_t>(key & 0xFF);
}

std::uint8_t PaletteSearch::NearestByScan(ColorQuad color) const {
  // The strict-less scan with its stop at an exact match: quickest for the
  // two or sixteen entries of the smaller depths.
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
      if (distance == 0) break;
    }
  }
  return static_cast<std::uint8_t>(bestIndex);
}

std::uint8_t NearestPaletteIndex(const BitmapImage& image, ColorQuad color) {
  return PaletteSearch(image).Nearest(color);
}

}  // namespace quindle
