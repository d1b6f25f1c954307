// Choosing the target folder ("手动读取" or a dropped item) and the item kind check boxes.
#pragma once

#include <string>

#include "pipeline/app_state.h"

// The folder part of a path, with its trailing "\"; a path ending with "\" loses that one
// first, so a dropped folder gives the folder that holds it. Empty when no "\" is left.
std::string ContainingFolder(const std::string& path);

// "手动读取": the folder-browse dialog, then the folder's items into the name list.
void ChooseFolderClicked(AppState& app);
// One dropped item: its containing folder becomes the target folder and fills the list.
void AcceptDroppedPath(AppState& app, const std::string& path);

// "文件" and "文件夹": checking one unchecks the other; the list is not refreshed.
void FilesKindClicked(AppState& app);
void FoldersKindClicked(AppState& app);
