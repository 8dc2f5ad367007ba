#include "bmp/BmpReader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

#include "bmp/BmpHeaders.h"
#include "bmp/BmpLayout.h"
#include "bmp/FileStream.h"
#include "bmp/LittleEndian.h"
#include "bmp/ReadChecked.h"
#include "bmp/RowBlocks.h"
#include "bmp/RowCodecs.h"
#include "bmp/SixteenBitPixels.h"
#include "image/IntegerPower.h"

namespace quindle {
namespace {

LoadStatus CheckFormat(const InfoHeader& info) {
  // Compression and depth are judged before the size.
  const std::uint32_t compression = info.biCompression;
  if (compression == kCompressionRle8 || compression == kCompressionRle4) {
    return LoadStatus::RunLengthEncoded;
  }
  if (compression > kCompressionBitFields ||
      (compression == kCompressionBitFields && info.biBitCount != 16)) {
    return LoadStatus::UnsupportedCompression;
  }
  if (!IsSupportedDepth(info.biBitCount)) {
    return LoadStatus::UnsupportedDepth;
  }
  return LoadStatus::Loaded;
}

LoadStatus CheckSize(const InfoHeader& info) {
  if (info.biHeight < 0) {
    return LoadStatus::TopDown;
  }
  if (info.biWidth <= 0 || info.biHeight == 0) {
    return LoadStatus::NonPositiveSize;
  }
  if (std::int64_t{info.biWidth} * info.biHeight > kMaxPixelCount) {
    return LoadStatus::TooManyPixels;
  }
  return LoadStatus::Loaded;
}

// Reads the palette of an indexed file and returns where its colour area,
// counted as a full palette, ends. bfOffBits says how many entries the file
// holds; missing entries become white.
std::int64_t ReadPalette(BitmapImage& image, const FileHeader& file, const InfoHeader& info,
                         std::FILE* stream) {
  std::int64_t paletteStart = kHeadersSize;
  if (info.biSize > kInfoHeaderSize) {
    // A longer info header (V4, V5, OS/2 2.x) ends before the palette.
    SkipBytes(stream, info.biSize - static_cast<std::uint64_t>(kInfoHeaderSize));
    paletteStart = kFileHeaderSize + std::int64_t{info.biSize};
  }
  const std::int64_t offBits = static_cast<std::int32_t>(file.bfOffBits);
  const std::int64_t fullCount = IntegerPower(2, image.Depth());
  const std::int64_t count = std::clamp<std::int64_t>((offBits - paletteStart) / kPaletteEntrySize,
                                                      0, fullCount);
  for (std::int64_t j = 0; j < count; ++j) {
    std::uint8_t entry[4];
    // An entry the file does not supply keeps its standard colour.
    if (ReadChecked(entry, sizeof entry, 1, stream)) {
      image.SetPaletteEntry(static_cast<std::int32_t>(j),
                            ColorQuad{entry[0], entry[1], entry[2], entry[3]});
    }
  }
  for (std::int64_t j = count; j < fullCount; ++j) {
    image.SetPaletteEntry(static_cast<std::int32_t>(j), kWhite);
  }
  return paletteStart + fullCount * kPaletteEntrySize;
}

// The bytes between the colour area and bfOffBits; never negative.
std::int64_t GapAfter(std::int64_t colourAreaEnd, const FileHeader& file) {
  const std::int64_t offBits = static_cast<std::int32_t>(file.bfOffBits);
  return std::max<std::int64_t>(offBits - colourAreaEnd, 0);
}

void FillRowWhite(BitmapImage& image, std::int32_t y, std::int32_t count) {
  for (std::int32_t x = 0; x < count; ++x) {
    image.WritePixel(x, y, kWhite);
  }
}

// How far a block read came: whole rows, then the bytes of a cut row.
struct BlockRead {
  std::int32_t complete = 0;
  std::size_t partialBytes = 0;
};

// Reads up to `rows` whole rows: in one read when they lie side by side, else
// one read per row, stopping at the first short one.
BlockRead ReadBlock(RowBlock& block, std::int32_t rows, std::FILE* stream) {
  BlockRead read;
  const auto stride = static_cast<std::size_t>(block.Stride());
  if (block.Contiguous()) {
    const std::size_t got =
        std::feof(stream) != 0 ? 0 : std::fread(block.Row(0), 1, stride * static_cast<std::size_t>(rows), stream);
    read.complete = static_cast<std::int32_t>(got / stride);
    read.partialBytes = got % stride;
    return read;
  }
  while (read.complete < rows && std::feof(stream) == 0) {
    const std::size_t got = std::fread(block.Row(read.complete), 1, stride, stream);
    if (got < stride) {
      read.partialBytes = got;
      break;
    }
    ++read.complete;
  }
  return read;
}

// Rows of depths 1, 4, 8, 24 and 32 no longer than a block, bottom-up. A row
// that the file cuts short is not decoded, and it and every row above it stay
// white.
template <typename Decode>
void ReadPackedRowBlocks(BitmapImage& image, std::int64_t stride, Decode decode,
                         std::FILE* stream) {
  RowBlock block(stride);
  for (std::int32_t y = image.Height() - 1; y >= 0;) {
    const std::int32_t rows = std::min(block.Rows(), y + 1);
    const std::int32_t complete = ReadBlock(block, rows, stream).complete;
    DecodeRowBlock(image, block.Row(0), block.Pitch(), y, complete, decode);
    if (complete < rows) return;
    y -= rows;
  }
}

void ReadPackedRowBlocks(BitmapImage& image, std::FILE* stream) {
  const std::int32_t depth = image.Depth();
  const std::int64_t stride = RowStride(image.Width(), depth);
  if (depth == 32) {
    ReadPackedRowBlocks(image, stride, [](const std::uint8_t* row, std::int32_t x, ColorQuad& pixel) {
      const std::uint8_t* bytes = row + 4 * static_cast<std::size_t>(x);
      pixel = ColorQuad{bytes[0], bytes[1], bytes[2], bytes[3]};
    }, stream);
  } else if (depth == 24) {
    // The grid is fresh, every alpha 0, so whole pixels can be stored.
    ReadPackedRowBlocks(image, stride, [](const std::uint8_t* row, std::int32_t x, ColorQuad& pixel) {
      const std::uint8_t* bytes = row + 3 * static_cast<std::size_t>(x);
      pixel = ColorQuad{bytes[0], bytes[1], bytes[2], 0};
    }, stream);
  } else {
    // Any index a field can hold names an entry; past the palette it is white.
    std::array<ColorQuad, 256> table;
    for (std::size_t i = 0; i < table.size(); ++i) {
      table[i] = image.PaletteEntry(static_cast<std::int32_t>(i));
    }
    const unsigned mask = (1u << depth) - 1u;
    ReadPackedRowBlocks(image, stride, [&](const std::uint8_t* row, std::int32_t x, ColorQuad& pixel) {
      const PackedField field = FieldOf(x, depth);
      pixel = table[(row[field.byte] >> field.shift) & mask];
    }, stream);
  }
}

// Rows of depths 1, 4, 8, 24 and 32 longer than a block, in runs of pixels.
void ReadPackedRows(BitmapImage& image, std::FILE* stream) {
  const std::int32_t depth = image.Depth();
  const std::int32_t width = image.Width();
  const std::int64_t padding = RowStride(width, depth) - RowDataBytes(width, depth);
  const std::int32_t runPixels = std::min(width, kMaxRunPixels);
  std::vector<std::uint8_t> buffer(
      static_cast<std::size_t>(RowDataBytes(runPixels, depth) + padding));

  for (std::int32_t y = image.Height() - 1; y >= 0; --y) {
    std::int32_t x = 0;
    while (x < width) {
      const std::int32_t count = std::min(runPixels, width - x);
      const std::int64_t bytes = RowDataBytes(count, depth) + (x + count == width ? padding : 0);
      if (!ReadChecked(buffer.data(), static_cast<std::size_t>(bytes), 1, stream)) {
        FillRowWhite(image, y, x);
        return;
      }
      const PixelRun run{x, count, y};
      if (IsIndexedDepth(depth)) {
        DecodeIndexedRun(image, depth, buffer.data(), run);
      } else {
        DecodeDirectRun(image, depth, buffer.data(), run);
      }
      x += count;
    }
  }
}

ChannelMasks ReadMasks(std::FILE* stream) {
  ChannelMasks masks;
  // Only the low 16 bits of each 32-bit mask take part; a mask the file does
  // not supply keeps its default.
  for (std::uint16_t* mask : {&masks.red, &masks.green, &masks.blue}) {
    ReadField(*mask, stream);
    std::uint16_t highHalf = 0;
    ReadField(highHalf, stream);
  }
  return masks;
}

// 16-bit rows no longer than a block, bottom-up. Once the file runs out, every
// remaining pixel takes the last word read (0 if none was).
void ReadSixteenBitRowBlocks(BitmapImage& image, const SixteenBitDecoder& decoder,
                             std::FILE* stream) {
  const std::int32_t width = image.Width();
  const std::int64_t stride = RowStride(width, 16);
  RowBlock block(stride);
  const auto wordAt = [](const std::uint8_t* row, std::int32_t x) {
    return LoadLittleEndian16(row + 2 * static_cast<std::size_t>(x));
  };
  std::uint16_t word = 0;
  std::int32_t y = image.Height() - 1;
  while (y >= 0) {
    const std::int32_t rows = std::min(block.Rows(), y + 1);
    const BlockRead read = ReadBlock(block, rows, stream);
    const std::int32_t complete = read.complete;
    DecodeRowBlock(image, block.Row(0), block.Pitch(), y, complete,
                   [&](const std::uint8_t* row, std::int32_t x, ColorQuad& pixel) {
                     decoder.Apply(wordAt(row, x), pixel);
                   });
    if (complete > 0) {
      word = wordAt(block.Row(complete - 1), width - 1);
    }
    y -= complete;
    if (complete < rows) {
      // The cut row keeps the words that arrived whole; the rest repeat the last.
      const std::uint8_t* row = block.Row(complete);
      const auto words = static_cast<std::int32_t>(
          std::min<std::size_t>(read.partialBytes / 2, static_cast<std::size_t>(width)));
      for (std::int32_t x = 0; x < words; ++x) {
        word = wordAt(row, x);
        decoder.Apply(word, image.PixelAt(x, y));
      }
      for (std::int32_t x = words; x < width; ++x) decoder.Apply(word, image.PixelAt(x, y));
      break;
    }
  }
  // Every row above the cut takes the last word.
  for (std::int32_t x = 0; x < width; ++x) {
    for (std::int32_t row = 0; row < y; ++row) decoder.Apply(word, image.PixelAt(x, row));
  }
}

// 16-bit rows longer than a block, in runs of pixels. Once the file runs out,
// every remaining pixel takes the last word read (0 if none was).
void ReadSixteenBitRows(BitmapImage& image, const SixteenBitDecoder& decoder,
                        std::FILE* stream) {
  const std::int32_t width = image.Width();
  const std::int64_t padding = RowStride(width, 16) - RowDataBytes(width, 16);
  const std::int32_t runPixels = std::min(width, kMaxRunPixels);
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(2 * std::int64_t{runPixels} + padding));
  std::uint16_t word = 0;
  bool exhausted = false;

