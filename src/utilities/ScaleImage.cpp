#include "utilities/ScaleImage.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "bmp/BmpLayout.h"

namespace quindle {
namespace {

struct Size {
  std::int32_t width;
  std::int32_t height;
};

char UpperCase(char mode) { return mode >= 'a' && mode <= 'z' ? static_cast<char>(mode - 'a' + 'A') : mode; }

// floor of a computed side; below 1 becomes 1, beyond 32 bits has no answer.
std::optional<std::int32_t> Side(double value) {
  const double floored = std::floor(value);
  if (floored >= 2147483648.0) return std::nullopt;
  return floored < 1.0 ? 1 : static_cast<std::int32_t>(floored);
}

std::optional<Size> NewSize(char mode, std::int32_t oldWidth, std::int32_t oldHeight,
                            std::int32_t size) {
  if (mode == 'F') {
    mode = oldWidth > oldHeight ? 'W' : 'H';
  }
  std::optional<std::int32_t> width;
  std::optional<std::int32_t> height;
  const double requested = size;
  switch (mode) {
    case 'P':
      // 64-bit products cannot overflow.
      width = Side(static_cast<double>(std::int64_t{oldWidth} * size) * 0.01);
      height = Side(static_cast<double>(std::int64_t{oldHeight} * size) * 0.01);
      break;
    case 'W':
      width = Side(requested);
      height = Side((requested / static_cast<double>(oldWidth)) * static_cast<double>(oldHeight));
      break;
    case 'H':
      width = Side((requested / static_cast<double>(oldHeight)) * static_cast<double>(oldWidth));
      height = Side(requested);
      break;
    default:
      return std::nullopt;
  }
  if (!width || !height || std::int64_t{*width} * *height > kMaxPixelCount) {
    return std::nullopt;
  }
  return Size{*width, *height};
}

std::uint8_t Truncate(double channel) {
  return static_cast<std::uint8_t>(std::clamp(channel, 0.0, 255.0));
}

// The old position of a new row or column: the corners map onto the corners.
struct Sample {
  std::int32_t index;
  double fraction;
};

Sample SampleAt(std::int32_t newIndex, std::int32_t oldSide, std::int32_t newSide) {
  const double position = static_cast<double>(newIndex) * (static_cast<double>(oldSide) - 1) /
                          (static_cast<double>(newSide) - 1);
  const double whole = std::floor(position);
  return Sample{static_cast<std::int32_t>(whole), position - whole};
}

ColorQuad Interior(const BitmapImage& source, Sample x, Sample y) {
  const ColorQuad s00 = source.ReadPixel(x.index, y.index);
  const ColorQuad s10 = source.ReadPixel(x.index + 1, y.index);
  const ColorQuad s01 = source.ReadPixel(x.index, y.index + 1);
  const ColorQuad s11 = source.ReadPixel(x.index + 1, y.index + 1);
  const double fx = x.fraction;
  const double fy = y.fraction;
  const double w11 = fx * fy;
  const double w00 = ((1 - fx) - fy) + w11;
  const double w01 = fy - w11;
  const double w10 = fx - w11;
  ColorQuad result{};
  // The order of the terms is part of the result: it decides the last bit.
  result.red = Truncate(s10.red * w10 + s01.red * w01 + s11.red * w11 + s00.red * w00);
  result.green = Truncate(s10.green * w10 + s01.green * w01 + s11.green * w11 + s00.green * w00);
  result.blue = Truncate(s11.blue * w11 + s00.blue * w00 + s10.blue * w10 + s01.blue * w01);
  return result;
}

// Linear between two pixels: far * f + near * (1 - f).
ColorQuad Between(ColorQuad nearPixel, ColorQuad farPixel, double f) {
  ColorQuad result{};
  result.red = Truncate(farPixel.red * f + nearPixel.red * (1 - f));
  result.green = Truncate(farPixel.green * f + nearPixel.green * (1 - f));
  result.blue = Truncate(farPixel.blue * f + nearPixel.blue * (1 - f));
  return result;
}

void Resample(const BitmapImage& source, BitmapImage& image) {
  const std::int32_t oldWidth = source.Width();
  const std::int32_t oldHeight = source.Height();
  const std::int32_t newWidth = image.Width();
  const std::int32_t newHeight = image.Height();
  for (std::int32_t j = 0; j + 1 < newHeight; ++j) {
    const Sample y = SampleAt(j, oldHeight, newHeight);
    for (std::int32_t i = 0; i + 1 < newWidth; ++i) {
      image.PixelAt(i, j) = Interior(source, SampleAt(i, oldWidth, newWidth), y);
    }
    image.PixelAt(newWidth - 1, j) =
        Between(source.ReadPixel(oldWidth - 1, y.index), source.ReadPixel(oldWidth - 1, y.index + 1),
                y.fraction);
  }
  for (std::int32_t i = 0; i + 1 < newWidth; ++i) {
    const Sample x = SampleAt(i, oldWidth, newWidth);
    image.PixelAt(i, newHeight - 1) =
        Between(source.ReadPixel(x.index, oldHeight - 1), source.ReadPixel(x.index + 1, oldHeight - 1),
                x.fraction);
  }
  image.PixelAt(newWidth - 1, newHeight - 1) = source.ReadPixel(oldWidth - 1, oldHeight - 1);
}

}  // namespace

bool ScaleImage(BitmapImage& image, char mode, std::int32_t size) {
  const BitmapImage source(image);
  const std::optional<Size> newSize = NewSize(UpperCase(mode), source.Width(), source.Height(), size);
  if (!newSize) {
    return false;
  }
  image.SetDimensions(newSize->width, newSize->height);
  image.SetDepth(24);
  Resample(source, image);
  return true;
}

}  // namespace quindle
