#include "bmp/BmpReader.h"

#include <gtest/gtest.h>

#include "support/BmpBytes.h"
#include "support/TestFiles.h"

namespace quindle {
namespace {

using testing::BmpFields;
using testing::ByteWriter;
using testing::LoadBytes;

// An image whose every property differs from a reset image.
void MakeDistinct(BitmapImage& image) {
  image.SetDepth(8);
  image.SetDimensions(3, 2);
  image.PixelAt(1, 1) = MakeColor(1, 2, 3, 4);
  image.SetPaletteEntry(0, MakeColor(5, 6, 7));
  image.xPixelsPerMeter = 111;
  image.yPixelsPerMeter = 222;
}

void ExpectReset(const BitmapImage& image) {
  EXPECT_EQ(image.Width(), 1);
  EXPECT_EQ(image.Height(), 1);
  EXPECT_EQ(image.Depth(), 1);
  EXPECT_EQ(image.ReadPixel(0, 0), kWhite);
  EXPECT_EQ(image.PaletteEntry(1), MakeColor(255, 255, 255));
}

TEST(Load, FileThatCannotBeOpenedResetsTheImageButKeepsItsResolution) {
  testing::TempDir dir;
  BitmapImage image;
  MakeDistinct(image);
  EXPECT_FALSE(Load(image, (dir / "missing.bmp").c_str()));
  ExpectReset(image);
  EXPECT_EQ(image.xPixelsPerMeter, 111);
  EXPECT_FALSE(Load(image, nullptr));
}

TEST(Load, ForeignSignatureLeavesTheImageUnchanged) {
  BitmapImage image;
  MakeDistinct(image);
  BmpFields fields;
  fields.bfType = 0x5089;  // a PNG file's first bytes
  EXPECT_EQ(LoadBytes(image, ByteWriter().Headers(fields).Take()), LoadStatus::NotBmp);
  EXPECT_EQ(image.Width(), 3);
  EXPECT_EQ(image.Depth(), 8);
  EXPECT_EQ(image.ReadPixel(1, 1), MakeColor(1, 2, 3, 4));
  EXPECT_EQ(image.PaletteEntry(0), MakeColor(5, 6, 7));
  EXPECT_EQ(image.xPixelsPerMeter, 111);
}

TEST(Load, FilesEndingInsideTheHeadersAreRefused) {
  const auto headers = ByteWriter().Headers(BmpFields{}).Take();
  for (const long length : {0L, 1L, 2L, 13L, 14L, 30L, 53L}) {
    BitmapImage image;
    MakeDistinct(image);
    const std::vector<std::uint8_t> cut(headers.begin(), headers.begin() + length);
    EXPECT_EQ(LoadBytes(image, cut), LoadStatus::HeadersCutShort) << length;
    ExpectReset(image);
    EXPECT_EQ(image.xPixelsPerMeter, 111) << length;
  }
}

TEST(Load, RefusedHeadersResetTheImageAndTakeTheFileResolution) {
  struct Case {
    std::uint16_t depth;
    std::uint32_t compression;
    std::int32_t width, height;
    LoadStatus status;
  };
  const Case cases[] = {
      {8, 1, 4, 4, LoadStatus::RunLengthEncoded},
      {4, 2, 4, 4, LoadStatus::RunLengthEncoded},
      {24, 4, 4, 4, LoadStatus::UnsupportedCompression},
      {24, 0x80000000u, 4, 4, LoadStatus::UnsupportedCompression},
      {24, 3, 4, 4, LoadStatus::UnsupportedCompression},
      {32, 3, 4, 4, LoadStatus::UnsupportedCompression},
      {2, 0, 4, 4, LoadStatus::UnsupportedDepth},
      {0, 0, 4, 4, LoadStatus::UnsupportedDepth},
      {64, 0, 4, 4, LoadStatus::UnsupportedDepth},
      {24, 0, 4, -10, LoadStatus::TopDown},
      {24, 0, 0, 4, LoadStatus::NonPositiveSize},
      {24, 0, -4, 4, LoadStatus::NonPositiveSize},
      {24, 0, 4, 0, LoadStatus::NonPositiveSize},
      {24, 0, 1 << 15, 1 << 13 | 1, LoadStatus::TooManyPixels},
      {32, 0, 2147483647, 2147483647, LoadStatus::TooManyPixels},
  };
  for (const Case& c : cases) {
    BmpFields fields;
    fields.biBitCount = c.depth;
    fields.biCompression = c.compression;
    fields.biWidth = c.width;
    fields.biHeight = c.height;
    fields.biXPelsPerMeter = -7;
    fields.biYPelsPerMeter = 0;
    BitmapImage image;
    MakeDistinct(image);
    EXPECT_EQ(LoadBytes(image, ByteWriter().Headers(fields).Repeat(0, 64).Take()), c.status)
        << "depth " << c.depth << " compression " << c.compression << " size " << c.width << "x"
        << c.height;
    ExpectReset(image);
    EXPECT_EQ(image.xPixelsPerMeter, -7);
    EXPECT_EQ(image.yPixelsPerMeter, 0);
  }
}

TEST(Load, LargestAcceptedGridStillLoads) {
  BmpFields fields;
  fields.biWidth = 1 << 14;
  fields.biHeight = 1 << 14;  // exactly 2^28 pixels
  fields.biBitCount = 32;
  BitmapImage image;
  ASSERT_EQ(LoadBytes(image, ByteWriter().Headers(fields).Take()), LoadStatus::Loaded);
  EXPECT_EQ(image.Width(), 1 << 14);
  EXPECT_EQ(image.ReadPixel(77, 99), kWhite);
}

TEST(Load, OnePixelTwentyFourBitFile) {
  const auto bytes = ByteWriter().Headers(BmpFields{}).Bytes({10, 20, 30, 0}).Take();
  ASSERT_EQ(bytes.size(), 58u);
  BitmapImage image;
  ASSERT_EQ(LoadBytes(image, bytes), LoadStatus::Loaded);
  EXPECT_EQ(image.Depth(), 24);
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(30, 20, 10, 0));
  EXPECT_EQ(image.xPixelsPerMeter, 2835);
  EXPECT_EQ(image.yPixelsPerMeter, 2836);
}

TEST(Load, RowsAreStoredBottomUp) {
  BmpFields fields;
  fields.biWidth = 2;
  fields.biHeight = 2;
  fields.biBitCount = 32;
  const auto bytes =
      ByteWriter().Headers(fields).Bytes({1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4}).Take();
  BitmapImage image;
  ASSERT_EQ(LoadBytes(image, bytes), LoadStatus::Loaded);
  EXPECT_EQ(image.ReadPixel(0, 1), MakeColor(1, 1, 1, 1));
  EXPECT_EQ(image.ReadPixel(1, 1), MakeColor(2, 2, 2, 2));
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(3, 3, 3, 3));
  EXPECT_EQ(image.ReadPixel(1, 0), MakeColor(4, 4, 4, 4));
}

