// The built-in reader of Windows bitmap files: uncompressed, bottom-up files with the 40-byte info
// header at 1, 4, 8, 16 (5-5-5), 24 or 32 bits per pixel. Whatever the depth, the result is the
// 32-bit bottom-up layout of DibBuffer.
//
// File layout read here (all little-endian): "BM" at 0, the pixel-data offset at 10, the info
// header at 14 (size 40, width at 18, height at 22, bit count at 28, compression at 30, colour
// count at 46), the palette of 4-byte entries at 54 (depths up to 8 bits), the rows at the
// pixel-data offset.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "picture/DibBuffer.h"
#include "picture/PixelSource.h"

// Why a file is refused; one value per reason.
enum class BmpError {
    None,
    FileTooShort,  // not longer than the 54 bytes of the two headers
    NotBitmap,     // does not start with "BM"
    HeaderSize,    // info header size is not 40
    Width,         // width not greater than 0
    Height,        // height not greater than 0 (top-down files included)
    BitCount,      // not 1, 4, 8, 16, 24 or 32
    Compression,   // anything but uncompressed
    PaletteSize,   // more colours than the depth can index
    PixelOffset,   // pixel data would start inside the headers or the palette
    TooLarge,      // the 32-bit copy could not be described by a 32-bit image size
    Truncated,     // file ends before its palette and rows do
};

const char* ToString(BmpError error);

// Checks the whole file image and, when it is accepted, describes its palette and rows in `source`
// (pointing into `file`). Never reads outside [file, file + size).
BmpError ParseBmp(const uint8_t* file, size_t size, PixelSource& source);

// True when ParseBmp accepts the file image.
bool IsAcceptedBmp(const uint8_t* file, size_t size);

// Converts the stored rows of `source` to 32-bit pixels at `destination` (4 * width bytes per
// row, same row order): blue, green and red of every pixel are written and the fourth byte is
// left as it was, except that a 32-bit source is copied whole, fourth bytes included. A
// top-down source comes out bottom-up. Returns 1, or 0 for a bit count it does not know.
int ExpandTo32(const PixelSource& source, uint8_t* destination);

// Reads a bitmap file image held in memory into `target` as 32 bits. 1 on success; 0 when the file
// is refused (target untouched) or its 32-bit copy cannot be had (target left empty).
int ReadBmpMemory(const uint8_t* file, size_t size, DibBuffer& target);

// Maps the file and reads it with ReadBmpMemory.
int ReadBmpFile(const std::string& path, DibBuffer& target);
