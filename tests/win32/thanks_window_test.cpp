// "感谢有你": opened by the picture button of the main window, not modal, and closed again.
#include "app/thanks_window_win32.h"
#include "window_fixture.h"

using Strings = std::vector<std::string>;

namespace {

HWND FindThanksWindow() {
  return FindWindowA(nullptr, kThanksWindowTitle);
}

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

RECT PlaceIn(HWND parent, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

TEST(ThanksWindow, HasItsTitleSizeBorderPicturesAndButtons) {
  Strings opened;
  HWND thanks = OpenThanksWindow(nullptr, [&](const std::string& a) { opened.push_back(a); });
  ASSERT_NE(thanks, nullptr);
  EXPECT_EQ(TextOf(thanks), "感谢有你");
  RECT outer;
  GetWindowRect(thanks, &outer);
  EXPECT_EQ(outer.right - outer.left, 525);
  EXPECT_EQ(outer.bottom - outer.top, 333);
  const LONG_PTR style = GetWindowLongPtrA(thanks, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongPtrA(thanks, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_FALSE(GetWindowLongPtrA(thanks, GWL_EXSTYLE) & WS_EX_TOPMOST);

  const RECT pictures[] = {
      {8, 8, 208, 208}, {278, 8, 478, 208}, {66, 213, 141, 253}, {343, 212, 418, 252}};
  for (int i = 0; i < 4; ++i) {
    HWND box = GetDlgItem(thanks, kThanks图片框1 + i);
    ASSERT_NE(box, nullptr) << i;
    const RECT place = PlaceIn(thanks, box);
    EXPECT_TRUE(EqualRect(&place, &pictures[i])) << i;
    EXPECT_NE(SendMessageA(box, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << i;
  }
  HWND release = GetDlgItem(thanks, kThanks按钮2);
  EXPECT_EQ(TextOf(release), "去Merrow加热心值");
  const RECT releasePlace = PlaceIn(thanks, release);
  const RECT expected{168, 232, 304, 267};
  EXPECT_TRUE(EqualRect(&releasePlace, &expected));
  EXPECT_EQ(TextOf(GetDlgItem(thanks, kThanks按钮1)), "关闭此页");

  // The page opens in the browser and the window stays.
  SendMessageA(release, BM_CLICK, 0, 0);
  EXPECT_EQ(opened, (Strings{kReleasePageAddress}));
  EXPECT_TRUE(IsWindow(thanks));
  SendMessageA(GetDlgItem(thanks, kThanks按钮1), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(thanks));
}

TEST(ThanksWindow, TheClientAreaMovesTheWindowLikeItsTitleBar) {
  HWND thanks = OpenThanksWindow(nullptr, [](const std::string&) {});
  RECT outer;
  GetWindowRect(thanks, &outer);
  // A free point between the pictures, and a point on a button.
  const POINT free{outer.left + 250, outer.top + 150};
  EXPECT_EQ(SendMessageA(thanks, WM_NCHITTEST, 0, MAKELPARAM(free.x, free.y)), HTCAPTION);
  DestroyWindow(thanks);
}

TEST_F(WindowTest, ThePictureButtonOpensTheThanksWindowBesideAUsableMainWindow) {
  folder.AddFile("a.txt", "a");
  SetText(Ctl::编辑框6, "前缀");
  Click(Ctl::图形按钮1);
  HWND thanks = FindThanksWindow();
  ASSERT_NE(thanks, nullptr);
  EXPECT_EQ(GetWindow(thanks, GW_OWNER), window->Handle());
  EXPECT_TRUE(IsWindowEnabled(window->Handle()));  // not modal
  EXPECT_EQ(form().Text(Ctl::编辑框6), "前缀");
  // The main window goes on working while the thanks window is open.
  UseFolder();
  Click(Ctl::按钮8);
  EXPECT_EQ(Column(0), (Strings{"a.txt"}));
  SendMessageA(GetDlgItem(thanks, kThanks按钮1), BM_CLICK, 0, 0);
  Pump();
  EXPECT_FALSE(IsWindow(thanks));
  EXPECT_EQ(form().Text(Ctl::编辑框6), "前缀");
  EXPECT_EQ(Column(0), (Strings{"a.txt"}));
}
