#include "app/main_window_win32.h"

#include <commctrl.h>

#include <map>
#include <utility>

#include "app/commands.h"
#include "app/default_state.h"
#include "app/main_window_layout.h"
#include "app/skin_library_win32.h"
#include "app/thanks_window_win32.h"
#include "app/window_class_win32.h"
#include "listing/target_folder.h"
#include "platform/win32/chinese_mapping.h"

namespace {

constexpr char kClassName[] = "VorlanRenameMainWindow";
constexpr int kFirstControlId = 1000;
constexpr int kDefaultFontHeight = 12;
constexpr int kComboListHeight = 240;  // room for the drop-down list below the edit field

int IdOf(Ctl name) {
  return kFirstControlId + static_cast<int>(name);
}

bool IsControlId(int id) {
  return id >= kFirstControlId && id < kFirstControlId + static_cast<int>(Ctl::Count);
}

// Fonts by height, weight and face, shared by every control and kept for the process.
HFONT FontFor(int height, bool bold, const char* face) {
  static std::map<std::tuple<int, bool, std::string>, HFONT> fonts;
  auto key = std::make_tuple(height, bold, std::string(face));
  auto& font = fonts[key];
  if (!font) {
    font = CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
  }
  return font;
}

// The client position from which the place of a control is counted: its parent's origin.
POINT OriginOf(Ctl name) {
  POINT origin{0, 0};
  const ControlSpec* entry = FindSpec(name);
  while (entry && entry->parent != Ctl::MainWindow) {
    const ControlSpec* parent = FindSpec(entry->parent);
    origin.x += parent->place.x;
    origin.y += parent->place.y;
    entry = parent;
  }
  return origin;
}

struct WindowClass {
  const char* className;
  DWORD style;
};

WindowClass ClassFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::CheckBox:
      return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
    case ControlKind::Radio:
      return {"BUTTON", BS_RADIOBUTTON | WS_TABSTOP};
    case ControlKind::Button:
      return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
    case ControlKind::PictureButton:
      return {"BUTTON", BS_OWNERDRAW | WS_TABSTOP};
    case ControlKind::Label:
      return {"STATIC", SS_LEFT | SS_NOPREFIX};
    case ControlKind::TransparentLabel:
      return {"STATIC", SS_LEFT | SS_NOPREFIX};
    case ControlKind::Edit:
      return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER};
    case ControlKind::ComboEdit:
      return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP};
    case ControlKind::ComboList:
      return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case ControlKind::GroupBox:
      return {"BUTTON", BS_GROUPBOX};
    case ControlKind::Tab:
      return {WC_TABCONTROLA, TCS_TABS};
    case ControlKind::ListView:
      return {WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER};
  }
  return {"STATIC", 0};
}

// Splits "a|b|c" into the items of a drop-down list.
std::vector<std::string> ItemsOf(const char* text) {
  std::vector<std::string> items;
  std::string item;
  for (const char* c = text;; ++c) {
    if (*c == '|' || *c == '\0') {
      items.push_back(item);
      item.clear();
      if (*c == '\0') break;
    } else {
      item += *c;
    }
  }
  return items;
}

void DrawPictureButton(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  // A warm two-tone badge with a heart: the program's own picture for the thanks button.
  HBRUSH outer = CreateSolidBrush(pressed ? RGB(214, 92, 92) : RGB(236, 112, 99));
  FillRect(dc, &r, outer);
  DeleteObject(outer);
  RECT inner{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3};
  HBRUSH fill = CreateSolidBrush(RGB(255, 244, 230));
  FillRect(dc, &inner, fill);
  DeleteObject(fill);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(200, 60, 60));
  HGDIOBJ old = SelectObject(dc, FontFor(18, true, "微软雅黑"));
  DrawTextA(dc, "感谢有你", -1, &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &inner);
}

}  // namespace

MainWindow::MainWindow(FileSystem& files, bool quitOnClose)
    : files_(files), quitOnClose_(quitOnClose) {}

std::unique_ptr<MainWindow> MainWindow::Create(HINSTANCE instance, FileSystem& files,
                                               bool quitOnClose) {
  static bool registered = false;
  if (!registered) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterWindowClass(kClassName, Procedure, instance);
    registered = true;
  }
  std::unique_ptr<MainWindow> self(new MainWindow(files, quitOnClose));
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2;
  CreateWindowExA(WS_EX_TOPMOST | WS_EX_APPWINDOW, kClassName, kMainWindowTitle,
                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y, kMainWindowWidth,
                  kMainWindowHeight, nullptr, nullptr, instance, self.get());
  if (!self->window_) return nullptr;
  self->OnCreated();
  ShowWindow(self->window_, SW_SHOW);
  UpdateWindow(self->window_);
  return self;
}

MainWindow::~MainWindow() {
  if (window_) DestroyWindow(window_);
}

