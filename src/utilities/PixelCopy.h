#pragma once

#include <cstdint>

#include "image/BitmapImage.h"

namespace quindle {

// Pixel copies between images, or within one image. Every position goes
// through PixelAt, so positions outside an image name its nearest edge pixel.

// The destination pixel receives the source pixel, all four bytes.
void CopyPixel(const BitmapImage& source, std::int32_t sourceX, std::int32_t sourceY,
               BitmapImage& destination, std::int32_t destinationX, std::int32_t destinationY);

// As CopyPixel, unless the source pixel's red, green and blue equal the key's
// (alpha is not compared).
void CopyPixelUnlessColor(const BitmapImage& source, std::int32_t sourceX, std::int32_t sourceY,
                          BitmapImage& destination, std::int32_t destinationX,
                          std::int32_t destinationY, const ColorQuad& key);

// Copies source columns left..right and the rows between the two row bounds
// (inclusive, in either order) so that (left, first row) lands on the
// destination position. The range is clamped to the source and cut off at the
// destination's right and bottom edges only; pixels that fall left of or
// above the destination land on its first column or row. Pixels are copied
// row by row with no intermediate copy.
void CopyRegion(const BitmapImage& source, std::int32_t left, std::int32_t right,
                std::int32_t rowBound, std::int32_t otherRowBound, BitmapImage& destination,
                std::int32_t destinationX, std::int32_t destinationY);

// As CopyRegion, skipping source pixels whose red, green and blue equal the key's.
void CopyRegionUnlessColor(const BitmapImage& source, std::int32_t left, std::int32_t right,
                           std::int32_t rowBound, std::int32_t otherRowBound,
                           BitmapImage& destination, std::int32_t destinationX,
                           std::int32_t destinationY, const ColorQuad& key);

}  // namespace quindle
