// Every seed file cut at every length loads or is refused as the reader's
// outcome table says, and a cut never invents pixels.
#include <gtest/gtest.h>

#include <filesystem>

#include "bmp/BmpReader.h"
#include "support/TestFiles.h"

namespace quindle {
namespace {

namespace fs = std::filesystem;

bool RowEquals(const BitmapImage& a, const BitmapImage& b, std::int32_t y) {
  for (std::int32_t x = 0; x < a.Width(); ++x) {
    if (a.ReadPixel(x, y) != b.ReadPixel(x, y)) return false;
  }
  return true;
}

bool RowIsWhite(const BitmapImage& image, std::int32_t y) {
  for (std::int32_t x = 0; x < image.Width(); ++x) {
    if (image.ReadPixel(x, y) != kWhite) return false;
  }
  return true;
}

TEST(TruncationSweep, EverySeedCutAtEveryLength) {
  int files = 0;
  for (const auto& entry : fs::directory_iterator(testing::SourceDir() / "fuzz" / "seeds" / "load_round_trip")) {
    const std::vector<std::uint8_t> whole = testing::ReadBytes(entry.path());
    SCOPED_TRACE(entry.path().filename().string());
    BitmapImage full;
    const LoadStatus fullStatus = testing::LoadBytes(full, whole);
    ++files;

    for (std::size_t length = 0; length < whole.size(); ++length) {
      const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<long>(length));
      BitmapImage image;
      const LoadStatus status = testing::LoadBytes(image, cut);
      SCOPED_TRACE(::testing::Message() << "cut at " << length);
      if (length < 54) {
        const bool foreign = length >= 2 && (whole[0] != 'B' || whole[1] != 'M');
        ASSERT_EQ(status, foreign ? LoadStatus::NotBmp : LoadStatus::HeadersCutShort);
        if (!foreign) {
          ASSERT_EQ(image.Depth(), 1);
          ASSERT_EQ(image.Width(), 1);
        }
        continue;
      }
      // With the headers whole, the headers alone decide.
      ASSERT_EQ(status, fullStatus);
      if (status != LoadStatus::Loaded) continue;
      ASSERT_EQ(image.Depth(), full.Depth());
      ASSERT_EQ(image.Width(), full.Width());
      ASSERT_EQ(image.Height(), full.Height());
      if (image.Depth() == 16) continue;  // cut 16-bit rows repeat the last word instead
      // Rows are read bottom-up: each is either the full file's or still white.
      for (std::int32_t y = 0; y < image.Height(); ++y) {
        ASSERT_TRUE(RowEquals(image, full, y) || RowIsWhite(image, y)) << "row " << y;
      }
    }
  }
  EXPECT_GT(files, 10);
}

}  // namespace
}  // namespace quindle
