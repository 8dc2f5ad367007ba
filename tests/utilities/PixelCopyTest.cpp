#include "utilities/PixelCopy.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quindle {
namespace {

// Red carries the column and green the row, so every pixel says where it came from.
void MakeLabelled(BitmapImage& image, std::int32_t width, std::int32_t height) {
  image.SetDimensions(width, height);
  for (std::int32_t x = 0; x < width; ++x) {
    for (std::int32_t y = 0; y < height; ++y) {
      image.PixelAt(x, y) = MakeColor(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0, 1);
    }
  }
}

ColorQuad Label(std::int32_t x, std::int32_t y) {
  return MakeColor(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0, 1);
}

TEST(CopyPixel, ClampsBothPositions) {
  BitmapImage source;
  MakeLabelled(source, 4, 3);
  BitmapImage destination;
  destination.SetDimensions(2, 2);
  CopyPixel(source, 10, 1, destination, 1, -1);
  EXPECT_EQ(destination.ReadPixel(1, 0), Label(3, 1));
  EXPECT_EQ(destination.ReadPixel(1, 1), kWhite);
}

TEST(CopyPixelUnlessColor, ComparesRedGreenBlueOnly) {
  BitmapImage source;
  source.PixelAt(0, 0) = MakeColor(10, 20, 30, 0);
  BitmapImage destination;
  CopyPixelUnlessColor(source, 0, 0, destination, 0, 0, MakeColor(10, 20, 30, 255));
  EXPECT_EQ(destination.ReadPixel(0, 0), kWhite);
  CopyPixelUnlessColor(source, 0, 0, destination, 0, 0, MakeColor(10, 20, 31, 0));
  EXPECT_EQ(destination.ReadPixel(0, 0), MakeColor(10, 20, 30, 0));
}

struct RegionCase {
  const char* name;
  std::int32_t sourceWidth, sourceHeight, left, right, rowBound, otherRowBound;
  std::int32_t destinationWidth, destinationHeight, destinationX, destinationY;
  // Destination pixel -> source label it must hold; every other pixel stays white.
  std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> expected;
};

void PrintTo(const RegionCase& c, std::ostream* out) { *out << c.name; }

class CopyRegionCases : public ::testing::TestWithParam<RegionCase> {};

TEST_P(CopyRegionCases, LandsWhereExpected) {
  const RegionCase& c = GetParam();
  BitmapImage source;
  MakeLabelled(source, c.sourceWidth, c.sourceHeight);
  BitmapImage destination;
  destination.SetDimensions(c.destinationWidth, c.destinationHeight);
  CopyRegion(source, c.left, c.right, c.rowBound, c.otherRowBound, destination, c.destinationX,
             c.destinationY);

  BitmapImage expected;
  expected.SetDimensions(c.destinationWidth, c.destinationHeight);
  for (const auto& [to, from] : c.expected) {
    expected.PixelAt(to.first, to.second) = Label(from.first, from.second);
  }
  for (std::int32_t x = 0; x < c.destinationWidth; ++x) {
    for (std::int32_t y = 0; y < c.destinationHeight; ++y) {
      EXPECT_EQ(destination.ReadPixel(x, y), expected.ReadPixel(x, y)) << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CopyRegionCases,
    ::testing::Values(
        RegionCase{"RowBoundsInEitherOrder", 3, 6, 1, 1, 5, 2, 1, 4, 0, 0,
                   {{{0, 0}, {1, 2}}, {{0, 1}, {1, 3}}, {{0, 2}, {1, 4}}, {{0, 3}, {1, 5}}}},
        RegionCase{"NegativeLeftKeepsTheDestinationColumn", 4, 1, -5, 3, 0, 0, 20, 1, 10, 0,
                   {{{10, 0}, {0, 0}}, {{11, 0}, {1, 0}}, {{12, 0}, {2, 0}}, {{13, 0}, {3, 0}}}},
        RegionCase{"CutOffAtTheDestinationsRightEdge", 10, 1, 0, 9, 0, 0, 4, 1, 2, 0,
                   {{{2, 0}, {0, 0}}, {{3, 0}, {1, 0}}}},
        RegionCase{"CutOffAtTheBottomEdge", 1, 5, 0, 0, 0, 4, 1, 3, 0, 1,
                   {{{0, 1}, {0, 0}}, {{0, 2}, {0, 1}}}},
        RegionCase{"NegativeDestinationPilesOntoColumnZero", 6, 1, 0, 5, 0, 0, 4, 1, -2, 0,
                   {{{0, 0}, {2, 0}}, {{1, 0}, {3, 0}}, {{2, 0}, {4, 0}}, {{3, 0}, {5, 0}}}},
        RegionCase{"RangeClampedToTheSource", 3, 2, 1, 100, -4, 100, 10, 10, 0, 0,
                   {{{0, 0}, {1, 0}}, {{1, 0}, {2, 0}}, {{0, 1}, {1, 1}}, {{1, 1}, {2, 1}}}},
        RegionCase{"LeftGreaterThanRightCopiesNothing", 5, 5, 3, 2, 0, 4, 5, 5, 0, 0, {}},
        RegionCase{"RangeWhollyOutsideTheSourceCopiesNothing", 5, 5, 7, 9, 0, 4, 5, 5, 0, 0, {}},
        RegionCase{"ExtremeBoundsCopyNothingWithoutOverflow", 5, 5, 2147483647, -2147483647 - 1,
                   2147483647, 2147483647, 5, 5, -2147483647 - 1, 2147483647, {}}),
    [](const ::testing::TestParamInfo<RegionCase>& param) { return param.param.name; });

TEST(CopyRegion, OverlappingSelfCopyReadsPixelsAlreadyOverwritten) {
  BitmapImage image;
  MakeLabelled(image, 2, 3);
  CopyRegion(image, 0, 1, 0, 1, image, 0, 1);
  for (std::int32_t x = 0; x < 2; ++x) {
    EXPECT_EQ(image.ReadPixel(x, 0), Label(x, 0));
    EXPECT_EQ(image.ReadPixel(x, 1), Label(x, 0));
    EXPECT_EQ(image.ReadPixel(x, 2), Label(x, 0));
  }
}

TEST(CopyRegionUnlessColor, SkipsTheKeyColour) {
  BitmapImage source;
  MakeLabelled(source, 3, 1);
  BitmapImage destination;
  destination.SetDimensions(3, 1);
  CopyRegionUnlessColor(source, 0, 2, 0, 0, destination, 0, 0, Label(1, 0));
  EXPECT_EQ(destination.ReadPixel(0, 0), Label(0, 0));
  EXPECT_EQ(destination.ReadPixel(1, 0), kWhite);
  EXPECT_EQ(destination.ReadPixel(2, 0), Label(2, 0));
}

}  // namespace
}  // namespace quindle
