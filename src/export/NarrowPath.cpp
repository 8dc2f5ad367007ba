#include "export/NarrowPath.h"

#include <cstddef>
#include <cstdint>

namespace quindle {
namespace {

constexpr char kDefaultCharacter = '?';

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t codePoint) {
  const auto byte = [](char32_t value) { return static_cast<char>(static_cast<std::uint8_t>(value)); };
  if (codePoint < 0x80) {
    out += byte(codePoint);
  } else if (codePoint < 0x800) {
    out += byte(0xC0 | (codePoint >> 6));
    out += byte(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += byte(0xE0 | (codePoint >> 12));
    out += byte(0x80 | ((codePoint >> 6) & 0x3F));
    out += byte(0x80 | (codePoint & 0x3F));
  } else {
    out += byte(0xF0 | (codePoint >> 18));
    out += byte(0x80 | ((codePoint >> 12) & 0x3F));
    out += byte(0x80 | ((codePoint >> 6) & 0x3F));
    out += byte(0x80 | (codePoint & 0x3F));
  }
}

}  // namespace

std::string NarrowPath(const char16_t* widePath) {
  std::string narrow;
  if (widePath == nullptr) {
    return narrow;
  }
  std::size_t units = 0;
  while (widePath[units] != u'\0') {
    ++units;
  }
  // No code unit takes more than three bytes (a pair takes four for two).
  narrow.reserve(3 * units + 1);
  for (std::size_t i = 0; i < units; ++i) {
    const char32_t unit = widePath[i];
    if (IsHighSurrogate(unit) && i + 1 < units && IsLowSurrogate(widePath[i + 1])) {
      const char32_t low = widePath[++i];
      AppendUtf8(narrow, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      narrow += kDefaultCharacter;
    } else {
      AppendUtf8(narrow, unit);
    }
  }
  return narrow;
}

}  // namespace quindle
