#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

#include "Raster.h"

namespace oracle {

Raster Raster::Make(int32_t width, int32_t height, int32_t pixelBytes, int32_t stride) {
    Raster r;
    r.width = width;
    r.height = height;
    r.pixelBytes = pixelBytes;
    r.stride = stride != 0 ? stride : (pixelBytes * width + 3) / 4 * 4;
    r.bytes.assign(static_cast<size_t>(r.stride) * height, 0);
    return r;
}

namespace {

uint32_t Le(const std::vector<uint8_t>& f, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = v << 8 | f.at(at + i);
    return v;
}

// BI_RLE8: pairs (count, index) are runs; (0, 0) ends a line, (0, 1) the picture, (0, 2, dx, dy)
// moves, (0, n >= 3) is n literal indexes padded to an even length.
Raster ExpandRle8(const std::vector<uint8_t>& f, int32_t w, int32_t h, size_t palette, size_t bits) {
    Raster out = Raster::Make(w, h, 3);
    auto put = [&](int32_t x, int32_t row, uint8_t index) {
        if (x < 0 || x >= w || row < 0 || row >= h)
            return;
        std::memcpy(out.At(x, row), &f.at(palette + 4 * index), 3);
    };
    int32_t x = 0, row = 0;
    for (size_t p = bits; p + 1 < f.size();) {
        uint8_t count = f[p], value = f[p + 1];
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(x++, row, value);
        } else if (value == 0) {
            x = 0;
            ++row;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            x += f.at(p);
            row += f.at(p + 1);
            p += 2;
        } else {
            for (int i = 0; i < value; ++i)
                put(x++, row, f.at(p + i));
            p += (value + 1) / 2 * 2;
        }
    }
    return out;
}

Raster ReadTemplateFile(int id) {
    std::ifstream in(std::string(TOLVARIN_TEMPLATE_FOLDER) + "/" + std::to_string(id) + ".bmp", std::ios::binary);
    std::vector<uint8_t> f((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (f.size() < 54)
        return {};
    const size_t bits = Le(f, 10, 4), infoSize = Le(f, 14, 4);
    const auto w = static_cast<int32_t>(Le(f, 18, 4)), h = static_cast<int32_t>(Le(f, 22, 4));
    const uint32_t bitCount = Le(f, 28, 2), compression = Le(f, 30, 4);
    if (bitCount == 8 && compression == 1)
        return ExpandRle8(f, w, h, 14 + infoSize, bits);
    if (bitCount != 24 || compression != 0)
        return {};
    Raster out = Raster::Make(w, h, 3);
    if (f.size() < bits + out.bytes.size())
        return {};
    std::memcpy(out.bytes.data(), f.data() + bits, out.bytes.size());
    return out;
}

}  // namespace

const Raster& TemplateFile(int id) {
    static std::map<int, Raster> cache;
    auto it = cache.find(id);
    if (it == cache.end())
        it = cache.emplace(id, ReadTemplateFile(id)).first;
    return it->second;
}

}  // namespace oracle
