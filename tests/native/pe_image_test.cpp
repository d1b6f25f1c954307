// The loader's image steps over the real skin engine libraries (i686 and x86_64), and over
// damaged copies of them.
#include "app/pe_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <set>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

uint32_t Get32(const Bytes& b, size_t at) {
  uint32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}
uint64_t GetWord(const Bytes& b, size_t at, int width) {
  uint64_t v = 0;
  std::memcpy(&v, b.data() + at, width);
  return v;
}
void Put16(Bytes& b, size_t at, uint16_t v) {
  std::memcpy(b.data() + at, &v, 2);
}
void Put32(Bytes& b, size_t at, uint32_t v) {
  std::memcpy(b.data() + at, &v, 4);
}

// Records what the loader asks for and hands out made-up addresses.
class FakeResolver : public pe::ImportResolver {
 public:
  bool OpenLibrary(const std::string& name) override {
    libraries.push_back(name);
    return name != refusedLibrary;
  }
  uint64_t FindByName(const std::string& name) override {
    names.push_back(name);
    return name == missingName ? 0 : Next();
  }
  uint64_t FindByOrdinal(uint16_t ordinal) override {
    ordinals.push_back(ordinal);
    return Next();
  }
  uint64_t Next() {
    const uint64_t address = 0x7F000000 + 0x10 * given.size();
    given.push_back(address);
    return address;
  }

  std::string refusedLibrary;
  std::string missingName;
  std::vector<std::string> libraries;
  std::vector<std::string> names;
  std::vector<uint16_t> ordinals;
  std::vector<uint64_t> given;
};

struct Library {
  const char* path;
  uint16_t machine;
  bool pe32Plus;
  int width;  // bytes of an address
};

class PeImageTest : public testing::TestWithParam<Library> {
 protected:
  void SetUp() override {
    file = ReadFile(GetParam().path);
    ASSERT_GT(file.size(), 1024u) << GetParam().path;
    auto read = pe::ReadImageFile(file);
    ASSERT_TRUE(read);
    headers = *read;
  }

  Bytes Map(uint64_t base) const {
    Bytes mapped(headers.sizeOfImage);
    pe::MapImage(headers, file, mapped, base);
    return mapped;
  }

  Bytes file;
  pe::Headers headers;
};

TEST_P(PeImageTest, ReadsTheHeadersOfTheRealLibrary) {
  EXPECT_EQ(headers.machine, GetParam().machine);
  EXPECT_EQ(headers.pe32Plus, GetParam().pe32Plus);
  EXPECT_NE(headers.entryPoint, 0u);
  EXPECT_NE(headers.exports.size, 0u);
  EXPECT_NE(headers.imports.size, 0u);
  EXPECT_NE(headers.relocations.size, 0u);
  EXPECT_GE(headers.sections.size(), 4u);
  EXPECT_EQ(headers.sectionAlignment, 0x1000u);
}

TEST_P(PeImageTest, MapsSectionsAtTheirAddressesAndRecordsTheBase) {
  const uint64_t base = headers.imageBase + 0x250000;
  const Bytes mapped = Map(base);
  EXPECT_TRUE(std::equal(file.begin(), file.begin() + 64, mapped.begin()));
  EXPECT_EQ(GetWord(mapped, headers.imageBaseOffset, GetParam().width), base);
  for (const pe::Section& s : headers.sections) {
    if (s.rawSize == 0) {
      EXPECT_TRUE(std::all_of(mapped.begin() + s.virtualAddress,
                              mapped.begin() + s.virtualAddress + s.virtualSize,
                              [](uint8_t b) { return b == 0; }));
    } else {
      EXPECT_TRUE(std::equal(file.begin() + s.rawOffset, file.begin() + s.rawOffset + s.rawSize,
                             mapped.begin() + s.virtualAddress));
    }
  }
}

