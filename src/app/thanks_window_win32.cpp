#include "app/thanks_window_win32.h"

#include <shellapi.h>

#include <array>
#include <span>

#include "app/embedded_data.h"
#include "app/window_class_win32.h"

namespace {

constexpr char kClassName[] = "VorlanRenameThanksWindow";

struct Picture {
  std::span<const unsigned char> (*bytes)();
  int x, y, width, height;
};
constexpr Picture kPictures[] = {
    {ThanksPicture1, 8, 8, 200, 200},
    {ThanksPicture2, 278, 8, 200, 200},
    {ThanksPicture3, 66, 213, 75, 40},
    {ThanksPicture4, 343, 212, 75, 40},
};

struct Button {
  int id;
  const char* text;
  int x, y, width, height;
};
constexpr Button kButtons[] = {
    {kThanks按钮2, "去Merrow加热心值", 168, 232, 136, 35},
    {kThanks按钮1, "关闭此页", 411, 264, 96, 35},
};

// What one open window holds, released with it.
struct ThanksState {
  std::function<void(const std::string&)> open;
  std::array<HBITMAP, 4> pictures{};
  HFONT font = nullptr;
};

// A bitmap from the bytes of a BMP file (uncompressed or RLE, any depth GDI takes);
// nullptr when the bytes are not a whole BMP file.
HBITMAP BitmapFromFile(std::span<const unsigned char> file) {
  if (file.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) || file[0] != 'B' ||
      file[1] != 'M') {
    return nullptr;
  }
  BITMAPFILEHEADER header;
  memcpy(&header, file.data(), sizeof header);
  const auto* info = reinterpret_cast<const BITMAPINFO*>(file.data() + sizeof header);
  if (info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) || header.bfOffBits >= file.size() ||
      header.bfOffBits < sizeof header + info->bmiHeader.biSize) {
    return nullptr;
  }
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT,
                                  file.data() + header.bfOffBits, info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

ThanksState* StateOf(HWND window) {
  return reinterpret_cast<ThanksState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void CreateControls(HWND window, ThanksState& state) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  for (size_t i = 0; i < std::size(kPictures); ++i) {
    const Picture& p = kPictures[i];
    HWND box = CreateWindowExA(
        0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_BITMAP, p.x, p.y, p.width, p.height, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kThanks图片框1 + i)), instance, nullptr);
    state.pictures[i] = BitmapFromFile(p.bytes());
    SendMessageA(box, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(state.pictures[i]));
  }
  state.font =
      CreateFontA(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "微软雅黑");
  for (const Button& b : kButtons) {
    HWND button = CreateWindowExA(
        0, "BUTTON", b.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, b.x, b.y, b.width, b.height,
        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)), instance, nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
  }
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_CREATE:
      CreateControls(window, *StateOf(window));
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) break;
      if (LOWORD(wParam) == kThanks按钮1) {
        DestroyWindow(window);
      } else if (LOWORD(wParam) == kThanks按钮2) {
        if (ThanksState* state = StateOf(window); state && state->open) {
          state->open(kReleasePageAddress);
        }
      }
      return 0;
    case WM_NCHITTEST: {
      // Any free point of the client area moves the window like its title bar.
      const LRESULT hit = DefWindowProcA(window, message, wParam, lParam);
      return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_NCDESTROY:
      if (ThanksState* state = StateOf(window)) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        for (HBITMAP picture : state->pictures) {
          if (picture) DeleteObject(picture);
        }
        if (state->font) DeleteObject(state->font);
        delete state;
      }
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void OpenInBrowser(const std::string& address) {
  ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

HWND OpenThanksWindow(HWND owner, std::function<void(const std::string&)> open) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  static const bool registered = RegisterWindowClass(kClassName, Procedure, instance);
  if (!registered) return nullptr;
  auto* state = new ThanksState{std::move(open)};
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kThanksWindowWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kThanksWindowHeight) / 2;
  HWND window = CreateWindowExA(WS_EX_APPWINDOW, kClassName, kThanksWindowTitle,
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, x, y, kThanksWindowWidth,
                                kThanksWindowHeight, owner, nullptr, instance, state);
  if (!window) {
    delete state;
    return nullptr;
  }
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return window;
}
