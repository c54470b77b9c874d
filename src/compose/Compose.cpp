#include "compose/Compose.h"

#include <cstring>

#include "compose/Background.h"
#include "compose/ColorRules.h"
#include "compose/SkinLayout.h"
#include "compose/TemplateSizes.h"

namespace {

// A rectangle of a template placed in a window, both in skin coordinates.
struct TemplatePiece {
    int id;
    int16_t sourceX, sourceY, width, height, x, y;
};

constexpr TemplatePiece kOverlayPieces[] = {
    {kTplCButtons, 0, 0, 114, 18, 16, 88},    // the five control buttons
    {kTplCButtons, 114, 0, 22, 16, 136, 89},  // eject
    {kTplPlayPaus, 20, 2, 6, 6, 28, 30},      // inside of the stop indicator
    {kTplShufRep, 28, 30, 46, 15, 164, 89},   // shuffle, on
    {kTplShufRep, 0, 30, 28, 15, 210, 89},    // repeat, on
    {kTplShufRep, 0, 73, 46, 12, 219, 58},    // "EQ" and "PL", on
    {kTplTitleBar, 304, 0, 8, 43, 10, 22},    // clutter bar
};

// Later pieces go over earlier ones; the list area x 25..249, y 20..77 is left to the list mask.
constexpr TemplatePiece kPlaylistPieces[] = {
    {kTplPlEdit, 0, 72, 125, 38, 0, 78},   {kTplPlEdit, 126, 72, 150, 38, 125, 78},
    {kTplPlEdit, 0, 42, 25, 29, 0, 49},    {kTplPlEdit, 0, 42, 25, 29, 0, 20},
    {kTplPlEdit, 26, 42, 25, 29, 250, 49}, {kTplPlEdit, 26, 42, 25, 29, 250, 20},
    {kTplPlEdit, 52, 53, 8, 18, 260, 20},  {kTplPlEdit, 0, 0, 25, 20, 0, 0},
    {kTplPlEdit, 127, 0, 25, 20, 25, 0},   {kTplPlEdit, 127, 0, 25, 20, 50, 0},
    {kTplPlEdit, 127, 0, 25, 20, 75, 0},   {kTplPlEdit, 127, 0, 25, 20, 175, 0},
    {kTplPlEdit, 127, 0, 25, 20, 200, 0},  {kTplPlEdit, 127, 0, 25, 20, 225, 0},
    {kTplPlEdit, 26, 0, 100, 20, 87, 0},   {kTplPlEdit, 153, 0, 25, 20, 250, 0},
};

// One colour of a mask template and the setting written where it appears.
struct MaskRule {
    uint32_t color;  // 0xRRGGBB
    SkinColorValue SkinSettings::*value;
};

constexpr MaskRule kListMask[] = {
    {0x0000FF, &SkinSettings::SelectedBG},
    {0x00FF00, &SkinSettings::Normal},
    {0xFF0000, &SkinSettings::NormalBG},
    {0xFFFFFF, &SkinSettings::Current},
};
constexpr MaskRule kTimeMask[] = {
    {0x000000, &SkinSettings::TextNORMALBG},
    {0xFF0000, &SkinSettings::TextNORMAL},
};
constexpr MaskRule kBrowserColors[] = {
    {0x00C0FF, &SkinSettings::Color},
    {0x0000FF, &SkinSettings::MBFG},
    {0x0060E4, &SkinSettings::ColorBG},
    {0x00FF00, &SkinSettings::MBBG},
};

template <size_t N>
void CopyPieces(const SkinSettings& settings,
                const TemplatePiece (&pieces)[N],
                DibBuffer& canvas,
                const TemplateSource& templates) {
    TemplateBitmap source;
    int loaded = 0;
    for (const TemplatePiece& piece : pieces) {
        if (piece.id != loaded) {
            source = templates(piece.id);
            loaded = piece.id;
        }
        if (!HasExpectedSize(source, piece.id))
            continue;
        BlitTemplate(settings, source, piece.sourceX, StoredRowOf(source.Height(), piece.sourceY, piece.height), canvas,
                     piece.x, StoredRowOf(canvas.Height(), piece.y, piece.height), piece.width, piece.height);
    }
}

// Writes, at (x, y) of the canvas, the setting of every template pixel whose colour has a rule;
// other pixels are either left alone or, with copyOthers, copied with a fourth byte 0.
template <size_t N>
void PaintThroughMask(const SkinSettings& settings,
                      const TemplateBitmap& mask,
                      const MaskRule (&rules)[N],
                      DibBuffer& canvas,
                      int32_t x,
                      int32_t y,
                      bool copyOthers) {
    const int32_t w = mask.Width();
    const int32_t h = mask.Height();
    const int32_t firstRow = StoredRowOf(canvas.Height(), y, h);
    for (int32_t r = 0; r < h; ++r) {
        const uint8_t* source = mask.Row(r);
        uint8_t* target = canvas.Pixels() + static_cast<size_t>(firstRow + r) * static_cast<size_t>(canvas.RowBytes()) +
                          4 * static_cast<size_t>(x);
        for (int32_t j = 0; j < w; ++j, source += 3, target += 4) {
            const uint32_t color = TemplateColorAt(source);
            const MaskRule* rule = nullptr;
            for (const MaskRule& candidate : rules) {
                if (candidate.color == color) {
                    rule = &candidate;
                    break;
                }
            }
            if (rule) {
                const SkinColorValue& value = settings.*rule->value;
                target[0] = value.blue;
                target[1] = value.green;
                target[2] = value.red;
                target[3] = value.alpha;
            } else if (copyOthers) {
                target[0] = source[0];
                target[1] = source[1];
                target[2] = source[2];
                target[3] = 0;
            }
        }
    }
}

void BlendOverlay(const SkinSettings& settings, const DibBuffer& overlay, DibBuffer& canvas, int32_t mainRow) {
    const int32_t a = settings.SkinAlphaBrend;
    const size_t stride = static_cast<size_t>(4 * kSkinWidth);
    for (int32_t r = 0; r < kWindowHeight; ++r) {
        const uint8_t* o = overlay.Pixels() + static_cast<size_t>(r) * stride;
        uint8_t* c = canvas.Pixels() + static_cast<size_t>(mainRow + r) * stride;
        for (int32_t x = 0; x < kSkinWidth; ++x, o += 4, c += 4) {
            if (IsKeyColor(o, settings.KeyColor))
                continue;
            for (int channel = 0; channel < 3; ++channel)
                c[channel] = BlendChannel(o[channel], c[channel], a);
        }
    }
}

}  // namespace

