// "创建文件": one test item for every listed name, in a folder the user types: an empty
// folder, or a small file with the typed extension. A user's own file is never overwritten.
#pragma once

#include <string>

#include "pipeline/app_state.h"

// What a test file holds: "测试文件" in code page 936, no line break.
extern const std::string kTestFileContent;

void CreateTestItemsClicked(AppState& app);
// The two boxes lose their grey hint when they get the focus.
void TestItemFolderFocused(AppState& app);
void TestItemExtensionFocused(AppState& app);
