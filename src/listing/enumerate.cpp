#include "listing/enumerate.h"

#include "listing/names.h"
#include "listing/natural_order.h"
#include "platform/file_system.h"
#include "platform/form.h"

namespace {

void PrefixWith(const std::string& folder, std::vector<std::string>& names) {
  for (auto& name : names) name.insert(0, folder);
}

}  // namespace

std::vector<std::string> EnumerateFiles(Form& form, FileSystem& files, const std::string& folder,
                                        const std::string& pattern, bool withPath,
                                        bool naturalOrder) {
  const std::string dir = WithTrailingSlash(folder);
  std::vector<std::string> names;
  files.ListFiles(dir, pattern, [&](const std::string& name) {
    names.push_back(name);
    form.PumpMessages();
  });
  if (naturalOrder) SortNaturally(names);
  if (withPath) PrefixWith(dir, names);
  return names;
}

std::vector<std::string> EnumerateFolders(FileSystem& files, const std::string& folder,
                                          bool withPath) {
  const std::string dir = WithTrailingSlash(folder);
  std::vector<std::string> names;
  files.ListFolders(dir, [&](const std::string& name) {
    if (name != "." && name != "..") names.push_back(name);
  });
  if (withPath) PrefixWith(dir, names);
  return names;
}
