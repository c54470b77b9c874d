// libFuzzer target for the bitmap reader alone: header checks and the expansion of the rows to 32
// bits, with no fitting, so that a run tries many inputs a second. An accepted file's rows lie
// inside the input (the sanitizers catch a read past it) and expand at every depth it allows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "picture/BmpReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact copy, so that a read one byte past the file is caught even inside libFuzzer's buffer.
    const std::vector<uint8_t> file(data, data + size);
    PixelSource source;
    if (ParseBmp(file.data(), file.size(), source) != BmpError::None)
        return 0;
    if (!IsAcceptedBmp(file.data(), file.size()) || source.width <= 0 || source.height <= 0)
        std::abort();
    // Accepted rows are inside the file, so their pixel count is bounded by its bits.
    std::vector<uint8_t> pixels(4 * size_t(source.width) * size_t(source.height));
    if (ExpandTo32(source, pixels.data()) != 1)
        std::abort();
    return 0;
}
