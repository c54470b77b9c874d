// Opening a very large bitmap into the two fitted copies, against vipsthumbnail on the same file.
//
//   open_fit_bench [RUNS]
//
// Writes a 12000 x 9000 24-bit bitmap into a fresh temporary folder, reads it once so that it sits
// in the page cache, then runs OpenAndFitPicture RUNS times (default 9) in a child process of its
// own and `vipsthumbnail -s 275x232` three times, and prints the median times, their ratio and the
// peak resident size of each. The child keeps the generation of the file out of the peak size.
// Goals: at most 1/100 of vipsthumbnail's time, and at most 32 MB resident.
// Last, it cuts the file to 100,000 bytes 10 ms into a read (as a download still being written
// does) and prints how the read ended: refused as truncated, never ended by a signal.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "ChildRun.h"
#include "picture/OpenPicture.h"

namespace {

constexpr int32_t kWidth = 12000;
constexpr int32_t kHeight = 9000;
constexpr double kTimeGoal = 1.0 / 100;
constexpr double kResidentGoalMb = 32;

void PutU32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

// Streams the picture row by row (a smooth gradient crossed by a fine pattern), so that writing it
// needs one row of memory.
bool WriteLargeBitmap(const std::string& path) {
    const uint32_t rowBytes = (3 * kWidth + 3) / 4 * 4;
    const uint32_t imageBytes = rowBytes * kHeight;
    uint8_t header[54] = {'B', 'M'};
    PutU32(header + 2, 54 + imageBytes);
    PutU32(header + 10, 54);
    PutU32(header + 14, 40);
    PutU32(header + 18, kWidth);
    PutU32(header + 22, kHeight);
    header[26] = 1;
    header[28] = 24;
    PutU32(header + 34, imageBytes);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(header, 1, sizeof header, file) == sizeof header;
    std::vector<uint8_t> row(rowBytes);
    for (int32_t y = 0; y < kHeight && ok; ++y) {
        for (int32_t x = 0; x < kWidth; ++x) {
            row[3 * x] = static_cast<uint8_t>(x * 255 / kWidth);
            row[3 * x + 1] = static_cast<uint8_t>(y * 255 / kHeight);
            row[3 * x + 2] = static_cast<uint8_t>((x ^ y) & 0x3F ? 96 : 224);
        }
        ok = std::fwrite(row.data(), 1, row.size(), file) == row.size();
    }
    return std::fclose(file) == 0 && ok;
}

// The measuring child: times OpenAndFitPicture and prints the median in seconds.
int Measure(const std::string& path, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        DibBuffer fit232, fit116;
        const auto start = std::chrono::steady_clock::now();
        const int result = OpenAndFitPicture(path, fit232, fit116);
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!result || fit232.Width() != 275 || fit116.Height() != 116) {
            std::fprintf(stderr, "OpenAndFitPicture failed\n");
            return 1;
        }
    }
    std::printf("%.9f\n", Median(times));
    return 0;
}

// The shrinking child: the command line's read of the file while another thread cuts it short.
int MeasureShrinking(const std::string& path) {
    std::thread cutter([&path] {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (::truncate(path.c_str(), 100000) != 0)
            std::perror("truncate");
    });
    DibBuffer fit232, fit116;
    std::string why;
    const auto start = std::chrono::steady_clock::now();
    const int result = OpenAndFitAnyPicture(path, fit232, fit116, why);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    cutter.join();
    std::printf("%s after %.1f ms: %s\n", result ? "read" : "refused", seconds * 1e3, result ? "" : why.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--measure") == 0)
        return Measure(argv[2], std::atoi(argv[3]));
    if (argc == 3 && std::strcmp(argv[1], "--shrink") == 0)
        return MeasureShrinking(argv[2]);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    const std::string folder = MakeScratchFolder();
    if (folder.empty())
        return 1;
    const std::string picture = folder + "/large.bmp";
    const std::string thumbnail = folder + "/thumb.v";
    std::printf("build type: %s\n", TOLVARIN_BUILD_TYPE);
    std::printf("writing %d x %d 24-bit bitmap (%.0f MB) to %s\n", kWidth, kHeight,
                (3.0 * kWidth + 3) / 4 * 4 * kHeight / 1e6, picture.c_str());
    int exitCode = 1;
    if (WriteLargeBitmap(picture)) {
        ReadThrough(picture);
        const ChildRun ours = RunChild({SelfPath(argv[0]), "--measure", picture, std::to_string(runs)});
        std::vector<double> vipsTimes;
        double vipsCpuSeconds = 0, vipsPeakMb = 0;
        bool vipsOk = true;
        for (int i = 0; i < 3 && vipsOk; ++i) {
            const ChildRun vips = RunChild({"vipsthumbnail", picture, "-s", "275x232", "-o", thumbnail});
            vipsOk = vips.ok;
            vipsTimes.push_back(vips.seconds);
            vipsCpuSeconds += vips.cpuSeconds;
            vipsPeakMb = std::max(vipsPeakMb, vips.peakMb);
        }
        if (!ours.ok) {
            std::printf("OpenAndFitPicture: run failed\n");
        } else {
            const double oursSeconds = std::atof(ours.output.c_str());
            std::printf(
                "OpenAndFitPicture (both boxes), median of %d: %.1f ms wall, %.1f ms processor per run, "
                "peak resident %.1f MB\n",
                runs, oursSeconds * 1e3, ours.cpuSeconds / runs * 1e3, ours.peakMb);
            exitCode = 0;
            if (vipsOk) {
                const double vipsSeconds = Median(vipsTimes);
                const double ratio = oursSeconds / vipsSeconds;
                std::printf(
                    "vipsthumbnail -s 275x232, median of %zu: %.1f ms wall, %.1f ms processor per run, "
                    "peak resident %.1f MB\n",
                    vipsTimes.size(), vipsSeconds * 1e3, vipsCpuSeconds / vipsTimes.size() * 1e3, vipsPeakMb);
                std::printf("time ratio: 1/%.0f (goal at most 1/%.0f): %s\n", 1 / ratio, 1 / kTimeGoal,
                            ratio <= kTimeGoal ? "met" : "MISSED");
            } else {
                std::printf("vipsthumbnail: could not be run\n");
            }
            std::printf("peak resident: %.1f MB (goal at most %.0f MB): %s\n", ours.peakMb, kResidentGoalMb,
                        ours.peakMb <= kResidentGoalMb ? "met" : "MISSED");
        }
        const ChildRun shrinking = RunChild({SelfPath(argv[0]), "--shrink", picture});
        std::printf("file cut short while read: %s", shrinking.ok ? shrinking.output.c_str() : "ENDED BY A SIGNAL\n");
        if (!shrinking.ok)
            exitCode = 1;
    } else {
        std::printf("could not write %s\n", picture.c_str());
    }
    std::remove(thumbnail.c_str());
    std::remove(picture.c_str());
    ::rmdir(folder.c_str());
    return exitCode;
}
