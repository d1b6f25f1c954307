// Splitting a path or bare name into its last component and extension, by the rules of the
// shell's PathFindFileName and PathFindExtension, stepping over two-byte characters.
#pragma once

#include <string>
#include <string_view>

// The last component, whole or without its extension; empty when the path ends with "\".
std::string FileNameOf(std::string_view path, bool withExtension);
// The extension of the last component with its dot, or empty.
std::string ExtensionOf(std::string_view path);
// `folder` with one trailing "\".
std::string WithTrailingSlash(std::string folder);
