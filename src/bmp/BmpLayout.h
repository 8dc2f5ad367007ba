#pragma once

#include <cstdint>

namespace quindle {

inline constexpr std::uint16_t kBmpSignature = 19778;  // "BM" in file order
inline constexpr std::int64_t kFileHeaderSize = 14;
inline constexpr std::int64_t kInfoHeaderSize = 40;
inline constexpr std::int64_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize;
inline constexpr std::int64_t kPaletteEntrySize = 4;
inline constexpr std::int64_t kMaskAreaSize = 12;  // three 32-bit channel masks

inline constexpr std::uint32_t kCompressionNone = 0;
inline constexpr std::uint32_t kCompressionRle8 = 1;
inline constexpr std::uint32_t kCompressionRle4 = 2;
inline constexpr std::uint32_t kCompressionBitFields = 3;

// The largest grid the reader accepts, 2^28 pixels (1 GiB of pixels in memory).
// Checked before anything is allocated, so a few hostile header bytes cannot
// demand more.
inline constexpr std::int64_t kMaxPixelCount = std::int64_t{1} << 28;

// Bytes one file row occupies: its bits rounded up to whole bytes, then to a
// multiple of 4. 64-bit so that no declared size can overflow it.
constexpr std::int64_t RowStride(std::int64_t width, std::int64_t depth) {
  return (width * depth + 31) / 32 * 4;
}

// Bytes that hold pixels at the start of a row.
constexpr std::int64_t RowDataBytes(std::int64_t width, std::int64_t depth) {
  return (width * depth + 7) / 8;
}

}  // namespace quindle

namespace quindle {

// Rows longer than this many pixels are read and written in runs of it, so the
// row buffer stays a few megabytes whatever the width. A multiple of 8, so a
// run always starts a byte at every depth.
inline constexpr std::int32_t kMaxRunPixels = 1 << 20;

}  // namespace quindle
