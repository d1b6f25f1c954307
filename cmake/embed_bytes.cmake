# Writes a C++ source that carries the bytes of INPUT as a function FUNCTION returning them.
# Usage: cmake -DINPUT=file -DOUTPUT=file.cpp -DFUNCTION=Name -P embed_bytes.cmake
file(READ "${INPUT}" hex HEX)
file(SIZE "${INPUT}" size)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.
#include <cstddef>
#include <span>

namespace {
const unsigned char kBytes[] = {
${bytes}
};
}  // namespace

std::span<const unsigned char> ${FUNCTION}() { return {kBytes, ${size}}; }
")
