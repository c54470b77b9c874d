#include "picture/BmpReader.h"

#include <cstring>

#include "platform/Platform.h"

namespace {

constexpr size_t kHeadersBytes = 54;  // 14-byte file header + 40-byte info header

uint16_t ReadU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t ReadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

int32_t ReadI32(const uint8_t* p) {
    return static_cast<int32_t>(ReadU32(p));
}

}  // namespace

const char* ToString(BmpError error) {
    switch (error) {
        case BmpError::None:
            return "accepted";
        case BmpError::FileTooShort:
            return "file not longer than its headers";
        case BmpError::NotBitmap:
            return "no \"BM\" signature";
        case BmpError::HeaderSize:
            return "info header size is not 40";
        case BmpError::Width:
            return "width not positive";
        case BmpError::Height:
            return "height not positive (top-down or empty)";
        case BmpError::BitCount:
            return "unsupported bit count";
        case BmpError::Compression:
            return "compressed pixel data";
        case BmpError::PaletteSize:
            return "more palette colours than the depth can index";
        case BmpError::PixelOffset:
            return "pixel data starts inside the headers or palette";
        case BmpError::TooLarge:
            return "picture too large for a 32-bit copy";
        case BmpError::Truncated:
            return "file shorter than its palette and rows";
    }
    return "unknown";
}

BmpError ParseBmp(const uint8_t* file, size_t size, PixelSource& source) {
    if (size <= kHeadersBytes)
        return BmpError::FileTooShort;
    if (file[0] != 'B' || file[1] != 'M')
        return BmpError::NotBitmap;
    if (ReadU32(file + 14) != 40)
        return BmpError::HeaderSize;
    const int32_t width = ReadI32(file + 18);
    const int32_t height = ReadI32(file + 22);
    const int32_t bitCount = ReadU16(file + 28);
    if (width <= 0)
        return BmpError::Width;
    if (height <= 0)
        return BmpError::Height;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return BmpError::BitCount;
    if (ReadU32(file + 30) != 0)
        return BmpError::Compression;

    // Only the palette depths use a colour table; a colour count of 0 means all 2^bitCount.
    uint32_t paletteEntries = 0;
    if (bitCount <= 8) {
        const uint32_t full = 1u << bitCount;
        const uint32_t used = ReadU32(file + 46);
        if (used > full)
            return BmpError::PaletteSize;
        paletteEntries = used == 0 ? full : used;
    }
    const uint32_t pixelOffset = ReadU32(file + 10);
    if (pixelOffset < kHeadersBytes + 4 * uint64_t(paletteEntries))
        return BmpError::PixelOffset;

    const int32_t copyRowBytes = RowBytesFor(32, width);
    if (copyRowBytes < 0 || uint64_t(copyRowBytes) * uint64_t(height) > UINT32_MAX)
        return BmpError::TooLarge;
    // A file row is never wider than the 32-bit row, so it fits in 32 bits too.
    const uint64_t rowsBytes = uint64_t(RowBytesFor(bitCount, width)) * uint64_t(height);
    if (pixelOffset + rowsBytes > size)
        return BmpError::Truncated;

    source.width = width;
    source.height = height;
    source.bitCount = bitCount;
    source.palette = file + kHeadersBytes;
    source.paletteEntries = paletteEntries;
    source.rows = file + pixelOffset;
    source.stride = static_cast<size_t>(RowBytesFor(bitCount, width));
    source.topDown = false;
    return BmpError::None;
}

bool IsAcceptedBmp(const uint8_t* file, size_t size) {
    PixelSource source;
    return ParseBmp(file, size, source) == BmpError::None;
}

int ExpandTo32(const PixelSource& source, uint8_t* destination) {
    const size_t destinationRowBytes = 4 * static_cast<size_t>(source.width);
    if (source.bitCount == 32) {
        // Copied whole: the fourth bytes of a 32-bit source survive.
        for (int32_t y = 0; y < source.height; ++y)
            std::memcpy(destination + y * destinationRowBytes, source.Row(y), destinationRowBytes);
        return 1;
    }
    const bool known = VisitBitCount(source.bitCount, [&](auto bits) {
        const ColourTable colours(source);
        for (int32_t y = 0; y < source.height; ++y) {
            const uint8_t* row = source.Row(y);
            uint8_t* out = destination + y * destinationRowBytes;
            for (int32_t x = 0; x < source.width; ++x, out += 4) {
                const Bgr pixel = FetchPixel<decltype(bits)::value>(row, x, colours);
                out[0] = pixel.blue;
                out[1] = pixel.green;
                out[2] = pixel.red;
            }
        }
    });
    return known ? 1 : 0;
}

int ReadBmpMemory(const uint8_t* file, size_t size, DibBuffer& target) {
    PixelSource source;
    if (ParseBmp(file, size, source) != BmpError::None)
        return 0;
    target.Release();
    if (!target.Allocate(source.width, source.height, 32))
        return 0;
    return ExpandTo32(source, target.Pixels());
}

int ReadBmpFile(const std::string& path, DibBuffer& target) {
    const platform::MappedFile file(path);
    if (!file.IsOpen())
        return 0;
    if (!ReadBmpMemory(file.Data(), file.Size(), target))
        return 0;
    if (file.Shrank()) {  // what was read of it is zeros, not the picture
        target.Release();
        return 0;
    }
    return 1;
}
