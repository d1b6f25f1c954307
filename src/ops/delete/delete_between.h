// "一键删除": deletes the text between a start marker and an end marker from every name, and
// the markers with it when asked. Files keep their extension, which is never searched.
#pragma once

#include <string>
#include <string_view>

#include "ops/name_part.h"
#include "pipeline/app_state.h"

struct BetweenMarkers {
  std::string start, end;
  Occurrence startOccurrence = Occurrence::First;
  Occurrence endOccurrence = Occurrence::First;
  bool includeMarkers = true;
};

// Whether the chosen occurrences of both markers are found, the end one not before the start
// one (markers starting at the same byte count too).
bool HasBothMarkers(std::string_view part, const BetweenMarkers& markers);
// The name part without the cut text; empty when unchanged. Adjacent markers kept give back
// the part as it is.
std::string DeleteBetween(std::string_view part, const BetweenMarkers& markers);

void DeleteBetweenClicked(AppState& app);
