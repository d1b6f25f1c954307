// The lists of the three extension combo boxes ("仅检索扩展名：", "跳过扩展名：" and the one
// after "修改成"): a built-in list of common extensions that reorders itself while the user
// types, and the refill of the name list when a filter entry is chosen.
#pragma once

#include <string>
#include <vector>

#include "pipeline/app_state.h"

// The 58 built-in extensions, without dots, in their fixed order.
const std::vector<std::string>& BuiltInExtensions();

// The list shown when an empty box opens: `first` (if any), then every built-in extension
// with its dot.
std::vector<std::string> FullExtensionList(const std::string& first);
// The list after typing `typed`: empty for an empty text; otherwise `first` (if any), the
// extensions containing `typed` without its dots (ASCII letters in any case), then the rest.
std::vector<std::string> ExtensionListFor(const std::string& typed, const std::string& first);

// Handlers of "仅检索扩展名：" (`组合框4`).
void IncludeExtensionDropDown(AppState& app);
void IncludeExtensionTextChanged(AppState& app);
void IncludeExtensionChosen(AppState& app);
// Handlers of "跳过扩展名：" (`组合框2`).
void SkipExtensionDropDown(AppState& app);
void SkipExtensionTextChanged(AppState& app);
void SkipExtensionChosen(AppState& app);
// Handlers of the box after "修改成" (`组合框3`); choosing an entry does nothing.
void NewExtensionDropDown(AppState& app);
void NewExtensionTextChanged(AppState& app);
