#include <cstddef>
#include <cstdint>

#include "bmp/RowCodecs.h"

namespace quindle {
namespace {

bool FitsRow(const BitmapImage& image, std::int64_t bytesPerPixel, std::int32_t length) {
  return bytesPerPixel * image.Width() <= length;
}

ColorQuad* GridOf(BitmapImage& image) { return image.Pixels().data(); }
const ColorQuad* GridOf(const BitmapImage& image) { return image.Pixels().data(); }

std::size_t Offset(const BitmapImage& image, std::int32_t x, std::int32_t y) {
  return static_cast<std::size_t>(x) * static_cast<std::size_t>(image.Height()) +
         static_cast<std::size_t>(y);
}

void EncodeDirectRun(const BitmapImage& image, std::int32_t depth, std::uint8_t* data,
                     PixelRun run) {
  const ColorQuad* grid = GridOf(image);
  const auto step = static_cast<std::size_t>(image.Height());
  const ColorQuad* pixel = grid + Offset(image, run.firstX, run.y);
  if (depth == 32) {
    for (std::int32_t i = 0; i < run.count; ++i, data += 4, pixel += step) {
      data[0] = pixel->blue;
      data[1] = pixel->green;
      data[2] = pixel->red;
      data[3] = pixel->alpha;
    }
  } else {
    for (std::int32_t i = 0; i < run.count; ++i, data += 3, pixel += step) {
      data[0] = pixel->blue;
      data[1] = pixel->green;
      data[2] = pixel->red;
    }
  }
}

}  // namespace

void DecodeDirectRun(BitmapImage& image, std::int32_t depth, const std::uint8_t* data,
                     PixelRun run) {
  ColorQuad* grid = GridOf(image);
  const auto step = static_cast<std::size_t>(image.Height());
  ColorQuad* pixel = grid + Offset(image, run.firstX, run.y);
  if (depth == 32) {
    for (std::int32_t i = 0; i < run.count; ++i, data += 4, pixel += step) {
      *pixel = ColorQuad{data[0], data[1], data[2], data[3]};
    }
  } else {
    // 24-bit files carry no alpha; the pixel keeps its own.
    for (std::int32_t i = 0; i < run.count; ++i, data += 3, pixel += step) {
      pixel->blue = data[0];
      pixel->green = data[1];
      pixel->red = data[2];
    }
  }
}


bool DecodeRow24(BitmapImage& image, const std::uint8_t* buffer, std::int32_t length,
                 std::int32_t y) {
  if (!FitsRow(image, 3, length)) return false;
  DecodeDirectRun(image, 24, buffer, PixelRun{0, image.Width(), y});
  return true;
}

bool DecodeRow32(BitmapImage& image, const std::uint8_t* buffer, std::int32_t length,
                 std::int32_t y) {
  if (!FitsRow(image, 4, length)) return false;
  DecodeDirectRun(image, 32, buffer, PixelRun{0, image.Width(), y});
  return true;
}

bool EncodeRow24(const BitmapImage& image, std::uint8_t* buffer, std::int32_t length,
                 std::int32_t y) {
  if (!FitsRow(image, 3, length)) return false;
  EncodeDirectRun(image, 24, buffer, PixelRun{0, image.Width(), y});
  return true;
}

bool EncodeRow32(const BitmapImage& image, std::uint8_t* buffer, std::int32_t length,
                 std::int32_t y) {
  if (!FitsRow(image, 4, length)) return false;
  EncodeDirectRun(image, 32, buffer, PixelRun{0, image.Width(), y});
  return true;
}

}  // namespace quindle
