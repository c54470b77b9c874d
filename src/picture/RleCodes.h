// The codes of BI_RLE8 and BI_RLE4 bitmap rows: runs of one index (of two alternating ones for
// RLE4), literal runs padded to a 16-bit boundary, end of line, end of bitmap and delta. Rows are
// counted from the bottom. Used by the bitmap decoder and by the template store, whose built-in
// bitmaps are RLE8.
#pragma once

#include <cstddef>
#include <cstdint>

enum class RleEnd { Complete, Truncated };

// Calls put(x, y, index) for every pixel the codes reach inside width x height; pixels they skip
// are not called. Complete at the end-of-bitmap code or once every row is done; Truncated when the
// data ends first.
template <class Put>
RleEnd WalkRleCodes(const uint8_t* data, size_t size, bool four, size_t width, size_t height, Put&& put) {
    size_t at = 0, x = 0, y = 0;
    auto pixel = [&](uint32_t index) {
        if (x < width && y < height)
            put(x, y, index);
        ++x;
    };
    while (y < height) {
        if (size - at < 2)
            return RleEnd::Truncated;
        const uint32_t count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (uint32_t i = 0; i < count; ++i)
                pixel(four ? (i % 2 == 0 ? value >> 4 : value & 15u) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (size - at < 2)
                return RleEnd::Truncated;
            x += data[at];
            y += data[at + 1];
            at += 2;
        } else {
            const size_t bytes = four ? (value + 1) / 2 : value;
            const size_t padded = bytes + bytes % 2;
            if (size - at < padded)
                return RleEnd::Truncated;
            for (uint32_t i = 0; i < value; ++i)
                pixel(four ? (i % 2 == 0 ? data[at + i / 2] >> 4 : data[at + i / 2] & 15u) : data[at + i]);
            at += padded;
        }
    }
    return RleEnd::Complete;
}
