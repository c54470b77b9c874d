// Helpers of the writer tests: a scratch folder, captured messages, and reading the written bitmaps.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "picture/DibBuffer.h"
#include "platform/Platform.h"

namespace writertest {

namespace fs = std::filesystem;

// A fresh empty folder, removed with its content at the end of the test; collects the messages
// shown meanwhile.
class ScratchFolder {
  public:
    ScratchFolder() {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::temp_directory_path() /
                (std::string("tolvarin-writer-") + info->test_suite_name() + "-" + info->name() + "-" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::remove_all(path_);
        fs::create_directories(path_);
        platform::SetMessageSink([this](std::string_view text) { messages.emplace_back(text); });
    }
    ~ScratchFolder() {
        platform::SetMessageSink({});
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(path_, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    const fs::path& Path() const { return path_; }
    std::string Sub(const std::string& name) const { return (path_ / name).string(); }

    // Names of the entries of a folder, sorted.
    static std::vector<std::string> List(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::vector<std::string> messages;

  private:
    fs::path path_;
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
