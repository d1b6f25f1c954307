#include "listing/test_items.h"

#include "listing/names.h"
#include "pipeline/messages.h"
#include "pipeline/safe_rename.h"
#include "pipeline/window_state.h"
#include "platform/file_system.h"
#include "platform/form.h"

const std::string kTestFileContent = "\xB2\xE2\xCA\xD4\xCE\xC4\xBC\xFE";

namespace {

const std::string kFolderHint = "将在这里创建";
const std::string kExtensionHint = "扩展名";

// Whether any file answers to `name` in `dir` (also by its short name).
bool FileListed(FileSystem& files, const std::string& dir, const std::string& name) {
  bool found = false;
  files.ListFiles(dir, name, [&](const std::string&) { found = true; });
  return found;
}

// Writes a test file unless that would destroy something: an existing file is replaced only
// when it holds exactly the test content already.
bool WriteTestFile(FileSystem& files, const std::string& dir, const std::string& name) {
  const std::string path = dir + name;
  if (auto existing = files.ReadFile(path)) {
    if (*existing != kTestFileContent) return false;
  } else if (FileListed(files, dir, name)) {
    return false;  // there but unreadable
  }
  return files.WriteFile(path, kTestFileContent);
}

void DropHint(Form& form, Ctl box, const std::string& hint) {
  if (form.Text(box) == hint) form.SetText(box, "");
  form.SetTextColour(box, -1);
}

}  // namespace

void CreateTestItemsClicked(AppState& app) {
  Form& form = app.form;
  const std::string typedFolder = form.Text(Ctl::编辑框14);
  if (TargetFolder(form).empty() || typedFolder.empty() || typedFolder == kFolderHint) {
    form.Show(messages::Info(messages::kNoFolder));
    return;
  }
  const std::string dir = WithTrailingSlash(typedFolder);
  const std::string extension = form.Text(Ctl::编辑框15);
  const bool folders = extension.empty() || extension == kExtensionHint;
  int created = 0;
  for (int row = 0; row < form.RowCount(); ++row) {
    const std::string stem = FileNameOf(form.Cell(row, 0), false);
    if (stem.empty()) continue;
    const std::string name = folders ? stem : stem + extension;
    // A typed extension must not lead out of the folder or into a file's data stream.
    if (!IsPlainName(name)) continue;
    if (folders ? app.files.CreateFolder(dir + name) : WriteTestFile(app.files, dir, name)) {
      ++created;
    }
  }
  if (created > 0) {
    form.Show(messages::Info("成功创建" + std::to_string(created) + "个文件夹", "创建成果提示"));
  } else {
    form.Show(messages::Info("什么都没有创建", "没有发生任何变化"));
  }
}

void TestItemFolderFocused(AppState& app) {
  DropHint(app.form, Ctl::编辑框14, kFolderHint);
}
void TestItemExtensionFocused(AppState& app) {
  DropHint(app.form, Ctl::编辑框15, kExtensionHint);
}
