// The main window's buttons and indicators. The writer copies the picture under each sprite and
// lays these over it with the user's opacity, so every control has a solid face, a frame and a
// dark glyph that read over dark, light and busy pictures alike; white stays the picture.
#include "Font.h"
#include "Templates.h"
#include "Widgets.h"

namespace {

void DrawTransportButton(Canvas& canvas, const Rect& r, Icon icon, Look look) {
    DrawButton(canvas, r, look, true);
    const int shift = look == Look::Pressed ? 1 : 0;
    DrawIconCentred(canvas, icon, r.Moved(shift, shift), kInk);
}

}  // namespace

Canvas DrawControlButtons() {
    Canvas canvas(136, 36);
    constexpr Icon kIcons[] = {Icon::Previous, Icon::Play, Icon::Pause, Icon::Stop, Icon::Next};
    for (int i = 0; i < 5; ++i) {
        const int width = i == 4 ? 22 : 23;
        DrawTransportButton(canvas, {23 * i, 0, width, 18}, kIcons[i], Look::Normal);
        DrawTransportButton(canvas, {23 * i, 18, width, 18}, kIcons[i], Look::Pressed);
    }
    DrawTransportButton(canvas, {114, 0, 22, 16}, Icon::Eject, Look::Normal);
    DrawTransportButton(canvas, {114, 16, 22, 16}, Icon::Eject, Look::Pressed);
    return canvas;
}

Canvas DrawMonoStereo() {
    Canvas canvas(56, 24);
    for (int lit = 1; lit >= 0; --lit) {
        const int y = lit ? 0 : 12;
        const Paint label = lit ? kText : kLight;
        const Rect stereo{0, y, 29, 12};
        const Rect mono{29, y, 27, 12};
        for (const Rect& r : {stereo, mono}) {
            canvas.Outline(r, kFrame);
            canvas.Bevel(r.Inset(1), kDeep, kShade);
            canvas.Fill(r.Inset(2), kTextBg);
        }
        DrawText(canvas, FontKind::Label, "STEREO", stereo.x + (stereo.w - 23) / 2, y + 4, label);
        DrawText(canvas, FontKind::Label, "MONO", mono.x + (mono.w - 15) / 2, y + 4, label);
    }
    return canvas;
}

Canvas DrawPlayStatus() {
    Canvas canvas(42, 9);
    // Glyph cells: column 0 stays the picture (one player draws it, the others skip it).
    for (int cell = 0; cell < 3; ++cell)
        canvas.Fill({9 * cell + 1, 0, 8, 9}, kTextBg);
    DrawIcon(canvas, Icon::SmallPlay, 3, 1, kText);
    DrawIcon(canvas, Icon::SmallPause, 11, 1, kText);
    DrawIcon(canvas, Icon::SmallStop, 20, 2, kText);
    // Columns 27-35 (the filler shown while not playing, and the unused gap) stay the picture.
    // The "playing" and "working" lights: two columns each, the third is under the glyph.
    canvas.Fill({36, 0, 2, 9}, kTextBg);
    canvas.Fill({36, 2, 2, 5}, kText);
    canvas.Fill({39, 0, 2, 9}, kTextBg);
    canvas.Fill({39, 2, 2, 5}, kMid);
    return canvas;
}

Canvas DrawPositionBar() {
    Canvas canvas(307, 10);
    // The track: the writer puts the picture here; the groove shows what the template means.
    canvas.Bevel({0, 3, 248, 4}, kDeep, kLight);
    canvas.Fill({1, 4, 246, 2}, kShade);
    for (int pressed = 0; pressed < 2; ++pressed) {
        const Rect thumb{248 + 30 * pressed, 0, 29, 10};
        DrawButton(canvas, thumb, pressed ? Look::Pressed : Look::Normal, false);
        const int middle = thumb.x + 14;
        for (int dx : {-3, 0, 3}) {
            canvas.VLine(middle + dx, 3, 6, kShade);
            canvas.VLine(middle + dx + 1, 3, 6, kHighlight);
        }
    }
    return canvas;
}

Canvas DrawToggleButtons() {
    Canvas canvas(92, 85);
    for (int state = 0; state < 4; ++state) {
        const bool on = state >= 2;
        const Look look = state % 2 == 1 ? Look::Pressed : Look::Normal;
        const int y = 15 * state;
        DrawToggle(canvas, {0, y, 28, 15}, "REP", on, look, true);
        DrawToggle(canvas, {28, y, 46, 15}, "SHUFFLE", on, look, true);
        // One player draws shuffle a column wider, over the left edge of repeat: match it.
        for (int row = 0; row < 15; ++row)
            canvas.Set(74, y + row, canvas.Get(0, y + row));
    }
    for (int on = 0; on < 2; ++on)
        for (int pressed = 0; pressed < 2; ++pressed) {
            const int x = 46 * pressed;
            const int y = on ? 73 : 61;
            const Look look = pressed ? Look::Pressed : Look::Normal;
            DrawToggle(canvas, {x, y, 23, 12}, "EQ", on != 0, look, true);
            DrawToggle(canvas, {x + 23, y, 23, 12}, "PL", on != 0, look, true);
        }
    return canvas;
}