// Every word that relocation changes moves by exactly the distance between the two bases,
// and lands inside the moved image.
TEST_P(PeImageTest, RelocationMovesEveryAbsoluteAddressByTheDistance) {
  const int width = GetParam().width;
  const Bytes atPreferred = Map(headers.imageBase);
  Bytes unchanged = atPreferred;
  ASSERT_TRUE(pe::Relocate(headers, unchanged, headers.imageBase));
  EXPECT_EQ(unchanged, atPreferred);

  // Distances with a low byte that is not 0 change the first byte of every moved word.
  const uint64_t bases[] = {headers.imageBase + 0x3450001, headers.imageBase - 0x1230001};
  for (uint64_t base : bases) {
    Bytes moved = Map(base);
    Bytes before = moved;
    ASSERT_TRUE(pe::Relocate(headers, moved, base));
    int changed = 0;
    for (size_t at = 0; at + width <= moved.size(); ++at) {
      if (moved[at] == before[at]) continue;
      const uint64_t mask = width == 8 ? ~0ull : 0xFFFFFFFFull;
      const uint64_t value = GetWord(moved, at, width);
      EXPECT_EQ(value, (GetWord(before, at, width) + (base - headers.imageBase)) & mask) << at;
      EXPECT_LT(value - (base & mask), headers.sizeOfImage) << at;
      ++changed;
      at += width - 1;
    }
    EXPECT_GT(changed, 10);
  }
}

TEST_P(PeImageTest, ImportsAreFilledFromTheResolverInTableOrder) {
  Bytes mapped = Map(headers.imageBase);
  const Bytes before = mapped;
  FakeResolver resolver;
  ASSERT_TRUE(pe::ResolveImports(headers, mapped, resolver));
  std::set<std::string> libraries;
  for (std::string name : resolver.libraries) {
    std::transform(name.begin(), name.end(), name.begin(), ::toupper);
    libraries.insert(name);
  }
  EXPECT_EQ(libraries, (std::set<std::string>{"GDI32.DLL", "KERNEL32.DLL", "USER32.DLL"}));
  for (const char* name :
       {"SetWindowsHookExA", "CallWindowProcA", "CreateSolidBrush", "GetCurrentThreadId"}) {
    EXPECT_NE(std::find(resolver.names.begin(), resolver.names.end(), name), resolver.names.end())
        << name;
  }
  EXPECT_TRUE(resolver.ordinals.empty());
  // Each address handed out went into exactly one slot, and nothing else changed.
  const int width = GetParam().width;
  std::map<uint64_t, int> slots;
  for (size_t at = 0; at + width <= mapped.size(); at += width) {
    if (std::memcmp(mapped.data() + at, before.data() + at, width) != 0) {
      ++slots[GetWord(mapped, at, width)];
    }
  }
  EXPECT_EQ(slots.size(), resolver.given.size());
  for (uint64_t address : resolver.given) EXPECT_EQ(slots[address], 1) << address;
}

TEST_P(PeImageTest, ImportsByOrdinalAskForTheLowSixteenBits) {
  Bytes mapped = Map(headers.imageBase);
  // Turn the first lookup entry of the first library into an import by ordinal 0x1234.
  const uint32_t lookup = Get32(mapped, headers.imports.rva);
  const uint64_t ordinal = GetParam().pe32Plus ? (1ull << 63) | 0xAB1234 : 0x80AB1234;
  std::memcpy(mapped.data() + lookup, &ordinal, GetParam().width);
  FakeResolver resolver;
  ASSERT_TRUE(pe::ResolveImports(headers, mapped, resolver));
  EXPECT_EQ(resolver.ordinals, std::vector<uint16_t>{0x1234});
}

TEST_P(PeImageTest, AMissingLibraryOrFunctionFailsTheImports) {
  FakeResolver noLibrary;
  noLibrary.refusedLibrary = "USER32.dll";
  Bytes mapped = Map(headers.imageBase);
  EXPECT_FALSE(pe::ResolveImports(headers, mapped, noLibrary));
  EXPECT_EQ(noLibrary.libraries.back(), "USER32.dll");

  FakeResolver noFunction;
  noFunction.missingName = "CreateSolidBrush";
  mapped = Map(headers.imageBase);
  EXPECT_FALSE(pe::ResolveImports(headers, mapped, noFunction));
  EXPECT_EQ(noFunction.names.back(), "CreateSolidBrush");
}

