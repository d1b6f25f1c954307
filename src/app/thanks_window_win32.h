// "感谢有你": a small window owned by the main window, not modal, with four pictures, a
// button that opens the program's web page and a button that closes it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

inline constexpr char kThanksWindowTitle[] = "感谢有你";
inline constexpr char kReleasePageAddress[] = "https://github.com/vorlan-rename/vorlan-rename";
inline constexpr int kThanksWindowWidth = 525;
inline constexpr int kThanksWindowHeight = 333;

// Control identifiers: `按钮1` closes, `按钮2` opens the page, `图片框1` ... `图片框4`.
enum ThanksControl { kThanks按钮1 = 1, kThanks按钮2 = 2, kThanks图片框1 = 11 };

// Opens a web address in the default browser.
void OpenInBrowser(const std::string& address);

// Creates and shows the window, centred on the screen; `open` is what "去Merrow加热心值"
// does with the page's address.
HWND OpenThanksWindow(HWND owner, std::function<void(const std::string&)> open = OpenInBrowser);
