// Whether a file holds all the pixel data its header promises. stb_image reads a PNM, an
// uncompressed TGA, a GIF or a PSD that was cut short without complaint, leaving the missing part
// black; such files are refused instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "picture/PictureKind.h"

// Where a PSD's composite picture lies: its depth, its compression (0 raw, 1 RLE; -1 when the file
// ends first) and the offset of its data.
struct PsdLayout {
    uint32_t depth = 0;
    int32_t compression = -1;
    uint64_t dataAt = 0;
};
PsdLayout ReadPsdLayout(const uint8_t* file, size_t size);

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
