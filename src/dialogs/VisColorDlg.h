// The visualization colour dialog behind the "MAIN＆EQ" page's "スペアナ色設定..." button: the 24
// colours of VISCOLOR.TXT as swatches, edited one by one in the colour chooser, with a gradation
// between two marked analyzer colours and a reset to the defaults.
#pragma once

#include <windows.h>

#include <array>

#include "settings/SkinSettings.h"

// Runs the dialog modally over `owner`'s top-level window on a copy of `colors`. OK writes the
// copy back (resets and gradations included) and returns true; Cancel, Escape and the close box
// leave `colors` as it was and return false.
bool EditVisColors(HWND owner, std::array<SkinColorValue, kVisColorCount>& colors);
