// Answers the message boxes of the test thread: a WH_CBT hook sees each box as it is
// activated, records its text, title, icon and buttons, and presses a scripted button.
#pragma once

#include <windows.h>

#include <deque>
#include <vector>

#include "platform/form.h"

class BoxAnswerer {
 public:
  BoxAnswerer();
  ~BoxAnswerer();
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

  // Buttons to press, in order; OK once the script is used up.
  std::deque<Answer> answers;
  std::vector<Message> shown;
  std::vector<std::string> Texts() const;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  void Seen(HWND box);
  HHOOK hook_;
};
