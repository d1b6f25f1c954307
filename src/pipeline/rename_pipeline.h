// The flow that every rename operation runs: check the inputs and the target folder, list the
// items, confirm, then compute each new name with the operation's rule and either rename the
// item or, in preview mode, show the proposal beside it; finally report the count.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pipeline/app_state.h"
#include "platform/form.h"

// One listed item as a rule sees it.
struct RenameItem {
  std::string name;       // the whole bare name
  std::string stem;       // a file's name without extension; a folder's whole name
  std::string extension;  // a file's extension with its dot; empty for a folder
  int index = 0;          // 1-based position in the listing, counting every listed item
  int count = 0;          // length of the listing
  bool folder = false;
};

// The complete new name, or the empty text to leave the item alone.
using RenameRule = std::function<std::string(const RenameItem&)>;

enum class ConfirmationStyle {
  AtFirstItem,    // "确定更名吗？" (or the preview notice) at the first listed item
  BeforeListing,  // "确定更名吗？" once after the folder checks, preview or not
  AfterListing,   // the operation's `question` (or the preview notice) after listing
  CountedFirst,   // count the items the operation would change, then ask with the count
  DirectOnly,     // the operation's `question` at the first item; never previews
};

// Where a files-only operation refuses when "文件夹" is checked.
enum class FolderRefusal { None, BeforeFolderChecks, AfterEmptyFolderCheck, AfterFolderChecks };

struct InputCheck {
  bool fails = false;
  Message message;
};

struct RenameOperation {
  std::vector<InputCheck> inputChecks;
  // Checks run after the target folder checks.
  std::vector<InputCheck> lateChecks;
  bool folderCheckFirst = false;
  Message emptyFolder = {"路径呢？", kDefaultTitle, Icon::Information, Buttons::Ok};
  FolderRefusal filesOnly = FolderRefusal::None;
  Message folderRefusal;
  ConfirmationStyle confirmation = ConfirmationStyle::AtFirstItem;
  // For files with `AtFirstItem`: ask only when the first listed file reaches its rename.
  bool confirmAtFirstRename = false;
  // `AfterListing` and `DirectOnly`: the question asked.
  Message question;
  // `CountedFirst`: which items count, the box when none does, the question with the count.
  std::function<bool(const RenameItem&)> counts;
  std::function<Message(bool folders)> nothingToChange;
  std::function<Message(int count, bool folders)> countedQuestion;
  bool naturalOrder = true;
  // The `SkipExtension` test whatever `IncludeExtension` is.
  bool skipExtensionAnyPattern = false;
  RenameRule rule;
  // The box after a completed direct run, from the number of renames done; none when empty.
  std::function<std::optional<Message>(int renamed, bool folders)> report;
};

void RunRenamePipeline(AppState& app, const RenameOperation& operation);
