#include "ops/replace/chinese_numerals.h"

#include "pipeline/messages.h"
#include "pipeline/rename_pipeline.h"
#include "pipeline/text.h"

namespace {

struct Numeral {
  const char* numeral;
  const char* digits;
};

// Searched in this order: in 第十二课 the 二 wins over the 十 before it.
constexpr Numeral kNumeralTable[] = {
    {"一", "1"}, {"二", "2"}, {"三", "3"}, {"四", "4"}, {"五", "5"},
    {"六", "6"}, {"七", "7"}, {"八", "8"}, {"九", "9"}, {"十", "10"},
};

// A numeral counts when it starts at one of the first eight bytes.
constexpr int kLastStart = 8;

}  // namespace

std::string NumeralToDigits(const std::string& name) {
  for (const Numeral& row : kNumeralTable) {
    const int p = FindText(name, row.numeral);
    if (p != -1 && p <= kLastStart) return ReplaceText(name, row.numeral, row.digits, p, 1);
  }
  return {};
}

void ChineseNumeralsClicked(AppState& app) {
  RenameOperation op;
  op.rule = [](const RenameItem& item) { return NumeralToDigits(item.name); };
  op.report = [](int renamed, bool) {
    return std::optional<Message>(
        messages::Plain("总共更改" + std::to_string(renamed) + "个", "更名数量"));
  };
  RunRenamePipeline(app, op);
}
