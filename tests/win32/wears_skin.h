// Whether the skin is on a window: it puts its own procedure in front of every window of the
// thread, so a skinned window's procedure is no longer the one of its class.
#pragma once

#include <windows.h>

inline bool WearsSkin(HWND window) {
  return static_cast<LONG_PTR>(GetWindowLongPtrA(window, GWLP_WNDPROC)) !=
         static_cast<LONG_PTR>(GetClassLongPtrA(window, GCLP_WNDPROC));
}
