#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <unistd.h>

#include "bmp/BmpReader.h"
#include "bmp/BmpWriter.h"
#include "bmp/FileStream.h"
#include "bmp/LittleEndian.h"

namespace quindle::fuzz {

// Takes fixed-size values off the front of the input, then leaves the rest.
class InputReader {
 public:
  InputReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint32_t U32() {
    std::uint8_t bytes[4] = {};
    for (std::uint8_t& byte : bytes) {
      if (size_ > 0) {
        byte = *data_++;
        --size_;
      }
    }
    return LoadLittleEndian32(bytes);
  }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  const std::uint8_t* Data() const { return data_; }
  std::size_t Size() const { return size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// Crashes loudly so that the fuzzer records the input.
[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::fflush(stderr);
  __builtin_trap();
}

inline void Check(bool condition, const char* what) {
  if (!condition) Fail(what);
}

// Files declaring more pixels than this are skipped: large grids are slow to
// fill and are covered by the ordinary tests.
inline constexpr std::int64_t kMaxFuzzPixels = std::int64_t{1} << 16;

inline bool DeclaresFewPixels(const std::uint8_t* data, std::size_t size) {
  if (size < 26) return true;
  const auto width = static_cast<std::int32_t>(LoadLittleEndian32(data + 18));
  const auto height = static_cast<std::int32_t>(LoadLittleEndian32(data + 22));
  const std::int64_t pixels = std::int64_t{width} * height;
  return pixels >= -kMaxFuzzPixels && pixels <= kMaxFuzzPixels;
}

// Loads through the stream reader from bytes in memory.
inline LoadStatus LoadMemory(BitmapImage& image, const std::uint8_t* data, std::size_t size) {
  // fmemopen refuses an empty buffer; an empty file is an empty temporary.
  FileStream stream(size > 0 ? fmemopen(const_cast<std::uint8_t*>(data), size, "rb")
                             : std::tmpfile());
  if (!stream) return LoadStatus::CannotOpen;
  return LoadFromStream(image, stream.get());
}

// Saves through the stream writer and returns the file's bytes; one temporary
// file serves the whole run.
inline std::vector<std::uint8_t> SaveMemory(const BitmapImage& image) {
  static FileStream scratch(std::tmpfile());
  std::FILE* stream = scratch.get();
  Check(stream != nullptr && ftruncate(fileno(stream), 0) == 0, "scratch file");
  std::rewind(stream);
  Check(SaveToStream(image, stream), "SaveToStream failed on a scratch file");
  std::fflush(stream);
  const long size = std::ftell(stream);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  std::rewind(stream);
  Check(std::fread(bytes.data(), 1, bytes.size(), stream) == bytes.size(), "scratch read");
  return bytes;
}

}  // namespace quindle::fuzz
