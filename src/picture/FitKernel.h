// The sampler behind FitPicture, shared with the fitting straight from a mapped bitmap file: one
// destination row at a time, so that a caller reading a file can tell which source rows are still
// needed. Internal to the picture library.
#pragma once

#include <algorithm>
#include <cstdint>

#include "picture/DibBuffer.h"
#include "picture/PixelSource.h"

// 3 x 3 kernel by row offset dy = -1, 0, +1 and column offset dx = -1, 0, +1, in single precision.
inline constexpr float kFitKernel[3][3] = {
    {0.02f, 0.03f, 0.02f},
    {0.03f, 1.0f, 0.03f},
    {0.02f, 0.03f, 0.02f},
};

// The source row or column that destination row or column `index` is centred on: truncation of
// index / scale, in double.
inline int32_t FitCentre(int32_t index, float scale) {
    return static_cast<int32_t>(index / static_cast<double>(scale));
}

template <int Bits>
class BoxFitter {
  public:
    // `destination` already holds the fitted size at 32 bits, zero-filled.
    BoxFitter(const PixelSource& source, const ColourTable& colours, float scale, DibBuffer& destination)
        : source_(source),
          colours_(colours),
          scale_(scale),
          width_(destination.Width()),
          height_(destination.Height()),
          pixels_(destination.Pixels()) {}

    bool Done() const { return row_ >= height_; }

    // The source row the next destination row is centred on; rows below it minus one are not
    // read by this or any later destination row.
    int32_t NextCentreRow() const { return CentreOf(row_); }

    void FitRow() {
        const int32_t cy = CentreOf(row_);
        const uint8_t* rows[3];
        for (int32_t dy = -1; dy <= 1; ++dy) {
            const int32_t y = cy + dy;
            rows[dy + 1] = y >= 0 && y < source_.height ? source_.Row(y) : nullptr;
        }
        FitRowFrom(row_, rows);
        ++row_;
    }

    // Destination row i from the source rows CentreOf(i) - 1, CentreOf(i), CentreOf(i) + 1, each
    // null where it lies outside the picture; for callers that hold only those rows.
    void FitRowFrom(int32_t i, const uint8_t* const (&rows)[3]) {
        uint8_t* out = pixels_ + static_cast<size_t>(i) * 4 * static_cast<size_t>(width_);
        for (int32_t first = 0; first < width_; first += kChunk) {
            const int32_t count = std::min(kChunk, width_ - first);
            int32_t centres[kChunk];
            for (int32_t k = 0; k < count; ++k)
                centres[k] = CentreOf(first + k);
            // All taps of a chunk are fetched before any is weighed: the loads do not depend on
            // each other, so the rows of a large mapped file come in from memory in parallel
            // instead of one pixel's worth at a time.
            Bgr taps[3][kChunk][3] = {};
            for (int32_t dy = 0; dy < 3; ++dy) {
                const uint8_t* row = rows[dy];
                if (!row)
                    continue;
                for (int32_t k = 0; k < count; ++k) {
                    for (int32_t dx = -1; dx <= 1; ++dx) {
                        const int32_t x = centres[k] + dx;
                        if (x >= 0 && x < source_.width)
                            taps[dy][k][dx + 1] = FetchPixel<Bits>(row, x, colours_);
                    }
                }
            }
            for (int32_t k = 0; k < count; ++k, out += 4)
                WeighTaps(taps, k, rows, centres[k], out);
        }
    }

  private:
    static constexpr int32_t kChunk = 64;

    int32_t CentreOf(int32_t index) const { return FitCentre(index, scale_); }

    // The weighted mean of the taps of column k inside the picture, visited in kernel order.
    // Products, sums and quotient in double: a flat area then divides its exact weighted sum by
    // the exact weight total and stays exactly flat, borders included.
    void WeighTaps(const Bgr (&taps)[3][kChunk][3],
                   int32_t k,
                   const uint8_t* const (&rows)[3],
                   int32_t cx,
                   uint8_t* out) const {
        double blue = 0, green = 0, red = 0, total = 0;
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (!rows[dy + 1])
                continue;
            for (int32_t dx = -1; dx <= 1; ++dx) {
                const int32_t x = cx + dx;
                if (x < 0 || x >= source_.width)
                    continue;
                const double weight = kFitKernel[dy + 1][dx + 1];
                const Bgr& pixel = taps[dy + 1][k][dx + 1];
                blue += weight * pixel.blue;
                green += weight * pixel.green;
                red += weight * pixel.red;
                total += weight;
            }
        }
        out[0] = static_cast<uint8_t>(blue / total);
        out[1] = static_cast<uint8_t>(green / total);
        out[2] = static_cast<uint8_t>(red / total);
    }

    const PixelSource& source_;
    const ColourTable& colours_;
    const float scale_;
    const int32_t width_;
    const int32_t height_;
    uint8_t* const pixels_;
    int32_t row_ = 0;
};