TEST_P(PeImageTest, ExportsAreFoundByTheirExactName) {
  const Bytes mapped = Map(headers.imageBase);
  std::set<uint32_t> found;
  for (const char* name : {"SkinH_AttachRes", "SkinH_AdjustHSV", "SkinH_Detach"}) {
    const uint32_t rva = pe::FindExport(headers, mapped, name);
    EXPECT_NE(rva, 0u) << name;
    found.insert(rva);
    const pe::Section& text = headers.sections.front();
    EXPECT_GE(rva, text.virtualAddress);
    EXPECT_LT(rva, text.virtualAddress + text.virtualSize);
  }
  EXPECT_EQ(found.size(), 3u);
  const std::vector<pe::Export> exports = pe::ReadExports(headers, mapped);
  ASSERT_EQ(exports.size(), 3u);
  EXPECT_EQ(pe::FindExport(exports, "SkinH_Detach"),
            pe::FindExport(headers, mapped, "SkinH_Detach"));
  for (const char* name : {"skinh_attachres", "SKINH_DETACH", "SkinH_Attach", "SkinH_DetachX", "",
                           "SkinEngineEntry"}) {
    EXPECT_EQ(pe::FindExport(headers, mapped, name), 0u) << name;
  }
}

TEST_P(PeImageTest, TheEntryPointMustLieInCodeThatStays) {
  EXPECT_TRUE(pe::EntryPointIsCode(headers));
  pe::Headers changed = headers;
  changed.entryPoint = 0;
  EXPECT_TRUE(pe::EntryPointIsCode(changed));
  changed.entryPoint = headers.sections[1].virtualAddress;  // read-only data
  EXPECT_FALSE(pe::EntryPointIsCode(changed));
  changed.entryPoint = headers.sizeOfImage + 0x100;
  EXPECT_FALSE(pe::EntryPointIsCode(changed));
  changed = headers;
  changed.sections[0].characteristics |= 0x02000000;  // discardable code
  EXPECT_FALSE(pe::EntryPointIsCode(changed));
}

// The first of two equal names wins, and names are compared byte for byte.
TEST(PeImage, FindExportTakesTheFirstExactName) {
  const std::vector<pe::Export> exports = {{"Attach", 0x10}, {"attach", 0x20}, {"Attach", 0x30}};
  EXPECT_EQ(pe::FindExport(exports, "Attach"), 0x10u);
  EXPECT_EQ(pe::FindExport(exports, "attach"), 0x20u);
  EXPECT_EQ(pe::FindExport(exports, "ATTACH"), 0u);
}

TEST_P(PeImageTest, DamagedExportTablesFindNothing) {
  const uint32_t dir = headers.exports.rva;
  Bytes badIndex = Map(headers.imageBase);
  const uint32_t ordinals = Get32(badIndex, dir + 36);
  for (int i = 0; i < 3; ++i) Put16(badIndex, ordinals + 2 * i, 7);
  EXPECT_EQ(pe::FindExport(headers, badIndex, "SkinH_Detach"), 0u);

  Bytes hugeCount = Map(headers.imageBase);
  Put32(hugeCount, dir + 24, 0x40000000);
  EXPECT_EQ(pe::FindExport(headers, hugeCount, "SkinH_Detach"), 0u);

  Bytes nameOutside = Map(headers.imageBase);
  const uint32_t names = Get32(nameOutside, dir + 32);
  for (int i = 0; i < 3; ++i) Put32(nameOutside, names + 4 * i, 0xFFFFFF00);
  EXPECT_EQ(pe::FindExport(headers, nameOutside, "SkinH_Detach"), 0u);
}

TEST_P(PeImageTest, ProtectionFollowsEachSectionsCharacteristics) {
  const std::vector<pe::ProtectionStep> steps = pe::PlanProtection(headers);
  ASSERT_EQ(steps.size(), headers.sections.size());
  std::map<uint32_t, pe::ProtectionStep> byAddress;
  for (const pe::ProtectionStep& step : steps) byAddress[step.rva] = step;
  const auto& s = headers.sections;
  // .text, .rdata, .bss (no raw data: its whole size), .reloc (discardable).
  EXPECT_EQ(byAddress[s[0].virtualAddress],
            (pe::ProtectionStep{s[0].virtualAddress, s[0].virtualSize, false, pe::kExecuteRead}));
  EXPECT_EQ(byAddress[s[1].virtualAddress].protection, pe::kReadOnly);
  EXPECT_EQ(byAddress[s[2].virtualAddress],
            (pe::ProtectionStep{s[2].virtualAddress, s[2].virtualSize, false, pe::kReadWrite}));
  EXPECT_TRUE(byAddress[s.back().virtualAddress].decommit);
}

