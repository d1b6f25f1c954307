#include "ops/delete/delete_between.h"

#include "ops/option_pairs.h"
#include "pipeline/messages.h"
#include "pipeline/rename_pipeline.h"
#include "pipeline/text.h"
#include "platform/form.h"

namespace {

struct MarkerPositions {
  int start, end;
};

MarkerPositions Locate(std::string_view part, const BetweenMarkers& markers) {
  return {FindOccurrence(part, markers.start, markers.startOccurrence),
          FindOccurrence(part, markers.end, markers.endOccurrence)};
}

}  // namespace

bool HasBothMarkers(std::string_view part, const BetweenMarkers& markers) {
  const auto [k, e] = Locate(part, markers);
  return k != -1 && e != -1 && e >= k;
}

std::string DeleteBetween(std::string_view part, const BetweenMarkers& markers) {
  const auto [k, e] = Locate(part, markers);
  if (k == -1 || e == -1 || e <= k) return {};
  const int startLength = static_cast<int>(markers.start.size());
  const int endLength = static_cast<int>(markers.end.size());
  const std::string cut = markers.includeMarkers
                              ? BytesAt(part, k, e - k + endLength)
                              : BytesAt(part, k + startLength, e - k - startLength);
  // The first occurrence of the cut text from the start marker on goes, once.
  return ReplaceText(part, cut, "", k, 1);
}

void DeleteBetweenClicked(AppState& app) {
  const Form& form = app.form;
  BetweenMarkers markers;
  markers.start = form.Text(Ctl::编辑框2);
  markers.end = form.Text(Ctl::编辑框3);
  markers.startOccurrence = ReadOccurrence(form, Ctl::选择框_1头, Ctl::选择框_1尾);
  markers.endOccurrence = ReadOccurrence(form, Ctl::选择框_2头, Ctl::选择框_2尾);
  markers.includeMarkers = form.Checked(Ctl::选择框6);

  RenameOperation op;
  op.folderCheckFirst = true;
  op.inputChecks = {
      {markers.start.empty() || markers.end.empty(), messages::Info("去掉啥？不能为空")},
      // Both boxes of a pair can be unchecked; then there is no marker position to cut at.
      {markers.startOccurrence == Occurrence::None || markers.endOccurrence == Occurrence::None,
       messages::Info("请为“从”和“到”各勾选“首次出现”或“最后出现”")},
  };
  op.confirmation = ConfirmationStyle::CountedFirst;
  op.counts = [&](const RenameItem& item) { return HasBothMarkers(item.stem, markers); };
  op.nothingToChange = [](bool) {
    return messages::Plain("找不到需要改的文件名", messages::kHint);
  };
  op.countedQuestion = [](int count, bool folders) {
    const std::string n = std::to_string(count);
    return messages::Question(
        folders ? "总共有" + n + "个需要改名" : "一共有" + n + "个文件将被更名", "确定改名吗？");
  };
  op.rule = [&](const RenameItem& item) {
    return WithExtension(item, DeleteBetween(item.stem, markers));
  };
  op.report = [](int renamed, bool folders) {
    return std::optional<Message>(
        folders ? messages::RenamedCount(renamed, Icon::None, "个文件将被更名")
                : messages::RenamedCount(renamed, Icon::Information, "个文件被改名"));
  };
  RunRenamePipeline(app, op);
}
