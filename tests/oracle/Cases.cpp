#include "Cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace oracle {

namespace {

// A picture whose every byte differs from its neighbours, with a non-zero fourth byte that must
// never reach any output.
DibBuffer Patterned(int32_t w, int32_t h, uint32_t seed) {
    DibBuffer b;
    b.Allocate(w, h, 32);
    uint32_t v = seed;
    for (size_t i = 0; i < b.PixelBytes(); ++i) {
        v = v * 1664525u + 1013904223u;
        b.Pixels()[i] = i % 4 == 3 ? 0x5A : static_cast<uint8_t>(v >> 24);
    }
    return b;
}

PictureCase Picture(const char* name, int32_t w232, int32_t h232, int32_t w116, int32_t h116) {
    return {name, Patterned(w232, h232, w232 * 7 + h232), Patterned(w116, h116, w116 * 13 + h116)};
}

SkinColorValue Rgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    return SkinColorValue{b, g, r, a};
}

}  // namespace

const std::vector<PictureCase>& Pictures() {
    static const std::vector<PictureCase> pictures = [] {
        std::vector<PictureCase> p;
        p.push_back(Picture("box-sized", 275, 232, 275, 116));
        p.push_back(Picture("odd margins", 274, 231, 272, 113));
        p.push_back(Picture("1xN", 1, 232, 1, 116));
        p.push_back(Picture("Nx1", 275, 1, 275, 1));
        p.push_back(Picture("274 wide", 274, 206, 274, 116));
        p.push_back(Picture("115 high", 230, 115, 138, 115));
        p.push_back(Picture("small", 77, 33, 50, 51));
        return p;
    }();
    return pictures;
}

const std::vector<ColourProfile>& ColourProfiles() {
    static const std::vector<ColourProfile> profiles = [] {
        std::vector<ColourProfile> p;
        p.push_back({"defaults", SettingsDefaults});

        // White base colour and margin: markers turn into the key colour. Playlist and browser
        // colours equal to the mask colours, text colours equal to markers.
        SkinSettings white = SettingsDefaults;
        white.Color = Rgb(255, 255, 255);
        white.SideColor = Rgb(255, 255, 255);
        white.NumNORMAL = Rgb(255, 255, 255);
        white.ColorBG = Rgb(0, 192, 255);
        white.Normal = Rgb(0, 0, 255);
        white.Current = Rgb(0, 255, 0);
        white.NormalBG = Rgb(255, 255, 255);
        white.SelectedBG = Rgb(255, 0, 0);
        white.MBFG = Rgb(0, 255, 0);
        white.MBBG = Rgb(0, 0, 255);
        white.TextNORMAL = Rgb(0, 0, 0);
        white.TextNORMALBG = Rgb(255, 0, 0);
        white.SexyFontUse = 0;
        p.push_back({"white base, mask colours", white});

        // Alpha 0 in colours that reach canvas fourth bytes; a Japanese font name; odd plug-in values.
        SkinSettings alpha = SettingsDefaults;
        alpha.Color = Rgba(10, 20, 30, 0);
        alpha.ColorBG = Rgba(200, 100, 50, 0);
        alpha.TextNORMAL = Rgba(255, 255, 255, 0);
        alpha.TextNORMALBG = Rgba(1, 2, 3, 0);
        alpha.NumNORMALBG = Rgba(0, 255, 255, 0);
        alpha.Normal = Rgba(9, 8, 7, 0);
        alpha.Current = Rgba(0, 0, 0, 0);
        alpha.SelectedBG = Rgba(1, 2, 3, 0);
        alpha.MBFG = Rgba(250, 5, 128, 0);
        alpha.MBBG = Rgba(0, 0, 1, 0);
        alpha.SideColor = Rgba(33, 66, 99, 0);
        alpha.VisColor[0] = Rgb(5, 10, 200);
        alpha.VisColor[23] = Rgba(255, 0, 7, 0);
        snprintf(alpha.PlFont, sizeof alpha.PlFont, "%s", "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e");
        alpha.AnalyzerMode = 2;
        alpha.BlendMethod = -3;
        alpha.Opacity = 100;
        alpha.Enable = 0;
        alpha.Rain = 1;
        alpha.MaronUse = 0;
        p.push_back({"alpha 0, font, plug-in values", alpha});

        // A non-white key colour; the base colour set to another marker's value.
        SkinSettings grey = SettingsDefaults;
        grey.KeyColor = Rgb(128, 128, 128);
        grey.Color = Rgb(0, 96, 228);
        grey.SideColor = Rgb(128, 128, 128);
        grey.NumNORMAL = Rgb(0, 192, 255);
        grey.SexyFontUse = 0;
        grey.MaronUse = 0;
        p.push_back({"grey key, marker-valued base", grey});
        return p;
    }();
    return profiles;
}

const std::vector<int32_t>& Opacities() {
    static const std::vector<int32_t> values = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -3, 11, 25};
    return values;
}

