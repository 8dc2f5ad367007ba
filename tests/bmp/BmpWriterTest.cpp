#include "bmp/BmpWriter.h"

#include <gtest/gtest.h>

#include "bmp/BmpReader.h"
#include "support/TestFiles.h"

namespace quindle {
namespace {

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(bytes[offset] | bytes[offset + 1] << 8 |
                                    bytes[offset + 2] << 16 | bytes[offset + 3] << 24);
}
std::uint16_t U16At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::vector<std::uint8_t> SavedBytes(const BitmapImage& image) {
  testing::TempDir dir;
  const auto path = dir / "out.bmp";
  EXPECT_TRUE(Save(image, path.c_str()));
  return testing::ReadBytes(path);
}

TEST(Save, HeaderValuesPerDepth) {
  struct Case {
    int depth, width, height;
    std::uint32_t fileSize, offBits, imageSize, compression;
  };
  const Case cases[] = {
      {24, 1, 1, 58, 54, 4, 0},   {8, 1, 1, 1082, 1078, 4, 0}, {1, 1, 1, 66, 62, 4, 0},
      {4, 1, 1, 122, 118, 4, 0},  {16, 3, 2, 82, 66, 16, 3},   {32, 3, 2, 78, 54, 24, 0},
      {24, 3, 1, 66, 54, 12, 0},  {1, 33, 2, 78, 62, 16, 0},   {4, 5, 1, 122, 118, 4, 0},
  };
  for (const Case& c : cases) {
    BitmapImage image;
    image.SetDepth(c.depth);
    image.SetDimensions(c.width, c.height);
    const auto bytes = SavedBytes(image);
    SCOPED_TRACE(::testing::Message() << "depth " << c.depth << " " << c.width << "x" << c.height);
    ASSERT_EQ(bytes.size(), c.fileSize);
    EXPECT_EQ(U16At(bytes, 0), 19778);
    EXPECT_EQ(U32At(bytes, 2), c.fileSize);
    EXPECT_EQ(U32At(bytes, 6), 0u);  // both reserved fields
    EXPECT_EQ(U32At(bytes, 10), c.offBits);
    EXPECT_EQ(U32At(bytes, 14), 40u);
    EXPECT_EQ(U32At(bytes, 18), static_cast<std::uint32_t>(c.width));
    EXPECT_EQ(U32At(bytes, 22), static_cast<std::uint32_t>(c.height));
    EXPECT_EQ(U16At(bytes, 26), 1);
    EXPECT_EQ(U16At(bytes, 28), c.depth);
    EXPECT_EQ(U32At(bytes, 30), c.compression);
    EXPECT_EQ(U32At(bytes, 34), c.imageSize);
    EXPECT_EQ(U32At(bytes, 38), 3780u);
    EXPECT_EQ(U32At(bytes, 42), 3780u);
    EXPECT_EQ(U32At(bytes, 46), 0u);
    EXPECT_EQ(U32At(bytes, 50), 0u);
  }
}

TEST(Save, SixteenBitWordsAndMasks) {
  BitmapImage image;
  image.SetDepth(16);
  image.SetDimensions(3, 2);
  image.PixelAt(0, 1) = MakeColor(255, 255, 255);
  image.PixelAt(1, 1) = MakeColor(7, 3, 7);
  image.PixelAt(2, 1) = MakeColor(8, 4, 8);
  const auto bytes = SavedBytes(image);
  ASSERT_EQ(bytes.size(), 82u);
  const std::vector<std::uint8_t> masks(bytes.begin() + 54, bytes.begin() + 66);
  EXPECT_EQ(masks, (std::vector<std::uint8_t>{0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}));
  // The bottom row (y = 1) comes first: three words, then two zero bytes.
  EXPECT_EQ(U16At(bytes, 66), 0xFFFF);
  EXPECT_EQ(U16At(bytes, 68), 0x0000);
  EXPECT_EQ(U16At(bytes, 70), 0x0821);
  EXPECT_EQ(U16At(bytes, 72), 0x0000);

  testing::TempDir dir;
  const auto path = dir / "16.bmp";
  testing::WriteBytes(path, bytes);
  BitmapImage loaded;
  ASSERT_TRUE(Load(loaded, path.c_str()));
  EXPECT_EQ(loaded.ReadPixel(0, 1), MakeColor(248, 248, 248));
  EXPECT_EQ(loaded.ReadPixel(2, 1), MakeColor(8, 0, 8));  // green 4 keeps only its top five bits
}

TEST(Save, ResolutionPaletteAlphaAndPixelAlpha) {
  BitmapImage image;
  image.SetDepth(8);
  image.SetPaletteEntry(0, MakeColor(1, 2, 3, 7));
  image.xPixelsPerMeter = -5;
  image.yPixelsPerMeter = 0;
  auto bytes = SavedBytes(image);
  EXPECT_EQ(static_cast<std::int32_t>(U32At(bytes, 38)), -5);
  EXPECT_EQ(U32At(bytes, 42), 3780u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.begin() + 58),
            (std::vector<std::uint8_t>{3, 2, 1, 7}));

