#include "picture/AdoptPluginPicture.h"

#include <algorithm>
#include <cstring>

#include "picture/BmpReader.h"
#include "picture/PixelSource.h"

int AdoptPluginPicture(const uint8_t* info,
                       size_t infoBytes,
                       const uint8_t* bits,
                       size_t bitsBytes,
                       DibBuffer& target) {
    target.Release();
    BitmapInfoHeader header;
    if (!info || !bits || infoBytes < sizeof header)
        return 0;
    std::memcpy(&header, info, sizeof header);  // little-endian like every platform we build for
    if (header.width <= 0 || header.height == 0 || header.height == INT32_MIN)
        return 0;

    PixelSource source;
    source.width = header.width;
    source.height = header.height < 0 ? -header.height : header.height;
    source.bitCount = header.bitCount;
    source.topDown = header.height < 0;
    const int32_t rowBytes = RowBytesFor(source.bitCount, source.width);
    if (rowBytes < 0 || uint64_t(rowBytes) * uint64_t(source.height) > bitsBytes)
        return 0;
    source.rows = bits;
    source.stride = static_cast<size_t>(rowBytes);
    if (source.bitCount <= 8) {
        // The palette follows the 40-byte header; a colour count of 0 means all 2^bitCount.
        const uint32_t full = 1u << source.bitCount;
        const uint32_t declared = header.clrUsed == 0 ? full : std::min(header.clrUsed, full);
        const size_t present = (infoBytes - sizeof header) / 4;
        source.palette = info + sizeof header;
        source.paletteEntries = static_cast<uint32_t>(std::min<size_t>(declared, present));
    }

    DibBuffer picture;
    if (!picture.Allocate(source.width, source.height, 32) || !ExpandTo32(source, picture.Pixels()))
        return 0;
    target = std::move(picture);
    return 1;
}
