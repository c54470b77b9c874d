// The stock pictures of the four windows that the preview shows before a picture is opened:
// the templates themselves in the default colours, laid over a neutral backdrop the way the
// writer lays them over a picture.
#include <string_view>

#include "Font.h"
#include "Templates.h"
#include "Widgets.h"
#include "settings/SkinSettings.h"

namespace {

constexpr int kOpacity = 7;  // tenths, the default overlay opacity

Paint ToPaint(const SkinColorValue& c) {
    return {c.red, c.green, c.blue};
}

// The default user colour for a marker, or the colour itself.
Paint Recolour(Paint c) {
    const SkinSettings& d = SettingsDefaults;
    if (c == kFace)
        return ToPaint(d.Color);
    if (c == kFrame)
        return ToPaint(d.ColorBG);
    if (c == kText)
        return ToPaint(d.TextNORMAL);
    if (c == kTextBg)
        return ToPaint(d.TextNORMALBG);
    if (c == kNum)
        return ToPaint(d.NumNORMAL);
    if (c == kNumBg)
        return ToPaint(d.NumNORMALBG);
    return c;
}

uint8_t Mix(uint8_t over, uint8_t under, int tenths) {
    return static_cast<uint8_t>(under + (over - under) * tenths / 10);
}

// Lays the src rectangle of a template at (dx, dy): markers take the default colours, white
// is left out, the rest mixes in with the given opacity (10 = opaque).
void Lay(Canvas& out, const Canvas& art, const Rect& src, int dx, int dy, int tenths) {
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x) {
            const Paint a = art.Get(src.x + x, src.y + y);
            if (a == kKey)
                continue;
            const Paint c = Recolour(a);
            const Paint b = out.Get(dx + x, dy + y);
            out.Set(dx + x, dy + y, {Mix(c.r, b.r, tenths), Mix(c.g, b.g, tenths), Mix(c.b, b.b, tenths)});
        }
}

void LayAll(Canvas& out, const Canvas& art, int tenths) {
    Lay(out, art, {0, 0, art.Width(), art.Height()}, 0, 0, tenths);
}

// A quiet two-tone backdrop standing in for the user's picture.
Canvas Backdrop() {
    Canvas canvas(275, 116);
    for (int y = 0; y < 116; ++y)
        for (int x = 0; x < 275; ++x)
            canvas.Set(x, y, ((x + y) / 6) % 2 == 0 ? Paint{64, 68, 78} : Paint{70, 74, 84});
    return canvas;
}

void DrawSlider(Canvas& overlay, const Rect& track, int thumbX) {
    DrawWell(overlay, {track.x, track.y + 5, track.w, 4}, kInk);
    DrawButton(overlay, {thumbX, track.y + 1, 14, 11}, Look::Normal, true);
    overlay.VLine(thumbX + 6, track.y + 4, track.y + 8, kShade);
    overlay.VLine(thumbX + 7, track.y + 4, track.y + 8, kHighlight);
}

}  // namespace

