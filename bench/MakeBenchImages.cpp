// Writes the benchmark inputs: a smooth, noisy picture of the given size at
// 24 and 32 bits, and at 8 bits on a palette of 256 colours spread over the
// colour cube.
//
//   make_bench_images FOLDER [WIDTH HEIGHT]
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "bmp/BmpWriter.h"
#include "image/BitmapImage.h"

namespace {

using quindle::BitmapImage;
using quindle::ColorQuad;

std::uint8_t Channel(double value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
}

void Paint(BitmapImage& image, std::int32_t width, std::int32_t height) {
  image.SetDimensions(width, height);
  std::mt19937 random(2026);
  std::uniform_int_distribution<int> noise(-12, 12);
  for (std::int32_t x = 0; x < width; ++x) {
    for (std::int32_t y = 0; y < height; ++y) {
      const double u = static_cast<double>(x) / width;
      const double v = static_cast<double>(y) / height;
      image.PixelAt(x, y) = ColorQuad{
          Channel(128 + 100 * std::sin(6 * u + 2 * v) + noise(random)),
          Channel(255 * v * (1 - u) + 60 * std::cos(9 * u) + noise(random)),
          Channel(255 * u + 40 * std::sin(13 * v) + noise(random)),
          static_cast<std::uint8_t>(x + y)};
    }
  }
}

void SpreadPalette(BitmapImage& image) {
  std::mt19937 random(7);
  for (std::int32_t i = 0; i < 256; ++i) {
    image.SetPaletteEntry(i, ColorQuad{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                                       static_cast<std::uint8_t>(random()), 0});
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 4) {
    std::fprintf(stderr, "usage: %s FOLDER [WIDTH HEIGHT]\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const std::int32_t width = argc == 4 ? std::atoi(argv[2]) : 6000;
  const std::int32_t height = argc == 4 ? std::atoi(argv[3]) : 4000;
  std::filesystem::create_directories(folder);
  BitmapImage image;
  Paint(image, width, height);
  bool ok = quindle::Save(image, (folder / "input-24.bmp").c_str());
  image.SetDepth(32);
  ok = ok && quindle::Save(image, (folder / "input-32.bmp").c_str());
  image.SetDepth(8);
  SpreadPalette(image);
  ok = ok && quindle::Save(image, (folder / "input-8.bmp").c_str());
  if (!ok) {
    std::fprintf(stderr, "cannot write into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
