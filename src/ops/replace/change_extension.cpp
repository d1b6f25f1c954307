#include "ops/replace/change_extension.h"

#include "pipeline/messages.h"
#include "pipeline/rename_pipeline.h"
#include "platform/form.h"

std::string DottedExtension(const std::string& text, bool chosenFromList) {
  if (chosenFromList || text.find('.') != std::string::npos) return text;
  return "." + text;
}

std::string ChangeExtension(const std::string& stem, const std::string& newExtension) {
  return stem + newExtension;
}

void ChangeExtensionClicked(AppState& app) {
  Form& form = app.form;
  const Ctl box = Ctl::组合框3;
  std::string extension = form.Text(box);
  RenameOperation op;
  op.inputChecks = {{extension.empty(), messages::Info("准备改成什么后缀？请先选择或手动输入")}};
  op.filesOnly = FolderRefusal::AfterFolderChecks;
  op.folderRefusal = messages::Info("文件夹没有改后缀一说，请勾选文件", messages::kHint);
  // The extension filter does not switch this test off: "全部修改" never touches a skipped
  // extension.
  op.skipExtensionAnyPattern = true;
  // The dot goes into the box when the first file is about to be renamed, so the user sees
  // the extension that was used; after that the box holds a dot and nothing changes.
  bool dotted = false;
  op.rule = [&](const RenameItem& item) {
    if (!dotted) {
      dotted = true;
      const std::string withDot = DottedExtension(extension, form.Selection(box) >= 0);
      if (withDot != extension) {
        extension = withDot;
        form.SetText(box, extension);
      }
    }
    return ChangeExtension(item.stem, extension);
  };
  op.report = [](int renamed, bool) {
    return std::optional<Message>(messages::RenamedCount(renamed, Icon::None, "个文件被改名"));
  };
  RunRenamePipeline(app, op);
}
