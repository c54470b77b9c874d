// Draws the bundled sample picture: a lake at dusk under layered mountains. Everything comes from
// a fixed seed and plain arithmetic, so the picture can be redrawn at will; the committed file is
// what the program ships, this is how it was made.
//
//   make-sample OUT.bmp        writes a 640 x 480 24-bit bottom-up BMP
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kHorizon = 318;  // y of the water line, counted from the top

struct Color {
    double r = 0, g = 0, b = 0;
};

Color Mix(const Color& a, const Color& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Color Scale(const Color& c, double f) {
    return {c.r * f, c.g * f, c.b * f};
}

double SmoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A small integer hash turned into [0, 1): the same everywhere, unlike the library's distributions.
double Hash(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / 16777216.0;
}

// Value noise with smooth interpolation, summed over octaves.
double Noise(double x, double y, uint32_t seed) {
    const int32_t x0 = static_cast<int32_t>(std::floor(x));
    const int32_t y0 = static_cast<int32_t>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double top = Hash(x0, y0, seed) + (Hash(x0 + 1, y0, seed) - Hash(x0, y0, seed)) * sx;
    const double bottom = Hash(x0, y0 + 1, seed) + (Hash(x0 + 1, y0 + 1, seed) - Hash(x0, y0 + 1, seed)) * sx;
    return top + (bottom - top) * sy;
}

double Fractal(double x, double y, uint32_t seed, int octaves) {
    double sum = 0, amplitude = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += Noise(x, y, seed + i) * amplitude;
        norm += amplitude;
        x *= 2.03;
        y *= 2.03;
        amplitude *= 0.5;
    }
    return sum / norm;
}

using Canvas = std::vector<Color>;  // top-down, kWidth * kHeight

const Color kSkyTop{38, 52, 110};
const Color kSkyMiddle{196, 112, 140};
const Color kSkyLow{255, 178, 110};
const Color kSunCore{255, 246, 214};
const Color kSunGlow{255, 196, 120};
constexpr double kSunX = 428, kSunY = 178, kSunRadius = 26;

Color Sky(int x, int y) {
    const double t = static_cast<double>(y) / kHorizon;
    Color c = t < 0.55 ? Mix(kSkyTop, kSkyMiddle, t / 0.55) : Mix(kSkyMiddle, kSkyLow, (t - 0.55) / 0.45);
    const double dx = x - kSunX, dy = (y - kSunY) * 1.15;
    const double d = std::sqrt(dx * dx + dy * dy);
    c = Mix(c, kSunGlow, 0.55 * std::exp(-d / 90.0));
    // Thin streaks of cloud lit from below near the horizon.
    const double cloud = Fractal(x / 140.0, y / 18.0, 11, 5);
    const double band = SmoothStep(0.52, 0.75, cloud) * SmoothStep(60, 150, y) * (1 - SmoothStep(230, 300, y));
    c = Mix(c, Mix(Color{150, 90, 130}, Color{255, 190, 150}, t), band * 0.7);
    if (d < kSunRadius)
        c = Mix(c, kSunCore, SmoothStep(kSunRadius, kSunRadius - 2, d));
    return c;
}

struct Ridge {
    double base;       // mean height of the ridge line above the horizon
    double amplitude;  // how far its peaks rise
    double scale;      // horizontal size of its features
    uint32_t seed;
    Color near;  // colour at the foot
    Color far;   // colour at the crest
};

double RidgeTop(const Ridge& ridge, int x) {
    const double n = Fractal(x / ridge.scale, ridge.seed * 0.37, ridge.seed, 6);
    const double peaks = std::pow(n, 1.6);
    return kHorizon - ridge.base - ridge.amplitude * peaks;
}

