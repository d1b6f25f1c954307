#include "pipeline/safe_rename.h"

#include <string>

#include "pipeline/text.h"
#include "platform/file_system.h"

bool IsPlainName(std::string_view name) {
  if (name.find_first_not_of(". ") == std::string_view::npos) return false;
  static constexpr std::string_view kForbidden = "\\/<>:\"|?*";
  for (size_t i = 0; i < name.size(); i += CharLength(name, i)) {
    if (CharLength(name, i) == 2) continue;
    auto c = static_cast<unsigned char>(name[i]);
    if (c < 0x20 || kForbidden.find(static_cast<char>(c)) != std::string_view::npos) return false;
  }
  return true;
}

bool RenameInFolder(FileSystem& files, const std::string& folder, const std::string& oldName,
                    const std::string& newName) {
  if (folder.empty() || !IsPlainName(oldName) || !IsPlainName(newName)) return false;
  return files.Rename(folder + oldName, folder + newName);
}
