#include "listing/target_folder.h"

#include <optional>

#include "listing/enumerate.h"
#include "listing/filters.h"
#include "listing/names.h"
#include "pipeline/messages.h"
#include "pipeline/name_list.h"
#include "pipeline/text.h"
#include "pipeline/window_state.h"
#include "platform/form.h"

namespace {

// Sets the target folder; refuses a desktop folder with its box and empties it. False then.
bool SetUnlessDesktop(Form& form, const std::string& folder) {
  SetTargetFolder(form, folder);
  if (!MentionsDesktop(folder)) return true;
  form.Show(messages::DesktopRefusal());
  SetTargetFolder(form, "");
  return false;
}

// The listing of "手动读取": a chosen "跳过扩展名：" entry applies whatever the other filter.
void ListChosenFolder(AppState& app, const std::string& folder) {
  Form& form = app.form;
  if (FilesChecked(form)) {
    const ExtensionSkip skip = ReadExtensionSkip(form, /*anyPattern=*/true);
    const std::vector<std::string> names =
        EnumerateFiles(form, app.files, folder, ExtensionPattern(form), false, true);
    ListRedrawPause pause(form);
    for (const auto& name : names) {
      if (!skip.Skips(name)) form.AddRow(name);
    }
  }
  if (FoldersChecked(form)) {
    const std::vector<std::string> names = EnumerateFolders(app.files, folder, false);
    ListRedrawPause pause(form);
    for (const auto& name : names) form.AddRow(name);
  }
}

}  // namespace

std::string ContainingFolder(const std::string& path) {
  std::string_view rest = path;
  if (EndsWithBackslash(rest)) rest.remove_suffix(1);
  size_t end = 0;  // just past the last "\" at a character boundary
  for (size_t i = 0; i < rest.size(); i += CharLength(rest, i)) {
    if (CharLength(rest, i) == 1 && rest[i] == '\\') end = i + 1;
  }
  return std::string(rest.substr(0, end));
}

void ChooseFolderClicked(AppState& app) {
  Form& form = app.form;
  form.ClearRows();
  const std::optional<std::string> chosen = form.BrowseForFolder("选择目录");
  // A choice without a file-system path (such as "Computer") counts as no choice.
  if (!chosen || chosen->empty()) {
    form.Show(messages::NothingChosen());
    return;
  }
  const std::string folder = WithTrailingSlash(*chosen);
  if (SetUnlessDesktop(form, folder)) ListChosenFolder(app, folder);
}

void AcceptDroppedPath(AppState& app, const std::string& path) {
  Form& form = app.form;
  form.ClearRows();
  if (path.empty()) {
    form.Show(messages::NothingChosen());
    return;
  }
  if (path == "\\") {
    form.Show(messages::NothingChosen());
    SetTargetFolder(form, "");
    return;
  }
  // A drive root gives "\" here, which FillNameList empties without a box.
  if (SetUnlessDesktop(form, WithTrailingSlash(ContainingFolder(path)))) FillNameList(app);
}

void FilesKindClicked(AppState& app) {
  if (FilesChecked(app.form)) app.form.SetChecked(Ctl::选择框2, false);
}

void FoldersKindClicked(AppState& app) {
  if (FoldersChecked(app.form)) app.form.SetChecked(Ctl::选择框1, false);
}
