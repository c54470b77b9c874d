#include "picture/BitmapDecoder.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "picture/RleCodes.h"
#include "picture/StbImage.h"

namespace {

constexpr char kTruncatedBitmap[] = "truncated bitmap: the file ends before its headers, palette and rows do";

uint32_t U16(const uint8_t* p) {
    return p[0] | static_cast<uint32_t>(p[1]) << 8;
}

uint32_t U32(const uint8_t* p) {
    return U16(p) | U16(p + 2) << 16;
}

struct BitmapHeader {
    uint32_t headerSize = 0;
    int64_t width = 0;
    int64_t height = 0;  // negative: top-down
    uint32_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t colours = 0;  // entries of the palette (4 bytes each; 3 for OS/2 headers)
    uint32_t pixelOffset = 0;
};

// Fills `header` from the file image; the words of a refusal otherwise.
std::string ReadHeader(const uint8_t* file, size_t size, uint64_t maxPixels, BitmapHeader& header) {
    if (size < 18)
        return kTruncatedBitmap;
    header.pixelOffset = U32(file + 10);
    header.headerSize = U32(file + 14);
    if (header.headerSize == 12) {  // OS/2 1.x: 16-bit sizes, no compression
        if (size < 26)
            return kTruncatedBitmap;
        header.width = U16(file + 18);
        header.height = U16(file + 20);
        header.bitCount = U16(file + 24);
    } else if (header.headerSize == 40 || header.headerSize == 52 || header.headerSize == 56 ||
               header.headerSize == 108 || header.headerSize == 124) {
        if (size < 54)
            return kTruncatedBitmap;
        header.width = static_cast<int32_t>(U32(file + 18));
        header.height = static_cast<int32_t>(U32(file + 22));
        header.bitCount = U16(file + 28);
        header.compression = U32(file + 30);
        header.colours = U32(file + 46);
    } else {
        return "a bitmap this program does not read: an info header of " + std::to_string(header.headerSize) + " bytes";
    }
    const uint32_t b = header.bitCount;
    if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32)
        return "a bitmap this program does not read: " + std::to_string(b) + " bits per pixel";
    if (header.bitCount <= 8 && header.colours == 0)
        header.colours = 1u << header.bitCount;
    if (header.width <= 0 || header.height == 0)
        return "a bitmap this program does not read: no pixels";
    const uint64_t pixels = uint64_t(header.width) * uint64_t(header.height < 0 ? -header.height : header.height);
    if (pixels > maxPixels)
        return "bitmap of " + std::to_string(header.width) + " x " + std::to_string(header.height) +
               " pixels, more than the " + std::to_string(maxPixels) + " pixels this program reads";
    return std::string();
}

uint8_t* AllocateZeroed(size_t bytes) {
    return static_cast<uint8_t*>(std::calloc(1, bytes));
}

// RLE8 and RLE4 rows as palette indices; pixels no code reaches keep index 0.
std::string DecodeRle(const uint8_t* file, size_t size, const BitmapHeader& header, DecodedBitmap& out) {
    const bool four = header.compression == 2;
    if (header.bitCount != (four ? 4u : 8u) || header.height < 0)
        return "a bitmap this program does not read: RLE" + std::to_string(four ? 4 : 8) + " takes " +
               std::to_string(four ? 4 : 8) + " bits per pixel and bottom-up rows";
    const size_t paletteAt = 14 + size_t(header.headerSize);
    if (header.colours > (1u << header.bitCount) || paletteAt + 4 * uint64_t(header.colours) > size ||
        header.pixelOffset > size)
        return kTruncatedBitmap;
    const size_t width = size_t(header.width), height = size_t(header.height);
    out.pixels.reset(AllocateZeroed(width * height));
    if (!out.pixels)
        return "not enough memory to decode the bitmap";
    uint8_t* indices = out.pixels.get();
    const auto put = [&](size_t x, size_t y, uint32_t index) { indices[y * width + x] = static_cast<uint8_t>(index); };
    if (WalkRleCodes(file + header.pixelOffset, size - header.pixelOffset, four, width, height, put) ==
        RleEnd::Truncated)
        return kTruncatedBitmap;
    out.source = PixelSource{};
    out.source.width = static_cast<int32_t>(width);
    out.source.height = static_cast<int32_t>(height);
    out.source.bitCount = 8;
    out.source.palette = file + paletteAt;
    out.source.paletteEntries = header.colours;
    out.source.rows = indices;
    out.source.stride = width;
    return std::string();
}

