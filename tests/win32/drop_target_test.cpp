// Files dropped from the shell: a hand-built drop handle sent as WM_DROPFILES, first to a
// plain window, then to the real main window.
#include "window_fixture.h"
// After windows.h, which the fixture brings.
#include <shellapi.h>
#include <shlobj.h>

#include "app/drop_target_win32.h"
#include "wears_skin.h"

using Strings = std::vector<std::string>;

namespace {

// A drop handle as the shell builds it: the paths, each ended by a zero, and one more zero.
HDROP MakeDrop(const Strings& paths) {
  size_t size = sizeof(DROPFILES) + 1;
  for (const std::string& path : paths) size += path.size() + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = FALSE;
  char* at = reinterpret_cast<char*>(files) + sizeof(DROPFILES);
  for (const std::string& path : paths) {
    memcpy(at, path.c_str(), path.size() + 1);
    at += path.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

LRESULT Drop(HWND window, const Strings& paths) {
  return SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
}

// The window's own procedure: answers a test message and counts the drops that reach it.
int dropsSeen = 0;
constexpr UINT kAsk = WM_APP + 7;
LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kAsk) return 1000 + static_cast<LRESULT>(wParam) + lParam;
  if (message == WM_DROPFILES) {
    ++dropsSeen;
    DragFinish(reinterpret_cast<HDROP>(wParam));
    return 5;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A procedure another part of a program puts in front of the window's.
WNDPROC below = nullptr;
LRESULT CALLBACK InFront(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(below, window, message, wParam, lParam);
}

class DropTargetTest : public testing::Test {
 protected:
  DropTargetTest() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = OwnProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "DropTargetTestWindow";
    RegisterClassA(&windowClass);
    window = CreateWindowExA(0, "DropTargetTestWindow", "drops", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                             100, nullptr, nullptr, windowClass.hInstance, nullptr);
    dropsSeen = 0;
  }
  ~DropTargetTest() override { DestroyWindow(window); }
  bool AcceptsFiles() const { return GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES; }

  HWND window;
  Strings received;
};

}  // namespace

TEST_F(DropTargetTest, EveryDroppedPathReachesTheCallbackInOrderAndWhole) {
  DropTarget target;
  target.Register(window, [this](const std::string& path) { received.push_back(path); });
  EXPECT_TRUE(AcceptsFiles());
  const std::string longPath = "C:\\" + std::string(1200, 'a') + "\\b.txt";
  const Strings cases[] = {
      {"D:\\docs\\a.txt"},
      {"D:\\docs\\照片", "E:\\", "D:\\other\\b.txt"},
      {longPath},
  };
  for (const Strings& paths : cases) {
    received.clear();
    EXPECT_EQ(Drop(window, paths), 0);
    EXPECT_EQ(received, paths);
  }
  EXPECT_EQ(dropsSeen, 0);
}

TEST_F(DropTargetTest, OtherMessagesReachTheWindowsOwnProcedure) {
  DropTarget target;
  target.Register(window, [](const std::string&) {});
  EXPECT_EQ(SendMessageA(window, kAsk, 20, 3), 1023);
  char title[16] = {};
  GetWindowTextA(window, title, sizeof title);
  EXPECT_STREQ(title, "drops");
}

TEST_F(DropTargetTest, UnregisterRestoresTheOwnProcedureAndStopsDrops) {
  const LONG_PTR own = GetWindowLongPtrA(window, GWLP_WNDPROC);
  {
    DropTarget target;
    target.Register(window, [this](const std::string& path) { received.push_back(path); });
    EXPECT_NE(GetWindowLongPtrA(window, GWLP_WNDPROC), own);
    target.Unregister();
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), own);
    EXPECT_FALSE(AcceptsFiles());
    target.Unregister();  // again, and once more when the target goes away
  }
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), own);
  EXPECT_EQ(Drop(window, {"D:\\a.txt"}), 5);
  EXPECT_EQ(dropsSeen, 1);
  EXPECT_TRUE(received.empty());
}

// When another procedure was put in front after ours, unregistering cannot take ours out
// of the chain: it then passes everything on, and the other procedure's chain stays whole.
TEST_F(DropTargetTest, UnregisterUnderAnotherSubclassKeepsTheChainWhole) {
  DropTarget target;
  target.Register(window, [this](const std::string& path) { received.push_back(path); });
  below = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InFront)));
  target.Unregister();
  EXPECT_EQ(SendMessageA(window, kAsk, 1, 1), 1002);
  EXPECT_EQ(Drop(window, {"D:\\a.txt"}), 5);
  EXPECT_TRUE(received.empty());
}

TEST_F(WindowTest, DroppingAFileOrFolderMakesItsFolderTheTargetAndListsIt) {
  folder.AddFile("第1课.txt", "a");
  folder.AddFile("第2课.txt", "b");
  folder.AddFolder("子文件夹");
  folder.AddFile("子文件夹\\c.txt", "c");
  Drop(window->Handle(), {folder.path() + "第2课.txt"});
  EXPECT_EQ(form().Text(Ctl::标签2), folder.path());
  EXPECT_EQ(Column(0), (Strings{"第1课.txt", "第2课.txt"}));

  // Three items: the last one decides.
  Drop(window->Handle(), {folder.path() + "第1课.txt", "C:\\", folder.path() + "子文件夹\\c.txt"});
  EXPECT_EQ(form().Text(Ctl::标签2), folder.path() + "子文件夹\\");
  EXPECT_EQ(Column(0), (Strings{"c.txt"}));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WindowTest, DroppingADriveRootLeavesNoTargetAndNoBox) {
  Drop(window->Handle(), {"C:\\"});
  EXPECT_EQ(form().Text(Ctl::标签2), "");
  EXPECT_EQ(form().RowCount(), 0);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WindowTest, ADroppedPathLongerThan999BytesIsNotCut) {
  const std::string deep = "C:\\" + std::string(1100, 'x') + "\\";
  Drop(window->Handle(), {deep + "a.txt"});
  EXPECT_EQ(form().Text(Ctl::标签2), deep);
}

TEST_F(WindowTest, ClosingTheWindowTakesItsProcedureAndSkinOff) {
  HWND handle = window->Handle();
  EXPECT_TRUE(GetWindowLongPtrA(handle, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  EXPECT_TRUE(WearsSkin(window->Control(Ctl::标签2)));
  window.reset();
  Pump();
  // The skin is detached: windows created now are not skinned.
  HWND later = CreateWindowExA(0, "STATIC", "later", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                               nullptr, nullptr);
  EXPECT_FALSE(WearsSkin(later));
  DestroyWindow(later);
}
