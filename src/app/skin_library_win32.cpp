#include "app/skin_library_win32.h"

#include <windows.h>

#include <algorithm>

#include "app/embedded_data.h"
#include "app/in_memory_library_loader_win32.h"

namespace {

using AttachRes = int(WINAPI*)(const unsigned char* data, int size, const char* password, int hue,
                               int saturation, int brightness);
using AdjustHsv = int(WINAPI*)(int hue, int saturation, int brightness);
using Detach = int(WINAPI*)();

// One per process, never freed.
LoadedLibrary* skinLibrary = nullptr;

bool Loaded() {
  if (!skinLibrary) skinLibrary = LoadLibraryImage(SkinLibraryImage());
  return skinLibrary != nullptr;
}

// Each function is looked up right before its call.
template <typename Function>
Function Export(const char* name) {
  return reinterpret_cast<Function>(GetExport(skinLibrary, name));
}

}  // namespace

void AttachSkin(int hue, int saturation) {
  if (!Loaded()) return;
  const auto skin = SkinData();
  if (auto attach = Export<AttachRes>("SkinH_AttachRes")) {
    attach(skin.data(), static_cast<int>(skin.size()), nullptr, 0, 0, 0);
  }
  AdjustSkinColour(std::clamp(hue, -180, 180), std::clamp(saturation, -100, 100));
}

void AdjustSkinColour(int hue, int saturation) {
  if (!Loaded()) return;
  if (auto adjust = Export<AdjustHsv>("SkinH_AdjustHSV")) adjust(hue, saturation, 0);
}

void DetachSkin() {
  if (!skinLibrary) return;
  if (auto detach = Export<Detach>("SkinH_Detach")) detach();
}

bool SkinLibraryLoaded() {
  return skinLibrary != nullptr;
}
