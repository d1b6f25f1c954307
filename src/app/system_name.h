// The display name of the running Windows version, decided from the values the system
// reports. The queries live in system_name_win32.cpp; the naming is a plain function.
#pragma once

#include <cstdint>
#include <string>

// What the version queries reported.
struct VersionFacts {
  bool versionQueried = false;  // the version record could be filled
  uint32_t major = 0;           // the true numbers, not the compatibility ones
  uint32_t minor = 0;
  uint8_t productType = 0;  // 1 for a workstation
  uint16_t suiteMask = 0;
  uint16_t processorArchitecture = 0;  // 9 for AMD64
  bool serverR2 = false;               // SM_SERVERR2 is set
  uint32_t productInfoType = 0;        // the edition number (Vista and later)
  std::string registryProductName;     // ProductName under the CurrentVersion key
};

// The name for the reported values; the empty text when the version is unknown, or a
// failure text naming the version when the edition is not one we know.
std::string SystemNameFrom(const VersionFacts& facts);

// Whether drop messages must be let through the message filter of a raised process: on
// every system whose name does not start with "Windows XP".
bool NeedsMessageFilter(const std::string& systemName);
