// The moving parts of a complete skin: the volume and balance bars in their 28 levels, and the
// equalizer's sliders, buttons and graph. The writer lays everything here over the picture with
// the user's opacity, except the thumbs, the curve colours and the preamp line: those are drawn at
// full strength (players put them over the other sprites), so each is opaque to its edges.
#include <algorithm>

#include "Font.h"
#include "Templates.h"
#include "Widgets.h"

namespace {

constexpr int kLevels = 28;  // frames 0 (silent, -12 dB, centred) to 27 (full, +12 dB, far side)
constexpr int kFramePitch = 15;

// A 14 x 11 (or 11 x 11) thumb with an ink rim, so that it reads over any bar and picture.
void DrawThumb(Canvas& canvas, const Rect& r, Look look) {
    canvas.Outline(r, kInk);
    DrawButton(canvas, r.Inset(1), look, false);
    const int shift = look == Look::Pressed ? 1 : 0;
    const int middle = r.x + r.w / 2 + shift;
    canvas.VLine(middle - 1, r.y + 3 + shift, r.Bottom() - 3 + shift, kShade);
    canvas.VLine(middle, r.y + 3 + shift, r.Bottom() - 3 + shift, kHighlight);
}

// The normal thumb at (15, 422) and the pressed one at (0, 422), as both bars keep them.
void DrawBarThumbs(Canvas& canvas) {
    DrawThumb(canvas, {15, 422, 14, 11}, Look::Normal);
    DrawThumb(canvas, {0, 422, 14, 11}, Look::Pressed);
}

// A horizontal groove of the bars: ink rim, the text background inside, lit columns in the text
// colour.
void DrawBarGroove(Canvas& canvas, const Rect& r) {
    canvas.Outline(r, kInk);
    canvas.Fill(r.Inset(1), kTextBg);
}

// One equalizer slider, 14 x 63: a frame-coloured panel with a vertical groove lit from the 0 dB
// row to the thumb's centre (rows 5 .. 55, the top for +12 dB), and ticks at the ends and middle.
void DrawSliderFrame(Canvas& canvas, int x, int y, int level) {
    canvas.Fill({x, y, 14, 63}, kFrame);
    canvas.Bevel({x, y, 14, 63}, kLight, kDeep);
    const Rect groove{x + 5, y + 2, 4, 59};
    canvas.Outline(groove, kInk);
    canvas.Fill(groove.Inset(1), kTextBg);
    const int centre = y + 30;
    const int thumb = y + 5 + (kLevels - 1 - level) * 50 / (kLevels - 1);
    for (int row = std::min(centre, thumb); row <= std::max(centre, thumb); ++row)
        canvas.HLine(x + 6, x + 7, row, kText);
    for (int row : {y + 5, centre, y + 55}) {
        canvas.HLine(x + 2, x + 3, row, kFace);
        canvas.HLine(x + 10, x + 11, row, kFace);
    }
}

// A word on a small frame-coloured plate, centred at centreX with its top at y.
void DrawPlateLabel(Canvas& canvas, int centreX, int y, std::string_view word) {
    const int width = TextWidth(FontKind::Label, word);
    const int left = centreX - width / 2;
    canvas.Fill({left - 1, y - 1, width + 2, 7}, kFrame);
    DrawText(canvas, FontKind::Label, word, left, y, kText);
}

// The equalizer window's own art over the picture: the slider grooves (covered by the sliders in
// the players that draw them), the band and preamp names below them and the dB scale.
void DrawEqualizerFace(Canvas& canvas) {
    constexpr std::string_view kBands[] = {"60", "170", "310", "600", "1K", "3K", "6K", "12K", "14K", "16K"};
    auto groove = [&](int x) {
        canvas.Outline({x + 5, 40, 4, 59}, kInk);
        canvas.Fill({x + 6, 41, 2, 57}, kTextBg);
    };
    groove(21);
    DrawPlateLabel(canvas, 28, 104, "PREAMP");
    for (int i = 0; i < 10; ++i) {
        groove(78 + 18 * i);
        DrawPlateLabel(canvas, 78 + 18 * i + 7, 104, kBands[i]);
    }
    // The label font has no plus sign: "12DB" with one drawn before it on the same plate.
    DrawPlateLabel(canvas, 58, 41, "12DB");
    canvas.Fill({46, 40, 4, 7}, kFrame);
    canvas.HLine(47, 49, 43, kText);
    canvas.VLine(48, 42, 44, kText);
    DrawPlateLabel(canvas, 56, 66, "0DB");
    DrawPlateLabel(canvas, 56, 91, "-12DB");
}

// The graph box (its curve is drawn by the player), the curve's colour for each graph row (the
// boost rows in the digit colour, the rest in the text colour) and the dashed preamp line.
void DrawEqualizerGraph(Canvas& canvas) {
    const Rect box{0, 294, 113, 19};
    DrawWell(canvas, box, kTextBg);
    for (int x = 2; x < 111; x += 2)
        canvas.Set(x, 294 + 9, kFrame);
    for (int x = 12; x < 111; x += 11)
        for (int y = 296; y < 311; y += 2)
            canvas.Set(x, y, kFrame);
    for (int row = 0; row < 19; ++row)
        canvas.Set(115, 294 + row, row < 4 || row > 14 ? kNum : kText);
    for (int x = 0; x < 113; ++x)
        canvas.Set(x, 314, x % 4 < 2 ? kNum : kTextBg);
}

}  // namespace

Canvas DrawVolumeBar() {
    Canvas canvas(68, 433);
    for (int level = 0; level < kLevels; ++level) {
        // A wedge rising from left to right, lit up to the level.
        const int y = kFramePitch * level;
        const int lit = level * 64 / (kLevels - 1);
        for (int i = 0; i < 64; ++i) {
            const int height = 2 + i * 8 / 63;
            const int top = y + 11 - height;
            canvas.VLine(2 + i, top, y + 11, kInk);
            if (i > 0 && i < 63)
                canvas.VLine(2 + i, top + 1, y + 10, i < lit ? kText : kTextBg);
        }
    }
    DrawBarThumbs(canvas);
    return canvas;
}

Canvas DrawBalanceBar() {
    Canvas canvas(68, 433);
    for (int level = 0; level < kLevels; ++level) {
        // Lit from the centre (between columns 27 and 28) outwards, the same to either side.
        const int y = kFramePitch * level;
        DrawBarGroove(canvas, {10, y + 3, 36, 7});
        const int reach = level * 16 / (kLevels - 1);
        canvas.Fill({27 - reach, y + 4, 2 * reach + 2, 5}, kText);
        canvas.VLine(27, y + 1, y + 11, kFace);
        canvas.VLine(28, y + 1, y + 11, kFace);
    }
    DrawBarThumbs(canvas);
    return canvas;
}

Canvas DrawCompleteEqualizer() {
    Canvas canvas(275, 315);
    DrawEqualizerFace(canvas);
    DrawEqualizerButtonsAndBars(canvas);
    for (int level = 0; level < kLevels; ++level)
        DrawSliderFrame(canvas, 13 + kFramePitch * (level % 14), level < 14 ? 164 : 229, level);
    DrawThumb(canvas, {0, 164, 11, 11}, Look::Normal);
    DrawThumb(canvas, {0, 176, 11, 11}, Look::Pressed);
    DrawLabelButton(canvas, {224, 164, 44, 12}, "PRESETS", Look::Normal);
    DrawLabelButton(canvas, {224, 176, 44, 12}, "PRESETS", Look::Pressed);
    DrawEqualizerGraph(canvas);
    return canvas;
}
