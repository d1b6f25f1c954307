// The program's skin: attached from its embedded library and skin file to the windows of the
// thread, coloured, turned and taken off again.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "app/skin_library_win32.h"
#include "wears_skin.h"

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kSkinBackground = RGB(232, 240, 250);  // of skin/default.she

// A top-level window whose procedure colours an edit box's text grey, as the main window
// does for its hint texts, and otherwise keeps the system's colours.
LRESULT CALLBACK HintProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLOREDIT) {
    SetTextColor(reinterpret_cast<HDC>(wParam), kGrey);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

class SkinTest : public testing::Test {
 protected:
  SkinTest() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HintProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SkinTestWindow";
    RegisterClassA(&windowClass);
    window = CreateWindowExA(0, "SkinTestWindow", "skin", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                             nullptr, nullptr, windowClass.hInstance, nullptr);
    label = CreateWindowExA(0, "STATIC", "label", WS_CHILD | WS_VISIBLE, 5, 5, 80, 20, window,
                            nullptr, nullptr, nullptr);
    edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 30, 80, 20, window, nullptr,
                           nullptr, nullptr);
    ownProcedure = GetWindowLongPtrA(window, GWLP_WNDPROC);
  }
  ~SkinTest() override {
    DetachSkin();
    DestroyWindow(window);
  }

  // The brush colour and text colour the window answers for a child's colour message.
  std::pair<COLORREF, COLORREF> Colours(UINT message, HWND child) {
    HDC dc = GetDC(child);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        window, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child)));
    LOGBRUSH info{};
    GetObjectA(brush, sizeof info, &info);
    const COLORREF text = GetTextColor(dc);
    ReleaseDC(child, dc);
    return {info.lbColor, text};
  }

  HWND window, label, edit;
  LONG_PTR ownProcedure;
};

}  // namespace

TEST_F(SkinTest, AttachColoursTheThreadsWindowsAndDetachRestoresThem) {
  const auto plain = Colours(WM_CTLCOLORSTATIC, label);
  AttachSkin();
  ASSERT_TRUE(SkinLibraryLoaded());
  EXPECT_NE(GetWindowLongPtrA(window, GWLP_WNDPROC), ownProcedure);
  const auto skinned = Colours(WM_CTLCOLORSTATIC, label);
  EXPECT_EQ(skinned.first, kSkinBackground);
  EXPECT_NE(skinned.second, GetSysColor(COLOR_WINDOWTEXT));
  // The text colour the program chose itself stays.
  EXPECT_EQ(Colours(WM_CTLCOLOREDIT, edit).second, kGrey);

  DetachSkin();
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), ownProcedure);
  EXPECT_EQ(Colours(WM_CTLCOLORSTATIC, label), plain);
  DetachSkin();  // a second detach changes nothing
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), ownProcedure);
}

TEST_F(SkinTest, WindowsCreatedWhileAttachedAreSkinnedToo) {
  AttachSkin();
  HWND later = CreateWindowExA(0, "STATIC", "later", WS_CHILD, 5, 60, 80, 20, window, nullptr,
                               nullptr, nullptr);
  EXPECT_TRUE(WearsSkin(later));
  DetachSkin();
  EXPECT_FALSE(WearsSkin(later));
  HWND afterwards = CreateWindowExA(0, "STATIC", "afterwards", WS_CHILD, 5, 90, 80, 20, window,
                                    nullptr, nullptr, nullptr);
  EXPECT_FALSE(WearsSkin(afterwards));
}

// Many windows come and go while the skin is on (message boxes, the thanks window): every
// one that lives on keeps its colours and gets its own procedure back at the end.
TEST_F(SkinTest, ManyWindowsCreatedAndDestroyedKeepTheirSkinAndProcedure) {
  AttachSkin();
  std::vector<HWND> labels;
  for (int i = 0; i < 1500; ++i) {
    labels.push_back(CreateWindowExA(0, "STATIC", "n", WS_CHILD, 0, 0, 10, 10, window, nullptr,
                                     nullptr, nullptr));
  }
  for (size_t i = 0; i < labels.size(); i += 3) DestroyWindow(labels[i]);
  for (size_t i = 0; i < labels.size(); i += 3) {
    labels[i] = CreateWindowExA(0, "STATIC", "again", WS_CHILD, 0, 0, 10, 10, window, nullptr,
                                nullptr, nullptr);
  }
  int unskinned = 0, wrongColour = 0;
  for (HWND label : labels) {
    if (!WearsSkin(label)) ++unskinned;
    if (Colours(WM_CTLCOLORSTATIC, label).first != kSkinBackground) ++wrongColour;
  }
  EXPECT_EQ(unskinned, 0);
  EXPECT_EQ(wrongColour, 0);
  DetachSkin();
  int stillSkinned = 0;
  for (HWND label : labels) stillSkinned += WearsSkin(label) ? 1 : 0;
  EXPECT_EQ(stillSkinned, 0);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), ownProcedure);
}

TEST_F(SkinTest, HueAndSaturationTurnTheColours) {
  AttachSkin();
  const COLORREF base = Colours(WM_CTLCOLORSTATIC, label).first;
  AdjustSkinColour(180, 0);
  const COLORREF turned = Colours(WM_CTLCOLORSTATIC, label).first;
  EXPECT_NE(turned, base);
  // Blue-grey turned half way round the colour wheel becomes warm: more red than blue.
  EXPECT_GT(GetRValue(turned), GetBValue(turned));
  AdjustSkinColour(0, -100);
  const COLORREF grey = Colours(WM_CTLCOLORSTATIC, label).first;
  EXPECT_EQ(GetRValue(grey), GetGValue(grey));
  EXPECT_EQ(GetGValue(grey), GetBValue(grey));
  // Out-of-range values are clamped when attaching.
  AttachSkin(1000, 0);
  EXPECT_EQ(Colours(WM_CTLCOLORSTATIC, label).first, turned);
  AttachSkin(0, -1000);
  EXPECT_EQ(Colours(WM_CTLCOLORSTATIC, label).first, grey);
}
