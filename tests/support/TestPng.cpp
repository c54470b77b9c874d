#include "TestPng.h"

#include <algorithm>
#include <cstddef>

namespace {

void PutU32BigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t Crc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? 0xEDB88320 ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    PutU32BigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutU32BigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored blocks.
std::vector<uint8_t> Stored(const std::vector<uint8_t>& data) {
    std::vector<uint8_t> out = {0x78, 0x01};
    size_t at = 0;
    do {
        const size_t n = std::min<size_t>(data.size() - at, 65535);
        out.push_back(at + n == data.size() ? 1 : 0);
        for (uint16_t length : {uint16_t(n), uint16_t(~n)}) {
            out.push_back(static_cast<uint8_t>(length));
            out.push_back(static_cast<uint8_t>(length >> 8));
        }
        out.insert(out.end(), data.begin() + static_cast<ptrdiff_t>(at), data.begin() + static_cast<ptrdiff_t>(at + n));
        at += n;
    } while (at < data.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutU32BigEndian(out, b << 16 | a);
    return out;
}

}  // namespace

std::vector<uint8_t> MakePng(uint32_t width,
                             uint32_t height,
                             uint8_t bitDepth,
                             uint8_t colourType,
                             const std::vector<uint8_t>& rows,
                             const std::vector<uint8_t>& palette,
                             const std::vector<uint8_t>& alphas) {
    static const int kChannels[] = {1, 0, 3, 1, 2, 0, 4};
    const size_t rowBytes = (width * kChannels[colourType] * bitDepth + 7) / 8;
    std::vector<uint8_t> scanlines;
    for (size_t at = 0; at + rowBytes <= rows.size(); at += rowBytes) {
        scanlines.push_back(0);  // filter: none
        scanlines.insert(scanlines.end(), rows.begin() + static_cast<ptrdiff_t>(at),
                         rows.begin() + static_cast<ptrdiff_t>(at + rowBytes));
    }
    std::vector<uint8_t> header;
    PutU32BigEndian(header, width);
    PutU32BigEndian(header, height);
    header.insert(header.end(), {bitDepth, colourType, 0, 0, 0});

    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(out, "IHDR", header);
    if (!palette.empty())
        PutChunk(out, "PLTE", palette);
    if (!alphas.empty())
        PutChunk(out, "tRNS", alphas);
    PutChunk(out, "IDAT", Stored(scanlines));
    PutChunk(out, "IEND", {});
    return out;
}
