#include "app/system_name.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr uint8_t kWorkstation = 1;
constexpr uint16_t kProcessorAmd64 = 9;
constexpr uint16_t kSuiteStorageServer = 0x2000;
constexpr uint16_t kSuiteHomeServer = 0x8000;

// Editions known to the naming: Ultimate 1 ... Small Business Server Premium 25 (without 5
// and 24), and Professional 48.
bool KnownEdition(uint32_t type) {
  constexpr uint32_t kKnown[] = {1,  2,  3,  4,  6,  7,  8,  9,  10, 11, 12, 13,
                                 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 25, 48};
  return std::find(std::begin(kKnown), std::end(kKnown), type) != std::end(kKnown);
}

std::string Windows5_2Name(const VersionFacts& facts, bool workstation) {
  if (facts.serverR2) return "Windows Server 2003 R2, ";
  if (facts.suiteMask & kSuiteStorageServer) return "Windows Storage Server 2003";
  if (facts.suiteMask & kSuiteHomeServer) return "Windows Home Server";
  if (workstation && facts.processorArchitecture == kProcessorAmd64) {
    return "Windows XP Professional x64 Edition";
  }
  return "Windows Server 2003, ";
}

std::string NameByVersion(const VersionFacts& facts) {
  const bool workstation = facts.productType == kWorkstation;
  const auto pick = [workstation](const char* desktop, const char* server) {
    return std::string(workstation ? desktop : server);
  };
  switch (facts.major) {
    case 10:
      if (facts.minor != 0) return "";
      return workstation ? "Windows 10" : facts.registryProductName;
    case 6:
      switch (facts.minor) {
        case 0:
          return pick("Windows Vista", "Windows Server 2008");
        case 1:
          return pick("Windows 7", "Windows Server 2008 R2");
        case 2:
          return pick("Windows 8", "Windows Server 2012");
        case 3:
          return pick("Windows 8.1", "Windows Server 2012 R2");
        default:
          return "";
      }
    case 5:
      switch (facts.minor) {
        case 0:
          return "Windows 2000";
        case 1:
          return "Windows XP";
        case 2:
          return Windows5_2Name(facts, workstation);
        default:
          return "";
      }
    case 4:
      return facts.minor == 10 ? "Windows 98" : "";
    default:
      return "";
  }
}

}  // namespace

std::string SystemNameFrom(const VersionFacts& facts) {
  if (!facts.versionQueried) return "";
  std::string name = NameByVersion(facts);
  if (facts.major >= 6 && !KnownEdition(facts.productInfoType)) {
    return "获取失败，请检查版本:" + std::to_string(facts.major) + "." +
           std::to_string(facts.minor);
  }
  return name;
}

bool NeedsMessageFilter(const std::string& systemName) {
  return systemName.compare(0, 10, "Windows XP") != 0;
}