std::string Describe(const SkinSettings& s) {
    return "FullSize " + std::to_string(s.FullSize) + " SkinReverse " + std::to_string(s.SkinReverse) + " SkinLine " +
           std::to_string(s.SkinLine) + " SkinAlphaBrend " + std::to_string(s.SkinAlphaBrend) + " PLSave " +
           std::to_string(s.PLSave) + " MBSave " + std::to_string(s.MBSave);
}

std::vector<OracleCase> OpacityCases(const PictureCase& picture) {
    std::vector<OracleCase> cases;
    int n = 0;
    for (const ColourProfile& profile : ColourProfiles()) {
        for (int32_t opacity : Opacities()) {
            SkinSettings s = profile.settings;
            s.SkinAlphaBrend = opacity;
            s.FullSize = n % 3 != 2;
            s.SkinReverse = n % 3 == 0;
            ++n;
            cases.push_back({&picture, std::string(picture.name) + ", " + profile.name + ", " + Describe(s), s});
        }
    }
    return cases;
}

std::vector<OracleCase> FlagCases(size_t profileShift, size_t opacityStep) {
    std::vector<OracleCase> cases;
    size_t n = 0;
    for (size_t p = 0; p < Pictures().size(); ++p) {
        for (int flags = 0; flags < 8; ++flags, ++n) {
            const ColourProfile& profile = ColourProfiles()[(n + profileShift) % ColourProfiles().size()];
            SkinSettings s = profile.settings;
            s.FullSize = flags & 1;
            s.SkinReverse = flags >> 1 & 1;
            s.SkinLine = flags >> 2 & 1;
            const size_t windows = (p + flags) % 4;  // over the pictures every flag combination meets all four
            s.PLSave = windows & 1;
            s.MBSave = windows >> 1 & 1;
            s.SkinAlphaBrend = Opacities()[(n * opacityStep) % Opacities().size()];
            const PictureCase& picture = Pictures()[p];
            cases.push_back({&picture, std::string(picture.name) + ", " + profile.name + ", " + Describe(s), s});
        }
    }
    return cases;
}

std::vector<OracleCase> FlagValueCases(const PictureCase& picture) {
    const int32_t values[][7] = {{2, -1, 2, 5, -1, 3, -2}, {-7, 3, -1, -1, 9, 0, 0}, {0, 2, 1, 0, 0, -1, 4}};
    std::vector<OracleCase> cases;
    for (const auto& v : values) {
        SkinSettings s = SettingsDefaults;
        s.FullSize = v[0];
        s.SkinReverse = v[1];
        s.SkinLine = v[2];
        s.PLSave = v[3];
        s.MBSave = v[4];
        s.SexyFontUse = v[5];
        s.MaronUse = v[6];
        const std::string plugins = std::to_string(s.SexyFontUse) + " MaronUse " + std::to_string(s.MaronUse);
        cases.push_back({&picture, Describe(s) + " SexyFontUse " + plugins, s});
    }
    return cases;
}

void ForEachCase(const std::vector<OracleCase>& cases,
                 const std::function<void(const SkinSettings&, const PictureCase&)>& check) {
    for (const OracleCase& c : cases) {
        SCOPED_TRACE(c.trace);
        check(c.settings, *c.picture);
    }
}

std::string DescribeDifference(const std::string& expected,
                               const std::string& actual,
                               size_t header,
                               int32_t stride,
                               int32_t pixelBytes) {
    std::ostringstream out;
    if (expected.size() != actual.size())
        out << "size " << actual.size() << ", expected " << expected.size() << "; ";
    size_t count = 0, first = std::string::npos;
    for (size_t i = 0; i < std::min(expected.size(), actual.size()); ++i) {
        if (expected[i] == actual[i])
            continue;
        if (count++ == 0)
            first = i;
    }
    if (count == 0)
        return out.str();
    out << count << " bytes differ; first at offset " << first;
    if (first >= header && stride > 0) {
        const size_t at = first - header;
        out << " (x " << at % stride / pixelBytes << ", stored row " << at / stride << ", byte "
            << at % stride % pixelBytes << ")";
    }
    out << ": " << int(static_cast<uint8_t>(actual[first])) << " instead of "
        << int(static_cast<uint8_t>(expected[first]));
    return out.str();
}

std::string DescribeDifference(const Raster& expected, const DibBuffer& actual, int channels) {
    if (actual.IsEmpty() || actual.Width() != expected.width || actual.Height() != expected.height ||
        actual.RowBytes() != expected.stride)
        return "the buffer has another size";
    std::string e(expected.bytes.begin(), expected.bytes.end());
    std::string a(reinterpret_cast<const char*>(actual.Pixels()), actual.PixelBytes());
    if (channels == 3) {
        for (size_t i = 3; i < e.size(); i += 4)
            e[i] = a[i] = 0;
    }
    return DescribeDifference(e, a, 0, expected.stride, expected.pixelBytes);
}

}  // namespace oracle
