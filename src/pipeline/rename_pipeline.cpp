#include "pipeline/rename_pipeline.h"

#include "listing/enumerate.h"
#include "listing/filters.h"
#include "listing/names.h"
#include "pipeline/messages.h"
#include "pipeline/safe_rename.h"
#include "pipeline/text.h"
#include "pipeline/window_state.h"
#include "platform/file_system.h"

namespace {

// Shows the box of the first failing check; false when one failed.
bool PassChecks(Form& form, const std::vector<InputCheck>& checks) {
  for (const auto& check : checks) {
    if (check.fails) {
      form.Show(check.message);
      return false;
    }
  }
  return true;
}

// The checks of the target folder and the place of the folder refusal, in the operation's
// order. False when the run stops.
bool PassAllChecks(Form& form, const RenameOperation& op) {
  const bool refusesFolders = op.filesOnly != FolderRefusal::None && FoldersChecked(form);
  auto refusal = [&](FolderRefusal place) {
    if (op.filesOnly != place || !refusesFolders) return true;
    form.Show(op.folderRefusal);
    return false;
  };
  auto emptyFolder = [&] {
    if (!TargetFolder(form).empty()) return true;
    form.Show(op.emptyFolder);
    return false;
  };
  if (op.folderCheckFirst && !emptyFolder()) return false;
  if (!PassChecks(form, op.inputChecks)) return false;
  if (!refusal(FolderRefusal::BeforeFolderChecks)) return false;
  if (!op.folderCheckFirst && !emptyFolder()) return false;
  if (!refusal(FolderRefusal::AfterEmptyFolderCheck)) return false;
  const std::string folder = TargetFolder(form);
  if (MentionsDesktop(folder)) {
    form.Show(messages::DesktopRefusal());
    SetTargetFolder(form, "");
    return false;
  }
  if (folder == "\\") {
    form.Show(messages::NothingChosen());
    return false;
  }
  if (!refusal(FolderRefusal::AfterFolderChecks)) return false;
  return PassChecks(form, op.lateChecks);
}

RenameItem MakeItem(const std::string& name, int index, int count, bool folder) {
  RenameItem item;
  item.name = name;
  item.stem = folder ? name : FileNameOf(name, false);
  item.extension = folder ? std::string() : ExtensionOf(name);
  item.index = index;
  item.count = count;
  item.folder = folder;
  return item;
}

// The first-item question, or the notice in preview mode. False on Cancel.
bool ConfirmOrNotice(Form& form, bool preview, const Message& question) {
  if (preview) {
    form.Show(messages::PreviewNotice());
    return true;
  }
  return form.Show(question) == Answer::Ok;
}

// `CountedFirst`: the counting pass over the whole listing and its boxes. False to stop.
bool CountAndConfirm(Form& form, const RenameOperation& op, const std::vector<std::string>& names,
                     bool folders, bool preview) {
  int count = 0;
  const int n = static_cast<int>(names.size());
  for (int i = 0; i < n; ++i) {
    if (op.counts(MakeItem(names[i], i + 1, n, folders))) ++count;
  }
  if (count == 0) {
    form.Show(op.nothingToChange(folders));
    return false;
  }
  return ConfirmOrNotice(form, preview, op.countedQuestion(count, folders));
}

}  // namespace

void RunRenamePipeline(AppState& app, const RenameOperation& op) {
  Form& form = app.form;
  if (!PassAllChecks(form, op)) return;
  const std::string folder = TargetFolder(form);
  if (op.confirmation == ConfirmationStyle::BeforeListing &&
      form.Show(messages::ConfirmRename()) != Answer::Ok) {
    return;
  }

  const bool files = FilesChecked(form) || op.filesOnly != FolderRefusal::None;
  if (!files && !FoldersChecked(form)) return;
  const std::vector<std::string> names =
      files
          ? EnumerateFiles(form, app.files, folder, ExtensionPattern(form), false, op.naturalOrder)
          : EnumerateFolders(app.files, folder, false);
  const int n = static_cast<int>(names.size());
  const bool preview = op.confirmation != ConfirmationStyle::DirectOnly && PreviewMode(form);

  if (op.confirmation == ConfirmationStyle::AfterListing &&
      !ConfirmOrNotice(form, preview, op.question)) {
    return;
  }
  if (op.confirmation == ConfirmationStyle::CountedFirst &&
      !CountAndConfirm(form, op, names, !files, preview)) {
    return;
  }

  const bool askAtFirstItem =
      op.confirmation == ConfirmationStyle::AtFirstItem && !(files && op.confirmAtFirstRename);
  const bool askAtFirstRename =
      op.confirmation == ConfirmationStyle::AtFirstItem && !askAtFirstItem;
  const ExtensionSkip skip =
      files ? ReadExtensionSkip(form, op.skipExtensionAnyPattern) : ExtensionSkip{};
  int row = 0;
  int renamed = 0;
  std::optional<ListRedrawPause> pause;  // from the first proposal shown on
  for (int i = 1; i <= n; ++i) {
    const std::string& name = names[i - 1];
    if (i == 1 && askAtFirstItem && !ConfirmOrNotice(form, preview, messages::ConfirmRename())) {
      return;
    }
    if (i == 1 && op.confirmation == ConfirmationStyle::DirectOnly &&
        form.Show(op.question) != Answer::Ok) {
      return;
    }
    if (files && skip.Skips(name)) continue;
    const int itemRow = row++;
    const std::string newName = op.rule(MakeItem(name, i, n, !files));
    if (newName.empty()) continue;
    if (i == 1 && askAtFirstRename && !ConfirmOrNotice(form, preview, messages::ConfirmRename())) {
      return;
    }
    if (preview) {
      if (!pause) pause.emplace(form);
      form.SetCell(itemRow, 1, newName);
    } else if (newName != name && RenameInFolder(app.files, folder, name, newName)) {
      ++renamed;
    }
  }
  if (preview || !op.report) return;
  if (auto box = op.report(renamed, !files)) form.Show(*box);
}
