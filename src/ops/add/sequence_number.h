// "给文件加序号": the item's position in the listing, padded with zeros, and a chosen
// separator in front of every name.
#pragma once

#include <string>
#include <vector>

#include "pipeline/app_state.h"

// The position `index` padded to two digits in a listing of fewer than 100 items and to three
// from 100 on (never cut: 1000 stays 1000), then `separator`, then the whole name.
std::string AddSequenceNumber(const std::string& name, int index, int count,
                              const std::string& separator);
// The separator for the entry chosen in the list (-1 for none); "不加" gives none.
std::string SeparatorFor(const std::vector<std::string>& entries, int selection);

void AddSequenceNumberClicked(AppState& app);
