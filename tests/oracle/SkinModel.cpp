#include "SkinModel.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "gen/oracle_texts.h"

namespace oracle {

namespace {

constexpr int32_t kWorkStride = 828;
constexpr int32_t kWindowRows = 116;

void PutBgr(uint8_t* p, const SkinColorValue& c) {
    p[0] = c.blue;
    p[1] = c.green;
    p[2] = c.red;
}

bool SameBgr(const uint8_t* p, const SkinColorValue& c) {
    return p[0] == c.blue && p[1] == c.green && p[2] == c.red;
}

// The six markers as 0xRRGGBB and the colour each stands for.
std::optional<SkinColorValue> MarkerReplacement(const uint8_t* p,
                                                const SkinColorValue& color,
                                                const SkinColorValue& colorBg,
                                                const SkinColorValue& text,
                                                const SkinColorValue& textBg,
                                                const SkinColorValue& num,
                                                const SkinColorValue& numBg) {
    const uint32_t v = p[2] << 16 | p[1] << 8 | p[0];
    switch (v) {
        case 0x00C0FF:
            return color;
        case 0x0060E4:
            return colorBg;
        case 0xFF0000:
            return text;
        case 0x00FF00:
            return textBg;
        case 0xFF00FF:
            return num;
        case 0x00FFFF:
            return numBg;
        default:
            return std::nullopt;
    }
}

std::optional<SkinColorValue> Marker(const SkinSettings& s, const uint8_t* p) {
    return MarkerReplacement(p, s.Color, s.ColorBG, s.TextNORMAL, s.TextNORMALBG, s.NumNORMAL, s.NumNORMALBG);
}

uint8_t BlendChannel(int a, int b, int k) {
    const int d = (a - b) * k;
    const int q = d / 10;  // C++ division truncates toward zero
    return static_cast<uint8_t>(std::clamp(b + q, 0, 255));
}

struct Copy {
    bool equalizer;  // from the equalizer window, else the main window
    int32_t sx, sy, w, h;
    std::vector<std::pair<int32_t, int32_t>> to;
};
struct FileRow {
    const char* name;
    int templateId;  // 0: no template, size below
    int32_t width, height;
    bool recolour;
    std::vector<Copy> copies;
    bool blend;
    int32_t bx, by, bw, bh;
};

// The fifteen bitmap files in writing order.
const std::vector<FileRow>& FileTable() {
    // clang-format off
    static const std::vector<FileRow> rows = {
        {"MAIN.BMP", 0, 275, 116, false, {{false, 0, 0, 275, 116, {{0, 0}}}}, false, 0, 0, 0, 0},
        {"EQMAIN.BMP", 142, 0, 0, true,
         {{true, 0, 0, 275, 116, {{0, 0}}},
          {true, 14, 18, 58, 12, {{10, 119}, {69, 119}, {128, 119}, {187, 119}}},
          {true, 0, 0, 275, 14, {{0, 149}}}},
         false, 0, 0, 0, 0},
        {"EQ_EX.BMP", 141, 0, 0, true, {}, false, 0, 0, 0, 0},
        {"BALANCE.BMP", 0, 47, 13, false, {{false, 177, 57, 38, 13, {{9, 0}}}}, false, 0, 0, 0, 0},
        {"CBUTTONS.BMP", 137, 0, 0, false,
         {{false, 16, 88, 114, 18, {{0, 18}, {0, 0}}}, {false, 136, 89, 22, 16, {{114, 0}, {114, 16}}}}, true, 0, 0,
         136, 36},
        {"MONOSTER.BMP", 144, 0, 0, false,
         {{false, 212, 41, 27, 12, {{29, 12}, {29, 0}}}, {false, 239, 41, 29, 12, {{0, 12}, {0, 0}}}}, true, 0, 0, 56,
         24},
        {"POSBAR.BMP", 148, 0, 0, true, {{false, 16, 72, 248, 10, {{0, 0}}}}, false, 0, 0, 0, 0},
        {"SHUFREP.BMP", 149, 0, 0, false,
         {{false, 164, 89, 47, 15, {{28, 45}, {28, 30}, {28, 15}, {28, 0}}},
          {false, 210, 89, 28, 15, {{0, 45}, {0, 30}, {0, 15}, {0, 0}}},
          {false, 219, 58, 46, 12, {{0, 73}, {0, 61}, {46, 73}, {46, 61}}}},
         true, 0, 0, 92, 85},
        {"TITLEBAR.BMP", 151, 0, 0, true,
         {{false, 10, 22, 8, 43, {{304, 44}, {312, 44}, {320, 44}, {328, 44}, {336, 44}, {304, 0}, {312, 0}}},
          {false, 0, 0, 275, 14, {{27, 15}, {27, 0}, {27, 72}, {27, 57}}}},
         true, 0, 0, 344, 87},
        {"NUMS_EX.BMP", 145, 0, 0, true, {{false, 36, 26, 9, 13, {{90, 0}, {99, 0}}}}, true, 90, 0, 18, 13},
        {"PLAYPAUS.BMP", 146, 0, 0, false,
         {{false, 24, 28, 3, 9, {{27, 0}, {36, 0}, {39, 0}}}, {false, 26, 28, 9, 9, {{0, 0}, {9, 0}, {18, 0}}}}, true,
         0, 0, 42, 9},
        {"VOLUME.BMP", 0, 68, 13, false, {{false, 107, 57, 68, 13, {{0, 0}}}}, false, 0, 0, 0, 0},
        {"TEXT.BMP", 150, 0, 0, true, {}, false, 0, 0, 0, 0},
        {"PLEDIT.BMP", 147, 0, 0, true, {}, false, 0, 0, 0, 0},
        {"MB.BMP", 143, 0, 0, true, {}, false, 0, 0, 0, 0},
    };
    // clang-format on
    return rows;
}

bool IsWritten(const SkinSettings& s, const std::string& name) {
    if (name == "EQMAIN.BMP" || name == "EQ_EX.BMP")
        return s.FullSize != 0;
    if (name == "PLEDIT.BMP")
        return s.PLSave != 0;
    if (name == "MB.BMP")
        return s.MBSave != 0;
    return true;
}

std::string MakeBitmap(const SkinSettings& s, const FileRow& row, const Raster& work, int32_t mainRow, int32_t eqRow) {
    const Raster* tpl = row.templateId != 0 ? &TemplateFile(row.templateId) : nullptr;
    Raster image = tpl ? Raster::Make(tpl->width, tpl->height, 3) : Raster::Make(row.width, row.height, 3);
    if (row.recolour) {
        for (int32_t y = 0; y < image.height; ++y) {
            for (int32_t x = 0; x < image.width; ++x) {
                const uint8_t* t = tpl->At(x, y);
                if (auto m = Marker(s, t)) {
                    PutBgr(image.At(x, y), *m);
                } else {
                    std::memcpy(image.At(x, y), t, 3);
                }
            }
        }
    }
    for (const Copy& c : row.copies) {
        const int32_t windowRow = c.equalizer ? eqRow : mainRow;
        for (auto [dx, dy] : c.to) {
            for (int32_t k = 0; k < c.h; ++k) {
                const int32_t sourceRow = windowRow + (kWindowRows - c.sy - c.h) + k;
                const int32_t targetRow = image.StoredRowOf(dy, c.h) + k;
                for (int32_t j = 0; j < c.w; ++j) {
                    std::memcpy(image.At(dx + j, targetRow), work.At(c.sx + j, sourceRow), 3);
                }
            }
        }
    }
    if (row.blend) {
        const int32_t top = image.StoredRowOf(row.by, row.bh);
        for (int32_t y = top; y < top + row.bh; ++y) {
            for (int32_t x = row.bx; x < row.bx + row.bw; ++x) {
                const uint8_t* t = tpl->At(x, y);
                uint8_t* o = image.At(x, y);
                const auto m = Marker(s, t);
                if (!m && SameBgr(t, s.KeyColor))
                    continue;
                const uint8_t a[3] = {m ? m->blue : t[0], m ? m->green : t[1], m ? m->red : t[2]};
                for (int ch = 0; ch < 3; ++ch)
                    o[ch] = BlendChannel(a[ch], o[ch], s.SkinAlphaBrend);
            }
        }
    }
    return BitmapFileBytes(image);
}

std::string Format(const char* format, auto... values) {
    char line[600];
    std::snprintf(line, sizeof line, format, values...);
    return line;
}

std::string Hex(const SkinColorValue& c) {
    return Format("#%06X", c.red << 16 | c.green << 8 | c.blue);
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string Comment(const char* text) {
    return std::string(";") + text;
}

}  // namespace

std::string BitmapFileBytes(const Raster& image) {
    const int32_t w = image.width, h = image.height, stride = (3 * w + 3) / 4 * 4;
    const uint32_t imageSize = static_cast<uint32_t>(stride * h);
    std::string f(54 + imageSize, '\0');
    auto put = [&](size_t at, uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            f[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
    };
    put(0, 0x4D42, 2);
    put(2, 54 + imageSize, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<uint32_t>(w), 4);
    put(22, static_cast<uint32_t>(h), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, imageSize, 4);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            std::memcpy(&f[54 + y * stride + 3 * x], image.At(x, y), 3);
    return f;
}

Raster ExpectedWorkBuffer(const SkinSettings& s, const DibBuffer& fit232, const DibBuffer& fit116) {
    const DibBuffer& source = s.FullSize != 0 ? fit232 : fit116;
    const int32_t rows = s.FullSize != 0 ? 232 : 116;
    Raster work = Raster::Make(275, rows, 3, kWorkStride);
    for (int32_t y = 0; y < rows; ++y)
        for (int32_t x = 0; x < 275; ++x)
            PutBgr(work.At(x, y), s.SideColor);
    const int32_t w = source.Width(), h = source.Height();
    const int32_t x0 = (275 - w) / 2, y0 = (rows - h) / 2;
    for (int32_t i = 0; i < h; ++i)
        for (int32_t j = 0; j < w; ++j)
            std::memcpy(work.At(x0 + j, y0 + i), source.Pixels() + static_cast<size_t>(i) * 4 * w + 4 * j, 3);
    if (s.SkinLine == 1) {
        const SkinColorValue grey = Rgb(128, 128, 128);
        for (int32_t y = 0; y < rows; ++y) {
            PutBgr(work.At(0, y), grey);
            PutBgr(work.At(274, y), grey);
        }
        for (int32_t x = 0; x < 275; ++x) {
            PutBgr(work.At(x, 0), grey);
            PutBgr(work.At(x, rows - 1), grey);
        }
        for (int32_t y = 1; y <= rows - 2; ++y) {
            PutBgr(work.At(1, y), s.ColorBG);
            PutBgr(work.At(273, y), s.ColorBG);
        }
        for (int32_t x = 1; x <= 273; ++x) {
            PutBgr(work.At(x, 1), s.ColorBG);
            PutBgr(work.At(x, rows - 2), s.ColorBG);
        }
    }
    return work;
}

ExpectedFolder ExpectedSkinFolder(const SkinSettings& s, const DibBuffer& fit232, const DibBuffer& fit116) {
    const Raster work = ExpectedWorkBuffer(s, fit232, fit116);
    const int32_t mainRow = s.FullSize != 0 && s.SkinReverse == 0 ? 116 : 0;
    const int32_t eqRow = s.FullSize != 0 && s.SkinReverse != 0 ? 116 : 0;
    ExpectedFolder folder;
    for (const FileRow& row : FileTable()) {
        if (IsWritten(s, row.name))
            folder.files[row.name] = MakeBitmap(s, row, work, mainRow, eqRow);
    }
    if (s.PLSave != 0 || s.MBSave != 0)
        folder.files["PLEDIT.TXT"] = ExpectedPleditTxt(s);
    folder.files["VISCOLOR.TXT"] = ExpectedVisColorTxt(s);
    folder.sexyFont = s.SexyFontUse != 0;
    if (s.MaronUse != 0)
        folder.files["MARON.TXT"] = ExpectedMaronTxt(s);
    return folder;
}

std::string ExpectedPleditTxt(const SkinSettings& s) {
    std::vector<std::string> lines = {"[TEXT]", ""};
    if (s.PLSave != 0) {
        const std::string font(s.PlFont, strnlen(s.PlFont, sizeof s.PlFont));
        lines.insert(lines.end(),
                     {Comment(kPlaylistFontSettings), "", Comment(kFontColor), "NORMAL=" + Hex(s.Normal), "",
                      Comment(kSelectedFontColor), "CURRENT=" + Hex(s.Current), "", Comment(kBackgroundColor),
                      "NORMALBG=" + Hex(s.NormalBG), "", Comment(kSelectedBackgroundColor),
                      "SELECTEDBG=" + Hex(s.SelectedBG), "", Comment(kFontKind), "FONT=" + font, "FON=" + font, ""});
    }
    if (s.MBSave != 0) {
        lines.insert(lines.end(), {Comment(kBrowserFontSettings), "", Comment(kFontColor), "MBFG=" + Hex(s.MBFG), "",
                                   Comment(kBackgroundColor), "MBBG=" + Hex(s.MBBG), ""});
    }
    return Lines(lines);
}

std::string ExpectedVisColorTxt(const SkinSettings& s) {
    static const char* const comments[24] = {
        kVis00, kVis01, kVis02, kVis03, kVis04, kVis05, kVis06, kVis07, kVis08, kVis09, kVis10, kVis11,
        kVis12, kVis13, kVis14, kVis15, kVis16, kVis17, kVis18, kVis19, kVis20, kVis21, kVis22, kVis23,
    };
    std::vector<std::string> lines;
    for (int k = 0; k < 24; ++k) {
        const SkinColorValue& c = s.VisColor[k];
        lines.push_back(Format("%03d,%03d,%03d %s", c.red, c.green, c.blue, comments[k]));
    }
    return Lines(lines);
}

std::string ExpectedMaronTxt(const SkinSettings& s) {
    return Lines({
        "[MARON]",
        Comment(kMaronTitle),
        "",
        Format("ANALYZERMODE=%d", s.AnalyzerMode),
        Comment(kMaronAnalyzer),
        Comment(kMaronNormal),
        Comment(kMaronFire),
        Comment(kMaronLines),
        "",
        Format("BLENDMETHOD=%d", s.BlendMethod),
        Comment(kMaronBlend),
        Comment(kMaronMix),
        Comment(kMaronAdd),
        Comment(kMaronSub),
        Comment(kMaronAdvice),
        "",
        Format("RATIO=%d", s.Opacity),
        Comment(kMaronRatio),
        "",
        Format("ENABLE=%d", s.Enable),
        Comment(kMaronEnable),
        "",
        Format("PEAKS=%d", s.Peaks),
        Comment(kMaronPeaks),
        "",
        Format("BANDS=%d", s.Bands),
        Comment(kMaronBands),
        Comment(kMaronThin),
        Comment(kMaronThick),
        "",
        Format("RAIN=%d", s.Rain),
        Comment(kMaronRain),
    });
}

std::string CheckSexyFontTxt(const std::string& text) {
    // Line kinds: a key line's exact text, "" for an empty line, ";" for a separator, "#" for a
    // comment line (";" and at least three spaces, then anything).
    struct Block {
        int first, last;
        std::vector<const char*> content;  // one entry per line, or one entry for the whole range
    };
    // clang-format off
    const std::vector<Block> blocks = {
        {1, 1, {"[YUNASOFT SEXYFONT PLUG-IN]"}},
        {2, 2, {""}},
        {3, 8, {"FONTBOLD=0", "FONTITALIC=0", "FONTBOLDDOUBLE=1", "FONTITALICDOUBLE=0", "FONTBOLDPE=0", "FONTITALICPE=0"}},
        {9, 10, {"#"}}, {11, 12, {""}},
        {13, 15, {"FONTFACE=MS UI GOTHIC", "FONTFACEDOUBLE=MS UI GOTHIC", "FONTFACEPE=MS UI GOTHIC"}},
        {16, 16, {"#"}}, {17, 18, {""}}, {19, 19, {"FONTSIZELOGICAL=1"}}, {20, 21, {"#"}}, {22, 23, {""}},
        {24, 26, {"FONTSIZE=12", "FONTSIZEDOUBLE=24", "FONTSIZEPE=12"}}, {27, 29, {"#"}}, {30, 31, {""}},
        {32, 35, {"OFFSETTOP=3", "OFFSETLEFT=2", "OFFSETRIGHT=1", "OFFSETBOTTOM=3"}},
        {36, 37, {"#"}}, {38, 38, {";"}}, {39, 41, {"#"}}, {42, 42, {";"}}, {43, 45, {"#"}}, {46, 47, {""}},
        {48, 48, {"SIMPLEBLT=1"}},
        {49, 51, {"#"}}, {52, 52, {";"}}, {53, 57, {"#"}}, {58, 58, {";"}}, {59, 62, {"#"}}, {63, 64, {""}},
        {65, 65, {"PEWINDOWSHADE=1"}}, {66, 67, {"#"}}, {68, 69, {""}},
        {70, 70, {"TRANSPARENT=1"}}, {71, 71, {"#"}}, {72, 72, {""}},
        {73, 73, {"TRANSPARENTINFO=1"}}, {74, 74, {"#"}}, {75, 75, {""}},
        {76, 76, {"TRANSPARENTTIME=1"}}, {77, 77, {"#"}}, {78, 78, {""}},
        {79, 79, {"TRANSPARENTPE=1"}}, {80, 81, {"#"}}, {82, 83, {""}},
        {84, 84, {"ANTIALIAS=0"}}, {85, 87, {"#"}}, {88, 89, {""}},
        {90, 90, {"DROPSHADOW=1"}}, {91, 92, {"#"}}, {93, 93, {""}},
        {94, 94, {"DROPSHADOWINFO=0"}}, {95, 95, {"#"}}, {96, 96, {""}},
        {97, 97, {"DROPSHADOWTIME=1"}}, {98, 98, {"#"}}, {99, 99, {""}},
        {100, 100, {"DROPSHADOWPE=0"}}, {101, 102, {"#"}}, {103, 104, {""}},
        {105, 108, {"ALPHA=1", "ALPHATIME=1", "ALPHAINFO=1", "ALPHAPE=0"}}, {109, 109, {"#"}}, {110, 111, {""}},
        {112, 115, {"BLENDMETHOD=0", "BLENDMETHODTIME=0", "BLENDMETHODINFO=0", "BLENDMETHODPE=0"}},
        {116, 117, {"#"}}, {118, 119, {""}},
        {120, 123, {"OPACITY=10", "OPACITYTIME=50", "OPACITYINFO=50", "OPACITYPE=50"}}, {124, 124, {"#"}},
        {125, 126, {""}}, {127, 127, {"FINISHOPACITY=70"}}, {128, 129, {"#"}}, {130, 131, {""}},
        {132, 132, {"GRADATION=4"}}, {133, 139, {"#"}}, {140, 141, {""}},
        {142, 142, {"CHROMA=0"}}, {143, 144, {"#"}}, {145, 146, {""}},
        {147, 147, {"MASKEQ=1"}}, {148, 151, {"#"}}, {152, 152, {""}},
    };
    // clang-format on
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start != text.size())
        return "the text does not end with CR LF";
    if (lines.size() != 152)
        return "the file has " + std::to_string(lines.size()) + " lines, not 152";
    int expectedLine = 1;
    for (const Block& b : blocks) {
        if (b.first != expectedLine)
            return "line table gap at " + std::to_string(expectedLine);
        for (int n = b.first; n <= b.last; ++n) {
            const std::string& line = lines[n - 1];
            const std::string want = b.content.size() == 1 ? b.content[0] : b.content[n - b.first];
            const bool ok = want == "#" ? line.rfind(";   ", 0) == 0 : line == want;
            if (!ok || line.find('\r') != std::string::npos || line.find('\n') != std::string::npos)
                return "line " + std::to_string(n) + " is \"" + line + "\", expected " +
                       (want == "#" ? std::string("a comment") : "\"" + want + "\"");
        }
        expectedLine = b.last + 1;
    }
    return expectedLine == 153 ? "" : "line table ends early";
}

}  // namespace oracle
