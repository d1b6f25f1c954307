#include "app/system_name.h"

#include <gtest/gtest.h>

namespace {

VersionFacts Facts(uint32_t major, uint32_t minor, uint8_t productType, uint32_t edition = 1) {
  VersionFacts facts;
  facts.versionQueried = true;
  facts.major = major;
  facts.minor = minor;
  facts.productType = productType;
  facts.productInfoType = edition;
  facts.registryProductName = "Windows Server 2016 Datacenter";
  return facts;
}

constexpr uint8_t kWorkstation = 1, kServer = 3;

}  // namespace

TEST(SystemName, NamesEachVersionAndProductType) {
  struct Case {
    VersionFacts facts;
    std::string name;
  };
  VersionFacts xp64 = Facts(5, 2, kWorkstation);
  xp64.processorArchitecture = 9;
  VersionFacts x86Workstation5_2 = Facts(5, 2, kWorkstation);
  VersionFacts r2 = Facts(5, 2, kServer);
  r2.serverR2 = true;
  r2.suiteMask = 0x2000;
  VersionFacts storage = Facts(5, 2, kServer);
  storage.suiteMask = 0x2000 | 0x8000;
  VersionFacts home = Facts(5, 2, kServer);
  home.suiteMask = 0x8000;
  VersionFacts missingRegistry = Facts(10, 0, kServer, 8);
  missingRegistry.registryProductName = "";
  const Case cases[] = {
      {Facts(10, 0, kWorkstation, 48), "Windows 10"},
      {Facts(10, 0, kWorkstation, 101), "获取失败，请检查版本:10.0"},
      {Facts(10, 0, kServer, 7), "Windows Server 2016 Datacenter"},
      {Facts(10, 0, kServer, 8), "Windows Server 2016 Datacenter"},
      {missingRegistry, ""},
      {Facts(10, 1, kWorkstation), ""},
      {Facts(6, 0, kWorkstation), "Windows Vista"},
      {Facts(6, 0, kServer), "Windows Server 2008"},
      {Facts(6, 1, kWorkstation, 1), "Windows 7"},
      {Facts(6, 1, kServer, 8), "Windows Server 2008 R2"},
      {Facts(6, 1, kWorkstation, 28), "获取失败，请检查版本:6.1"},
      {Facts(6, 2, kWorkstation), "Windows 8"},
      {Facts(6, 2, kServer), "Windows Server 2012"},
      {Facts(6, 3, kWorkstation), "Windows 8.1"},
      {Facts(6, 3, kServer), "Windows Server 2012 R2"},
      {Facts(6, 4, kWorkstation), ""},
      {Facts(5, 0, kServer), "Windows 2000"},
      {Facts(5, 1, kWorkstation, 0), "Windows XP"},
      {Facts(5, 1, kServer, 0), "Windows XP"},
      {xp64, "Windows XP Professional x64 Edition"},
      {x86Workstation5_2, "Windows Server 2003, "},
      {r2, "Windows Server 2003 R2, "},
      {storage, "Windows Storage Server 2003"},
      {home, "Windows Home Server"},
      {Facts(5, 3, kWorkstation), ""},
      {Facts(4, 10, kWorkstation), "Windows 98"},
      {Facts(4, 0, kWorkstation), ""},
      {Facts(11, 0, kWorkstation), ""},
      {Facts(11, 0, kWorkstation, 101), "获取失败，请检查版本:11.0"},
      {Facts(3, 51, kWorkstation), ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SystemNameFrom(c.facts), c.name) << c.facts.major << "." << c.facts.minor;
  }
}

TEST(SystemName, EditionTableDecidesOnVistaAndLater) {
  const uint32_t known[] = {1,  2,  3,  4,  6,  7,  8,  9,  10, 11, 12, 13,
                            14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 25, 48};
  for (uint32_t type : known) {
    EXPECT_EQ(SystemNameFrom(Facts(6, 1, kWorkstation, type)), "Windows 7") << type;
  }
  for (uint32_t type : {0u, 5u, 24u, 26u, 47u, 49u, 101u}) {
    EXPECT_EQ(SystemNameFrom(Facts(6, 1, kWorkstation, type)), "获取失败，请检查版本:6.1") << type;
  }
  // Before Vista the edition is never asked for.
  EXPECT_EQ(SystemNameFrom(Facts(5, 1, kWorkstation, 101)), "Windows XP");
}

TEST(SystemName, FailedVersionQueryGivesTheEmptyName) {
  VersionFacts facts = Facts(6, 1, kWorkstation);
  facts.versionQueried = false;
  EXPECT_EQ(SystemNameFrom(facts), "");
}

TEST(SystemName, OnlyWindowsXpLeavesTheMessageFilterAlone) {
  EXPECT_FALSE(NeedsMessageFilter("Windows XP"));
  EXPECT_FALSE(NeedsMessageFilter("Windows XP Professional x64 Edition"));
  EXPECT_TRUE(NeedsMessageFilter("Windows 7"));
  EXPECT_TRUE(NeedsMessageFilter("Windows X"));
  EXPECT_TRUE(NeedsMessageFilter("windows xp"));
  EXPECT_TRUE(NeedsMessageFilter(""));
  EXPECT_TRUE(NeedsMessageFilter("获取失败，请检查版本:10.0"));
}
