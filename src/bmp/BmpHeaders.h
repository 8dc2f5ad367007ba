#pragma once

#include <array>
#include <cstdint>
#include <cstdio>

#include "bmp/BmpLayout.h"
#include "image/BitmapImage.h"

namespace quindle {

// The 14-byte file header. A new record holds the signature and zero reserved
// fields; the rest is zero until read or assigned.
struct FileHeader {
  std::uint16_t bfType = kBmpSignature;
  std::uint32_t bfSize = 0;
  std::uint16_t bfReserved1 = 0;
  std::uint16_t bfReserved2 = 0;
  std::uint32_t bfOffBits = 0;
};

// The 40-byte info header.
struct InfoHeader {
  std::uint32_t biSize = 0;
  std::int32_t biWidth = 0;
  std::int32_t biHeight = 0;
  std::uint16_t biPlanes = 1;
  std::uint16_t biBitCount = 0;
  std::uint32_t biCompression = kCompressionNone;
  std::uint32_t biSizeImage = 0;
  std::int32_t biXPelsPerMeter = kDefaultPixelsPerMeter;
  std::int32_t biYPelsPerMeter = kDefaultPixelsPerMeter;
  std::uint32_t biClrUsed = 0;
  std::uint32_t biClrImportant = 0;
};

// Each reads one little-endian field with ReadChecked and assigns it only when
// all its bytes arrived, so a missing field keeps its value.
bool ReadField(std::uint16_t& field, std::FILE* stream);
bool ReadField(std::uint32_t& field, std::FILE* stream);
bool ReadField(std::int32_t& field, std::FILE* stream);

// Read the fields in file order; every read is made, whatever the earlier
// ones gave. True when all of them succeeded.
bool ReadFileHeaderAfterType(FileHeader& header, std::FILE* stream);
bool ReadInfoHeader(InfoHeader& header, std::FILE* stream);

// Both headers as the 54 bytes that start a file.
std::array<std::uint8_t, kHeadersSize> SerializeHeaders(const FileHeader& fileHeader,
                                                        const InfoHeader& infoHeader);

}  // namespace quindle
