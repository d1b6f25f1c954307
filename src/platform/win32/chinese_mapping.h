// The system's own traditional/simplified mapping (LCMapStringA, Chinese (PRC) locale).
#pragma once

#include <optional>
#include <string>

// `text` mapped character by character to the simplified or traditional form; nothing when the
// call fails. Some systems (Wine among them) accept the request and return the text unchanged.
std::optional<std::string> SystemChineseMapping(const std::string& text, bool toSimplified);
