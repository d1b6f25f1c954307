// Which routine handles which event of which control of the main window. Both the Win32
// window and the tests dispatch through this table.
#pragma once

#include "pipeline/app_state.h"
#include "platform/form.h"

enum class Event {
  Clicked,      // buttons, check boxes, radio buttons, the name list
  Chosen,       // a combo box entry chosen from its list
  TextChanged,  // the edit text of a combo box changed by typing
  DropDown,     // a combo box's list about to open
  FocusGained,  // an edit box got the focus
};

// The handler of an event, or nullptr when the event does nothing.
Handler HandlerFor(Ctl control, Event event);
// Runs the handler of an event, if any.
void Dispatch(AppState& app, Ctl control, Event event);
