// The program's entry: the main window and its message loop.
#include <objbase.h>
#include <windows.h>

#include "app/main_window_win32.h"
#include "platform/win32/win32_file_system.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CoInitialize(nullptr);  // the folder-browse dialog needs COM
  Win32FileSystem files;
  auto window = MainWindow::Create(instance, files, true);
  if (!window) return 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  window.reset();
  CoUninitialize();
  return static_cast<int>(msg.wParam);
}
