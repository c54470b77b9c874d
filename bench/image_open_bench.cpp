// Opening a 24-megapixel JPEG and PNG into the two fitted copies as the command line does
// (OpenAndFitAnyPicture), against vipsthumbnail and ImageMagick's convert fitting the same files.
//
//   image_open_bench [RUNS]
//
// Writes a 6000 x 4000 picture (smooth gradients under fine grain, so that neither format
// compresses it to nothing) into a fresh temporary folder, has /usr/bin/convert make two JPEGs
// (quality 90; chroma subsampled 4:2:0 as cameras write them, and full 4:4:4) and a PNG of it,
// reads them once so that they sit in the page cache, then for each
// file runs OpenAndFitAnyPicture RUNS times (default 5) in a child process of its own,
// `vipsthumbnail -s 275x232` three times and `convert -resize 275x232` three times, and prints the
// median times, the ratios and the peak resident size of each. Goals: faster than convert, and a
// peak resident size of at most 1.2 times the decoded picture (4 bytes a pixel, 96 MB).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ChildRun.h"
#include "picture/OpenPicture.h"

namespace {

constexpr int32_t kWidth = 6000;
constexpr int32_t kHeight = 4000;
constexpr double kDecodedMb = 4.0 * kWidth * kHeight / (1024 * 1024);
constexpr double kResidentGoal = 1.2;
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

// The measuring child: times OpenAndFitAnyPicture and prints the median in seconds.
int Measure(const std::string& path, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        DibBuffer fit232, fit116;
        std::string why;
        const auto start = std::chrono::steady_clock::now();
        const int result = OpenAndFitAnyPicture(path, fit232, fit116, why);
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!result || fit232.Width() != 275 || fit116.Height() != 116) {
            std::fprintf(stderr, "OpenAndFitAnyPicture failed: %s\n", why.c_str());
            return 1;
        }
    }
    std::printf("%.9f\n", Median(times));
    return 0;
}

struct Figures {
    bool ok = false;
    double seconds = 0;  // median wall time of one run
    double peakMb = 0;
};

Figures RunTool(const std::vector<std::string>& command) {
    Figures figures{true, 0, 0};
    std::vector<double> times;
    for (int i = 0; i < 3 && figures.ok; ++i) {
        const ChildRun run = RunChild(command);
        figures.ok = run.ok;
        times.push_back(run.seconds);
        figures.peakMb = std::max(figures.peakMb, run.peakMb);
    }
    figures.seconds = Median(times);
    return figures;
}

void Report(const char* name, const Figures& figures, const Figures& ours) {
    if (!figures.ok) {
        std::printf("  %-14s could not be run\n", name);
        return;
    }
    std::printf("  %-14s %8.1f ms, peak resident %6.1f MB; ours takes %.2f of its time\n", name, figures.seconds * 1e3,
                figures.peakMb, ours.seconds / figures.seconds);
}

double FileMb(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return 0;
    std::fseek(file, 0, SEEK_END);
    const double mb = static_cast<double>(std::ftell(file)) / (1024 * 1024);
    std::fclose(file);
    return mb;
}

bool Bench(const char* format, const std::string& file, const std::string& folder, const char* self, int runs) {
    std::printf("%s (%.1f MB file):\n", format, FileMb(file));
    ReadThrough(file);
    const ChildRun run = RunChild({SelfPath(self), "--measure", file, std::to_string(runs)});
    if (!run.ok) {
        std::printf("  OpenAndFitAnyPicture: run failed\n");
        return false;
    }
    const Figures ours{true, std::atof(run.output.c_str()), run.peakMb};
    std::printf("  %-14s %8.1f ms, peak resident %6.1f MB (median of %d)\n", "ours", ours.seconds * 1e3, ours.peakMb,
                runs);
    const Figures vips = RunTool({"vipsthumbnail", file, "-s", "275x232", "-o", folder + "/thumb.v"});
    const Figures convert = RunTool({kConvert, file, "-resize", "275x232", folder + "/thumb.bmp"});
    Report("vipsthumbnail", vips, ours);
    Report("convert", convert, ours);
    const bool faster = convert.ok && ours.seconds < convert.seconds;
    const double resident = ours.peakMb / kDecodedMb;
    std::printf(
        "  goal faster than convert: %s; peak resident %.2f x the decoded picture (%.0f MB), goal at most "
        "%.1f: %s\n",
        faster ? "met" : "MISSED", resident, kDecodedMb, kResidentGoal, resident <= kResidentGoal ? "met" : "MISSED");
    std::remove((folder + "/thumb.v").c_str());
    std::remove((folder + "/thumb.bmp").c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--measure") == 0)
        return Measure(argv[2], std::atoi(argv[3]));
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    const std::string folder = MakeScratchFolder();
    if (folder.empty())
        return 1;
    const std::string base = folder + "/picture";
    std::printf("build type: %s\n", TOLVARIN_BUILD_TYPE);
    std::printf("writing a %d x %d picture and its JPEGs and PNG to %s\n", kWidth, kHeight, folder.c_str());
    bool ok = WritePicture(base + ".ppm") &&
              RunChild({kConvert, base + ".ppm", "-quality", "90", "-sampling-factor", "2x2", base + "-420.jpg"}).ok &&
              RunChild({kConvert, base + ".ppm", "-quality", "90", "-sampling-factor", "1x1", base + "-444.jpg"}).ok &&
              RunChild({kConvert, base + ".ppm", base + ".png"}).ok;
    std::remove((base + ".ppm").c_str());
    if (!ok)
        std::printf("could not make the pictures (is ImageMagick's convert at %s?)\n", kConvert);
    ok = ok && Bench("JPEG 4:2:0", base + "-420.jpg", folder, argv[0], runs);
    ok = ok && Bench("JPEG 4:4:4", base + "-444.jpg", folder, argv[0], runs);
    ok = ok && Bench("PNG", base + ".png", folder, argv[0], runs);
    for (const char* name : {"-420.jpg", "-444.jpg", ".png"})
        std::remove((base + name).c_str());
    ::rmdir(folder.c_str());
    return ok ? 0 : 1;
}
