#include "bmp/RowCodecs.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "bmp/NearestPaletteIndex.h"

namespace quindle {
namespace {

void MakeIndexedRow(BitmapImage& image, int depth, int width) {
  image.SetDepth(depth);
  image.SetDimensions(width, 1);
}

TEST(IndexedRowCodecs, FourBitRowOfFivePixels) {
  BitmapImage image;
  MakeIndexedRow(image, 4, 5);
  const std::array<std::uint8_t, 3> row{0x12, 0x34, 0x5F};  // low nibble of the last byte is no pixel
  EXPECT_FALSE(DecodeRow4(image, row.data(), 2, 0));
  EXPECT_EQ(image.ReadPixel(0, 0), kWhite);

  ASSERT_TRUE(DecodeRow4(image, row.data(), 3, 0));
  for (int x = 0; x < 5; ++x) {
    EXPECT_EQ(image.ReadPixel(x, 0), image.PaletteEntry(x + 1)) << x;
  }

  std::array<std::uint8_t, 4> encoded{0xAA, 0xAA, 0xAA, 0xAA};
  EXPECT_FALSE(EncodeRow4(image, encoded.data(), 2, 0));
  EXPECT_EQ(encoded, (std::array<std::uint8_t, 4>{0xAA, 0xAA, 0xAA, 0xAA}));
  ASSERT_TRUE(EncodeRow4(image, encoded.data(), 4, 0));
  EXPECT_EQ(encoded, (std::array<std::uint8_t, 4>{0x12, 0x34, 0x50, 0xAA}));
}

TEST(IndexedRowCodecs, OneBitRowOfNinePixels) {
  BitmapImage image;
  MakeIndexedRow(image, 1, 9);
  const std::array<std::uint8_t, 2> row{0xA5, 0xFF};  // bits 6..0 of byte 1 are no pixels
  ASSERT_TRUE(DecodeRow1(image, row.data(), 2, 0));
  const int expected[9] = {1, 0, 1, 0, 0, 1, 0, 1, 1};
  for (int x = 0; x < 9; ++x) {
    EXPECT_EQ(image.ReadPixel(x, 0), image.PaletteEntry(expected[x])) << x;
  }
  EXPECT_FALSE(DecodeRow1(image, row.data(), 1, 0));

  std::array<std::uint8_t, 4> encoded{0x11, 0x22, 0x33, 0x44};
  ASSERT_TRUE(EncodeRow1(image, encoded.data(), 4, 0));
  EXPECT_EQ(encoded, (std::array<std::uint8_t, 4>{0xA5, 0x80, 0x33, 0x44}));
}

TEST(IndexedRowCodecs, EightBitRowExactlyAsLongAsTheWidth) {
  BitmapImage image;
  MakeIndexedRow(image, 8, 3);
  const std::array<std::uint8_t, 3> row{249, 250, 251};
  EXPECT_FALSE(DecodeRow8(image, row.data(), 2, 0));
  ASSERT_TRUE(DecodeRow8(image, row.data(), 3, 0));
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(255, 0, 0));
  EXPECT_EQ(image.ReadPixel(2, 0), MakeColor(255, 255, 0));
  std::array<std::uint8_t, 3> encoded{};
  ASSERT_TRUE(EncodeRow8(image, encoded.data(), 3, 0));
  EXPECT_EQ(encoded, row);
}

TEST(IndexedRowCodecs, DecodingCopiesThePaletteAlpha) {
  BitmapImage image;
  MakeIndexedRow(image, 8, 1);
  image.SetPaletteEntry(7, MakeColor(1, 2, 3, 77));
  const std::uint8_t row[1] = {7};
  ASSERT_TRUE(DecodeRow8(image, row, 1, 0));
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(1, 2, 3, 77));
}

