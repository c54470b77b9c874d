// Drawing a DibBuffer on a device context, pixel for pixel.
#pragma once

#include <windows.h>

#include "picture/DibBuffer.h"

// Copies the whole of `dib` 1:1 with its top-left corner at `at`; an empty buffer draws nothing.
void DrawDib(HDC dc, const DibBuffer& dib, POINT at);
