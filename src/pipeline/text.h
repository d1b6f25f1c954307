// Text primitives over code page 936 byte strings. A byte of 0x80 or above starts a two-byte
// character; positions are 1-based byte positions and -1 means "not found".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Whether the byte starts a two-byte character.
constexpr bool IsLeadByte(char byte) {
  return static_cast<unsigned char>(byte) >= 0x80;
}
// Bytes taken by the character that starts at `index` (2 for a lead byte with a trail).
inline size_t CharLength(std::string_view text, size_t index) {
  return IsLeadByte(text[index]) && index + 1 < text.size() ? 2 : 1;
}

// Whether the last character is "\" (a trail byte 0x5C of a two-byte character is not).
bool EndsWithBackslash(std::string_view text);

// First match of `sought` at a character boundary, exact bytes.
int FindText(std::string_view text, std::string_view sought);
// Last match of `sought` at a character boundary, exact bytes.
int FindTextReverse(std::string_view text, std::string_view sought);
// First match folding ASCII letters only.
int FindTextIgnoreCase(std::string_view text, std::string_view sought);
// Replaces up to `count` matches (negative: all) from byte `start` on; matches never overlap
// and the replacement is never scanned again.
std::string ReplaceText(std::string_view text, std::string_view sought,
                        std::string_view replacement, int start, int count);
// Reads a leading decimal number after blanks and one sign, full-width forms folded;
// 0 when there is none. Values beyond 32 bits saturate.
int32_t ReadInteger(std::string_view text);
// Full-width digits, letters and signs to ASCII, the ideographic space to a blank.
std::string FoldFullWidth(std::string_view text);

// Cuts by byte position; they do not look at character boundaries.
std::string FirstBytes(std::string_view text, int n);
std::string BytesAt(std::string_view text, int position, int n);
std::string LastBytes(std::string_view text, int n);

// Whether a path lies under a desktop folder: "Desktop" anywhere, any letter case.
inline bool MentionsDesktop(std::string_view path) {
  return FindTextIgnoreCase(path, "Desktop") != -1;
}
