// The preview toggle "打开预览" / "不要预览": widens the window and the name list, adds the
// proposal column and shows the execute and undo buttons; switching off narrows them again.
#pragma once

#include "pipeline/app_state.h"

void PreviewToggleClicked(AppState& app);
