#pragma once

#include <cstdint>

#include "bmp/BmpHeaders.h"

namespace quindle {

// Reads the headers of a named BMP file without loading its pixels. Nothing is
// validated; fields the file does not supply keep the record's defaults (0
// where the record has none).

// bfType is 0 when the file cannot be opened.
FileHeader ReadFileHeaderOf(const char* path);
// The bytes at offsets 14 to 53, whatever biSize says; the default record when
// the file cannot be opened.
InfoHeader ReadInfoHeaderOf(const char* path);
// biBitCount of ReadInfoHeaderOf, 0 to 65535.
std::int32_t BitDepthOfFile(const char* path);

}  // namespace quindle
