#include "app/system_name_win32.h"

#include <windows.h>

namespace {

using NtVersionNumbers = void(WINAPI*)(DWORD* major, DWORD* minor, DWORD* build);
using ProductInfo = BOOL(WINAPI*)(DWORD major, DWORD minor, DWORD spMajor, DWORD spMinor,
                                  DWORD* type);
using NativeSystemInfo = void(WINAPI*)(SYSTEM_INFO* info);

template <typename Function>
Function Lookup(const char* module, const char* name) {
  HMODULE handle = GetModuleHandleA(module);
  if (!handle) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

std::string RegistryProductName() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                    KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return "";
  }
  char value[256] = {};
  DWORD size = sizeof value - 1;
  DWORD type = 0;
  std::string name;
  if (RegQueryValueExA(key, "ProductName", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
          ERROR_SUCCESS &&
      type == REG_SZ) {
    name.assign(value, strnlen(value, size));
  }
  RegCloseKey(key);
  return name;
}

}  // namespace

VersionFacts QueryVersionFacts() {
  VersionFacts facts;
  OSVERSIONINFOEXA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) return facts;
  facts.versionQueried = true;
  facts.major = info.dwMajorVersion;
  facts.minor = info.dwMinorVersion;
  facts.productType = info.wProductType;
  facts.suiteMask = info.wSuiteMask;

  // The machine's own architecture, also for a 32-bit program on 64-bit Windows.
  SYSTEM_INFO system{};
  if (auto native = Lookup<NativeSystemInfo>("kernel32.dll", "GetNativeSystemInfo")) {
    native(&system);
  } else {
    GetSystemInfo(&system);
  }
  facts.processorArchitecture = system.wProcessorArchitecture;

  // The version record reports older numbers to programs that do not declare newer systems.
  if (auto numbers = Lookup<NtVersionNumbers>("ntdll.dll", "RtlGetNtVersionNumbers")) {
    DWORD major = 0, minor = 0, build = 0;
    numbers(&major, &minor, &build);
    facts.major = major;
    facts.minor = minor;
  }
  facts.serverR2 = GetSystemMetrics(SM_SERVERR2) != 0;
  if (facts.major >= 6) {
    if (auto product = Lookup<ProductInfo>("ntdll.dll", "RtlGetProductInfo")) {
      DWORD type = 0;
      product(facts.major, facts.minor, 0, 0, &type);
      facts.productInfoType = type;
    }
  }
  if (facts.major == 10 && facts.minor == 0 && facts.productType != VER_NT_WORKSTATION) {
    facts.registryProductName = RegistryProductName();
  }
  return facts;
}

std::string SystemName() {
  return SystemNameFrom(QueryVersionFacts());
}
