#include "bmp/ReplacingFile.h"

#include <cerrno>
#include <cstdio>
#include <random>

#include "bmp/PlatformFiles.h"

namespace quindle {
namespace {

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  if (slash == std::string::npos) return {};
  return path.substr(0, slash + 1);
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
  targetPath_ = platform::ResolvedTarget(targetPath);
  error_ = platform::CheckReplaceable(targetPath_, target_);
  if (error_) {
    return;
  }
  const std::string folder = FolderOf(targetPath_);
  for (int attempt = 0; attempt < 64 && !stream_; ++attempt) {
    temporaryPath_ = folder + ".bmp-" + RandomSuffix() + ".tmp";
    errno = 0;
    stream_.reset(platform::CreateExclusive(temporaryPath_, target_));
    if (!stream_ && errno != EEXIST) {
      break;
    }
  }
  if (!stream_) {
    error_ = platform::LastError();
    temporaryPath_.clear();
  }
}

ReplacingFile::~ReplacingFile() { Discard(); }

void ReplacingFile::Discard() {
  stream_.reset();
  if (!temporaryPath_.empty()) {
    std::remove(temporaryPath_.c_str());
    temporaryPath_.clear();
  }
}

bool ReplacingFile::Commit() {
  if (!stream_) {
    return false;
  }
  errno = 0;
  const bool written = std::fflush(stream_.get()) == 0 && std::ferror(stream_.get()) == 0;
  if (!written) error_ = platform::LastError();
  const bool closed = std::fclose(stream_.release()) == 0;
  if (written && !closed) error_ = platform::LastError();
  if (written && closed) {
    error_ = platform::ReplaceTarget(temporaryPath_, targetPath_, target_);
  }
  if (!written || !closed || error_) {
    Discard();
    return false;
  }
  temporaryPath_.clear();
  return true;
}

}  // namespace quindle
