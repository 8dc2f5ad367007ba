#pragma once

#include <cstdio>
#include <string>
#include <system_error>

namespace quindle::platform {

// What the file system says of a path that is about to be replaced.
struct TargetState {
  bool exists = false;
  unsigned permissions = 0;  // POSIX mode bits of an existing target
};

// The path the bytes really go to: a symbolic link to a file is followed, as
// opening the link for writing would.
std::string ResolvedTarget(const char* path);

// Whether the target may be replaced: not a folder, and writable when it
// exists, as opening it for writing would require.
std::error_code CheckReplaceable(const std::string& target, TargetState& state);

// Creates a new file that must not exist yet, with the permissions a new
// target would get or an existing target has; null with errno set on failure.
std::FILE* CreateExclusive(const std::string& path, const TargetState& state);

// Puts the finished temporary in place of the target in one step.
std::error_code ReplaceTarget(const std::string& temporary, const std::string& target,
                              const TargetState& state);

std::error_code LastError();

}  // namespace quindle::platform
