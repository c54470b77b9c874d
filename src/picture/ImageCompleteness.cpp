#include "picture/ImageCompleteness.h"

#include <algorithm>
#include <cctype>

namespace {

uint32_t ReadU16Little(const uint8_t* p) {
    return p[0] | static_cast<uint32_t>(p[1]) << 8;
}

uint32_t ReadU16Big(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 8 | p[1];
}

uint32_t ReadU32Big(const uint8_t* p) {
    return ReadU16Big(p) << 16 | ReadU16Big(p + 2);
}

}  // namespace

PsdLayout ReadPsdLayout(const uint8_t* file, size_t size) {
    PsdLayout layout;
    if (size < 26)
        return layout;
    layout.depth = ReadU16Big(file + 22);
    uint64_t at = 26;
    for (int section = 0; section < 3; ++section) {  // colour mode data, image resources, layers
        if (size < at + 4)
            return layout;
        at += 4 + uint64_t(ReadU32Big(file + at));
    }
    if (size < at + 2)
        return layout;
    layout.compression = static_cast<int32_t>(ReadU16Big(file + at));
    layout.dataAt = at + 2;
    return layout;
}

PnmHeader ReadPnmHeader(const uint8_t* file, size_t size) {
    PnmHeader header;
    size_t at = 2;
    for (std::string& number : header.numbers) {
        while (at < size && (std::isspace(file[at]) || file[at] == '#')) {
            if (file[at] == '#') {
                while (at < size && file[at] != '\n' && file[at] != '\r')
                    ++at;
            } else {
                ++at;
            }
        }
        for (; at < size && std::isdigit(file[at]); ++at) {
            if (number.size() < PnmHeader::kLongestNumber)
                number += static_cast<char>(file[at]);
        }
    }
    header.end = at;
    return header;
}

namespace {

// A header number's value, held at 2^32 (far beyond any picture read) for longer ones.
uint64_t HeldValue(const std::string& digits) {
    uint64_t value = 0;
    for (char digit : digits)
        value = std::min<uint64_t>(value * 10 + uint64_t(digit - '0'), uint64_t(1) << 32);
    return value;
}

// Then one white space character and the rows.
bool PnmComplete(const uint8_t* file, size_t size) {
    const PnmHeader header = ReadPnmHeader(file, size);
    const uint64_t channels = file[1] == '6' ? 3 : 1;
    const uint64_t sampleBytes = HeldValue(header.numbers[2]) > 255 ? 2 : 1;
    const uint64_t needed = HeldValue(header.numbers[0]) * HeldValue(header.numbers[1]) * channels * sampleBytes;
    return header.end + 1 <= size && size - header.end - 1 >= needed;
}

// The 18-byte header, the identification field, the colour map, then the pixels; only the
// uncompressed types (1, 2, 3) have a size known in advance.
bool TgaComplete(const uint8_t* file, size_t size) {
    if (size < 18)
        return false;
    const uint8_t type = file[2];
    if (type < 1 || type > 3)
        return true;
    const uint64_t mapBytes = file[1] ? uint64_t(ReadU16Little(file + 5)) * ((file[7] + 7u) / 8) : 0;
    const uint64_t pixels = uint64_t(ReadU16Little(file + 12)) * ReadU16Little(file + 14);
    return size >= 18 + file[0] + mapBytes + pixels * ((file[16] + 7u) / 8);
}

// Skips data sub-blocks (a length byte, that many bytes) up to the empty one; false at the end of
// the file.
bool SkipSubBlocks(const uint8_t* file, size_t size, size_t& at) {
    while (at < size) {
        const uint8_t length = file[at++];
        if (length == 0)
            return true;
        at += length;
    }
    return false;
}

// The screen descriptor and its colour table, then extensions, up to the end of the first image's
// data; only that frame is read.
bool GifComplete(const uint8_t* file, size_t size) {
    if (size < 13)
        return false;
    size_t at = 13 + ((file[10] & 0x80) ? size_t(3) << ((file[10] & 7) + 1) : 0);
    while (at < size) {
        const uint8_t block = file[at++];
        if (block == 0x21) {
            ++at;  // the extension's label
            if (!SkipSubBlocks(file, size, at))
                return false;
        } else if (block == 0x2C) {
            if (size - at < 10)
                return false;
            const uint8_t flags = file[at + 8];
            at += 10 + ((flags & 0x80) ? size_t(3) << ((flags & 7) + 1) : 0);  // with the code size
            return SkipSubBlocks(file, size, at);
        } else {
            return true;  // the decoder refuses what is neither
        }
    }
    return false;
}

// The header, three sections each led by its length, the compression, then the merged picture:
// raw channel planes, or run-length rows led by a table of their lengths.
bool PsdComplete(const uint8_t* file, size_t size) {
    const PsdLayout layout = ReadPsdLayout(file, size);
    if (layout.compression < 0)
        return false;
    const uint64_t channels = ReadU16Big(file + 12);
    const uint64_t height = ReadU32Big(file + 14), width = ReadU32Big(file + 18);
    const uint64_t at = layout.dataAt;
    if (layout.compression == 0)
        return size - at >= channels * height * width * ((layout.depth + 7) / 8);
    if (layout.compression != 1)
        return true;
    const uint64_t rows = channels * height;
    if ((size - at) / 2 < rows)
        return false;
    uint64_t data = 0;
    for (uint64_t row = 0; row < rows; ++row)
        data += ReadU16Big(file + at + 2 * row);
    return size - at - 2 * rows >= data;
}

}  // namespace

bool HoldsAllItsPixels(ImageFormat format, const uint8_t* file, size_t size) {
    switch (format) {
        case ImageFormat::Pnm:
            return PnmComplete(file, size);
        case ImageFormat::Tga:
            return TgaComplete(file, size);
        case ImageFormat::Gif:
            return GifComplete(file, size);
        case ImageFormat::Psd:
            return PsdComplete(file, size);
        default:
            return true;
    }
}
