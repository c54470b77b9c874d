// libFuzzer target for the built-in bitmap reader and the fitting straight from a file image.
// Every input must be refused or read without touching memory outside it; an accepted one must
// fit straight from the file exactly as its 32-bit copy fits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

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
    if (error != BmpError::None || uint64_t(source.width) * uint64_t(source.height) > kMaxPixels)
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
