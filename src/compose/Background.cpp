#include "compose/Background.h"

#include <algorithm>
#include <cstring>

namespace {

void PaintRow(const PixelView& view, int32_t storedRow, int32_t x0, int32_t x1, const uint8_t* color) {
    for (int32_t x = x0; x <= x1; ++x)
        std::memcpy(view.At(x, storedRow), color, static_cast<size_t>(view.bytesPerPixel));
}

void PaintColumn(const PixelView& view, int32_t x, int32_t row0, int32_t row1, const uint8_t* color) {
    for (int32_t r = row0; r <= row1; ++r)
        std::memcpy(view.At(x, r), color, static_cast<size_t>(view.bytesPerPixel));
}

void DrawFrame(const PixelView& view, const SkinColorValue& inner, FrameStyle style) {
    if (view.width < 4 || view.height < 4)
        return;
    const uint8_t grey[4] = {128, 128, 128, 0};
    const uint8_t in[4] = {inner.blue, inner.green, inner.red, inner.alpha};
    const int32_t right = view.width - 1;
    const int32_t top = view.height - 1;
    if (style == FrameStyle::RowsLast) {
        for (int32_t x : {0, right})
            PaintColumn(view, x, 0, top, grey);
        for (int32_t x : {1, right - 1})
            PaintColumn(view, x, 0, top, in);
        for (int32_t r : {0, top})
            PaintRow(view, r, 0, right, grey);
        for (int32_t r : {1, top - 1})
            PaintRow(view, r, 0, right, in);
        return;
    }
    for (int32_t r : {1, top - 1})
        PaintRow(view, r, 1, right - 1, in);
    for (int32_t x : {1, right - 1})
        PaintColumn(view, x, 1, top - 1, in);
    for (int32_t r : {0, top})
        PaintRow(view, r, 0, right, grey);
    for (int32_t x : {0, right})
        PaintColumn(view, x, 0, top, grey);
}

bool IsPicture32(const DibBuffer& picture) {
    if (picture.IsEmpty() || picture.Header()->info.bitCount != 32 || picture.Width() <= 0 || picture.Height() <= 0)
        return false;
    return picture.PixelBytes() >= static_cast<size_t>(picture.RowBytes()) * static_cast<size_t>(picture.Height());
}

}  // namespace

void DrawWindowBackground(const PixelView& view,
                          const SkinSettings& settings,
                          const DibBuffer& picture,
                          FrameStyle style) {
    const SkinColorValue& side = settings.SideColor;
    for (int32_t r = 0; r < view.height; ++r) {
        for (int32_t x = 0; x < view.width; ++x) {
            uint8_t* p = view.At(x, r);
            p[0] = side.blue;
            p[1] = side.green;
            p[2] = side.red;
        }
    }

    if (IsPicture32(picture)) {
        const int32_t w = picture.Width();
        const int32_t h = picture.Height();
        const int32_t left = (view.width - w) / 2;
        const int32_t bottom = (view.height - h) / 2;
        const int32_t firstColumn = std::max(0, -left);
        const int32_t endColumn = std::min(w, view.width - left);
        const int32_t firstRow = std::max(0, -bottom);
        const int32_t endRow = std::min(h, view.height - bottom);
        const size_t sourceStride = static_cast<size_t>(picture.RowBytes());
        for (int32_t i = firstRow; i < endRow; ++i) {
            const uint8_t* source = picture.Pixels() + static_cast<size_t>(i) * sourceStride;
            for (int32_t j = firstColumn; j < endColumn; ++j) {
                const uint8_t* s = source + 4 * static_cast<size_t>(j);
                uint8_t* d = view.At(left + j, bottom + i);
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
            }
        }
    }

    if (settings.SkinLine == 1)
        DrawFrame(view, settings.ColorBG, style);
}