INSTANTIATE_TEST_SUITE_P(Machines, PeImageTest,
                         testing::Values(Library{SKIN_ENGINE_I686, pe::kMachineI386, false, 4},
                                         Library{SKIN_ENGINE_X86_64, pe::kMachineAmd64, true, 8}),
                         [](const auto& info) {
                           return std::string(info.param.pe32Plus ? "X86_64" : "I686");
                         });

TEST(PeImage, SectionProtectionTable) {
  constexpr uint32_t X = 0x20000000, R = 0x40000000, W = 0x80000000, NoCache = 0x04000000;
  const std::pair<uint32_t, uint32_t> cases[] = {
      {0, pe::kNoAccess},
      {W, pe::kWriteCopy},
      {R, pe::kReadOnly},
      {R | W, pe::kReadWrite},
      {X, pe::kExecute},
      {X | W, pe::kExecuteWriteCopy},
      {X | R, pe::kExecuteRead},
      {X | R | W, pe::kExecuteReadWrite},
      {X | R | NoCache, pe::kExecuteRead | pe::kNoCache},
      {R | 0x40, pe::kReadOnly},
  };
  for (auto [characteristics, protection] : cases) {
    EXPECT_EQ(pe::SectionProtection(characteristics), protection) << std::hex << characteristics;
  }
}

// Damaged copies of a real image are refused by the step that meets the damage, never read
// out of bounds (the sanitizers watch).
TEST(PeImage, DamagedImagesAreRefused) {
  const Bytes good = ReadFile(SKIN_ENGINE_I686);
  const auto headers = pe::ReadImageFile(good);
  ASSERT_TRUE(headers);
  const uint32_t pe = headers->peOffset;
  const uint32_t optional = pe + 24;
  const uint32_t sections = optional + 224;
  struct Case {
    const char* what;
    std::function<void(Bytes&)> damage;
  };
  const Case cases[] = {
      {"empty", [](Bytes& b) { b.clear(); }},
      {"no MZ", [](Bytes& b) { b[1] = 'X'; }},
      {"cut inside the DOS header", [](Bytes& b) { b.resize(40); }},
      {"signature offset past the end", [](Bytes& b) { Put32(b, 60, 0xFFFFFFF0); }},
      {"signature offset at the end", [&](Bytes& b) { Put32(b, 60, uint32_t(b.size() - 2)); }},
      {"no PE signature", [&](Bytes& b) { b[pe + 2] = 1; }},
      {"cut inside the optional header", [&](Bytes& b) { b.resize(optional + 50); }},
      {"unknown optional header magic", [&](Bytes& b) { Put16(b, optional, 0x107); }},
      {"optional header too short", [&](Bytes& b) { Put16(b, pe + 20, 60); }},
      {"optional header beyond the file", [&](Bytes& b) { Put16(b, pe + 20, 0xFFFF); }},
      {"section table beyond the headers", [&](Bytes& b) { Put16(b, pe + 6, 200); }},
      {"size of image zero", [&](Bytes& b) { Put32(b, optional + 56, 0); }},
      {"size of image huge", [&](Bytes& b) { Put32(b, optional + 56, 0xFFFFF000); }},
      {"headers larger than the image", [&](Bytes& b) { Put32(b, optional + 60, 0x100000); }},
      {"section raw data past the end", [&](Bytes& b) { Put32(b, sections + 20, 0x7FFFFF00); }},
      {"section raw size past the end", [&](Bytes& b) { Put32(b, sections + 16, 0x10000000); }},
      {"section outside the image", [&](Bytes& b) { Put32(b, sections + 12, 0x7FFFF000); }},
      {"cut in the last section", [](Bytes& b) { b.resize(b.size() - 100); }},
  };
  for (const Case& c : cases) {
    Bytes damaged = good;
    c.damage(damaged);
    EXPECT_FALSE(pe::ReadImageFile(damaged)) << c.what;
  }
}

