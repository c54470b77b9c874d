// libFuzzer target for the adoption of an image plug-in's output: the plug-in's bitmap info block
// and pixel block are outside input like any file. The first two bytes give the info block's
// length, the rest of the input is split into the two blocks, each in an allocation of exactly its
// size, so that a read past either is caught.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "picture/AdoptPluginPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const size_t wanted = static_cast<size_t>(data[0] | data[1] << 8) % 1200;
    const size_t infoBytes = wanted < size - 2 ? wanted : size - 2;
    const std::vector<uint8_t> info(data + 2, data + 2 + infoBytes);
    const std::vector<uint8_t> bits(data + 2 + infoBytes, data + size);

    DibBuffer target;
    if (!AdoptPluginPicture(info.data(), info.size(), bits.data(), bits.size(), target)) {
        if (!target.IsEmpty())
            std::abort();  // a refused picture leaves nothing behind
        return 0;
    }
    BitmapInfoHeader header;
    std::memcpy(&header, info.data(), sizeof header);
    const int32_t height = header.height < 0 ? -header.height : header.height;
    if (target.Header()->info.bitCount != 32 || target.Header()->info.height != height ||
        target.Width() != header.width || target.PixelBytes() != 4 * size_t(header.width) * size_t(height))
        std::abort();
    return 0;
}
