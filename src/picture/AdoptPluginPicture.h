// Taking over the picture an image plug-in decoded: its bitmap info block (the 40-byte info header
// followed by the palette) and its pixel block, both as the plug-in returned them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "picture/DibBuffer.h"

// Converts the plug-in's bitmap into `target` as a 32-bit bottom-up picture. Reads only inside the
// two blocks: an info block shorter than its header, or a pixel block shorter than the rows it
// declares, is refused, and palette indices beyond the entries present read as black. The
// compression field is not consulted. A top-down bitmap (negative height) is turned bottom-up.
// Returns 1; 0 for an unusable bitmap or a bit count the converter does not know. `target` is
// released first and holds nothing after a failure. The caller frees the plug-in's blocks.
int AdoptPluginPicture(const uint8_t* info, size_t infoBytes, const uint8_t* bits, size_t bitsBytes, DibBuffer& target);
