#include "app/default_state.h"

#include "platform/form.h"

namespace {
constexpr int kHintGrey = 8421504;  // RGB 128, 128, 128
}

void ApplyDefaultState(Form& form) {
  for (Ctl box : {Ctl::选择框5, Ctl::选择框6, Ctl::选择框1}) form.SetChecked(box, true);
  for (Ctl radio : {Ctl::单选框2, Ctl::单选框7, Ctl::单选框9, Ctl::单选框5, Ctl::单选框3,
                    Ctl::单选框11, Ctl::单选框13}) {
    form.SetChecked(radio, true);
  }
  form.SetTextColour(Ctl::编辑框14, kHintGrey);
  form.SetTextColour(Ctl::编辑框15, kHintGrey);
  form.SetSelection(Ctl::组合框2, -1);
  form.SetChecked(Ctl::单选框15, true);
}
