#pragma once

#include <cstdio>
#include <system_error>

#include "bmp/ChannelTables.h"
#include "image/BitmapImage.h"

namespace quindle {

// Writes the image as a BMP file at its own depth: depths 1, 4, 8, 24 and 32
// uncompressed (indexed pixels mapped to the nearest palette colour), depth 16
// with 5-6-5 channel masks; rows bottom-up.
//
// The file is written to a temporary beside the target and renamed over it
// only once every byte is written and flushed: false, with the target
// untouched and no temporary left, when any step fails.
bool Save(const BitmapImage& image, const char* path);
// The same, giving the system's reason for a failure (empty on success).
// With tables, every pixel is written as the tables map it, exactly as if the
// image had been mapped first; the image itself is not changed.
std::error_code SaveWithReason(const BitmapImage& image, const char* path,
                               const ChannelTables* tables = nullptr);

// Writes the whole file to an open stream; false when any write falls short.
bool SaveToStream(const BitmapImage& image, std::FILE* stream,
                  const ChannelTables* tables = nullptr);

}  // namespace quindle
