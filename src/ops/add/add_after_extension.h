// "扩展名后面加": a text at the very end of every file name, after the extension.
#pragma once

#include <string>

#include "pipeline/app_state.h"

// The whole name followed by `tail`; the empty text for an empty name.
std::string AppendAfterExtension(const std::string& name, const std::string& tail);

void AddAfterExtensionClicked(AppState& app);
