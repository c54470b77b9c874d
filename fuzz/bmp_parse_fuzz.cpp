// libFuzzer target for the bitmap reader alone: header checks and the expansion of the rows to 32
// bits, with no fitting, so that a run tries many inputs a second. An accepted file's rows lie
// inside the input (the sanitizers catch a read past it), and its first rows expand.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "picture/BmpReader.h"

namespace {
constexpr uint64_t kPixels = uint64_t(1) << 16;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact copy, so that a read one byte past the file is caught even inside libFuzzer's buffer.
    const std::vector<uint8_t> file(data, data + size);
    PixelSource source;
    if (ParseBmp(file.data(), file.size(), source) != BmpError::None)
        return 0;
    if (!IsAcceptedBmp(file.data(), file.size()) || source.width <= 0 || source.height <= 0)
        std::abort();
    // The first rows only: every depth's row code runs, and a wide file's copy stays small.
    const uint64_t rows = std::min<uint64_t>(uint64_t(source.height), std::max<uint64_t>(1, kPixels / source.width));
    if (uint64_t(source.width) > kPixels)
        return 0;
    source.height = static_cast<int32_t>(rows);
    std::vector<uint8_t> pixels(4 * size_t(source.width) * size_t(rows));
    if (ExpandTo32(source, pixels.data()) != 1)
        std::abort();
    return 0;
}
