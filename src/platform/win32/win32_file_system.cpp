#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include "listing/names.h"

namespace {

// Calls `each` for every directory entry matching `search`; the search is always closed.
template <typename Each>
void Search(const std::string& search, Each each) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(search.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    each(data);
  } while (FindNextFileA(find, &data));
  FindClose(find);
}

}  // namespace

void Win32FileSystem::ListFiles(const std::string& folder, const std::string& pattern,
                                const std::function<void(const std::string&)>& found) {
  Search(folder + pattern, [&](const WIN32_FIND_DATAA& data) {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) found(data.cFileName);
  });
}

void Win32FileSystem::ListFolders(const std::string& folder,
                                  const std::function<void(const std::string&)>& found) {
  Search(folder + "*.*", [&](const WIN32_FIND_DATAA& data) {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) found(data.cFileName);
  });
}

bool Win32FileSystem::Rename(const std::string& from, const std::string& to) {
  // Without MOVEFILE_REPLACE_EXISTING the move fails when `to` exists: nothing is overwritten.
  return MoveFileA(from.c_str(), to.c_str()) != 0;
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  bool ok = true;
  while ((ok = ::ReadFile(file, buffer, sizeof buffer, &read, nullptr)) && read > 0) {
    bytes.append(buffer, read);
  }
  CloseHandle(file);
  if (!ok) return std::nullopt;
  return bytes;
}

bool Win32FileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
  return CloseHandle(file) && ok;
}

std::string Win32FileSystem::ProgramFolder() {
  char path[MAX_PATH * 4];
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  const std::string program(path, length);
  const size_t name = FileNameOf(program, true).size();
  return program.size() > name ? program.substr(0, program.size() - name - 1) : std::string();
}
