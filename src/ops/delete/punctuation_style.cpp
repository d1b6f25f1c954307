#include "ops/delete/punctuation_style.h"

#include "pipeline/text.h"
#include "platform/form.h"

namespace {

struct PunctuationPair {
  const char* chinese;
  const char* english;
};
constexpr PunctuationPair kPunctuation[] = {
    {"，", ","}, {"。", "."}, {"（", "("}, {"）", ")"}, {"【", "["}, {"】", "]"},
};

}  // namespace

std::string ConvertPunctuation(std::string_view text, PunctuationStyle style) {
  std::string result(text);
  const bool toChinese = style == PunctuationStyle::Chinese;
  for (const PunctuationPair& pair : kPunctuation) {
    result = toChinese ? ReplaceText(result, pair.english, pair.chinese, 1, -1)
                       : ReplaceText(result, pair.chinese, pair.english, 1, -1);
  }
  return result;
}

void PunctuationStyleChosen(AppState& app) {
  Form& form = app.form;
  const int chosen = form.Selection(Ctl::组合框1);
  if (chosen < 0 || chosen > static_cast<int>(PunctuationStyle::Bilibili)) return;
  const auto style = static_cast<PunctuationStyle>(chosen);
  for (Ctl box : {Ctl::编辑框2, Ctl::编辑框3, Ctl::编辑框1}) {
    form.SetText(box, ConvertPunctuation(form.Text(box), style));
  }
}
