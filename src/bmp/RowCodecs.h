#pragma once

#include <cstdint>

#include "image/BitmapImage.h"

namespace quindle {

// Row codecs convert between one file row (its bytes and their count) and row y
// of the image (0 = top). False, touching nothing, when the buffer is shorter
// than the row's data bytes. Decoders write the grid, encoders read it; the
// bytes after a row's data bytes are neither read nor written.
bool DecodeRow1(BitmapImage& image, const std::uint8_t* buffer, std::int32_t length,
                std::int32_t y);
bool DecodeRow4(BitmapImage& image, const std::uint8_t* buffer, std::int32_t length,
                std::int32_t y);
bool DecodeRow8(BitmapImage& image, const std::uint8_t* buffer, std::int32_t length,
                std::int32_t y);
bool DecodeRow24(BitmapImage& image, const std::uint8_t* buffer, std::int32_t length,
                 std::int32_t y);
bool DecodeRow32(BitmapImage& image, const std::uint8_t* buffer, std::int32_t length,
                 std::int32_t y);

bool EncodeRow1(const BitmapImage& image, std::uint8_t* buffer, std::int32_t length,
                std::int32_t y);
bool EncodeRow4(const BitmapImage& image, std::uint8_t* buffer, std::int32_t length,
                std::int32_t y);
bool EncodeRow8(const BitmapImage& image, std::uint8_t* buffer, std::int32_t length,
                std::int32_t y);
bool EncodeRow24(const BitmapImage& image, std::uint8_t* buffer, std::int32_t length,
                 std::int32_t y);
bool EncodeRow32(const BitmapImage& image, std::uint8_t* buffer, std::int32_t length,
                 std::int32_t y);

// A run of `count` pixels of row y starting at column firstX, whose bytes start
// at `data`. firstX must start a byte (a multiple of 8 at depth 1, of 2 at
// depth 4). The reader cuts very long rows into such runs.
struct PixelRun {
  std::int32_t firstX;
  std::int32_t count;
  std::int32_t y;
};

void DecodeIndexedRun(BitmapImage& image, std::int32_t depth, const std::uint8_t* data,
                      PixelRun run);
void DecodeDirectRun(BitmapImage& image, std::int32_t depth, const std::uint8_t* data,
                     PixelRun run);

}  // namespace quindle
