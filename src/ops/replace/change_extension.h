// "全部修改": every file of the folder gets the extension chosen or typed after "修改成".
#pragma once

#include <string>

#include "pipeline/app_state.h"

// A typed extension without any dot gets one in front; a chosen entry or a text holding a
// dot anywhere stays as it is.
std::string DottedExtension(const std::string& text, bool chosenFromList);
// The stem followed by the new extension (which replaces the old one with its dot).
std::string ChangeExtension(const std::string& stem, const std::string& newExtension);

void ChangeExtensionClicked(AppState& app);
