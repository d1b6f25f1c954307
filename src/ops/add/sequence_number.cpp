#include "ops/add/sequence_number.h"

#include "pipeline/messages.h"
#include "pipeline/rename_pipeline.h"
#include "platform/form.h"

std::string AddSequenceNumber(const std::string& name, int index, int count,
                              const std::string& separator) {
  std::string number = std::to_string(index);
  const size_t width = count < 100 ? 2 : 3;
  if (number.size() < width) number.insert(0, width - number.size(), '0');
  return number + separator + name;
}

std::string SeparatorFor(const std::vector<std::string>& entries, int selection) {
  if (selection < 0 || selection >= static_cast<int>(entries.size())) return {};
  const std::string& entry = entries[static_cast<size_t>(selection)];
  return entry == "不加" ? std::string() : entry;
}

void AddSequenceNumberClicked(AppState& app) {
  const Ctl box = Ctl::组合框5;
  const std::string separator = SeparatorFor(app.form.Items(box), app.form.Selection(box));
  RenameOperation op;
  op.confirmation = ConfirmationStyle::AfterListing;
  op.question = messages::Question("将直接更名，确定吗？", messages::kHint);
  op.rule = [&](const RenameItem& item) {
    return AddSequenceNumber(item.name, item.index, item.count, separator);
  };
  RunRenamePipeline(app, op);
}
