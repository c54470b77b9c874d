#include "PreviewModel.h"

#include <algorithm>
#include <cstring>

namespace oracle {

namespace {

void Put4(uint8_t* p, const SkinColorValue& c) {
    p[0] = c.blue;
    p[1] = c.green;
    p[2] = c.red;
    p[3] = c.alpha;
}

uint32_t Rgb24(const uint8_t* p) {
    return p[2] << 16 | p[1] << 8 | p[0];
}

// The preview's piece copier: only the ColorBG, Color and TextNORMAL markers are replaced; the
// fourth byte is never written. Placement in skin coordinates (y downward).
void BlitTemplate(const SkinSettings& s,
                  int id,
                  int32_t sx,
                  int32_t sy,
                  int32_t w,
                  int32_t h,
                  Raster& canvas,
                  int32_t dx,
                  int32_t dy) {
    const Raster& t = TemplateFile(id);
    for (int32_t k = 0; k < h; ++k) {
        for (int32_t j = 0; j < w; ++j) {
            const uint8_t* src = t.At(sx + j, t.StoredRowOf(sy, h) + k);
            uint8_t* dst = canvas.At(dx + j, canvas.StoredRowOf(dy, h) + k);
            const SkinColorValue* c = nullptr;
            switch (Rgb24(src)) {
                case 0x0060E4:
                    c = &s.ColorBG;
                    break;
                case 0x00C0FF:
                    c = &s.Color;
                    break;
                case 0xFF0000:
                    c = &s.TextNORMAL;
                    break;
            }
            dst[0] = c ? c->blue : src[0];
            dst[1] = c ? c->green : src[1];
            dst[2] = c ? c->red : src[2];
        }
    }
}

Raster ControlOverlay(const SkinSettings& s) {
    Raster o = Raster::Make(275, 116, 4);
    for (int32_t y = 0; y < 116; ++y)
        for (int32_t x = 0; x < 275; ++x)
            Put4(o.At(x, y), SkinColorValue{255, 255, 255, 0});
    BlitTemplate(s, 137, 0, 0, 114, 18, o, 16, 88);
    BlitTemplate(s, 137, 114, 0, 22, 16, o, 136, 89);
    BlitTemplate(s, 146, 20, 2, 6, 6, o, 28, 30);
    BlitTemplate(s, 149, 28, 30, 46, 15, o, 164, 89);
    BlitTemplate(s, 149, 0, 30, 28, 15, o, 210, 89);
    BlitTemplate(s, 149, 0, 73, 46, 12, o, 219, 58);
    BlitTemplate(s, 151, 304, 0, 8, 43, o, 10, 22);
    return o;
}

Raster PlaylistBase(const SkinSettings& s) {
    Raster b = Raster::Make(275, 116, 4);
    struct Piece {
        int32_t sx, sy, w, h, dx, dy;
    };
    const Piece pieces[] = {
        {0, 72, 125, 38, 0, 78},   {126, 72, 150, 38, 125, 78}, {0, 42, 25, 29, 0, 49},   {0, 42, 25, 29, 0, 20},
        {26, 42, 25, 29, 250, 49}, {26, 42, 25, 29, 250, 20},   {52, 53, 8, 18, 260, 20}, {0, 0, 25, 20, 0, 0},
        {127, 0, 25, 20, 25, 0},   {127, 0, 25, 20, 50, 0},     {127, 0, 25, 20, 75, 0},  {127, 0, 25, 20, 175, 0},
        {127, 0, 25, 20, 200, 0},  {127, 0, 25, 20, 225, 0},    {26, 0, 100, 20, 87, 0},  {153, 0, 25, 20, 250, 0},
    };
    for (const Piece& p : pieces)
        BlitTemplate(s, 147, p.sx, p.sy, p.w, p.h, b, p.dx, p.dy);
    return b;
}

Raster MainCanvas(const SkinSettings& s, const DibBuffer& fit232, const DibBuffer& fit116, const Raster& overlay) {
    const bool full = s.FullSize != 0;
    const DibBuffer& picture = full ? fit232 : fit116;
    const int32_t H = full ? 232 : 116;
    const int32_t r0 = full && s.SkinReverse != 0 ? 116 : 0;
    Raster c = Raster::Make(275, H, 4);
    const int32_t w = picture.Width(), h = picture.Height();
    const int32_t left = (275 - w) / 2, bottom = (H - h) / 2, top = H - bottom - h;
    for (int32_t y = 0; y < H; ++y)
        for (int32_t x = 0; x < 275; ++x)
            std::memcpy(c.At(x, y), &s.SideColor, 3);
    // Picture row `row` counted from its top is stored row h - 1 - row of the picture.
    for (int32_t row = 0; row < h; ++row)
        for (int32_t col = 0; col < w; ++col)
            std::memcpy(c.At(left + col, H - 1 - (top + row)),
                        picture.Pixels() + static_cast<size_t>(h - 1 - row) * 4 * w + 4 * col, 3);
    if (s.SkinLine == 1) {
        const SkinColorValue grey{128, 128, 128, 0};
        for (int32_t y = 0; y < H; ++y) {
            Put4(c.At(0, y), grey);
            Put4(c.At(274, y), grey);
            Put4(c.At(1, y), s.ColorBG);
            Put4(c.At(273, y), s.ColorBG);
        }
        for (int32_t x = 0; x < 275; ++x) {
            Put4(c.At(x, H - 1), grey);
            Put4(c.At(x, 0), grey);
            Put4(c.At(x, H - 2), s.ColorBG);
            Put4(c.At(x, 1), s.ColorBG);
        }
    }
    for (int32_t y = 0; y < 116; ++y) {
        for (int32_t x = 0; x < 275; ++x) {
            const uint8_t* o = overlay.At(x, 115 - y);
            if (o[0] == s.KeyColor.blue && o[1] == s.KeyColor.green && o[2] == s.KeyColor.red)
                continue;
            uint8_t* p = c.At(x, H - 1 - (r0 + y));
            for (int ch = 0; ch < 3; ++ch)
                p[ch] = static_cast<uint8_t>(std::clamp(p[ch] + (o[ch] - p[ch]) * s.SkinAlphaBrend / 10, 0, 255));
        }
    }
    return c;
}

// Writes, for every mask pixel with a listed colour, all four bytes of its setting.
template <typename Lookup>
void PaintMask(int id, int32_t dx, int32_t dy, Raster& canvas, Lookup lookup) {
    const Raster& m = TemplateFile(id);
    for (int32_t row = 0; row < m.height; ++row) {
        for (int32_t col = 0; col < m.width; ++col) {
            const SkinColorValue* c = lookup(Rgb24(m.At(col, m.height - 1 - row)));
            if (c)
                Put4(canvas.At(dx + col, canvas.height - 1 - (dy + row)), *c);
        }
    }
}

Raster PlaylistCanvas(const SkinSettings& s, const Raster& base) {
    Raster c = base;
    PaintMask(139, 11, 20, c, [&](uint32_t v) -> const SkinColorValue* {
        switch (v) {
            case 0x0000FF:
                return &s.SelectedBG;
            case 0x00FF00:
                return &s.Normal;
            case 0xFF0000:
                return &s.NormalBG;
            case 0xFFFFFF:
                return &s.Current;
            default:
                return nullptr;
        }
    });
    PaintMask(140, 132, 88, c, [&](uint32_t v) -> const SkinColorValue* {
        switch (v) {
            case 0x000000:
                return &s.TextNORMALBG;
            case 0xFF0000:
                return &s.TextNORMAL;
            default:
                return nullptr;
        }
    });
    return c;
}

Raster BrowserCanvas(const SkinSettings& s) {
    Raster c = Raster::Make(275, 116, 4);
    const Raster& t = TemplateFile(138);
    for (int32_t y = 0; y < 116; ++y) {
        for (int32_t x = 0; x < 275; ++x) {
            const uint8_t* p = t.At(x, y);
            switch (Rgb24(p)) {
                case 0x00C0FF:
                    Put4(c.At(x, y), s.Color);
                    break;
                case 0x0000FF:
                    Put4(c.At(x, y), s.MBFG);
                    break;
                case 0x0060E4:
                    Put4(c.At(x, y), s.ColorBG);
                    break;
                case 0x00FF00:
                    Put4(c.At(x, y), s.MBBG);
                    break;
                default:
                    Put4(c.At(x, y), SkinColorValue{p[0], p[1], p[2], 0});
            }
        }
    }
    return c;
}

// Copies the blue, green and red of a 275-wide window into the preview with its top-left at (x, y).
void PlaceSlot(Raster& preview, const Raster& window, int32_t x, int32_t y) {
    for (int32_t row = 0; row < window.height; ++row)
        for (int32_t col = 0; col < window.width; ++col)
            std::memcpy(preview.At(x + col, preview.height - 1 - (y + row)), window.At(col, window.height - 1 - row),
                        3);
}

}  // namespace

ExpectedCanvases ExpectedComposition(const SkinSettings& s, const DibBuffer& fit232, const DibBuffer& fit116) {
    ExpectedCanvases e;
    e.mainEq = Raster::Make(275, 232, 4);
    e.main = Raster::Make(275, 116, 4);
    e.controlOverlay = ControlOverlay(s);
    e.playlistBase = PlaylistBase(s);
    (s.FullSize != 0 ? e.mainEq : e.main) = MainCanvas(s, fit232, fit116, e.controlOverlay);
    e.playlistCanvas = PlaylistCanvas(s, e.playlistBase);
    e.browserCanvas = BrowserCanvas(s);
    return e;
}

Raster ExpectedPreview(const SkinSettings& s, const ExpectedCanvases& canvases, bool pictureLoaded) {
    // Panel slots at (2, 210), (2, 326), (277, 210), (277, 326), taken relative to (2, 210).
    Raster preview = Raster::Make(550, 232, 4);
    const bool mainEq = pictureLoaded && s.FullSize != 0;
    if (mainEq) {
        PlaceSlot(preview, canvases.mainEq, 0, 0);
    } else {
        PlaceSlot(preview, TemplateFile(131), 0, 0);
        PlaceSlot(preview, pictureLoaded ? canvases.main : TemplateFile(132), 0, 116);
    }
    PlaceSlot(preview, pictureLoaded && s.MBSave != 0 ? canvases.browserCanvas : TemplateFile(133), 275, 0);
    PlaceSlot(preview, pictureLoaded && s.PLSave != 0 ? canvases.playlistCanvas : TemplateFile(134), 275, 116);
    return preview;
}

}  // namespace oracle
