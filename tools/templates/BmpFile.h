// Bitmap file images of a canvas: 24-bit uncompressed, or 8-bit run-length encoded (BI_RLE8)
// for the stock window pictures, whose few flat colours compress well.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Canvas.h"

std::vector<uint8_t> EncodeBmp24(const Canvas& canvas);
// Empty when the canvas holds more than 256 colours.
std::vector<uint8_t> EncodeBmpRle8(const Canvas& canvas);
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);
