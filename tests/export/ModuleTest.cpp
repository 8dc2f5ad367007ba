// The shared module as a host program sees it: loaded with dlopen, the
// function found with dlsym, paths handed over as UTF-16.
#include <gtest/gtest.h>

#include <filesystem>

#include "bmp/BmpReader.h"
#include "bmp/BmpWriter.h"
#include "export/ChannelBrightness.h"
#include "support/Module.h"
#include "support/TestFiles.h"

namespace quindle {
namespace {

namespace fs = std::filesystem;

class Module : public ::testing::Test {
 protected:
  static std::int32_t Call(const fs::path& input, const fs::path& output, std::int32_t red,
                           std::int32_t green, std::int32_t blue) {
    return testing::CallModule(input, output, red, green, blue);
  }

  // What the module must write: load, adjust, save, in this process.
  static std::vector<std::uint8_t> Expected(const fs::path& input, std::int32_t red,
                                            std::int32_t green, std::int32_t blue) {
    testing::TempDir dir;
    BitmapImage image;
    EXPECT_TRUE(Load(image, input.c_str()));
    ApplyChannelBrightness(image, red, green, blue);
    EXPECT_TRUE(Save(image, (dir / "expected.bmp").c_str()));
    return testing::ReadBytes(dir / "expected.bmp");
  }

  testing::TempDir dir_;
};

TEST_F(Module, EveryDepthEndToEndWithNonAsciiNames) {
  const char* samples[] = {"g/pal1.bmp", "g/pal4.bmp",    "g/pal8.bmp",
                           "g/rgb16.bmp", "g/rgb16-565.bmp", "g/rgb24.bmp", "g/rgb32.bmp"};
  for (const char* sample : samples) {
    const fs::path source = testing::DataDir() / "bmpsuite" / sample;
    const fs::path input = dir_.Path() / u8"entr\u00e9e-\u65e5\u672c.bmp";
    const fs::path output = dir_.Path() / u8"sortie-\u00fc-\u8a9e.bmp";
    fs::copy_file(source, input, fs::copy_options::overwrite_existing);
    ASSERT_EQ(Call(input, output, 120, 100, 80), 999) << sample;
    EXPECT_EQ(testing::ReadBytes(output), Expected(source, 120, 100, 80)) << sample;
    EXPECT_EQ(testing::ReadBytes(input), testing::ReadBytes(source)) << sample;
  }
}

TEST_F(Module, IndexedOutputKeepsThePaletteOfItsInput) {
  const fs::path input = testing::DataDir() / "bmpsuite" / "g" / "pal8-0.bmp";
  const fs::path output = dir_ / "out.bmp";
  ASSERT_EQ(Call(input, output, 150, 40, 100), 999);
  const auto before = testing::ReadBytes(input);
  const auto after = testing::ReadBytes(output);
  ASSERT_EQ(before.size(), after.size());
  EXPECT_TRUE(std::equal(before.begin() + 54, before.begin() + 1078, after.begin() + 54));
}

TEST_F(Module, FailuresReturnOneAndWriteNothing) {
  const fs::path good = testing::DataDir() / "bmpsuite" / "g" / "rgb24.bmp";
  const fs::path existing = dir_ / "existing.bmp";
  const std::vector<std::uint8_t> old{'o', 'l', 'd'};
  testing::WriteBytes(existing, old);

  EXPECT_EQ(testing::ModuleFunction()(nullptr, existing.u16string().c_str(), 100, 100, 100), 1);
  EXPECT_EQ(Call(dir_ / "missing.bmp", existing, 100, 100, 100), 1);
  EXPECT_EQ(Call(testing::DataDir() / "bmpsuite" / "b" / "reallybig.bmp", existing, 100, 100, 100), 1);
  EXPECT_EQ(Call(testing::DataDir() / "bmpsuite" / "g" / "pal8rle.bmp", existing, 100, 100, 100), 1);
  EXPECT_EQ(testing::ReadBytes(existing), old);

  EXPECT_EQ(testing::ModuleFunction()(good.u16string().c_str(), nullptr, 100, 100, 100), 1);
  EXPECT_EQ(Call(good, dir_ / "no-such-folder" / "out.bmp", 100, 100, 100), 1);
  EXPECT_EQ(dir_.Entries(), std::vector<std::string>{"existing.bmp"});
}

TEST_F(Module, OutputMayNameTheInput) {
  const fs::path source = testing::DataDir() / "bmpsuite" / "g" / "rgb24.bmp";
  const fs::path file = dir_ / "same.bmp";
  fs::copy_file(source, file);
  ASSERT_EQ(Call(file, file, 50, 50, 50), 999);
  EXPECT_EQ(testing::ReadBytes(file), Expected(source, 50, 50, 50));
  EXPECT_EQ(dir_.Entries(), std::vector<std::string>{"same.bmp"});
}

}  // namespace
}  // namespace quindle
