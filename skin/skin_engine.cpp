// Our skin engine: a small library that colours the windows of the thread that attaches it.
// It is loaded from memory by the program's own loader, so it has no C runtime start-up, no
// thread-local data, and imports only from kernel32, user32 and gdi32.
//
// Skin file: the bytes ".SHE", 0, a version byte (1), a count byte, then that many records
// of four bytes: a role (see Role) and its red, green and blue values. Unknown roles are
// skipped; roles the file leaves out keep the built-in colours.
//
// Attaching subclasses every window of the thread, and, through a CBT hook, every window it
// creates later: containers get the skin's background, static controls, check boxes, edits
// and lists its colours through the WM_CTLCOLOR* messages, list views their colours, and
// push buttons are painted flat in the skin's colours. Detaching undoes all of it.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

extern "C" {
// The compiler may call these for copies and zeroing; there is no C runtime to supply them.
void* memset(void* target, int value, size_t size) {
  unsigned char* p = static_cast<unsigned char*>(target);
  while (size--) *p++ = static_cast<unsigned char>(value);
  return target;
}
void* memcpy(void* target, const void* source, size_t size) {
  unsigned char* p = static_cast<unsigned char*>(target);
  const unsigned char* q = static_cast<const unsigned char*>(source);
  while (size--) *p++ = *q++;
  return target;
}
}

namespace {

enum Role {
  kBackground,
  kText,
  kEditBackground,
  kEditText,
  kButtonFace,
  kButtonText,
  kButtonBorder,
  kButtonPressed,
  kListBackground,
  kListText,
  kRoleCount
};

const COLORREF kBuiltIn[kRoleCount] = {
    RGB(240, 240, 240), RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0),
    RGB(225, 225, 225), RGB(0, 0, 0), RGB(120, 120, 120), RGB(200, 200, 200),
    RGB(255, 255, 255), RGB(0, 0, 0),
};

// The kinds of window the skin treats differently.
enum Kind { kContainer = 1, kPushButton, kListView, kTabControl, kControl };

struct ListColours {
  COLORREF background, textBackground, text;
};

// What the skin keeps of a window it subclassed. The procedure looks it up on every message,
// so it lives in a table of our own: a window property is fetched from Wine's server, about
// 30 us a look-up, which made every row added to a list view cost a tenth of a millisecond.
struct Skinned {
  HWND window;  // nullptr marks a free slot
  WNDPROC previous;
  int kind;
  bool savedColours;  // list views: the colours to give back when the skin comes off
  ListColours colours;
};

// Open addressing with linear probing; at most half full. Only the attaching thread's
// windows are in it, and only that thread runs their procedures, so it needs no lock.
struct SkinnedTable {
  Skinned* slots;
  size_t capacity;  // a power of two, or 0
  size_t used;
};
SkinnedTable table;

size_t HomeSlot(HWND window, size_t capacity) {
  const size_t key = reinterpret_cast<size_t>(window);
  return ((key >> 2) * static_cast<size_t>(2654435761u)) & (capacity - 1);
}

Skinned* FindSkinned(HWND window) {
  if (!window || table.capacity == 0) return nullptr;
  for (size_t i = HomeSlot(window, table.capacity);; i = (i + 1) & (table.capacity - 1)) {
    if (table.slots[i].window == window) return &table.slots[i];
    if (!table.slots[i].window) return nullptr;
  }
}

void PlaceSkinned(const Skinned& record) {
  size_t i = HomeSlot(record.window, table.capacity);
  while (table.slots[i].window) i = (i + 1) & (table.capacity - 1);
  table.slots[i] = record;
}

