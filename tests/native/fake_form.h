// An in-memory window: control states, the name list, a record of message boxes answered
// from a script, the clipboard and a count of message pumps.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/form.h"

class FakeForm : public Form {
 public:
  struct Control {
    std::string text;
    bool checked = false;
    std::vector<std::string> items;
    int selection = -1;
    int colour = -1;
    Rect place;
    bool visible = true;
  };

  FakeForm();

  std::string Text(Ctl c) const override { return At(c).text; }
  void SetText(Ctl c, const std::string& text) override { At(c).text = text; }
  bool Checked(Ctl c) const override { return At(c).checked; }
  void SetChecked(Ctl c, bool checked) override { At(c).checked = checked; }
  std::vector<std::string> Items(Ctl c) const override { return At(c).items; }
  void SetItems(Ctl c, const std::vector<std::string>& items) override;
  int Selection(Ctl c) const override { return At(c).selection; }
  void SetSelection(Ctl c, int index) override;
  void SetCaretToEnd(Ctl) override {}
  void SetTextColour(Ctl c, int colour) override { At(c).colour = colour; }
  int TextColour(Ctl c) const override { return At(c).colour; }
  Rect Place(Ctl c) const override { return At(c).place; }
  void Move(Ctl c, const Rect& place) override { At(c).place = place; }
  bool Visible(Ctl c) const override { return At(c).visible; }
  void SetVisible(Ctl c, bool visible) override { At(c).visible = visible; }
  bool TopMost() const override { return topMost; }
  void SetTopMost(bool on) override { topMost = on; }

  int RowCount() const override { return static_cast<int>(rows.size()); }
  void AddRow(const std::string& column0) override;
  void ClearRows() override { rows.clear(); }
  std::string Cell(int row, int column) const override;
  void SetCell(int row, int column, const std::string& text) override;
  int SelectedRow() const override { return selectedRow; }
  int ColumnCount() const override { return static_cast<int>(columns.size()); }
  std::string ColumnTitle(int column) const override;
  int ColumnWidth(int column) const override;
  void InsertColumn(int column, const std::string& title, int width) override;
  void DeleteColumn(int column) override;
  void SetColumnTitle(int column, const std::string& title) override;

  // Records the box and answers with the next scripted answer (OK when none is left).
  Answer Show(const Message& message) override;
  std::optional<std::string> BrowseForFolder(const std::string& title) override {
    browseTitles.push_back(title);
    return browseResult;
  }
  void SetClipboardText(const std::string& text) override { clipboard = text; }
  void PumpMessages() override;

  // Column 0 of every row.
  std::vector<std::string> Column(int column) const;
  // Fills the name list's column 0.
  void SetRows(const std::vector<std::string>& names);

  std::vector<Message> shown;
  std::deque<Answer> answers;
  // Called with each box before it is answered (a test can act "while it is open").
  std::function<void(const Message&)> onShow;
  std::string clipboard;
  std::optional<std::string> browseResult;  // what the folder dialog returns
  std::vector<std::string> browseTitles;
  int pumps = 0;
  std::function<void()> onPump;
  bool topMost = true;
  int selectedRow = -1;
  std::vector<std::vector<std::string>> rows;
  struct ListColumn {
    std::string title;
    int width;
  };
  std::vector<ListColumn> columns;

 private:
  Control& At(Ctl c) { return controls_[static_cast<size_t>(c)]; }
  const Control& At(Ctl c) const { return controls_[static_cast<size_t>(c)]; }
  std::array<Control, static_cast<size_t>(Ctl::Count)> controls_;
};
