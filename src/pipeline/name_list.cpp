#include "pipeline/name_list.h"

#include "listing/enumerate.h"
#include "listing/filters.h"
#include "pipeline/window_state.h"
#include "platform/form.h"

void FillNameList(AppState& app) {
  Form& form = app.form;
  const std::string folder = TargetFolder(form);
  if (folder.empty()) return;
  if (folder == "\\") {
    SetTargetFolder(form, "");
    return;
  }
  // The list is filled without a redraw per row; it is still redrawn while the folder is read.
  if (FilesChecked(form)) {
    const ExtensionSkip skip = ReadExtensionSkip(form);
    const std::vector<std::string> names =
        EnumerateFiles(form, app.files, folder, ExtensionPattern(form), false, true);
    ListRedrawPause pause(form);
    for (const auto& name : names) {
      if (!skip.Skips(name)) form.AddRow(name);
    }
  } else if (FoldersChecked(form)) {
    const std::vector<std::string> names = EnumerateFolders(app.files, folder, false);
    ListRedrawPause pause(form);
    for (const auto& name : names) form.AddRow(name);
  }
}

void NameListClicked(AppState& app) {
  const int row = app.form.SelectedRow();
  if (row < 0) return;
  app.form.SetClipboardText(app.form.Cell(row, 0));
}

void ClearNameListClicked(AppState& app) {
  app.form.ClearRows();
}
