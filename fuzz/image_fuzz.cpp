// libFuzzer target for the image decoder (PNG, JPEG, GIF, TGA, PSD, PNM) and the fitting straight
// from its rows. Every input must be refused or decoded without touching memory outside it; an
// accepted one must fit straight from the decoded rows exactly as its 32-bit copy fits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "picture/FitPicture.h"
#include "picture/ImageDecoder.h"
#include "picture/OpenPicture.h"

namespace {

// Larger pictures are only probed: decoding them would slow the search down.
constexpr uint64_t kMaxPixels = uint64_t(1) << 18;
// What an image plug-in is shown to tell whether a file is its own.
constexpr size_t kPluginHead = 2048;

bool Same(const DibBuffer& a, const DibBuffer& b) {
    return std::memcmp(a.Header(), b.Header(), sizeof(DibHeaderBlock)) == 0 && a.PixelBytes() == b.PixelBytes() &&
           std::memcmp(a.Pixels(), b.Pixels(), a.PixelBytes()) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IdentifyImage(data, size < kPluginHead ? size : kPluginHead);
    const ImageProblem probed = ProbeImage(data, size, kMaxPixels);
    if (probed.error != ImageError::None) {
        DecodedImage image;
        if (DecodeImage(data, size, image, kMaxPixels).error == ImageError::None)
            std::abort();  // a refused header must refuse the picture
        return 0;
    }

    DibBuffer picture, expected232, expected116, fit232, fit116;
    const ImageProblem read = ReadImageMemory(data, size, picture, kMaxPixels);
    ImageProblem fitted;
    const int fit = FitImageMemory(data, size, fit232, fit116, fitted);
    if ((read.error == ImageError::None) != (fit == 1))
        std::abort();
    if (read.error != ImageError::None)
        return 0;
    if (picture.Width() != probed.width || picture.Height() != probed.height ||
        FitPicture(picture, expected232, 275, 232) != 1 || FitPicture(picture, expected116, 275, 116) != 1)
        std::abort();
    if (!Same(fit232, expected232) || !Same(fit116, expected116))
        std::abort();
    return 0;
}
