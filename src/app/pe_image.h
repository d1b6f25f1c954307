// The Windows-free half of our in-memory library loader: reading the headers of a library
// file image (PE32 or PE32+), copying it into its mapped layout, applying base relocations,
// filling its import table through a resolver, finding exports and planning the page
// protection of its sections. Every offset and size is checked against the bytes at hand,
// so a malformed or truncated image is refused instead of read out of bounds. The Win32
// loader supplies the memory and the system's libraries.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pe {

inline constexpr uint16_t kMachineI386 = 0x014C;
inline constexpr uint16_t kMachineAmd64 = 0x8664;

struct DataDirectory {
  uint32_t rva = 0;
  uint32_t size = 0;
};

struct Section {
  uint32_t virtualAddress = 0;
  uint32_t virtualSize = 0;
  uint32_t rawOffset = 0;
  uint32_t rawSize = 0;
  uint32_t characteristics = 0;
};

struct Headers {
  uint32_t peOffset = 0;  // of the "PE\0\0" signature
  uint16_t machine = 0;
  bool pe32Plus = false;
  uint64_t imageBase = 0;  // the preferred base
  uint32_t imageBaseOffset = 0;
  uint32_t sectionAlignment = 0;
  uint32_t sizeOfImage = 0;
  uint32_t sizeOfHeaders = 0;
  uint32_t entryPoint = 0;
  DataDirectory exports;
  DataDirectory imports;
  DataDirectory relocations;
  std::vector<Section> sections;
};

// The headers of a library file image, checked against the file: the signatures, every
// header inside the headers' size, the headers and each section's raw data inside the file,
// each section inside the image's size. Nothing for anything else.
std::optional<Headers> ReadImageFile(std::span<const uint8_t> file);

// Copies the headers and the sections' raw data of a file accepted by ReadImageFile into
// `mapped` (sizeOfImage zeroed bytes that will live at `base`) and records `base` as the
// copy's ImageBase.
void MapImage(const Headers& headers, std::span<const uint8_t> file, std::span<uint8_t> mapped,
              uint64_t base);

// Adds base - preferred base to every absolute address the relocation directory lists
// (32-bit entries, and 64-bit ones in a PE32+ image). False when the image cannot move:
// it lies elsewhere but has no relocations, or a block or entry leaves the image.
bool Relocate(const Headers& headers, std::span<uint8_t> mapped, uint64_t base);

// Where imported functions come from.
class ImportResolver {
 public:
  virtual ~ImportResolver() = default;
  // Loads a library by name; false when it cannot be loaded. Later look-ups go to it.
  virtual bool OpenLibrary(const std::string& name) = 0;
  // Address of a function of the library opened last; 0 when it has none.
  virtual uint64_t FindByName(const std::string& name) = 0;
  virtual uint64_t FindByOrdinal(uint16_t ordinal) = 0;
};

// Fills the import address table of a mapped image, library by library. False at the first
// library or function that cannot be found, or at a table that leaves the image.
bool ResolveImports(const Headers& headers, std::span<uint8_t> mapped, ImportResolver& resolver);

struct Export {
  std::string name;
  uint32_t rva = 0;  // 0 when its ordinal lies outside the function table
  bool operator==(const Export&) const = default;
};

// The named exports of a mapped image, in the order of its name table; names that leave the
// image are left out.
std::vector<Export> ReadExports(const Headers& headers, std::span<const uint8_t> mapped);

// The address (relative to the image) of the first export named exactly `name`, byte for
// byte; 0 when the image exports no such name.
uint32_t FindExport(const Headers& headers, std::span<const uint8_t> mapped, std::string_view name);
uint32_t FindExport(const std::vector<Export>& exports, std::string_view name);

// Whether the entry point, when there is one, lies in code that stays mapped: inside an
// executable section that is not discardable.
bool EntryPointIsCode(const Headers& headers);

// Page protections, with the system's values.
enum Protection : uint32_t {
  kNoAccess = 0x01,
  kReadOnly = 0x02,
  kReadWrite = 0x04,
  kWriteCopy = 0x08,
  kExecute = 0x10,
  kExecuteRead = 0x20,
  kExecuteReadWrite = 0x40,
  kExecuteWriteCopy = 0x80,
  kNoCache = 0x200,
};

// The protection a section's characteristics ask for.
uint32_t SectionProtection(uint32_t characteristics);

// One step of finishing a mapped image: protect a range of it, or give it back (discardable
// sections).
struct ProtectionStep {
  uint32_t rva = 0;
  uint32_t size = 0;
  bool decommit = false;
  uint32_t protection = 0;
  bool operator==(const ProtectionStep&) const = default;
};

// The steps for every section, over its whole extent in memory, in header order.
std::vector<ProtectionStep> PlanProtection(const Headers& headers);

}  // namespace pe