void MainWindow::CreateControls() {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window_, GWLP_HINSTANCE));
  for (const ControlSpec& entry : MainWindowLayout()) {
    const WindowClass windowClass = ClassFor(entry.kind);
    const POINT origin = OriginOf(entry.name);
    const bool combo = entry.kind == ControlKind::ComboEdit || entry.kind == ControlKind::ComboList;
    const DWORD exStyle = entry.kind == ControlKind::ListView ? WS_EX_CLIENTEDGE : 0;
    const char* text = combo || entry.kind == ControlKind::Tab ? "" : entry.text;
    HWND control = CreateWindowExA(
        exStyle, windowClass.className, text, WS_CHILD | WS_CLIPSIBLINGS | windowClass.style,
        origin.x + entry.place.x, origin.y + entry.place.y, entry.place.width,
        entry.place.height + (combo ? kComboListHeight : 0), window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(entry.name))), instance, nullptr);
    controls_[static_cast<size_t>(entry.name)] = control;
    const char* face = entry.kind == ControlKind::Tab ? "SimSun" : "微软雅黑";
    const int height = entry.fontHeight ? entry.fontHeight : kDefaultFontHeight;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(height, entry.bold, face)),
                 FALSE);
    // Later controls lie above earlier ones: children above their group box and tab page.
    SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (combo) {
      // The given height is that of the closed box: size its selection field to match.
      RECT closed;
      GetWindowRect(control, &closed);
      const int field = static_cast<int>(SendMessageA(control, CB_GETITEMHEIGHT, -1, 0));
      const int frame = (closed.bottom - closed.top) - field;
      SendMessageA(control, CB_SETITEMHEIGHT, -1, entry.place.height - frame);
      GetWindowRect(control, &closed);  // the frame may grow with the field: settle it
      const int excess = (closed.bottom - closed.top) - entry.place.height;
      if (excess) SendMessageA(control, CB_SETITEMHEIGHT, -1, entry.place.height - frame - excess);
    }
    if (entry.kind == ControlKind::ComboList) {
      for (const auto& item : ItemsOf(entry.text)) {
        SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      }
    }
    if (entry.kind == ControlKind::Tab) {
      for (int page = 0; page < 3; ++page) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kTabPages[page]);
        SendMessageA(control, TCM_INSERTITEMA, page, reinterpret_cast<LPARAM>(&item));
      }
    }
    if (!entry.hidden) ShowWindow(control, SW_SHOWNA);
  }
  HWND list = Control(Ctl::超级列表框1);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  ShowPage(0);
}

void MainWindow::OnCreated() {
  form_ = std::make_unique<Win32Form>(window_, controls_, OriginOf);
  state_ = std::make_unique<AppState>(AppState{*form_, files_, {}});
  state_->chineseMapping = SystemChineseMapping;
  form_->InsertColumn(0, "最开始的文件名", 380);
  // What the layout itself sets: the first-occurrence boxes and the first punctuation style.
  form_->SetChecked(Ctl::选择框_1头, true);
  form_->SetChecked(Ctl::选择框_2头, true);
  form_->SetSelection(Ctl::组合框1, 0);
  // Creation steps: drop registration, skin, then the default states.
  dropTarget_.Register(window_,
                       [this](const std::string& path) { AcceptDroppedPath(*state_, path); });
  AttachSkin();
  ApplyDefaultState(*form_);
}

void MainWindow::OnDestroy() {
  dropTarget_.Unregister();
  DetachSkin();
}

int MainWindow::Page() const {
  return static_cast<int>(SendMessageA(Control(Ctl::高级选择夹1), TCM_GETCURSEL, 0, 0));
}

void MainWindow::ShowPage(int page) {
  SendMessageA(Control(Ctl::高级选择夹1), TCM_SETCURSEL, page, 0);
  for (const ControlSpec& entry : MainWindowLayout()) {
    if (entry.page >= 0) ShowWindow(Control(entry.name), entry.page == page ? SW_SHOWNA : SW_HIDE);
  }
  // Group boxes do not paint their inside: repaint the page so no hidden control shows through.
  RECT pageArea;
  GetWindowRect(Control(Ctl::高级选择夹1), &pageArea);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&pageArea), 2);
  RedrawWindow(window_, &pageArea, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = self->Handle(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
  }
  return result;
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      return 0;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (!IsControlId(id) || !state_) break;
      const auto name = static_cast<Ctl>(id - kFirstControlId);
      switch (HIWORD(wParam)) {
        case BN_CLICKED:
          if (name == Ctl::图形按钮1) OpenThanksWindow(window_);
          Dispatch(*state_, name, Event::Clicked);
          break;
        case CBN_SELCHANGE:
          Dispatch(*state_, name, Event::Chosen);
          break;
        case CBN_EDITCHANGE:
          Dispatch(*state_, name, Event::TextChanged);
          break;
        case CBN_DROPDOWN:
          Dispatch(*state_, name, Event::DropDown);
          break;
        case EN_SETFOCUS:
          Dispatch(*state_, name, Event::FocusGained);
          break;
      }
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (!state_) break;
      // TRUE: emptying the list need not announce every row it deletes.
      if (header->hwndFrom == Control(Ctl::超级列表框1) && header->code == LVN_DELETEALLITEMS) {
        return TRUE;
      }
      if (header->hwndFrom == Control(Ctl::超级列表框1) && header->code == NM_CLICK) {
        Dispatch(*state_, Ctl::超级列表框1, Event::Clicked);
      } else if (header->hwndFrom == Control(Ctl::高级选择夹1) && header->code == TCN_SELCHANGE) {
        ShowPage(Page());
      }
      return 0;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      if (IsControlId(id)) {
        const ControlSpec* entry = FindSpec(static_cast<Ctl>(id - kFirstControlId));
        if (entry && entry->kind == ControlKind::TransparentLabel) {
          SetBkMode(dc, TRANSPARENT);
          return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
      }
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CTLCOLOREDIT: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      if (IsControlId(id) && form_) {
        const int colour = form_->TextColour(static_cast<Ctl>(id - kFirstControlId));
        if (colour >= 0) SetTextColor(dc, static_cast<COLORREF>(colour));
      }
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID == static_cast<UINT>(IdOf(Ctl::图形按钮1))) {
        DrawPictureButton(*item);
        return TRUE;
      }
      break;
    }
    case WM_NCHITTEST: {
      // Any free point of the client area moves the window like its title bar.
      LRESULT hit = DefWindowProcA(window_, message, wParam, lParam);
      return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_DESTROY:
      OnDestroy();
      if (quitOnClose_) PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}
