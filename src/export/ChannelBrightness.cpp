#include "export/ChannelBrightness.h"

#include <cstddef>

namespace quindle {

float ChannelFactor(std::int32_t percent) {
  constexpr float kHundredth = 0.01f;
  if (percent == 100) {
    return 1.0f;
  }
  const auto value = static_cast<float>(percent);
  if (percent > 100) {
    const float excess = value - 100.0f;
    const float scaled = excess * kHundredth;
    return scaled + 1.0f;
  }
  return value * kHundredth;
}

std::uint8_t AdjustComponent(std::uint8_t value, float factor) {
  const float product = static_cast<float>(value) * factor;
  if (product < 0.0f) {
    return 0;
  }
  if (product > 255.0f) {
    return 255;
  }
  return static_cast<std::uint8_t>(product);
}

ChannelTable MakeChannelTable(float factor) {
  ChannelTable table{};
  for (std::size_t value = 0; value < table.size(); ++value) {
    table[value] = AdjustComponent(static_cast<std::uint8_t>(value), factor);
  }
  return table;
}

ChannelTables MakeBrightnessTables(std::int32_t redPercent, std::int32_t greenPercent,
                                   std::int32_t bluePercent) {
  return ChannelTables{MakeChannelTable(ChannelFactor(redPercent)),
                       MakeChannelTable(ChannelFactor(greenPercent)),
                       MakeChannelTable(ChannelFactor(bluePercent))};
}

void ApplyChannelBrightness(BitmapImage& image, std::int32_t redPercent,
                            std::int32_t greenPercent, std::int32_t bluePercent) {
  const ChannelTables tables = MakeBrightnessTables(redPercent, greenPercent, bluePercent);
  // The grid is one block in column order, so one sweep visits every pixel once.
  for (ColorQuad& pixel : image.Pixels()) {
    pixel = tables(pixel);
  }
}

}  // namespace quindle
