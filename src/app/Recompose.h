// The hooks every change of a setting goes through, and the colour chooser of the colour buttons.
#pragma once

#include "settings/SkinSettings.h"

// Rebuilds the control overlay and the playlist base from the templates with the current marker
// colours; nothing while no picture is loaded.
void RebuildTemplates();
// Composes every preview canvas and repaints the preview slots; nothing while no picture is loaded.
void RecomposeAndRedraw();
// Edits red, green and blue of `color` with the system colour dialog (alpha stays). 1 when the
// user confirmed, 0 when cancelled (the colour is then untouched).
int PickColor(SkinColorValue& color);
