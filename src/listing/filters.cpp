#include "listing/filters.h"

#include "listing/names.h"
#include "platform/form.h"

namespace {
constexpr char kAllFiles[] = "*.*";
}

std::string PatternFor(const std::string& text, int selection) {
  if (selection >= 0) return text == "所有" ? kAllFiles : "*" + text;
  if (text.empty()) return kAllFiles;
  return text.find('.') == std::string::npos ? "*." + text : "*" + text;
}

std::string ExtensionPattern(const Form& form) {
  return PatternFor(form.Text(Ctl::组合框4), form.Selection(Ctl::组合框4));
}

bool ExtensionSkip::Skips(const std::string& fileName) const {
  return active && ExtensionOf(fileName) == extension;
}

ExtensionSkip ReadExtensionSkip(const Form& form, bool anyPattern) {
  ExtensionSkip skip;
  skip.active =
      (anyPattern || ExtensionPattern(form) == kAllFiles) && form.Selection(Ctl::组合框2) >= 0;
  if (skip.active) skip.extension = form.Text(Ctl::组合框2);
  return skip;
}
