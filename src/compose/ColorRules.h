// The colour rules the templates are drawn for: marker colours that stand for user colours, the
// transparent key colour, and the opacity blend of one channel. The preview and the skin files
// follow the same rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "settings/SkinSettings.h"

// A template pixel's colour as 0xRRGGBB, from its stored bytes blue, green, red.
inline uint32_t TemplateColorAt(const uint8_t* bgr) {
    return uint32_t{bgr[2]} << 16 | uint32_t{bgr[1]} << 8 | uint32_t{bgr[0]};
}

struct MarkerRule {
    uint32_t marker;  // 0xRRGGBB, compared exactly
    SkinColorValue SkinSettings::*replacement;
};

// The first kPreviewMarkerCount rules are the ones the preview's piece copier applies; the skin
// files apply all of them.
inline constexpr MarkerRule kMarkerRules[] = {
    {0x0060E4, &SkinSettings::ColorBG},    {0x00C0FF, &SkinSettings::Color},
    {0xFF0000, &SkinSettings::TextNORMAL}, {0x00FF00, &SkinSettings::TextNORMALBG},
    {0xFF00FF, &SkinSettings::NumNORMAL},  {0x00FFFF, &SkinSettings::NumNORMALBG},
};
inline constexpr size_t kPreviewMarkerCount = 3;
inline constexpr size_t kAllMarkerCount = std::size(kMarkerRules);

// The user colour a marker stands for, looking at the first `ruleCount` rules; null for a pixel
// that is not a marker.
inline const SkinColorValue* FindMarkerReplacement(uint32_t color, const SkinSettings& settings, size_t ruleCount) {
    for (size_t i = 0; i < ruleCount && i < kAllMarkerCount; ++i) {
        if (kMarkerRules[i].marker == color)
            return &(settings.*kMarkerRules[i].replacement);
    }
    return nullptr;
}

// Writes a template pixel's blue, green and red to `out`, as its user colour when it is one of the
// first `ruleCount` markers; the byte after them is the caller's.
inline void PutRecoloredPixel(const uint8_t* bgr, uint8_t* out, const SkinSettings& settings, size_t ruleCount) {
    if (const SkinColorValue* c = FindMarkerReplacement(TemplateColorAt(bgr), settings, ruleCount)) {
        out[0] = c->blue;
        out[1] = c->green;
        out[2] = c->red;
    } else {
        out[0] = bgr[0];
        out[1] = bgr[1];
        out[2] = bgr[2];
    }
}

inline bool IsKeyColor(const uint8_t* bgr, const SkinColorValue& key) {
    return bgr[0] == key.blue && bgr[1] == key.green && bgr[2] == key.red;
}

// b + (a - b) * opacity / 10, the quotient truncated toward zero, clamped to 0..255. The opacity
// comes from a profile without a range check, so it may extrapolate; 64 bits keep any int32 exact.
inline uint8_t BlendChannel(int32_t a, int32_t b, int32_t opacity) {
    const int64_t value = b + int64_t{a - b} * opacity / 10;
    return static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}
