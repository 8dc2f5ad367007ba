#include "image/BitmapImage.h"

#include <gtest/gtest.h>

#include "image/GrayscalePalette.h"
#include "image/IntegerPower.h"

namespace quindle {
namespace {

TEST(BitmapImage, NewImageIsOnePixelOfDepth24WithoutPalette) {
  BitmapImage image;
  EXPECT_EQ(image.Width(), 1);
  EXPECT_EQ(image.Height(), 1);
  EXPECT_EQ(image.Depth(), 24);
  EXPECT_EQ(image.PaletteSize(), 16777216);
  EXPECT_FALSE(image.HasPalette());
  EXPECT_EQ(image.PaletteEntry(0), kWhite);
  EXPECT_FALSE(image.SetPaletteEntry(0, MakeColor(1, 2, 3)));
  EXPECT_EQ(image.xPixelsPerMeter, 0);
  EXPECT_EQ(image.yPixelsPerMeter, 0);
}

TEST(BitmapImage, PixelAtClampsIntoTheGridAndReturnsAReference) {
  BitmapImage image;
  ASSERT_TRUE(image.SetDimensions(4, 3));
  image.PixelAt(3, 2) = MakeColor(1, 2, 3, 4);
  EXPECT_EQ(&image.PixelAt(4, 3), &image.PixelAt(3, 2));
  EXPECT_EQ(&image.PixelAt(104, 103), &image.PixelAt(3, 2));
  EXPECT_EQ(&image.PixelAt(-5, -5), &image.PixelAt(0, 0));
  EXPECT_EQ(&image.PixelAt(-1, 7), &image.PixelAt(0, 2));
  EXPECT_EQ(image.ReadPixel(9, 9), MakeColor(1, 2, 3, 4));

  ColorQuad copy = image.ReadPixel(0, 0);
  copy.red = 7;
  EXPECT_EQ(image.ReadPixel(0, 0), kWhite);
  EXPECT_EQ(copy.red, 7);
}

TEST(BitmapImage, GridIsColumnMajor) {
  BitmapImage image;
  ASSERT_TRUE(image.SetDimensions(3, 2));
  image.WritePixel(1, 0, MakeColor(9, 9, 9));
  EXPECT_EQ(image.Pixels()[2], MakeColor(9, 9, 9));  // x * height + y
  EXPECT_EQ(image.Column(1)[0], MakeColor(9, 9, 9));
}

TEST(BitmapImage, SetDepthRefusesUnknownDepths) {
  BitmapImage image;
  ASSERT_TRUE(image.SetDepth(8));
  image.SetPaletteEntry(3, MakeColor(1, 1, 1));
  for (const int depth : {2, 0, 64, -8, 3}) {
    EXPECT_FALSE(image.SetDepth(depth)) << depth;
    EXPECT_EQ(image.Depth(), 8);
    EXPECT_EQ(image.PaletteEntry(3), MakeColor(1, 1, 1));
  }
}

TEST(BitmapImage, SetDepthReplacesThePalette) {
  BitmapImage image;
  ASSERT_TRUE(image.SetDepth(8));
  ASSERT_TRUE(image.SetPaletteEntry(5, MakeColor(1, 2, 3)));
  ASSERT_TRUE(image.SetDepth(8));
  EXPECT_EQ(image.PaletteEntry(5), MakeColor(128, 0, 128));

  ASSERT_TRUE(image.SetDepth(4));
  EXPECT_EQ(image.PaletteEntry(8), MakeColor(192, 192, 192));
  EXPECT_EQ(image.PaletteEntry(16), kWhite);

  ASSERT_TRUE(image.SetDepth(16));
  EXPECT_FALSE(image.HasPalette());
  EXPECT_EQ(image.PaletteSize(), 65536);
  EXPECT_EQ(image.PaletteEntry(0), kWhite);
  EXPECT_EQ(image.PaletteEntry(-1), kWhite);
  EXPECT_FALSE(image.SetPaletteEntry(-1, MakeColor(0, 0, 0)));

  ASSERT_TRUE(image.SetDepth(32));
  EXPECT_EQ(image.PaletteSize(), 16777216);
}

TEST(BitmapImage, SetDepthNeverTouchesPixels) {
  BitmapImage image;
  ASSERT_TRUE(image.SetDimensions(2, 2));
  image.PixelAt(1, 1) = MakeColor(10, 20, 30, 40);
  ASSERT_TRUE(image.SetDepth(8));
  ASSERT_TRUE(image.SetDepth(24));
  EXPECT_EQ(image.ReadPixel(1, 1), MakeColor(10, 20, 30, 40));
}

TEST(BitmapImage, SetDimensionsRebuildsAWhiteGrid) {
  BitmapImage image;
  ASSERT_TRUE(image.SetDimensions(3, 2));
  image.PixelAt(2, 1) = MakeColor(0, 0, 0, 9);

  EXPECT_FALSE(image.SetDimensions(0, 5));
  EXPECT_FALSE(image.SetDimensions(5, -1));
  EXPECT_EQ(image.Width(), 3);
  EXPECT_EQ(image.Height(), 2);
  EXPECT_EQ(image.ReadPixel(2, 1), MakeColor(0, 0, 0, 9));

  ASSERT_TRUE(image.SetDimensions(3, 2));
  EXPECT_EQ(image.Pixels().size(), 6u);
  for (const ColorQuad pixel : image.Pixels()) {
    EXPECT_EQ(pixel, kWhite);
  }
}

TEST(IntegerPower, WrapsModulo2To32) {
  struct Case {
    std::int32_t base, exponent, result;
  };
  for (const Case c : {Case{2, 0, 1}, Case{7, -3, 1}, Case{-2, 3, -8}, Case{2, 24, 16777216},
                       Case{2, 32, 0}, Case{3, 5, 243}, Case{2, 31, INT32_MIN}}) {
    EXPECT_EQ(IntegerPower(c.base, c.exponent), c.result) << c.base << "^" << c.exponent;
  }
}

TEST(FillGrayscalePalette, SpacesLevelsEvenly) {
  BitmapImage image;
  EXPECT_FALSE(FillGrayscalePalette(image));

  image.SetDepth(1);
  ASSERT_TRUE(FillGrayscalePalette(image));
  EXPECT_EQ(image.PaletteEntry(0), MakeColor(0, 0, 0));
  EXPECT_EQ(image.PaletteEntry(1), MakeColor(255, 255, 255));

  image.SetDepth(4);
  ASSERT_TRUE(FillGrayscalePalette(image));
  for (int i = 0; i < 16; ++i) {
    const auto level = static_cast<std::uint8_t>(17 * i);
    EXPECT_EQ(image.PaletteEntry(i), MakeColor(level, level, level)) << i;
  }

  image.SetDepth(8);
  ASSERT_TRUE(FillGrayscalePalette(image));
  for (int i = 0; i < 256; ++i) {
    const auto level = static_cast<std::uint8_t>(i);
    EXPECT_EQ(image.PaletteEntry(i), MakeColor(level, level, level)) << i;
  }
}

}  // namespace
}  // namespace quindle