bool AddSkinned(const Skinned& record) {
  if ((table.used + 1) * 2 > table.capacity) {
    const size_t capacity = table.capacity ? table.capacity * 2 : 256;
    auto* slots = static_cast<Skinned*>(
        HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, capacity * sizeof(Skinned)));
    if (!slots) return false;
    Skinned* old = table.slots;
    const size_t oldCapacity = table.capacity;
    table.slots = slots;
    table.capacity = capacity;
    for (size_t i = 0; i < oldCapacity; ++i) {
      if (old[i].window) PlaceSkinned(old[i]);
    }
    if (old) HeapFree(GetProcessHeap(), 0, old);
  }
  PlaceSkinned(record);
  ++table.used;
  return true;
}

// Empties the window's slot and moves later records of the same probe run back into it, so
// that no look-up stops early at the hole.
void RemoveSkinned(HWND window) {
  Skinned* found = FindSkinned(window);
  if (!found) return;
  const size_t mask = table.capacity - 1;
  size_t hole = static_cast<size_t>(found - table.slots);
  table.slots[hole].window = nullptr;
  for (size_t next = (hole + 1) & mask; table.slots[next].window; next = (next + 1) & mask) {
    const size_t home = HomeSlot(table.slots[next].window, table.capacity);
    // The record may stay when its home lies cyclically after the hole, up to its own slot.
    const bool staysPut =
        hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
    if (staysPut) continue;
    table.slots[hole] = table.slots[next];
    table.slots[next].window = nullptr;
    hole = next;
  }
  --table.used;
}

struct State {
  bool attached;
  DWORD thread;
  HHOOK hook;
  int hue, saturation, brightness;
  COLORREF base[kRoleCount];
  COLORREF colour[kRoleCount];
  HBRUSH brush[kRoleCount];
};
State g;

LRESULT CALLBACK SkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

int Clamp(int value, int low, int high) {
  return value < low ? low : value > high ? high : value;
}

// Hue turned by `hue` degrees, saturation and brightness scaled by (100 + x) percent.
COLORREF Adjust(COLORREF colour, int hue, int saturation, int brightness) {
  // The round trip through whole-number HSV may move a channel by one.
  if (hue == 0 && saturation == 0 && brightness == 0) return colour;
  int r = GetRValue(colour), gr = GetGValue(colour), b = GetBValue(colour);
  int max = r > gr ? (r > b ? r : b) : (gr > b ? gr : b);
  int min = r < gr ? (r < b ? r : b) : (gr < b ? gr : b);
  int delta = max - min;
  int h = 0;  // degrees
  if (delta != 0) {
    if (max == r) {
      h = 60 * (gr - b) / delta;
    } else if (max == gr) {
      h = 120 + 60 * (b - r) / delta;
    } else {
      h = 240 + 60 * (r - gr) / delta;
    }
  }
  int s = max == 0 ? 0 : 255 * delta / max;
  int v = max;
  h = ((h + hue) % 360 + 360) % 360;
  s = Clamp(s * (100 + saturation) / 100, 0, 255);
  v = Clamp(v * (100 + brightness) / 100, 0, 255);
  int chroma = v * s / 255;
  int low = v - chroma;
  int sector = h / 60, within = h % 60;
  int rising = low + chroma * within / 60, falling = low + chroma * (60 - within) / 60;
  switch (sector) {
    case 0:
      return RGB(v, rising, low);
    case 1:
      return RGB(falling, v, low);
    case 2:
      return RGB(low, v, rising);
    case 3:
      return RGB(low, falling, v);
    case 4:
      return RGB(rising, low, v);
    default:
      return RGB(v, low, falling);
  }
}

void DeleteBrushes() {
  for (HBRUSH& brush : g.brush) {
    if (brush) DeleteObject(brush);
    brush = nullptr;
  }
}

void MakeColours() {
  DeleteBrushes();
  for (int role = 0; role < kRoleCount; ++role) {
    g.colour[role] = Adjust(g.base[role], g.hue, g.saturation, g.brightness);
    g.brush[role] = CreateSolidBrush(g.colour[role]);
  }
}

