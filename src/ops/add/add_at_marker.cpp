#include "ops/add/add_at_marker.h"

#include "ops/option_pairs.h"
#include "ops/replace/replace_text.h"
#include "pipeline/messages.h"
#include "pipeline/rename_pipeline.h"
#include "pipeline/text.h"
#include "platform/form.h"

std::string AddAtMarker(std::string_view part, const MarkerInsertion& insertion) {
  const std::string& m = insertion.marker;
  const int p = FindOccurrence(part, m, insertion.occurrence);
  if (p == -1) return {};
  const std::string replacement = insertion.afterMarker ? m + insertion.text : insertion.text + m;
  return ReplaceText(part, m, replacement, p, 1);
}

void AddAtMarkerClicked(AppState& app) {
  const Form& form = app.form;
  MarkerInsertion insertion;
  insertion.marker = form.Text(Ctl::编辑框11);
  insertion.text = form.Text(Ctl::编辑框12);
  insertion.occurrence = ReadOccurrence(form, Ctl::单选框5, Ctl::单选框6);
  insertion.afterMarker = form.Checked(Ctl::单选框4);

  RenameOperation op;
  op.inputChecks = {
      {insertion.marker.empty() || insertion.text.empty(), messages::Info("弄啥呢？")}};
  op.lateChecks = {{HasIllegalNameCharacter(insertion.text), messages::Plain("不能改成这个东西")}};
  // Files are confirmed only when the first listed file is about to change.
  op.confirmAtFirstRename = true;
  op.rule = [&](const RenameItem& item) {
    return WithExtension(item, AddAtMarker(item.stem, insertion));
  };
  op.report = [](int renamed, bool folders) {
    return std::optional<Message>(
        folders ? messages::RenamedCount(renamed, Icon::None)
                : messages::Plain("有" + std::to_string(renamed) + "个文件被改名成功"));
  };
  RunRenamePipeline(app, op);
}

void BeforeMarkerClicked(AppState& app) {
  SelectOneOf(app.form, Ctl::单选框3, Ctl::单选框4);
  app.form.SetText(Ctl::按钮10, "前面加");
}

void AfterMarkerClicked(AppState& app) {
  SelectOneOf(app.form, Ctl::单选框4, Ctl::单选框3);
  app.form.SetText(Ctl::按钮10, "后面加");
}
