#include "plugins/ifstb/DibHandles.h"

#include <cstring>

#include "picture/susie/SusieApi.h"

int MakeDibHandles(const DecodedImage& image, HLOCAL& infoBlock, HLOCAL& pixelBlock) {
    const size_t width = static_cast<size_t>(image.Width());
    const size_t height = static_cast<size_t>(image.Height());
    const size_t rowBytes = 3 * width;
    const size_t stride = (rowBytes + 3) / 4 * 4;
    if (stride * height > MAXDWORD)
        return kSusieNoMemory;
    HLOCAL info = ::LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(BITMAPINFOHEADER));
    HLOCAL pixels = info ? ::LocalAlloc(LMEM_MOVEABLE, stride * height) : nullptr;
    auto* header = info ? static_cast<BITMAPINFOHEADER*>(::LocalLock(info)) : nullptr;
    auto* rows = pixels ? static_cast<uint8_t*>(::LocalLock(pixels)) : nullptr;
    if (!header || !rows) {
        if (header)
            ::LocalUnlock(info);
        if (rows)
            ::LocalUnlock(pixels);
        if (info)
            ::LocalFree(info);
        if (pixels)
            ::LocalFree(pixels);
        return kSusieNoMemory;
    }
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = image.Width();
    header->biHeight = image.Height();  // positive: the bottom row first
    header->biPlanes = 1;
    header->biBitCount = 24;
    header->biCompression = BI_RGB;
    header->biSizeImage = static_cast<DWORD>(stride * height);
    // The decoded rows are top-down and already blue, green, red.
    for (size_t y = 0; y < height; ++y) {
        uint8_t* out = rows + (height - 1 - y) * stride;
        std::memcpy(out, image.Rows() + y * rowBytes, rowBytes);
        std::memset(out + rowBytes, 0, stride - rowBytes);
    }
    ::LocalUnlock(info);
    ::LocalUnlock(pixels);
    infoBlock = info;
    pixelBlock = pixels;
    return kSusieSuccess;
}
