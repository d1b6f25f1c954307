#include "ops/delete/delete_occurrences.h"

#include "ops/name_part.h"
#include "pipeline/messages.h"
#include "pipeline/rename_pipeline.h"
#include "pipeline/text.h"
#include "platform/form.h"

std::string DeleteOccurrences(std::string_view part, const OccurrenceDeletion& deletion) {
  const std::string& text = deletion.text;
  const int p = deletion.fromRight ? FindTextReverse(part, text) : FindText(part, text);
  if (p == -1 || deletion.count < 1) return {};
  if (!deletion.fromRight || deletion.count == 1) {
    return ReplaceText(part, text, "", p, deletion.count);
  }
  // From the right: each step deletes the last occurrence left by the step before.
  std::string result(part);
  for (int step = 0; step < deletion.count; ++step) {
    const int last = FindTextReverse(result, text);
    if (last == -1) break;
    result = ReplaceText(result, text, "", last, 1);
  }
  return result;
}

void DeleteOccurrencesClicked(AppState& app) {
  Form& form = app.form;
  const std::string countText = form.Text(Ctl::编辑框10);
  OccurrenceDeletion deletion;
  deletion.text = form.Text(Ctl::编辑框1);
  deletion.count = countText.empty() ? 1 : ReadInteger(countText);
  deletion.fromRight = form.Checked(Ctl::单选框14);
  const bool countIsZero = !countText.empty() && deletion.count == 0;

  RenameOperation op;
  op.folderCheckFirst = true;
  op.emptyFolder = messages::Info("还没选择路径呢");
  op.inputChecks = {{deletion.text.empty(), messages::Info("去掉啥？不能为空")}};
  op.confirmation = ConfirmationStyle::CountedFirst;
  op.counts = [&](const RenameItem& item) {
    return (deletion.fromRight ? FindTextReverse(item.stem, deletion.text)
                               : FindText(item.stem, deletion.text)) != -1;
  };
  op.nothingToChange = [](bool folders) {
    return folders ? messages::Info("没有东西可以改", "没有改动")
                   : messages::Info("找不到需要改的文件名", messages::kHint);
  };
  op.countedQuestion = [](int count, bool) {
    return messages::Question("一共有" + std::to_string(count) + "个文件将被更名", "请确认");
  };
  op.rule = [&](const RenameItem& item) {
    // A count that reads as 0 is reported for every file it holds back.
    if (countIsZero) {
      if (!item.folder) form.Show(messages::Info("输入的不是纯数字", messages::kHint));
      return std::string();
    }
    return WithExtension(item, DeleteOccurrences(item.stem, deletion));
  };
  op.report = [](int renamed, bool folders) {
    const std::string count = std::to_string(renamed);
    if (renamed == 0) return std::optional<Message>(messages::Plain("没有任何改动", "没有改动"));
    return std::optional<Message>(
        folders ? messages::Plain("一共有" + count + "个文件被改名", "修改成果提示")
                : messages::Plain("删掉了" + count + "个", "修改成果提示"));
  };
  RunRenamePipeline(app, op);
}