void DrawMountains(Canvas& canvas) {
    const std::array<Ridge, 4> ridges = {{
        {60, 110, 230, 3, {150, 104, 150}, {196, 140, 168}},
        {34, 100, 170, 7, {100, 70, 120}, {140, 96, 146}},
        {14, 80, 120, 13, {58, 44, 84}, {90, 62, 108}},
        {-4, 46, 80, 19, {24, 24, 44}, {42, 36, 64}},
    }};
    for (const Ridge& ridge : ridges) {
        for (int x = 0; x < kWidth; ++x) {
            const double top = RidgeTop(ridge, x);
            for (int y = std::max(0, static_cast<int>(top)); y < kHorizon; ++y) {
                const double depth = (y - top) / (kHorizon - top + 1);
                Color c = Mix(ridge.far, ridge.near, depth);
                // Light from the sun side and a little rock texture.
                // (over a wide step: value noise is flat at its lattice points, which would stripe)
                const double slope = (RidgeTop(ridge, x + 8) - RidgeTop(ridge, x - 8)) / 16;
                c = Scale(c, 1.0 + std::clamp(-slope * 0.08, -0.12, 0.12));
                c = Scale(c, 0.95 + 0.1 * Fractal(x / 14.0, y / 14.0, ridge.seed + 50, 4));
                // Haze towards the horizon.
                c = Mix(c, Color{230, 150, 140}, 0.28 * (1 - depth) * (ridge.seed < 10 ? 1.0 : 0.4));
                const double edge = std::clamp(y + 1 - top, 0.0, 1.0);  // soften the crest
                Color& pixel = canvas[static_cast<size_t>(y) * kWidth + x];
                pixel = Mix(pixel, c, edge);
            }
        }
    }
}

void DrawWater(Canvas& canvas) {
    for (int y = kHorizon; y < kHeight; ++y) {
        const double depth = static_cast<double>(y - kHorizon) / (kHeight - kHorizon);
        for (int x = 0; x < kWidth; ++x) {
            // Ripples bend the reflection sideways and more so nearer the viewer.
            const double wave = Fractal(x / 60.0, y * y / 900.0, 29, 4) - 0.5;
            const int sx = std::clamp(static_cast<int>(x + wave * (6 + 26 * depth)), 0, kWidth - 1);
            const int sy = std::clamp(2 * kHorizon - y - 1, 0, kHorizon - 1);
            Color c = canvas[static_cast<size_t>(sy) * kWidth + sx];
            c = Mix(Scale(c, 0.78), Color{20, 26, 58}, 0.15 + 0.55 * depth);
            // Glints on the path of the sun.
            const double path = std::exp(-std::pow((x - kSunX) / (18 + 70 * depth), 2));
            const double glint = SmoothStep(0.62, 0.8, Fractal(x / 7.0, y * y / 300.0, 41, 3));
            c = Mix(c, Color{255, 226, 170}, path * glint * (1 - 0.6 * depth));
            canvas[static_cast<size_t>(y) * kWidth + x] = c;
        }
    }
    // A thin bright line where the water meets the far shore.
    for (int x = 0; x < kWidth; ++x) {
        Color& pixel = canvas[static_cast<size_t>(kHorizon) * kWidth + x];
        pixel = Mix(pixel, Color{255, 200, 160}, 0.12);
    }
}

const Color kShore{14, 16, 30};

// A conifer silhouette: tiers of branches that widen towards the foot, soft at the edges.
void DrawTree(Canvas& canvas, double cx, double foot, double height) {
    const double top = foot - height;
    for (int y = std::max(0, static_cast<int>(top)); y < std::min(kHeight, static_cast<int>(foot) + 1); ++y) {
        const double t = (y - top) / height;          // 0 at the tip, 1 at the foot
        const double tier = std::fmod(t * 5.0, 1.0);  // five tiers of branches
        const double halfWidth = height * 0.2 * t * (0.65 + 0.35 * tier) + 0.6;
        for (int x = static_cast<int>(cx - halfWidth - 1); x <= static_cast<int>(cx + halfWidth + 1); ++x) {
            if (x < 0 || x >= kWidth)
                continue;
            const double cover = std::clamp(halfWidth - std::fabs(x - cx) + 0.5, 0.0, 1.0);
            Color& pixel = canvas[static_cast<size_t>(y) * kWidth + x];
            pixel = Mix(pixel, kShore, cover);
        }
    }
}

