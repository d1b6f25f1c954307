// The real main window created in the test process, driven with window messages as a user
// would drive it, over a temporary folder of real files. Message boxes are answered by
// `boxes` (OK unless a test scripts otherwise) and recorded there.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
// The common controls header needs windows.h first.
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window_win32.h"
#include "box_answerer.h"
#include "platform/win32/win32_file_system.h"
#include "temp_folder.h"

class WindowTest : public ::testing::Test {
 protected:
  WindowTest();
  ~WindowTest() override;

  HWND Handle(Ctl name) const { return window->Control(name); }
  Form& form() { return window->form(); }
  // Brings the control's tab page to the front, then clicks it (BM_CLICK).
  void Click(Ctl name);
  // Sets an edit box's or label's text (no notification, as a program would).
  void SetText(Ctl name, const std::string& text);
  // Types into an editable combo box: sets the text and announces the change.
  void Type(Ctl combo, const std::string& text);
  // Chooses a list entry of a combo box and announces it.
  void Choose(Ctl combo, int index);
  // Makes the temporary folder the target folder.
  void UseFolder() { SetText(Ctl::标签2, folder.path()); }
  // Switches the preview on over the folder's items; the list then shows them.
  void PreviewOn() {
    UseFolder();
    Click(Ctl::按钮8);
    ASSERT_EQ(form().Text(Ctl::按钮8), "不要预览");
  }
  // Column 0 or 1 of every row of the name list.
  std::vector<std::string> Column(int column);
  // Lets the window handle what is pending.
  void Pump();
  // The folder holds exactly `names` (in sorted order) and every item kept its content.
  void ExpectFolder(const std::vector<std::string>& names);
  // A preview run: the list proposes `proposals`, the notice was the only box, and the folder
  // still holds `names`, untouched.
  void ExpectPreviewOnly(const std::vector<std::string>& proposals,
                         const std::vector<std::string>& names);

  TempFolder folder;
  Win32FileSystem files;
  BoxAnswerer boxes;
  std::unique_ptr<MainWindow> window;
};
