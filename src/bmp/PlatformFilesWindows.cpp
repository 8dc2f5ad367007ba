#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>

#include "bmp/PlatformFiles.h"

namespace quindle::platform {

std::error_code LastError() {
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

std::string ResolvedTarget(const char* path) { return path; }

std::error_code CheckReplaceable(const std::string& target, TargetState& state) {
  const DWORD attributes = ::GetFileAttributesA(target.c_str());
  state.exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (!state.exists) return {};
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::make_error_code(std::errc::is_a_directory);
  }
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return std::make_error_code(std::errc::permission_denied);
  }
  return {};
}

std::FILE* CreateExclusive(const std::string& path, const TargetState&) {
  const int descriptor =
      ::_open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (descriptor < 0) return nullptr;
  std::FILE* stream = ::_fdopen(descriptor, "wb");
  if (stream == nullptr) {
    const int error = errno;
    ::_close(descriptor);
    ::remove(path.c_str());
    errno = error;
  }
  return stream;
}

std::error_code ReplaceTarget(const std::string& temporary, const std::string& target,
                              const TargetState& state) {
  // ReplaceFile keeps the replaced file's attributes and security; a new
  // target is simply moved into place.
  const BOOL replaced =
      state.exists
          ? ::ReplaceFileA(target.c_str(), temporary.c_str(), nullptr,
                           REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
          : ::MoveFileExA(temporary.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (replaced) return {};
  return std::error_code(static_cast<int>(::GetLastError()), std::system_category());
}

}  // namespace quindle::platform