  for (std::int32_t y = image.Height() - 1; y >= 0; --y) {
    for (std::int32_t x = 0; x < width;) {
      const std::int32_t count = std::min(runPixels, width - x);
      const auto bytes =
          static_cast<std::size_t>(2 * std::int64_t{count} + (x + count == width ? padding : 0));
      std::size_t got = 0;
      if (!exhausted) {
        got = std::feof(stream) != 0 ? 0 : std::fread(buffer.data(), 1, bytes, stream);
        exhausted = got < bytes;
      }
      // A word cut by the end of the file counts as unread.
      const std::int32_t wordsRead = static_cast<std::int32_t>(std::min<std::size_t>(
          got / 2, static_cast<std::size_t>(count)));
      for (std::int32_t i = 0; i < count; ++i, ++x) {
        if (i < wordsRead) {
          word = LoadLittleEndian16(buffer.data() + 2 * static_cast<std::size_t>(i));
        }
        decoder.Apply(word, image.PixelAt(x, y));
      }
    }
  }
}

void ReadRows(BitmapImage& image, std::FILE* stream) {
  if (RowStride(image.Width(), image.Depth()) <= kRowBlockBytes) {
    ReadPackedRowBlocks(image, stream);
  } else {
    ReadPackedRows(image, stream);
  }
}

LoadStatus Refuse(BitmapImage& image, LoadStatus status) {
  ResetImage(image);
  return status;
}

LoadStatus LoadAcceptedHeaders(BitmapImage& image, const FileHeader& file,
                               const InfoHeader& info, std::FILE* stream) {
  image.SetDepth(info.biBitCount);
  image.SetDimensions(info.biWidth, info.biHeight);

  const std::int32_t depth = image.Depth();
  if (IsIndexedDepth(depth)) {
    SkipBytes(stream, static_cast<std::uint64_t>(GapAfter(ReadPalette(image, file, info, stream), file)));
    ReadRows(image, stream);
  } else if (depth == 16) {
    ChannelMasks masks;
    std::int64_t colourAreaEnd = kHeadersSize;
    if (info.biCompression == kCompressionBitFields) {
      masks = ReadMasks(stream);
      colourAreaEnd += kMaskAreaSize;
    }
    SkipBytes(stream, static_cast<std::uint64_t>(GapAfter(colourAreaEnd, file)));
    const SixteenBitDecoder decoder(masks);
    if (RowStride(image.Width(), 16) <= kRowBlockBytes) {
      ReadSixteenBitRowBlocks(image, decoder, stream);
    } else {
      ReadSixteenBitRows(image, decoder, stream);
    }
  } else {
    SkipBytes(stream, static_cast<std::uint64_t>(GapAfter(kHeadersSize, file)));
    ReadRows(image, stream);
  }
  return LoadStatus::Loaded;
}

}  // namespace

