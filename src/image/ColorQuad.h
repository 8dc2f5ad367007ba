#pragma once

#include <cstdint>

namespace quindle {

// One pixel or one palette entry, in the byte order of a BMP palette entry.
struct ColorQuad {
  std::uint8_t blue = 0;
  std::uint8_t green = 0;
  std::uint8_t red = 0;
  std::uint8_t alpha = 0;

  friend constexpr bool operator==(const ColorQuad&, const ColorQuad&) = default;
};

static_assert(sizeof(ColorQuad) == 4, "a ColorQuad is the four bytes of a palette entry");

// The colour of a fresh pixel and of every missing palette entry.
inline constexpr ColorQuad kWhite{255, 255, 255, 0};

constexpr ColorQuad MakeColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                              std::uint8_t alpha = 0) {
  return ColorQuad{blue, green, red, alpha};
}

}  // namespace quindle
