#include "compose/PreviewImage.h"

#include <cstring>

#include "compose/SkinLayout.h"
#include "compose/TemplateSizes.h"

namespace {

// Slot corners in skin coordinates of the preview image.
constexpr int32_t kLeftColumn = 0;
constexpr int32_t kRightColumn = kSkinWidth;
constexpr int32_t kUpperRow = 0;
constexpr int32_t kLowerRow = kWindowHeight;

uint8_t* SlotRow(DibBuffer& out, int32_t x, int32_t y, int32_t height, int32_t r) {
    return out.Pixels() + static_cast<size_t>(StoredRowOf(kPreviewHeight, y, height) + r) * out.RowBytes() +
           4 * static_cast<size_t>(x);
}

void PlaceCanvas(DibBuffer& out, const DibBuffer& canvas, int32_t x, int32_t y) {
    const size_t rowBytes = static_cast<size_t>(canvas.RowBytes());
    for (int32_t r = 0; r < canvas.Height(); ++r)
        std::memcpy(SlotRow(out, x, y, canvas.Height(), r), canvas.Pixels() + r * rowBytes, rowBytes);
}

// The stock pictures are shown as they are: no marker replacement, fourth byte 0.
void PlaceStock(DibBuffer& out, int id, int32_t x, int32_t y, const TemplateSource& templates) {
    const TemplateBitmap stock = templates(id);
    if (!HasExpectedSize(stock, id))
        return;
    for (int32_t r = 0; r < stock.Height(); ++r) {
        const uint8_t* s = stock.Row(r);
        uint8_t* d = SlotRow(out, x, y, stock.Height(), r);
        for (int32_t j = 0; j < stock.Width(); ++j, s += 3, d += 4) {
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
            d[3] = 0;
        }
    }
}

}  // namespace

int ComposePreviewImage(const SkinSettings& settings,
                        const SkinCanvases& canvases,
                        bool pictureLoaded,
                        DibBuffer& out,
                        const TemplateSource& templates) {
    out.Release();
    if (pictureLoaded && !canvases.IsAllocated())
        return 0;
    if (!out.Allocate(kPreviewWidth, kPreviewHeight, 32))
        return 0;

    if (!pictureLoaded) {
        PlaceStock(out, kTplStockEqualizer, kLeftColumn, kUpperRow, templates);
        PlaceStock(out, kTplStockMain, kLeftColumn, kLowerRow, templates);
        PlaceStock(out, kTplStockBrowser, kRightColumn, kUpperRow, templates);
        PlaceStock(out, kTplStockPlaylist, kRightColumn, kLowerRow, templates);
        return 1;
    }

    if (settings.FullSize != 0) {
        PlaceCanvas(out, canvases.mainEq, kLeftColumn, kUpperRow);
    } else {
        PlaceStock(out, kTplStockEqualizer, kLeftColumn, kUpperRow, templates);
        PlaceCanvas(out, canvases.main, kLeftColumn, kLowerRow);
    }
    if (settings.PLSave != 0)
        PlaceCanvas(out, canvases.playlistCanvas, kRightColumn, kLowerRow);
    else
        PlaceStock(out, kTplStockPlaylist, kRightColumn, kLowerRow, templates);
    if (settings.MBSave != 0)
        PlaceCanvas(out, canvases.browserCanvas, kRightColumn, kUpperRow);
    else
        PlaceStock(out, kTplStockBrowser, kRightColumn, kUpperRow, templates);
    return 1;
}
