#include "writer/SkinBitmaps.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "compose/ColorRules.h"
#include "compose/SkinLayout.h"

namespace {

using enum SkinWindow;

constexpr BackgroundCopy kMainCopies[] = {
    {Main, {0, 0, 275, 116}, {{0, 0}}},
};
constexpr BackgroundCopy kEqMainCopies[] = {
    {Equalizer, {0, 0, 275, 116}, {{0, 0}}},
    {Equalizer, {14, 18, 58, 12}, {{10, 119}, {69, 119}, {128, 119}, {187, 119}}},
    {Equalizer, {0, 0, 275, 14}, {{0, 149}}},
};
constexpr BackgroundCopy kBalanceCopies[] = {
    {Main, {177, 57, 38, 13}, {{9, 0}}},
};
constexpr BackgroundCopy kCButtonsCopies[] = {
    {Main, {16, 88, 114, 18}, {{0, 18}, {0, 0}}},
    {Main, {136, 89, 22, 16}, {{114, 0}, {114, 16}}},
};
constexpr BackgroundCopy kMonoSterCopies[] = {
    {Main, {212, 41, 27, 12}, {{29, 12}, {29, 0}}},
    {Main, {239, 41, 29, 12}, {{0, 12}, {0, 0}}},
};
constexpr BackgroundCopy kPosBarCopies[] = {
    {Main, {16, 72, 248, 10}, {{0, 0}}},
};
constexpr BackgroundCopy kShufRepCopies[] = {
    {Main, {164, 89, 47, 15}, {{28, 45}, {28, 30}, {28, 15}, {28, 0}}},
    {Main, {210, 89, 28, 15}, {{0, 45}, {0, 30}, {0, 15}, {0, 0}}},
    {Main, {219, 58, 46, 12}, {{0, 73}, {0, 61}, {46, 73}, {46, 61}}},
};
constexpr BackgroundCopy kTitleBarCopies[] = {
    {Main, {10, 22, 8, 43}, {{304, 44}, {312, 44}, {320, 44}, {328, 44}, {336, 44}, {304, 0}, {312, 0}}},
    {Main, {0, 0, 275, 14}, {{27, 15}, {27, 0}, {27, 72}, {27, 57}}},
};
constexpr BackgroundCopy kNumsExCopies[] = {
    {Main, {36, 26, 9, 13}, {{90, 0}, {99, 0}}},
};
constexpr BackgroundCopy kPlayPausCopies[] = {
    {Main, {24, 28, 3, 9}, {{27, 0}, {36, 0}, {39, 0}}},
    {Main, {26, 28, 9, 9}, {{0, 0}, {9, 0}, {18, 0}}},
};
constexpr BackgroundCopy kVolumeCopies[] = {
    {Main, {107, 57, 68, 13}, {{0, 0}}},
};

using enum WriteWhen;
constexpr SkinRect kNoBlend{};

constexpr SkinBitmapRecipe kRecipes[] = {
    {"MAIN.BMP", 0, 275, 116, Always, false, kMainCopies, kNoBlend},
    {"EQMAIN.BMP", kTplEqMain, 275, 163, FullSize, true, kEqMainCopies, kNoBlend},
    {"EQ_EX.BMP", kTplEqEx, 275, 57, FullSize, true, {}, kNoBlend},
    {"BALANCE.BMP", 0, 47, 13, Always, false, kBalanceCopies, kNoBlend},
    {"CBUTTONS.BMP", kTplCButtons, 136, 36, Always, false, kCButtonsCopies, {0, 0, 136, 36}},
    {"MONOSTER.BMP", kTplMonoSter, 56, 24, Always, false, kMonoSterCopies, {0, 0, 56, 24}},
    {"POSBAR.BMP", kTplPosBar, 307, 10, Always, true, kPosBarCopies, kNoBlend},
    {"SHUFREP.BMP", kTplShufRep, 92, 85, Always, false, kShufRepCopies, {0, 0, 92, 85}},
    {"TITLEBAR.BMP", kTplTitleBar, 344, 87, Always, true, kTitleBarCopies, {0, 0, 344, 87}},
    {"NUMS_EX.BMP", kTplNumsEx, 108, 13, Always, true, kNumsExCopies, {90, 0, 18, 13}},
    {"PLAYPAUS.BMP", kTplPlayPaus, 42, 9, Always, false, kPlayPausCopies, {0, 0, 42, 9}},
    {"VOLUME.BMP", 0, 68, 13, Always, false, kVolumeCopies, kNoBlend},
    {"TEXT.BMP", kTplText, 155, 18, Always, true, {}, kNoBlend},
    {"PLEDIT.BMP", kTplPlEdit, 280, 186, PLSave, true, {}, kNoBlend},
    {"MB.BMP", kTplMb, 242, 119, MBSave, true, {}, kNoBlend},
};

// Complete skins: every bar frame, button, slider and graph over a copy of the picture beneath it,
// then the template blended over the whole file. What no copy reaches keeps the recoloured template
// at full strength: the thumbs, the curve colours and the preamp line.
constexpr BackgroundCopy kCompleteEqMainCopies[] = {
    {Equalizer, {0, 0, 275, 116}, {{0, 0}}},
    {Equalizer, {264, 3, 9, 9}, {{0, 116}, {0, 125}}},
    {Equalizer, {14, 18, 58, 12}, {{10, 119}, {69, 119}, {128, 119}, {187, 119}}},
    {Equalizer, {0, 0, 275, 14}, {{0, 134}, {0, 149}}},
    // The ten bands and the preamp share the frames; they take the picture of the middle band.
    {Equalizer, {150, 38, 14, 63}, {13, 164}, {15, 0}, 14},
    {Equalizer, {150, 38, 14, 63}, {13, 229}, {15, 0}, 14},
    {Equalizer, {217, 18, 44, 12}, {{224, 164}, {224, 176}}},
    {Equalizer, {86, 17, 113, 19}, {{0, 294}}},
};
constexpr BackgroundCopy kCompleteEqExCopies[] = {
    {Equalizer, {0, 0, 275, 14}, {{0, 0}, {0, 15}}},
};
constexpr BackgroundCopy kCompleteBalanceCopies[] = {
    {Main, {177, 57, 38, 13}, {9, 0}, {0, 15}, 28},
};
constexpr BackgroundCopy kCompleteVolumeCopies[] = {
    {Main, {107, 57, 68, 13}, {0, 0}, {0, 15}, 28},
};

constexpr SkinBitmapRecipe kCompleteRecipes[] = {
    {"EQMAIN.BMP", kTplCompleteEqMain, 275, 315, FullSize, true, kCompleteEqMainCopies, {0, 0, 275, 315}},
    {"EQ_EX.BMP", kTplEqEx, 275, 57, FullSize, true, kCompleteEqExCopies, {0, 0, 275, 57}},
    {"BALANCE.BMP", kTplBalance, 68, 433, Always, true, kCompleteBalanceCopies, {0, 0, 68, 433}},
    // The track's groove shows over the picture; the thumbs stay solid above it.
    {"POSBAR.BMP", kTplPosBar, 307, 10, Always, true, kPosBarCopies, {0, 0, 248, 10}},
    {"VOLUME.BMP", kTplVolume, 68, 433, Always, true, kCompleteVolumeCopies, {0, 0, 68, 433}},
};

// The classic table with the complete skin's files in their places.
constexpr auto kCompleteTable = [] {
    std::array<SkinBitmapRecipe, std::size(kRecipes)> table{};
    for (size_t i = 0; i < table.size(); ++i) {
        table[i] = kRecipes[i];
        for (const SkinBitmapRecipe& replacement : kCompleteRecipes) {
            if (std::string_view(replacement.name) == kRecipes[i].name)
                table[i] = replacement;
        }
    }
    return table;
}();

bool Fits(int32_t start, int32_t length, int32_t limit) {
    return start >= 0 && length >= 0 && start <= limit && length <= limit - start;
}

void BlendPixel(const uint8_t* color, uint8_t* out, int32_t opacity) {
    for (int channel = 0; channel < 3; ++channel)
        out[channel] = BlendChannel(color[channel], out[channel], opacity);
}

}  // namespace

