#include "compose/Compose.h"

#include <array>
#include <cstring>
#include <iterator>
#include <span>

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

// A complete skin's parts in the state the preview shows: volume at 75 %, balance centred, the
// position thumb at the start, the equalizer on with every slider at 0 dB. The bars, buttons and
// frames are blended like the other controls; the thumbs and the preamp line go over them at full
// strength, as the skin files have them.
constexpr TemplatePiece kCompleteMainPieces[] = {
    {kTplVolume, 0, 300, 68, 13, 107, 57},  // frame 20
    {kTplBalance, 9, 0, 38, 13, 177, 57},   // frame 0
    {kTplPosBar, 0, 0, 248, 10, 16, 72},    // the track's groove
};
constexpr TemplatePiece kCompleteMainThumbs[] = {
    {kTplVolume, 15, 422, 14, 11, 145, 58},
    {kTplBalance, 15, 422, 14, 11, 189, 58},
    {kTplPosBar, 248, 0, 29, 10, 16, 72},
};
constexpr int16_t kSliderX[] = {21, 78, 96, 114, 132, 150, 168, 186, 204, 222, 240};  // preamp, then the bands
constexpr int16_t kFlatFrameX = 13, kFlatFrameY = 229;                                // frame 14
constexpr int16_t kFlatThumbY = 38 + 24;

constexpr auto kCompleteEqPieces = [] {
    std::array<TemplatePiece, 6 + std::size(kSliderX)> pieces{{
        {kTplCompleteEqMain, 0, 0, 275, 116, 0, 0},     // grooves and band names
        {kTplCompleteEqMain, 0, 134, 275, 14, 0, 0},    // title bar, active
        {kTplCompleteEqMain, 69, 119, 25, 12, 14, 18},  // ON, on
        {kTplCompleteEqMain, 35, 119, 33, 12, 39, 18},  // AUTO, off
        {kTplCompleteEqMain, 224, 164, 44, 12, 217, 18},
        {kTplCompleteEqMain, 0, 294, 113, 19, 86, 17},  // graph
    }};
    for (size_t i = 0; i < std::size(kSliderX); ++i)
        pieces[6 + i] = {kTplCompleteEqMain, kFlatFrameX, kFlatFrameY, 14, 63, kSliderX[i], 38};
    return pieces;
}();
constexpr auto kCompleteEqThumbs = [] {
    std::array<TemplatePiece, 1 + std::size(kSliderX)> pieces{{{kTplCompleteEqMain, 0, 314, 113, 1, 86, 26}}};
    for (size_t i = 0; i < std::size(kSliderX); ++i)
        pieces[1 + i] = {kTplCompleteEqMain, 0, 164, 11, 11, static_cast<int16_t>(kSliderX[i] + 1), kFlatThumbY};
    return pieces;
}();

// Copies the pieces into the window whose first stored row in the canvas is windowRow. The
// classic controls take the preview's three markers; a complete skin's parts take all six, as
// their files do.
void CopyPieces(const SkinSettings& settings,
                std::span<const TemplatePiece> pieces,
                DibBuffer& canvas,
                const TemplateSource& templates,
                int32_t windowRow = 0,
                size_t ruleCount = kPreviewMarkerCount) {
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
                     piece.x, windowRow + StoredRowOf(kWindowHeight, piece.y, piece.height), piece.width, piece.height,
                     ruleCount);
    }
}

void FillWhite(DibBuffer& overlay) {
    // White with a fourth byte 0: the key colour wherever no piece lands.
    uint8_t* pixels = overlay.Pixels();
    for (size_t i = 0; i < overlay.PixelBytes(); i += 4) {
        pixels[i] = pixels[i + 1] = pixels[i + 2] = 255;
        pixels[i + 3] = 0;
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
                  int32_t height,
                  size_t ruleCount) {
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
            PutRecoloredPixel(s, d, settings, ruleCount);
        }
    }
}

void BuildTemplates(const SkinSettings& settings,
                    SkinCanvases& canvases,
                    const TemplateSource& templates,
                    SkinMode mode) {
    if (!canvases.IsAllocated())
        return;
    FillWhite(canvases.controlOverlay);
    FillWhite(canvases.eqOverlay);
    CopyPieces(settings, kOverlayPieces, canvases.controlOverlay, templates);
    if (mode == SkinMode::Complete) {
        CopyPieces(settings, kCompleteMainPieces, canvases.controlOverlay, templates, 0, kAllMarkerCount);
        CopyPieces(settings, kCompleteEqPieces, canvases.eqOverlay, templates, 0, kAllMarkerCount);
    }
    CopyPieces(settings, kPlaylistPieces, canvases.playlistBase, templates);
}

void ComposeSkin(const SkinSettings& settings,
                 const DibBuffer& fit232,
                 const DibBuffer& fit116,
                 SkinCanvases& canvases,
                 const TemplateSource& templates,
                 SkinMode mode) {
    if (!canvases.IsAllocated())
        return;
    const WindowRows rows = WindowRowsFor(settings);
    DibBuffer& canvas = settings.FullSize != 0 ? canvases.mainEq : canvases.main;
    const PixelView view{canvas.Pixels(), kSkinWidth, rows.height, canvas.RowBytes(), 4};
    DrawWindowBackground(view, settings, settings.FullSize != 0 ? fit232 : fit116, FrameStyle::RowsLast);
    BlendOverlay(settings, canvases.controlOverlay, canvas, rows.mainRow);
    if (mode == SkinMode::Complete) {
        CopyPieces(settings, kCompleteMainThumbs, canvas, templates, rows.mainRow, kAllMarkerCount);
        if (rows.eqRow >= 0) {
            BlendOverlay(settings, canvases.eqOverlay, canvas, rows.eqRow);
            CopyPieces(settings, kCompleteEqThumbs, canvas, templates, rows.eqRow, kAllMarkerCount);
        }
    }

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
