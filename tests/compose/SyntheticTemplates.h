// Templates made up for tests: every template of its expected size, filled with a repeating
// pattern of the six markers, a near-marker, white, greys and plain colours, so that each piece
// and each rule meets every kind of pixel.
#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>

#include "compose/TemplateSizes.h"
#include "compose/TemplateStore.h"

namespace synthetic {

struct Rgb3 {
    uint8_t red, green, blue;
};

inline constexpr Rgb3 kPattern[] = {
    {0, 96, 228},    {0, 192, 255}, {255, 0, 0},  {0, 255, 0},  {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
    {128, 128, 128}, {0, 96, 229},  {64, 64, 64}, {10, 20, 30}, {0, 0, 255},   {0, 0, 0},     {200, 100, 50},
};
inline constexpr int kPatternSize = sizeof kPattern / sizeof kPattern[0];

// The pattern colour at (x, stored row r) of template `id`; the id shifts the pattern so that
// templates differ from each other.
inline Rgb3 PatternAt(int id, int32_t x, int32_t r) {
    return kPattern[(x + 3 * r + id) % kPatternSize];
}

// A bitmap of the given size whose every pixel is color(x, r).
template <typename ColorAt>
TemplateBitmap MakeBitmap(int32_t width, int32_t height, ColorAt color) {
    const int32_t rowBytes = (3 * width + 3) / 4 * 4;
    std::shared_ptr<uint8_t[]> rows(new uint8_t[size_t(rowBytes) * size_t(height)]());
    for (int32_t r = 0; r < height; ++r) {
        for (int32_t x = 0; x < width; ++x) {
            const Rgb3 c = color(x, r);
            uint8_t* p = rows.get() + size_t(r) * rowBytes + 3 * size_t(x);
            p[0] = c.blue;
            p[1] = c.green;
            p[2] = c.red;
        }
    }
    return TemplateBitmap(width, height, rows.get(), rows);
}

// The patterned template of an id at its expected size; empty for an unknown id.
inline TemplateBitmap PatternTemplate(int id) {
    const TemplateSize size = ExpectedTemplateSize(id);
    if (size.width == 0)
        return {};
    return MakeBitmap(size.width, size.height, [id](int32_t x, int32_t r) { return PatternAt(id, x, r); });
}

// A template of one colour at the expected size of the id.
inline TemplateBitmap SolidTemplate(int id, Rgb3 color) {
    const TemplateSize size = ExpectedTemplateSize(id);
    return MakeBitmap(size.width, size.height, [color](int32_t, int32_t) { return color; });
}

}  // namespace synthetic
