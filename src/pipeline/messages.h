// Message texts shared by several operations.
#pragma once

#include <string>

#include "platform/form.h"

namespace messages {

inline const std::string kHint = "提示";
inline const std::string kNoFolder = "路径呢？";
inline const std::string kNothingChosen = "什么都没有选择";
inline const std::string kDesktop =
    "为了督促大家养成良好的习惯，\r\n特做此设置！！！\r\n请不要把一些重要文件放在桌面，\r\n"
    "因为一旦日后你重装系统或者系统崩溃了，\r\n桌面的东西有可能丢失，\r\n请移动到其他盘符进行操作"
    "！";
inline const std::string kPreviewNotice =
    "提示：你开启了预览功能，所以没有直接更名，\r\n请看预览区结果，确认无误后点\"确认无误，执行吧\""
    "！";

inline Message Info(std::string text, std::string title = kDefaultTitle) {
  return {std::move(text), std::move(title), Icon::Information, Buttons::Ok};
}
inline Message Plain(std::string text, std::string title = kDefaultTitle) {
  return {std::move(text), std::move(title), Icon::None, Buttons::Ok};
}
inline Message Question(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::None, Buttons::OkCancel};
}

inline Message ConfirmRename() {
  return Question("确定更名吗？", kHint);
}
inline Message PreviewNotice() {
  return Info(kPreviewNotice, kHint);
}
inline Message DesktopRefusal() {
  return Info(kDesktop, kHint);
}
inline Message NothingChosen() {
  return Info(kNothingChosen, kHint);
}
// "没有任何改动" for 0, else "一共有N个文件被改名成功"; information or plain box.
inline Message RenamedCount(int count, Icon icon, const std::string& suffix = "个文件被改名成功") {
  if (count == 0) return {"没有任何改动", "没有改动", icon, Buttons::Ok};
  return {"一共有" + std::to_string(count) + suffix, "修改成果提示", icon, Buttons::Ok};
}

}  // namespace messages
