// The two listing filters set by the extension combo boxes.
#pragma once

#include <string>

class Form;

// The wildcard pattern for an `IncludeExtension` text and its chosen entry (-1 for typed).
std::string PatternFor(const std::string& text, int selection);
// The pattern read from the "仅检索扩展名：" combo box now.
std::string ExtensionPattern(const Form& form);
// The `SkipExtension` test: a listed file is left out when no `IncludeExtension` filter is in
// force, an entry is chosen under "跳过扩展名：" and the file's extension equals it exactly.
struct ExtensionSkip {
  bool active = false;
  std::string extension;
  bool Skips(const std::string& fileName) const;
};
// Reads the test from the combo boxes; `anyPattern` drops the `IncludeExtension` condition.
ExtensionSkip ReadExtensionSkip(const Form& form, bool anyPattern = false);
