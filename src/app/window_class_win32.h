// The program's top-level windows share one look: the application icon, the arrow cursor and
// the dialog face colour behind the controls.
#pragma once

#include <windows.h>

// Registers a window class of that look; true when it is registered (now or before).
bool RegisterWindowClass(const char* name, WNDPROC procedure, HINSTANCE instance);
