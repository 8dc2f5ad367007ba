#pragma once

#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

#include "bmp/BmpHeaders.h"
#include "bmp/BmpReader.h"

namespace quindle::tool {

// What a file's headers say, and what the reader would make of them.
struct HeaderReport {
  LoadStatus status = LoadStatus::CannotOpen;
  std::error_code openError;
  std::uint64_t fileSize = 0;
  std::vector<std::uint8_t> firstBytes;  // up to 4, to name a foreign format
  FileHeader file;
  InfoHeader info;
};

HeaderReport InspectHeaders(const std::string& path);

// Why a file does not load, in one line; `status` may differ from the
// report's (a load can also run out of memory).
std::string LoadFailureReason(const HeaderReport& report, LoadStatus status);

}  // namespace quindle::tool