TEST(Load, TruncatedTwentyFourBitRowsStayWhite) {
  BmpFields fields;
  fields.biWidth = 2;
  fields.biHeight = 3;
  // Stride 8: the bottom row whole, then half of the next.
  const auto bytes = ByteWriter().Headers(fields).Bytes({1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10}).Take();
  BitmapImage image;
  ASSERT_EQ(LoadBytes(image, bytes), LoadStatus::Loaded);
  EXPECT_EQ(image.ReadPixel(0, 2), MakeColor(3, 2, 1));
  EXPECT_EQ(image.ReadPixel(1, 2), MakeColor(6, 5, 4));
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 2; ++x) {
      EXPECT_EQ(image.ReadPixel(x, y), kWhite) << x << "," << y;
    }
  }
}

TEST(Load, SixteenBitDefaultMasksAndPadding) {
  BmpFields fields;
  fields.biWidth = 3;
  fields.biHeight = 2;
  fields.biBitCount = 16;
  // Rows of 6 data bytes and 2 padding bytes; the bottom row first.
  const auto bytes = ByteWriter()
                         .Headers(fields)
                         .U16(0x7FFF).U16(0x8000).U16(0x7C00).U16(0xFFFF)
                         .U16(0x03E0).U16(0x001F).U16(0x0421).U16(0xFFFF)
                         .Take();
  BitmapImage image;
  image.SetDimensions(1, 1);
  ASSERT_EQ(LoadBytes(image, bytes), LoadStatus::Loaded);
  EXPECT_EQ(image.ReadPixel(0, 1), MakeColor(248, 248, 248));
  EXPECT_EQ(image.ReadPixel(1, 1), MakeColor(0, 0, 0));
  EXPECT_EQ(image.ReadPixel(2, 1), MakeColor(248, 0, 0));
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(0, 248, 0));
  EXPECT_EQ(image.ReadPixel(1, 0), MakeColor(0, 0, 248));
  EXPECT_EQ(image.ReadPixel(2, 0), MakeColor(8, 8, 8));
}