  BitmapImage direct;
  direct.PixelAt(0, 0) = MakeColor(10, 20, 30, 99);
  bytes = SavedBytes(direct);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.end()),
            (std::vector<std::uint8_t>{30, 20, 10, 0}));
  direct.SetDepth(32);
  bytes = SavedBytes(direct);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.end()),
            (std::vector<std::uint8_t>{30, 20, 10, 99}));
}

TEST(Save, IndexedPixelsGoToTheNearestPaletteColour) {
  BitmapImage image;
  image.SetDepth(1);
  image.SetDimensions(3, 1);
  image.PixelAt(0, 0) = MakeColor(127, 127, 127);
  image.PixelAt(1, 0) = MakeColor(128, 128, 128);
  image.PixelAt(2, 0) = MakeColor(255, 0, 0);
  const auto bytes = SavedBytes(image);
  ASSERT_EQ(bytes.size(), 66u);
  EXPECT_EQ(bytes[62], 0x40);  // 0, 1, 0 from the left, then zero bits
  EXPECT_EQ(bytes[63], 0);
}

}  // namespace
}  // namespace quindle

namespace quindle {
namespace {

std::vector<std::uint8_t> StreamBytes(const BitmapImage& image, const ChannelTables* tables) {
  testing::TempDir dir;
  const auto path = dir / "out.bmp";
  EXPECT_FALSE(SaveWithReason(image, path.c_str(), tables));
  return testing::ReadBytes(path);
}

// Tables applied while writing give the bytes of the image mapped first.
TEST(Save, TablesWhileWritingEqualMappingFirst) {
  ChannelTables tables;
  for (int v = 0; v < 256; ++v) {
    tables.red[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(255 - v);
    tables.green[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(v / 2);
    tables.blue[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(v < 128 ? v * 2 : 255);
  }
  struct Case {
    int depth, width, height;
  };
  for (const Case c : {Case{1, 13, 3}, Case{4, 7, 3}, Case{8, 9, 4}, Case{16, 5, 3}, Case{24, 5, 70},
                       Case{32, 1024, 3}, Case{24, (1 << 22) + 3, 1}}) {
    SCOPED_TRACE(::testing::Message() << c.depth << " " << c.width << "x" << c.height);
    BitmapImage image;
    image.SetDepth(c.depth);
    image.SetDimensions(c.width, c.height);
    std::uint32_t seed = 1;
    for (ColorQuad& pixel : image.Pixels()) {
      seed = seed * 1103515245u + 12345u;
      pixel = ColorQuad{static_cast<std::uint8_t>(seed >> 8), static_cast<std::uint8_t>(seed >> 16),
                        static_cast<std::uint8_t>(seed >> 24), static_cast<std::uint8_t>(seed)};
    }
    const auto whileWriting = StreamBytes(image, &tables);
    for (ColorQuad& pixel : image.Pixels()) pixel = tables(pixel);
    EXPECT_EQ(whileWriting, StreamBytes(image, nullptr));
  }
}

}  // namespace
}  // namespace quindle
