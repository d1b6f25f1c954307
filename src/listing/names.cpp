#include "listing/names.h"

#include "pipeline/text.h"

namespace {

size_t LastComponentStart(std::string_view path) {
  size_t start = 0;
  for (size_t i = 0; i < path.size(); i += CharLength(path, i)) {
    char c = path[i];
    if ((c == '\\' || c == '/' || c == ':') && i + 1 < path.size()) start = i + 1;
  }
  return start;
}

}  // namespace

std::string ExtensionOf(std::string_view path) {
  size_t dot = std::string_view::npos;
  for (size_t i = 0; i < path.size(); i += CharLength(path, i)) {
    char c = path[i];
    if (c == '\\' || c == ' ') {
      dot = std::string_view::npos;
    } else if (c == '.') {
      dot = i;
    }
  }
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string FileNameOf(std::string_view path, bool withExtension) {
  std::string_view component = path.substr(LastComponentStart(path));
  if (EndsWithBackslash(component)) return {};
  if (withExtension) return std::string(component);
  return std::string(component.substr(0, component.size() - ExtensionOf(component).size()));
}

std::string WithTrailingSlash(std::string folder) {
  if (!EndsWithBackslash(folder)) folder += '\\';
  return folder;
}