TEST(Load, SixteenBitMasksFromTheFile) {
  struct Case {
    std::uint16_t red, green, blue, word;
    ColorQuad expected;
  };
  const Case cases[] = {
      {0xF800, 0x07E0, 0x001F, 0xFFFF, MakeColor(248, 248, 248)},
      {0xF800, 0x07E0, 0x001F, 0x0020, MakeColor(0, 0, 0)},  // lowest green bit alone
      {0xF800, 0x07E0, 0x001F, 0xF800, MakeColor(248, 0, 0)},
      {0x000F, 0x00F0, 0x0000, 0x00FF, MakeColor(120, 240, 0)},  // masks below bit 4; mask 0
      {0x0F00, 0xF000, 0x000F, 0xA50F, MakeColor(80, 160, 120)},
  };
  for (const Case& c : cases) {
    BmpFields fields;
    fields.bfOffBits = 66;
    fields.biBitCount = 16;
    fields.biCompression = 3;
    const auto bytes = ByteWriter()
                           .Headers(fields)
                           .U32(c.red).U32(c.green).U32(c.blue)
                           .U16(c.word).U16(0)
                           .Take();
    BitmapImage image;
    ASSERT_EQ(LoadBytes(image, bytes), LoadStatus::Loaded);
    EXPECT_EQ(image.ReadPixel(0, 0), c.expected) << std::hex << c.word;
  }
}

TEST(Load, TruncatedSixteenBitDataRepeatsTheLastWord) {
  BmpFields fields;
  fields.biWidth = 3;
  fields.biHeight = 2;
  fields.biBitCount = 16;
  BitmapImage image;
  ASSERT_EQ(LoadBytes(image, ByteWriter().Headers(fields).U16(0x7C00).U8(0x1F).Take()),
            LoadStatus::Loaded);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(image.ReadPixel(x, y), MakeColor(248, 0, 0)) << x << "," << y;
    }
  }
  // No word at all: every pixel gets the word 0.
  ASSERT_EQ(LoadBytes(image, ByteWriter().Headers(fields).U8(0xFF).Take()), LoadStatus::Loaded);
  EXPECT_EQ(image.ReadPixel(0, 1), MakeColor(0, 0, 0));
  EXPECT_EQ(image.ReadPixel(2, 0), MakeColor(0, 0, 0));
}

TEST(Load, ThirtyTwoBitKeepsAlphaTwentyFourBitLeavesItZero) {
  BmpFields fields;
  fields.biBitCount = 32;
  BitmapImage image;
  ASSERT_EQ(LoadBytes(image, ByteWriter().Headers(fields).Bytes({1, 2, 3, 200}).Take()),
            LoadStatus::Loaded);
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(3, 2, 1, 200));
  ASSERT_EQ(LoadBytes(image, ByteWriter().Headers(BmpFields{}).Bytes({1, 2, 3, 200}).Take()),
            LoadStatus::Loaded);
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(3, 2, 1, 0));
}

// An 8-bit 1 x 1 file with `entries` palette entries (entry i = i, i, i, alpha
// 7), then `gapBytes` bytes of value 0xEE, then rows whose first byte is
// `pixelIndex` and the rest 0xDD.
std::vector<std::uint8_t> IndexedFile(std::uint16_t depth, std::uint32_t offBits, int entries,
                                      int gapBytes, std::uint8_t pixelIndex,
                                      std::uint32_t infoSize = 40) {
  BmpFields fields;
  fields.biBitCount = depth;
  fields.bfOffBits = offBits;
  fields.biSize = infoSize;
  ByteWriter writer;
  writer.Headers(fields).Repeat(0xCC, infoSize > 40 ? infoSize - 40 : 0);
  for (int i = 0; i < entries; ++i) {
    const auto v = static_cast<std::uint8_t>(i);
    writer.Bytes({v, v, v, 7});
  }
  writer.Repeat(0xEE, static_cast<std::size_t>(gapBytes)).U8(pixelIndex).Repeat(0xDD, 7);
  return writer.Take();
}