bool ReadSkin(const unsigned char* data, int size) {
  if (!data || size < 7 || data[0] != '.' || data[1] != 'S' || data[2] != 'H' || data[3] != 'E' ||
      data[4] != 0) {
    return false;
  }
  const int count = data[6];
  if (7 + 4 * count > size) return false;
  for (int role = 0; role < kRoleCount; ++role) g.base[role] = kBuiltIn[role];
  for (int i = 0; i < count; ++i) {
    const unsigned char* record = data + 7 + 4 * i;
    if (record[0] < kRoleCount) g.base[record[0]] = RGB(record[1], record[2], record[3]);
  }
  return true;
}

bool SameClass(const char* a, const char* b) {
  return lstrcmpiA(a, b) == 0;
}

// 0 for windows the skin leaves alone.
int KindOf(HWND window) {
  char name[64];
  if (!GetClassNameA(window, name, sizeof name)) return 0;
  static const char* const kIgnored[] = {"IME", "MSCTFIME UI", "#32768", "tooltips_class32",
                                         "SysShadow"};
  for (const char* ignored : kIgnored) {
    if (SameClass(name, ignored)) return 0;
  }
  if (SameClass(name, "Button")) {
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    const LONG_PTR type = style & BS_TYPEMASK;
    const bool picture = style & (BS_BITMAP | BS_ICON);
    if ((type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) && !picture) return kPushButton;
    return kControl;
  }
  if (SameClass(name, WC_LISTVIEWA)) return kListView;
  if (SameClass(name, WC_TABCONTROLA)) return kTabControl;
  static const char* const kControls[] = {"Static",
                                          "Edit",
                                          "ComboBox",
                                          "ComboLBox",
                                          "ListBox",
                                          "ScrollBar",
                                          WC_HEADERA,
                                          "msctls_updown32",
                                          "msctls_progress32",
                                          "msctls_trackbar32",
                                          "SysTreeView32",
                                          "ToolbarWindow32",
                                          "msctls_statusbar32",
                                          "RichEdit20A",
                                          "RichEdit20W",
                                          "SysLink"};
  for (const char* control : kControls) {
    if (SameClass(name, control)) return kControl;
  }
  return kContainer;
}

void ApplyListColours(HWND window) {
  SendMessageA(window, LVM_SETBKCOLOR, 0, g.colour[kListBackground]);
  SendMessageA(window, LVM_SETTEXTBKCOLOR, 0, g.colour[kListBackground]);
  SendMessageA(window, LVM_SETTEXTCOLOR, 0, g.colour[kListText]);
  InvalidateRect(window, nullptr, TRUE);
}

void Subclass(HWND window) {
  if (FindSkinned(window)) return;
  const int kind = KindOf(window);
  if (kind == 0) return;
  Skinned record{};
  record.window = window;
  record.kind = kind;
  if (kind == kListView) {
    record.savedColours = true;
    record.colours.background = static_cast<COLORREF>(SendMessageA(window, LVM_GETBKCOLOR, 0, 0));
    record.colours.textBackground =
        static_cast<COLORREF>(SendMessageA(window, LVM_GETTEXTBKCOLOR, 0, 0));
    record.colours.text = static_cast<COLORREF>(SendMessageA(window, LVM_GETTEXTCOLOR, 0, 0));
  }
  // Recorded before the procedure changes: the first message may arrive at once.
  record.previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  if (!AddSkinned(record)) return;
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinProc));
  if (kind == kListView) ApplyListColours(window);
}

// Takes the skin off a window. When another procedure was put in front of ours we cannot
// leave the chain: SkinProc then stays and only passes messages on.
void Unsubclass(HWND window, bool destroying) {
  Skinned* found = FindSkinned(window);
  if (!found) return;
  const Skinned record = *found;
  const bool onTop =
      GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SkinProc);
  if (record.savedColours && !destroying) {
    SendMessageA(window, LVM_SETBKCOLOR, 0, record.colours.background);
    SendMessageA(window, LVM_SETTEXTBKCOLOR, 0, record.colours.textBackground);
    SendMessageA(window, LVM_SETTEXTCOLOR, 0, record.colours.text);
  }
  if (onTop || destroying) {
    if (onTop) SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.previous));
    RemoveSkinned(window);
  } else if (Skinned* stays = FindSkinned(window)) {
    stays->savedColours = false;  // already given back
  }
}

