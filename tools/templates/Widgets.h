// Shared pieces of the control art: icons, buttons, indicator lights, window bars and the
// time-display digits. Every template is assembled from these, so one button looks the same
// wherever the player shows it.
#pragma once

#include <string_view>

#include "Canvas.h"

enum class Icon {
    // Transport, about 9 rows high (the main window's control buttons).
    Previous,
    Play,
    Pause,
    Stop,
    Next,
    Eject,
    // 5 x 5, for the 9 x 9 window buttons.
    Menu,
    Minimize,
    Close,
    Shade,
    Unshade,
    // Transport in 7 rows, for the shade bars and the playlist's mini controls.
    SmallPrevious,
    SmallPlay,
    SmallPause,
    SmallStop,
    SmallNext,
    SmallEject,
};

struct IconSize {
    int w;
    int h;
};

IconSize SizeOf(Icon icon);
void DrawIcon(Canvas& canvas, Icon icon, int x, int y, Paint color);
// Centred in r (an odd remainder goes right and down).
void DrawIconCentred(Canvas& canvas, Icon icon, const Rect& r, Paint color);

enum class Look { Normal, Pressed };

// A push button: `ColorBG` frame, bevel, `Color` face. With rounded corners the four corner
// pixels are left as they were (transparent on a white template).
void DrawButton(Canvas& canvas, const Rect& r, Look look, bool rounded);
// A 9 x 9 window button (menu, minimise, shade, close); its pressed look is a darker face.
void DrawWindowButton(Canvas& canvas, int x, int y, Icon icon, Look look);
// A button with a word on it in the label font.
void DrawLabelButton(Canvas& canvas, const Rect& r, std::string_view label, Look look);
// A toggle: push button with an indicator light left of its word.
void DrawToggle(Canvas& canvas, const Rect& r, std::string_view label, bool on, Look look, bool rounded);
// An icon in `Color` with an ink shadow, cut into a bar.
void DrawEngravedIcon(Canvas& canvas, Icon icon, int x, int y);
// A small indicator light in the text colours: the text colour when lit, its background when not.
void DrawLight(Canvas& canvas, const Rect& r, bool lit);

// One grip ridge from x0 to x1 at row y, its shadow on the row below: solid `Color` when
// active, half-toned with the frame colour when not.
void DrawGripLine(Canvas& canvas, int x0, int x1, int y, bool active);
// A window's title or shade bar, opaque: `ColorBG` body with a highlight and shadow edge and
// three grip ridges between gripLeft and gripRight.
void DrawWindowBar(Canvas& canvas, const Rect& r, bool active, int gripLeft, int gripRight);
// A label plate centred at centreX in the bar: `Color` face with the word in ink when active,
// frame face with the word in `Color` when not.
void DrawBarLabel(Canvas& canvas, const Rect& bar, int centreX, std::string_view label, bool active);

// The 20-row top piece of the playlist and browser frames: an 18-row bar running into the
// frame colour.
void DrawPanelTop(Canvas& canvas, const Rect& r, bool active);
// A 38-row bottom piece of those frames: light top edge, frame, dark bottom edge.
void DrawPanelBottom(Canvas& canvas, const Rect& r);
// Three diagonal ridges in a window's bottom-right corner; (right, top) is the outer end of the
// longest ridge's top.
void DrawResizeGrip(Canvas& canvas, int right, int top);

// A sunken well for read-outs: dark rim, then the given fill.
void DrawWell(Canvas& canvas, const Rect& r, Paint fill);

// One 9 x 13 digit cell of the time display: 0-9, or -1 for the minus sign. Only the lit
// segments are drawn.
void DrawLcdDigit(Canvas& canvas, int x, int y, int digit, Paint color);