const char* Describe(LoadStatus status) {
  switch (status) {
    case LoadStatus::Loaded:
      return "loaded";
    case LoadStatus::CannotOpen:
      return "cannot be opened";
    case LoadStatus::NotBmp:
      return "not a BMP file";
    case LoadStatus::HeadersCutShort:
      return "the file ends inside its headers";
    case LoadStatus::RunLengthEncoded:
      return "run-length compressed";
    case LoadStatus::UnsupportedCompression:
      return "unsupported compression";
    case LoadStatus::UnsupportedDepth:
      return "unsupported bit depth";
    case LoadStatus::TopDown:
      return "rows stored top-down";
    case LoadStatus::NonPositiveSize:
      return "width or height not positive";
    case LoadStatus::TooManyPixels:
      return "more pixels than the reader accepts";
    case LoadStatus::OutOfMemory:
      return "not enough memory";
  }
  return "unknown";
}

void ResetImage(BitmapImage& image) {
  image.SetDepth(1);
  image.SetDimensions(1, 1);
}

LoadStatus ReadAndClassifyHeaders(std::FILE* stream, FileHeader& file, InfoHeader& info) {
  // A failed read leaves the signature's default; the header reads below then
  // fail too and catch it.
  bool complete = ReadField(file.bfType, stream);
  if (file.bfType != kBmpSignature) {
    return LoadStatus::NotBmp;
  }
  complete &= ReadFileHeaderAfterType(file, stream);
  complete &= ReadInfoHeader(info, stream);
  return complete ? ClassifyHeaders(info) : LoadStatus::HeadersCutShort;
}

