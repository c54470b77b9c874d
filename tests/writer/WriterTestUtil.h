// Helpers of the writer tests: a scratch folder with the captured messages, and reading the written bitmaps.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "picture/DibBuffer.h"
#include "platform/Platform.h"

namespace writertest {

namespace fs = std::filesystem;

// The scratch folder of one writer test; collects the messages shown meanwhile.
class MessageScratch : public ScratchFolder {
  public:
    MessageScratch() : ScratchFolder("writer") {
        platform::SetMessageSink([this](std::string_view text) { messages.emplace_back(text); });
    }
    ~MessageScratch() { platform::SetMessageSink({}); }

    std::vector<std::string> messages;
};

// A written 24-bit bitmap file.
struct BmpFile {
    std::string bytes;
    int32_t width = 0, height = 0, stride = 0;

    bool Load(const std::string& path) {
        if (!platform::ReadWholeFile(path, bytes) || bytes.size() < 54)
            return false;
        auto get32 = [this](size_t at) {
            return int32_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8 | uint8_t(bytes[at + 2]) << 16 |
                           uint32_t(uint8_t(bytes[at + 3])) << 24);
        };
        width = get32(18);
        height = get32(22);
        stride = (3 * width + 3) / 4 * 4;
        return bytes.size() == 54 + size_t(stride) * size_t(height);
    }
    // Blue, green, red at (x, y), y downward from the top.
    std::array<uint8_t, 3> At(int32_t x, int32_t y) const {
        const size_t at = 54 + size_t(height - 1 - y) * size_t(stride) + 3 * size_t(x);
        return {uint8_t(bytes[at]), uint8_t(bytes[at + 1]), uint8_t(bytes[at + 2])};
    }
};

// A 32-bit picture whose pixel at (x, y), y downward from its top, is blue x, green y, red
// 0x40 + x / 256: every position has its own colour, none of them a marker or white.
inline DibBuffer GradientPicture(int32_t width, int32_t height) {
    DibBuffer b;
    b.Allocate(width, height, 32);
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = b.Pixels() + size_t(height - 1 - y) * b.RowBytes();
        for (int32_t x = 0; x < width; ++x) {
            row[4 * x] = uint8_t(x);
            row[4 * x + 1] = uint8_t(y);
            row[4 * x + 2] = uint8_t(0x40 + x / 256);
            row[4 * x + 3] = 0xA5;
        }
    }
    return b;
}

inline std::array<uint8_t, 3> GradientAt(int32_t x, int32_t y) {
    return {uint8_t(x), uint8_t(y), uint8_t(0x40 + x / 256)};
}

}  // namespace writertest
