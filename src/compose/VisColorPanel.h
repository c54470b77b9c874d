// The visualization colours as the colour dialog shows them: four panels of 64 x 16 swatches, one
// per colour group of VISCOLOR.TXT, each swatch a bevelled frame around its colour, and the frame
// that marks a gradation end on the analyzer panel.
//
// A panel is a 32-bit DibBuffer 64 pixels wide and 16 pixels high per swatch, stored bottom-up:
// swatch k (counted from the top) of a panel H rows high lies in stored rows H - 16k - 16 to
// H - 16k - 1. Pixels are blue, green, red and a fourth byte of 0.
#pragma once

#include <array>
#include <cstddef>

#include "picture/DibBuffer.h"
#include "settings/SkinSettings.h"

constexpr int kSwatchWidth = 64;
constexpr int kSwatchHeight = 16;

// One colour group: the VisColor indexes first .. first + count - 1, shown from the top down.
struct VisColorGroup {
    size_t first;
    int count;
};

// The groups in the order the dialog lays out and hit-tests its panels.
constexpr VisColorGroup kVisBackground{0, 2};
constexpr VisColorGroup kVisAnalyzer{2, 16};
constexpr VisColorGroup kVisOscilloscope{18, 5};
constexpr VisColorGroup kVisPeak{23, 1};
constexpr std::array<VisColorGroup, 4> kVisColorGroups = {kVisBackground, kVisAnalyzer, kVisOscilloscope, kVisPeak};

// A zero-filled panel for the swatches of `group`; false (with the buffer's own message) when the
// memory cannot be had.
bool AllocateVisPanel(DibBuffer& panel, const VisColorGroup& group);

// Paints swatch `swatch` of `panel` with `color`: a white top and left edge, a light grey inner
// top and left edge, a grey inner bottom and right edge, a black outer bottom and right edge.
// Nothing happens for a swatch the panel does not hold or a panel that is not a 64-pixel 32-bit one.
void DrawSwatch(DibBuffer& panel, int swatch, const SkinColorValue& color);

// Frames swatch `swatch` in dark grey, two pixels wide, keeping the inner 60 x 12 pixels.
void DrawMarker(DibBuffer& panel, int swatch);