LoadStatus LoadFromStream(BitmapImage& image, std::FILE* stream) {
  FileHeader file;
  InfoHeader info;
  const LoadStatus status = ReadAndClassifyHeaders(stream, file, info);
  if (status == LoadStatus::NotBmp) {
    return status;  // a foreign file leaves the image as it was
  }
  if (status == LoadStatus::HeadersCutShort) {
    return Refuse(image, status);
  }
  // The resolution is taken before the checks, so a refused file leaves it.
  image.xPixelsPerMeter = info.biXPelsPerMeter;
  image.yPixelsPerMeter = info.biYPelsPerMeter;
  if (status != LoadStatus::Loaded) {
    return Refuse(image, status);
  }
  try {
    return LoadAcceptedHeaders(image, file, info, stream);
  } catch (const std::bad_alloc&) {
    return Refuse(image, LoadStatus::OutOfMemory);
  }
}

LoadStatus ClassifyHeaders(const InfoHeader& info) {
  const LoadStatus format = CheckFormat(info);
  return format != LoadStatus::Loaded ? format : CheckSize(info);
}

LoadStatus LoadWithStatus(BitmapImage& image, const char* path, std::error_code* openError) {
  errno = 0;
  const FileStream stream = OpenFile(path, "rb");
  if (!stream) {
    if (openError != nullptr) {
      *openError = std::error_code(path == nullptr ? EINVAL : errno, std::generic_category());
    }
    ResetImage(image);
    return LoadStatus::CannotOpen;
  }
  return LoadFromStream(image, stream.get());
}

bool Load(BitmapImage& image, const char* path) {
  return LoadWithStatus(image, path) == LoadStatus::Loaded;
}

}  // namespace quindle
