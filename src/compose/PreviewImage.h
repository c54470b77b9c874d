// The picture the preview panel shows: four 275 x 116 slots in a 550 x 232 image.
#pragma once

#include "compose/SkinCanvases.h"
#include "compose/TemplateStore.h"
#include "picture/DibBuffer.h"
#include "settings/SkinSettings.h"

constexpr int32_t kPreviewWidth = 550;
constexpr int32_t kPreviewHeight = 232;

// Lays out the slots as the panel does. Left column: the stacked main window and equalizer when
// FullSize is set, else the stock equalizer picture above the main canvas. Right column: the
// browser canvas above the playlist canvas, each replaced by its stock picture while MBSave or
// PLSave is 0. Without a picture all four slots show the stock pictures (equalizer and main window
// on the left, browser and playlist on the right). `out` becomes a 32-bit 550 x 232 buffer; slots
// whose stock picture is missing stay black. Returns 1; 0 when `out` cannot be allocated or the
// canvases are missing while a picture is loaded (`out` is then left empty).
int ComposePreviewImage(const SkinSettings& settings,
                        const SkinCanvases& canvases,
                        bool pictureLoaded,
                        DibBuffer& out,
                        const TemplateSource& templates = LoadTemplate);
