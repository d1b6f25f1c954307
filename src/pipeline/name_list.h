// The name list on the right of the main window: filling it from the target folder, copying a
// clicked name and emptying it.
#pragma once

#include "pipeline/app_state.h"

// Appends one row per item of the target folder: the files (in natural order, under both
// extension filters) when "文件" is checked, else the sub-folders when "文件夹" is checked.
// Does nothing without a folder; a folder of "\" is emptied. Callers empty the list first.
void FillNameList(AppState& app);

// The list clicked: the selected row's name goes to the clipboard.
void NameListClicked(AppState& app);
// "清空列表框": removes every row; columns and target folder stay.
void ClearNameListClicked(AppState& app);
