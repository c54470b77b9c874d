#include "picture/FitPicture.h"

#include <algorithm>
#include <cmath>

#include "picture/FitKernel.h"

FitGeometry ComputeFit(int32_t sourceWidth, int32_t sourceHeight, int32_t boxWidth, int32_t boxHeight) {
    const float sw = static_cast<float>(sourceWidth);
    const float sh = static_cast<float>(sourceHeight);
    const float w = static_cast<float>(boxWidth);
    const float h = static_cast<float>(boxHeight);
    // A picture relatively taller than the box is fitted by height; equal ratios go by width.
    const float boxRatio = h / w;
    const float pictureRatio = sh / sw;
    FitGeometry fit;
    fit.scale = boxRatio < pictureRatio ? h / sh : w / sw;
    const double scale = fit.scale;
    // A very flat or very narrow picture would round one side to nothing.
    fit.width = std::max(1, static_cast<int32_t>(std::floor(scale * sourceWidth + 0.5)));
    fit.height = std::max(1, static_cast<int32_t>(std::floor(scale * sourceHeight + 0.5)));
    return fit;
}

int FitPicture(const DibBuffer& source, DibBuffer& destination, int32_t boxWidth, int32_t boxHeight) {
    if (source.IsEmpty() || source.Header()->info.bitCount != 32 || source.Width() <= 0 || source.Height() <= 0 ||
        boxWidth <= 0 || boxHeight <= 0)
        return 0;
    const FitGeometry fit = ComputeFit(source.Width(), source.Height(), boxWidth, boxHeight);
    destination.Release();
    if (!destination.AllocateFrom(*source.Header(), fit.width, fit.height, 32))
        return 0;
    PixelSource pixels;
    pixels.width = source.Width();
    pixels.height = source.Height();
    pixels.bitCount = 32;
    pixels.rows = source.Pixels();
    pixels.stride = static_cast<size_t>(source.RowBytes());
    const ColourTable noPalette(pixels);
    BoxFitter<32> fitter(pixels, noPalette, fit.scale, destination);
    while (!fitter.Done())
        fitter.FitRow();
    return 1;
}
