// How each of the fifteen skin bitmaps is cut: which template it starts from, which rectangles of
// the window background are copied into it, and where the template is blended over them. The
// writer runs the recipes in table order; the four operations below do all the pixel work.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "compose/SkinMode.h"
#include "compose/TemplateStore.h"
#include "settings/SkinSettings.h"
#include "writer/BitmapFile.h"

// Bytes per stored row of the writer's 24-bit work buffer: 275 pixels and 3 filler bytes.
constexpr int32_t kWorkStride = 828;

enum class SkinWindow : uint8_t { Main, Equalizer };

// Rectangles and positions in skin coordinates (top-left origin, y downward).
struct SkinRect {
    int16_t x = 0, y = 0, width = 0, height = 0;
};
struct SkinPoint {
    int16_t x = 0, y = 0;
};

// One rectangle of a window copied to one or more places of the output.
struct BackgroundCopy {
    static constexpr int kMaxPlaces = 28;  // the level frames of a complete skin's bars
    SkinWindow window;
    SkinRect source;
    SkinPoint to[kMaxPlaces] = {};
    int count = 0;

    constexpr BackgroundCopy(SkinWindow w, SkinRect s, std::initializer_list<SkinPoint> places)
        : window(w), source(s), count(static_cast<int>(places.size())) {
        int i = 0;
        for (SkinPoint p : places)
            to[i++] = p;  // more than kMaxPlaces fails to compile in the constant tables
    }
    // `n` places in a row: first, first + step, first + 2 step, ...
    constexpr BackgroundCopy(SkinWindow w, SkinRect s, SkinPoint first, SkinPoint step, int n)
        : window(w), source(s), count(n) {
        for (int i = 0; i < n; ++i)
            to[i] = {static_cast<int16_t>(first.x + i * step.x), static_cast<int16_t>(first.y + i * step.y)};
    }
};

// Which setting decides whether a file is written.
enum class WriteWhen : uint8_t { Always, FullSize, PLSave, MBSave };

struct SkinBitmapRecipe {
    const char* name;
    int templateId;  // 0: no template, the image starts black
    int32_t width;   // a templated file has exactly its template's size
    int32_t height;
    WriteWhen when;
    bool recolor;  // start from the template with its markers replaced
    std::span<const BackgroundCopy> copies;
    SkinRect blend;  // width 0: no blend
};

// The fifteen files in writing order; a complete skin draws its volume, balance, position bar
// and equalizer files from their own templates.
std::span<const SkinBitmapRecipe> SkinBitmapRecipes(SkinMode mode = SkinMode::Classic);

// Copies the rectangle `source` of a 275 x 116 window of the work buffer (windowRows points at the
// window's first stored row; stride kWorkStride) to (x, y) of the image; blue, green and red
// unchanged. False, copying nothing, when the rectangle does not fit the window or the image.
bool CopyBackground(const uint8_t* windowRows, SkinRect source, BitmapImage& image, int32_t x, int32_t y);

// Every output pixel from the template pixel at the same place, markers replaced by their colours.
// The template must have the image's size.
void RecolorTemplate(const TemplateBitmap& bitmap, BitmapImage& image, const SkinSettings& settings);

// Lays the template over the rectangle of the image with the opacity SkinAlphaBrend: a marker
// blends its colour, a KeyColor pixel leaves the output alone, any other pixel blends itself. The
// template must have the image's size; a rectangle outside it is cut to it.
void BlendTemplate(const TemplateBitmap& bitmap, SkinRect area, BitmapImage& image, const SkinSettings& settings);
