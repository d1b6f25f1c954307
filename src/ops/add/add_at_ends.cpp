#include "ops/add/add_at_ends.h"

#include "pipeline/messages.h"
#include "platform/form.h"

namespace {
const Message kEmptyText = messages::Info("加点啥？不能为空");
}

std::string AddAtFront(const RenameItem& item, const std::string& front) {
  return front + item.name;
}

std::string AddAtEnd(const RenameItem& item, const std::string& end) {
  if (item.folder) return item.name + end;
  if (item.stem.empty()) return {};
  return item.stem + end + item.extension;
}

void AddAtFrontClicked(AppState& app) {
  const std::string front = app.form.Text(Ctl::编辑框6);
  RenameOperation op;
  op.inputChecks = {{front.empty(), kEmptyText}};
  op.rule = [&](const RenameItem& item) { return AddAtFront(item, front); };
  RunRenamePipeline(app, op);
}

void AddAtEndClicked(AppState& app) {
  const std::string end = app.form.Text(Ctl::编辑框7);
  RenameOperation op;
  op.inputChecks = {{end.empty(), kEmptyText}};
  op.rule = [&](const RenameItem& item) { return AddAtEnd(item, end); };
  op.report = [](int renamed, bool) {
    return std::optional<Message>(messages::RenamedCount(renamed, Icon::Information));
  };
  RunRenamePipeline(app, op);
}
