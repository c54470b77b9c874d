// EQMAIN's buttons and title bars (its top 116 rows are the picture) and EQ_EX's shade bars,
// thumbs and buttons. Both are recoloured only: everything drawn is opaque.
#include "Font.h"
#include "Templates.h"
#include "Widgets.h"

namespace {

void DrawEqTitle(Canvas& canvas, int y, bool active) {
    const Rect bar{0, y, 275, 14};
    DrawWindowBar(canvas, bar, active, 6, 250);
    DrawBarLabel(canvas, bar, 137, "EQUALIZER", active);
    DrawWindowButton(canvas, 254, y + 3, Icon::Shade, Look::Normal);
    DrawWindowButton(canvas, 264, y + 3, Icon::Close, Look::Normal);
}

void DrawEqShadeBar(Canvas& canvas, int y, bool active) {
    const Rect bar{0, y, 275, 14};
    DrawWindowBar(canvas, bar, active, 6, 56);
    DrawWindowBar(canvas, {210, y, 40, 14}, active, 211, 249);
    DrawWell(canvas, {61, y + 5, 97, 5}, kInk);
    DrawWell(canvas, {164, y + 5, 42, 5}, kInk);
    DrawWindowButton(canvas, 254, y + 3, Icon::Unshade, Look::Normal);
    DrawWindowButton(canvas, 264, y + 3, Icon::Close, Look::Normal);
}

}  // namespace

void DrawEqualizerButtonsAndBars(Canvas& canvas) {
    DrawWindowButton(canvas, 0, 116, Icon::Close, Look::Normal);
    DrawWindowButton(canvas, 0, 125, Icon::Close, Look::Pressed);
    // ON and AUTO in the four states (off, on, off pressed, on pressed), with a neutral
    // column between them where the players disagree about the boundary.
    for (int state = 0; state < 4; ++state) {
        const int x = 10 + 59 * state;
        const bool on = state % 2 == 1;
        const Look look = state >= 2 ? Look::Pressed : Look::Normal;
        DrawToggle(canvas, {x, 119, 25, 12}, "ON", on, look, false);
        canvas.VLine(x + 25, 119, 130, kDeep);
        DrawToggle(canvas, {x + 26, 119, 32, 12}, "AUTO", on, look, false);
    }
    DrawEqTitle(canvas, 134, true);
    DrawEqTitle(canvas, 149, false);
}

Canvas DrawEqualizerMain() {
    Canvas canvas(275, 163);
    DrawEqualizerButtonsAndBars(canvas);
    return canvas;
}

Canvas DrawEqualizerShade() {
    Canvas canvas(275, 57);
    DrawEqShadeBar(canvas, 0, true);
    DrawEqShadeBar(canvas, 15, false);
    // Volume and balance thumbs for the left, middle and right of their tracks.
    for (int i = 0; i < 6; ++i) {
        const Rect thumb{1 + 3 * i + (i >= 3 ? 1 : 0), 30, 3, 7};
        canvas.Outline(thumb, kDeep);
        canvas.VLine(thumb.x + 1, 31, 35, kFace);
    }
    DrawWindowButton(canvas, 1, 38, Icon::Shade, Look::Pressed);
    DrawWindowButton(canvas, 1, 47, Icon::Unshade, Look::Pressed);
    DrawWindowButton(canvas, 11, 38, Icon::Close, Look::Normal);
    DrawWindowButton(canvas, 11, 47, Icon::Close, Look::Pressed);
    return canvas;
}
