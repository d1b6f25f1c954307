// What every button handler works with: the window, the file system and the memory of the
// last executed preview.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class FileSystem;
class Form;

// One rename carried out by "确认无误，执行吧": undo renames `newName` back to `oldName`.
struct UndoEntry {
  std::string folder;
  std::string oldName;
  std::string newName;
};

// The system's own traditional/simplified mapping: the converted text, or nothing when the
// call failed.
using PlatformChineseMapping =
    std::function<std::optional<std::string>(const std::string& text, bool toSimplified)>;

struct AppState {
  Form& form;
  FileSystem& files;
  // The renames of the last execution that succeeded, in the order they were made.
  std::vector<UndoEntry> undo;
  // Milliseconds since start-up, which seed the random video numbers; the system's clock when
  // empty. Tests set it to get known numbers.
  std::function<uint32_t()> tickCount = {};
  // Empty where the system has none; the conversion then uses the program's own table.
  PlatformChineseMapping chineseMapping = {};
};

using Handler = void (*)(AppState& app);