void BlitTemplate(const SkinSettings& settings,
                  const TemplateBitmap& source,
                  int32_t sourceX,
                  int32_t sourceRow,
                  DibBuffer& destination,
                  int32_t destinationX,
                  int32_t destinationRow,
                  int32_t width,
                  int32_t height) {
    if (width <= 0 || height <= 0 || source.IsEmpty() || destination.IsEmpty() ||
        destination.Header()->info.bitCount != 32)
        return;
    auto inside = [](int32_t start, int32_t length, int32_t limit) {
        return start >= 0 && start <= limit && length <= limit - start;
    };
    if (!inside(sourceX, width, source.Width()) || !inside(sourceRow, height, source.Height()) ||
        !inside(destinationX, width, destination.Width()) || !inside(destinationRow, height, destination.Height()))
        return;
    const size_t destinationStride = static_cast<size_t>(destination.RowBytes());
    for (int32_t k = 0; k < height; ++k) {
        const uint8_t* s = source.Row(sourceRow + k) + 3 * static_cast<size_t>(sourceX);
        uint8_t* d = destination.Pixels() + static_cast<size_t>(destinationRow + k) * destinationStride +
                     4 * static_cast<size_t>(destinationX);
        for (int32_t j = 0; j < width; ++j, s += 3, d += 4) {
            PutRecoloredPixel(s, d, settings, kPreviewMarkerCount);
        }
    }
}

void BuildTemplates(const SkinSettings& settings, SkinCanvases& canvases, const TemplateSource& templates) {
    if (!canvases.IsAllocated())
        return;
    // White with a fourth byte 0: the key colour wherever no piece lands.
    uint8_t* overlay = canvases.controlOverlay.Pixels();
    for (size_t i = 0; i < canvases.controlOverlay.PixelBytes(); i += 4) {
        overlay[i] = overlay[i + 1] = overlay[i + 2] = 255;
        overlay[i + 3] = 0;
    }
    CopyPieces(settings, kOverlayPieces, canvases.controlOverlay, templates);
    CopyPieces(settings, kPlaylistPieces, canvases.playlistBase, templates);
}

void ComposeSkin(const SkinSettings& settings,
                 const DibBuffer& fit232,
                 const DibBuffer& fit116,
                 SkinCanvases& canvases,
                 const TemplateSource& templates) {
    if (!canvases.IsAllocated())
        return;
    const WindowRows rows = WindowRowsFor(settings);
    DibBuffer& canvas = settings.FullSize != 0 ? canvases.mainEq : canvases.main;
    const PixelView view{canvas.Pixels(), kSkinWidth, rows.height, canvas.RowBytes(), 4};
    DrawWindowBackground(view, settings, settings.FullSize != 0 ? fit232 : fit116, FrameStyle::RowsLast);
    BlendOverlay(settings, canvases.controlOverlay, canvas, rows.mainRow);

    std::memcpy(canvases.playlistCanvas.Pixels(), canvases.playlistBase.Pixels(), canvases.playlistBase.PixelBytes());
    const TemplateBitmap listMask = templates(kTplPlaylistMask);
    if (HasExpectedSize(listMask, kTplPlaylistMask))
        PaintThroughMask(settings, listMask, kListMask, canvases.playlistCanvas, 11, 20, false);
    const TemplateBitmap timeMask = templates(kTplTimeMask);
    if (HasExpectedSize(timeMask, kTplTimeMask))
        PaintThroughMask(settings, timeMask, kTimeMask, canvases.playlistCanvas, 132, 88, false);

    const TemplateBitmap browser = templates(kTplBrowserWindow);
    if (HasExpectedSize(browser, kTplBrowserWindow))
        PaintThroughMask(settings, browser, kBrowserColors, canvases.browserCanvas, 0, 0, true);
}
