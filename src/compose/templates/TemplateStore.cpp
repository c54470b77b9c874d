// Serves the built-in templates from the bitmap files compiled into the program. The 24-bit
// files are handed out in place; the 8-bit run-length encoded stock pictures are expanded to
// 24 bits on every load into storage the returned bitmap owns.
#include "compose/TemplateStore.h"

#include <cstring>
#include <vector>

#include "TemplateData.h"
#include "picture/RleCodes.h"

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kInfoHeaderBytes = 40;
constexpr uint32_t kCompressionNone = 0;
constexpr uint32_t kCompressionRle8 = 1;

uint32_t Read16(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8;
}

uint32_t Read32(const uint8_t* p) {
    return Read16(p) | Read16(p + 2) << 16;
}

// A built-in file after its headers were checked once.
struct ParsedTemplate {
    int id = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool rle8 = false;
    const uint8_t* palette = nullptr;  // rle8: blue, green, red, reserved per entry
    uint32_t colors = 0;
    const uint8_t* bits = nullptr;
    size_t bitsSize = 0;
};

bool Parse(const TemplateFile& file, ParsedTemplate& out) {
    const uint8_t* p = file.bytes;
    if (file.size < kFileHeaderBytes + kInfoHeaderBytes || p[0] != 'B' || p[1] != 'M')
        return false;
    const uint8_t* info = p + kFileHeaderBytes;
    const uint32_t offset = Read32(p + 10);
    const uint32_t width = Read32(info + 4);
    const uint32_t height = Read32(info + 8);
    const uint32_t bits = Read16(info + 14);
    const uint32_t compression = Read32(info + 16);
    if (Read32(info) != kInfoHeaderBytes || Read16(info + 12) != 1 || width == 0 || height == 0 || width > 4096 ||
        height > 4096 || offset > file.size)
        return false;
    out.id = file.id;
    out.width = static_cast<int32_t>(width);
    out.height = static_cast<int32_t>(height);
    out.bits = p + offset;
    out.bitsSize = file.size - offset;
    if (bits == 24 && compression == kCompressionNone) {
        const size_t rowBytes = (3 * size_t{width} + 3) / 4 * 4;
        return out.bitsSize >= rowBytes * height;
    }
    if (bits == 8 && compression == kCompressionRle8) {
        uint32_t colors = Read32(info + 32);
        if (colors == 0)
            colors = 256;
        out.rle8 = true;
        out.colors = colors;
        out.palette = info + kInfoHeaderBytes;
        return colors <= 256 && kFileHeaderBytes + kInfoHeaderBytes + 4 * size_t{colors} <= offset;
    }
    return false;
}

const std::vector<ParsedTemplate>& Parsed() {
    static const std::vector<ParsedTemplate> table = [] {
        std::vector<ParsedTemplate> parsed;
        for (size_t i = 0; i < kTemplateFileCount; ++i) {
            ParsedTemplate t;
            if (Parse(kTemplateFiles[i], t))
                parsed.push_back(t);
        }
        return parsed;
    }();
    return table;
}

// Expands BI_RLE8 bits into 24-bit bottom-up rows. Pixels the stream skips stay black; a
// stream that runs past the picture or its own end stops there.
TemplateBitmap ExpandRle8(const ParsedTemplate& t) {
    const size_t rowBytes = (3 * static_cast<size_t>(t.width) + 3) / 4 * 4;
    const size_t total = rowBytes * static_cast<size_t>(t.height);
    // Not make_shared<uint8_t[]>: the browser build's standard library has no array form of it.
    const std::shared_ptr<uint8_t[]> rows(new uint8_t[total]());
    const auto put = [&](size_t x, size_t y, uint32_t index) {
        if (index < t.colors)
            std::memcpy(rows.get() + y * rowBytes + 3 * x, t.palette + 4 * size_t{index}, 3);
    };
    WalkRleCodes(t.bits, t.bitsSize, false, static_cast<size_t>(t.width), static_cast<size_t>(t.height), put);
    return TemplateBitmap(t.width, t.height, rows.get(), rows);
}

}  // namespace

TemplateBitmap LoadTemplate(int id) {
    for (const ParsedTemplate& t : Parsed()) {
        if (t.id != id)
            continue;
        if (t.rle8)
            return ExpandRle8(t);
        return TemplateBitmap(t.width, t.height, t.bits);
    }
    return {};
}
