#include "app/window_options.h"

#include "pipeline/window_state.h"
#include "platform/form.h"

void TopMostClicked(AppState& app) {
  app.form.SetTopMost(app.form.Checked(Ctl::选择框5));
}

void ClearInputsClicked(AppState& app) {
  for (Ctl box : {Ctl::编辑框1, Ctl::编辑框2, Ctl::编辑框3, Ctl::编辑框4, Ctl::编辑框5,
                  Ctl::编辑框6, Ctl::编辑框7, Ctl::编辑框8, Ctl::编辑框9, Ctl::编辑框10,
                  Ctl::编辑框11, Ctl::编辑框12, Ctl::编辑框13, Ctl::编辑框14, Ctl::编辑框15}) {
    app.form.SetText(box, "");
  }
  SetTargetFolder(app.form, "");
}
