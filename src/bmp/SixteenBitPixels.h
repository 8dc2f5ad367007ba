#pragma once

#include <cstdint>

#include "image/ColorQuad.h"

namespace quindle {

// Which bits of a 16-bit pixel word hold each channel.
struct ChannelMasks {
  std::uint16_t red = 0x7C00;
  std::uint16_t green = 0x03E0;
  std::uint16_t blue = 0x001F;
};

// The masks every 16-bit file is written with: red 5, green 6, blue 5 bits.
inline constexpr ChannelMasks kFiveSixFiveMasks{0xF800, 0x07E0, 0x001F};

// Expands pixel words: each channel's masked bits, shifted down until the mask
// is at most 31 (so only its top five bits count), times 8.
class SixteenBitDecoder {
 public:
  explicit SixteenBitDecoder(ChannelMasks masks);
  // Sets red, green and blue; alpha is the pixel's own.
  void Apply(std::uint16_t word, ColorQuad& pixel) const {
    pixel.red = Channel(word, masks_.red, redShift_);
    pixel.green = Channel(word, masks_.green, greenShift_);
    pixel.blue = Channel(word, masks_.blue, blueShift_);
  }

 private:
  static std::uint8_t Channel(std::uint16_t word, std::uint16_t mask, unsigned shift) {
    return static_cast<std::uint8_t>((static_cast<unsigned>(word & mask) >> shift) * 8u);
  }

  ChannelMasks masks_;
  unsigned redShift_;
  unsigned greenShift_;
  unsigned blueShift_;
};

// The 5-6-5 word of a pixel: the top bits of red, green and blue.
inline std::uint16_t EncodeFiveSixFive(ColorQuad pixel) {
  return static_cast<std::uint16_t>((pixel.red >> 3) << 11 | (pixel.green >> 2) << 5 |
                                    (pixel.blue >> 3));
}

}  // namespace quindle