BOOL CALLBACK SubclassChild(HWND window, LPARAM) {
  Subclass(window);
  return TRUE;
}
BOOL CALLBACK SubclassTopLevel(HWND window, LPARAM) {
  Subclass(window);
  EnumChildWindows(window, SubclassChild, 0);
  return TRUE;
}
BOOL CALLBACK UnsubclassChild(HWND window, LPARAM) {
  Unsubclass(window, false);
  return TRUE;
}
BOOL CALLBACK UnsubclassTopLevel(HWND window, LPARAM) {
  EnumChildWindows(window, UnsubclassChild, 0);
  Unsubclass(window, false);
  return TRUE;
}
BOOL CALLBACK RecolourChild(HWND window, LPARAM) {
  const Skinned* found = FindSkinned(window);
  if (found && found->kind == kListView) {
    ApplyListColours(window);
  }
  return TRUE;
}
BOOL CALLBACK Redraw(HWND window, LPARAM recolourLists) {
  if (recolourLists) EnumChildWindows(window, RecolourChild, 0);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return TRUE;
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && g.attached) Subclass(reinterpret_cast<HWND>(wParam));
  return CallNextHookEx(g.hook, code, wParam, lParam);
}

bool IsSystemBrush(HBRUSH brush) {
  return brush == nullptr || brush == GetSysColorBrush(COLOR_WINDOW) ||
         brush == GetSysColorBrush(COLOR_BTNFACE) ||
         brush == static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

// Colours the answer to a WM_CTLCOLOR* message that the window's own procedure gave: text
// and brush are replaced only where the program kept the system's defaults, so a colour it
// chose itself (a grey hint, a transparent label) stays.
LRESULT Recolour(UINT message, HDC dc, LRESULT answer) {
  const bool editLike = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
  const COLORREF text = GetTextColor(dc);
  if (text == GetSysColor(COLOR_WINDOWTEXT) || text == GetSysColor(COLOR_BTNTEXT)) {
    SetTextColor(dc, g.colour[editLike ? kEditText : kText]);
  }
  HBRUSH brush = reinterpret_cast<HBRUSH>(answer);
  if (!IsSystemBrush(brush)) return answer;
  const Role background = editLike ? kEditBackground : kBackground;
  SetBkColor(dc, g.colour[background]);
  return reinterpret_cast<LRESULT>(g.brush[background]);
}

void PaintButton(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT r;
  GetClientRect(window, &r);
  const LRESULT state = SendMessageA(window, BM_GETSTATE, 0, 0);
  const bool pushed = state & BST_PUSHED;
  const bool enabled = IsWindowEnabled(window);
  FillRect(dc, &r, g.brush[kBackground]);
  HPEN pen = CreatePen(PS_SOLID, 1, g.colour[kButtonBorder]);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, g.brush[pushed ? kButtonPressed : kButtonFace]);
  RoundRect(dc, r.left, r.top, r.right, r.bottom, 6, 6);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);

  char caption[256];
  const int length = GetWindowTextA(window, caption, sizeof caption);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled ? g.colour[kButtonText] : g.colour[kButtonBorder]);
  RECT text = r;
  if (pushed) OffsetRect(&text, 1, 1);
  DrawTextA(dc, caption, length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (oldFont) SelectObject(dc, oldFont);
  if ((state & BST_FOCUS) && !(SendMessageA(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
    InflateRect(&r, -3, -3);
    DrawFocusRect(dc, &r);
  }
  EndPaint(window, &paint);
}

// Messages after which a push button's own procedure may have drawn it in the system's look.
bool RedrawsButton(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_CLICK:
    case WM_CAPTURECHANGED:
    case WM_UPDATEUISTATE:
    case WM_SETFONT:
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK SkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const Skinned* found = FindSkinned(window);
  if (!found) return DefWindowProcA(window, message, wParam, lParam);
  const WNDPROC previous = found->previous;
  const int kind = found->kind;
  if (message == WM_NCDESTROY) {
    Unsubclass(window, true);
    return CallWindowProcA(previous, window, message, wParam, lParam);
  }
  if (!g.attached) return CallWindowProcA(previous, window, message, wParam, lParam);
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
      return Recolour(message, reinterpret_cast<HDC>(wParam),
                      CallWindowProcA(previous, window, message, wParam, lParam));
    case WM_ERASEBKGND:
      if (kind == kContainer || kind == kTabControl) {
        RECT r;
        GetClientRect(window, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, g.brush[kBackground]);
        return 1;
      }
      if (kind == kPushButton) return 1;
      break;
    case WM_PAINT:
      if (kind == kPushButton) {
        PaintButton(window);
        return 0;
      }
      break;
    default:
      if (kind == kPushButton && RedrawsButton(message)) {
        const LRESULT before = SendMessageA(window, BM_GETSTATE, 0, 0);
        const LRESULT result = CallWindowProcA(previous, window, message, wParam, lParam);
        // Moving the mouse redraws only when it changed the button's state.
        const bool changed =
            message != WM_MOUSEMOVE ||
            (IsWindow(window) && SendMessageA(window, BM_GETSTATE, 0, 0) != before);
        if (changed && IsWindow(window)) {
          RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        return result;
      }
      break;
  }
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

void Detach() {
  if (!g.attached) return;
  if (g.hook) UnhookWindowsHookEx(g.hook);
  g.hook = nullptr;
  g.attached = false;
  EnumThreadWindows(g.thread, UnsubclassTopLevel, 0);
  EnumThreadWindows(g.thread, Redraw, 0);
  DeleteBrushes();
  if (table.used == 0 && table.slots) {
    HeapFree(GetProcessHeap(), 0, table.slots);
    table = SkinnedTable{};
  }
}

}  // namespace

// Skins the calling thread's windows with the skin file `data` of `size` bytes, its colours
// turned by hue (degrees), saturation and brightness (percent). No password is needed.
// Returns 1, or 0 when the skin file is not one of ours. Attaching again changes the skin.
extern "C" int WINAPI SkinH_AttachRes(const unsigned char* data, int size, const char* /*password*/,
                                      int hue, int saturation, int brightness) {
  if (!ReadSkin(data, size)) return 0;
  g.hue = Clamp(hue, -180, 180);
  g.saturation = Clamp(saturation, -100, 100);
  g.brightness = Clamp(brightness, -100, 100);
  MakeColours();
  if (!g.attached) {
    g.thread = GetCurrentThreadId();
    g.hook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, g.thread);
    g.attached = true;
    EnumThreadWindows(g.thread, SubclassTopLevel, 0);
  }
  EnumThreadWindows(g.thread, Redraw, 1);
  return 1;
}

// Turns the colours of the attached skin. Returns 0 when no skin is attached.
extern "C" int WINAPI SkinH_AdjustHSV(int hue, int saturation, int brightness) {
  if (!g.attached) return 0;
  g.hue = Clamp(hue, -180, 180);
  g.saturation = Clamp(saturation, -100, 100);
  g.brightness = Clamp(brightness, -100, 100);
  MakeColours();
  EnumThreadWindows(g.thread, Redraw, 1);
  return 1;
}

// Takes the skin off every window. Returns 0 when no skin was attached.
extern "C" int WINAPI SkinH_Detach() {
  if (!g.attached) return 0;
  Detach();
  return 1;
}

extern "C" BOOL WINAPI SkinEngineEntry(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_DETACH) Detach();
  return TRUE;
}
