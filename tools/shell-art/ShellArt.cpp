// Draws the Windows program's own art: the toolbar strip (hand-drawn 16 x 15 pixel maps, 8 bits
// per pixel, light grey as the button-face colour the toolbar maps) and the program icon (a
// player window showing a picture at dusk, drawn from shapes at 32 x 32 and 16 x 16 with 4 x 4
// supersampling). Usage: shell-art OUTPUT_FOLDER  (writes Toolbar.bmp and Tolvarin.ico).
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Rgb {
    uint8_t r, g, b;
};

// Palette of the toolbar; index 0 is the button face.
struct PaletteEntry {
    char key;
    Rgb color;
};
constexpr PaletteEntry kPalette[] = {
    {'.', {192, 192, 192}}, {'k', {0, 0, 0}},       {'w', {255, 255, 255}}, {'g', {128, 128, 128}},
    {'y', {255, 222, 96}},  {'o', {222, 168, 40}},  {'b', {40, 84, 196}},   {'B', {20, 40, 120}},
    {'l', {150, 184, 240}}, {'s', {224, 224, 224}}, {'r', {200, 40, 40}},
};

constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 15;

// Open, save as, plug-in settings, About: the order of the toolbar's buttons.
const std::array<std::array<const char*, kButtonHeight>, 4> kButtons = {{
    {{
        "................",
        "................",
        ".kkkk...........",
        "kwyyyk..........",
        "kyyyyykkkkkkk...",
        "kyyyyyyyyyyyyk..",
        "kyyyyykkkkkkkkkk",
        "kyyyykoooooooook",
        "kyyyykooooooook.",
        "kyyykoooooooook.",
        "kyyykooooooook..",
        "kyykoooooooook..",
        "kkkkkkkkkkkkk...",
        "................",
        "................",
    }},
    {{
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kbkwwwwwwwwkbk.",
        ".kbkwllllllwkbk.",
        ".kbkwwwwwwwwkbk.",
        ".kbkwllllllwkbk.",
        ".kbkkkkkkkkkkbk.",
        ".kbbbbbbbbbbbbk.",
        ".kbbssssssssbbk.",
        ".kbbsBBsssssbbk.",
        ".kbbsBBsssssbbk.",
        ".kbbsBBsssssbbk.",
        ".kbbssssssssbbk.",
        ".kkkkkkkkkkkkkk.",
        "................",
    }},
    {{
        "................",
        ".....k....k.....",
        ".....g....g.....",
        ".....g....g.....",
        "...kkkkkkkkkk...",
        "...kwssssssgk...",
        "...kssssssggk...",
        "...kssssssggk...",
        "....kssssggk....",
        ".....ksssgk.....",
        "......kggk......",
        ".......rr.......",
        ".......rr.......",
        "........rrr.....",
        "..........rrrr..",
    }},
    {{
        "................",
        ".....kkkkkk.....",
        "...kkbbbbbbkk...",
        "..kbbbbwwbbbbk..",
        "..kbbbbwwbbbbk..",
        ".kbbbbbbbbbbbbk.",
        ".kbbbbwwwbbbbbk.",
        ".kbbbbbwwbbbbbk.",
        ".kbbbbbwwbbbbbk.",
        ".kbbbbbwwbbbbbk.",
        "..kbbbbwwbbbbk..",
        "..kbbbwwwwbbbk..",
        "...kkbbbbbbkk...",
        ".....kkkkkk.....",
        "................",
    }},
}};

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

void PutInfoHeader(std::vector<uint8_t>& out,
                   int32_t width,
                   int32_t height,
                   uint16_t bits,
                   uint32_t imageBytes,
                   uint32_t colors) {
    Put32(out, 40);
    Put32(out, uint32_t(width));
    Put32(out, uint32_t(height));
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, 0);
    Put32(out, imageBytes);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, colors);
    Put32(out, 0);
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

int PaletteIndex(char key) {
    for (size_t i = 0; i < std::size(kPalette); ++i) {
        if (kPalette[i].key == key)
            return int(i);
    }
    std::fprintf(stderr, "shell-art: no palette entry for '%c'\n", key);
    return -1;
}

bool WriteToolbar(const std::string& path) {
    const int width = kButtonWidth * int(kButtons.size());
    const int stride = (width + 3) / 4 * 4;
    std::vector<uint8_t> pixels(size_t(stride) * kButtonHeight, 0);
    for (size_t button = 0; button < kButtons.size(); ++button) {
        for (int y = 0; y < kButtonHeight; ++y) {
            const std::string row = kButtons[button][y];
            if (row.size() != kButtonWidth) {
                std::fprintf(stderr, "shell-art: button %zu row %d is not %d wide\n", button, y, kButtonWidth);
                return false;
            }
            for (int x = 0; x < kButtonWidth; ++x) {
                const int index = PaletteIndex(row[x]);
                if (index < 0)
                    return false;
                // Bottom-up rows.
                pixels[size_t(kButtonHeight - 1 - y) * stride + button * kButtonWidth + x] = uint8_t(index);
            }
        }
    }
    const uint32_t colors = uint32_t(std::size(kPalette));
    const uint32_t offset = 14 + 40 + 4 * colors;
    std::vector<uint8_t> file;
    file.push_back('B');
    file.push_back('M');
    Put32(file, offset + uint32_t(pixels.size()));
    Put32(file, 0);
    Put32(file, offset);
    PutInfoHeader(file, width, kButtonHeight, 8, uint32_t(pixels.size()), colors);
    for (const PaletteEntry& e : kPalette) {
        file.push_back(e.color.b);
        file.push_back(e.color.g);
        file.push_back(e.color.r);
        file.push_back(0);
    }
    file.insert(file.end(), pixels.begin(), pixels.end());
    return WriteFile(path, file);
}

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

