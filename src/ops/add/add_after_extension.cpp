#include "ops/add/add_after_extension.h"

#include "pipeline/messages.h"
#include "pipeline/rename_pipeline.h"
#include "platform/form.h"

std::string AppendAfterExtension(const std::string& name, const std::string& tail) {
  if (name.empty()) return {};
  return name + tail;
}

void AddAfterExtensionClicked(AppState& app) {
  const std::string tail = app.form.Text(Ctl::编辑框18);
  RenameOperation op;
  op.inputChecks = {{tail.empty(), messages::Info("加点啥？不能为空")}};
  op.filesOnly = FolderRefusal::BeforeFolderChecks;
  op.folderRefusal = messages::Info("此功能无法对文件夹进行修改");
  op.rule = [&](const RenameItem& item) { return AppendAfterExtension(item.name, tail); };
  op.report = [](int renamed, bool) {
    return std::optional<Message>(messages::RenamedCount(renamed, Icon::None));
  };
  RunRenamePipeline(app, op);
}
