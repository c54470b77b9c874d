#include "Canvas.h"

Canvas::Canvas(int width, int height, Paint fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Set(int x, int y, Paint color) {
    if (Contains(x, y))
        pixels_[static_cast<size_t>(y) * width_ + x] = color;
}

Paint Canvas::Get(int x, int y) const {
    return Contains(x, y) ? pixels_[static_cast<size_t>(y) * width_ + x] : kKey;
}

void Canvas::Fill(const Rect& r, Paint color) {
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x)
            Set(x, y, color);
}

void Canvas::Outline(const Rect& r, Paint color) {
    Bevel(r, color, color);
}

void Canvas::HLine(int x0, int x1, int y, Paint color) {
    for (int x = x0; x <= x1; ++x)
        Set(x, y, color);
}

void Canvas::VLine(int x, int y0, int y1, Paint color) {
    for (int y = y0; y <= y1; ++y)
        Set(x, y, color);
}

void Canvas::Bevel(const Rect& r, Paint light, Paint dark) {
    if (r.w <= 0 || r.h <= 0)
        return;
    HLine(r.x, r.Right(), r.y, light);
    VLine(r.x, r.y, r.Bottom(), light);
    HLine(r.x, r.Right(), r.Bottom(), dark);
    VLine(r.Right(), r.y, r.Bottom(), dark);
}

void Canvas::Replace(const Rect& r, Paint from, Paint to) {
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x)
            if (Get(x, y) == from)
                Set(x, y, to);
}

void Canvas::Blit(const Canvas& source, const Rect& src, int dx, int dy, bool skipKey) {
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x) {
            const Paint c = source.Get(src.x + x, src.y + y);
            if (!(skipKey && c == kKey))
                Set(dx + x, dy + y, c);
        }
}

std::vector<uint8_t> Canvas::BottomUpRows() const {
    const size_t stride = (3 * static_cast<size_t>(width_) + 3) / 4 * 4;
    std::vector<uint8_t> rows(stride * height_, 0);
    for (int y = 0; y < height_; ++y) {
        uint8_t* out = rows.data() + stride * (height_ - 1 - y);
        for (int x = 0; x < width_; ++x) {
            const Paint c = pixels_[static_cast<size_t>(y) * width_ + x];
            out[3 * x] = c.b;
            out[3 * x + 1] = c.g;
            out[3 * x + 2] = c.r;
        }
    }
    return rows;
}
