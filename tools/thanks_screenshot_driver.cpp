// Opens the skinned main window, presses its picture button and saves bitmaps of the main
// window and of the thanks window beside it, for a person to look at.
// Usage (under Wine's virtual desktop): thanks_screenshot_driver.exe OUT_FOLDER
#include <objbase.h>
#include <windows.h>

#include <string>

#include "app/main_window_win32.h"
#include "app/thanks_window_win32.h"
#include "box_answerer.h"
#include "platform/win32/win32_file_system.h"

namespace {

void Pump(int milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(20);
  } while (GetTickCount() < end);
}

// The window's place on the screen, title bar included, as a 24-bit BMP file.
void Capture(HWND window, const std::string& path) {
  RECT r;
  GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD stride = ((width * 3 + 3) / 4) * 4;
  std::string pixels(stride * height, '\0');
  GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
            DIB_RGB_COLORS);
  BITMAPFILEHEADER file{0x4D42,
                        static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info + pixels.size()),
                        0, 0, sizeof(BITMAPFILEHEADER) + sizeof info};
  HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written;
  WriteFile(out, &file, sizeof file, &written, nullptr);
  WriteFile(out, &info, sizeof info, &written, nullptr);
  WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
  CloseHandle(out);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string out = argc > 1 ? std::string(argv[1]) + "\\" : std::string();
  CoInitialize(nullptr);
  Win32FileSystem files;
  BoxAnswerer boxes;
  auto window = MainWindow::Create(GetModuleHandleA(nullptr), files, false);
  Pump(500);
  Capture(window->Handle(), out + "skinned-main.bmp");
  SendMessageA(window->Control(Ctl::图形按钮1), BM_CLICK, 0, 0);
  Pump(500);
  HWND thanks = FindWindowA(nullptr, kThanksWindowTitle);
  if (thanks) {
    // The pressed button, drawn in the skin's pressed colour.
    SendMessageA(GetDlgItem(thanks, kThanks按钮1), BM_SETSTATE, TRUE, 0);
    Pump(300);
    Capture(thanks, out + "thanks.bmp");
  }
  window.reset();
  CoUninitialize();
  return 0;
}
