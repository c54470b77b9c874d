#include "TestBitmaps.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <random>

namespace {

void PutU16(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    out[at] = static_cast<uint8_t>(value);
    out[at + 1] = static_cast<uint8_t>(value >> 8);
}

void PutU32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    PutU16(out, at, value & 0xFFFF);
    PutU16(out, at + 2, value >> 16);
}

}  // namespace

std::vector<uint8_t> MakeBmp(const BmpImage& image) {
    const size_t headersEnd = 54;
    const size_t offset =
        image.pixelOffset >= 0 ? static_cast<size_t>(image.pixelOffset) : headersEnd + image.palette.size();
    std::vector<uint8_t> out(std::max(offset + image.rows.size(), headersEnd + image.palette.size()));
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 2, static_cast<uint32_t>(out.size()));
    PutU32(out, 10, static_cast<uint32_t>(offset));
    PutU32(out, 14, 40);
    PutU32(out, 18, static_cast<uint32_t>(image.width));
    PutU32(out, 22, static_cast<uint32_t>(image.height));
    PutU16(out, 26, 1);
    PutU16(out, 28, image.bitCount);
    PutU32(out, 30, image.compression);
    PutU32(out, 34, static_cast<uint32_t>(image.rows.size()));
    PutU32(out, 46, image.colorsUsed);
    std::copy(image.palette.begin(), image.palette.end(), out.begin() + static_cast<ptrdiff_t>(headersEnd));
    std::copy(image.rows.begin(), image.rows.end(), out.begin() + static_cast<ptrdiff_t>(offset));
    return out;
}

BmpImage MakeNoiseImage(int32_t width, int32_t height, uint16_t bitCount, uint32_t seed) {
    std::mt19937 random(seed);
    BmpImage image;
    image.width = width;
    image.height = height;
    image.bitCount = bitCount;
    if (bitCount <= 8)
        image.palette.resize(4u << bitCount);
    image.rows.resize(static_cast<size_t>(RowBytesFor(bitCount, width)) * static_cast<size_t>(height));
    for (uint8_t& byte : image.palette)
        byte = static_cast<uint8_t>(random());
    for (uint8_t& byte : image.rows)
        byte = static_cast<uint8_t>(random());
    return image;
}

TempFile::TempFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    const char* folder = std::getenv("TMPDIR");
    path_ = std::string(folder && *folder ? folder : "/tmp") + "/tolvarin-picture-" + std::to_string(::getpid()) + "-" +
            name;
    FILE* file = std::fopen(path_.c_str(), "wb");
    if (file) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

TempFile::~TempFile() {
    std::remove(path_.c_str());
}

std::string BmpSuiteFolder() {
    return TOLVARIN_BMPSUITE_DIR;
}

const uint8_t* PixelAt(const DibBuffer& picture, int32_t x, int32_t y) {
    return picture.Pixels() + (static_cast<size_t>(y) * static_cast<size_t>(picture.Width()) + x) * 4;
}

bool SameBuffer(const DibBuffer& a, const DibBuffer& b) {
    if (a.IsEmpty() || b.IsEmpty())
        return a.IsEmpty() == b.IsEmpty();
    return std::memcmp(a.Header(), b.Header(), sizeof(DibHeaderBlock)) == 0 && a.PixelBytes() == b.PixelBytes() &&
           std::memcmp(a.Pixels(), b.Pixels(), a.PixelBytes()) == 0;
}
