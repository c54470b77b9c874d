// PLEDIT (the playlist window's frame pieces, recoloured only, so all opaque) and the two masks
// through which the preview paints its sample list and time read-out.
#include <array>
#include <string_view>

#include "Font.h"
#include "Templates.h"
#include "Widgets.h"

namespace {

// Positions inside the bottom-right piece (150 x 38) where the players draw the time fields.
constexpr Rect kRunningTime{7, 10, 90, 6};
constexpr Rect kClock{67, 23, 29, 6};
constexpr int kClockColonX = 83;

// The list well's edge: sunken (dark top and left, light right and bottom).
constexpr Paint kWellDark = kDeep;
constexpr Paint kWellLight = kLight;

// The bottom edge of a top piece, from column x0 to x1 of the list: the well's top line.
void DrawWellTop(Canvas& canvas, int x0, int x1, int y) {
    canvas.HLine(x0, x1, y + 19, kWellDark);
}

// The left frame column pattern, 12 wide, down rows y0..y1.
void DrawLeftFrame(Canvas& canvas, int x, int y0, int y1) {
    canvas.Fill({x, y0, 12, y1 - y0 + 1}, kFrame);
    canvas.VLine(x, y0, y1, kDeep);
    canvas.VLine(x + 1, y0, y1, kLight);
    canvas.VLine(x + 10, y0, y1, kShade);
    canvas.VLine(x + 11, y0, y1, kWellDark);
}

// The right frame from the list's last column (x) on: light well edge, frame, the scroll
// channel (8 wide, 5 columns in), frame and the outer edge; 20 columns.
void DrawRightFrame(Canvas& canvas, int x, int y0, int y1, bool channel) {
    canvas.Fill({x, y0, 20, y1 - y0 + 1}, kFrame);
    canvas.VLine(x, y0, y1, kWellLight);
    canvas.VLine(x + 1, y0, y1, kLight);
    if (channel) {
        // A groove in the frame colour with a dark rail down its middle.
        canvas.VLine(x + 5, y0, y1, kDeep);
        canvas.Fill({x + 8, y0, 2, y1 - y0 + 1}, kDeep);
        canvas.VLine(x + 12, y0, y1, kLight);
    }
    canvas.VLine(x + 18, y0, y1, kShade);
    canvas.VLine(x + 19, y0, y1, kDeep);
}

void DrawTopPieces(Canvas& canvas, int y, bool active) {
    // Top-left corner.
    DrawPanelTop(canvas, {0, y, 25, 20}, active);
    canvas.VLine(0, y, y + 19, kDeep);
    DrawLeftFrame(canvas, 0, y + 18, y + 19);
    DrawWellTop(canvas, 12, 24, y);
    // Title block.
    const Rect title{26, y, 100, 20};
    DrawPanelTop(canvas, title, active);
    DrawBarLabel(canvas, {title.x, y, title.w, 18}, title.x + 50, "PLAYLIST", active);
    DrawWellTop(canvas, title.x, title.Right(), y);
    // Tile.
    DrawPanelTop(canvas, {127, y, 25, 20}, active);
    DrawWellTop(canvas, 127, 151, y);
    // Top-right corner with the shade and close buttons.
    DrawPanelTop(canvas, {153, y, 25, 20}, active);
    canvas.VLine(177, y, y + 19, kDeep);
    DrawWellTop(canvas, 153, 157, y);
    DrawRightFrame(canvas, 158, y + 18, y + 19, false);
    canvas.Set(158, y + 19, kWellDark);
    DrawWindowButton(canvas, 157, y + 3, Icon::Shade, Look::Normal);
    DrawWindowButton(canvas, 167, y + 3, Icon::Close, Look::Normal);
}

void DrawScrollThumb(Canvas& canvas, int x, Look look) {
    const Rect thumb{x, 53, 8, 18};
    DrawButton(canvas, thumb, look, false);
    for (int row : {58, 61, 64})
        canvas.HLine(x + 2, x + 5, row, look == Look::Normal ? kShade : kHighlight);
}

void DrawShadePieces(Canvas& canvas) {
    for (int y : {42, 57})
        DrawWindowBar(canvas, {72, y, 25, 14}, true, 72, 96);
    for (int y : {42, 57}) {
        const bool active = y == 42;
        DrawWindowBar(canvas, {99, y, 50, 14}, active, 99, 124);
        DrawWindowButton(canvas, 128, y + 3, Icon::Unshade, Look::Normal);
        DrawWindowButton(canvas, 138, y + 3, Icon::Close, Look::Normal);
    }
    canvas.VLine(72, 42, 55, kDeep);
    canvas.VLine(148, 42, 55, kDeep);
    canvas.VLine(148, 57, 70, kDeep);
}

void DrawBottomLeft(Canvas& canvas, int x, int y) {
    DrawPanelBottom(canvas, {x, y, 125, 38});
    canvas.VLine(x, y, y + 37, kDeep);
    canvas.VLine(x + 1, y + 1, y + 36, kLight);
    canvas.Set(x + 11, y, kWellDark);
    constexpr std::array<std::string_view, 4> kLabels = {"ADD", "REM", "SEL", "MISC"};
    constexpr int kX[4] = {12, 40, 68, 100};
    for (size_t i = 0; i < kLabels.size(); ++i)
        DrawLabelButton(canvas, {x + kX[i], y + 10, 24, 17}, kLabels[i], Look::Normal);
}

void DrawBottomRight(Canvas& canvas, int x, int y) {
    DrawPanelBottom(canvas, {x, y, 150, 38});
    canvas.VLine(x + 149, y, y + 37, kDeep);
    canvas.VLine(x + 148, y + 1, y + 36, kShade);
    // Scroll channel ends under the list, with the up and down buttons.
    canvas.Set(x + 130, y, kWellLight);
    DrawWell(canvas, {x + 5, y + 8, 94, 10}, kDeep);
    canvas.Fill(kRunningTime.Moved(x, y), kTextBg);
    DrawWell(canvas, {x + 65, y + 21, 33, 10}, kDeep);
    canvas.Fill(kClock.Moved(x, y), kTextBg);
    canvas.Set(x + kClockColonX, y + kClock.y + 1, kText);
    canvas.Set(x + kClockColonX, y + kClock.y + 3, kText);
    // Mini transport.
    DrawEngravedIcon(canvas, Icon::SmallPrevious, x + 6, y + 22);
    DrawEngravedIcon(canvas, Icon::SmallPlay, x + 15, y + 22);
    DrawEngravedIcon(canvas, Icon::SmallPause, x + 24, y + 22);
    DrawEngravedIcon(canvas, Icon::SmallStop, x + 33, y + 22);
    DrawEngravedIcon(canvas, Icon::SmallNext, x + 41, y + 22);
    DrawEngravedIcon(canvas, Icon::SmallEject, x + 51, y + 22);
    DrawLabelButton(canvas, {x + 104, y + 10, 22, 17}, "LIST", Look::Normal);
    // Scroll up and down.
    for (int i = 0; i < 2; ++i) {
        const Rect arrow{x + 136, y + 3 + 5 * i, 8, 5};
        canvas.Fill(arrow, kFace);
        canvas.Bevel(arrow, kHighlight, kShade);
        const int tip = i == 0 ? arrow.y + 1 : arrow.y + 3;
        const int step = i == 0 ? 1 : -1;
        canvas.HLine(arrow.x + 3, arrow.x + 4, tip, kInk);
        canvas.HLine(arrow.x + 2, arrow.x + 5, tip + step, kInk);
    }
    DrawResizeGrip(canvas, x + 147, y + 28);
}

struct StackItem {
    std::string_view label;
    int x;  // normal state; pressed state 23 to the right
    int y;
};

void DrawStacks(Canvas& canvas) {
    constexpr StackItem kItems[] = {
        {"URL", 0, 111},    {"DIR", 0, 130},   {"FILE", 0, 149},   {"ALL", 54, 111},
        {"CROP", 54, 130},  {"SEL", 54, 149},  {"MISC", 54, 168},  {"INV", 104, 111},
        {"NONE", 104, 130}, {"ALL", 104, 149}, {"SORT", 154, 111}, {"INFO", 154, 130},
        {"OPTS", 154, 149}, {"NEW", 204, 111}, {"SAVE", 204, 130}, {"LOAD", 204, 149},
    };
    for (const StackItem& item : kItems) {
        DrawLabelButton(canvas, {item.x, item.y, 22, 18}, item.label, Look::Normal);
        DrawLabelButton(canvas, {item.x + 23, item.y, 22, 18}, item.label, Look::Pressed);
    }
    constexpr int kBars[5][2] = {{48, 54}, {100, 72}, {150, 54}, {200, 54}, {250, 54}};
    for (const auto& bar : kBars) {
        canvas.VLine(bar[0], 111, 111 + bar[1] - 1, kLight);
        canvas.VLine(bar[0] + 1, 111, 111 + bar[1] - 1, kFace);
        canvas.VLine(bar[0] + 2, 111, 111 + bar[1] - 1, kShade);
    }
}

}  // namespace

