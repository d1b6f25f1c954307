// ReadInteger against a plain reference: blanks, one sign, decimal digits, saturated to 32
// bits, after folding full-width forms; and every number written back reads as itself.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "pipeline/text.h"

namespace {

int32_t Reference(const std::string& text) {
  const std::string folded = FoldFullWidth(text);
  size_t i = folded.find_first_not_of(" \t");
  if (i == std::string::npos) return 0;
  bool negative = false;
  if (folded[i] == '+' || folded[i] == '-') negative = folded[i++] == '-';
  int64_t value = 0;
  while (i < folded.size() && folded[i] >= '0' && folded[i] <= '9') {
    value = std::min<int64_t>(value * 10 + (folded[i++] - '0'), int64_t{1} << 40);
  }
  value = negative ? -value : value;
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  const int32_t number = data.ConsumeIntegral<int32_t>();
  const std::string text = data.ConsumeRemainingBytesAsString();

  FUZZ_CHECK(ReadInteger(text) == Reference(text));
  FUZZ_CHECK(ReadInteger(std::to_string(number)) == number);
  const char next = FoldFullWidth(text)[0];  // '\0' for an empty text
  FUZZ_CHECK(ReadInteger(std::to_string(number) + text) == number || (next >= '0' && next <= '9'));
  // Full-width digits read as their ASCII forms ("\xA3\xB0" is the full-width 0).
  std::string wide;
  for (char c : std::to_string(number)) {
    if (c == '-') {
      wide += '-';
    } else {
      wide += "\xA3";
      wide += static_cast<char>(0xB0 + (c - '0'));
    }
  }
  FUZZ_CHECK(ReadInteger(wide) == number);
  return 0;
}