TEST(DirectRowCodecs, LengthTestsAndAlpha) {
  BitmapImage image;
  image.SetDimensions(2, 1);
  image.PixelAt(0, 0) = MakeColor(9, 9, 9, 9);
  const std::array<std::uint8_t, 8> row{1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_FALSE(DecodeRow24(image, row.data(), 5, 0));
  EXPECT_FALSE(DecodeRow32(image, row.data(), 7, 0));
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(9, 9, 9, 9));

  ASSERT_TRUE(DecodeRow24(image, row.data(), 6, 0));
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(3, 2, 1, 9));  // alpha kept at 24 bits
  EXPECT_EQ(image.ReadPixel(1, 0), MakeColor(6, 5, 4, 0));
  ASSERT_TRUE(DecodeRow32(image, row.data(), 8, 0));
  EXPECT_EQ(image.ReadPixel(1, 0), MakeColor(7, 6, 5, 8));

  std::array<std::uint8_t, 8> encoded{};
  encoded.fill(0xEE);
  EXPECT_FALSE(EncodeRow24(image, encoded.data(), 5, 0));
  ASSERT_TRUE(EncodeRow24(image, encoded.data(), 8, 0));
  EXPECT_EQ(encoded, (std::array<std::uint8_t, 8>{1, 2, 3, 5, 6, 7, 0xEE, 0xEE}));
  ASSERT_TRUE(EncodeRow32(image, encoded.data(), 8, 0));
  EXPECT_EQ(encoded, row);
}

TEST(NearestPaletteIndex, TiesAndExactMatches) {
  BitmapImage image;
  image.SetDepth(1);
  EXPECT_EQ(NearestPaletteIndex(image, MakeColor(127, 127, 127)), 0);
  EXPECT_EQ(NearestPaletteIndex(image, MakeColor(128, 128, 128)), 1);

  // Equal distance 100 from both entries: the lower index wins.
  image.SetPaletteEntry(0, MakeColor(10, 0, 0));
  image.SetPaletteEntry(1, MakeColor(0, 10, 0));
  EXPECT_EQ(NearestPaletteIndex(image, MakeColor(0, 0, 0)), 0);

  image.SetDepth(8);
  image.SetPaletteEntry(3, MakeColor(11, 22, 33, 0));
  image.SetPaletteEntry(7, MakeColor(11, 22, 33, 5));
  EXPECT_EQ(NearestPaletteIndex(image, MakeColor(11, 22, 33, 99)), 3);  // alpha takes no part

  image.SetDimensions(1, 1);
  const std::uint8_t row[1] = {7};
  ASSERT_TRUE(DecodeRow8(image, row, 1, 0));
  std::uint8_t encoded[1] = {};
  ASSERT_TRUE(EncodeRow8(image, encoded, 1, 0));
  EXPECT_EQ(encoded[0], 3);

  image.SetDepth(24);
  EXPECT_EQ(NearestPaletteIndex(image, MakeColor(1, 2, 3)), 0);
}

// The straightforward scan: strictly smaller distance wins, stop at 0.
std::uint8_t ReferenceScan(const BitmapImage& image, ColorQuad color) {
  int best = 999999;
  int result = 0;
  for (int i = 0; i < image.PaletteSize(); ++i) {
    const ColorQuad entry = image.PaletteEntry(i);
    const int db = entry.blue - color.blue;
    const int dg = entry.green - color.green;
    const int dr = entry.red - color.red;
    const int d = db * db + dg * dg + dr * dr;
    if (d < best) {
      best = d;
      result = i;
    }
    if (best == 0) break;
  }
  return static_cast<std::uint8_t>(result);
}

TEST(NearestPaletteIndex, MatchesTheStraightforwardScan) {
  std::mt19937 random(12345);
  const auto byte = [&] { return static_cast<std::uint8_t>(random() % 256); };
  for (const int depth : {1, 4, 8}) {
    BitmapImage image;
    image.SetDepth(depth);
    for (int round = 0; round < 20; ++round) {
      // Coarse palettes make ties and duplicates common.
      for (int i = 0; i < image.PaletteSize(); ++i) {
        image.SetPaletteEntry(i, MakeColor(byte() & 0xC0, byte() & 0xC0, byte() & 0xC0));
      }
      const PaletteSearch search(image);
      for (int n = 0; n < 200; ++n) {
        const ColorQuad color = MakeColor(byte(), byte(), byte(), byte());
        const std::uint8_t expected = ReferenceScan(image, color);
        ASSERT_EQ(NearestPaletteIndex(image, color), expected);
        ASSERT_EQ(search.Nearest(color), expected);
      }
    }
  }
}

}  // namespace
}  // namespace quindle