Canvas DrawStockMain() {
    Canvas out = Backdrop();
    const Canvas titles = DrawTitleBars();
    const Canvas buttons = DrawControlButtons();
    const Canvas toggles = DrawToggleButtons();
    const Canvas status = DrawPlayStatus();
    const Canvas monoStereo = DrawMonoStereo();
    const Canvas digits = DrawTimeDigits();
    const Canvas posBar = DrawPositionBar();

    Lay(out, titles, {27, 0, 275, 14}, 0, 0, kOpacity);
    Lay(out, titles, {304, 0, 8, 43}, 10, 22, kOpacity);
    Lay(out, status, {36, 0, 3, 9}, 24, 28, kOpacity);
    Lay(out, status, {1, 0, 8, 9}, 27, 28, kOpacity);
    const int time[4] = {0, 1, 2, 3};
    const int timeX[4] = {48, 60, 78, 90};
    for (int i = 0; i < 4; ++i)
        Lay(out, digits, {9 * time[i], 0, 9, 13}, timeX[i], 26, 10);
    Canvas overlay(275, 116);
    overlay.Fill({72, 30, 2, 2}, kNum);
    overlay.Fill({72, 34, 2, 2}, kNum);
    // Song title, bit rate and sample rate in the text font.
    overlay.Fill({111, 27, 154, 6}, kTextBg);
    DrawText(overlay, FontKind::Player, "1. MORNING LIGHT (3:42)", 111, 27, kText);
    overlay.Fill({111, 43, 15, 6}, kTextBg);
    DrawText(overlay, FontKind::Player, "128", 111, 43, kText);
    overlay.Fill({156, 43, 10, 6}, kTextBg);
    DrawText(overlay, FontKind::Player, "44", 156, 43, kText);
    // Spectrum bars in the default visualisation colours (2 at the top to 17 at the bottom).
    const int heights[19] = {9, 13, 15, 12, 10, 11, 8, 9, 6, 7, 5, 6, 4, 5, 3, 3, 2, 2, 1};
    for (int bar = 0; bar < 19; ++bar)
        for (int k = 0; k < heights[bar]; ++k) {
            const int row = 15 - k;
            overlay.Fill({24 + 4 * bar, 43 + row, 3, 1}, ToPaint(SettingsDefaults.VisColor[2 + row]));
        }
    LayAll(out, overlay, 10);

    Canvas controls(275, 116);
    DrawSlider(controls, {107, 57, 68, 13}, 107 + 38);
    DrawSlider(controls, {177, 57, 38, 13}, 177 + 12);
    LayAll(out, controls, kOpacity);
    Lay(out, monoStereo, {29, 12, 27, 12}, 212, 41, kOpacity);
    Lay(out, monoStereo, {0, 0, 29, 12}, 239, 41, kOpacity);
    Lay(out, toggles, {0, 73, 46, 12}, 219, 58, kOpacity);
    Lay(out, posBar, {0, 0, 248, 10}, 16, 72, kOpacity);
    Lay(out, posBar, {248, 0, 29, 10}, 16 + 64, 72, 10);
    Lay(out, buttons, {0, 0, 114, 18}, 16, 88, kOpacity);
    Lay(out, buttons, {114, 0, 22, 16}, 136, 89, kOpacity);
    Lay(out, toggles, {28, 0, 46, 15}, 164, 89, kOpacity);
    Lay(out, toggles, {0, 30, 28, 15}, 210, 89, kOpacity);
    return out;
}

Canvas DrawStockEqualizer() {
    Canvas out = Backdrop();
    const Canvas eq = DrawEqualizerMain();
    Lay(out, eq, {0, 134, 275, 14}, 0, 0, 10);
    Lay(out, eq, {69, 119, 25, 12}, 14, 18, kOpacity);
    Lay(out, eq, {36, 119, 32, 12}, 40, 18, kOpacity);

    Canvas overlay(275, 116);
    DrawButton(overlay, {217, 18, 44, 12}, Look::Normal, true);
    DrawText(overlay, FontKind::Label, "PRESETS", 217 + (44 - 27) / 2, 21, kInk);
    // Response graph.
    DrawWell(overlay, {86, 17, 113, 19}, kInk);
    overlay.HLine(87, 197, 26, kShade);
    // Preamp and ten band sliders, the thumbs along a gentle curve.
    const int offsets[11] = {25, 18, 14, 16, 22, 27, 30, 26, 20, 16, 13};
    const int sliderX[11] = {21, 78, 96, 114, 132, 150, 168, 186, 204, 222, 240};
    for (int i = 0; i < 11; ++i) {
        const int x = sliderX[i];
        DrawWell(overlay, {x + 5, 38, 4, 63}, kInk);
        DrawButton(overlay, {x + 1, 38 + offsets[i], 11, 11}, Look::Normal, true);
        overlay.HLine(x + 4, x + 8, 38 + offsets[i] + 5, kShade);
        if (i > 0) {
            const int gx = 87 + (i - 1) * 12;
            overlay.HLine(gx, gx + 12, 18 + offsets[i] * 16 / 50, kText);
        }
    }
    DrawText(overlay, FontKind::Label, "+12", 44, 40, kLight);
    DrawText(overlay, FontKind::Label, "0", 52, 67, kLight);
    DrawText(overlay, FontKind::Label, "-12", 44, 94, kLight);
    constexpr std::string_view kBands[10] = {"60", "170", "310", "600", "1K", "3K", "6K", "12K", "14K", "16K"};
    for (int i = 0; i < 10; ++i)
        DrawText(overlay, FontKind::Label, kBands[i], sliderX[i + 1] + 7 - TextWidth(FontKind::Label, kBands[i]) / 2,
                 104, kLight);
    DrawText(overlay, FontKind::Label, "PRE", 22, 104, kLight);
    LayAll(out, overlay, kOpacity);
    return out;
}

