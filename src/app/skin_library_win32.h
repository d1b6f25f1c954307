// The skin of the program's windows: our skin engine library, loaded from the program's own
// bytes on first use and kept for the rest of the run. When it cannot be loaded the program
// runs without a skin.
#pragma once

// Skins the calling thread's windows with the embedded skin file, then turns its colours by
// `hue` (-180 ... 180 degrees) and `saturation` (-100 ... 100 percent).
void AttachSkin(int hue = 0, int saturation = 0);
// Turns the colours of the attached skin.
void AdjustSkinColour(int hue, int saturation);
// Takes the skin off again; nothing when the library was never loaded.
void DetachSkin();
// Whether the skin engine library has been loaded.
bool SkinLibraryLoaded();
