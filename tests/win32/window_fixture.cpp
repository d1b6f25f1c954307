#include "window_fixture.h"

#include <objbase.h>

#include "app/main_window_layout.h"
#include "expected_boxes.h"

WindowTest::WindowTest() {
  CoInitialize(nullptr);
  window = MainWindow::Create(GetModuleHandleA(nullptr), files, false);
  Pump();
}

WindowTest::~WindowTest() {
  window.reset();
  Pump();
  CoUninitialize();
}

void WindowTest::Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void WindowTest::Click(Ctl name) {
  const ControlSpec* entry = FindSpec(name);
  if (entry && entry->page >= 0) window->ShowPage(entry->page);
  SendMessageA(Handle(name), BM_CLICK, 0, 0);
  Pump();
}

void WindowTest::SetText(Ctl name, const std::string& text) {
  SendMessageA(Handle(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void WindowTest::Type(Ctl combo, const std::string& text) {
  SetText(combo, text);
  SendMessageA(window->Handle(), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(Handle(combo)), CBN_EDITCHANGE),
               reinterpret_cast<LPARAM>(Handle(combo)));
  Pump();
}

void WindowTest::Choose(Ctl combo, int index) {
  SendMessageA(Handle(combo), CB_SETCURSEL, index, 0);
  SendMessageA(window->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle(combo)), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Handle(combo)));
  Pump();
}

std::vector<std::string> WindowTest::Column(int column) {
  std::vector<std::string> cells;
  for (int row = 0; row < form().RowCount(); ++row) cells.push_back(form().Cell(row, column));
  return cells;
}

void WindowTest::ExpectFolder(const std::vector<std::string>& names) {
  EXPECT_EQ(folder.Names(), names);
  EXPECT_EQ(folder.LostOrChanged(), "");
}

void WindowTest::ExpectPreviewOnly(const std::vector<std::string>& proposals,
                                   const std::vector<std::string>& names) {
  EXPECT_EQ(Column(1), proposals);
  EXPECT_EQ(boxes.shown, (std::vector<Message>{expected::kPreviewNotice}));
  ExpectFolder(names);
}
