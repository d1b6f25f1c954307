// "保存原文件名到txt": the names the list shows, written to "原文件名保存.txt" beside the
// program, one per line with CR LF, in code page 936 without a byte-order mark.
#pragma once

#include <string>
#include <vector>

#include "pipeline/app_state.h"

// The name file's path in the program's folder (given with or without its trailing "\").
std::string NameFilePath(const std::string& programFolder);
// Every non-empty name followed by CR LF, in order.
std::string NameFileText(const std::vector<std::string>& names);

void SaveNamesClicked(AppState& app);
