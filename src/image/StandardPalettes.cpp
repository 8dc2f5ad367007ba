#include "image/StandardPalettes.h"

#include <array>
#include <cstddef>

namespace quindle {
namespace {

constexpr std::array<ColorQuad, 16> MakeFourBitPalette() {
  std::array<ColorQuad, 16> palette{};
  for (std::size_t n = 0; n < palette.size(); ++n) {
    const std::size_t bits = n < 8 ? n : n - 8;
    const std::uint8_t level = n < 8 ? 128 : 255;
    palette[n] = MakeColor((bits & 1) != 0 ? level : 0, (bits & 2) != 0 ? level : 0,
                           (bits & 4) != 0 ? level : 0);
  }
  palette[8] = MakeColor(192, 192, 192);
  return palette;
}

constexpr std::array<ColorQuad, 256> MakeEightBitPalette() {
  std::array<ColorQuad, 256> palette{};
  for (std::size_t n = 0; n < palette.size(); ++n) {
    palette[n] = MakeColor(static_cast<std::uint8_t>((n % 8) * 32),
                           static_cast<std::uint8_t>(((n / 8) % 8) * 32),
                           static_cast<std::uint8_t>((n / 64) * 64));
  }
  const auto fourBit = MakeFourBitPalette();
  for (std::size_t n = 0; n < 8; ++n) {
    palette[n] = fourBit[n];
  }
  palette[7] = MakeColor(192, 192, 192);
  palette[8] = MakeColor(192, 220, 192);
  palette[9] = MakeColor(166, 202, 240);
  palette[246] = MakeColor(255, 251, 240);
  palette[247] = MakeColor(160, 160, 164);
  palette[248] = MakeColor(128, 128, 128);
  palette[249] = MakeColor(255, 0, 0);
  palette[250] = MakeColor(0, 255, 0);
  palette[251] = MakeColor(255, 255, 0);
  palette[252] = MakeColor(0, 0, 255);
  palette[253] = MakeColor(255, 0, 255);
  palette[254] = MakeColor(0, 255, 255);
  palette[255] = MakeColor(255, 255, 255);
  return palette;
}

constexpr std::array<ColorQuad, 2> kOneBitPalette{MakeColor(0, 0, 0), MakeColor(255, 255, 255)};
constexpr std::array<ColorQuad, 16> kFourBitPalette = MakeFourBitPalette();
constexpr std::array<ColorQuad, 256> kEightBitPalette = MakeEightBitPalette();

template <std::size_t N>
bool CopyInto(const std::array<ColorQuad, N>& source, std::span<ColorQuad> palette) {
  if (palette.size() != N) {
    return false;
  }
  for (std::size_t i = 0; i < N; ++i) {
    palette[i] = source[i];
  }
  return true;
}

}  // namespace

bool WriteStandardPalette(std::int32_t depth, std::span<ColorQuad> palette) {
  switch (depth) {
    case 1:
      return CopyInto(kOneBitPalette, palette);
    case 4:
      return CopyInto(kFourBitPalette, palette);
    case 8:
      return CopyInto(kEightBitPalette, palette);
    default:
      return false;
  }
}

}  // namespace quindle
