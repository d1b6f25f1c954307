// "编号后面加": a text right after the number with which names begin (01 Intro -> 01. Intro).
#pragma once

#include <string>

#include "pipeline/app_state.h"

// Reads the number in the first five bytes of the whole name and inserts `suffix` after the
// first occurrence of its decimal text, when that starts within the first five bytes; the
// empty text otherwise. A name without a leading number reads as 0, so a 0 early in the name
// receives the suffix.
std::string AddAfterNumber(const std::string& name, const std::string& suffix);

void AddAfterNumberClicked(AppState& app);
