#include "dialogs/DrawDib.h"

void DrawDib(HDC dc, const DibBuffer& dib, POINT at) {
    if (dib.IsEmpty() || !dib.Pixels())
        return;
    const int width = dib.Width();
    const int height = dib.Height();
    // The header block is a BITMAPINFOHEADER with room for one palette entry: a BITMAPINFO.
    ::StretchDIBits(dc, at.x, at.y, width, height, 0, 0, width, height, dib.Pixels(),
                    reinterpret_cast<const BITMAPINFO*>(dib.Header()), DIB_RGB_COLORS, SRCCOPY);
}
