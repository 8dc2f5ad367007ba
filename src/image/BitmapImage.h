#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "image/ColorQuad.h"
#include "image/PixelBlockAllocator.h"

namespace quindle {

// Resolution written when an image records none.
inline constexpr std::int32_t kDefaultPixelsPerMeter = 3780;

// An in-memory image: full 8-bit colour per pixel whatever the depth; the depth
// only says how the image is stored in a file and whether it has a palette.
//
// The grid is one column-major block: pixel (x, y) is element x * height + y,
// y = 0 being the top row.
class BitmapImage {
 public:
  // A 1 x 1 image of depth 24 without palette or resolution.
  BitmapImage();
  // A copy with the source's depth, size, palette and pixels, and its
  // resolution carried over in whole dots per inch. The source is modifiable
  // because reading its resolution stores the default into a field that is 0.
  explicit BitmapImage(BitmapImage& source);
  BitmapImage(const BitmapImage&) = delete;
  BitmapImage& operator=(const BitmapImage&) = delete;
  BitmapImage(BitmapImage&&) = delete;
  BitmapImage& operator=(BitmapImage&&) = delete;
  ~BitmapImage() = default;

  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  std::int32_t Depth() const { return bitDepth_; }

  // Indices outside the grid are brought to the nearest edge pixel. The
  // reference lives until the next SetDimensions.
  ColorQuad& PixelAt(std::int32_t x, std::int32_t y) { return pixels_[ClampedIndex(x, y)]; }
  ColorQuad ReadPixel(std::int32_t x, std::int32_t y) const { return pixels_[ClampedIndex(x, y)]; }
  // No clamping: 0 <= x < width and 0 <= y < height are the caller's to keep.
  bool WritePixel(std::int32_t x, std::int32_t y, ColorQuad color);

  // Number of colours the depth can index (2^24 at depth 32).
  std::int32_t PaletteSize() const;
  bool HasPalette() const { return !palette_.empty(); }
  // White with alpha 0 when there is no such entry.
  ColorQuad PaletteEntry(std::int32_t index) const;
  bool SetPaletteEntry(std::int32_t index, ColorQuad color);

  // Accepts 1, 4, 8, 16, 24 and 32; every accepted call gives depths 1, 4 and 8
  // a fresh standard palette and drops any palette at other depths.
  bool SetDepth(std::int32_t depth);
  // Rebuilds the grid all white. On memory exhaustion the image is left
  // 1 x 1 and std::bad_alloc propagates.
  bool SetDimensions(std::int32_t newWidth, std::int32_t newHeight);
  bool FillStandardPalette();

  // Direct access for the codecs and utilities.
  std::span<ColorQuad> Pixels() { return pixels_; }
  std::span<const ColorQuad> Pixels() const { return pixels_; }
  std::span<ColorQuad> Column(std::int32_t x) {
    return {pixels_.data() + static_cast<std::size_t>(x) * static_cast<std::size_t>(height_),
            static_cast<std::size_t>(height_)};
  }
  std::span<const ColorQuad> Palette() const { return palette_; }

  std::int32_t xPixelsPerMeter = 0;
  std::int32_t yPixelsPerMeter = 0;

 private:
  std::size_t ClampedIndex(std::int32_t x, std::int32_t y) const;

  std::int32_t bitDepth_ = 24;
  std::int32_t width_ = 1;
  std::int32_t height_ = 1;
  std::vector<ColorQuad, PixelBlockAllocator<ColorQuad>> pixels_;
  std::vector<ColorQuad> palette_;
};

bool IsIndexedDepth(std::int32_t depth);
bool IsSupportedDepth(std::int32_t depth);

}  // namespace quindle
