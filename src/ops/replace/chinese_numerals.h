// "第一课改第1课": the first Chinese numeral 一 to 十 near the start of every name becomes
// digits.
#pragma once

#include <string>

#include "pipeline/app_state.h"

// Tries 一, 二, ... 十 in that order; the first whose first occurrence starts within bytes
// 1 to 8 is replaced there by its digits. The empty text when none does.
std::string NumeralToDigits(const std::string& name);

void ChineseNumeralsClicked(AppState& app);
