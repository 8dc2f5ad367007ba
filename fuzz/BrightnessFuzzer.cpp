// The exported function on arbitrary files and percentages: it returns 999
// with a loadable output of the input's depth, or 1 with no output at all.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "FuzzInput.h"

extern "C" std::int32_t BMPBrightnessRGB(const char16_t*, const char16_t*, std::int32_t,
                                         std::int32_t, std::int32_t);

namespace {

std::filesystem::path WorkFolder() {
  static const std::filesystem::path folder = [] {
    std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    base /= "quindle-fuzz-" + std::to_string(getpid());
    std::filesystem::create_directories(base);
    return base;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quindle;
  using namespace quindle::fuzz;
  InputReader input(data, size);
  const std::int32_t red = input.I32();
  const std::int32_t green = input.I32();
  const std::int32_t blue = input.I32();
  if (!DeclaresFewPixels(input.Data(), input.Size())) return -1;

  const std::filesystem::path in = WorkFolder() / "in.bmp";
  const std::filesystem::path out = WorkFolder() / "out.bmp";
  {
    FileStream file(std::fopen(in.c_str(), "wb"));
    Check(file != nullptr, "cannot write the input");
    std::fwrite(input.Data(), 1, input.Size(), file.get());
  }
  std::filesystem::remove(out);

  BitmapImage original;
  const bool loads = LoadWithStatus(original, in.c_str()) == LoadStatus::Loaded;
  const std::int32_t result =
      BMPBrightnessRGB(in.u16string().c_str(), out.u16string().c_str(), red, green, blue);
  if (!loads) {
    Check(result == 1, "a refused file gave 999");
    Check(!std::filesystem::exists(out), "a refused file left an output");
    return 0;
  }
  Check(result == 999, "a loadable file gave 1");
  BitmapImage adjusted;
  Check(LoadWithStatus(adjusted, out.c_str()) == LoadStatus::Loaded, "the output does not load");
  Check(adjusted.Depth() == original.Depth() && adjusted.Width() == original.Width() &&
            adjusted.Height() == original.Height(),
        "the output's depth or size differs");
  const auto entries = std::distance(std::filesystem::directory_iterator(WorkFolder()),
                                     std::filesystem::directory_iterator{});
  Check(entries == 2, "a temporary file was left behind");
  return 0;
}
