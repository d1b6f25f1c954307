#include "app/in_memory_library_loader_win32.h"

#include <cstdint>
#include <new>
#include <string>

namespace {

#if defined(__x86_64__)
constexpr uint16_t kOwnMachine = pe::kMachineAmd64;
constexpr bool kOwnPe32Plus = true;
#else
constexpr uint16_t kOwnMachine = pe::kMachineI386;
constexpr bool kOwnPe32Plus = false;
#endif

using EntryPoint = BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID);

// Imports come from the system's loader; every library loaded is recorded for freeing.
class SystemResolver : public pe::ImportResolver {
 public:
  explicit SystemResolver(LoadedLibrary& library) : library_(library) {}
  bool OpenLibrary(const std::string& name) override {
    current_ = LoadLibraryA(name.c_str());
    if (!current_) return false;
    library_.modules.push_back(current_);
    return true;
  }
  uint64_t FindByName(const std::string& name) override {
    return reinterpret_cast<uintptr_t>(GetProcAddress(current_, name.c_str()));
  }
  uint64_t FindByOrdinal(uint16_t ordinal) override {
    return reinterpret_cast<uintptr_t>(GetProcAddress(current_, MAKEINTRESOURCEA(ordinal)));
  }

 private:
  LoadedLibrary& library_;
  HMODULE current_ = nullptr;
};

EntryPoint EntryOf(const LoadedLibrary& library) {
  return reinterpret_cast<EntryPoint>(library.codeBase + library.layout.entryPoint);
}

void ProtectSections(const LoadedLibrary& library) {
  for (const pe::ProtectionStep& step : pe::PlanProtection(library.layout)) {
    void* at = library.codeBase + step.rva;
    if (step.decommit) {
      VirtualFree(at, step.size, MEM_DECOMMIT);
    } else {
      // A refused protection (write-copy on private memory) leaves the pages read-write.
      DWORD old;
      VirtualProtect(at, step.size, step.protection, &old);
    }
  }
  FlushInstructionCache(GetCurrentProcess(), nullptr, 0);
}

}  // namespace

LoadedLibrary* LoadLibraryImage(std::span<const unsigned char> image) {
  const std::optional<pe::Headers> layout = pe::ReadImageFile(image);
  if (!layout || layout->machine != kOwnMachine || layout->pe32Plus != kOwnPe32Plus ||
      !pe::EntryPointIsCode(*layout)) {
    return nullptr;
  }
  const SIZE_T size = layout->sizeOfImage;
  void* base = VirtualAlloc(reinterpret_cast<void*>(static_cast<uintptr_t>(layout->imageBase)),
                            size, MEM_RESERVE, PAGE_READWRITE);
  if (!base) base = VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_READWRITE);
  if (!base) return nullptr;

  auto* library = new (std::nothrow) LoadedLibrary;
  if (!library) {
    VirtualFree(base, 0, MEM_RELEASE);
    return nullptr;
  }
  library->codeBase = static_cast<unsigned char*>(base);
  library->layout = *layout;
  if (!VirtualAlloc(base, size, MEM_COMMIT, PAGE_READWRITE)) {
    FreeLibraryImage(library);
    return nullptr;
  }
  const std::span<uint8_t> mapped(library->codeBase, size);
  const uint64_t address = reinterpret_cast<uintptr_t>(base);
  pe::MapImage(*layout, image, mapped, address);
  library->headers = library->codeBase + layout->peOffset;

  SystemResolver resolver(*library);
  if (!pe::Relocate(*layout, mapped, address) || !pe::ResolveImports(*layout, mapped, resolver)) {
    FreeLibraryImage(library);
    return nullptr;
  }
  library->exports = pe::ReadExports(*layout, mapped);
  ProtectSections(*library);

  if (layout->entryPoint == 0) return library;
  if (!EntryOf(*library)(static_cast<HINSTANCE>(base), DLL_PROCESS_ATTACH, nullptr)) {
    FreeLibraryImage(library);
    return nullptr;
  }
  library->initialised = true;
  return library;
}

void* GetExport(const LoadedLibrary* library, const char* name) {
  if (!library || !name) return nullptr;
  const uint32_t rva = pe::FindExport(library->exports, name);
  return rva == 0 ? nullptr : library->codeBase + rva;
}

void FreeLibraryImage(LoadedLibrary* library) {
  if (!library) return;
  if (library->initialised) {
    EntryOf (*library)(reinterpret_cast<HINSTANCE>(library->codeBase), DLL_PROCESS_DETACH, nullptr);
    library->initialised = false;
  }
  for (HMODULE module : library->modules) FreeLibrary(module);
  if (library->codeBase) VirtualFree(library->codeBase, 0, MEM_RELEASE);
  delete library;
}
