#include "ops/add/add_after_number.h"

#include "pipeline/messages.h"
#include "pipeline/rename_pipeline.h"
#include "pipeline/text.h"
#include "platform/form.h"

namespace {
constexpr int kNumberBytes = 5;
}

std::string AddAfterNumber(const std::string& name, const std::string& suffix) {
  const std::string number = std::to_string(ReadInteger(FirstBytes(name, kNumberBytes)));
  const int p = FindText(name, number);
  if (p == -1 || p > kNumberBytes) return {};
  return ReplaceText(name, number, number + suffix, 1, 1);
}

void AddAfterNumberClicked(AppState& app) {
  const std::string suffix = app.form.Text(Ctl::编辑框13);
  RenameOperation op;
  op.folderCheckFirst = true;
  op.inputChecks = {{suffix.empty(), messages::Info("加什么？")}};
  op.rule = [&](const RenameItem& item) { return AddAfterNumber(item.name, suffix); };
  RunRenamePipeline(app, op);
}
