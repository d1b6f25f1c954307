// "前面加" / "后面加": inserts a text right in front of or right after the first or the last
// occurrence of a marker in every name. Files keep their extension, which is never searched.
#pragma once

#include <string>
#include <string_view>

#include "ops/name_part.h"
#include "pipeline/app_state.h"

struct MarkerInsertion {
  std::string marker, text;
  Occurrence occurrence = Occurrence::First;
  bool afterMarker = false;
};

// The name part with the text inserted; empty when the marker is missing.
std::string AddAtMarker(std::string_view part, const MarkerInsertion& insertion);

void AddAtMarkerClicked(AppState& app);
// The side radio buttons: select themselves and set the button's caption to match.
void BeforeMarkerClicked(AppState& app);
void AfterMarkerClicked(AppState& app);
