// "加模拟B站AV号": a made-up video number behind every file stem, as Bilibili downloads carry
// them: lesson.mp4 -> lesson(Av012345678,P1).mp4. Renames at once; there is no preview.
#pragma once

#include <cstdint>
#include <string>

#include "pipeline/app_state.h"
#include "pipeline/rename_pipeline.h"

// Nine random decimal digits from a generator seeded with `seed`; a leading 0 stays.
std::string VideoNumber(uint32_t seed);
// stem + "(Av" + digits + ",P" + position + ")" + extension.
std::string AddVideoNumber(const RenameItem& file, const std::string& digits);

void AddVideoNumberClicked(AppState& app);
