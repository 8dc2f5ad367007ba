#include "bmp/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>

namespace quindle {
namespace {

// Where the bytes really go: a symbolic link to a file is followed, as
// opening the link for writing would.
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

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {};
  return path.substr(0, slash + 1);
}

std::error_code LastError() {
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

std::string RandomSuffix() {
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  thread_local std::mt19937_64 generator{std::random_device{}()};
  std::string suffix(12, '0');
  for (char& c : suffix) {
    c = kDigits[generator() % (sizeof kDigits - 1)];
  }
  return suffix;
}

}  // namespace

ReplacingFile::ReplacingFile(const char* targetPath) {
  if (targetPath == nullptr || *targetPath == '\0') {
    error_ = std::make_error_code(std::errc::no_such_file_or_directory);
    return;
  }
  targetPath_ = ResolvedTarget(targetPath);

  struct stat targetStatus {};
  const bool targetExists = ::stat(targetPath_.c_str(), &targetStatus) == 0;
  if (targetExists && S_ISDIR(targetStatus.st_mode)) {
    error_ = std::make_error_code(std::errc::is_a_directory);
    return;
  }
  if (targetExists && ::access(targetPath_.c_str(), W_OK) != 0) {
    error_ = LastError();
    return;
  }

  const std::string folder = FolderOf(targetPath_);
  int descriptor = -1;
  for (int attempt = 0; attempt < 64 && descriptor < 0; ++attempt) {
    temporaryPath_ = folder + ".bmp-" + RandomSuffix() + ".tmp";
    // Mode 0666 under the umask: what creating the target directly gives.
    descriptor = ::open(temporaryPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0 && errno != EEXIST) {
      break;
    }
  }
  if (descriptor < 0) {
    error_ = LastError();
    temporaryPath_.clear();
    return;
  }
  if (targetExists) {
    ::fchmod(descriptor, targetStatus.st_mode & 07777);
  }
  stream_.reset(::fdopen(descriptor, "wb"));
  if (!stream_) {
    error_ = LastError();
    ::close(descriptor);
    Discard();
  }
}

ReplacingFile::~ReplacingFile() { Discard(); }

void ReplacingFile::Discard() {
  stream_.reset();
  if (!temporaryPath_.empty()) {
    ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
  }
}

bool ReplacingFile::Commit() {
  if (!stream_) {
    return false;
  }
  errno = 0;
  const bool written = std::fflush(stream_.get()) == 0 && std::ferror(stream_.get()) == 0;
  if (!written) error_ = LastError();
  const bool closed = std::fclose(stream_.release()) == 0;
  if (written && !closed) error_ = LastError();
  const bool renamed =
      written && closed && ::rename(temporaryPath_.c_str(), targetPath_.c_str()) == 0;
  if (written && closed && !renamed) error_ = LastError();
  if (!renamed) {
    Discard();
    return false;
  }
  temporaryPath_.clear();
  return true;
}

}  // namespace quindle
