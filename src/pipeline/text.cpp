#include "pipeline/text.h"

#include <climits>

namespace {

char FoldAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool MatchesAt(std::string_view text, size_t at, std::string_view sought, bool ignoreCase) {
  if (text.size() - at < sought.size()) return false;
  for (size_t k = 0; k < sought.size(); ++k) {
    char a = text[at + k], b = sought[k];
    if (ignoreCase ? FoldAscii(a) != FoldAscii(b) : a != b) return false;
  }
  return true;
}

// Scans character boundaries; returns the first (or last) match position, or -1.
int Find(std::string_view text, std::string_view sought, bool last, bool ignoreCase) {
  if (text.empty()) return -1;
  int found = -1;
  for (size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (MatchesAt(text, i, sought, ignoreCase)) {
      found = static_cast<int>(i) + 1;
      if (!last) return found;
    }
  }
  return found;
}

}  // namespace

bool EndsWithBackslash(std::string_view text) {
  size_t last = 0;
  for (size_t i = 0; i < text.size(); i += CharLength(text, i)) last = i;
  return !text.empty() && CharLength(text, last) == 1 && text[last] == '\\';
}

int FindText(std::string_view text, std::string_view sought) {
  return Find(text, sought, false, false);
}

int FindTextReverse(std::string_view text, std::string_view sought) {
  return Find(text, sought, true, false);
}

int FindTextIgnoreCase(std::string_view text, std::string_view sought) {
  return Find(text, sought, false, true);
}

std::string ReplaceText(std::string_view text, std::string_view sought,
                        std::string_view replacement, int start, int count) {
  if (text.empty() || sought.empty() || count == 0) return std::string(text);
  if (start < 1) start = 1;
  if (static_cast<size_t>(start) > text.size()) return std::string(text);
  std::string out(text.substr(0, start - 1));
  size_t i = start - 1;
  while (i < text.size()) {
    if (count == 0) break;
    if (MatchesAt(text, i, sought, false)) {
      out += replacement;
      i += sought.size();
      if (count > 0) --count;
    } else {
      size_t length = CharLength(text, i);
      out += text.substr(i, length);
      i += length;
    }
  }
  out += text.substr(i);
  return out;
}

std::string FoldFullWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    size_t length = CharLength(text, i);
    if (length == 2) {
      auto lead = static_cast<unsigned char>(text[i]);
      auto trail = static_cast<unsigned char>(text[i + 1]);
      if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        out += static_cast<char>(trail - 0x80);  // A3A1..A3FE are the forms of '!'..'~'
        i += 2;
        continue;
      }
      if (lead == 0xA1 && trail == 0xA1) {  // ideographic space
        out += ' ';
        i += 2;
        continue;
      }
    }
    out += text.substr(i, length);
    i += length;
  }
  return out;
}

int32_t ReadInteger(std::string_view text) {
  std::string folded = FoldFullWidth(text);
  size_t i = 0;
  while (i < folded.size() && (folded[i] == ' ' || folded[i] == '\t')) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  int64_t value = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
    value = value * 10 + (folded[i] - '0');
    if (value > static_cast<int64_t>(INT32_MAX) + 1) value = static_cast<int64_t>(INT32_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) value = INT32_MAX;
  return static_cast<int32_t>(value);
}

std::string FirstBytes(std::string_view text, int n) {
  if (n <= 0) return {};
  return std::string(text.substr(0, static_cast<size_t>(n)));
}

std::string BytesAt(std::string_view text, int position, int n) {
  if (position < 1 || static_cast<size_t>(position) > text.size() || n <= 0) return {};
  return std::string(text.substr(position - 1, static_cast<size_t>(n)));
}

std::string LastBytes(std::string_view text, int n) {
  if (n <= 0) return {};
  if (static_cast<size_t>(n) >= text.size()) return std::string(text);
  return std::string(text.substr(text.size() - n));
}
