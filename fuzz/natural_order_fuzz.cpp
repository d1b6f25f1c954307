// The natural order is a stable sort by key: the result is a permutation of the names, keys
// never go down, and names with equal keys keep their order. The key of a name holds the
// name's bytes plus only zeros and a fixed marker.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "listing/natural_order.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  const bool many = data.ConsumeBool();  // the key's width depends on the listing's length
  std::vector<std::string> names;
  while (data.remaining_bytes() > 0) names.push_back(data.ConsumeRandomLengthString(24));
  if (many) {
    const size_t given = names.size();
    for (size_t i = 0; given > 0 && names.size() < 100; ++i) names.push_back(names[i % given]);
  }

  std::vector<std::string> sorted = names;
  SortNaturally(sorted);
  std::vector<std::string> a = names, b = sorted;
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  FUZZ_CHECK(a == b);

  const size_t n = names.size();
  for (size_t i = 1; i < n; ++i) {
    const std::string before = NaturalKey(sorted[i - 1], n), after = NaturalKey(sorted[i], n);
    FUZZ_CHECK(!(after < before));
  }
  for (const auto& name : names) {
    const std::string key = NaturalKey(name, n);
    FUZZ_CHECK(key.size() >= name.size());
    FUZZ_CHECK(key == name || key.size() <= name.size() + 2 + 10);
  }
  // Stability: names with equal keys keep the order they were listed in.
  std::vector<std::string> reference = names;
  std::stable_sort(reference.begin(), reference.end(), [&](const auto& x, const auto& y) {
    return NaturalKey(x, n) < NaturalKey(y, n);
  });
  FUZZ_CHECK(reference == sorted);
  return 0;
}
