// Building bitmap file images and files for the picture tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "picture/DibBuffer.h"

// The fields of a bitmap file image; MakeBmp lays them out as "BM", file header, 40-byte info
// header, palette, then rows at pixelOffset (by default right after the palette).
struct BmpImage {
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    int64_t pixelOffset = -1;      // -1: right after the palette
    std::vector<uint8_t> palette;  // 4-byte entries
    std::vector<uint8_t> rows;     // stored rows, bottom-up, padded
};

std::vector<uint8_t> MakeBmp(const BmpImage& image);

// A picture of the given depth with deterministic pseudo-random rows (padding included) and a full
// pseudo-random palette for the palette depths.
BmpImage MakeNoiseImage(int32_t width, int32_t height, uint16_t bitCount, uint32_t seed);

// A file that removes itself; the path is unique per test process and name.
class TempFile {
  public:
    TempFile(const std::string& name, const std::vector<uint8_t>& bytes);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// The folder of the shared BMP suite (g/, q/, b/).
std::string BmpSuiteFolder();

// Pixel (x, y) of a 32-bit buffer, y counted from the bottom row.
const uint8_t* PixelAt(const DibBuffer& picture, int32_t x, int32_t y);

// True when both are empty or have equal header blocks and pixel bytes.
bool SameBuffer(const DibBuffer& a, const DibBuffer& b);
