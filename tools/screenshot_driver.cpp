// Opens the main window over a folder of sample files and saves bitmaps of it for each tab
// page and for preview mode with proposals, and of the thanks window opened from its picture
// button. Run by tools/screenshot.sh.
#include <objbase.h>
#include <windows.h>

#include <string>

#include "app/main_window_win32.h"
#include "app/thanks_window_win32.h"
#include "box_answerer.h"
#include "platform/win32/win32_file_system.h"
#include "temp_folder.h"

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

// Copies the window's place on the screen, title bar included, into a 24-bit BMP file.
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
  TempFolder folder;
  for (const char* name : {"第1课 开学.mp4", "第2课 复习.mp4", "第10课 考试.mp4", "電腦課.txt",
                           "report.docx", "照片 2024.jpg"}) {
    folder.AddFile(name, "x");
  }
  Win32FileSystem files;
  BoxAnswerer boxes;  // answers the notices that preview mode shows
  auto window = MainWindow::Create(GetModuleHandleA(nullptr), files, false);
  Pump(500);
  const char* pages[] = {"page-delete", "page-replace", "page-add"};
  for (int page = 0; page < 3; ++page) {
    window->ShowPage(page);
    Pump(400);
    Capture(window->Handle(), out + pages[page] + ".bmp");
  }
  SendMessageA(window->Control(Ctl::图形按钮1), BM_CLICK, 0, 0);
  Pump(500);
  if (HWND thanks = FindWindowA(nullptr, kThanksWindowTitle)) {
    Capture(thanks, out + "thanks.bmp");
    DestroyWindow(thanks);
  }
  window->form().SetText(Ctl::标签2, folder.path());
  SendMessageA(window->Control(Ctl::按钮8), BM_CLICK, 0, 0);  // preview on
  window->form().SetText(Ctl::编辑框7, "_备份");
  SendMessageA(window->Control(Ctl::按钮_加后缀), BM_CLICK, 0, 0);
  Pump(600);
  // The widened window must lie on the screen whole to be captured.
  SetWindowPos(window->Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  RedrawWindow(window->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(600);
  Capture(window->Handle(), out + "preview.bmp");
  window.reset();
  CoUninitialize();
  return 0;
}
