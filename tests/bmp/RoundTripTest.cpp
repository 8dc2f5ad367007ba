#include <gtest/gtest.h>

#include <random>

#include "bmp/BmpLayout.h"
#include "bmp/BmpReader.h"
#include "bmp/BmpWriter.h"
#include "support/TestFiles.h"

namespace quindle {
namespace {

// What a pixel becomes after a save and a load at the given depth.
ColorQuad AfterRoundTrip(ColorQuad pixel, int depth) {
  switch (depth) {
    case 16: {
      const auto top5 = [](std::uint8_t c) { return static_cast<std::uint8_t>(c / 8 * 8); };
      return ColorQuad{top5(pixel.blue), top5(pixel.green), top5(pixel.red), 0};  // no alpha stored
    }
    case 24:
      return ColorQuad{pixel.blue, pixel.green, pixel.red, 0};
    default:
      return pixel;
  }
}

class RoundTrip : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(RoundTrip, EveryPixelComesBack) {
  const auto [depth, width] = GetParam();
  const int height = 3;
  std::mt19937 random(static_cast<unsigned>(depth * 100 + width));
  BitmapImage image;
  image.SetDepth(depth);
  image.SetDimensions(width, height);
  image.xPixelsPerMeter = 1234;
  image.yPixelsPerMeter = -1;
  if (IsIndexedDepth(depth)) {
    for (int i = 0; i < image.PaletteSize(); ++i) {
      image.SetPaletteEntry(i, MakeColor(static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(i),
                                         static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random())));
    }
  }
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) {
      image.PixelAt(x, y) =
          IsIndexedDepth(depth)
              ? image.PaletteEntry(static_cast<int>(random() % static_cast<unsigned>(image.PaletteSize())))
              : ColorQuad{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                          static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random())};
    }
  }

  testing::TempDir dir;
  const auto path = dir / "round.bmp";
  ASSERT_TRUE(Save(image, path.c_str()));
  const auto bytes = testing::ReadBytes(path);
  const std::int64_t colourArea = IsIndexedDepth(depth) ? 4 << depth : depth == 16 ? 12 : 0;
  EXPECT_EQ(static_cast<std::int64_t>(bytes.size()), 54 + colourArea + RowStride(width, depth) * height);

  BitmapImage loaded;
  ASSERT_TRUE(Load(loaded, path.c_str()));
  ASSERT_EQ(loaded.Depth(), depth);
  ASSERT_EQ(loaded.Width(), width);
  ASSERT_EQ(loaded.Height(), height);
  EXPECT_EQ(loaded.xPixelsPerMeter, 1234);
  EXPECT_EQ(loaded.yPixelsPerMeter, -1);
  for (int i = 0; IsIndexedDepth(depth) && i < image.PaletteSize(); ++i) {
    ASSERT_EQ(loaded.PaletteEntry(i), image.PaletteEntry(i)) << i;
  }
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) {
      const ColorQuad expected = AfterRoundTrip(image.ReadPixel(x, y), depth);
      const ColorQuad actual = loaded.ReadPixel(x, y);
      ASSERT_EQ(actual, expected) << x << "," << y;
    }
  }
}

// 1024 and 2048 give strides that are multiples of the page size at some depths.
INSTANTIATE_TEST_SUITE_P(DepthsAndWidths, RoundTrip,
                         ::testing::Combine(::testing::Values(1, 4, 8, 16, 24, 32),
                                            ::testing::Values(1, 2, 3, 5, 33, 1024, 2048)));

// Rows of more than four megabytes are read and written in runs of pixels.
TEST(RoundTripLongRows, RunsGiveTheSameFile) {
  const std::int32_t width = (1 << 22) + 3;
  for (const int depth : {8, 16, 24, 32}) {
    SCOPED_TRACE(depth);
    BitmapImage image;
    image.SetDepth(depth);
    image.SetDimensions(width, 2);
    for (const std::int32_t x : {0, 1, 1 << 20, (1 << 20) + 1, width - 1}) {
      image.PixelAt(x, 0) = image.PaletteEntry(x % 7 + 200);
      image.PixelAt(x, 1) = MakeColor(static_cast<std::uint8_t>(x), 8, 16);
      if (IsIndexedDepth(depth)) image.PixelAt(x, 1) = image.PaletteEntry(3);
    }
    testing::TempDir dir;
    const auto path = dir / "long.bmp";
    ASSERT_TRUE(Save(image, path.c_str()));
    BitmapImage loaded;
    ASSERT_TRUE(Load(loaded, path.c_str()));
    for (const std::int32_t x : {0, 1, 1 << 20, (1 << 20) + 1, width - 1}) {
      for (const std::int32_t y : {0, 1}) {
        ASSERT_EQ(loaded.ReadPixel(x, y), AfterRoundTrip(image.ReadPixel(x, y), depth)) << x << "," << y;
      }
    }
    // Cut the last ten bytes, inside the top row: it stays white, or at 16
    // bits its last pixels repeat the last word that arrived.
    auto bytes = testing::ReadBytes(path);
    bytes.resize(bytes.size() - 10);
    testing::WriteBytes(path, bytes);
    ASSERT_TRUE(Load(loaded, path.c_str()));
    EXPECT_EQ(loaded.ReadPixel(1, 1), AfterRoundTrip(image.ReadPixel(1, 1), depth));
    const ColorQuad cut = depth == 16 ? AfterRoundTrip(kWhite, 16) : kWhite;
    EXPECT_EQ(loaded.ReadPixel(width - 1, 0), cut);
  }
}

}  // namespace
}  // namespace quindle
