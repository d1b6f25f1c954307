// "全部替换": replaces a text by another in every name: one occurrence near the start, or a
// number of occurrences counted from the left or from the right. Files keep their extension,
// which is never searched.
#pragma once

#include <string>
#include <string_view>

#include "pipeline/app_state.h"

struct TextReplacement {
  std::string sought, replacement;
  int count = 1;
  bool afterNumberOnly = true;  // only the first occurrence, when it starts within 8 bytes
  bool fromRight = false;       // with no such restriction: count from the right
};

// Whether `text` holds a character that a Windows name may not contain (\ / : * ? " < > |).
bool HasIllegalNameCharacter(std::string_view text);
// The name part with the replacements made; empty when unchanged (nothing replaced, or
// nothing left).
std::string ReplaceInName(std::string_view part, const TextReplacement& replacement);

void ReplaceAllClicked(AppState& app);
