// Drawing a picture buffer onto a device context, one pixel for one pixel.
#pragma once

#include <windows.h>

#include "picture/DibBuffer.h"

namespace fw {

// Copies the whole of `dib` to `dc` with its top-left corner at `at`; nothing for an empty buffer.
// The rows are stored bottom-up and appear the right way up.
inline void DrawDib(HDC dc, const DibBuffer& dib, POINT at) {
    if (dib.IsEmpty() || !dib.Pixels())
        return;
    const int width = dib.Width();
    const int height = dib.Height();
    // The header block is a BITMAPINFOHEADER with room for one palette entry: a BITMAPINFO.
    ::StretchDIBits(dc, at.x, at.y, width, height, 0, 0, width, height, dib.Pixels(),
                    reinterpret_cast<const BITMAPINFO*>(dib.Header()), DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace fw
