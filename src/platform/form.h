// The window as the rename logic sees it: controls by their layout names, the name list,
// message boxes, the clipboard and the message pump. The Win32 adapter drives the real
// window; tests use an in-memory fake.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Every control of the main window, by its layout name. `MainWindow` stands for the window.
enum class Ctl {
  MainWindow,
  // Top-level controls.
  选择框5,
  选择框1,
  选择框2,
  透明标签3,
  组合框4,
  透明标签4,
  组合框2,
  按钮8,
  图形按钮1,
  按钮1,
  标签2,
  高级选择夹1,
  编辑框14,
  透明标签1,
  编辑框15,
  按钮14,
  超级列表框1,
  按钮17,
  按钮18,
  按钮13,
  按钮9,
  按钮16,
  // Tab page " 删 除 ".
  分组框6,
  标签5,
  组合框1,
  选择框6,
  选择框_1头,
  选择框_1尾,
  选择框_2头,
  选择框_2尾,
  标签3,
  编辑框2,
  标签4,
  编辑框3,
  按钮3,
  标签13,
  分组框1,
  选择框3,
  分组框15,
  单选框11,
  单选框12,
  标签14,
  编辑框8,
  按钮7,
  分组框2,
  选择框4,
  分组框3,
  单选框1,
  单选框2,
  标签15,
  编辑框9,
  按钮_去掉后面的,
  分组框5,
  单选框13,
  单选框14,
  编辑框1,
  按钮2,
  编辑框10,
  标签8,
  // Tab page " 替 换 ".
  分组框7,
  分组框13,
  单选框7,
  单选框8,
  分组框14,
  单选框9,
  单选框10,
  编辑框4,
  标签9,
  编辑框5,
  编辑框16,
  按钮4,
  透明标签5,
  透明标签6,
  透明标签7,
  分组框16,
  单选框15,
  单选框16,
  按钮5,
  分组框9,
  标签19,
  标签17,
  按钮11,
  分组框4,
  透明标签2,
  组合框3,
  按钮6,
  分组框10,
  按钮15,
  // Tab page " 添 加 ".
  分组框21,
  分组框12,
  单选框5,
  单选框6,
  分组框11,
  单选框3,
  单选框4,
  标签16,
  编辑框11,
  按钮10,
  编辑框12,
  分组框8,
  编辑框6,
  按钮_加前缀,
  按钮_加后缀,
  编辑框7,
  分组框20,
  编辑框18,
  按钮_加后缀2,
  分组框22,
  标签18,
  按钮12,
  编辑框13,
  按钮_加后缀1,
  按钮_加后缀3,
  组合框5,
  Count
};

enum class Icon { None, Information };
enum class Buttons { Ok, OkCancel };
enum class Answer { Ok, Cancel };

// A message box: text, title, icon and buttons.
struct Message {
  std::string text;
  std::string title;
  Icon icon = Icon::Information;
  Buttons buttons = Buttons::Ok;
  bool operator==(const Message&) const = default;
};

// The title a box carries when it has none of its own.
inline const std::string kDefaultTitle = "信息：";

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

class Form {
 public:
  virtual ~Form() = default;

  // Caption of a button, label or check box; edit text of an edit or combo box.
  virtual std::string Text(Ctl control) const = 0;
  virtual void SetText(Ctl control, const std::string& text) = 0;
  // Check boxes and radio buttons. Setting the state never runs a click handler.
  virtual bool Checked(Ctl control) const = 0;
  virtual void SetChecked(Ctl control, bool checked) = 0;
  // Combo boxes: the entries of the list and the chosen entry (-1 for none).
  virtual std::vector<std::string> Items(Ctl control) const = 0;
  virtual void SetItems(Ctl control, const std::vector<std::string>& items) = 0;
  virtual int Selection(Ctl control) const = 0;
  virtual void SetSelection(Ctl control, int index) = 0;
  // Puts the caret after the last character of an editable combo or edit box.
  virtual void SetCaretToEnd(Ctl control) = 0;
  // Text colour of an edit box as 0x00BBGGRR; -1 is the default colour.
  virtual void SetTextColour(Ctl control, int colour) = 0;
  virtual int TextColour(Ctl control) const = 0;
  // Place relative to the parent (the client area for the main window: its outer size).
  virtual Rect Place(Ctl control) const = 0;
  virtual void Move(Ctl control, const Rect& place) = 0;
  virtual bool Visible(Ctl control) const = 0;
  virtual void SetVisible(Ctl control, bool visible) = 0;
  virtual bool TopMost() const = 0;
  virtual void SetTopMost(bool on) = 0;

  // The name list (report list view `超级列表框1`).
  virtual int RowCount() const = 0;
  virtual void AddRow(const std::string& column0) = 0;
  virtual void ClearRows() = 0;
  // An empty text for a cell that does not exist.
  virtual std::string Cell(int row, int column) const = 0;
  // Writing to a row that does not exist is ignored.
  virtual void SetCell(int row, int column, const std::string& text) = 0;
  virtual int SelectedRow() const = 0;
  virtual int ColumnCount() const = 0;
  virtual std::string ColumnTitle(int column) const = 0;
  virtual int ColumnWidth(int column) const = 0;
  virtual void InsertColumn(int column, const std::string& title, int width) = 0;
  virtual void DeleteColumn(int column) = 0;
  virtual void SetColumnTitle(int column, const std::string& title) = 0;
  // Stops redrawing the name list while many rows change (off), and redraws it once when
  // every pause has ended (on). Pauses nest. Windows without a costly redraw ignore it.
  virtual void SetListRedraw(bool /*on*/) {}

  // A modal message box over the main window; returns the button pressed.
  virtual Answer Show(const Message& message) = 0;
  // The system's folder-browse dialog (folders only, with an edit field) with `title`; the
  // chosen folder's path, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> BrowseForFolder(const std::string& title) = 0;
  // Replaces the clipboard's contents with ANSI text.
  virtual void SetClipboardText(const std::string& text) = 0;
  // Lets the window handle every pending message (repaint, clicks during a long listing).
  virtual void PumpMessages() = 0;
};

// Keeps the name list from redrawing for as long as it lives: filling or changing thousands of
// rows one redraw each is slow (under Wine, tens of milliseconds a row).
class ListRedrawPause {
 public:
  explicit ListRedrawPause(Form& form) : form_(form) { form_.SetListRedraw(false); }
  ~ListRedrawPause() { form_.SetListRedraw(true); }
  ListRedrawPause(const ListRedrawPause&) = delete;
  ListRedrawPause& operator=(const ListRedrawPause&) = delete;

 private:
  Form& form_;
};
