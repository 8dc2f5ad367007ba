#include "utilities/HeaderInspection.h"

#include <gtest/gtest.h>

#include "support/BmpBytes.h"
#include "support/TestFiles.h"

namespace quindle {
namespace {

using testing::BmpFields;
using testing::ByteWriter;

void ExpectDefaultInfoHeader(const InfoHeader& info) {
  EXPECT_EQ(info.biPlanes, 1);
  EXPECT_EQ(info.biCompression, 0u);
  EXPECT_EQ(info.biXPelsPerMeter, 3780);
  EXPECT_EQ(info.biYPelsPerMeter, 3780);
  EXPECT_EQ(info.biClrUsed, 0u);
  EXPECT_EQ(info.biClrImportant, 0u);
  EXPECT_EQ(info.biSize, 0u);
  EXPECT_EQ(info.biWidth, 0);
  EXPECT_EQ(info.biBitCount, 0);
}

TEST(HeaderInspection, WholeHeaders) {
  testing::TempDir dir;
  BmpFields fields;
  fields.bfSize = 1234;
  fields.bfOffBits = 1078;
  fields.biSize = 108;
  fields.biWidth = 640;
  fields.biHeight = -480;
  fields.biBitCount = 8;
  fields.biCompression = 1;
  fields.biClrUsed = 17;
  testing::WriteBytes(dir / "a.bmp", ByteWriter().Headers(fields).Take());

  const FileHeader file = ReadFileHeaderOf((dir / "a.bmp").c_str());
  EXPECT_EQ(file.bfType, 19778);
  EXPECT_EQ(file.bfSize, 1234u);
  EXPECT_EQ(file.bfOffBits, 1078u);
  const InfoHeader info = ReadInfoHeaderOf((dir / "a.bmp").c_str());
  EXPECT_EQ(info.biSize, 108u);
  EXPECT_EQ(info.biWidth, 640);
  EXPECT_EQ(info.biHeight, -480);
  EXPECT_EQ(info.biBitCount, 8);
  EXPECT_EQ(info.biCompression, 1u);
  EXPECT_EQ(info.biXPelsPerMeter, 2835);
  EXPECT_EQ(info.biClrUsed, 17u);
  EXPECT_EQ(BitDepthOfFile((dir / "a.bmp").c_str()), 8);
}

TEST(HeaderInspection, MissingEmptyShortAndForeignFiles) {
  testing::TempDir dir;
  const auto missing = dir / "missing.bmp";
  FileHeader file = ReadFileHeaderOf(missing.c_str());
  EXPECT_EQ(file.bfType, 0);
  EXPECT_EQ(file.bfReserved1, 0);
  EXPECT_EQ(file.bfReserved2, 0);
  ExpectDefaultInfoHeader(ReadInfoHeaderOf(missing.c_str()));
  EXPECT_EQ(BitDepthOfFile(missing.c_str()), 0);
  EXPECT_EQ(ReadFileHeaderOf(nullptr).bfType, 0);

  testing::WriteBytes(dir / "empty.bmp", {});
  file = ReadFileHeaderOf((dir / "empty.bmp").c_str());
  EXPECT_EQ(file.bfType, 19778);
  EXPECT_EQ(file.bfSize, 0u);
  ExpectDefaultInfoHeader(ReadInfoHeaderOf((dir / "empty.bmp").c_str()));

  // 30 bytes: the info header up to and including biBitCount.
  auto bytes = ByteWriter().Headers(BmpFields{}).Take();
  bytes.resize(30);
  testing::WriteBytes(dir / "short.bmp", bytes);
  const InfoHeader info = ReadInfoHeaderOf((dir / "short.bmp").c_str());
  EXPECT_EQ(info.biWidth, 1);
  EXPECT_EQ(info.biBitCount, 24);
  EXPECT_EQ(info.biXPelsPerMeter, 3780);
  EXPECT_EQ(BitDepthOfFile((dir / "short.bmp").c_str()), 24);

  const std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                                      'I', 'H', 'D', 'R', 0, 0, 1, 0, 0, 0, 0, 0x80, 8, 6,
                                      0, 0, 0xFF, 0xFF};
  testing::WriteBytes(dir / "foreign.png", png);
  file = ReadFileHeaderOf((dir / "foreign.png").c_str());
  EXPECT_EQ(file.bfType, 0x5089);
  EXPECT_EQ(file.bfSize, 0x0A0D474Eu);
  EXPECT_EQ(BitDepthOfFile((dir / "foreign.png").c_str()), 65535);
}

}  // namespace
}  // namespace quindle