TEST(Load, PaletteLengthAndGapFollowBfOffBits) {
  BitmapImage image;
  // bfOffBits 118: 16 entries from the file, the rest white; rows at 118.
  ASSERT_EQ(LoadBytes(image, IndexedFile(8, 118, 16, 0, 15)), LoadStatus::Loaded);
  EXPECT_EQ(image.PaletteEntry(15), MakeColor(15, 15, 15, 7));
  EXPECT_EQ(image.PaletteEntry(16), kWhite);
  EXPECT_EQ(image.PaletteEntry(255), kWhite);
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(15, 15, 15, 7));

  // bfOffBits 124 at 8 bits: 17 entries, the 17th from the gap; no gap is
  // skipped, so the rows start two bytes early, inside the gap.
  ASSERT_EQ(LoadBytes(image, IndexedFile(8, 124, 16, 6, 3)), LoadStatus::Loaded);
  EXPECT_EQ(image.PaletteEntry(16), MakeColor(0xEE, 0xEE, 0xEE, 0xEE));
  EXPECT_EQ(image.PaletteEntry(17), kWhite);
  EXPECT_EQ(image.ReadPixel(0, 0), image.PaletteEntry(0xEE));

  // bfOffBits 124 at 4 bits: 16 entries, then the 6 gap bytes are skipped.
  ASSERT_EQ(LoadBytes(image, IndexedFile(4, 124, 16, 6, 0x30)), LoadStatus::Loaded);
  EXPECT_EQ(image.PaletteEntry(15), MakeColor(15, 15, 15, 7));
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(3, 3, 3, 7));

  // bfOffBits 50: no entry is read, all are white, rows at 54.
  ASSERT_EQ(LoadBytes(image, IndexedFile(8, 50, 0, 0, 9)), LoadStatus::Loaded);
  EXPECT_EQ(image.PaletteEntry(0), kWhite);
  EXPECT_EQ(image.ReadPixel(0, 0), kWhite);

  // A palette cut by the end of the file keeps its standard colours.
  std::vector<std::uint8_t> cut = IndexedFile(8, 1078, 2, 0, 0);
  cut.resize(54 + 4 + 2);
  ASSERT_EQ(LoadBytes(image, cut), LoadStatus::Loaded);
  EXPECT_EQ(image.PaletteEntry(0), MakeColor(0, 0, 0, 7));
  EXPECT_EQ(image.PaletteEntry(1), MakeColor(128, 0, 0));
}

TEST(Load, SkipsTheGapBeforeDirectColourRows) {
  BmpFields fields;
  fields.bfOffBits = 64;
  BitmapImage image;
  ASSERT_EQ(LoadBytes(image, ByteWriter().Headers(fields).Repeat(0xEE, 10).Bytes({1, 2, 3, 0}).Take()),
            LoadStatus::Loaded);
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(3, 2, 1));
}

TEST(Load, LongerInfoHeaders) {
  BitmapImage image;
  // 24 bits: the 68 further header bytes are gap.
  BmpFields fields;
  fields.biSize = 108;
  fields.bfOffBits = 122;
  ASSERT_EQ(LoadBytes(image, ByteWriter().Headers(fields).Repeat(0xCC, 68).Bytes({1, 2, 3, 0}).Take()),
            LoadStatus::Loaded);
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(3, 2, 1));

  // 16 bits with masks: the masks are the first 12 of those bytes.
  fields.biBitCount = 16;
  fields.biCompression = 3;
  ASSERT_EQ(LoadBytes(image, ByteWriter()
                                 .Headers(fields)
                                 .U32(0xF800).U32(0x07E0).U32(0x001F)
                                 .Repeat(0xCC, 56)
                                 .U16(0xF81F).U16(0)
                                 .Take()),
            LoadStatus::Loaded);
  EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(248, 0, 248));

  // Indexed: the palette starts after the whole info header.
  for (const std::uint32_t infoSize : {52u, 56u, 64u, 108u, 124u}) {
    ASSERT_EQ(LoadBytes(image, IndexedFile(8, 14 + infoSize + 1024, 256, 0, 200, infoSize)),
              LoadStatus::Loaded);
    EXPECT_EQ(image.PaletteEntry(0), MakeColor(0, 0, 0, 7)) << infoSize;
    EXPECT_EQ(image.PaletteEntry(255), MakeColor(255, 255, 255, 7)) << infoSize;
    EXPECT_EQ(image.ReadPixel(0, 0), MakeColor(200, 200, 200, 7)) << infoSize;
  }
}

TEST(Load, HostileOffsetsAndSizesAreHandledWithoutHugeBuffers) {
  BitmapImage image;
  for (const std::uint32_t offBits : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    BmpFields fields;
    fields.bfOffBits = offBits;
    EXPECT_EQ(LoadBytes(image, ByteWriter().Headers(fields).Bytes({1, 2, 3, 0}).Take()),
              LoadStatus::Loaded);
    fields.biBitCount = 8;
    fields.biSize = 0xFFFFFFF0u;
    EXPECT_EQ(LoadBytes(image, ByteWriter().Headers(fields).Bytes({1, 2, 3, 0}).Take()),
              LoadStatus::Loaded);
  }
}

}  // namespace
}  // namespace quindle
