// Blocks of bytes the build embeds in the program: our skin engine library for the program's
// machine, its skin file and the thanks window's pictures (BMP files).
#pragma once

#include <span>

std::span<const unsigned char> SkinLibraryImage();
std::span<const unsigned char> SkinData();
std::span<const unsigned char> ThanksPicture1();
std::span<const unsigned char> ThanksPicture2();
std::span<const unsigned char> ThanksPicture3();
std::span<const unsigned char> ThanksPicture4();
