// Whether a file holds all the pixel data its header promises. stb_image reads a PNM, an
// uncompressed TGA, a GIF or a PSD that was cut short without complaint, leaving the missing part
// black; such files are refused instead.
#pragma once

#include <cstddef>
#include <cstdint>

#include "picture/PictureKind.h"

// False when the file ends before the data of its (first) picture does.
bool HoldsAllItsPixels(ImageFormat format, const uint8_t* file, size_t size);
