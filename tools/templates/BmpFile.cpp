#include "BmpFile.h"

#include <algorithm>
#include <fstream>
#include <map>

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kRle8 = 1;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::vector<uint8_t> Headers(const Canvas& canvas,
                             uint16_t bits,
                             uint32_t compression,
                             uint32_t colors,
                             uint32_t imageBytes) {
    const uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes + 4 * colors;
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageBytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeaderBytes);
    Put32(out, static_cast<uint32_t>(canvas.Width()));
    Put32(out, static_cast<uint32_t>(canvas.Height()));
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, compression);
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, colors);
    Put32(out, 0);
    return out;
}

uint32_t Key(Paint c) {
    return uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b;
}

// One stored row as RLE8: runs of two or more as (count, index); stretches of three or more
// single pixels in absolute mode (padded to an even length); the rest as runs of one.
void EncodeRow(const std::vector<uint8_t>& row, std::vector<uint8_t>& out) {
    size_t i = 0;
    while (i < row.size()) {
        size_t run = 1;
        while (i + run < row.size() && run < 255 && row[i + run] == row[i])
            ++run;
        if (run >= 2) {
            out.push_back(static_cast<uint8_t>(run));
            out.push_back(row[i]);
            i += run;
            continue;
        }
        size_t literal = 1;
        while (i + literal < row.size() && literal < 255 &&
               !(i + literal + 1 < row.size() && row[i + literal] == row[i + literal + 1]))
            ++literal;
        if (literal < 3) {
            for (size_t k = 0; k < literal; ++k) {
                out.push_back(1);
                out.push_back(row[i + k]);
            }
        } else {
            out.push_back(0);
            out.push_back(static_cast<uint8_t>(literal));
            out.insert(out.end(), row.begin() + static_cast<std::ptrdiff_t>(i),
                       row.begin() + static_cast<std::ptrdiff_t>(i + literal));
            if (literal % 2 != 0)
                out.push_back(0);
        }
        i += literal;
    }
    out.push_back(0);  // end of line
    out.push_back(0);
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Canvas& canvas) {
    const std::vector<uint8_t> rows = canvas.BottomUpRows();
    std::vector<uint8_t> out = Headers(canvas, 24, 0, 0, static_cast<uint32_t>(rows.size()));
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

std::vector<uint8_t> EncodeBmpRle8(const Canvas& canvas) {
    std::map<uint32_t, uint8_t> index;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            index.emplace(Key(canvas.Get(x, y)), 0);
    if (index.size() > 256)
        return {};
    std::vector<uint8_t> palette;
    uint8_t next = 0;
    for (auto& [key, slot] : index) {
        slot = next++;
        Put32(palette, key);  // blue, green, red, reserved
    }
    std::vector<uint8_t> bits;
    std::vector<uint8_t> row(static_cast<size_t>(canvas.Width()));
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.Width(); ++x)
            row[static_cast<size_t>(x)] = index[Key(canvas.Get(x, y))];
        EncodeRow(row, bits);
    }
    bits.back() = 1;  // the last end of line becomes end of bitmap
    std::vector<uint8_t> out =
        Headers(canvas, 8, kRle8, static_cast<uint32_t>(index.size()), static_cast<uint32_t>(bits.size()));
    out.insert(out.end(), palette.begin(), palette.end());
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}
