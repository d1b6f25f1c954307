#include "ops/replace/replace_text.h"

#include "ops/name_part.h"
#include "pipeline/messages.h"
#include "pipeline/rename_pipeline.h"
#include "pipeline/text.h"
#include "platform/form.h"

namespace {

// The first occurrence counts near the start only when it begins at one of these bytes.
constexpr int kNumberPrefixBytes = 8;
// No name within one folder is longer than this: growing a name beyond it by further steps
// could only make a name that is refused anyway, so stepping stops there.
constexpr size_t kLongestName = 1024;

std::string Replace(std::string_view part, const TextReplacement& r) {
  const std::string& s = r.sought;
  if (r.afterNumberOnly) {
    const int p = FindText(part, s);
    if (p == -1 || p > kNumberPrefixBytes) return std::string(part);
    return ReplaceText(part, s, r.replacement, p, 1);
  }
  if (!r.fromRight) {
    const int p = FindText(part, s);
    if (p == -1) return std::string(part);
    return ReplaceText(part, s, r.replacement, p, r.count);
  }
  // From the right: each step replaces the last occurrence in the result of the step before,
  // which may be one that an earlier step put in.
  std::string result(part);
  for (int step = 0; step < r.count && result.size() <= kLongestName; ++step) {
    const int last = FindTextReverse(result, s);
    if (last == -1) break;
    result = ReplaceText(result, s, r.replacement, last, 1);
  }
  return result;
}

}  // namespace

bool HasIllegalNameCharacter(std::string_view text) {
  for (const char* illegal : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"}) {
    if (FindText(text, illegal) != -1) return true;
  }
  return false;
}

std::string ReplaceInName(std::string_view part, const TextReplacement& replacement) {
  std::string result = Replace(part, replacement);
  return result == part ? std::string() : result;
}

void ReplaceAllClicked(AppState& app) {
  const Form& form = app.form;
  const std::string countText = form.Text(Ctl::编辑框16);
  TextReplacement replacement;
  replacement.sought = form.Text(Ctl::编辑框4);
  replacement.replacement = form.Text(Ctl::编辑框5);
  replacement.count = countText.empty() ? 1 : ReadInteger(countText);
  replacement.afterNumberOnly = !form.Checked(Ctl::单选框8);
  replacement.fromRight = form.Checked(Ctl::单选框10);

  RenameOperation op;
  op.folderCheckFirst = true;
  op.emptyFolder = messages::Info(messages::kNoFolder, messages::kHint);
  op.inputChecks = {
      {replacement.sought.empty(), messages::Info("去掉啥？不能为空", messages::kHint)}};
  op.lateChecks = {
      {HasIllegalNameCharacter(replacement.replacement), messages::Plain("不能改成这个东西")},
      {!countText.empty() && replacement.count == 0,
       messages::Info("替换次数没写对，请重新再写！", "提醒：")},
  };
  op.confirmation = ConfirmationStyle::BeforeListing;
  op.rule = [&](const RenameItem& item) {
    return WithExtension(item, ReplaceInName(item.stem, replacement));
  };
  op.report = [](int renamed, bool folders) -> std::optional<Message> {
    if (renamed == 0) return std::nullopt;
    return messages::Plain((folders ? "成功改了" : "成功改名") + std::to_string(renamed) + "个",
                           messages::kHint);
  };
  RunRenamePipeline(app, op);
}
