// The system's state as the controls of the main window hold it.
#pragma once

#include <string>

#include "platform/form.h"

// The path label beside "手动读取"; empty or ending with "\".
inline std::string TargetFolder(const Form& form) {
  return form.Text(Ctl::标签2);
}
inline void SetTargetFolder(Form& form, const std::string& folder) {
  form.SetText(Ctl::标签2, folder);
}

inline const std::string kPreviewOffCaption = "打开预览";
inline const std::string kPreviewOnCaption = "不要预览";
// On while the preview toggle offers to switch it off.
inline bool PreviewMode(const Form& form) {
  return form.Text(Ctl::按钮8) == kPreviewOnCaption;
}

inline bool FilesChecked(const Form& form) {
  return form.Checked(Ctl::选择框1);
}
inline bool FoldersChecked(const Form& form) {
  return form.Checked(Ctl::选择框2);
}
