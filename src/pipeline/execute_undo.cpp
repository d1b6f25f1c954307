#include "pipeline/execute_undo.h"

#include <algorithm>
#include <set>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "pipeline/messages.h"
#include "pipeline/safe_rename.h"
#include "pipeline/text.h"
#include "pipeline/window_state.h"
#include "platform/form.h"

namespace {

const std::string kReminder = "提醒：";

Message Reminder(const std::string& text) {
  return messages::Info(text, kReminder);
}

// False with a box when there is no folder to rename in; a folder of "\" is emptied.
bool HasFolder(Form& form) {
  const std::string folder = TargetFolder(form);
  if (!folder.empty() && folder != "\\") return true;
  form.Show(Reminder("路径都是空的，改什么？请选择路径"));
  if (!folder.empty()) SetTargetFolder(form, "");
  return false;
}

// The three refusals of an execution whose rows and proposals do not pair up.
bool ProposalsComplete(Form& form) {
  int names = 0, proposals = 0;
  for (int row = 0; row < form.RowCount(); ++row) {
    if (!form.Cell(row, 0).empty()) ++names;
    if (!form.Cell(row, 1).empty()) ++proposals;
  }
  if (proposals == 0) {
    form.Show(Reminder("开了预览界面以后，必须先预览，\r\n请重新点左边的按钮进行预览！"));
    return false;
  }
  if (names == 0) {
    form.Show(Reminder("没有发生任何变化。\r\n请仔细排查问题，重新操作!"));
    return false;
  }
  if (names != proposals) {
    form.Show(
        Reminder("上一步的文件名和预览文件名的个数不相等，不予执行,\r\n请仔细排查问题，重新操作!"));
    return false;
  }
  return true;
}

// A name as Windows compares it: ASCII letters folded, two-byte characters kept.
std::string FoldedName(std::string_view name) {
  std::string folded(name);
  for (size_t i = 0; i < folded.size(); i += CharLength(folded, i)) {
    if (folded[i] >= 'A' && folded[i] <= 'Z') folded[i] = static_cast<char>(folded[i] - 'A' + 'a');
  }
  return folded;
}

// Folder paths compared as Windows does.
bool SameFolder(std::string_view a, std::string_view b) {
  return FoldedName(a) == FoldedName(b);
}

// The rows by the name they show, kept in step as undo rewrites them: looking up the row of
// each undone rename must not scan the whole list, or a large undo takes quadratic time.
class RowsByName {
 public:
  explicit RowsByName(const Form& form) {
    for (int row = 0; row < form.RowCount(); ++row) rows_[form.Cell(row, 0)].insert(row);
  }
  // The first row showing `name`, or -1.
  int First(const std::string& name) const {
    auto it = rows_.find(name);
    return it == rows_.end() || it->second.empty() ? -1 : *it->second.begin();
  }
  void Changed(int row, const std::string& from, const std::string& to) {
    rows_[from].erase(row);
    rows_[to].insert(row);
  }

 private:
  std::unordered_map<std::string, std::set<int>> rows_;
};

}  // namespace

void ExecuteClicked(AppState& app) {
  Form& form = app.form;
  if (!ProposalsComplete(form) || !HasFolder(form)) return;
  const std::string folder = TargetFolder(form);
  app.undo.clear();

  // Rows whose rename failed, by the (folded) name they wait for: when a rename frees that
  // name, they are tried again, the earliest row first.
  std::unordered_map<std::string, std::vector<int>> waiting;
  ListRedrawPause pause(form);
  for (int first = 0; first < form.RowCount(); ++first) {
    if (form.Cell(first, 0).empty() || form.Cell(first, 1).empty()) continue;
    std::vector<int> work = {first};
    while (!work.empty()) {
      const int row = work.back();
      work.pop_back();
      const std::string oldName = form.Cell(row, 0), newName = form.Cell(row, 1);
      const bool unchanged = oldName == newName;
      if (!unchanged && !RenameInFolder(app.files, folder, oldName, newName)) {
        waiting[FoldedName(newName)].push_back(row);
        continue;
      }
      form.SetCell(row, 0, newName);
      form.SetCell(row, 1, "");
      if (unchanged) continue;
      app.undo.push_back({folder, oldName, newName});
      if (auto freed = waiting.find(FoldedName(oldName)); freed != waiting.end()) {
        work.insert(work.end(), freed->second.rbegin(), freed->second.rend());
        waiting.erase(freed);
      }
    }
  }
}

void UndoClicked(AppState& app) {
  Form& form = app.form;
  if (!HasFolder(form)) return;
  if (app.undo.empty()) {
    form.Show(Reminder("你都没改过，撤什么？"));
    return;
  }
  const std::string folder = TargetFolder(form);
  for (const UndoEntry& entry : app.undo) {
    if (!SameFolder(entry.folder, folder)) {
      form.Show(Reminder("现在的路径不是上一步执行时的路径，不予撤回。\r\n上一步执行时的路径：" +
                         entry.folder));
      return;
    }
  }
  RowsByName rows(form);
  ListRedrawPause pause(form);
  std::vector<UndoEntry> notUndone;  // last rename first
  for (auto entry = app.undo.rbegin(); entry != app.undo.rend(); ++entry) {
    if (!RenameInFolder(app.files, entry->folder, entry->newName, entry->oldName)) {
      notUndone.push_back(*entry);
      continue;
    }
    if (const int row = rows.First(entry->newName); row >= 0) {
      form.SetCell(row, 0, entry->oldName);
      rows.Changed(row, entry->newName, form.Cell(row, 0));
    }
  }
  std::reverse(notUndone.begin(), notUndone.end());
  app.undo = std::move(notUndone);
}