Canvas DrawPlaylistEditor() {
    Canvas canvas(280, 186);
    DrawTopPieces(canvas, 0, true);
    DrawTopPieces(canvas, 21, false);

    // Side tiles: the left frame (12 wide) and the right frame with the scroll channel.
    DrawLeftFrame(canvas, 0, 42, 70);
    DrawRightFrame(canvas, 31, 42, 70, true);
    canvas.Fill({26, 42, 5, 29}, kFrame);
    DrawScrollThumb(canvas, 52, Look::Normal);
    DrawScrollThumb(canvas, 61, Look::Pressed);
    DrawWindowButton(canvas, 52, 42, Icon::Close, Look::Pressed);
    DrawWindowButton(canvas, 62, 42, Icon::Shade, Look::Pressed);
    DrawWindowButton(canvas, 150, 42, Icon::Unshade, Look::Pressed);
    DrawShadePieces(canvas);

    // Bottom pieces: tile, the wide "visualiser" piece, and the two corners.
    DrawPanelBottom(canvas, {179, 0, 25, 38});
    DrawPanelBottom(canvas, {205, 0, 75, 38});
    DrawWell(canvas, {205 + 6, 10, 62, 18}, kInk);
    DrawBottomLeft(canvas, 0, 72);
    DrawBottomRight(canvas, 126, 72);
    DrawStacks(canvas);
    return canvas;
}

