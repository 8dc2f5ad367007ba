#pragma once

#include <cstdio>
#include <system_error>

#include "bmp/BmpHeaders.h"

#include "image/BitmapImage.h"

namespace quindle {

// Why a load ended as it did; only Loaded is a success.
enum class LoadStatus {
  Loaded,
  CannotOpen,
  NotBmp,                  // the first two bytes are not "BM"; the image is untouched
  HeadersCutShort,         // the file ends inside its 54 header bytes
  RunLengthEncoded,        // compression 1 or 2
  UnsupportedCompression,  // any other compression, or masks at a depth other than 16
  UnsupportedDepth,
  TopDown,                 // negative height: rows stored top-down
  NonPositiveSize,         // width of 0 or less, or height of 0
  TooManyPixels,           // width x height above kMaxPixelCount
  OutOfMemory,
};

const char* Describe(LoadStatus status);

// Fills the image from an uncompressed BMP file. True when its headers were
// read and accepted, also when pixel rows are missing (they stay white).
// A refused file leaves a 1 x 1 image of depth 1 (resolution from the file
// when its headers were read), except a foreign signature, which changes nothing.
bool Load(BitmapImage& image, const char* path);
// The same with the reason; openError, when given, receives the system's
// reason for CannotOpen.
LoadStatus LoadWithStatus(BitmapImage& image, const char* path,
                          std::error_code* openError = nullptr);

// The same from a stream positioned at the start of the file.
LoadStatus LoadFromStream(BitmapImage& image, std::FILE* stream);

// What the reader makes of complete headers with a "BM" signature: Loaded
// when it accepts them.
LoadStatus ClassifyHeaders(const InfoHeader& info);

// Reads both headers from the start of a stream as Load does and judges them:
// NotBmp, HeadersCutShort, a refusal, or Loaded when Load would go on to read
// the pixels.
LoadStatus ReadAndClassifyHeaders(std::FILE* stream, FileHeader& file, InfoHeader& info);

// The state a refused file leaves: 1 x 1, depth 1, standard palette, one
// white pixel; the resolution is kept.
void ResetImage(BitmapImage& image);

}  // namespace quindle
