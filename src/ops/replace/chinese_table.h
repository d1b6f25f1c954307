// The program's own traditional/simplified character table, for systems whose platform mapping
// does nothing. Generated into chinese_table.cpp by tools/generate_chinese_table.py.
#pragma once

#include <cstdint>
#include <span>

// A double-byte character of code page 936 (lead byte << 8 | trail byte) and its counterpart.
struct CharPair {
  uint16_t from;
  uint16_t to;
};

// Both sorted by `from`, each `from` once.
std::span<const CharPair> TraditionalToSimplifiedPairs();
std::span<const CharPair> SimplifiedToTraditionalPairs();
