// The two handlers that belong to the main window itself: "窗口置顶" and "清空所有输入框".
#pragma once

#include "pipeline/app_state.h"

// "窗口置顶": the window is always on top exactly while the box is checked.
void TopMostClicked(AppState& app);
// "清空所有输入框": empties `编辑框1` to `编辑框15` and the path label, in that order. The
// replace count `编辑框16` and `编辑框18` keep their texts; no hint comes back.
void ClearInputsClicked(AppState& app);
