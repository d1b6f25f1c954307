#include "app/pe_image.h"

#include <algorithm>
#include <cstring>

namespace pe {
namespace {

constexpr uint32_t kDosHeaderSize = 64;
constexpr uint32_t kFileHeaderSize = 20;
constexpr uint32_t kSectionHeaderSize = 40;
constexpr uint32_t kImportDescriptorSize = 20;
constexpr uint32_t kExportDirectorySize = 40;
constexpr uint16_t kMagicPe32 = 0x10B;
constexpr uint16_t kMagicPe32Plus = 0x20B;
constexpr uint32_t kExportIndex = 0, kImportIndex = 1, kRelocationIndex = 5;
// Far beyond any library we load, and small enough to reserve anywhere.
constexpr uint32_t kMaxImageSize = 256u << 20;

constexpr uint32_t kDiscardable = 0x02000000;
constexpr uint32_t kNotCached = 0x04000000;
constexpr uint32_t kExecutable = 0x20000000;
constexpr uint32_t kReadable = 0x40000000;
constexpr uint32_t kWritable = 0x80000000;

constexpr int kRelocationHighLow = 3;
constexpr int kRelocationDir64 = 10;

// True when [offset, offset + size) lies inside `total` bytes.
bool Fits(uint64_t offset, uint64_t size, uint64_t total) {
  return offset <= total && size <= total - offset;
}

uint16_t Read16(std::span<const uint8_t> bytes, uint64_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}
uint32_t Read32(std::span<const uint8_t> bytes, uint64_t at) {
  return static_cast<uint32_t>(Read16(bytes, at)) | static_cast<uint32_t>(Read16(bytes, at + 2))
                                                        << 16;
}
uint64_t Read64(std::span<const uint8_t> bytes, uint64_t at) {
  return Read32(bytes, at) | static_cast<uint64_t>(Read32(bytes, at + 4)) << 32;
}
void Write32(std::span<uint8_t> bytes, uint64_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
void Write64(std::span<uint8_t> bytes, uint64_t at, uint64_t value) {
  Write32(bytes, at, static_cast<uint32_t>(value));
  Write32(bytes, at + 4, static_cast<uint32_t>(value >> 32));
}

// The zero-terminated text at `at`, when it ends inside the bytes.
std::optional<std::string> ReadText(std::span<const uint8_t> bytes, uint64_t at) {
  if (at >= bytes.size()) return std::nullopt;
  const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(at);
  const auto end = std::find(begin, bytes.end(), uint8_t{0});
  if (end == bytes.end()) return std::nullopt;
  return std::string(begin, end);
}

// The headers, checked only against the header bytes themselves.
std::optional<Headers> ReadHeaders(std::span<const uint8_t> image) {
  if (image.size() < kDosHeaderSize || image[0] != 'M' || image[1] != 'Z') return std::nullopt;
  Headers h;
  h.peOffset = Read32(image, 60);
  if (!Fits(h.peOffset, 4 + kFileHeaderSize, image.size())) return std::nullopt;
  if (std::memcmp(image.data() + h.peOffset, "PE\0\0", 4) != 0) return std::nullopt;
  const uint64_t fileHeader = h.peOffset + 4;
  h.machine = Read16(image, fileHeader);
  const uint16_t sectionCount = Read16(image, fileHeader + 2);
  const uint16_t optionalSize = Read16(image, fileHeader + 16);
  const uint64_t optional = fileHeader + kFileHeaderSize;
  if (!Fits(optional, optionalSize, image.size()) || optionalSize < 2) return std::nullopt;

  const uint16_t magic = Read16(image, optional);
  if (magic != kMagicPe32 && magic != kMagicPe32Plus) return std::nullopt;
  h.pe32Plus = magic == kMagicPe32Plus;
  const uint32_t directoriesAt = h.pe32Plus ? 112 : 96;
  if (optionalSize < directoriesAt) return std::nullopt;
  h.entryPoint = Read32(image, optional + 16);
  h.imageBaseOffset = static_cast<uint32_t>(optional + (h.pe32Plus ? 24 : 28));
  h.imageBase = h.pe32Plus ? Read64(image, h.imageBaseOffset) : Read32(image, h.imageBaseOffset);
  h.sectionAlignment = Read32(image, optional + 32);
  h.sizeOfImage = Read32(image, optional + 56);
  h.sizeOfHeaders = Read32(image, optional + 60);
  const uint32_t directoryCount = Read32(image, optional + directoriesAt - 4);
  const auto directory = [&](uint32_t index) {
    const uint64_t at = optional + directoriesAt + 8ull * index;
    if (index >= directoryCount || !Fits(at, 8, optional + optionalSize)) return DataDirectory{};
    return DataDirectory{Read32(image, at), Read32(image, at + 4)};
  };
  h.exports = directory(kExportIndex);
  h.imports = directory(kImportIndex);
  h.relocations = directory(kRelocationIndex);

  if (h.sizeOfImage == 0 || h.sizeOfImage > kMaxImageSize) return std::nullopt;
  const uint64_t sectionTable = optional + optionalSize;
  const uint64_t sectionTableSize = uint64_t{sectionCount} * kSectionHeaderSize;
  // The mapped copy keeps the headers: they must hold the section table.
  if (h.sizeOfHeaders > h.sizeOfImage || h.sizeOfHeaders > image.size() ||
      !Fits(sectionTable, sectionTableSize, h.sizeOfHeaders)) {
    return std::nullopt;
  }
  for (uint16_t i = 0; i < sectionCount; ++i) {
    const uint64_t at = sectionTable + uint64_t{i} * kSectionHeaderSize;
    Section s{Read32(image, at + 12), Read32(image, at + 8), Read32(image, at + 20),
              Read32(image, at + 16), Read32(image, at + 36)};
    if (!Fits(s.virtualAddress, std::max(s.virtualSize, s.rawSize), h.sizeOfImage)) {
      return std::nullopt;
    }
    h.sections.push_back(s);
  }
  return h;
}

// The absolute address stored in an import lookup entry or slot, and whether it names an
// ordinal.
struct Thunk {
  uint64_t value;
  bool byOrdinal;
};

Thunk ReadThunk(std::span<const uint8_t> mapped, uint64_t at, bool pe32Plus) {
  if (pe32Plus) {
    const uint64_t value = Read64(mapped, at);
    return {value, (value >> 63) != 0};
  }
  const uint32_t value = Read32(mapped, at);
  return {value, (value >> 31) != 0};
}

}  // namespace

std::optional<Headers> ReadImageFile(std::span<const uint8_t> file) {
  std::optional<Headers> headers = ReadHeaders(file);
  if (!headers) return std::nullopt;
  for (const Section& s : headers->sections) {
    if (s.rawSize != 0 && !Fits(s.rawOffset, s.rawSize, file.size())) return std::nullopt;
  }
  return headers;
}

void MapImage(const Headers& headers, std::span<const uint8_t> file, std::span<uint8_t> mapped,
              uint64_t base) {
  std::copy_n(file.begin(), headers.sizeOfHeaders, mapped.begin());
  for (const Section& s : headers.sections) {
    // Sections without raw data stay as the zeroed memory they were given.
    if (s.rawSize == 0) continue;
    std::copy_n(file.begin() + s.rawOffset, s.rawSize, mapped.begin() + s.virtualAddress);
  }
  if (headers.pe32Plus) {
    Write64(mapped, headers.imageBaseOffset, base);
  } else {
    Write32(mapped, headers.imageBaseOffset, static_cast<uint32_t>(base));
  }
}

bool Relocate(const Headers& headers, std::span<uint8_t> mapped, uint64_t base) {
  const uint64_t delta = base - headers.imageBase;
  if (delta == 0) return true;
  const DataDirectory dir = headers.relocations;
  if (dir.size == 0) return false;
  if (!Fits(dir.rva, dir.size, mapped.size())) return false;
  uint64_t block = dir.rva;
  const uint64_t end = uint64_t{dir.rva} + dir.size;
  while (block + 8 <= end) {
    const uint32_t page = Read32(mapped, block);
    const uint32_t blockSize = Read32(mapped, block + 4);
    if (page == 0) break;
    if (blockSize < 8 || blockSize > end - block) return false;
    for (uint64_t entry = block + 8; entry + 2 <= block + blockSize; entry += 2) {
      const uint16_t value = Read16(mapped, entry);
      const int type = value >> 12;
      const uint64_t target = uint64_t{page} + (value & 0xFFF);
      if (type == kRelocationHighLow) {
        if (!Fits(target, 4, mapped.size())) return false;
        Write32(mapped, target, Read32(mapped, target) + static_cast<uint32_t>(delta));
      } else if (type == kRelocationDir64 && headers.pe32Plus) {
        if (!Fits(target, 8, mapped.size())) return false;
        Write64(mapped, target, Read64(mapped, target) + delta);
      }
    }
    block += blockSize;
  }
  return true;
}

bool ResolveImports(const Headers& headers, std::span<uint8_t> mapped, ImportResolver& resolver) {
  if (headers.imports.size == 0) return true;
  const uint32_t width = headers.pe32Plus ? 8 : 4;
  for (uint64_t at = headers.imports.rva; Fits(at, kImportDescriptorSize, mapped.size());
       at += kImportDescriptorSize) {
    const uint32_t nameRva = Read32(mapped, at + 12);
    if (nameRva == 0) break;
    const std::optional<std::string> library = ReadText(mapped, nameRva);
    if (!library || !resolver.OpenLibrary(*library)) return false;
    const uint32_t lookupRva = Read32(mapped, at);
    const uint32_t slotRva = Read32(mapped, at + 16);
    uint64_t lookup = lookupRva != 0 ? lookupRva : slotRva;
    for (uint64_t slot = slotRva;; lookup += width, slot += width) {
      if (!Fits(lookup, width, mapped.size()) || !Fits(slot, width, mapped.size())) return false;
      const Thunk thunk = ReadThunk(mapped, lookup, headers.pe32Plus);
      if (thunk.value == 0) break;
      uint64_t address = 0;
      if (thunk.byOrdinal) {
        address = resolver.FindByOrdinal(static_cast<uint16_t>(thunk.value & 0xFFFF));
      } else {
        // A name entry holds the address of a two-byte hint followed by the name.
        const std::optional<std::string> name = ReadText(mapped, (thunk.value & 0x7FFFFFFF) + 2);
        if (!name) return false;
        address = resolver.FindByName(*name);
      }
      if (address == 0) return false;
      if (headers.pe32Plus) {
        Write64(mapped, slot, address);
      } else {
        Write32(mapped, slot, static_cast<uint32_t>(address));
      }
    }
  }
  return true;
}

std::vector<Export> ReadExports(const Headers& headers, std::span<const uint8_t> mapped) {
  std::vector<Export> exports;
  const DataDirectory dir = headers.exports;
  if (dir.size == 0 || !Fits(dir.rva, kExportDirectorySize, mapped.size())) return exports;
  const uint32_t functionCount = Read32(mapped, dir.rva + 20);
  const uint32_t nameCount = Read32(mapped, dir.rva + 24);
  const uint32_t functions = Read32(mapped, dir.rva + 28);
  const uint32_t names = Read32(mapped, dir.rva + 32);
  const uint32_t ordinals = Read32(mapped, dir.rva + 36);
  if (functionCount == 0 || nameCount == 0) return exports;
  if (!Fits(functions, 4ull * functionCount, mapped.size()) ||
      !Fits(names, 4ull * nameCount, mapped.size()) ||
      !Fits(ordinals, 2ull * nameCount, mapped.size())) {
    return exports;
  }
  for (uint32_t i = 0; i < nameCount; ++i) {
    std::optional<std::string> name = ReadText(mapped, Read32(mapped, names + 4ull * i));
    if (!name) continue;
    const uint16_t index = Read16(mapped, ordinals + 2ull * i);
    uint32_t rva = index < functionCount ? Read32(mapped, functions + 4ull * index) : 0;
    if (rva >= mapped.size()) rva = 0;
    exports.push_back({std::move(*name), rva});
  }
  return exports;
}

uint32_t FindExport(const std::vector<Export>& exports, std::string_view name) {
  for (const Export& e : exports) {
    if (e.name == name) return e.rva;
  }
  return 0;
}

uint32_t FindExport(const Headers& headers, std::span<const uint8_t> mapped,
                    std::string_view name) {
  return FindExport(ReadExports(headers, mapped), name);
}

bool EntryPointIsCode(const Headers& headers) {
  if (headers.entryPoint == 0) return true;
  for (const Section& s : headers.sections) {
    const uint32_t size = std::max(s.virtualSize, s.rawSize);
    if (headers.entryPoint >= s.virtualAddress && headers.entryPoint - s.virtualAddress < size) {
      return (s.characteristics & kExecutable) && !(s.characteristics & kDiscardable);
    }
  }
  return false;
}

uint32_t SectionProtection(uint32_t characteristics) {
  // Indexed by [executable][readable][writable].
  constexpr uint32_t kTable[2][2][2] = {
      {{kNoAccess, kWriteCopy}, {kReadOnly, kReadWrite}},
      {{kExecute, kExecuteWriteCopy}, {kExecuteRead, kExecuteReadWrite}},
  };
  const bool executable = characteristics & kExecutable;
  const bool readable = characteristics & kReadable;
  const bool writable = characteristics & kWritable;
  uint32_t protection = kTable[executable][readable][writable];
  if (characteristics & kNotCached) protection |= kNoCache;
  return protection;
}

std::vector<ProtectionStep> PlanProtection(const Headers& headers) {
  std::vector<ProtectionStep> steps;
  for (const Section& s : headers.sections) {
    const uint32_t size = s.virtualSize != 0 ? s.virtualSize : s.rawSize;
    if (size == 0) continue;
    if (s.characteristics & kDiscardable) {
      steps.push_back({s.virtualAddress, size, true, 0});
    } else {
      steps.push_back({s.virtualAddress, size, false, SectionProtection(s.characteristics)});
    }
  }
  return steps;
}

}  // namespace pe
