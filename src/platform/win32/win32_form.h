// The window port over a real main window: its controls by name, the list view, message
// boxes, the clipboard and the message pump.
#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "platform/form.h"

class Win32Form : public Form {
 public:
  // `parentOrigin` gives the client position from which a control's place is counted.
  Win32Form(HWND main, std::array<HWND, static_cast<size_t>(Ctl::Count)> controls,
            std::function<POINT(Ctl)> parentOrigin);

  HWND Handle(Ctl control) const;
  // The colour set for an edit box, -1 for the default (for WM_CTLCOLOREDIT).
  int TextColour(Ctl control) const override;

  std::string Text(Ctl control) const override;
  void SetText(Ctl control, const std::string& text) override;
  bool Checked(Ctl control) const override;
  void SetChecked(Ctl control, bool checked) override;
  std::vector<std::string> Items(Ctl control) const override;
  void SetItems(Ctl control, const std::vector<std::string>& items) override;
  int Selection(Ctl control) const override;
  void SetSelection(Ctl control, int index) override;
  void SetCaretToEnd(Ctl control) override;
  void SetTextColour(Ctl control, int colour) override;
  Rect Place(Ctl control) const override;
  void Move(Ctl control, const Rect& place) override;
  bool Visible(Ctl control) const override;
  void SetVisible(Ctl control, bool visible) override;
  bool TopMost() const override;
  void SetTopMost(bool on) override;

  int RowCount() const override;
  void AddRow(const std::string& column0) override;
  void ClearRows() override;
  std::string Cell(int row, int column) const override;
  void SetCell(int row, int column, const std::string& text) override;
  int SelectedRow() const override;
  int ColumnCount() const override;
  std::string ColumnTitle(int column) const override;
  int ColumnWidth(int column) const override;
  void InsertColumn(int column, const std::string& title, int width) override;
  void DeleteColumn(int column) override;
  void SetColumnTitle(int column, const std::string& title) override;
  void SetListRedraw(bool on) override;

  Answer Show(const Message& message) override;
  std::optional<std::string> BrowseForFolder(const std::string& title) override;
  void SetClipboardText(const std::string& text) override;
  void PumpMessages() override;

 private:
  HWND main_;
  std::array<HWND, static_cast<size_t>(Ctl::Count)> controls_;
  std::array<int, static_cast<size_t>(Ctl::Count)> colours_;
  std::function<POINT(Ctl)> parentOrigin_;
  int listRedrawPauses_ = 0;
  static constexpr DWORD kPumpInterval = 15;  // milliseconds
  DWORD lastPump_;  // GetTickCount of the last look at the queue; the first call looks at once
  HWND List() const { return Handle(Ctl::超级列表框1); }
  bool IsCombo(Ctl control) const;
};