Canvas DrawStockBrowser() {
    const SkinSettings& d = SettingsDefaults;
    Canvas out = DrawBrowserWindow();
    // One pass: the browser text colour may itself be one of the picture's marker colours.
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            const Paint c = out.Get(x, y);
            if (c == kFace)
                out.Set(x, y, ToPaint(d.Color));
            else if (c == Paint{0, 0, 255})
                out.Set(x, y, ToPaint(d.MBFG));
            else if (c == kFrame)
                out.Set(x, y, ToPaint(d.ColorBG));
            else if (c == Paint{0, 255, 0})
                out.Set(x, y, ToPaint(d.MBBG));
        }
    return out;
}

Canvas DrawStockPlaylist() {
    const SkinSettings& d = SettingsDefaults;
    const Canvas editor = DrawPlaylistEditor();
    Canvas out(275, 116, Paint{0, 0, 0});
    struct Piece {
        Rect src;
        int x;
        int y;
    };
    constexpr Piece kPieces[] = {
        {{0, 72, 125, 38}, 0, 78},  {{126, 72, 150, 38}, 125, 78}, {{0, 42, 25, 29}, 0, 49},
        {{0, 42, 25, 29}, 0, 20},   {{26, 42, 25, 29}, 250, 49},   {{26, 42, 25, 29}, 250, 20},
        {{52, 53, 8, 18}, 260, 20}, {{0, 0, 25, 20}, 0, 0},        {{127, 0, 25, 20}, 25, 0},
        {{127, 0, 25, 20}, 50, 0},  {{127, 0, 25, 20}, 75, 0},     {{127, 0, 25, 20}, 175, 0},
        {{127, 0, 25, 20}, 200, 0}, {{127, 0, 25, 20}, 225, 0},    {{26, 0, 100, 20}, 87, 0},
        {{153, 0, 25, 20}, 250, 0},
    };
    for (const Piece& p : kPieces)
        Lay(out, editor, p.src, p.x, p.y, 10);
    const Canvas list = DrawPlaylistMask();
    for (int y = 0; y < list.Height(); ++y)
        for (int x = 0; x < list.Width(); ++x) {
            const Paint m = list.Get(x, y);
            if (m == Paint{0, 0, 255})
                out.Set(11 + x, 20 + y, ToPaint(d.SelectedBG));
            else if (m == Paint{0, 255, 0})
                out.Set(11 + x, 20 + y, ToPaint(d.Normal));
            else if (m == Paint{255, 0, 0})
                out.Set(11 + x, 20 + y, ToPaint(d.NormalBG));
            else if (m == kKey)
                out.Set(11 + x, 20 + y, ToPaint(d.Current));
        }
    const Canvas time = DrawTimeMask();
    for (int y = 0; y < time.Height(); ++y)
        for (int x = 0; x < time.Width(); ++x) {
            const Paint m = time.Get(x, y);
            if (m == Paint{0, 0, 0})
                out.Set(132 + x, 88 + y, ToPaint(d.TextNORMALBG));
            else if (m == Paint{255, 0, 0})
                out.Set(132 + x, 88 + y, ToPaint(d.TextNORMAL));
        }
    return out;
}
