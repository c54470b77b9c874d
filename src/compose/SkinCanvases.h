// The composed preview windows and the overlays they are made with. Each is a 32-bit DibBuffer 275 pixels wide (1100
// bytes per row, bottom-up), zero-filled when allocated; composition rewrites them, the preview shows them.
#pragma once

#include "picture/DibBuffer.h"

struct SkinCanvases {
    DibBuffer mainEq;          // 275 x 232: main window and equalizer stacked
    DibBuffer main;            // 275 x 116: main window alone
    DibBuffer controlOverlay;  // 275 x 116: the controls over white, never shown
    DibBuffer eqOverlay;       // 275 x 116: a complete skin's equalizer controls over white, never shown
    DibBuffer playlistBase;    // 275 x 116: the playlist frame, never shown
    DibBuffer playlistCanvas;  // 275 x 116
    DibBuffer browserCanvas;   // 275 x 116

    // (Re)allocates all seven, zero-filled. Returns 1; 0 when memory is refused (the buffer has
    // shown its message), in which case all seven are left empty.
    int Allocate();
    // All seven present with their sizes and 32 bits per pixel; composition does nothing otherwise.
    bool IsAllocated() const;
};
