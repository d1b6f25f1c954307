#include <windows.h>

#include "platform/win32/chinese_mapping.h"

namespace {
constexpr LCID kChinesePrc = 0x0804;
}

std::optional<std::string> SystemChineseMapping(const std::string& text, bool toSimplified) {
  if (text.empty()) return text;
  // Both forms of a character are double-byte in code page 936, so a buffer of the source's
  // length is enough; a result that needs more makes the call fail.
  std::string buffer(text.size(), ' ');
  const int written = LCMapStringA(
      kChinesePrc, toSimplified ? LCMAP_SIMPLIFIED_CHINESE : LCMAP_TRADITIONAL_CHINESE, text.data(),
      static_cast<int>(text.size()), buffer.data(), static_cast<int>(buffer.size()));
  if (written <= 0) return std::nullopt;
  // Only the bytes written: blanks beyond them are not part of the name.
  buffer.resize(static_cast<size_t>(written));
  return buffer;
}