namespace {

// Mask colours of the sample list.
constexpr Paint kSelectedBg{0, 0, 255};
constexpr Paint kNormalText{0, 255, 0};
constexpr Paint kNormalBg{255, 0, 0};
constexpr Paint kCurrentText{255, 255, 255};

struct SampleLine {
    std::string_view title;
    std::string_view time;
};

constexpr SampleLine kLines[] = {
    {"1. MORNING LIGHT", "3:42"}, {"2. OPEN ROADS", "4:15"},    {"3. QUIET HARBOUR", "5:03"},
    {"4. NORTHERN SKY", "3:58"},  {"5. CITY AT NIGHT", "4:27"},
};

}  // namespace

Canvas DrawPlaylistMask() {
    Canvas canvas(245, 58, kNormalBg);
    for (int i = 0; i < 5; ++i) {
        const int top = 2 + 11 * i;
        const bool playing = i == 1;
        const bool selected = i == 2;
        if (selected)
            canvas.Fill({1, top, 244, 11}, kSelectedBg);
        const Paint ink = playing ? kCurrentText : kNormalText;
        DrawText(canvas, FontKind::Player, kLines[i].title, 4, top + 3, ink);
        DrawText(canvas, FontKind::Player, kLines[i].time, 241 - TextWidth(FontKind::Player, kLines[i].time), top + 3,
                 ink);
    }
    return canvas;
}

Canvas DrawTimeMask() {
    constexpr Paint kBackground{0, 0, 0};
    constexpr Paint kInkRed{255, 0, 0};
    constexpr Paint kSkip{0, 255, 0};
    Canvas canvas(90, 19, kSkip);
    canvas.Fill({0, 0, kRunningTime.w, kRunningTime.h}, kBackground);
    DrawText(canvas, FontKind::Player, "3:42/21:25", 0, 0, kInkRed);
    const Rect clock = kClock.Moved(-kRunningTime.x, -kRunningTime.y);
    canvas.Fill(clock, kBackground);
    DrawText(canvas, FontKind::Player, "01", kClockColonX - kRunningTime.x - 10, clock.y, kInkRed);
    DrawText(canvas, FontKind::Player, "23", kClockColonX - kRunningTime.x + 3, clock.y, kInkRed);
    // The colon is the playlist template's own (in the text colour): leave it showing.
    canvas.Set(kClockColonX - kRunningTime.x, clock.y + 1, kSkip);
    canvas.Set(kClockColonX - kRunningTime.x, clock.y + 3, kSkip);
    return canvas;
}
