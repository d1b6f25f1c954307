// The text primitives and name splitting: matches lie on character boundaries and really
// match, the reverse search finds the last of them, replacing 0 times or with the sought text
// itself changes nothing, and the cuts stay inside the text.
#include <string>

#include "fuzz_support.h"
#include "listing/names.h"
#include "pipeline/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  const int start = data.ConsumeIntegralInRange<int>(-3, 60);
  const int count = data.ConsumeIntegralInRange<int>(-2, 5);
  const std::string sought = data.ConsumeRandomLengthString(8);
  const std::string replacement = data.ConsumeRandomLengthString(8);
  const std::string text = data.ConsumeRemainingBytesAsString();

  const int first = FindText(text, sought);
  const int last = FindTextReverse(text, sought);
  FUZZ_CHECK((first == -1) == (last == -1));
  if (first != -1) {
    FUZZ_CHECK(first >= 1 && first <= last);
    for (int p : {first, last}) {
      FUZZ_CHECK(IsBoundary(text, static_cast<size_t>(p - 1)));
      FUZZ_CHECK(text.compare(static_cast<size_t>(p - 1), sought.size(), sought) == 0);
    }
    FUZZ_CHECK(FindTextIgnoreCase(text, sought) != -1);
    FUZZ_CHECK(FindTextIgnoreCase(text, sought) <= first);
  }
  if (!sought.empty() && first != -1) {
    // Nothing matches at a boundary before the first match.
    for (size_t i = 0; i + 1 < static_cast<size_t>(first); i += CharLength(text, i)) {
      FUZZ_CHECK(text.compare(i, sought.size(), sought) != 0);
    }
  }

  FUZZ_CHECK(ReplaceText(text, sought, replacement, start, 0) == text);
  FUZZ_CHECK(ReplaceText(text, sought, sought, start, count) == text);
  const std::string replaced = ReplaceText(text, sought, replacement, start, count);
  const std::string all = ReplaceText(text, sought, replacement, start, -1);
  if (replacement.empty()) FUZZ_CHECK(replaced.size() <= text.size());
  if (start <= 1 && first == -1) FUZZ_CHECK(all == text);
  if (!sought.empty() && start >= 1 && static_cast<size_t>(start) <= text.size()) {
    FUZZ_CHECK(replaced.compare(0, start - 1, text, 0, start - 1) == 0);  // prefix kept
  }
  for (int n : {-1, 0, 1, start, count, static_cast<int>(text.size()) + 1}) {
    FUZZ_CHECK(FirstBytes(text, n).size() <= text.size());
    FUZZ_CHECK(LastBytes(text, n).size() <= text.size());
    FUZZ_CHECK(BytesAt(text, start, n).size() <= text.size());
    if (n > 0) FUZZ_CHECK(text.rfind(FirstBytes(text, n), 0) == 0);
  }

  (void)EndsWithBackslash(text);
  const std::string folded = FoldFullWidth(text);
  FUZZ_CHECK(folded.size() <= text.size());

  const std::string extension = ExtensionOf(text);
  const std::string bare = FileNameOf(text, true);
  const std::string stem = FileNameOf(text, false);
  FUZZ_CHECK(text.size() >= bare.size() &&
             text.compare(text.size() - bare.size(), bare.size(), bare) == 0);
  FUZZ_CHECK(extension.empty() || extension[0] == '.');
  if (!HasSeparator(text) && text.find('/') == std::string::npos &&
      text.find(':') == std::string::npos) {
    FUZZ_CHECK(stem + extension == bare);
  }
  return 0;
}
