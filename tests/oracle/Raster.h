// The oracle's own picture type: a bottom-up pixel block with an explicit stride, 3 or 4 bytes per
// pixel. Deliberately plain so that every expected byte can be traced to one line of the model.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace oracle {

struct Raster {
    int32_t width = 0;
    int32_t height = 0;
    int32_t pixelBytes = 3;
    int32_t stride = 0;
    std::vector<uint8_t> bytes;

    // Zero-filled; stride 0 means "pixelBytes * width rounded up to 4".
    static Raster Make(int32_t width, int32_t height, int32_t pixelBytes, int32_t stride = 0);
    // (x, storedRow) with stored row 0 the bottom row.
    uint8_t* At(int32_t x, int32_t storedRow) {
        return bytes.data() + static_cast<size_t>(storedRow) * stride + static_cast<size_t>(x) * pixelBytes;
    }
    const uint8_t* At(int32_t x, int32_t storedRow) const {
        return bytes.data() + static_cast<size_t>(storedRow) * stride + static_cast<size_t>(x) * pixelBytes;
    }
    // Stored row of the top line of a rectangle of height h whose top is at y (y downward).
    int32_t StoredRowOf(int32_t y, int32_t h) const { return height - y - h; }
};

// A template read straight from resources/templates/<id>.bmp, as 24-bit rows padded to 4 bytes.
// 8-bit run-length files (the stock pictures) are expanded through their palette. Cached per id.
const Raster& TemplateFile(int id);

}  // namespace oracle
