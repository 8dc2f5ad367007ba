#include "image/BitmapImage.h"

#include <new>

#include "image/IntegerPower.h"
#include "image/StandardPalettes.h"

namespace quindle {

bool IsIndexedDepth(std::int32_t depth) { return depth == 1 || depth == 4 || depth == 8; }

bool IsSupportedDepth(std::int32_t depth) {
  return IsIndexedDepth(depth) || depth == 16 || depth == 24 || depth == 32;
}

BitmapImage::BitmapImage() : pixels_(1, kWhite) {}

std::size_t BitmapImage::ClampedIndex(std::int32_t x, std::int32_t y) const {
  if (x >= width_) x = width_ - 1;
  if (x < 0) x = 0;
  if (y >= height_) y = height_ - 1;
  if (y < 0) y = 0;
  return static_cast<std::size_t>(x) * static_cast<std::size_t>(height_) +
         static_cast<std::size_t>(y);
}

bool BitmapImage::WritePixel(std::int32_t x, std::int32_t y, ColorQuad color) {
  pixels_[static_cast<std::size_t>(x) * static_cast<std::size_t>(height_) +
          static_cast<std::size_t>(y)] = color;
  return true;
}

std::int32_t BitmapImage::PaletteSize() const {
  return bitDepth_ == 32 ? IntegerPower(2, 24) : IntegerPower(2, bitDepth_);
}

ColorQuad BitmapImage::PaletteEntry(std::int32_t index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= palette_.size()) {
    return kWhite;
  }
  return palette_[static_cast<std::size_t>(index)];
}

bool BitmapImage::SetPaletteEntry(std::int32_t index, ColorQuad color) {
  if (index < 0 || static_cast<std::size_t>(index) >= palette_.size()) {
    return false;
  }
  palette_[static_cast<std::size_t>(index)] = color;
  return true;
}

bool BitmapImage::SetDepth(std::int32_t depth) {
  if (!IsSupportedDepth(depth)) {
    return false;
  }
  bitDepth_ = depth;
  palette_.clear();
  if (IsIndexedDepth(depth)) {
    palette_.resize(static_cast<std::size_t>(IntegerPower(2, depth)));
    FillStandardPalette();
  } else {
    palette_.shrink_to_fit();
  }
  return true;
}

bool BitmapImage::SetDimensions(std::int32_t newWidth, std::int32_t newHeight) {
  if (newWidth < 1 || newHeight < 1) {
    return false;
  }
  // Release the old grid first so that the old and the new never coexist.
  pixels_ = decltype(pixels_)();
  try {
    pixels_.assign(static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight),
                   kWhite);
  } catch (...) {
    pixels_.assign(1, kWhite);
    width_ = 1;
    height_ = 1;
    throw std::bad_alloc();
  }
  width_ = newWidth;
  height_ = newHeight;
  return true;
}

bool BitmapImage::FillStandardPalette() { return WriteStandardPalette(bitDepth_, palette_); }

}  // namespace quindle
