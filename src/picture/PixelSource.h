// One description of a stored picture of any depth this program reads (1, 4, 8, 16, 24 or 32
// bits per pixel) and the one per-pixel fetch that both the 32-bit expansion and the fitting use,
// so that fitting straight from a file gives exactly what fitting its 32-bit copy gives.
//
// Row y counts stored rows from the bottom row of the picture; a top-down source keeps its rows in
// the other order in memory. Bitmap rows are aligned to 4 bytes (RowBytesFor); a decoded picture's
// rows follow each other with no padding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "picture/DibBuffer.h"

struct PixelSource {
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitCount = 0;
    // Palette entries of 4 bytes each (blue, green, red, reserved); only for bit counts up to 8.
    const uint8_t* palette = nullptr;
    uint32_t paletteEntries = 0;
    // The first row in memory; stride * height bytes must be readable.
    const uint8_t* rows = nullptr;
    size_t stride = 0;  // bytes from one stored row to the next
    bool topDown = false;

    const uint8_t* Row(int32_t y) const {
        const int32_t stored = topDown ? height - 1 - y : y;
        return rows + static_cast<size_t>(stored) * stride;
    }
};

struct Bgr {
    uint8_t blue;
    uint8_t green;
    uint8_t red;
};

// The palette widened to every index the depth can hold: an index beyond the entries the source
// really has reads as black instead of reading past the palette.
class ColourTable {
  public:
    explicit ColourTable(const PixelSource& source) {
        const uint32_t entries = source.paletteEntries < 256 ? source.paletteEntries : 256;
        for (uint32_t i = 0; i < entries; ++i) {
            const uint8_t* entry = source.palette + 4 * i;
            colours_[i] = {entry[0], entry[1], entry[2]};
        }
    }
    Bgr operator[](uint32_t index) const { return colours_[index]; }

  private:
    Bgr colours_[256] = {};
};

// Pixel x of one stored row of a Bits-deep source.
template <int Bits>
inline Bgr FetchPixel(const uint8_t* row, int32_t x, const ColourTable& colours) {
    const size_t ux = static_cast<size_t>(x);
    if constexpr (Bits == 1) {
        return colours[(row[ux / 8] >> (7 - ux % 8)) & 1u];  // most significant bit first
    } else if constexpr (Bits == 4) {
        const uint8_t pair = row[ux / 2];
        return colours[ux % 2 == 0 ? pair >> 4 : pair & 15u];
    } else if constexpr (Bits == 8) {
        return colours[row[ux]];
    } else if constexpr (Bits == 16) {
        // 5-5-5 from the low bits up: blue, green, red; bit 15 unused. Each 5-bit value is
        // multiplied by 8 and not widened further, so the largest channel value is 248.
        const unsigned v = row[2 * ux] | static_cast<unsigned>(row[2 * ux + 1]) << 8;
        return {static_cast<uint8_t>((v & 31u) << 3), static_cast<uint8_t>(((v >> 5) & 31u) << 3),
                static_cast<uint8_t>(((v >> 10) & 31u) << 3)};
    } else if constexpr (Bits == 24) {
        return {row[3 * ux], row[3 * ux + 1], row[3 * ux + 2]};
    } else {
        static_assert(Bits == 32);
        return {row[4 * ux], row[4 * ux + 1], row[4 * ux + 2]};
    }
}

// Calls visit(std::integral_constant<int, Bits>) for the bit count; false for any other count.
template <class Visitor>
bool VisitBitCount(int32_t bitCount, Visitor&& visit) {
    const auto visitOne = [&]<int... Counts>(std::integer_sequence<int, Counts...>) {
        return ((bitCount == Counts && (visit(std::integral_constant<int, Counts>()), true)) || ...);
    };
    return visitOne(std::integer_sequence<int, 1, 4, 8, 16, 24, 32>());
}
