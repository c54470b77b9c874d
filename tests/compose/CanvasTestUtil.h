// Small helpers for reading and making 32-bit buffers in skin coordinates.
#pragma once

#include <array>
#include <cstdint>

#include "picture/DibBuffer.h"
#include "settings/SkinSettings.h"

namespace testutil {

using Pixel = std::array<uint8_t, 4>;  // blue, green, red, fourth byte

// The pixel at (x, y), y counted downward from the top.
inline Pixel At(const DibBuffer& b, int32_t x, int32_t y) {
    const uint8_t* p = b.Pixels() + size_t(b.Height() - 1 - y) * b.RowBytes() + 4 * size_t(x);
    return {p[0], p[1], p[2], p[3]};
}

inline Pixel Bgr0(const SkinColorValue& c, uint8_t fourth) {
    return {c.blue, c.green, c.red, fourth};
}

inline Pixel All4(const SkinColorValue& c) {
    return {c.blue, c.green, c.red, c.alpha};
}

// A 32-bit picture of one colour; the fourth bytes are 0x5A so that tests can tell they are not copied.
inline DibBuffer SolidPicture(int32_t width, int32_t height, SkinColorValue color) {
    DibBuffer b;
    b.Allocate(width, height, 32);
    for (size_t i = 0; i < b.PixelBytes(); i += 4) {
        b.Pixels()[i] = color.blue;
        b.Pixels()[i + 1] = color.green;
        b.Pixels()[i + 2] = color.red;
        b.Pixels()[i + 3] = 0x5A;
    }
    return b;
}

}  // namespace testutil
