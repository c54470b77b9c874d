// libFuzzer target for the built-in bitmap reader and the fitting straight from a file image, and
// for the command line's decoder of the bitmaps the reader refuses (RLE, V4/V5, OS/2, bit fields,
// top-down). Every input must be refused or read without touching memory outside it; an accepted
// one must fit straight from the file exactly as its 32-bit copy fits, a decoded one must fit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "picture/BitmapDecoder.h"
#include "picture/BmpReader.h"
#include "picture/FitPicture.h"
#include "picture/OpenPicture.h"

namespace {

// Larger pictures are only parsed: their 32-bit copy would slow the search down.
constexpr uint64_t kMaxPixels = uint64_t(1) << 18;

bool Same(const DibBuffer& a, const DibBuffer& b) {
    return std::memcmp(a.Header(), b.Header(), sizeof(DibHeaderBlock)) == 0 && a.PixelBytes() == b.PixelBytes() &&
           std::memcmp(a.Pixels(), b.Pixels(), a.PixelBytes()) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PixelSource source;
    const BmpError error = ParseBmp(data, size, source);
    if (error != BmpError::None) {
        DecodedBitmap decoded;
        std::string why;
        DibBuffer fit232, fit116;
        if (size >= 2 && data[0] == 'B' && data[1] == 'M' && DecodeOtherBitmap(data, size, decoded, why, kMaxPixels) &&
            (FitAnyPictureMemory(data, size, fit232, fit116, why) != 1 || fit232.Width() > 275 ||
             fit116.Height() > 116))
            std::abort();
        return 0;
    }
    if (uint64_t(source.width) * uint64_t(source.height) > kMaxPixels)
        return 0;

    DibBuffer picture, expected232, expected116, fit232, fit116;
    if (ReadBmpMemory(data, size, picture) != 1 || FitPicture(picture, expected232, 275, 232) != 1 ||
        FitPicture(picture, expected116, 275, 116) != 1 || FitBmpMemory(data, size, fit232, fit116) != 1)
        std::abort();
    if (fit232.Width() > 275 || fit232.Height() > 232 || fit116.Width() > 275 || fit116.Height() > 116)
        std::abort();
    if (!Same(fit232, expected232) || !Same(fit116, expected116))
        std::abort();
    return 0;
}
