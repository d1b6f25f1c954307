// The window in its start-up state for the operations that find, cut and insert texts, over
// an in-memory target folder; events go through the command table as the window sends them.
#pragma once

#include <string>
#include <vector>

#include "app/commands.h"
#include "pipeline_fixture.h"

class TextOpsTest : public PipelineTest {
 protected:
  TextOpsTest() {
    for (Ctl selected :
         {Ctl::单选框11, Ctl::单选框2, Ctl::单选框13, Ctl::单选框7, Ctl::单选框9, Ctl::单选框5,
          Ctl::单选框3, Ctl::选择框_1头, Ctl::选择框_2头, Ctl::选择框6}) {
      form.SetChecked(selected, true);
    }
    form.SetText(Ctl::按钮10, "前面加");
  }
  void Click(Ctl control) { Dispatch(app, control, Event::Clicked); }
  // Chooses `extension` in "跳过扩展名：".
  void SkipExtension(const std::string& extension) {
    form.SetItems(Ctl::组合框2, {"不跳", extension});
    form.SetSelection(Ctl::组合框2, 1);
  }
};
