// What the image decoder's fuzz targets check of an input: it is refused or decoded without
// touching memory outside it, a header refused refuses the picture, and an accepted one fits from
// its rows exactly as its whole 32-bit copy fits. Aborts on the first failure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "picture/FitPicture.h"
#include "picture/ImageDecoder.h"
#include "picture/OpenPicture.h"

namespace fuzz {

// Larger pictures are only probed: decoding them would slow the search down.
constexpr uint64_t kMaxPixels = uint64_t(1) << 18;
// What an image plug-in is shown to tell whether a file is its own.
constexpr size_t kPluginHead = 2048;

inline bool Same(const DibBuffer& a, const DibBuffer& b) {
    return std::memcmp(a.Header(), b.Header(), sizeof(DibHeaderBlock)) == 0 && a.PixelBytes() == b.PixelBytes() &&
           std::memcmp(a.Pixels(), b.Pixels(), a.PixelBytes()) == 0;
}

inline void CheckDecoder(const uint8_t* data, size_t size) {
    IdentifyImage(data, size < kPluginHead ? size : kPluginHead);
    const ImageProblem probed = ProbeImage(data, size, kMaxPixels);
    if (probed.error != ImageError::None) {
        DecodedImage image;
        if (DecodeImage(data, size, image, kMaxPixels).error == ImageError::None)
            std::abort();  // a refused header must refuse the picture
        return;
    }

    DibBuffer picture, expected232, expected116, fit232, fit116;
    const ImageProblem read = ReadImageMemory(data, size, picture, kMaxPixels);
    ImageProblem fitted;
    const int fit = FitImageMemory(data, size, fit232, fit116, fitted);
    if ((read.error == ImageError::None) != (fit == 1))
        std::abort();
    if (read.error != ImageError::None)
        return;
    if (picture.Width() != probed.width || picture.Height() != probed.height ||
        FitPicture(picture, expected232, 275, 232) != 1 || FitPicture(picture, expected116, 275, 116) != 1)
        std::abort();
    if (!Same(fit232, expected232) || !Same(fit116, expected116))
        std::abort();
}

}  // namespace fuzz
