// Fitting a picture into a box of the skin's size: the whole picture, aspect ratio kept, touching
// the box on at least one side, sampled with a light 3 x 3 smoothing. Centring inside the box is
// left to the composition.
#pragma once

#include <cstdint>

#include "picture/DibBuffer.h"

// The scale and fitted size of a sourceWidth x sourceHeight picture in a boxWidth x boxHeight box.
// The size is never below 1 x 1, however flat or narrow the picture.
struct FitGeometry {
    float scale = 0;
    int32_t width = 0;
    int32_t height = 0;
};
FitGeometry ComputeFit(int32_t sourceWidth, int32_t sourceHeight, int32_t boxWidth, int32_t boxHeight);

// Makes `destination` the fitted 32-bit copy of the 32-bit `source` (its header a copy of the
// source's with the new size; fourth bytes 0). Returns 1; 0 when the source is not a non-empty
// 32-bit picture or the box is empty (destination untouched), or when the copy cannot be allocated
// (destination left empty).
int FitPicture(const DibBuffer& source, DibBuffer& destination, int32_t boxWidth, int32_t boxHeight);
