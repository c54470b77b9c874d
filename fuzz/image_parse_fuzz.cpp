// libFuzzer target for the image decoder alone (PNG, JPEG, GIF, TGA, PSD, PNM), through its public
// calls only: the header probe and the decoding of pictures of up to 2^14 pixels, with no fitting,
// so that a run tries many inputs a second. A decoded picture has the probed size and its rows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "picture/ImageDecoder.h"

namespace {
constexpr uint64_t kMaxPixels = uint64_t(1) << 14;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file(data, data + size);
    const ImageProblem probed = ProbeImage(file.data(), file.size(), kMaxPixels);
    DecodedImage image;
    const ImageProblem decoded = DecodeImage(file.data(), file.size(), image, kMaxPixels);
    if (decoded.error != ImageError::None) {
        if (image.Rows() != nullptr)
            std::abort();  // a refused picture leaves nothing behind
        return 0;
    }
    if (probed.error != ImageError::None || image.Width() != probed.width || image.Height() != probed.height ||
        image.Width() <= 0 || image.Height() <= 0 || uint64_t(image.Width()) * uint64_t(image.Height()) > kMaxPixels ||
        image.Rows() == nullptr)
        std::abort();
    // Every byte of the rows is there: the last one is read (ASan catches a short block).
    volatile uint8_t last = image.Rows()[3 * size_t(image.Width()) * size_t(image.Height()) - 1];
    (void)last;
    return 0;
}
