#include "compose/VisColorPanel.h"

#include <cstdint>

namespace {

constexpr SkinColorValue kHighlight = Rgb(255, 255, 255);
constexpr SkinColorValue kLight = Rgb(223, 223, 223);
constexpr SkinColorValue kShadow = Rgb(127, 127, 127);
constexpr SkinColorValue kDarkShadow = Rgb(0, 0, 0);
constexpr SkinColorValue kMarker = Rgb(64, 64, 64);

constexpr int kBytesPerPixel = 4;

bool HoldsSwatch(const DibBuffer& panel, int swatch) {
    return !panel.IsEmpty() && panel.Pixels() && panel.Header()->info.bitCount == 32 && panel.Width() == kSwatchWidth &&
           swatch >= 0 && swatch < panel.Height() / kSwatchHeight;
}

// Row `row` (0 = top) of swatch `swatch`; the panel is stored bottom-up, rows of 4 * 64 bytes.
uint8_t* SwatchRow(DibBuffer& panel, int swatch, int row) {
    const int stored = panel.Height() - kSwatchHeight * swatch - 1 - row;
    return panel.Pixels() + static_cast<size_t>(stored) * static_cast<size_t>(panel.RowBytes());
}

void Put(uint8_t* row, int x, const SkinColorValue& color) {
    uint8_t* pixel = row + kBytesPerPixel * x;
    pixel[0] = color.blue;
    pixel[1] = color.green;
    pixel[2] = color.red;
    pixel[3] = 0;
}

void Fill(uint8_t* row, int from, int to, const SkinColorValue& color) {
    for (int x = from; x <= to; ++x)
        Put(row, x, color);
}

}  // namespace

bool AllocateVisPanel(DibBuffer& panel, const VisColorGroup& group) {
    panel.Release();
    return panel.Allocate(kSwatchWidth, kSwatchHeight * group.count, 32) != 0;
}

void DrawSwatch(DibBuffer& panel, int swatch, const SkinColorValue& color) {
    if (!HoldsSwatch(panel, swatch))
        return;
    constexpr int kLast = kSwatchWidth - 1;
    for (int y = 0; y < kSwatchHeight; ++y) {
        uint8_t* row = SwatchRow(panel, swatch, y);
        if (y == kSwatchHeight - 1) {
            Fill(row, 0, kLast, kDarkShadow);
            continue;
        }
        Put(row, 0, kHighlight);
        if (y == 0) {
            Fill(row, 1, kLast - 1, kHighlight);
        } else if (y == kSwatchHeight - 2) {
            Fill(row, 1, kLast - 1, kShadow);
        } else {
            Put(row, 1, kLight);
            Fill(row, 2, kLast - 2, y == 1 ? kLight : color);
            Put(row, kLast - 1, kShadow);
        }
        Put(row, kLast, kDarkShadow);
    }
}

void DrawMarker(DibBuffer& panel, int swatch) {
    if (!HoldsSwatch(panel, swatch))
        return;
    constexpr int kLast = kSwatchWidth - 1;
    for (int y = 0; y < kSwatchHeight; ++y) {
        uint8_t* row = SwatchRow(panel, swatch, y);
        if (y < 2 || y >= kSwatchHeight - 2) {
            Fill(row, 0, kLast, kMarker);
        } else {
            Fill(row, 0, 1, kMarker);
            Fill(row, kLast - 1, kLast, kMarker);
        }
    }
}
