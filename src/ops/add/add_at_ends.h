// "最前面加" and "最尾部加": a text in front of every name, or at its end before a file's
// extension.
#pragma once

#include <string>

#include "pipeline/app_state.h"
#include "pipeline/rename_pipeline.h"

// `front` followed by the whole name, extension included.
std::string AddAtFront(const RenameItem& item, const std::string& front);
// stem + `end` + extension for a file (declined when the stem is empty); a folder's whole
// name followed by `end`.
std::string AddAtEnd(const RenameItem& item, const std::string& end);

void AddAtFrontClicked(AppState& app);
void AddAtEndClicked(AppState& app);
