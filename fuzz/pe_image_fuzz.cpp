// The in-memory loader's image steps over any file: an accepted image has its headers and
// sections inside the file and the image, and mapping, relocating, import resolution, the
// export table and the protection plan stay inside the mapped bytes (ASan sees every access).
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/pe_image.h"
#include "fuzz_support.h"

namespace {

class Resolver : public pe::ImportResolver {
 public:
  bool OpenLibrary(const std::string& name) override { return !name.empty(); }
  uint64_t FindByName(const std::string& name) override { return name.empty() ? 0 : 0x7F0010; }
  uint64_t FindByOrdinal(uint16_t ordinal) override { return 0x7F0000u + ordinal; }
};

// Large images are valid but would only slow the search down.
constexpr uint32_t kLargestMapped = 4u << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::span<const uint8_t> file(bytes, size);
  const auto headers = pe::ReadImageFile(file);
  if (!headers) return 0;
  FUZZ_CHECK(headers->sizeOfHeaders <= size);
  FUZZ_CHECK(headers->sizeOfHeaders <= headers->sizeOfImage);
  for (const pe::Section& s : headers->sections) {
    FUZZ_CHECK(uint64_t{s.rawOffset} + s.rawSize <= size || s.rawSize == 0);
    FUZZ_CHECK(uint64_t{s.virtualAddress} + std::max(s.virtualSize, s.rawSize) <=
               headers->sizeOfImage);
  }
  for (const pe::ProtectionStep& step : pe::PlanProtection(*headers)) {
    FUZZ_CHECK(uint64_t{step.rva} + step.size <= headers->sizeOfImage);
  }
  (void)pe::EntryPointIsCode(*headers);
  if (headers->sizeOfImage > kLargestMapped) return 0;

  std::vector<uint8_t> mapped(headers->sizeOfImage);
  const uint64_t base = headers->imageBase + 0x10000;
  pe::MapImage(*headers, file, mapped, base);
  (void)pe::Relocate(*headers, mapped, base);
  Resolver resolver;
  (void)pe::ResolveImports(*headers, mapped, resolver);
  const std::vector<pe::Export> exports = pe::ReadExports(*headers, mapped);
  for (const pe::Export& e : exports) {
    FUZZ_CHECK(e.rva < headers->sizeOfImage);
  }
  if (!exports.empty()) {
    FUZZ_CHECK(pe::FindExport(*headers, mapped, exports[0].name) ==
               pe::FindExport(exports, exports[0].name));
  }
  return 0;
}
