// Composition of the preview windows from the fitted pictures, the settings and the templates.
#pragma once

#include <cstdint>

#include "compose/ColorRules.h"
#include "compose/SkinCanvases.h"
#include "compose/SkinMode.h"
#include "compose/TemplateStore.h"
#include "picture/DibBuffer.h"
#include "settings/SkinSettings.h"

// Copies a width x height rectangle of a 24-bit template into a 32-bit buffer. Rows are counted in
// stored order (from the bottom) in both: source row sourceRow + k goes to destination row
// destinationRow + k, column sourceX + j to destinationX + j. The markers of ColorBG, Color and
// TextNORMAL become those colours (all six markers with kAllMarkerCount, as the skin files have
// them); every other pixel is copied. The destination's fourth bytes are never written. A
// rectangle that does not lie wholly inside both pictures copies nothing, as does a width or height
// of 0 or less.
void BlitTemplate(const SkinSettings& settings,
                  const TemplateBitmap& source,
                  int32_t sourceX,
                  int32_t sourceRow,
                  DibBuffer& destination,
                  int32_t destinationX,
                  int32_t destinationRow,
                  int32_t width,
                  int32_t height,
                  size_t ruleCount = kPreviewMarkerCount);

// Rebuilds the control overlay (white with the control pieces) and the playlist base (the frame
// pieces of the playlist editor). They depend only on Color, ColorBG and TextNORMAL; for a complete
// skin the overlays also carry its bars and its equalizer, in all the text and digit colours.
void BuildTemplates(const SkinSettings& settings,
                    SkinCanvases& canvases,
                    const TemplateSource& templates = LoadTemplate,
                    SkinMode mode = SkinMode::Classic);

// Composes the main window (stacked with the equalizer when FullSize is set, else alone), the
// playlist canvas and the browser canvas. The main canvas not chosen keeps its content. The mode
// must be the one the overlays were built for.
void ComposeSkin(const SkinSettings& settings,
                 const DibBuffer& fit232,
                 const DibBuffer& fit116,
                 SkinCanvases& canvases,
                 const TemplateSource& templates = LoadTemplate,
                 SkinMode mode = SkinMode::Classic);