double Mix(double a, double b, double t) {
    return a + (b - a) * t;
}

// The icon at one sample point; u and v run 0..1 across and down the icon.
Rgba IconSample(double u, double v) {
    // A player window with rounded corners, a thin dark title bar, the picture and a control strip.
    const double left = 0.03, right = 0.97, top = 0.09, bottom = 0.91, radius = 0.09;
    const double cx = std::clamp(u, left + radius, right - radius);
    const double cy = std::clamp(v, top + radius, bottom - radius);
    const double dx = u - cx, dy = v - cy;
    if (u < left || u > right || v < top || v > bottom || dx * dx + dy * dy > radius * radius)
        return {};
    const double border = 0.045;
    const bool edge = u < left + border || u > right - border || v < top + border || v > bottom - border ||
                      dx * dx + dy * dy > (radius - border) * (radius - border);
    if (edge)
        return {28, 30, 52, 1};
    if (v < 0.22) {  // title bar with a light stripe
        const bool stripe = v > 0.15 && v < 0.17 && u > 0.12 && u < 0.88;
        return stripe ? Rgba{230, 200, 120, 1} : Rgba{52, 58, 110, 1};
    }
    if (v > 0.74) {  // control strip: a play triangle
        const double px = (u - 0.42) / 0.16, py = (v - 0.775) / 0.11;
        const bool play = px >= 0 && px <= 1 && py >= 0 && py <= 1 && std::abs(py - 0.5) <= 0.5 * (1 - px);
        return play ? Rgba{110, 230, 120, 1} : Rgba{70, 74, 96, 1};
    }
    // The picture: dusk sky, a low sun and a dark hill over a lake.
    const double t = (v - 0.22) / (0.74 - 0.22);
    Rgba sky{Mix(84, 250, t), Mix(60, 140, t), Mix(150, 80, t), 1};
    const double sunX = 0.62, sunY = 0.47, sunR = 0.10;
    if ((u - sunX) * (u - sunX) + (v - sunY) * (v - sunY) < sunR * sunR)
        sky = {255, 224, 130, 1};
    const double hill = 0.60 - 0.10 * std::sin(u * 3.1);
    if (v > hill)
        sky = {40, 34, 70, 1};
    if (v > 0.66)
        sky = {Mix(200, 60, (v - 0.66) / 0.08), Mix(110, 50, (v - 0.66) / 0.08), 90, 1};
    return sky;
}

// One icon image: 32-bit colour with alpha, then the 1-bit mask.
std::vector<uint8_t> IconImage(int size) {
    std::vector<uint8_t> image;
    const uint32_t colorBytes = uint32_t(size * size * 4);
    const int maskStride = ((size + 31) / 32) * 4;
    const uint32_t maskBytes = uint32_t(maskStride * size);
    PutInfoHeader(image, size, 2 * size, 32, colorBytes + maskBytes, 0);
    std::vector<uint8_t> mask(maskBytes, 0);
    constexpr int kSamples = 4;
    for (int y = size - 1; y >= 0; --y) {  // bottom-up
        for (int x = 0; x < size; ++x) {
            Rgba sum;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Rgba s = IconSample((x + (sx + 0.5) / kSamples) / size, (y + (sy + 0.5) / kSamples) / size);
                    sum.r += s.r * s.a;
                    sum.g += s.g * s.a;
                    sum.b += s.b * s.a;
                    sum.a += s.a;
                }
            }
            const double a = sum.a / (kSamples * kSamples);
            const auto channel = [&](double premultiplied) {
                return uint8_t(sum.a > 0 ? std::lround(std::clamp(premultiplied / sum.a, 0.0, 255.0)) : 0);
            };
            image.push_back(channel(sum.b));
            image.push_back(channel(sum.g));
            image.push_back(channel(sum.r));
            image.push_back(uint8_t(std::lround(a * 255)));
            if (a < 0.5)
                mask[size_t(size - 1 - y) * maskStride + x / 8] |= uint8_t(0x80 >> (x % 8));
        }
    }
    image.insert(image.end(), mask.begin(), mask.end());
    return image;
}

bool WriteIcon(const std::string& path) {
    const int sizes[] = {32, 16};
    std::vector<std::vector<uint8_t>> images;
    for (int size : sizes)
        images.push_back(IconImage(size));
    std::vector<uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, uint16_t(images.size()));
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        file.push_back(uint8_t(sizes[i]));
        file.push_back(uint8_t(sizes[i]));
        file.push_back(0);  // no palette
        file.push_back(0);
        Put16(file, 1);
        Put16(file, 32);
        Put32(file, uint32_t(images[i].size()));
        Put32(file, offset);
        offset += uint32_t(images[i].size());
    }
    for (const auto& image : images)
        file.insert(file.end(), image.begin(), image.end());
    return WriteFile(path, file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: shell-art OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    if (!WriteToolbar(folder + "/Toolbar.bmp") || !WriteIcon(folder + "/Tolvarin.ico")) {
        std::fprintf(stderr, "shell-art: could not write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
