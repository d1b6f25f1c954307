// "删掉": deletes a text from every name once, or a number of times counted from the left or
// from the right. Files keep their extension, which is never searched.
#pragma once

#include <string>
#include <string_view>

#include "pipeline/app_state.h"

struct OccurrenceDeletion {
  std::string text;
  int count = 1;           // below 0: nothing is deleted
  bool fromRight = false;  // count from the right ("从右到左")
};

// The name part with the occurrences deleted; empty when unchanged (the text is missing, the
// count is not positive, or nothing would be left).
std::string DeleteOccurrences(std::string_view part, const OccurrenceDeletion& deletion);

void DeleteOccurrencesClicked(AppState& app);
