// The main window's controls as one declarative table: name, kind, text, place, size, font
// and parent. The window creates its controls from it; tests compare the real window with it.
#pragma once

#include <span>

#include "platform/form.h"

enum class ControlKind {
  CheckBox,
  Radio,
  Button,
  PictureButton,
  Label,
  TransparentLabel,
  Edit,
  ComboEdit,  // editable combo box
  ComboList,  // drop-down list: only its items
  GroupBox,
  Tab,
  ListView,
};

struct ControlSpec {
  Ctl name;
  ControlKind kind;
  const char* text;  // caption, or the items of a drop-down list separated by "|"
  Rect place;        // relative to the parent (client area, tab control or group box)
  int fontHeight;    // pixels; 0 for the window's default font
  bool bold;
  Ctl parent;   // Ctl::MainWindow, Ctl::高级选择夹1 or a group box
  int page;     // tab page for controls of a page; -1 elsewhere
  bool hidden;  // hidden at start
};

inline constexpr int kMainWindowWidth = 769;
inline constexpr int kMainWindowHeight = 663;
inline constexpr const char* kMainWindowTitle = "Vorlan重命名*13.0";
inline constexpr const char* kTabPages[] = {" 删 除 ", " 替 换 ", " 添 加 "};

// Parents come before their children.
std::span<const ControlSpec> MainWindowLayout();
const ControlSpec* FindSpec(Ctl name);
