// Pairs of options that exclude each other: radio buttons that the window does not group by
// itself, and check boxes that behave like a pair of radio buttons but may both be off.
#pragma once

#include "ops/name_part.h"
#include "pipeline/app_state.h"
#include "platform/form.h"

// Selects `chosen` and unselects its partner.
inline void SelectOneOf(Form& form, Ctl chosen, Ctl partner) {
  form.SetChecked(chosen, true);
  form.SetChecked(partner, false);
}

// The occurrence chosen by a pair of options ("首次出现" / "最后出现").
inline Occurrence ReadOccurrence(const Form& form, Ctl first, Ctl last) {
  if (form.Checked(first)) return Occurrence::First;
  if (form.Checked(last)) return Occurrence::Last;
  return Occurrence::None;
}

// Click handler of a radio button whose partner is `partner`.
template <Ctl chosen, Ctl partner>
void RadioClicked(AppState& app) {
  SelectOneOf(app.form, chosen, partner);
}

// Click handler of a check box of an exclusive pair: checking it unchecks the partner;
// unchecking it leaves the partner alone, so both may be off.
template <Ctl box, Ctl partner>
void PairedBoxClicked(AppState& app) {
  if (app.form.Checked(box)) app.form.SetChecked(partner, false);
}
