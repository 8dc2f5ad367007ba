// Writes the seed corpora: small files of every depth and layout the reader
// knows, made by the project's own writer and then varied byte by byte.
//
//   make_fuzz_seeds SEEDS_FOLDER
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "bmp/LittleEndian.h"

namespace {

using quindle::BitmapImage;
using quindle::MakeColor;
using Bytes = std::vector<std::uint8_t>;

Bytes Sample(std::int32_t depth, std::int32_t width, std::int32_t height) {
  BitmapImage image;
  image.SetDepth(depth);
  image.SetDimensions(width, height);
  for (std::int32_t x = 0; x < width; ++x) {
    for (std::int32_t y = 0; y < height; ++y) {
      image.PixelAt(x, y) = MakeColor(static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 60),
                                      static_cast<std::uint8_t>((x + y) * 25), static_cast<std::uint8_t>(x));
    }
  }
  return quindle::fuzz::SaveMemory(image);
}

void Put32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  quindle::StoreLittleEndian32(bytes.data() + offset, value);
}
void Put16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
  quindle::StoreLittleEndian16(bytes.data() + offset, value);
}

// A 16-bit file without masks: compression 0, no colour area.
Bytes SixteenBitWithoutMasks() {
  Bytes bytes = Sample(16, 3, 2);
  bytes.erase(bytes.begin() + 54, bytes.begin() + 66);
  Put32(bytes, 10, 54);
  Put32(bytes, 30, 0);
  return bytes;
}

// An indexed file whose info header is 124 bytes long.
Bytes LongInfoHeader() {
  Bytes bytes = Sample(8, 3, 2);
  bytes.insert(bytes.begin() + 54, 84, 0);
  Put32(bytes, 14, 124);
  Put32(bytes, 10, 54 + 84 + 1024);
  return bytes;
}

// An 8-bit file with a 16-entry palette and a gap before the rows.
Bytes ShortPaletteWithGap() {
  Bytes bytes = Sample(8, 4, 3);
  bytes.erase(bytes.begin() + 54 + 64, bytes.begin() + 54 + 1024);
  bytes.insert(bytes.begin() + 54 + 64, 6, 0xEE);
  Put32(bytes, 10, 54 + 64 + 6);
  return bytes;
}

Bytes Truncated(Bytes bytes, std::size_t length) {
  bytes.resize(length);
  return bytes;
}

void Write(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes WithPrefix(Bytes prefix, const Bytes& file) {
  prefix.insert(prefix.end(), file.begin(), file.end());
  return prefix;
}

Bytes Words(std::initializer_list<std::uint32_t> words) {
  Bytes bytes(4 * words.size());
  std::size_t offset = 0;
  for (const std::uint32_t word : words) {
    Put32(bytes, offset, word);
    offset += 4;
  }
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s SEEDS_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path root = argv[1];
  std::vector<std::pair<std::string, Bytes>> files;
  for (const int depth : {1, 4, 8, 16, 24, 32}) {
    files.emplace_back("depth" + std::to_string(depth) + "-5x3", Sample(depth, 5, 3));
  }
  files.emplace_back("depth1-33x2", Sample(1, 33, 2));
  files.emplace_back("depth16-no-masks", SixteenBitWithoutMasks());
  Bytes masks = Sample(16, 2, 2);
  Put32(masks, 54, 0x0F00);
  Put32(masks, 58, 0x00F0);
  Put32(masks, 62, 0x000F);
  files.emplace_back("depth16-4-4-4-masks", masks);
  files.emplace_back("depth8-long-info-header", LongInfoHeader());
  files.emplace_back("depth8-short-palette-gap", ShortPaletteWithGap());
  files.emplace_back("depth24-truncated-rows", Truncated(Sample(24, 3, 3), 54 + 12 + 5));
  files.emplace_back("depth16-truncated-rows", Truncated(Sample(16, 3, 3), 66 + 9));
  Bytes rle = Sample(8, 2, 2);
  Put32(rle, 30, 1);
  files.emplace_back("refused-rle", rle);
  Bytes topDown = Sample(24, 2, 2);
  Put32(topDown, 22, static_cast<std::uint32_t>(-2));
  files.emplace_back("refused-top-down", topDown);
  files.emplace_back("headers-only", Truncated(Sample(24, 1, 1), 54));
  Bytes offset = Sample(24, 2, 1);
  Put32(offset, 10, 0x7FFFFFFF);
  Put16(offset, 26, 9);
  files.emplace_back("depth24-huge-offset", offset);

  const struct {
    const char* target;
    Bytes prefix;
  } targets[] = {
      {"load_round_trip", {}},
      {"brightness", Words({120, 100, 80})},
      {"scale_and_copy", Words({1u | (57u << 8), 0, 3, 0, 2, 1, 1})},
  };
  for (const auto& target : targets) {
    std::filesystem::create_directories(root / target.target);
    for (const auto& [name, bytes] : files) {
      Write(root / target.target / (name + ".bmp"), WithPrefix(target.prefix, bytes));
    }
  }
  return 0;
}
