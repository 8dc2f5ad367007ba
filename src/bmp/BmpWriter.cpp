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

// Writes every row, bottom-up, each byte that holds no pixel zero: in blocks
// of whole rows when a row fits a block, else each row in runs of pixels.
// encode(bytes, x, lastX, pixel) stores pixel x counted from `bytes`, whose
// last pixel is lastX.
template <typename Encode>
bool WriteRowsWith(const BitmapImage& image, std::FILE* stream, Encode encode) {
  const std::int32_t depth = image.Depth();
  const std::int32_t width = image.Width();
  const std::int64_t stride = RowStride(width, depth);
  if (stride <= kRowBlockBytes) {
    RowBlock block(stride);
    const auto encodeRow = [&](std::uint8_t* row, std::int32_t x, const ColorQuad& pixel) {
      encode(row, x, width - 1, pixel);
    };
    for (std::int32_t y = image.Height() - 1; y >= 0;) {
      const std::int32_t rows = std::min(block.Rows(), y + 1);
      EncodeRowBlock(image, block.Row(0), block.Pitch(), y, rows, 0, width, encodeRow);
      const std::int32_t writes = block.Contiguous() ? 1 : rows;
      const auto bytes = static_cast<std::size_t>(stride * (block.Contiguous() ? rows : 1));
      for (std::int32_t k = 0; k < writes; ++k) {
        if (!WriteAll(stream, block.Row(k), bytes)) return false;
      }
      y -= rows;
    }
    return true;
  }
  const std::int64_t padding = stride - RowDataBytes(width, depth);
  // Room for the padding and for a whole-pixel store past a run's last byte.
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(RowDataBytes(kMaxRunPixels, depth) + padding + 4), 0);
  for (std::int32_t y = image.Height() - 1; y >= 0; --y) {
    for (std::int32_t x = 0; x < width;) {
      const std::int32_t count = std::min(kMaxRunPixels, width - x);
      auto bytes = static_cast<std::size_t>(RowDataBytes(count, depth));
      std::fill_n(buffer.begin(), bytes, 0);  // packed fields are merged into their bytes
      EncodeRowBlock(image, buffer.data(), 0, y, 1, x, count,
                     [&](std::uint8_t* row, std::int32_t runX, const ColorQuad& pixel) {
                       encode(row, runX, count - 1, pixel);
                     });
      x += count;
      if (x == width) {
        std::fill_n(buffer.begin() + static_cast<std::ptrdiff_t>(bytes), padding, 0);
        bytes += static_cast<std::size_t>(padding);
      }
      if (!WriteAll(stream, buffer.data(), bytes)) return false;
    }
  }
  return true;
}

// The rows at the image's depth, each pixel passed through `map` first.
template <typename Map>
bool WriteRows(const BitmapImage& image, std::FILE* stream, const Map& map) {
  const std::int32_t depth = image.Depth();
  switch (depth) {
    case 32:
      return WriteRowsWith(image, stream, [&](std::uint8_t* row, std::int32_t x, std::int32_t, const ColorQuad& pixel) {
        const ColorQuad mapped = map(pixel);
        std::memcpy(row + 4 * static_cast<std::size_t>(x), &mapped, 4);  // the same byte order
      });
    case 24:
      return WriteRowsWith(image, stream, [&](std::uint8_t* row, std::int32_t x, std::int32_t last, const ColorQuad& pixel) {
        // One four-byte store; its fourth byte is overwritten by the next
        // pixel, which is written after it.
        const ColorQuad mapped = map(pixel);
        std::uint8_t* bytes = row + 3 * static_cast<std::size_t>(x);
        if (x < last) {
          std::memcpy(bytes, &mapped, 4);
        } else {
          std::memcpy(bytes, &mapped, 3);
        }
      });
    case 16:
      return WriteRowsWith(image, stream, [&](std::uint8_t* row, std::int32_t x, std::int32_t, const ColorQuad& pixel) {
        StoreLittleEndian16(row + 2 * static_cast<std::size_t>(x), EncodeFiveSixFive(map(pixel)));
      });
    default: {
      const PaletteSearch search(image);
      const unsigned keep = ~((1u << depth) - 1u);
      return WriteRowsWith(image, stream, [&](std::uint8_t* row, std::int32_t x, std::int32_t, const ColorQuad& pixel) {
        // Fields are replaced whole, so a reused buffer needs no clearing and
        // the unused bits of a last byte stay zero.
        const PackedField field = FieldOf(x, depth);
        std::uint8_t& byte = row[field.byte];
        byte = static_cast<std::uint8_t>((byte & std::rotl(keep, static_cast<int>(field.shift))) |
                                         (static_cast<unsigned>(search.Nearest(map(pixel))) << field.shift));
      });
    }
  }
}

}  // namespace

bool SaveToStream(const BitmapImage& image, std::FILE* stream, const ChannelTables* tables) {
  if (!WriteHeaders(image, stream)) return false;
  if (IsIndexedDepth(image.Depth()) && !WritePalette(image, stream)) return false;
  if (image.Depth() == 16 && !WriteMasks(stream)) return false;
  if (tables != nullptr) {
    return WriteRows(image, stream, *tables);
  }
  return WriteRows(image, stream, [](const ColorQuad& pixel) { return pixel; });
}

std::error_code SaveWithReason(const BitmapImage& image, const char* path,
                               const ChannelTables* tables) {
  ReplacingFile output(path);
  if (output.Stream() == nullptr) {
    return output.Error();
  }
  errno = 0;
  if (!SaveToStream(image, output.Stream(), tables)) {
    // A stream error without errno (none seen in practice) still fails.
    return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
  }
  return output.Commit() ? std::error_code() : output.Error();
}

bool Save(const BitmapImage& image, const char* path) { return !SaveWithReason(image, path); }

}  // namespace quindle
