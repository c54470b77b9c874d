// The one record of every option and colour a skin is made from, its constant defaults and the
// four reset groups.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// A colour as stored in every 32-bit pixel: blue, green, red, alpha.
struct SkinColorValue {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
    uint8_t alpha = 255;

    friend bool operator==(const SkinColorValue&, const SkinColorValue&) = default;
};

constexpr SkinColorValue Rgb(uint8_t red, uint8_t green, uint8_t blue) {
    return SkinColorValue{blue, green, red, 255};
}

// The values a field is meant to hold. Loading repairs only AnalyzerMode, BlendMethod and Opacity
// (ValidateLoaded); the other ranges are what the pages offer and what a setting given on the
// command line must respect.
struct FieldRange {
    int32_t lowest = 0;
    int32_t highest = 0;

    constexpr bool Holds(int64_t value) const { return value >= lowest && value <= highest; }
};

inline constexpr FieldRange kFlagRange{0, 1};
inline constexpr FieldRange kColorComponentRange{0, 255};
inline constexpr FieldRange kAlphaBrendRange{0, 10};  // SkinAlphaBrend, in tenths
inline constexpr FieldRange kAnalyzerModeRange{0, 2};
inline constexpr FieldRange kBlendMethodRange{0, 2};
inline constexpr FieldRange kOpacityRange{0, 100};  // percent

constexpr size_t kVisColorCount = 24;
constexpr size_t kPlFontSize = 256;  // 255 bytes of text and the terminating zero

struct SkinSettings {
    // Flags hold 0 or 1; the other integers are taken as loaded (see ValidateLoaded).
    int32_t FullSize = 1;
    int32_t SkinReverse = 1;
    int32_t SkinLine = 1;
    int32_t SkinAlphaBrend = 7;
    char PlFont[kPlFontSize] = {};
    SkinColorValue Color = Rgb(208, 208, 240);
    SkinColorValue ColorBG = Rgb(144, 144, 176);
    SkinColorValue SideColor = Rgb(0, 0, 0);
    SkinColorValue KeyColor = Rgb(255, 255, 255);
    SkinColorValue Normal = Rgb(0, 255, 0);
    SkinColorValue NormalBG = Rgb(0, 0, 0);
    SkinColorValue Current = Rgb(255, 255, 255);
    SkinColorValue SelectedBG = Rgb(0, 0, 198);
    SkinColorValue MBFG = Rgb(0, 255, 0);
    SkinColorValue MBBG = Rgb(0, 0, 0);
    SkinColorValue NumNORMAL = Rgb(0, 213, 0);
    SkinColorValue NumNORMALBG = Rgb(0, 0, 0);
    SkinColorValue TextNORMAL = Rgb(0, 213, 0);
    SkinColorValue TextNORMALBG = Rgb(0, 0, 0);
    std::array<SkinColorValue, kVisColorCount> VisColor = {
        Rgb(0, 0, 0),       Rgb(24, 24, 41),    Rgb(239, 49, 16),   Rgb(206, 41, 16),   Rgb(214, 90, 0),
        Rgb(214, 102, 0),   Rgb(214, 115, 0),   Rgb(198, 123, 8),   Rgb(222, 165, 24),  Rgb(214, 181, 33),
        Rgb(189, 222, 41),  Rgb(148, 222, 33),  Rgb(41, 206, 16),   Rgb(50, 190, 16),   Rgb(57, 181, 16),
        Rgb(49, 156, 8),    Rgb(41, 148, 0),    Rgb(24, 132, 8),    Rgb(255, 255, 255), Rgb(214, 214, 222),
        Rgb(181, 189, 189), Rgb(160, 170, 175), Rgb(148, 156, 165), Rgb(150, 150, 150),
    };
    int32_t Enable = 1;
    int32_t Peaks = 1;
    int32_t Rain = 0;
    int32_t Bands = 1;
    int32_t AnalyzerMode = 1;  // 0 Normal, 1 Fire, 2 lines
    int32_t BlendMethod = 0;   // 0 mix, 1 add, 2 sub
    int32_t Opacity = 50;      // percent
    int32_t PLSave = 1;
    int32_t MBSave = 1;
    int32_t SexyFontUse = 1;
    int32_t MaronUse = 1;

    // Each reset copies its group's fields (all four bytes of every colour) from SettingsDefaults.
    void ResetMainEq();
    void ResetPlaylistMb();
    void ResetSexyFont();
    void ResetMaron();

    // The range repair that ends every settings load.
    void ValidateLoaded();

    friend bool operator==(const SkinSettings&, const SkinSettings&) = default;
};

// Every field at its default.
extern const SkinSettings SettingsDefaults;

// The platform colour word: red + green * 256 + blue * 65536.
uint32_t ToColorRef(const SkinColorValue& color);
// Stores red, green and blue from a colour word; alpha stays as it was.
void FromColorRef(SkinColorValue& color, uint32_t colorRef);