TEST(PeImage, DamagedRelocationsAndImportsFailTheirStep) {
  const Bytes file = ReadFile(SKIN_ENGINE_X86_64);
  auto headers = pe::ReadImageFile(file);
  ASSERT_TRUE(headers);
  const uint64_t base = headers->imageBase + 0x10000;
  Bytes mapped(headers->sizeOfImage);
  auto fresh = [&] {
    std::fill(mapped.begin(), mapped.end(), 0);
    pe::MapImage(*headers, file, mapped, base);
  };
  const uint32_t relocs = headers->relocations.rva;

  fresh();
  Put32(mapped, relocs + 4, 4);  // block smaller than its own header
  EXPECT_FALSE(pe::Relocate(*headers, mapped, base));
  fresh();
  Put32(mapped, relocs + 4, 0x10000);  // block longer than the directory
  EXPECT_FALSE(pe::Relocate(*headers, mapped, base));
  fresh();
  Put32(mapped, relocs, headers->sizeOfImage - 2);  // entries point past the image
  EXPECT_FALSE(pe::Relocate(*headers, mapped, base));

  pe::Headers noRelocations = *headers;
  noRelocations.relocations = {};
  fresh();
  EXPECT_FALSE(pe::Relocate(noRelocations, mapped, base));
  EXPECT_TRUE(pe::Relocate(noRelocations, mapped, headers->imageBase));

  pe::Headers outside = *headers;
  outside.relocations.rva = headers->sizeOfImage - 4;
  fresh();
  EXPECT_FALSE(pe::Relocate(outside, mapped, base));

  FakeResolver resolver;
  const uint32_t imports = headers->imports.rva;
  fresh();
  Put32(mapped, imports + 12, headers->sizeOfImage + 10);  // library name outside
  EXPECT_FALSE(pe::ResolveImports(*headers, mapped, resolver));
  fresh();
  Put32(mapped, imports, headers->sizeOfImage - 4);  // lookup table runs out of the image
  Put32(mapped, imports + 16, headers->sizeOfImage - 4);
  EXPECT_FALSE(pe::ResolveImports(*headers, mapped, resolver));
  fresh();
  const uint32_t lookup = Get32(mapped, imports);
  Put32(mapped, lookup, headers->sizeOfImage - 1);  // function name runs out of the image
  Put32(mapped, lookup + 4, 0);
  EXPECT_FALSE(pe::ResolveImports(*headers, mapped, resolver));
  pe::Headers lastDescriptor = *headers;
  lastDescriptor.imports.rva = headers->sizeOfImage - 10;  // no whole descriptor left
  fresh();
  EXPECT_TRUE(pe::ResolveImports(lastDescriptor, mapped, resolver));
}

// Random damage anywhere in the headers and tables: every step either refuses or works
// inside the bounds.
TEST(PeImage, RandomDamageNeverReadsOutOfBounds) {
  for (const char* path : {SKIN_ENGINE_I686, SKIN_ENGINE_X86_64}) {
    const Bytes good = ReadFile(path);
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
      Bytes damaged = good;
      const int flips = 1 + static_cast<int>(random() % 8);
      for (int i = 0; i < flips; ++i) {
        // Mostly the headers, otherwise anywhere.
        const size_t at = random() % 2 ? random() % 0x400 : random() % damaged.size();
        damaged[at] = static_cast<uint8_t>(random());
      }
      if (round % 10 == 0) damaged.resize(random() % damaged.size());
      const auto headers = pe::ReadImageFile(damaged);
      if (!headers) continue;
      Bytes mapped(headers->sizeOfImage);
      pe::MapImage(*headers, damaged, mapped, headers->imageBase ^ 0x7770000);
      pe::Relocate(*headers, mapped, headers->imageBase ^ 0x7770000);
      FakeResolver resolver;
      pe::ResolveImports(*headers, mapped, resolver);
      pe::FindExport(*headers, mapped, "SkinH_Detach");
      pe::PlanProtection(*headers);
    }
  }
}

}  // namespace
