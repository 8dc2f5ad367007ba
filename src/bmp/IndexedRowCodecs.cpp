#include <array>
#include <cstddef>
#include <cstdint>

#include "bmp/NearestPaletteIndex.h"
#include "bmp/RowCodecs.h"

namespace quindle {
namespace {

// A field of a k-pixels-per-byte row can hold any index up to 2^depth - 1; an
// index past the palette reads as the white fallback, as PaletteEntry gives.
std::array<ColorQuad, 256> LookupTable(const BitmapImage& image) {
  std::array<ColorQuad, 256> table;
  for (std::size_t i = 0; i < table.size(); ++i) {
    table[i] = image.PaletteEntry(static_cast<std::int32_t>(i));
  }
  return table;
}

std::int32_t PixelsPerByte(std::int32_t depth) { return 8 / depth; }

bool FitsRow(const BitmapImage& image, std::int32_t depth, std::int32_t length) {
  return image.Width() <= std::int64_t{PixelsPerByte(depth)} * length;
}

void EncodeIndexedRun(const BitmapImage& image, const PaletteSearch& search, std::int32_t depth,
                      std::uint8_t* data, PixelRun run) {
  const auto step = static_cast<std::size_t>(image.Height());
  const ColorQuad* pixel = image.Pixels().data() + static_cast<std::size_t>(run.firstX) * step +
                           static_cast<std::size_t>(run.y);
  const std::int32_t perByte = PixelsPerByte(depth);
  std::int32_t remaining = run.count;
  while (remaining > 0) {
    // Each byte is written whole; fields past the row's last pixel stay 0.
    unsigned value = 0;
    for (std::int32_t field = 0; field < perByte && remaining > 0; ++field, --remaining) {
      const auto shift = static_cast<unsigned>(8 - depth * (field + 1));
      value |= static_cast<unsigned>(search.Nearest(*pixel)) << shift;
      pixel += step;
    }
    *data++ = static_cast<std::uint8_t>(value);
  }
}

}  // namespace

void DecodeIndexedRun(BitmapImage& image, std::int32_t depth, const std::uint8_t* data,
                      PixelRun run) {
  const auto table = LookupTable(image);
  const auto step = static_cast<std::size_t>(image.Height());
  ColorQuad* pixel = image.Pixels().data() +
                     static_cast<std::size_t>(run.firstX) * step + static_cast<std::size_t>(run.y);
  const std::int32_t perByte = PixelsPerByte(depth);
  const unsigned fieldMask = (1u << depth) - 1u;
  std::int32_t remaining = run.count;
  while (remaining > 0) {
    const unsigned byte = *data++;
    // The leftmost pixel sits in the most significant bits.
    for (std::int32_t field = 0; field < perByte && remaining > 0; ++field, --remaining) {
      const auto shift = static_cast<unsigned>(8 - depth * (field + 1));
      *pixel = table[(byte >> shift) & fieldMask];
      pixel += step;
    }
  }
}


bool DecodeRow1(BitmapImage& image, const std::uint8_t* buffer, std::int32_t length,
                std::int32_t y) {
  if (!FitsRow(image, 1, length)) return false;
  DecodeIndexedRun(image, 1, buffer, PixelRun{0, image.Width(), y});
  return true;
}

bool DecodeRow4(BitmapImage& image, const std::uint8_t* buffer, std::int32_t length,
                std::int32_t y) {
  if (!FitsRow(image, 4, length)) return false;
  DecodeIndexedRun(image, 4, buffer, PixelRun{0, image.Width(), y});
  return true;
}

bool DecodeRow8(BitmapImage& image, const std::uint8_t* buffer, std::int32_t length,
                std::int32_t y) {
  if (!FitsRow(image, 8, length)) return false;
  DecodeIndexedRun(image, 8, buffer, PixelRun{0, image.Width(), y});
  return true;
}

bool EncodeRow1(const BitmapImage& image, std::uint8_t* buffer, std::int32_t length,
                std::int32_t y) {
  if (!FitsRow(image, 1, length)) return false;
  EncodeIndexedRun(image, PaletteSearch(image), 1, buffer, PixelRun{0, image.Width(), y});
  return true;
}

bool EncodeRow4(const BitmapImage& image, std::uint8_t* buffer, std::int32_t length,
                std::int32_t y) {
  if (!FitsRow(image, 4, length)) return false;
  EncodeIndexedRun(image, PaletteSearch(image), 4, buffer, PixelRun{0, image.Width(), y});
  return true;
}

bool EncodeRow8(const BitmapImage& image, std::uint8_t* buffer, std::int32_t length,
                std::int32_t y) {
  if (!FitsRow(image, 8, length)) return false;
  EncodeIndexedRun(image, PaletteSearch(image), 8, buffer, PixelRun{0, image.Width(), y});
  return true;
}

}  // namespace quindle
