#include "pipeline/name_file.h"

#include "listing/names.h"
#include "pipeline/messages.h"
#include "platform/file_system.h"
#include "platform/form.h"

namespace {
const std::string kReminder = "提醒：";
}

std::string NameFilePath(const std::string& programFolder) {
  return WithTrailingSlash(programFolder) + "原文件名保存.txt";
}

std::string NameFileText(const std::vector<std::string>& names) {
  std::string text;
  for (const auto& name : names) {
    if (!name.empty()) text += name + "\r\n";
  }
  return text;
}

void SaveNamesClicked(AppState& app) {
  Form& form = app.form;
  if (form.RowCount() == 0) {
    form.Show(messages::Info("没有什么可以保存的", kReminder));
    return;
  }
  std::vector<std::string> names;
  for (int row = 0; row < form.RowCount(); ++row) names.push_back(form.Cell(row, 0));
  const bool saved =
      app.files.WriteFile(NameFilePath(app.files.ProgramFolder()), NameFileText(names));
  form.Show(
      saved ? messages::Info("已将原文件名存入txt文档内，\r\n并已将txt文档保存到本软件的同级文件夹",
                             kReminder)
            : messages::Info("保存失败", kReminder));
}
