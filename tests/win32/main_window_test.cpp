// The main window as created: title, size, border, every control of the layout in its place,
// and the default state of the options.
#include "app/main_window_layout.h"
#include "window_fixture.h"

TEST_F(WindowTest, WindowHasItsTitleSizeBorderAndStartsOnTop) {
  HWND main = window->Handle();
  char title[64] = {};
  GetWindowTextA(main, title, sizeof title);
  EXPECT_STREQ(title, "Vorlan重命名*13.0");
  RECT r;
  GetWindowRect(main, &r);
  EXPECT_EQ(r.right - r.left, 769);
  EXPECT_EQ(r.bottom - r.top, 663);
  // Centred on the screen.
  EXPECT_NEAR(r.left, (GetSystemMetrics(SM_CXSCREEN) - 769) / 2, 1);
  EXPECT_NEAR(r.top, (GetSystemMetrics(SM_CYSCREEN) - 663) / 2, 1);
  const LONG style = GetWindowLongA(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
  // Any free point of the client area drags the window.
  POINT free{760, 300};
  ClientToScreen(main, &free);
  EXPECT_EQ(SendMessageA(main, WM_NCHITTEST, 0, MAKELPARAM(free.x, free.y)), HTCAPTION);
}

TEST_F(WindowTest, EveryControlStandsInItsPlaceWithItsText) {
  for (const ControlSpec& entry : MainWindowLayout()) {
    SCOPED_TRACE(entry.text);
    SCOPED_TRACE(static_cast<int>(entry.name));
    if (entry.page >= 0) window->ShowPage(entry.page);
    const Rect place = form().Place(entry.name);
    EXPECT_EQ(place.x, entry.place.x);
    EXPECT_EQ(place.y, entry.place.y);
    EXPECT_EQ(place.width, entry.place.width);
    EXPECT_EQ(place.height, entry.place.height);
    EXPECT_EQ(form().Visible(entry.name), !entry.hidden);
    const bool hasCaption = entry.kind != ControlKind::ComboList &&
                            entry.kind != ControlKind::ComboEdit && entry.kind != ControlKind::Tab;
    if (hasCaption) {
      EXPECT_EQ(form().Text(entry.name), entry.text);
    }
  }
  // The tab control's pages, and the page controls shown only with their page.
  HWND tab = Handle(Ctl::高级选择夹1);
  ASSERT_EQ(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0), 3);
  const char* pages[] = {" 删 除 ", " 替 换 ", " 添 加 "};
  for (int page = 0; page < 3; ++page) {
    char text[32] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tab, TCM_GETITEMA, page, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, pages[page]);
  }
  window->ShowPage(1);
  EXPECT_TRUE(form().Visible(Ctl::按钮4));
  EXPECT_FALSE(form().Visible(Ctl::按钮3));
  EXPECT_FALSE(form().Visible(Ctl::按钮10));
  EXPECT_EQ(form().Items(Ctl::组合框5),
            (std::vector<std::string>{"不加", "、", ".", "-", "，", "："}));
  EXPECT_EQ(form().Items(Ctl::组合框1),
            (std::vector<std::string>{"英文符号", "中文符号", "B站括号"}));
}

TEST_F(WindowTest, OptionsStartInTheirDefaultState) {
  for (Ctl checked : {Ctl::选择框5, Ctl::选择框1, Ctl::选择框6, Ctl::选择框_1头, Ctl::选择框_2头,
                      Ctl::单选框11, Ctl::单选框2, Ctl::单选框13, Ctl::单选框7, Ctl::单选框9,
                      Ctl::单选框15, Ctl::单选框5, Ctl::单选框3}) {
    EXPECT_TRUE(form().Checked(checked)) << static_cast<int>(checked);
  }
  for (Ctl unchecked : {Ctl::选择框2, Ctl::选择框3, Ctl::选择框4, Ctl::选择框_1尾, Ctl::选择框_2尾,
                        Ctl::单选框12, Ctl::单选框1, Ctl::单选框14, Ctl::单选框8, Ctl::单选框10,
                        Ctl::单选框16, Ctl::单选框6, Ctl::单选框4}) {
    EXPECT_FALSE(form().Checked(unchecked)) << static_cast<int>(unchecked);
  }
  EXPECT_EQ(form().Text(Ctl::按钮10), "前面加");
  EXPECT_EQ(form().Text(Ctl::按钮5), "繁转简");
  EXPECT_EQ(form().Selection(Ctl::组合框2), -1);
  EXPECT_EQ(form().Selection(Ctl::组合框5), -1);
  EXPECT_EQ(form().Selection(Ctl::组合框1), 0);
  EXPECT_EQ(form().Text(Ctl::编辑框14), "将在这里创建");
  EXPECT_EQ(form().Text(Ctl::编辑框15), "扩展名");
  EXPECT_EQ(form().TextColour(Ctl::编辑框14), 8421504);
  EXPECT_EQ(form().TextColour(Ctl::编辑框15), 8421504);
  for (Ctl empty : {Ctl::编辑框1, Ctl::编辑框6, Ctl::编辑框7, Ctl::编辑框13, Ctl::编辑框16,
                    Ctl::编辑框18, Ctl::标签2, Ctl::组合框4, Ctl::组合框3}) {
    EXPECT_EQ(form().Text(empty), "") << static_cast<int>(empty);
  }
  EXPECT_EQ(form().Text(Ctl::按钮8), "打开预览");
  EXPECT_FALSE(form().Visible(Ctl::按钮17));
  EXPECT_FALSE(form().Visible(Ctl::按钮18));
  ASSERT_EQ(form().ColumnCount(), 1);
  EXPECT_EQ(form().ColumnTitle(0), "最开始的文件名");
  EXPECT_EQ(form().ColumnWidth(0), 380);
}

// The listing lets the window breathe after every file, but looks at the queue at most every
// few milliseconds: a message waiting is handled by the first call after that interval.
TEST_F(WindowTest, PumpingHandlesWhatWaitsOnceTheIntervalHasPassed) {
  auto waiting = [] {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_APP, WM_APP, PM_NOREMOVE) != 0;
  };
  form().PumpMessages();
  ASSERT_TRUE(PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0));
  Sleep(50);
  form().PumpMessages();
  EXPECT_FALSE(waiting());
  // A burst of calls stays cheap and still leaves nothing behind once time has passed.
  ASSERT_TRUE(PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0));
  for (int i = 0; i < 100000 && waiting(); ++i) form().PumpMessages();
  EXPECT_FALSE(waiting());
}
