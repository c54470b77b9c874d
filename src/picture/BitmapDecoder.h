// The Windows bitmaps that common tools write and the built-in reader leaves out: BITMAPV4 and V5
// headers (colour-space information), OS/2 headers, BI_BITFIELDS, top-down rows (all decoded by
// stb_image) and RLE4 / RLE8 compression (decoded here). The command line reads them; the
// program's built-in reader stays as it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "picture/PixelSource.h"

// A decoded bitmap: 24-bit blue, green, red rows (top-down, no padding) or, for RLE, 8-bit palette
// indices (bottom-up) with the file's palette; `source` describes them for the fitting.
struct DecodedBitmap {
    struct Free {
        void operator()(uint8_t* block) const;
    };
    std::unique_ptr<uint8_t, Free> pixels;
    PixelSource source;
};

// Decodes a file image starting with "BM" into `out`. False with `why` (words for a message: a
// truncated file, a kind of bitmap not read, a picture of more than maxPixels pixels).
bool DecodeOtherBitmap(const uint8_t* file,
                       size_t size,
                       DecodedBitmap& out,
                       std::string& why,
                       uint64_t maxPixels = uint64_t(1) << 28);
