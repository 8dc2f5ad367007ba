#pragma once

#include <array>
#include <cstdint>

#include "bmp/ChannelTables.h"
#include "image/BitmapImage.h"

namespace quindle {

// The factor for a percentage, in single precision with a rounding after each
// step: 100 gives 1; above 100, (p - 100) * 0.01 + 1 (108 gives 1.0800000429);
// below, p * 0.01.
float ChannelFactor(std::int32_t percent);

// A component times its factor, truncated toward zero and clamped to 0..255.
std::uint8_t AdjustComponent(std::uint8_t value, float factor);

// AdjustComponent for every component value, computed once per channel.
using ChannelTable = std::array<std::uint8_t, 256>;
ChannelTable MakeChannelTable(float factor);
ChannelTables MakeBrightnessTables(std::int32_t redPercent, std::int32_t greenPercent,
                                   std::int32_t bluePercent);

// Scales red, green and blue of every pixel once; alpha and the palette are
// left as they are. Allocates nothing.
void ApplyChannelBrightness(BitmapImage& image, std::int32_t redPercent,
                            std::int32_t greenPercent, std::int32_t bluePercent);

}  // namespace quindle
