#pragma once

#include <string>

namespace quindle {

// The file-system path for a NUL-terminated UTF-16 path: UTF-8, whatever the
// process locale. An unpaired surrogate becomes '?'.
std::string NarrowPath(const char16_t* widePath);

}  // namespace quindle
