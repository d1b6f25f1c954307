#include "ops/delete/delete_at_marker.h"

#include "ops/option_pairs.h"
#include "pipeline/messages.h"
#include "pipeline/rename_pipeline.h"

std::string DeleteLeft(std::string_view part, const MarkerCut& cut) {
  const int p = FindOccurrence(part, cut.marker, cut.occurrence);
  if (p == -1) return {};
  const size_t from = p - 1 + (cut.includeMarker ? cut.marker.size() : 0);
  return std::string(part.substr(from));
}

std::string DeleteRight(std::string_view part, const MarkerCut& cut) {
  const int p = FindOccurrence(part, cut.marker, cut.occurrence);
  if (p == -1) return {};
  std::string kept(part.substr(0, p - 1));
  if (!cut.includeMarker) kept += cut.marker;
  return kept;
}

namespace {

using CutRule = std::string (*)(std::string_view, const MarkerCut&);

// The controls of one of the two groups and what it reports.
struct CutGroup {
  Ctl marker, includeMarker, first, last;
  CutRule rule;
  std::string reportText, reportTitle;
};

void RunCut(AppState& app, const CutGroup& group) {
  const Form& form = app.form;
  MarkerCut cut;
  cut.marker = form.Text(group.marker);
  cut.occurrence = ReadOccurrence(form, group.first, group.last);
  cut.includeMarker = form.Checked(group.includeMarker);

  RenameOperation op;
  op.inputChecks = {{cut.marker.empty(), messages::Info("去掉啥？不能为空")}};
  op.rule = [&](const RenameItem& item) { return WithExtension(item, group.rule(item.stem, cut)); };
  op.report = [&](int renamed, bool) {
    return std::optional<Message>(
        messages::Plain(group.reportText + std::to_string(renamed) + "个", group.reportTitle));
  };
  RunRenamePipeline(app, op);
}

}  // namespace

void DeleteLeftClicked(AppState& app) {
  RunCut(app, {Ctl::编辑框8, Ctl::选择框3, Ctl::单选框11, Ctl::单选框12, DeleteLeft, "成功改了",
               messages::kHint});
}

void DeleteRightClicked(AppState& app) {
  RunCut(app, {Ctl::编辑框9, Ctl::选择框4, Ctl::单选框1, Ctl::单选框2, DeleteRight, "修改了",
               "修改成果提示"});
}
