// Makes a window accept files dropped from the shell and hands every dropped path to a
// callback. Its procedure is put in front of the window's own; every other message passes
// through unchanged.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class DropTarget {
 public:
  using Callback = std::function<void(const std::string& path)>;

  DropTarget() = default;
  ~DropTarget() { Unregister(); }
  DropTarget(const DropTarget&) = delete;
  DropTarget& operator=(const DropTarget&) = delete;

  // Accepts drops on `window` and lets the drop messages through the message filter of a
  // raised process (from Vista on).
  void Register(HWND window, Callback callback);
  // Stops accepting drops and gives the window its procedure back; nothing when the
  // window is not registered or no longer exists.
  void Unregister();
  // WM_DROPFILES: each path, whole and in the shell's order, to the callback; the rest to
  // the window's own procedure.
  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  WNDPROC previous_ = nullptr;
  Callback callback_;
};
