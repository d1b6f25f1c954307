#include "fake_form.h"

FakeForm::FakeForm() {
  columns.push_back({"最开始的文件名", 380});
  SetText(Ctl::按钮8, "打开预览");
  SetChecked(Ctl::选择框1, true);
}

void FakeForm::SetItems(Ctl c, const std::vector<std::string>& items) {
  At(c).items = items;
  At(c).selection = -1;
}

void FakeForm::SetSelection(Ctl c, int index) {
  Control& control = At(c);
  control.selection = index;
  if (index >= 0 && index < static_cast<int>(control.items.size())) {
    control.text = control.items[index];
  }
}

void FakeForm::AddRow(const std::string& column0) {
  rows.push_back({column0});
}

std::string FakeForm::Cell(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0) return {};
  const auto& cells = rows[row];
  return column < static_cast<int>(cells.size()) ? cells[column] : std::string();
}

void FakeForm::SetCell(int row, int column, const std::string& text) {
  if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return;
  auto& cells = rows[row];
  if (static_cast<int>(cells.size()) <= column) cells.resize(column + 1);
  cells[column] = text;
}

std::string FakeForm::ColumnTitle(int column) const {
  return column >= 0 && column < ColumnCount() ? columns[column].title : std::string();
}

int FakeForm::ColumnWidth(int column) const {
  return column >= 0 && column < ColumnCount() ? columns[column].width : 0;
}

void FakeForm::InsertColumn(int column, const std::string& title, int width) {
  if (column < 0 || column > ColumnCount()) column = ColumnCount();
  columns.insert(columns.begin() + column, {title, width});
  for (auto& cells : rows) {
    if (static_cast<int>(cells.size()) > column) cells.insert(cells.begin() + column, "");
  }
}

void FakeForm::DeleteColumn(int column) {
  if (column < 0 || column >= ColumnCount()) return;
  columns.erase(columns.begin() + column);
  for (auto& cells : rows) {
    if (static_cast<int>(cells.size()) > column) cells.erase(cells.begin() + column);
  }
}

void FakeForm::SetColumnTitle(int column, const std::string& title) {
  if (column >= 0 && column < ColumnCount()) columns[column].title = title;
}

Answer FakeForm::Show(const Message& message) {
  shown.push_back(message);
  if (onShow) onShow(message);
  if (answers.empty()) return Answer::Ok;
  Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakeForm::PumpMessages() {
  ++pumps;
  if (onPump) onPump();
}

std::vector<std::string> FakeForm::Column(int column) const {
  std::vector<std::string> cells;
  for (int row = 0; row < RowCount(); ++row) cells.push_back(Cell(row, column));
  return cells;
}

void FakeForm::SetRows(const std::vector<std::string>& names) {
  rows.clear();
  for (const auto& name : names) AddRow(name);
}
