#include "pipeline/preview_toggle.h"

#include "pipeline/name_list.h"
#include "pipeline/window_state.h"
#include "platform/form.h"

namespace {

constexpr int kNarrowWindowWidth = 769;
constexpr int kWideWindowWidth = 1150;
constexpr int kNarrowListWidth = 400;
constexpr int kColumnWidth = 380;

void SetWidth(Form& form, Ctl control, int width) {
  Rect place = form.Place(control);
  place.width = width;
  form.Move(control, place);
}

void MoveTo(Form& form, Ctl control, int x, int y) {
  Rect place = form.Place(control);
  place.x = x;
  place.y = y;
  form.Move(control, place);
}

void SwitchOn(AppState& app) {
  Form& form = app.form;
  form.ClearRows();
  FillNameList(app);
  SetWidth(form, Ctl::MainWindow, kWideWindowWidth);
  SetWidth(form, Ctl::超级列表框1, form.Place(Ctl::超级列表框1).width + kColumnWidth);
  form.SetText(Ctl::按钮8, kPreviewOnCaption);
  form.InsertColumn(1, "更名后的效果", kColumnWidth);
  form.SetColumnTitle(0, "上一次的文件名");
  form.SetVisible(Ctl::按钮17, true);
  form.SetVisible(Ctl::按钮18, true);
  // Below the widened list, right of "保存原文件名到txt".
  MoveTo(form, Ctl::按钮17, 973, 590);
  MoveTo(form, Ctl::按钮18, 850, 590);
}

// The rows stay; only the proposals go. "撤回上一步" stays where it is, outside the narrowed
// window, so it cannot be reached until the preview is on again.
void SwitchOff(Form& form) {
  SetWidth(form, Ctl::MainWindow, kNarrowWindowWidth);
  SetWidth(form, Ctl::超级列表框1, kNarrowListWidth);
  form.SetText(Ctl::按钮8, kPreviewOffCaption);
  form.DeleteColumn(1);
  form.SetColumnTitle(0, "最开始的文件名");
  MoveTo(form, Ctl::按钮17, 568, 432);
  form.SetVisible(Ctl::按钮17, false);
}

}  // namespace

void PreviewToggleClicked(AppState& app) {
  const std::string caption = app.form.Text(Ctl::按钮8);
  if (caption == kPreviewOffCaption) {
    SwitchOn(app);
  } else if (caption == kPreviewOnCaption) {
    SwitchOff(app.form);
  }
}
