#include "utilities/Resolution.h"

#include <limits>

namespace quindle {
namespace {

constexpr double kInchesPerMeter = 39.37007874015748;
constexpr double kMetersPerInch = 0.0254;

// Truncation toward zero; values beyond 32 bits saturate instead of being
// undefined.
std::int32_t TruncateToInt32(double value) {
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  if (value <= kLowest) return std::numeric_limits<std::int32_t>::min();
  if (value >= kHighest) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

std::int32_t DpiOf(std::int32_t& pixelsPerMeter) {
  if (pixelsPerMeter == 0) {
    pixelsPerMeter = kDefaultPixelsPerMeter;
  }
  return TruncateToInt32(static_cast<double>(pixelsPerMeter) * kMetersPerInch);
}

}  // namespace

void SetResolutionDpi(BitmapImage& image, std::int32_t horizontalDpi, std::int32_t verticalDpi) {
  image.xPixelsPerMeter = TruncateToInt32(static_cast<double>(horizontalDpi) * kInchesPerMeter);
  image.yPixelsPerMeter = TruncateToInt32(static_cast<double>(verticalDpi) * kInchesPerMeter);
}

std::int32_t HorizontalDpi(BitmapImage& image) { return DpiOf(image.xPixelsPerMeter); }

std::int32_t VerticalDpi(BitmapImage& image) { return DpiOf(image.yPixelsPerMeter); }

}  // namespace quindle
