// The in-memory loader on the skin engine library the program carries, and the library's
// own behaviour when called through it.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "app/embedded_data.h"
#include "app/in_memory_library_loader_win32.h"
#include "wears_skin.h"

namespace {

using Bytes = std::vector<unsigned char>;
using AttachRes = int(WINAPI*)(const unsigned char*, int, const char*, int, int, int);
using Detach = int(WINAPI*)();

Bytes LibraryImage() {
  const auto image = SkinLibraryImage();
  return Bytes(image.begin(), image.end());
}

bool AddressFree(uint64_t address) {
  MEMORY_BASIC_INFORMATION info{};
  VirtualQuery(reinterpret_cast<void*>(address), &info, sizeof info);
  return info.State == MEM_FREE;
}

// A plain top-level window of the test thread with one static child.
struct PlainWindow {
  PlainWindow() {
    window = CreateWindowExA(0, "STATIC", "plain", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                             nullptr, nullptr, nullptr);
    child = CreateWindowExA(0, "STATIC", "child", WS_CHILD | WS_VISIBLE, 5, 5, 50, 20, window,
                            nullptr, nullptr, nullptr);
  }
  ~PlainWindow() { DestroyWindow(window); }
  bool Skinned() const { return WearsSkin(window); }
  HWND window, child;
};

// Attaches the embedded skin through the loaded library, checks the window is skinned, and
// detaches it again.
void AttachAndDetach(const LoadedLibrary* library) {
  auto attach = reinterpret_cast<AttachRes>(GetExport(library, "SkinH_AttachRes"));
  auto detach = reinterpret_cast<Detach>(GetExport(library, "SkinH_Detach"));
  ASSERT_TRUE(attach && detach);
  PlainWindow plain;
  const auto skin = SkinData();
  EXPECT_EQ(attach(skin.data(), static_cast<int>(skin.size()), nullptr, 0, 0, 0), 1);
  EXPECT_TRUE(plain.Skinned());
  EXPECT_EQ(detach(), 1);
  EXPECT_FALSE(plain.Skinned());
  EXPECT_EQ(detach(), 0);
}

const pe::Headers& Layout() {
  static const pe::Headers layout = *pe::ReadImageFile(SkinLibraryImage());
  return layout;
}

}  // namespace

// The program's own skin may hold the preferred base already when tests share a process.
TEST(InMemoryLoader, LoadsTheSkinLibraryAtItsPreferredBaseAndFindsExactExportNames) {
  const bool baseFree = AddressFree(Layout().imageBase);
  LoadedLibrary* library = LoadLibraryImage(SkinLibraryImage());
  ASSERT_NE(library, nullptr);
  if (baseFree) {
    EXPECT_EQ(reinterpret_cast<uintptr_t>(library->codeBase), Layout().imageBase);
  }
  EXPECT_EQ(library->headers, library->codeBase + Layout().peOffset);
  EXPECT_TRUE(library->initialised);
  EXPECT_EQ(library->modules.size(), 3u);
  for (const char* name : {"SkinH_AttachRes", "SkinH_AdjustHSV", "SkinH_Detach"}) {
    EXPECT_NE(GetExport(library, name), nullptr) << name;
  }
  for (const char* name : {"skinh_attachres", "SKINH_ADJUSTHSV", "SkinH_detach", "SkinH"}) {
    EXPECT_EQ(GetExport(library, name), nullptr) << name;
  }
  AttachAndDetach(library);
  FreeLibraryImage(library);
  EXPECT_EQ(AddressFree(Layout().imageBase), baseFree);
}

TEST(InMemoryLoader, LoadsElsewhereAndRelocatesWhenThePreferredBaseIsTaken) {
  void* taken = VirtualAlloc(reinterpret_cast<void*>(Layout().imageBase), Layout().sizeOfImage,
                             MEM_RESERVE, PAGE_NOACCESS);
  ASSERT_FALSE(AddressFree(Layout().imageBase));
  LoadedLibrary* library = LoadLibraryImage(SkinLibraryImage());
  ASSERT_NE(library, nullptr);
  EXPECT_NE(reinterpret_cast<uintptr_t>(library->codeBase), Layout().imageBase);
  AttachAndDetach(library);
  FreeLibraryImage(library);
  if (taken) VirtualFree(taken, 0, MEM_RELEASE);
}

TEST(InMemoryLoader, FreeingAnAttachedLibraryTakesTheSkinOff) {
  LoadedLibrary* library = LoadLibraryImage(SkinLibraryImage());
  ASSERT_NE(library, nullptr);
  auto attach = reinterpret_cast<AttachRes>(GetExport(library, "SkinH_AttachRes"));
  PlainWindow plain;
  const auto skin = SkinData();
  attach(skin.data(), static_cast<int>(skin.size()), nullptr, 0, 0, 0);
  ASSERT_TRUE(plain.Skinned());
  FreeLibraryImage(library);
  EXPECT_FALSE(plain.Skinned());
  // Windows created afterwards are left alone: the hook is gone with the library.
  PlainWindow later;
  EXPECT_FALSE(later.Skinned());
}

TEST(InMemoryLoader, RefusesBadImagesAndGivesBackWhatItTook) {
  const Bytes good = LibraryImage();
  const uint32_t pe = Layout().peOffset;
  struct Case {
    const char* what;
    Bytes image;
  };
  std::vector<Case> cases;
  cases.push_back({"empty", {}});
  cases.push_back({"truncated", Bytes(good.begin(), good.begin() + good.size() / 2)});
  Bytes otherMachine = good;
  otherMachine[pe + 4] = 0x4C;  // i386 on x86_64, or the reverse
  otherMachine[pe + 5] = 0x01;
  if (sizeof(void*) == 4) otherMachine[pe + 4] = 0x64, otherMachine[pe + 5] = 0x86;
  cases.push_back({"other machine", otherMachine});
  // An imported function that no system library has: the load fails at linking, after
  // memory was taken and libraries were loaded.
  Bytes missingImport = good;
  const std::string name = "CreateSolidBrush";
  auto at = std::search(missingImport.begin(), missingImport.end(), name.begin(), name.end());
  ASSERT_NE(at, missingImport.end());
  (*at) = 'X';
  cases.push_back({"missing import", missingImport});
  const bool baseFree = AddressFree(Layout().imageBase);
  for (const Case& c : cases) {
    EXPECT_EQ(LoadLibraryImage(c.image), nullptr) << c.what;
    EXPECT_EQ(AddressFree(Layout().imageBase), baseFree) << c.what;
  }
}

TEST(InMemoryLoader, ExportsOfNoLibraryAreNull) {
  EXPECT_EQ(GetExport(nullptr, "SkinH_Detach"), nullptr);
  FreeLibraryImage(nullptr);
}
