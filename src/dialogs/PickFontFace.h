// The font chooser behind "フォント設定...": the system's font dialog over the screen fonts, started
// from a face name; of the choice only the face name is kept.
#pragma once

#include <windows.h>

#include "settings/SkinSettings.h"

// Opens the chooser modal to `owner`'s top-level window on the face in `face` (its first 31 bytes,
// all a font description holds). On OK the chosen face name replaces `face` and 1 is returned; on
// Cancel `face` is untouched and 0 is returned.
int PickFontFace(HWND owner, char (&face)[kPlFontSize]);
