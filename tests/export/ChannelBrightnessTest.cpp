#include "export/ChannelBrightness.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>

namespace quindle {
namespace {

TEST(ChannelFactor, SinglePrecisionStepByStep) {
  EXPECT_EQ(ChannelFactor(100), 1.0f);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(ChannelFactor(108)), std::bit_cast<std::uint32_t>(1.0800000429f));
  EXPECT_NE(ChannelFactor(108), 108.0f * 0.01f);  // the rule above 100 differs from p * 0.01
  EXPECT_EQ(ChannelFactor(30), 30.0f * 0.01f);
  EXPECT_EQ(ChannelFactor(0), 0.0f);
  EXPECT_LT(ChannelFactor(-1), 0.0f);
}

TEST(AdjustComponent, TruncatesAndClamps) {
  struct Case {
    std::int32_t percent;
    std::uint8_t value, expected;
  };
  const Case cases[] = {
      {100, 0, 0},     {100, 255, 255}, {100, 77, 77},   {0, 200, 0},
      {-1, 200, 0},    {INT_MIN, 1, 0}, {50, 255, 127},  {30, 100, 29},
      {108, 100, 108}, {200, 100, 200}, {200, 128, 255}, {2000000000, 1, 255},
      {2000000000, 0, 0}, {INT_MAX, 255, 255}, {101, 255, 255}, {99, 1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AdjustComponent(c.value, ChannelFactor(c.percent)), c.expected)
        << c.percent << "% of " << int{c.value};
  }
}

TEST(ApplyChannelBrightness, EveryPixelOnceAlphaKept) {
  BitmapImage image;
  image.SetDimensions(3, 2);
  for (ColorQuad& pixel : image.Pixels()) {
    pixel = MakeColor(100, 100, 100, 42);
  }
  ApplyChannelBrightness(image, 200, 50, 0);
  for (int x = 0; x < 3; ++x) {
    for (int y = 0; y < 2; ++y) {
      EXPECT_EQ(image.ReadPixel(x, y), MakeColor(200, 50, 0, 42)) << x << "," << y;
    }
  }

  BitmapImage single;
  single.PixelAt(0, 0) = MakeColor(100, 100, 100, 7);
  ApplyChannelBrightness(single, 150, 150, 150);
  EXPECT_EQ(single.ReadPixel(0, 0), MakeColor(150, 150, 150, 7));
}

TEST(ApplyChannelBrightness, LeavesThePaletteAlone) {
  BitmapImage image;
  image.SetDepth(8);
  ApplyChannelBrightness(image, 0, 0, 0);
  EXPECT_EQ(image.PaletteEntry(255), MakeColor(255, 255, 255));
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(0, 0, 0));
}

}  // namespace
}  // namespace quindle
