// "半角全角": converts brackets and punctuation between their full-width Chinese forms and
// ASCII in the two marker boxes of "一键删除" and the text box of "删掉".
#pragma once

#include <string>
#include <string_view>

#include "pipeline/app_state.h"

enum class PunctuationStyle { English, Chinese, Bilibili };  // the combo box's items, in order

std::string ConvertPunctuation(std::string_view text, PunctuationStyle style);

// An entry chosen from `组合框1`'s list.
void PunctuationStyleChosen(AppState& app);
