#include "utilities/PixelCopy.h"

#include <algorithm>

namespace quindle {
namespace {

bool SameColor(const ColorQuad& a, const ColorQuad& b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// The clamped range, in 64 bits so that no bound or position can overflow.
struct Range {
  std::int64_t left, right, firstRow, lastRow;
};

Range ClampRange(const BitmapImage& source, std::int64_t left, std::int64_t right,
                 std::int64_t rowBound, std::int64_t otherRowBound,
                 const BitmapImage& destination, std::int64_t destinationX,
                 std::int64_t destinationY) {
  Range range{left, right, std::min(rowBound, otherRowBound), std::max(rowBound, otherRowBound)};
  range.right = std::min<std::int64_t>(range.right, source.Width() - 1);
  range.left = std::max<std::int64_t>(range.left, 0);
  range.lastRow = std::min<std::int64_t>(range.lastRow, source.Height() - 1);
  range.firstRow = std::max<std::int64_t>(range.firstRow, 0);
  // Cut off at the destination's right and bottom edges only.
  if (range.right - range.left + destinationX >= destination.Width()) {
    range.right = range.left - destinationX + destination.Width() - 1;
  }
  if (range.lastRow - range.firstRow + destinationY >= destination.Height()) {
    range.lastRow = range.firstRow - destinationY + destination.Height() - 1;
  }
  return range;
}

// Visits the range row by row; `copy` receives source and destination positions.
template <typename Copy>
void ForEachInRegion(const BitmapImage& source, std::int32_t left, std::int32_t right,
                     std::int32_t rowBound, std::int32_t otherRowBound,
                     const BitmapImage& destination, std::int32_t destinationX,
                     std::int32_t destinationY, Copy copy) {
  const Range range = ClampRange(source, left, right, rowBound, otherRowBound, destination,
                                 destinationX, destinationY);
  for (std::int64_t y = range.firstRow; y <= range.lastRow; ++y) {
    for (std::int64_t x = range.left; x <= range.right; ++x) {
      // Both positions lie within 32 bits: the source ones inside the source,
      // the destination ones below its right and bottom edges.
      copy(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
           static_cast<std::int32_t>(destinationX + x - range.left),
           static_cast<std::int32_t>(destinationY + y - range.firstRow));
    }
  }
}

}  // namespace

void CopyPixel(const BitmapImage& source, std::int32_t sourceX, std::int32_t sourceY,
               BitmapImage& destination, std::int32_t destinationX, std::int32_t destinationY) {
  destination.PixelAt(destinationX, destinationY) = source.ReadPixel(sourceX, sourceY);
}

void CopyPixelUnlessColor(const BitmapImage& source, std::int32_t sourceX, std::int32_t sourceY,
                          BitmapImage& destination, std::int32_t destinationX,
                          std::int32_t destinationY, const ColorQuad& key) {
  const ColorQuad pixel = source.ReadPixel(sourceX, sourceY);
  if (!SameColor(pixel, key)) {
    destination.PixelAt(destinationX, destinationY) = pixel;
  }
}

void CopyRegion(const BitmapImage& source, std::int32_t left, std::int32_t right,
                std::int32_t rowBound, std::int32_t otherRowBound, BitmapImage& destination,
                std::int32_t destinationX, std::int32_t destinationY) {
  ForEachInRegion(source, left, right, rowBound, otherRowBound, destination, destinationX,
                  destinationY, [&](std::int32_t sx, std::int32_t sy, std::int32_t dx, std::int32_t dy) {
                    CopyPixel(source, sx, sy, destination, dx, dy);
                  });
}

void CopyRegionUnlessColor(const BitmapImage& source, std::int32_t left, std::int32_t right,
                           std::int32_t rowBound, std::int32_t otherRowBound,
                           BitmapImage& destination, std::int32_t destinationX,
                           std::int32_t destinationY, const ColorQuad& key) {
  ForEachInRegion(source, left, right, rowBound, otherRowBound, destination, destinationX,
                  destinationY, [&](std::int32_t sx, std::int32_t sy, std::int32_t dx, std::int32_t dy) {
                    CopyPixelUnlessColor(source, sx, sy, destination, dx, dy, key);
                  });
}

}  // namespace quindle
