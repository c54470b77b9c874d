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
    // Where the picture lands, in view columns [left + firstColumn, left + endColumn) and stored
    // rows [bottom + firstRow, bottom + endRow); empty when there is no usable picture.
    int32_t left = 0, bottom = 0, firstColumn = 0, endColumn = 0, firstRow = 0, endRow = 0;
    if (IsPicture32(picture)) {
        left = (view.width - picture.Width()) / 2;
        bottom = (view.height - picture.Height()) / 2;
        firstColumn = std::max(0, -left);
        endColumn = std::min(picture.Width(), view.width - left);
        firstRow = std::max(0, -bottom);
        endRow = std::min(picture.Height(), view.height - bottom);
    }
    const size_t bpp = static_cast<size_t>(view.bytesPerPixel);
    const size_t sourceStride = static_cast<size_t>(picture.RowBytes());
    const SkinColorValue& side = settings.SideColor;
    auto fillMargin = [&](uint8_t* p, int32_t count) {
        for (int32_t x = 0; x < count; ++x, p += bpp) {
            p[0] = side.blue;
            p[1] = side.green;
            p[2] = side.red;
        }
    };
    // Row by row: the margin colour where the picture does not reach, the picture's blue, green
    // and red where it does. The view's fourth bytes are never written here.
    for (int32_t r = 0; r < view.height; ++r) {
        uint8_t* row = view.At(0, r);
        const int32_t i = r - bottom;
        if (i < firstRow || i >= endRow || firstColumn >= endColumn) {
            fillMargin(row, view.width);
            continue;
        }
        const int32_t x0 = left + firstColumn;
        const int32_t x1 = left + endColumn;
        fillMargin(row, x0);
        const uint8_t* s =
            picture.Pixels() + static_cast<size_t>(i) * sourceStride + 4 * static_cast<size_t>(firstColumn);
        uint8_t* d = row + static_cast<size_t>(x0) * bpp;
        for (int32_t x = x0; x < x1; ++x, s += 4, d += bpp) {
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
        }
        fillMargin(d, view.width - x1);
    }

    if (settings.SkinLine == 1)
        DrawFrame(view, settings.ColorBG, style);
}
