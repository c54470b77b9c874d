// TITLEBAR: the window buttons, the main title bar (laid over the picture), the opaque shade
// bars and the clutter bar.
#include "Font.h"
#include "Templates.h"
#include "Widgets.h"

namespace {

constexpr int kBarX = 27;

// The four window buttons at their places in a 275-wide bar whose top is at y.
void DrawBarButtons(Canvas& canvas, int y, bool shadeMode) {
    DrawWindowButton(canvas, kBarX + 6, y + 3, Icon::Menu, Look::Normal);
    DrawWindowButton(canvas, kBarX + 244, y + 3, Icon::Minimize, Look::Normal);
    DrawWindowButton(canvas, kBarX + 254, y + 3, shadeMode ? Icon::Unshade : Icon::Shade, Look::Normal);
    DrawWindowButton(canvas, kBarX + 264, y + 3, Icon::Close, Look::Normal);
}

// The main window's title bar is laid over the picture at the user's opacity, so it is a whole
// frame-coloured bar: grips left and right of an emblem read over any picture, and the bar
// reads as a bar.
void DrawMainTitle(Canvas& canvas, int y, bool active) {
    const Rect bar{kBarX, y, 275, 14};
    DrawWindowBar(canvas, bar, active, kBarX + 18, kBarX + 100);
    for (int row = y + 3; row <= y + 9; row += 3)
        DrawGripLine(canvas, kBarX + 174, kBarX + 238, row, active);
    // A small diamond between the grips: `Color` with a dark rim, hollow when inactive.
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const int d = (dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy);
            if (d == 4)
                canvas.Set(kBarX + 137 + dx, y + 7 + dy, kDeep);
            else if (d < 4 && (active || d == 3))
                canvas.Set(kBarX + 137 + dx, y + 7 + dy, kFace);
        }
    DrawBarButtons(canvas, y, false);
}

// The whole main window in 14 rows: visualiser well, clock, transport, position track.
void DrawShadeBar(Canvas& canvas, int y, bool active) {
    DrawWindowBar(canvas, {kBarX, y, 275, 14}, active, kBarX + 18, kBarX + 74);
    DrawWell(canvas, {kBarX + 78, y + 4, 40, 7}, kInk);
    DrawWell(canvas, {kBarX + 126, y + 3, 33, 8}, kTextBg);
    DrawEngravedIcon(canvas, Icon::SmallPrevious, kBarX + 169, y + 4);
    DrawEngravedIcon(canvas, Icon::SmallPlay, kBarX + 180, y + 4);
    DrawEngravedIcon(canvas, Icon::SmallPause, kBarX + 189, y + 4);
    DrawEngravedIcon(canvas, Icon::SmallStop, kBarX + 198, y + 4);
    DrawEngravedIcon(canvas, Icon::SmallNext, kBarX + 206, y + 4);
    DrawEngravedIcon(canvas, Icon::SmallEject, kBarX + 217, y + 4);
    DrawBarButtons(canvas, y, true);
}

// Rows inside the clutter bar that belong to each of its five buttons (O A I D V).
struct ClutterButton {
    std::string_view letter;
    int top;
    int height;
};
constexpr ClutterButton kClutter[] = {{"O", 3, 8}, {"A", 11, 7}, {"I", 18, 7}, {"D", 25, 8}, {"V", 33, 7}};

// Laid over the picture like the title bar: a dark rim outlines the bar over any picture, and
// the letters are ink on `Color` (dimmed when disabled); a held button sinks into the frame
// colour with a light letter.
void DrawClutterBar(Canvas& canvas, int x, int y, bool enabled, int pressed) {
    const Rect bar{x, y, 8, 43};
    canvas.Outline(bar, kDeep);
    canvas.Bevel(bar.Inset(1), kHighlight, kShade);
    canvas.Fill(bar.Inset(2), kFace);
    for (int i = 0; i < 5; ++i) {
        const ClutterButton& b = kClutter[i];
        Paint ink = enabled ? kInk : kShade;
        if (i == pressed) {
            canvas.Fill({x + 1, y + b.top, 6, b.height}, kFrame);
            ink = kHighlight;
        }
        DrawText(canvas, FontKind::Label, b.letter, x + 2, y + b.top + (b.height - 5) / 2, ink);
    }
    // Restore the round corners.
    for (int cy : {y, bar.Bottom()})
        for (int cx : {x, bar.Right()})
            canvas.Set(cx, cy, kKey);
}

}  // namespace

Canvas DrawTitleBars() {
    Canvas canvas(344, 87);
    constexpr Icon kButtons[3] = {Icon::Menu, Icon::Minimize, Icon::Close};
    for (int i = 0; i < 3; ++i) {
        DrawWindowButton(canvas, 9 * i, 0, kButtons[i], Look::Normal);
        DrawWindowButton(canvas, 9 * i, 9, kButtons[i], Look::Pressed);
    }
    DrawWindowButton(canvas, 0, 18, Icon::Shade, Look::Normal);
    DrawWindowButton(canvas, 9, 18, Icon::Shade, Look::Pressed);
    DrawWindowButton(canvas, 0, 27, Icon::Unshade, Look::Normal);
    DrawWindowButton(canvas, 9, 27, Icon::Unshade, Look::Pressed);

    // Shade-mode position track and its three thumbs (left, middle and right of the track).
    canvas.Fill({0, 36, 17, 7}, kFrame);
    DrawWell(canvas, {0, 38, 17, 3}, kInk);
    for (int i = 0; i < 3; ++i) {
        const Rect thumb{17 + 3 * i, 36, 3, 7};
        canvas.Outline(thumb, kDeep);
        canvas.VLine(thumb.x + 1, thumb.y + 1, thumb.Bottom() - 1, kFace);
    }

    DrawMainTitle(canvas, 0, true);
    DrawMainTitle(canvas, 15, false);
    DrawShadeBar(canvas, 29, true);
    DrawShadeBar(canvas, 42, false);  // shares row 42 with the active bar's bottom edge
    DrawMainTitle(canvas, 57, true);
    DrawMainTitle(canvas, 72, false);

    DrawClutterBar(canvas, 304, 0, true, -1);
    DrawClutterBar(canvas, 312, 0, false, -1);
    for (int i = 0; i < 5; ++i)
        DrawClutterBar(canvas, 304 + 8 * i, 44, true, i);
    return canvas;
}
