#include "utilities/ScaleImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace quindle {
namespace {

// An image whose red values are given row by row from the top.
void MakeRed(BitmapImage& image, std::int32_t width, const std::vector<int>& reds) {
  const auto height = static_cast<std::int32_t>(reds.size()) / width;
  image.SetDimensions(width, height);
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      image.PixelAt(x, y) = MakeColor(static_cast<std::uint8_t>(reds[static_cast<std::size_t>(y * width + x)]), 0, 0);
    }
  }
}

std::vector<int> RedsOf(const BitmapImage& image) {
  std::vector<int> reds;
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    for (std::int32_t x = 0; x < image.Width(); ++x) {
      reds.push_back(image.ReadPixel(x, y).red);
    }
  }
  return reds;
}

TEST(ScaleImage, BilinearTwoByTwoToThreeByThree) {
  BitmapImage image;
  MakeRed(image, 2, {0, 100, 200, 50});
  image.PixelAt(1, 1).alpha = 77;
  image.SetDepth(8);
  ASSERT_TRUE(ScaleImage(image, 'W', 3));
  EXPECT_EQ(image.Width(), 3);
  EXPECT_EQ(image.Height(), 3);
  EXPECT_EQ(image.Depth(), 24);
  EXPECT_FALSE(image.HasPalette());
  EXPECT_EQ(RedsOf(image), (std::vector<int>{0, 50, 100, 100, 87, 75, 200, 125, 50}));
  for (std::int32_t x = 0; x < 3; ++x) {
    for (std::int32_t y = 0; y < 3; ++y) {
      EXPECT_EQ(image.ReadPixel(x, y).alpha, x == 2 && y == 2 ? 77 : 0) << x << "," << y;
    }
  }
}

TEST(ScaleImage, TruncationAndTheTwoSummationOrders) {
  BitmapImage image;
  image.SetDimensions(3, 3);
  for (ColorQuad& pixel : image.Pixels()) pixel = MakeColor(100, 100, 100);
  ASSERT_TRUE(ScaleImage(image, 'P', 250));
  ASSERT_EQ(image.Width(), 7);
  ASSERT_EQ(image.Height(), 7);
  for (std::int32_t x = 0; x < 7; ++x) {
    for (std::int32_t y = 0; y < 7; ++y) {
      ColorQuad expected = MakeColor(100, 100, 100);
      if (x == 5 && y == 4) expected = MakeColor(100, 100, 99);
      if (x == 5 && y == 5) expected = MakeColor(99, 99, 100);
      EXPECT_EQ(image.ReadPixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST(ScaleImage, NewSizes) {
  struct Case {
    char mode;
    std::int32_t oldWidth, oldHeight, size, newWidth, newHeight;
  };
  const Case cases[] = {
      {'F', 7, 7, 61, 60, 61},          // 61 / 7 * 7 is 60.99999999999999
      {'F', 200, 100, 50, 50, 25},      {'F', 100, 200, 50, 25, 50},
      {'f', 200, 100, 50, 50, 25},      {'P', 3, 1, 50, 1, 1},
      {'p', 4, 6, 50, 2, 3},            {'W', 2, 6, 1, 1, 3},
      {'H', 6, 2, 1, 3, 1},             {'w', 5, 5, 0, 1, 1},
      {'W', 5, 5, -7, 1, 1},            {'H', 4, 2, -2147483647 - 1, 1, 1},
      {'P', 3, 2, -100, 1, 1},
  };
  for (const Case& c : cases) {
    BitmapImage image;
    image.SetDimensions(c.oldWidth, c.oldHeight);
    ASSERT_TRUE(ScaleImage(image, c.mode, c.size)) << c.mode << c.size;
    EXPECT_EQ(image.Width(), c.newWidth) << c.mode << " " << c.oldWidth << "x" << c.oldHeight << " " << c.size;
    EXPECT_EQ(image.Height(), c.newHeight) << c.mode << " " << c.oldWidth << "x" << c.oldHeight << " " << c.size;
  }
}

TEST(ScaleImage, SingleColumnAndRowReadTheLastOldColumnAndRow) {
  BitmapImage tall;
  MakeRed(tall, 2, {0, 10, 1, 11, 2, 12, 3, 13, 4, 14, 5, 15});  // red = 10x + y
  ASSERT_TRUE(ScaleImage(tall, 'W', 1));
  EXPECT_EQ(RedsOf(tall), (std::vector<int>{10, 12, 15}));

  BitmapImage wide;
  MakeRed(wide, 6, {0, 10, 20, 30, 40, 50, 1, 11, 21, 31, 41, 51});
  ASSERT_TRUE(ScaleImage(wide, 'H', 1));
  EXPECT_EQ(RedsOf(wide), (std::vector<int>{1, 26, 51}));

  BitmapImage one;
  MakeRed(one, 3, {1, 2, 3});
  one.PixelAt(2, 0).alpha = 9;
  ASSERT_TRUE(ScaleImage(one, 'P', 50));
  EXPECT_EQ(one.ReadPixel(0, 0), MakeColor(3, 0, 0, 9));

  BitmapImage corner;
  MakeRed(corner, 2, {1, 2, 3, 4});
  ASSERT_TRUE(ScaleImage(corner, 'W', 0));
  EXPECT_EQ(RedsOf(corner), std::vector<int>{4});
}

TEST(ScaleImage, RefusedModesAndSizesLeaveTheImage) {
  struct Case {
    char mode;
    std::int32_t oldWidth, oldHeight, size;
  };
  const Case cases[] = {
      {'X', 3, 2, 100},
      {'\0', 3, 2, 100},
      {'P', 3, 2, 2147483647},          // 64-bit products, beyond the pixel limit
      {'W', 1, 2000, 2147483647},       // height beyond 32 bits
      {'H', 1, 1, 16385},               // 16385 x 16385 is beyond the pixel limit
  };
  for (const Case& c : cases) {
    BitmapImage image;
    image.SetDepth(8);
    image.SetDimensions(c.oldWidth, c.oldHeight);
    image.PixelAt(1, 1) = MakeColor(1, 2, 3);
    image.SetPaletteEntry(4, MakeColor(4, 4, 4));
    image.yPixelsPerMeter = 1000;
    EXPECT_FALSE(ScaleImage(image, c.mode, c.size)) << c.mode << c.size;
    EXPECT_EQ(image.Width(), c.oldWidth);
    EXPECT_EQ(image.Height(), c.oldHeight);
    EXPECT_EQ(image.Depth(), 8);
    EXPECT_EQ(image.ReadPixel(1, 1), MakeColor(1, 2, 3));
    EXPECT_EQ(image.PaletteEntry(4), MakeColor(4, 4, 4));
    // The copy that was made first stored the default into the empty field.
    EXPECT_EQ(image.xPixelsPerMeter, 3780);
    EXPECT_EQ(image.yPixelsPerMeter, 1000);
  }
}

TEST(ScaleImage, KeepsTheResolution) {
  BitmapImage image;
  image.SetDimensions(4, 4);
  image.xPixelsPerMeter = 2835;
  image.yPixelsPerMeter = 0;
  ASSERT_TRUE(ScaleImage(image, 'P', 50));
  EXPECT_EQ(image.xPixelsPerMeter, 2835);
  EXPECT_EQ(image.yPixelsPerMeter, 3780);
}

}  // namespace
}  // namespace quindle
