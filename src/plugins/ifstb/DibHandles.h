// The picture as a Susie host takes it: two moveable local-memory blocks, a BITMAPINFOHEADER and
// the pixel rows of a 24-bit bottom-up DIB (blue, green, red; rows padded to 4 bytes), returned
// unlocked. The host frees both with LocalFree.
#pragma once

#include <windows.h>

#include "picture/ImageDecoder.h"

// kSusieSuccess with both handles set, or kSusieNoMemory with neither.
int MakeDibHandles(const DecodedImage& image, HLOCAL& infoBlock, HLOCAL& pixelBlock);
