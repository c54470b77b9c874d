#include "compose/SkinCanvases.h"

#include "compose/SkinLayout.h"

namespace {

bool IsCanvas(const DibBuffer& b, int32_t height) {
    return !b.IsEmpty() && b.Width() == kSkinWidth && b.Height() == height && b.Header()->info.bitCount == 32 &&
           b.PixelBytes() == static_cast<size_t>(4 * kSkinWidth) * static_cast<size_t>(height);
}

}  // namespace

int SkinCanvases::Allocate() {
    DibBuffer* windows[] = {&main, &controlOverlay, &eqOverlay, &playlistBase, &playlistCanvas, &browserCanvas};
    mainEq.Release();
    for (DibBuffer* window : windows)
        window->Release();
    int ok = mainEq.Allocate(kSkinWidth, kStackedHeight, 32);
    for (DibBuffer* window : windows)
        ok = ok && window->Allocate(kSkinWidth, kWindowHeight, 32);
    if (ok)
        return 1;
    mainEq.Release();
    for (DibBuffer* window : windows)
        window->Release();
    return 0;
}

bool SkinCanvases::IsAllocated() const {
    const DibBuffer* windows[] = {&main, &controlOverlay, &eqOverlay, &playlistBase, &playlistCanvas, &browserCanvas};
    if (!IsCanvas(mainEq, kStackedHeight))
        return false;
    for (const DibBuffer* window : windows) {
        if (!IsCanvas(*window, kWindowHeight))
            return false;
    }
    return true;
}
