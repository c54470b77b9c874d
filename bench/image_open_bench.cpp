// Making a skin from a 24-megapixel JPEG and PNG with the command line (`tolvarin make`, the whole
// process), against `vipsthumbnail -s 275x232` on the same files.
//
//   image_open_bench [RUNS]
//
// Writes a 6000 x 4000 picture (smooth gradients under fine grain, so that neither format
// compresses it to nothing) into a fresh temporary folder, has /usr/bin/convert make two baseline
// JPEGs of it (quality 90; chroma subsampled 4:2:0 as cameras write them, and full 4:4:4) and a
// PNG, reads them once so that they sit in the page cache, then runs `tolvarin make` and
// vipsthumbnail on each file by turns, RUNS times each (default 3), and prints the best times,
// their ratio and the peak resident size of `make` as a table. Goals: JPEG (both samplings) at
// most 0.5 x vipsthumbnail's time, PNG at most 0.8 x, peak resident at most 48 MB.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ChildRun.h"

namespace {

constexpr int32_t kWidth = 6000;
constexpr int32_t kHeight = 4000;
constexpr double kResidentGoalMb = 48;
constexpr char kConvert[] = "/usr/bin/convert";

// Streams the picture as a binary PPM row by row; grain from a small hash of the position.
bool WritePicture(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fprintf(file, "P6\n%d %d\n255\n", kWidth, kHeight) > 0;
    std::vector<uint8_t> row(3 * static_cast<size_t>(kWidth));
    for (int32_t y = 0; y < kHeight && ok; ++y) {
        for (int32_t x = 0; x < kWidth; ++x) {
            uint32_t hash = static_cast<uint32_t>(x) * 0x9E3779B1u ^ static_cast<uint32_t>(y) * 0x85EBCA77u;
            hash ^= hash >> 15;
            hash *= 0x2C1B3C6Du;
            hash ^= hash >> 12;
            const uint32_t grain = hash >> 27;  // 0..31
            row[3 * x] = static_cast<uint8_t>(x * 200 / kWidth + grain);
            row[3 * x + 1] = static_cast<uint8_t>(y * 200 / kHeight + grain);
            row[3 * x + 2] = static_cast<uint8_t>((x + y) * 100 / (kWidth + kHeight) + 2 * grain);
        }
        ok = std::fwrite(row.data(), 1, row.size(), file) == row.size();
    }
    return std::fclose(file) == 0 && ok;
}

struct Figures {
    bool ok = true;
    double seconds = 1e30;  // the best run
    double peakMb = 0;      // the largest of the runs
};

void Add(Figures& figures, const ChildRun& run) {
    figures.ok = figures.ok && run.ok;
    figures.seconds = std::min(figures.seconds, run.seconds);
    figures.peakMb = std::max(figures.peakMb, run.peakMb);
}

struct Picture {
    const char* name;
    std::string file;
    double timeGoal;  // at most this times vipsthumbnail's time
};

// One row of the table; false when a program failed.
bool Bench(const Picture& picture, const std::string& folder, int runs) {
    ReadThrough(picture.file);
    Figures make, vips;
    for (int i = 0; i < runs; ++i) {
        const std::string skin = folder + "/skin-" + std::to_string(i);
        Add(make, RunChild({TOLVARIN_CLI, "make", picture.file, skin}));
        Add(vips, RunChild({"vipsthumbnail", picture.file, "-s", "275x232", "-o", folder + "/thumb.v"}));
        std::system(("rm -rf '" + skin + "'").c_str());
    }
    std::remove((folder + "/thumb.v").c_str());
    if (!make.ok || !vips.ok) {
        std::printf("| %s | %s failed | | | |\n", picture.name, make.ok ? "vipsthumbnail" : "make");
        return false;
    }
    const double ratio = make.seconds / vips.seconds;
    std::printf("| %s | %.0f ms | %.0f ms | %.2f\u00d7 (goal \u2264 %.1f: %s) | %.1f MB (goal \u2264 %.0f: %s) |\n",
                picture.name, make.seconds * 1e3, vips.seconds * 1e3, ratio, picture.timeGoal,
                ratio <= picture.timeGoal ? "met" : "MISSED", make.peakMb, kResidentGoalMb,
                make.peakMb <= kResidentGoalMb ? "met" : "MISSED");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::string folder = MakeScratchFolder();
    if (folder.empty())
        return 1;
    const std::string base = folder + "/picture";
    std::printf("build type: %s; %s\n", TOLVARIN_BUILD_TYPE, TOLVARIN_CLI);
    std::printf("writing a %d x %d picture and its JPEGs and PNG to %s\n", kWidth, kHeight, folder.c_str());
    bool ok = WritePicture(base + ".ppm") &&
              RunChild({kConvert, base + ".ppm", "-quality", "90", "-sampling-factor", "2x2", base + "-420.jpg"}).ok &&
              RunChild({kConvert, base + ".ppm", "-quality", "90", "-sampling-factor", "1x1", base + "-444.jpg"}).ok &&
              RunChild({kConvert, base + ".ppm", base + ".png"}).ok;
    std::remove((base + ".ppm").c_str());
    if (!ok)
        std::printf("could not make the pictures (is ImageMagick's convert at %s?)\n", kConvert);
    const Picture pictures[] = {
        {"baseline JPEG 4:2:0", base + "-420.jpg", 0.5},
        {"baseline JPEG 4:4:4", base + "-444.jpg", 0.5},
        {"PNG", base + ".png", 0.8},
    };
    std::printf("\n%d x %d, best of %d, side by side:\n\n", kWidth, kHeight, runs);
    std::printf("| Picture | make | vipsthumbnail | make / vips | make's peak resident |\n|---|---|---|---|---|\n");
    for (const Picture& picture : pictures) {
        ok = ok && Bench(picture, folder, runs);
        std::remove(picture.file.c_str());
    }
    ::rmdir(folder.c_str());
    return ok ? 0 : 1;
}
