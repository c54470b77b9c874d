// Whether a file holds all the pixel data its header promises. stb_image reads a PNM, an
// uncompressed TGA, a GIF or a PSD that was cut short without complaint, leaving the missing part
// black, and takes a PNG chunk's length on trust, making room for it before reading it; such files
// are refused instead. (A JPEG is walked by CheckJpegStructure.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "picture/PictureKind.h"

// The decimal numbers of a binary PNM header as the file writes them (width, height, largest
// value; each cut at kLongestNumber digits), and where the last of them ends.
struct PnmHeader {
    static constexpr size_t kLongestNumber = 64;
    std::string numbers[3];
    size_t end = 0;
};
PnmHeader ReadPnmHeader(const uint8_t* file, size_t size);

// False when the file ends before the data of its (first) picture does.
bool HoldsAllItsPixels(ImageFormat format, const uint8_t* file, size_t size);
