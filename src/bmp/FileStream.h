#pragma once

#include <cstdio>
#include <memory>

namespace quindle {

struct FileCloser {
  void operator()(std::FILE* stream) const noexcept { std::fclose(stream); }
};

// An open C stream that is closed when it goes out of scope.
using FileStream = std::unique_ptr<std::FILE, FileCloser>;

inline FileStream OpenFile(const char* path, const char* mode) {
  return FileStream(path == nullptr ? nullptr : std::fopen(path, mode));
}

}  // namespace quindle
