// Where the windows of a skin lie inside the pictures this program builds. Positions are given in
// skin coordinates (x to the right, y downward from the top-left corner, as in the skin files);
// every buffer stores its rows bottom-up, so both the preview and the writer go through
// StoredRowOf to find the rows of a rectangle.
#pragma once

#include <cstdint>

#include "settings/SkinSettings.h"

constexpr int32_t kSkinWidth = 275;
constexpr int32_t kWindowHeight = 116;                 // the main window and the equalizer each
constexpr int32_t kStackedHeight = 2 * kWindowHeight;  // main window and equalizer together

// First stored row of a rectangle whose top is at y and which is h rows high, inside a picture
// `imageHeight` rows high; the rectangle covers stored rows result .. result + h - 1.
constexpr int32_t StoredRowOf(int32_t imageHeight, int32_t y, int32_t h) {
    return imageHeight - y - h;
}

// The stacking of the main window and the equalizer.
struct WindowRows {
    int32_t height;   // rows of the whole background: 232 stacked, 116 for the main window alone
    int32_t mainRow;  // first stored row of the main window
    int32_t eqRow;    // first stored row of the equalizer; -1 when there is none
};

// With SkinReverse the equalizer is on top, so the main window takes the lower (first stored) half.
constexpr WindowRows WindowRowsFor(const SkinSettings& settings) {
    if (settings.FullSize == 0)
        return {kWindowHeight, 0, -1};
    if (settings.SkinReverse != 0)
        return {kStackedHeight, 0, kWindowHeight};
    return {kStackedHeight, kWindowHeight, 0};
}
