#include "box_answerer.h"

namespace {

BoxAnswerer* current = nullptr;

constexpr int kTextId = 0xFFFF;
constexpr int kIconIds[] = {0x0440, 0x0014};  // the icon control under Wine and Windows

std::string TextOf(HWND window) {
  char text[4096] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

bool HasIcon(HWND box) {
  for (int id : kIconIds) {
    HWND icon = GetDlgItem(box, id);
    if (icon && SendMessageA(icon, STM_GETICON, 0, 0)) return true;
  }
  return false;
}

}  // namespace

BoxAnswerer::BoxAnswerer() {
  current = this;
  hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

BoxAnswerer::~BoxAnswerer() {
  UnhookWindowsHookEx(hook_);
  current = nullptr;
}

std::vector<std::string> BoxAnswerer::Texts() const {
  std::vector<std::string> texts;
  for (const auto& box : shown) texts.push_back(box.text);
  return texts;
}

LRESULT CALLBACK BoxAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && current) {
    HWND window = reinterpret_cast<HWND>(wParam);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && GetDlgItem(window, kTextId)) current->Seen(window);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void BoxAnswerer::Seen(HWND box) {
  Message message;
  message.text = TextOf(GetDlgItem(box, kTextId));
  message.title = TextOf(box);
  message.icon = HasIcon(box) ? Icon::Information : Icon::None;
  HWND cancel = GetDlgItem(box, IDCANCEL);
  const bool cancelShown = cancel && (GetWindowLongA(cancel, GWL_STYLE) & WS_VISIBLE);
  message.buttons = cancelShown && GetDlgItem(box, IDOK) ? Buttons::OkCancel : Buttons::Ok;
  shown.push_back(message);
  Answer answer = Answer::Ok;
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  PostMessageA(box, WM_COMMAND, answer == Answer::Ok ? IDOK : IDCANCEL, 0);
}
