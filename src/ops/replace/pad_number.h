// "1改01": zeros in front of a short number near the start of every name, so that names sort
// by their numbers.
#pragma once

#include <string>

#include "pipeline/app_state.h"

// 2 for a listing of fewer than 100 items, 3 from 100 on.
int PadWidthFor(int count);
// The name with the number that starts at its first digit within bytes 1 to 7 padded with
// zeros to `width` digits; the empty text when there is no such digit or the number already
// has `width` digits (at most three are looked at).
std::string PadLeadingNumber(const std::string& name, int width);

void PadNumberClicked(AppState& app);
