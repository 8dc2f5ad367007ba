// Draws the sample test cards: colour bars, grey and colour ramps and a fine
// checkerboard, saved at 24 bits and at 8 bits on the standard palette.
//
//   make_test_card OUTPUT_24 OUTPUT_8
#include <cstdint>
#include <cstdio>

#include "bmp/BmpWriter.h"
#include "image/BitmapImage.h"

namespace {

using quindle::BitmapImage;
using quindle::ColorQuad;
using quindle::MakeColor;

constexpr std::int32_t kWidth = 320;
constexpr std::int32_t kHeight = 240;

ColorQuad CardPixel(std::int32_t x, std::int32_t y) {
  static constexpr ColorQuad kBars[] = {
      MakeColor(255, 255, 255), MakeColor(255, 255, 0), MakeColor(0, 255, 255),
      MakeColor(0, 255, 0),     MakeColor(255, 0, 255), MakeColor(255, 0, 0),
      MakeColor(0, 0, 255),     MakeColor(0, 0, 0)};
  const auto ramp = [](std::int32_t v, std::int32_t span) {
    return static_cast<std::uint8_t>(v * 255 / (span - 1));
  };
  if (y < 120) {
    return kBars[x * 8 / kWidth];
  }
  if (y < 160) {
    const std::uint8_t level = ramp(x, kWidth);
    return MakeColor(level, level, level);
  }
  if (y < 200) {
    const std::uint8_t level = ramp(x, kWidth);
    return MakeColor(level, static_cast<std::uint8_t>(255 - level), ramp(y - 160, 40));
  }
  const bool dark = ((x / 4) + (y / 4)) % 2 == 0;
  return dark ? MakeColor(32, 32, 32) : MakeColor(224, 224, 224);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_24 OUTPUT_8\n", argv[0]);
    return 2;
  }
  BitmapImage card;
  card.SetDimensions(kWidth, kHeight);
  for (std::int32_t x = 0; x < kWidth; ++x) {
    for (std::int32_t y = 0; y < kHeight; ++y) {
      card.PixelAt(x, y) = CardPixel(x, y);
    }
  }
  card.xPixelsPerMeter = card.yPixelsPerMeter = 3780;
  if (!quindle::Save(card, argv[1])) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  card.SetDepth(8);
  if (!quindle::Save(card, argv[2])) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
