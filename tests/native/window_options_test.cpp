#include "app/window_options.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/commands.h"
#include "app/default_state.h"
#include "pipeline_fixture.h"

TEST(DefaultState, ChecksExactlyTheDefaultOptionsWithoutRunningHandlers) {
  FakeForm form;
  form.SetChecked(Ctl::选择框1, false);
  form.topMost = false;  // only a click on "窗口置顶" may change it
  form.SetItems(Ctl::组合框2, {"不跳", ".mp4"});
  form.SetSelection(Ctl::组合框2, 1);
  ApplyDefaultState(form);

  const Ctl checked[] = {Ctl::选择框5,  Ctl::选择框6,  Ctl::选择框1, Ctl::单选框2,
                         Ctl::单选框7,  Ctl::单选框9,  Ctl::单选框5, Ctl::单选框3,
                         Ctl::单选框11, Ctl::单选框13, Ctl::单选框15};
  for (int i = 0; i < static_cast<int>(Ctl::Count); ++i) {
    const Ctl control = static_cast<Ctl>(i);
    const bool expected =
        std::find(std::begin(checked), std::end(checked), control) != std::end(checked);
    EXPECT_EQ(form.Checked(control), expected) << "control " << i;
  }
  EXPECT_EQ(form.TextColour(Ctl::编辑框14), 8421504);
  EXPECT_EQ(form.TextColour(Ctl::编辑框15), 8421504);
  EXPECT_EQ(form.Selection(Ctl::组合框2), -1);
  EXPECT_FALSE(form.TopMost());
  EXPECT_EQ(form.Text(Ctl::单选框4), "");  // the caption of "前面加" is not touched either
}

class WindowOptionsTest : public PipelineTest {};

TEST_F(WindowOptionsTest, TopMostFollowsTheBoxOnEveryClick) {
  form.SetChecked(Ctl::选择框5, true);
  for (bool checked : {false, true, false}) {
    form.SetChecked(Ctl::选择框5, checked);  // the box toggles itself before the click arrives
    Dispatch(app, Ctl::选择框5, Event::Clicked);
    EXPECT_EQ(form.TopMost(), checked);
  }
}

TEST_F(WindowOptionsTest, ClearInputsEmptiesTheFifteenBoxesAndThePathOnly) {
  const Ctl cleared[] = {Ctl::编辑框1,  Ctl::编辑框2,  Ctl::编辑框3,  Ctl::编辑框4,  Ctl::编辑框5,
                         Ctl::编辑框6,  Ctl::编辑框7,  Ctl::编辑框8,  Ctl::编辑框9,  Ctl::编辑框10,
                         Ctl::编辑框11, Ctl::编辑框12, Ctl::编辑框13, Ctl::编辑框14, Ctl::编辑框15};
  for (Ctl box : cleared) form.SetText(box, "text");
  form.SetText(Ctl::编辑框16, "3");
  form.SetText(Ctl::编辑框18, ".bak");
  form.SetText(Ctl::组合框4, ".txt");
  form.SetTextColour(Ctl::编辑框14, 8421504);
  form.SetChecked(Ctl::单选框14, true);
  form.SetRows({"a.txt"});

  Dispatch(app, Ctl::按钮13, Event::Clicked);

  for (Ctl box : cleared) EXPECT_EQ(form.Text(box), "");
  EXPECT_EQ(form.Text(Ctl::标签2), "");
  EXPECT_EQ(form.Text(Ctl::编辑框16), "3");
  EXPECT_EQ(form.Text(Ctl::编辑框18), ".bak");
  EXPECT_EQ(form.Text(Ctl::组合框4), ".txt");
  EXPECT_EQ(form.TextColour(Ctl::编辑框14), 8421504);  // the hint does not come back
  EXPECT_TRUE(form.Checked(Ctl::单选框14));
  EXPECT_EQ(form.RowCount(), 1);
  EXPECT_TRUE(form.shown.empty());
}
