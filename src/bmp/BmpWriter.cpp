#include "bmp/BmpWriter.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "bmp/BmpHeaders.h"
#include "bmp/BmpLayout.h"
#include "bmp/LittleEndian.h"
#include "bmp/NearestPaletteIndex.h"
#include "bmp/ReplacingFile.h"
#include "bmp/RowBlocks.h"
#include "bmp/RowCodecs.h"
#include "bmp/SixteenBitPixels.h"
#include "image/IntegerPower.h"

namespace quindle {
namespace {

bool WriteAll(std::FILE* stream, const void* data, std::size_t size) {
  return std::fwrite(data, 1, size, stream) == size;
}

std::int64_t ColourAreaSize(std::int32_t depth) {
  if (IsIndexedDepth(depth)) return kPaletteEntrySize * IntegerPower(2, depth);
  if (depth == 16) return kMaskAreaSize;
  return 0;
}

std::int32_t ResolutionToWrite(std::int32_t pixelsPerMeter) {
  return pixelsPerMeter == 0 ? kDefaultPixelsPerMeter : pixelsPerMeter;
}

bool WriteHeaders(const BitmapImage& image, std::FILE* stream) {
  const std::int32_t depth = image.Depth();
  const std::int64_t colourArea = ColourAreaSize(depth);
  const std::int64_t pixelBytes = RowStride(image.Width(), depth) * image.Height();

  FileHeader file;
  // Sizes beyond 4 GiB cannot be represented; they are stored truncated.
  file.bfSize = static_cast<std::uint32_t>(kHeadersSize + colourArea + pixelBytes);
  file.bfOffBits = static_cast<std::uint32_t>(kHeadersSize + colourArea);

  InfoHeader info;
  info.biSize = static_cast<std::uint32_t>(kInfoHeaderSize);
  info.biWidth = image.Width();
  info.biHeight = image.Height();
  info.biBitCount = static_cast<std::uint16_t>(depth);
  info.biCompression = depth == 16 ? kCompressionBitFields : kCompressionNone;
  info.biSizeImage = static_cast<std::uint32_t>(pixelBytes);
  info.biXPelsPerMeter = ResolutionToWrite(image.xPixelsPerMeter);
  info.biYPelsPerMeter = ResolutionToWrite(image.yPixelsPerMeter);

  const auto bytes = SerializeHeaders(file, info);
  return WriteAll(stream, bytes.data(), bytes.size());
}

bool WritePalette(const BitmapImage& image, std::FILE* stream) {
  std::vector<std::uint8_t> bytes;
  const std::int32_t count = IntegerPower(2, image.Depth());
  bytes.reserve(static_cast<std::size_t>(count) * 4);
  for (std::int32_t i = 0; i < count; ++i) {
    const ColorQuad entry = image.PaletteEntry(i);
    bytes.insert(bytes.end(), {entry.blue, entry.green, entry.red, entry.alpha});
  }
  return WriteAll(stream, bytes.data(), bytes.size());
}

bool WriteMasks(std::FILE* stream) {
  std::uint8_t bytes[kMaskAreaSize];
  std::uint8_t* out = bytes;
  for (const std::uint16_t mask : {kFiveSixFiveMasks.red, kFiveSixFiveMasks.green,
                                   kFiveSixFiveMasks.blue}) {
    out = StoreLittleEndian32(out, mask);
  }
  return WriteAll(stream, bytes, sizeof bytes);
}

void EncodeSixteenBitRun(const BitmapImage& image, std::uint8_t* data, PixelRun run) {
  for (std::int32_t i = 0; i < run.count; ++i) {
    data = StoreLittleEndian16(data, EncodeFiveSixFive(image.ReadPixel(run.firstX + i, run.y)));
  }
}

// Rows no longer than a block, bottom-up, several at a time; every byte that
// holds no pixel is zero.
template <typename Encode>
bool WriteRowBlocks(const BitmapImage& image, std::int64_t stride, Encode encode,
                    std::FILE* stream) {
  RowBlock block(stride);
  for (std::int32_t y = image.Height() - 1; y >= 0;) {
    const std::int32_t rows = std::min(block.Rows(), y + 1);
    EncodeRowBlock(image, block.Row(0), block.Pitch(), y, rows, encode);
    if (block.Contiguous()) {
      if (!WriteAll(stream, block.Row(0), static_cast<std::size_t>(stride * rows))) {
        return false;
      }
      y -= rows;
      continue;
    }
    for (std::int32_t k = 0; k < rows; ++k) {
      if (!WriteAll(stream, block.Row(k), static_cast<std::size_t>(stride))) {
        return false;
      }
    }
    y -= rows;
  }
  return true;
}

bool WriteRowBlocks(const BitmapImage& image, std::FILE* stream) {
  const std::int32_t depth = image.Depth();
  const std::int64_t stride = RowStride(image.Width(), depth);
  switch (depth) {
    case 32:
      return WriteRowBlocks(image, stride, [](std::uint8_t* row, std::int32_t x, const ColorQuad& pixel) {
        std::memcpy(row + 4 * static_cast<std::size_t>(x), &pixel, 4);  // the same byte order
      }, stream);
    case 24: {
      const std::int32_t last = image.Width() - 1;
      return WriteRowBlocks(image, stride, [last](std::uint8_t* row, std::int32_t x, const ColorQuad& pixel) {
        // One four-byte store; its fourth byte is overwritten by the next
        // pixel, which columns to the right of it are written after.
        std::uint8_t* bytes = row + 3 * static_cast<std::size_t>(x);
        std::memcpy(bytes, &pixel, x < last ? 4 : 3);
      }, stream);
    }
    case 16:
      return WriteRowBlocks(image, stride, [](std::uint8_t* row, std::int32_t x, const ColorQuad& pixel) {
        StoreLittleEndian16(row + 2 * static_cast<std::size_t>(x), EncodeFiveSixFive(pixel));
      }, stream);
    default: {
      const PaletteSearch search(image);
      const unsigned keep = ~(((1u << depth) - 1u));
      return WriteRowBlocks(image, stride, [&](std::uint8_t* row, std::int32_t x, const ColorQuad& pixel) {
        // Fields are replaced whole, so a reused buffer needs no clearing and
        // the unused bits of a last byte stay zero.
        const PackedField field = FieldOf(x, depth);
        std::uint8_t& byte = row[field.byte];
        byte = static_cast<std::uint8_t>((byte & std::rotl(keep, static_cast<int>(field.shift))) |
                                         (static_cast<unsigned>(search.Nearest(pixel)) << field.shift));
      }, stream);
    }
  }
}

// Rows longer than a block, bottom-up in runs; the bytes after each row's data are zero.
bool WriteRows(const BitmapImage& image, std::FILE* stream) {
  const std::int32_t depth = image.Depth();
  const std::int32_t width = image.Width();
  const std::int64_t padding = RowStride(width, depth) - RowDataBytes(width, depth);
  const std::int32_t runPixels = std::min(width, kMaxRunPixels);
  std::vector<std::uint8_t> buffer(
      static_cast<std::size_t>(RowDataBytes(runPixels, depth) + padding), 0);
  const bool indexed = IsIndexedDepth(depth);
  const PaletteSearch search(image);

  for (std::int32_t y = image.Height() - 1; y >= 0; --y) {
    for (std::int32_t x = 0; x < width;) {
      const std::int32_t count = std::min(runPixels, width - x);
      const PixelRun run{x, count, y};
      if (indexed) {
        EncodeIndexedRun(image, search, depth, buffer.data(), run);
      } else if (depth == 16) {
        EncodeSixteenBitRun(image, buffer.data(), run);
      } else {
        EncodeDirectRun(image, depth, buffer.data(), run);
      }
      auto bytes = static_cast<std::size_t>(RowDataBytes(count, depth));
      x += count;
      if (x == width) {
        std::fill_n(buffer.begin() + static_cast<std::ptrdiff_t>(bytes), padding, 0);
        bytes += static_cast<std::size_t>(padding);
      }
      if (!WriteAll(stream, buffer.data(), bytes)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

bool SaveToStream(const BitmapImage& image, std::FILE* stream) {
  if (!WriteHeaders(image, stream)) return false;
  if (IsIndexedDepth(image.Depth()) && !WritePalette(image, stream)) return false;
  if (image.Depth() == 16 && !WriteMasks(stream)) return false;
  if (RowStride(image.Width(), image.Depth()) <= kRowBlockBytes) {
    return WriteRowBlocks(image, stream);
  }
  return WriteRows(image, stream);
}

std::error_code SaveWithReason(const BitmapImage& image, const char* path) {
  ReplacingFile output(path);
  if (output.Stream() == nullptr) {
    return output.Error();
  }
  errno = 0;
  if (!SaveToStream(image, output.Stream())) {
    // A stream error without errno (none seen in practice) still fails.
    return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
  }
  return output.Commit() ? std::error_code() : output.Error();
}

bool Save(const BitmapImage& image, const char* path) { return !SaveWithReason(image, path); }

}  // namespace quindle
