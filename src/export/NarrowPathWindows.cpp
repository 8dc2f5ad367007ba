#include <windows.h>

#include <cstddef>

#include "export/NarrowPath.h"

namespace quindle {

// The path in the active ANSI code page, as the file functions taking narrow
// paths expect; characters the code page cannot represent become its default
// character, so such a path names no file that the wide path names.
std::string NarrowPath(const char16_t* widePath) {
  if (widePath == nullptr) {
    return {};
  }
  std::size_t units = 0;
  while (widePath[units] != u'\0') {
    ++units;
  }
  CPINFO codePage{};
  const UINT longest = ::GetCPInfo(CP_ACP, &codePage) ? codePage.MaxCharSize : 4;
  // Room for the longest form of every unit and the terminator; the result is
  // always terminated, whatever the conversion does.
  std::string narrow((units + 1) * longest, '\0');
  const int written = ::WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(widePath),
                                            -1, narrow.data(), static_cast<int>(narrow.size()),
                                            nullptr, nullptr);
  narrow.resize(written > 0 ? static_cast<std::size_t>(written) - 1 : 0);
  return narrow;
}

}  // namespace quindle
