#include "writer/TextFiles.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "gen/maron_text.h"
#include "gen/pledit_browser_text.h"
#include "gen/pledit_playlist_text.h"
#include "gen/sexyfont_text.h"
#include "gen/viscolor_text.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

struct KeyValue {
    std::string_view key;  // with its "="
    std::string value;
};

// The fixed text with the value appended to every line that consists of one of the keys alone.
std::string FillKeyLines(std::string_view text, std::initializer_list<KeyValue> values) {
    std::string out;
    out.reserve(text.size() + 64);
    while (!text.empty()) {
        const size_t end = text.find(kLineEnd);
        const std::string_view line = text.substr(0, end);
        out += line;
        for (const KeyValue& kv : values) {
            if (line == kv.key) {
                out += kv.value;
                break;
            }
        }
        if (end == std::string_view::npos)
            break;
        out += kLineEnd;
        text.remove_prefix(end + kLineEnd.size());
    }
    return out;
}

std::string HexColor(const SkinColorValue& color) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06X",
                  static_cast<unsigned>(color.red << 16 | color.green << 8 | color.blue));
    return buffer;
}

std::string Decimal(int32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(value));
    return buffer;
}

}  // namespace

std::string PleditTxtText(const SkinSettings& settings) {
    std::string out = "[TEXT]\r\n\r\n";
    if (settings.PLSave != 0) {
        // The face name is written as stored, up to its terminating zero or the end of the field.
        const std::string font(settings.PlFont, strnlen(settings.PlFont, sizeof settings.PlFont));
        out += FillKeyLines(kPleditPlaylistText, {{"NORMAL=", HexColor(settings.Normal)},
                                                  {"CURRENT=", HexColor(settings.Current)},
                                                  {"NORMALBG=", HexColor(settings.NormalBG)},
                                                  {"SELECTEDBG=", HexColor(settings.SelectedBG)},
                                                  {"FONT=", font},
                                                  {"FON=", font}});
    }
    if (settings.MBSave != 0)
        out +=
            FillKeyLines(kPleditBrowserText, {{"MBFG=", HexColor(settings.MBFG)}, {"MBBG=", HexColor(settings.MBBG)}});
    return out;
}

std::string VisColorTxtText(const SkinSettings& settings) {
    std::string_view comments = kVisColorComments;
    std::string out;
    for (const SkinColorValue& color : settings.VisColor) {
        const size_t end = comments.find(kLineEnd);
        char values[16];
        std::snprintf(values, sizeof values, "%03d,%03d,%03d ", color.red, color.green, color.blue);
        out += values;
        out += comments.substr(0, end);
        out += kLineEnd;
        comments.remove_prefix(end == std::string_view::npos ? comments.size() : end + kLineEnd.size());
    }
    return out;
}

std::string SexyFontTxtText(SkinMode mode) {
    std::string text(kSexyFontText);
    // MASKEQ=1 makes the equalizer's invisible controls unclickable; a complete skin draws them.
    constexpr std::string_view kMaskOn = "\r\nMASKEQ=1\r\n";
    const size_t at = text.find(kMaskOn);
    if (mode == SkinMode::Complete && at != std::string::npos)
        text[at + kMaskOn.size() - 3] = '0';
    return text;
}

std::string MaronTxtText(const SkinSettings& settings) {
    return FillKeyLines(kMaronText, {{"ANALYZERMODE=", Decimal(settings.AnalyzerMode)},
                                     {"BLENDMETHOD=", Decimal(settings.BlendMethod)},
                                     {"RATIO=", Decimal(settings.Opacity)},
                                     {"ENABLE=", Decimal(settings.Enable)},
                                     {"PEAKS=", Decimal(settings.Peaks)},
                                     {"BANDS=", Decimal(settings.Bands)},
                                     {"RAIN=", Decimal(settings.Rain)}});
}
