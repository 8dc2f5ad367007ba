#include <gtest/gtest.h>

#include "image/BitmapImage.h"

namespace quindle {
namespace {

TEST(ImageCopy, CopiesDepthSizePalettePixelsIndependently) {
  BitmapImage source;
  source.SetDepth(1);
  source.SetDimensions(3, 2);
  source.SetPaletteEntry(0, MakeColor(10, 20, 30, 40));
  source.PixelAt(2, 1) = MakeColor(1, 2, 3, 4);

  BitmapImage copy(source);
  EXPECT_EQ(copy.Depth(), 1);
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_EQ(copy.Height(), 2);
  EXPECT_EQ(copy.PaletteEntry(0), MakeColor(10, 20, 30, 40));
  EXPECT_EQ(copy.PaletteEntry(1), MakeColor(255, 255, 255));
  EXPECT_EQ(copy.ReadPixel(2, 1), MakeColor(1, 2, 3, 4));

  copy.PixelAt(2, 1) = MakeColor(9, 9, 9);
  copy.SetPaletteEntry(0, MakeColor(9, 9, 9));
  EXPECT_EQ(source.ReadPixel(2, 1), MakeColor(1, 2, 3, 4));
  EXPECT_EQ(source.PaletteEntry(0), MakeColor(10, 20, 30, 40));

  BitmapImage direct;
  direct.SetDepth(32);
  BitmapImage directCopy(direct);
  EXPECT_EQ(directCopy.Depth(), 32);
  EXPECT_FALSE(directCopy.HasPalette());
}

TEST(ImageCopy, ResolutionTravelsThroughWholeDotsPerInch) {
  struct Case {
    std::int32_t source, copy, sourceAfter;
  };
  for (const Case c : {Case{3780, 3779, 3780}, Case{2835, 2834, 2835}, Case{40, 39, 40},
                       Case{39, 0, 39}, Case{0, 3779, 3780}}) {
    BitmapImage source;
    source.xPixelsPerMeter = c.source;
    source.yPixelsPerMeter = c.source;
    BitmapImage copy(source);
    EXPECT_EQ(copy.xPixelsPerMeter, c.copy) << c.source;
    EXPECT_EQ(copy.yPixelsPerMeter, c.copy) << c.source;
    EXPECT_EQ(source.xPixelsPerMeter, c.sourceAfter);
    EXPECT_EQ(source.yPixelsPerMeter, c.sourceAfter);
  }
}

}  // namespace
}  // namespace quindle
