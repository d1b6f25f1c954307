// What every button handler works with: the window, the file system and the memory of the
// last executed preview.
#pragma once

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

struct AppState {
  Form& form;
  FileSystem& files;
  // The renames of the last execution that succeeded, in the order they were made.
  std::vector<UndoEntry> undo;
};

using Handler = void (*)(AppState& app);
