#include "bmp/BmpHeaders.h"

#include <cstddef>

#include "bmp/LittleEndian.h"
#include "bmp/ReadChecked.h"

namespace quindle {

bool ReadField(std::uint16_t& field, std::FILE* stream) {
  std::uint8_t bytes[2];
  if (!ReadChecked(bytes, sizeof bytes, 1, stream)) {
    return false;
  }
  field = LoadLittleEndian16(bytes);
  return true;
}

bool ReadField(std::uint32_t& field, std::FILE* stream) {
  std::uint8_t bytes[4];
  if (!ReadChecked(bytes, sizeof bytes, 1, stream)) {
    return false;
  }
  field = LoadLittleEndian32(bytes);
  return true;
}

bool ReadField(std::int32_t& field, std::FILE* stream) {
  std::uint32_t value = 0;
  if (!ReadField(value, stream)) {
    return false;
  }
  field = static_cast<std::int32_t>(value);
  return true;
}

bool ReadFileHeaderAfterType(FileHeader& header, std::FILE* stream) {
  bool ok = ReadField(header.bfSize, stream);
  ok &= ReadField(header.bfReserved1, stream);
  ok &= ReadField(header.bfReserved2, stream);
  ok &= ReadField(header.bfOffBits, stream);
  return ok;
}

bool ReadInfoHeader(InfoHeader& header, std::FILE* stream) {
  bool ok = ReadField(header.biSize, stream);
  ok &= ReadField(header.biWidth, stream);
  ok &= ReadField(header.biHeight, stream);
  ok &= ReadField(header.biPlanes, stream);
  ok &= ReadField(header.biBitCount, stream);
  ok &= ReadField(header.biCompression, stream);
  ok &= ReadField(header.biSizeImage, stream);
  ok &= ReadField(header.biXPelsPerMeter, stream);
  ok &= ReadField(header.biYPelsPerMeter, stream);
  ok &= ReadField(header.biClrUsed, stream);
  ok &= ReadField(header.biClrImportant, stream);
  return ok;
}

std::array<std::uint8_t, kHeadersSize> SerializeHeaders(const FileHeader& fileHeader,
                                                        const InfoHeader& infoHeader) {
  std::array<std::uint8_t, kHeadersSize> bytes{};
  std::uint8_t* out = bytes.data();
  out = StoreLittleEndian16(out, fileHeader.bfType);
  out = StoreLittleEndian32(out, fileHeader.bfSize);
  out = StoreLittleEndian16(out, fileHeader.bfReserved1);
  out = StoreLittleEndian16(out, fileHeader.bfReserved2);
  out = StoreLittleEndian32(out, fileHeader.bfOffBits);
  out = StoreLittleEndian32(out, infoHeader.biSize);
  out = StoreLittleEndian32(out, static_cast<std::uint32_t>(infoHeader.biWidth));
  out = StoreLittleEndian32(out, static_cast<std::uint32_t>(infoHeader.biHeight));
  out = StoreLittleEndian16(out, infoHeader.biPlanes);
  out = StoreLittleEndian16(out, infoHeader.biBitCount);
  out = StoreLittleEndian32(out, infoHeader.biCompression);
  out = StoreLittleEndian32(out, infoHeader.biSizeImage);
  out = StoreLittleEndian32(out, static_cast<std::uint32_t>(infoHeader.biXPelsPerMeter));
  out = StoreLittleEndian32(out, static_cast<std::uint32_t>(infoHeader.biYPelsPerMeter));
  out = StoreLittleEndian32(out, infoHeader.biClrUsed);
  StoreLittleEndian32(out, infoHeader.biClrImportant);
  return bytes;
}

}  // namespace quindle
