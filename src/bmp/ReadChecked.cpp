#include "bmp/ReadChecked.h"

#include <algorithm>
#include <array>

namespace quindle {

bool ReadChecked(void* destination, std::size_t itemSize, std::size_t itemCount,
                 std::FILE* stream) {
  if (std::feof(stream) != 0) {
    return false;
  }
  return std::fread(destination, itemSize, itemCount, stream) >= itemCount;
}

bool SkipBytes(std::FILE* stream, std::uint64_t byteCount) {
  // A hostile header may declare gigabytes of gap; never buffer them whole.
  std::array<unsigned char, 16384> scratch;
  while (byteCount > 0) {
    const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(byteCount, scratch.size()));
    if (!ReadChecked(scratch.data(), piece, 1, stream)) {
      return false;
    }
    byteCount -= piece;
  }
  return true;
}

}  // namespace quindle
