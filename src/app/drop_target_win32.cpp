#include "app/drop_target_win32.h"

#include <shellapi.h>

#include <utility>
#include <vector>

#include "app/system_name_win32.h"

namespace {

// The procedure to pass messages on to. It stays on the window when another procedure was put
// in front of ours and we cannot leave the chain.
constexpr char kPreviousProperty[] = "DropTarget.Previous";

// The registered windows and their targets. The procedure looks its target up on every
// message of the window, so it searches here: a window property is fetched from Wine's
// server, about 30 us a look-up, and would slow every row added to the window's list view.
std::vector<std::pair<HWND, DropTarget*>>& Registered() {
  static std::vector<std::pair<HWND, DropTarget*>> registered;
  return registered;
}

DropTarget* RegisteredTarget(HWND window) {
  for (const auto& [registered, target] : Registered()) {
    if (registered == window) return target;
  }
  return nullptr;
}

void Forget(HWND window) {
  auto& registered = Registered();
  std::erase_if(registered, [window](const auto& entry) { return entry.first == window; });
}

constexpr UINT kCopyGlobalData = 0x0049;  // drag-and-drop data between processes
constexpr DWORD kFilterAdd = 1;           // MSGFLT_ADD

using ChangeFilter = BOOL(WINAPI*)(UINT message, DWORD flag);

void LetDropsThroughTheFilter() {
  if (!NeedsMessageFilter(SystemName())) return;
  // Missing before Vista.
  auto change = reinterpret_cast<ChangeFilter>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "ChangeWindowMessageFilter")));
  if (!change) return;
  change(WM_DROPFILES, kFilterAdd);
  change(WM_COPYDATA, kFilterAdd);
  change(kCopyGlobalData, kFilterAdd);
}

}  // namespace

void DropTarget::Register(HWND window, Callback callback) {
  Unregister();
  window_ = window;
  callback_ = std::move(callback);
  DragAcceptFiles(window, TRUE);
  Forget(window);
  Registered().emplace_back(window, this);
  previous_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
  SetPropA(window, kPreviousProperty, reinterpret_cast<HANDLE>(previous_));
  LetDropsThroughTheFilter();
}

void DropTarget::Unregister() {
  HWND window = window_;
  window_ = nullptr;
  if (!window || RegisteredTarget(window) != this) return;
  Forget(window);
  if (!IsWindow(window)) return;
  DragAcceptFiles(window, FALSE);
  if (GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Procedure)) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropA(window, kPreviousProperty);
  }
}

LRESULT DropTarget::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    const WNDPROC previous = previous_;
    RemovePropA(window, kPreviousProperty);
    Forget(window);
    window_ = nullptr;
    return CallWindowProcA(previous, window, message, wParam, lParam);
  }
  if (message != WM_DROPFILES) return CallWindowProcA(previous_, window, message, wParam, lParam);
  HDROP drop = reinterpret_cast<HDROP>(wParam);
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // The whole path, however long: a cut path could name another folder.
    std::vector<char> path(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
    const UINT length = DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size()));
    if (callback_) callback_(std::string(path.data(), length));
  }
  DragFinish(drop);
  return 0;
}

LRESULT CALLBACK DropTarget::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (DropTarget* self = RegisteredTarget(window)) {
    return self->WindowProc(window, message, wParam, lParam);
  }
  auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, kPreviousProperty));
  if (message == WM_NCDESTROY) RemovePropA(window, kPreviousProperty);
  if (!previous) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(previous, window, message, wParam, lParam);
}