void DrawShore(Canvas& canvas) {
    // A dark wooded bank in the near left corner gives the picture a foreground.
    std::vector<double> bankTop(kWidth);
    for (int x = 0; x < kWidth; ++x) {
        bankTop[x] = kHeight - (70 * std::exp(-x / 120.0) + 6 + 8 * Fractal(x / 30.0, 3, 61, 4));
        for (int y = std::max(0, static_cast<int>(bankTop[x])); y < kHeight; ++y) {
            Color& pixel = canvas[static_cast<size_t>(y) * kWidth + x];
            const double edge = std::clamp(y + 1 - bankTop[x], 0.0, 1.0);
            pixel = Mix(pixel, Scale(kShore, 0.9 + 0.2 * Hash(x, y, 73)), edge);
        }
    }
    for (int i = 0; i < 9; ++i) {
        const double cx = 8 + 150 * Hash(i, 0, 89) * Hash(i, 1, 89) + 14 * i;
        const int x = std::clamp(static_cast<int>(cx), 0, kWidth - 1);
        const double height = (60 + 70 * Hash(i, 2, 89)) * std::exp(-cx / 260.0);
        DrawTree(canvas, cx, bankTop[x] + 4, height);
    }
}

uint8_t ToByte(double v, int x, int y) {
    // A little dither keeps the long gradients free of bands.
    const double dithered = v + (Hash(x, y, 97) - 0.5) * 1.5;
    return static_cast<uint8_t>(std::clamp(static_cast<int>(std::lround(dithered)), 0, 255));
}

void Put16(std::vector<uint8_t>& out, size_t at, uint16_t v) {
    out[at] = static_cast<uint8_t>(v);
    out[at + 1] = static_cast<uint8_t>(v >> 8);
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

std::vector<uint8_t> EncodeBmp(const Canvas& canvas) {
    const size_t stride = (3 * kWidth + 3) / 4 * 4;
    const size_t imageBytes = stride * kHeight;
    std::vector<uint8_t> out(54 + imageBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<uint32_t>(out.size()));
    Put32(out, 10, 54);
    Put32(out, 14, 40);
    Put32(out, 18, kWidth);
    Put32(out, 22, kHeight);
    Put16(out, 26, 1);
    Put16(out, 28, 24);
    Put32(out, 34, static_cast<uint32_t>(imageBytes));
    for (int y = 0; y < kHeight; ++y) {
        uint8_t* row = out.data() + 54 + stride * static_cast<size_t>(kHeight - 1 - y);  // bottom-up
        for (int x = 0; x < kWidth; ++x) {
            const Color& c = canvas[static_cast<size_t>(y) * kWidth + x];
            row[3 * x + 0] = ToByte(c.b, x, y);
            row[3 * x + 1] = ToByte(c.g, x, y);
            row[3 * x + 2] = ToByte(c.r, x, y);
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sample OUT.bmp\n");
        return 2;
    }
    Canvas canvas(static_cast<size_t>(kWidth) * kHeight);
    for (int y = 0; y < kHorizon; ++y) {
        for (int x = 0; x < kWidth; ++x)
            canvas[static_cast<size_t>(y) * kWidth + x] = Sky(x, y);
    }
    DrawMountains(canvas);
    DrawWater(canvas);
    DrawShore(canvas);

    const std::vector<uint8_t> bmp = EncodeBmp(canvas);
    FILE* f = std::fopen(argv[1], "wb");
    if (!f) {
        std::fprintf(stderr, "make-sample: cannot create %s\n", argv[1]);
        return 1;
    }
    const bool ok = std::fwrite(bmp.data(), 1, bmp.size(), f) == bmp.size();
    if (std::fclose(f) != 0 || !ok) {
        std::fprintf(stderr, "make-sample: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
