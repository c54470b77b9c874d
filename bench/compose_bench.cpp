// Preview composition and skin saving with the built-in templates. Prints the median time of
// BuildTemplates + ComposeSkin (goal: 0.3 ms or less) and of a whole SaveSkinFolder next to a
// `cp -r` of the finished skin folder (goal: 1.5 times or less).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "compose/Compose.h"
#include "platform/Platform.h"
#include "writer/SaveSkin.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

DibBuffer Gradient(int32_t width, int32_t height) {
    DibBuffer b;
    b.Allocate(width, height, 32);
    for (size_t i = 0; i < b.PixelBytes(); ++i)
        b.Pixels()[i] = static_cast<uint8_t>(i * 7 / 5);
    return b;
}

template <typename Work>
double MedianMs(int runs, Work work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work(i);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    const DibBuffer fit232 = Gradient(275, 232);
    const DibBuffer fit116 = Gradient(275, 116);
    SkinSettings settings;
    SkinCanvases canvases;
    if (!canvases.Allocate())
        return 1;
    for (int fullSize : {1, 0}) {
        settings.FullSize = fullSize;
        const double ms = MedianMs(501, [&](int) {
            BuildTemplates(settings, canvases);
            ComposeSkin(settings, fit232, fit116, canvases);
        });
        std::printf("BuildTemplates + ComposeSkin (FullSize %d): median %.3f ms (goal <= 0.3 ms)\n", fullSize, ms);
    }

    settings.FullSize = 1;
    const fs::path root = fs::temp_directory_path() / "tolvarin-compose-bench";
    fs::remove_all(root);
    fs::create_directories(root);
    const int runs = 15;
    const double saveMs = MedianMs(runs, [&](int i) {
        if (!SaveSkinFolder((root / ("save" + std::to_string(i))).string(), settings, fit232, fit116))
            std::exit(1);
    });
    const std::string source = (root / "save0").string();
    const double copyMs = MedianMs(runs, [&](int i) {
        const std::string command = "cp -r '" + source + "' '" + (root / ("copy" + std::to_string(i))).string() + "'";
        if (std::system(command.c_str()) != 0)
            std::exit(1);
    });
    // The floor the platform sets: the same files written whole through its atomic write.
    std::vector<std::pair<std::string, std::string>> files;
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::directory_iterator(source)) {
        std::string content;
        platform::ReadWholeFile(entry.path().string(), content);
        bytes += content.size();
        files.emplace_back(entry.path().filename().string(), std::move(content));
    }
    const double atomicMs = MedianMs(runs, [&](int i) {
        const fs::path folder = root / ("atomic" + std::to_string(i));
        fs::create_directory(folder);
        for (const auto& [name, content] : files)
            platform::WriteFileAtomically((folder / name).string(), content.data(), content.size());
    });
    std::printf("Writing the same %zu files through platform::WriteFileAtomically alone: median %.2f ms\n",
                files.size(), atomicMs);
    std::printf(
        "SaveSkinFolder: median %.2f ms; cp -r of the same folder (%ju bytes): median %.2f ms; ratio %.2f "
        "(goal <= 1.5)\n",
        saveMs, bytes, copyMs, saveMs / copyMs);
    fs::remove_all(root);
    return 0;
}
