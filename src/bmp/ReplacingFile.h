#pragma once

#include <cstdio>
#include <string>
#include <system_error>

#include "bmp/FileStream.h"
#include "bmp/PlatformFiles.h"

namespace quindle {

// A new file written beside a target path and renamed over it on Commit, so
// the target is either untouched or completely replaced. Until Commit the
// temporary is removed when the object goes out of scope.
//
// A new target gets the permissions that creating it directly would give; an
// existing one keeps its permissions. A target that exists but may not be
// written is refused, as opening it for writing would be.
class ReplacingFile {
 public:
  explicit ReplacingFile(const char* targetPath);
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;
  ~ReplacingFile();

  // Null when the temporary could not be created.
  std::FILE* Stream() const { return stream_.get(); }

  // Flushes and closes the temporary, then renames it over the target.
  bool Commit();

  // The system's reason for the last failure.
  std::error_code Error() const { return error_; }

 private:
  void Discard();

  std::string targetPath_;
  std::string temporaryPath_;
  platform::TargetState target_;
  FileStream stream_;
  std::error_code error_;
};

}  // namespace quindle
