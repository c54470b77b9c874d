#include "app/StockPictures.h"

#include <cstring>

#include "compose/TemplateStore.h"
#include "resources/resource.h"

namespace {

// A 24-bit bottom-up DIB section holding the template's rows; the store's rows are laid out as the
// section's (blue, green, red; rows padded to 4 bytes), so they copy as one block.
HBITMAP MakeSection(const TemplateBitmap& art) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = art.Width();
    info.bmiHeader.biHeight = art.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (section)
        std::memcpy(bits, art.Rows(), static_cast<size_t>(art.RowBytes()) * static_cast<size_t>(art.Height()));
    return section;
}

}  // namespace

void StockPictures::Attach(HWND panel) {
    const struct {
        int control;
        TemplateId art;
    } slots[kSlotCount] = {
        {IDC_PREVIEW_EQ, kTplStockEqualizer},
        {IDC_PREVIEW_MAIN, kTplStockMain},
        {IDC_PREVIEW_BROWSER, kTplStockBrowser},
        {IDC_PREVIEW_PLAYLIST, kTplStockPlaylist},
    };
    for (int i = 0; i < kSlotCount; ++i) {
        const TemplateBitmap art = LoadTemplate(slots[i].art);
        HWND control = ::GetDlgItem(panel, slots[i].control);
        if (art.IsEmpty() || !control || m_pictures[i])
            continue;
        m_pictures[i].Reset(MakeSection(art));
        ::SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_pictures[i].Get()));
    }
}