std::span<const SkinBitmapRecipe> SkinBitmapRecipes(SkinMode mode) {
    if (mode == SkinMode::Complete)
        return kCompleteTable;
    return kRecipes;
}

bool CopyBackground(const uint8_t* windowRows, SkinRect source, BitmapImage& image, int32_t x, int32_t y) {
    if (!Fits(source.x, source.width, kSkinWidth) || !Fits(source.y, source.height, kWindowHeight) ||
        !Fits(x, source.width, image.Width()) || !Fits(y, source.height, image.Height()))
        return false;
    const int32_t sourceRow = StoredRowOf(kWindowHeight, source.y, source.height);
    const int32_t targetRow = StoredRowOf(image.Height(), y, source.height);
    for (int32_t k = 0; k < source.height; ++k) {
        const uint8_t* s = windowRows + static_cast<size_t>(sourceRow + k) * kWorkStride + 3 * size_t(source.x);
        std::copy_n(s, 3 * static_cast<size_t>(source.width), image.Row(targetRow + k) + 3 * size_t(x));
    }
    return true;
}

void RecolorTemplate(const TemplateBitmap& bitmap, BitmapImage& image, const SkinSettings& settings) {
    if (bitmap.IsEmpty() || bitmap.Width() != image.Width() || bitmap.Height() != image.Height())
        return;
    for (int32_t r = 0; r < image.Height(); ++r) {
        const uint8_t* s = bitmap.Row(r);
        uint8_t* d = image.Row(r);
        for (int32_t j = 0; j < image.Width(); ++j, s += 3, d += 3) {
            PutRecoloredPixel(s, d, settings, kAllMarkerCount);
        }
    }
}

void BlendTemplate(const TemplateBitmap& bitmap, SkinRect area, BitmapImage& image, const SkinSettings& settings) {
    if (bitmap.IsEmpty() || bitmap.Width() != image.Width() || bitmap.Height() != image.Height())
        return;
    const int32_t x0 = std::max<int32_t>(0, area.x);
    const int32_t x1 = std::min<int32_t>(image.Width(), area.x + area.width);
    const int32_t top = std::max<int32_t>(0, area.y);
    const int32_t bottom = std::min<int32_t>(image.Height(), area.y + area.height);
    if (x0 >= x1 || top >= bottom)
        return;
    const int32_t opacity = settings.SkinAlphaBrend;
    const int32_t firstRow = StoredRowOf(image.Height(), top, bottom - top);
    for (int32_t r = firstRow; r < firstRow + (bottom - top); ++r) {
        const uint8_t* s = bitmap.Row(r) + 3 * size_t(x0);
        uint8_t* d = image.Row(r) + 3 * size_t(x0);
        for (int32_t j = x0; j < x1; ++j, s += 3, d += 3) {
            if (const SkinColorValue* c = FindMarkerReplacement(TemplateColorAt(s), settings, kAllMarkerCount)) {
                const uint8_t replacement[3] = {c->blue, c->green, c->red};
                BlendPixel(replacement, d, opacity);
            } else if (!IsKeyColor(s, settings.KeyColor)) {
                BlendPixel(s, d, opacity);
            }
        }
    }
}
