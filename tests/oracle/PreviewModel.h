// Reference model of the preview: the control overlay, the playlist base, the main canvas, the
// playlist and browser canvases, and the four slots of the preview image.
#pragma once

#include "Raster.h"
#include "picture/DibBuffer.h"
#include "settings/SkinSettings.h"

namespace oracle {

struct ExpectedCanvases {
    // 32-bit, 275 wide, all four bytes defined (canvases start zero-filled).
    Raster mainEq, main, controlOverlay, playlistBase, playlistCanvas, browserCanvas;
};
// The canvases after allocation, BuildTemplates and ComposeSkin, in that order.
ExpectedCanvases ExpectedComposition(const SkinSettings& s, const DibBuffer& fit232, const DibBuffer& fit116);

// The 550 x 232 preview image (32-bit; only blue, green and red are defined).
Raster ExpectedPreview(const SkinSettings& s, const ExpectedCanvases& canvases, bool pictureLoaded);

}  // namespace oracle
