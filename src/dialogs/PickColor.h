// The colour chooser behind every colour button: the system's colour dialog, fully open, preset
// with the colour.
#pragma once

#include <windows.h>

#include "dialogs/SettingsHooks.h"
#include "settings/SkinSettings.h"

// Edits red, green and blue of `color` (alpha stays) in a chooser modal to `owner`'s top-level
// window. 1 when the user confirmed, even with the same colour; 0 when cancelled (the colour is
// then untouched).
int PickColor(HWND owner, SkinColorValue& color);

// A colour button of the settings pages: the chooser on `color`, then, after a confirmed choice
// (even of the same colour), the templates rebuilt first where the colour is one of their markers,
// and the preview recomposed.
void PickSettingColor(HWND owner, SettingsHooks& hooks, SkinColorValue& color, bool markerColor);