// Uncompressed and BI_BITFIELDS rows, any header and row order, through stb_image.
std::string DecodeWithStb(const uint8_t* file, size_t size, const BitmapHeader& header, DecodedBitmap& out) {
    // stb_image fills rows past the end of the file with black; such a file is refused instead.
    const uint64_t rowBytes = (uint64_t(header.width) * header.bitCount + 31) / 32 * 4;
    const uint64_t rows = uint64_t(header.height < 0 ? -header.height : header.height);
    if (header.pixelOffset > size || (size - header.pixelOffset) / rowBytes < rows)
        return kTruncatedBitmap;
    // stb_image wants the rows of a 16-, 24- or 32-bit file right after its headers and masks; a
    // palette or a gap between them (allowed, and written by some tools) is left out of a copy.
    const size_t headersEnd =
        14 + size_t(header.headerSize) + (header.headerSize == 40 && header.compression == 3 ? 12 : 0);
    std::unique_ptr<uint8_t, DecodedBitmap::Free> closed;
    if (header.bitCount >= 16 && header.pixelOffset > headersEnd) {
        closed.reset(static_cast<uint8_t*>(std::malloc(size - header.pixelOffset + headersEnd)));
        if (!closed)
            return "not enough memory to decode the bitmap";
        std::memcpy(closed.get(), file, headersEnd);
        std::memcpy(closed.get() + headersEnd, file + header.pixelOffset, size - header.pixelOffset);
        for (int i = 0; i < 4; ++i)
            closed.get()[10 + i] = static_cast<uint8_t>(headersEnd >> (8 * i));
        size = size - header.pixelOffset + headersEnd;
        file = closed.get();
    }
    int width = 0, height = 0, channels = 0;
    uint8_t* pixels =
        stbi_load_from_memory(file, static_cast<int>(size < INT_MAX ? size : INT_MAX), &width, &height, &channels, 3);
    if (!pixels) {
        const char* reason = stbi_failure_reason();
        return std::string("a bitmap this program does not read: ") + (reason ? reason : "undecodable");
    }
    out.pixels.reset(pixels);
    if (width != header.width || uint64_t(height) != rows)
        return "a bitmap this program does not read: the picture differs from its header";
    const size_t count = size_t(width) * size_t(height);
    for (size_t i = 0; i < count; ++i)  // red, green, blue to blue, green, red
        std::swap(pixels[3 * i], pixels[3 * i + 2]);
    out.source = PixelSource{};
    out.source.width = width;
    out.source.height = height;
    out.source.bitCount = 24;
    out.source.rows = pixels;
    out.source.stride = 3 * size_t(width);
    out.source.topDown = true;
    return std::string();
}

}  // namespace

void DecodedBitmap::Free::operator()(uint8_t* block) const {
    std::free(block);  // stb_image's blocks and ours both come from malloc
}

bool DecodeOtherBitmap(const uint8_t* file, size_t size, DecodedBitmap& out, std::string& why, uint64_t maxPixels) {
    out = DecodedBitmap{};
    BitmapHeader header;
    why = ReadHeader(file, size, maxPixels, header);
    if (why.empty()) {
        if (header.compression == 1 || header.compression == 2)
            why = DecodeRle(file, size, header, out);
        else if (header.compression == 0 || header.compression == 3)
            why = DecodeWithStb(file, size, header, out);
        else
            why = "a bitmap this program does not read: compression " + std::to_string(header.compression) +
                  " (JPEG, PNG or another kind)";
    }
    if (!why.empty())
        out = DecodedBitmap{};
    return why.empty();
}
