// The gradation of the spectrum analyzer's colours between two marked positions.
#pragma once

#include <array>

#include "settings/SkinSettings.h"

// Fills the analyzer colours strictly between positions markA and markB (0 to 15, position m being
// VisColor 2 + m, in either order) with a linear gradation from the upper to the lower marked
// colour. Each of blue, green and red steps by (end - start) / n in single precision, n being the
// distance of the markers, and is truncated toward zero; the fourth byte stays. The marked colours
// keep their values. Returns false, changing nothing, when the markers are less than two apart or
// either lies outside 0 to 15.
bool FillVisGradation(std::array<SkinColorValue, kVisColorCount>& colors, int markA, int markB);
