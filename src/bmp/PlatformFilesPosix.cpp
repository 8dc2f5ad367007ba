#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "bmp/PlatformFiles.h"

namespace quindle::platform {

std::error_code LastError() {
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

std::string ResolvedTarget(const char* path) {
  struct stat linkStatus {};
  if (::lstat(path, &linkStatus) == 0 && S_ISLNK(linkStatus.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(path, resolved) != nullptr) {
      return resolved;
    }
  }
  return path;
}

std::error_code CheckReplaceable(const std::string& target, TargetState& state) {
  struct stat status {};
  state.exists = ::stat(target.c_str(), &status) == 0;
  if (!state.exists) return {};
  if (S_ISDIR(status.st_mode)) return std::make_error_code(std::errc::is_a_directory);
  if (::access(target.c_str(), W_OK) != 0) return LastError();
  state.permissions = status.st_mode & 07777;
  return {};
}

std::FILE* CreateExclusive(const std::string& path, const TargetState& state) {
  // Mode 0666 under the umask: what creating the target directly gives.
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor < 0) return nullptr;
  if (state.exists) {
    ::fchmod(descriptor, static_cast<mode_t>(state.permissions));
  }
  std::FILE* stream = ::fdopen(descriptor, "wb");
  if (stream == nullptr) {
    const int error = errno;
    ::close(descriptor);
    ::unlink(path.c_str());
    errno = error;
  }
  return stream;
}

std::error_code ReplaceTarget(const std::string& temporary, const std::string& target,
                              const TargetState&) {
  return ::rename(temporary.c_str(), target.c_str()) == 0 ? std::error_code() : LastError();
}

}  // namespace quindle::platform
