// "前面的东西" and "后面的东西": cut every name at a marker, deleting what stands in front of
// it or behind it. Files keep their extension, which is never searched.
#pragma once

#include <string>
#include <string_view>

#include "ops/name_part.h"
#include "pipeline/app_state.h"

struct MarkerCut {
  std::string marker;
  Occurrence occurrence = Occurrence::First;
  bool includeMarker = false;  // the marker goes with the deleted part
};

// The name part from the marker on (or from just after it); empty when unchanged.
std::string DeleteLeft(std::string_view part, const MarkerCut& cut);
// The name part up to the marker (or up to and including it); empty when unchanged.
std::string DeleteRight(std::string_view part, const MarkerCut& cut);

void DeleteLeftClicked(AppState& app);
void DeleteRightClicked(AppState& app);
