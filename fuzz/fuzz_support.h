// What the fuzz targets share: a failed property aborts with its description, and typed texts
// are made whole the way the window hands them over (no lead byte without its trail byte).
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "pipeline/text.h"

#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (0)

// The text without a last lead byte that has lost its trail byte.
inline std::string Whole(std::string text) {
  size_t i = 0;
  while (i < text.size()) i += CharLength(text, i);
  size_t last = 0;
  for (size_t k = 0; k < text.size(); k += CharLength(text, k)) last = k;
  if (!text.empty() && IsLeadByte(text[last]) && CharLength(text, last) == 1) text.pop_back();
  return text;
}

inline std::string TakeText(FuzzedDataProvider& data, size_t maxLength = 40) {
  return Whole(data.ConsumeRandomLengthString(maxLength));
}

// Whether `index` is the first byte of a character of `text`.
inline bool IsBoundary(const std::string& text, size_t index) {
  size_t i = 0;
  while (i < index) i += CharLength(text, i);
  return i == index;
}

// Whether a "\" stands at a character boundary (a path separator, not a trail byte).
inline bool HasSeparator(const std::string& text) {
  return FindText(text, "\\") != -1;
}
