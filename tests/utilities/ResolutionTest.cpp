#include "utilities/Resolution.h"

#include <gtest/gtest.h>

namespace quindle {
namespace {

TEST(Resolution, SetAndReadBackTruncateBothWays) {
  BitmapImage image;
  SetResolutionDpi(image, 96, 72);
  EXPECT_EQ(image.xPixelsPerMeter, 3779);
  EXPECT_EQ(image.yPixelsPerMeter, 2834);
  EXPECT_EQ(HorizontalDpi(image), 95);
  EXPECT_EQ(VerticalDpi(image), 71);

  struct Case {
    std::int32_t dpi, pixelsPerMeter;
  };
  for (const Case c : {Case{300, 11811}, Case{-96, -3779}, Case{0, 0}, Case{1, 39}}) {
    SetResolutionDpi(image, c.dpi, c.dpi);
    EXPECT_EQ(image.xPixelsPerMeter, c.pixelsPerMeter) << c.dpi;
    EXPECT_EQ(image.yPixelsPerMeter, c.pixelsPerMeter) << c.dpi;
  }
}

TEST(Resolution, QueriesStoreTheDefaultOnlyIntoAZeroField) {
  struct Case {
    std::int32_t pixelsPerMeter, dpi, storedAfter;
  };
  const Case cases[] = {{0, 96, 3780},     {3780, 96, 3780},   {3779, 95, 3779},
                        {2835, 72, 2835},  {39, 0, 39},        {-3780, -96, -3780},
                        {2147483647, 54546084, 2147483647}};
  for (const Case& c : cases) {
    BitmapImage image;
    image.xPixelsPerMeter = c.pixelsPerMeter;
    EXPECT_EQ(HorizontalDpi(image), c.dpi) << c.pixelsPerMeter;
    EXPECT_EQ(image.xPixelsPerMeter, c.storedAfter);
    EXPECT_EQ(image.yPixelsPerMeter, 0) << "the other field is not touched";
    image.yPixelsPerMeter = c.pixelsPerMeter;
    EXPECT_EQ(VerticalDpi(image), c.dpi);
    EXPECT_EQ(image.yPixelsPerMeter, c.storedAfter);
  }
}

TEST(Resolution, DotsPerInchBeyondThirtyTwoBitsSaturate) {
  BitmapImage image;
  SetResolutionDpi(image, 2147483647, -2147483647 - 1);
  EXPECT_EQ(image.xPixelsPerMeter, 2147483647);
  EXPECT_EQ(image.yPixelsPerMeter, -2147483647 - 1);
}

}  // namespace
}  // namespace quindle
