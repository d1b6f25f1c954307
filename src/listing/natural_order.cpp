#include "listing/natural_order.h"

#include <algorithm>
#include <numeric>

namespace {

// "加1个蛋蛋" and "加2个蛋蛋" in code page 936: appended to a padded key, so that a padded
// name sorts after a name that already carries the zeros ('1.txt' after '01.txt').
const std::string kOneZeroMarker =
    "\xBC\xD3"
    "1"
    "\xB8\xF6\xB5\xB0\xB5\xB0";
const std::string kTwoZerosMarker =
    "\xBC\xD3"
    "2"
    "\xB8\xF6\xB5\xB0\xB5\xB0";

bool IsDigitAt(const std::string& text, size_t index) {
  return index < text.size() && text[index] >= '0' && text[index] <= '9';
}

}  // namespace

std::string NaturalKey(const std::string& name, size_t count) {
  size_t p = 0;
  while (p < 7 && p < name.size() && !IsDigitAt(name, p)) ++p;
  if (p >= 7 || p >= name.size()) return name;
  int digits = !IsDigitAt(name, p + 1) ? 1 : !IsDigitAt(name, p + 2) ? 2 : 3;
  int zeros = (count < 100 ? 2 : 3) - digits;
  if (zeros <= 0) return name;
  std::string key = name;
  key.insert(p, static_cast<size_t>(zeros), '0');
  key += zeros == 2 ? kTwoZerosMarker : kOneZeroMarker;
  return key;
}

void SortNaturally(std::vector<std::string>& names) {
  std::vector<std::string> keys;
  keys.reserve(names.size());
  for (const auto& name : names) keys.push_back(NaturalKey(name, names.size()));
  std::vector<size_t> order(names.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return keys[a] < keys[b]; });
  std::vector<std::string> sorted;
  sorted.reserve(names.size());
  for (size_t index : order) sorted.push_back(std::move(names[index]));
  names = std::move(sorted);
}
