// The window background shared by the preview and the skin files: the margin colour, the fitted
// picture centred on it, and the optional two-pixel frame around the whole area.
#pragma once

#include <cstdint>

#include "picture/DibBuffer.h"
#include "settings/SkinSettings.h"

// A block of bottom-up pixel rows: `bytesPerPixel` is 4 for the preview canvases (blue, green,
// red, fourth byte) and 3 for the writer's 24-bit work buffer; `stride` bytes per stored row.
struct PixelView {
    uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    int32_t bytesPerPixel = 0;

    uint8_t* At(int32_t x, int32_t storedRow) const {
        return pixels + static_cast<size_t>(storedRow) * static_cast<size_t>(stride) +
               static_cast<size_t>(x) * static_cast<size_t>(bytesPerPixel);
    }
};

// The preview writes its frame columns first and its rows last, so the outermost pixels of the
// second and second-to-last rows take the inner colour; the skin files keep the outer ring grey
// all round.
enum class FrameStyle { RowsLast, OuterRingGrey };

// Fills the view with SideColor, copies blue, green and red of the 32-bit picture centred on it
// (an odd margin leaves its extra column at the right and its extra row at the top) and, when
// SkinLine is 1, draws the frame: grey 128, 128, 128 outside, ColorBG inside. Margin and picture
// never touch a fourth byte; the frame writes all bytes of a pixel (grey with a fourth byte 0).
// Picture pixels that would fall outside the view are left out; a picture that is not a 32-bit
// buffer is not drawn.
void DrawWindowBackground(const PixelView& view,
                          const SkinSettings& settings,
                          const DibBuffer& picture,
                          FrameStyle style);
