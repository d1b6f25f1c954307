// The default state of the options, set once the main window's controls exist.
#pragma once

class Form;

// Sets the defaults the layout does not give, in the window's creation order, without
// running any click handler.
void ApplyDefaultState(Form& form);
