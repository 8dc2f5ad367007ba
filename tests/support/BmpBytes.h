#pragma once

#include <cstdint>
#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

namespace quindle::testing {

// Header fields of a hand-made BMP file; defaults give a valid 24-bit 1 x 1.
struct BmpFields {
  std::uint16_t bfType = 19778;
  std::uint32_t bfSize = 0;
  std::uint32_t bfOffBits = 54;
  std::uint32_t biSize = 40;
  std::int32_t biWidth = 1;
  std::int32_t biHeight = 1;
  std::uint16_t biPlanes = 1;
  std::uint16_t biBitCount = 24;
  std::uint32_t biCompression = 0;
  std::uint32_t biSizeImage = 0;
  std::int32_t biXPelsPerMeter = 2835;
  std::int32_t biYPelsPerMeter = 2836;
  std::uint32_t biClrUsed = 0;
  std::uint32_t biClrImportant = 0;
};

// Appends little-endian values to a byte vector, written independently of the
// codec under test.
class ByteWriter {
 public:
  ByteWriter& U8(std::uint8_t value) {
    bytes_.push_back(value);
    return *this;
  }
  ByteWriter& U16(std::uint16_t value) {
    return U8(static_cast<std::uint8_t>(value)).U8(static_cast<std::uint8_t>(value >> 8));
  }
  ByteWriter& U32(std::uint32_t value) {
    return U16(static_cast<std::uint16_t>(value)).U16(static_cast<std::uint16_t>(value >> 16));
  }
  ByteWriter& Bytes(std::initializer_list<std::uint8_t> values) {
    bytes_.insert(bytes_.end(), values);
    return *this;
  }
  ByteWriter& Repeat(std::uint8_t value, std::size_t count) {
    bytes_.insert(bytes_.end(), count, value);
    return *this;
  }
  ByteWriter& Headers(const BmpFields& f) {
    U16(f.bfType).U32(f.bfSize).U16(0).U16(0).U32(f.bfOffBits);
    U32(f.biSize).U32(static_cast<std::uint32_t>(f.biWidth)).U32(static_cast<std::uint32_t>(f.biHeight));
    U16(f.biPlanes).U16(f.biBitCount).U32(f.biCompression).U32(f.biSizeImage);
    U32(static_cast<std::uint32_t>(f.biXPelsPerMeter)).U32(static_cast<std::uint32_t>(f.biYPelsPerMeter));
    return U32(f.biClrUsed).U32(f.biClrImportant);
  }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }
  const std::vector<std::uint8_t>& View() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace quindle::testing
