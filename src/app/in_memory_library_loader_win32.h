// Loads a Windows library from a file image held in memory, for the machine the program is
// built for (PE32 on i686, PE32+ on x86_64): nothing is written to disk.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "app/pe_image.h"

// A library mapped by LoadLibraryImage.
struct LoadedLibrary {
  void* headers = nullptr;            // the "PE" signature in the mapped copy
  unsigned char* codeBase = nullptr;  // the mapped image
  std::vector<HMODULE> modules;       // the libraries loaded for its imports
  bool initialised = false;           // its entry point reported success
  pe::Headers layout;
  std::vector<pe::Export> exports;  // read while the image was still writable
};

// Maps, relocates, links and starts a library image; nothing when the image is malformed,
// for another machine, or cannot be linked or started (everything taken is given back).
LoadedLibrary* LoadLibraryImage(std::span<const unsigned char> image);
// The address of the export named exactly `name`; nullptr when there is none.
void* GetExport(const LoadedLibrary* library, const char* name);
// Stops the library (when it was started), frees its imported libraries and its memory.
void FreeLibraryImage(LoadedLibrary* library);
