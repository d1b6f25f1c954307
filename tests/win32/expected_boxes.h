// The message boxes the window tests expect, written out independently of the program's
// own texts so that a changed text shows up as a failure.
#pragma once

#include <string>

#include "platform/form.h"

namespace expected {

inline Message Info(const std::string& text, const std::string& title = "信息：") {
  return {text, title, Icon::Information, Buttons::Ok};
}
inline Message Plain(const std::string& text, const std::string& title = "信息：") {
  return {text, title, Icon::None, Buttons::Ok};
}
inline Message Question(const std::string& text, const std::string& title) {
  return {text, title, Icon::None, Buttons::OkCancel};
}
inline const Message kConfirm = Question("确定更名吗？", "提示");
inline const Message kPreviewNotice = Info(
    "提示：你开启了预览功能，所以没有直接更名，\r\n请看预览区结果，确认无误后点\"确认无误，执行吧\""
    "！",
    "提示");

}  // namespace expected
