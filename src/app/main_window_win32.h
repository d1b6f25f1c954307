// The main window: controls created from the layout table, events dispatched to the
// handlers of the command table, and the state they share.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "app/drop_target_win32.h"
#include "pipeline/app_state.h"
#include "platform/form.h"
#include "platform/win32/win32_form.h"

class MainWindow {
 public:
  // Creates and shows the window with every control in its default state. With
  // `quitOnClose` closing the window ends the thread's message loop.
  static std::unique_ptr<MainWindow> Create(HINSTANCE instance, FileSystem& files,
                                            bool quitOnClose);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND Handle() const { return window_; }
  HWND Control(Ctl name) const { return controls_[static_cast<size_t>(name)]; }
  Win32Form& form() { return *form_; }
  AppState& state() { return *state_; }
  // The tab page on show, and switching pages as a click on its tab does.
  int Page() const;
  void ShowPage(int page);

 private:
  MainWindow(FileSystem& files, bool quitOnClose);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void OnCreated();
  void OnDestroy();

  FileSystem& files_;
  bool quitOnClose_;
  HWND window_ = nullptr;
  std::array<HWND, static_cast<size_t>(Ctl::Count)> controls_{};
  std::unique_ptr<Win32Form> form_;
  std::unique_ptr<AppState> state_;
  DropTarget dropTarget_;
};
