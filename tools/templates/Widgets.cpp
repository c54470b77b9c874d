#include "Widgets.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "Font.h"

namespace {

using Rows = std::array<std::string_view, 9>;

struct IconArt {
    Icon icon;
    Rows rows;
};

constexpr IconArt kIcons[] = {
    {Icon::Previous,
     {"##.....#...#", "##....##..##", "##...###.###", "##..########", "##.#########", "##..########", "##...###.###",
      "##....##..##", "##.....#...#"}},
    {Icon::Play, {"#......", "###....", "#####..", "######.", "#######", "######.", "#####..", "###....", "#......"}},
    {Icon::Pause,
     {"###..###", "###..###", "###..###", "###..###", "###..###", "###..###", "###..###", "###..###", "###..###"}},
    {Icon::Stop, {"########", "########", "########", "########", "########", "########", "########", "########"}},
    {Icon::Next,
     {"#...#.....##", "##..##....##", "###.###...##", "########..##", "#########.##", "########..##", "###.###...##",
      "##..##....##", "#...#.....##"}},
    {Icon::Eject,
     {"....#....", "...###...", "..#####..", ".#######.", "#########", ".........", "#########", "#########"}},
    {Icon::Menu, {"#####", ".....", "#####", ".....", "#####"}},
    {Icon::Minimize, {".....", ".....", ".....", "#####", "#####"}},
    {Icon::Close, {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"}},
    {Icon::Shade, {"#####", "#####", ".....", ".....", "....."}},
    {Icon::Unshade, {"#####", "#...#", "#...#", "#...#", "#####"}},
    {Icon::SmallPrevious, {"#......", "#..#..#", "#.##.##", "#######", "#.##.##", "#..#..#", "#......"}},
    {Icon::SmallPlay, {"#...", "##..", "###.", "####", "###.", "##..", "#..."}},
    {Icon::SmallPause, {"##.##", "##.##", "##.##", "##.##", "##.##", "##.##", "##.##"}},
    {Icon::SmallStop, {"######", "######", "######", "######", "######", "######"}},
    {Icon::SmallNext, {"......#", "#..#..#", "##.##.#", "#######", "##.##.#", "#..#..#", "......#"}},
    {Icon::SmallEject, {"...#...", "..###..", ".#####.", "#######", ".......", "#######", "#######"}},
};

const IconArt& Art(Icon icon) {
    for (const IconArt& art : kIcons)
        if (art.icon == icon)
            return art;
    return kIcons[0];
}

// Segments of the digit, as runs (row, first column, last column) inside the 9 x 13 cell.
struct Run {
    int row;
    int x0;
    int x1;
};

struct Segment {
    std::array<Run, 4> runs;
    int count;
};

// a (top), b (upper right), c (lower right), d (bottom), e (lower left), f (upper left), g (middle)
constexpr Segment kSegments[7] = {
    {{{{1, 2, 6}, {2, 3, 5}}}, 2},
    {{{{2, 7, 7}, {3, 6, 7}, {4, 6, 7}, {5, 7, 7}}}, 4},
    {{{{7, 7, 7}, {8, 6, 7}, {9, 6, 7}, {10, 7, 7}}}, 4},
    {{{{11, 2, 6}, {10, 3, 5}}}, 2},
    {{{{7, 1, 1}, {8, 1, 2}, {9, 1, 2}, {10, 1, 1}}}, 4},
    {{{{2, 1, 1}, {3, 1, 2}, {4, 1, 2}, {5, 1, 1}}}, 4},
    {{{{5, 3, 5}, {6, 2, 6}, {7, 3, 5}}}, 3},
};

// Lit segments per digit, bit 0 = a ... bit 6 = g.
constexpr int kDigitSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

}  // namespace

IconSize SizeOf(Icon icon) {
    const Rows& rows = Art(icon).rows;
    int h = 0;
    while (h < static_cast<int>(rows.size()) && !rows[static_cast<size_t>(h)].empty())
        ++h;
    return {static_cast<int>(rows[0].size()), h};
}

void DrawIcon(Canvas& canvas, Icon icon, int x, int y, Paint color) {
    const Rows& rows = Art(icon).rows;
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t col = 0; col < rows[row].size(); ++col)
            if (rows[row][col] == '#')
                canvas.Set(x + static_cast<int>(col), y + static_cast<int>(row), color);
}

void DrawIconCentred(Canvas& canvas, Icon icon, const Rect& r, Paint color) {
    const IconSize size = SizeOf(icon);
    DrawIcon(canvas, icon, r.x + (r.w - size.w + 1) / 2, r.y + (r.h - size.h + 1) / 2, color);
}

void DrawButton(Canvas& canvas, const Rect& r, Look look, bool rounded) {
    const Paint keep[4] = {canvas.Get(r.x, r.y), canvas.Get(r.Right(), r.y), canvas.Get(r.x, r.Bottom()),
                           canvas.Get(r.Right(), r.Bottom())};
    // Pressed, the face sinks and takes the frame colour, so the press shows in any colours.
    if (look == Look::Normal) {
        canvas.Outline(r, kFrame);
        canvas.Bevel(r.Inset(1), kHighlight, kShade);
        canvas.Fill(r.Inset(2), kFace);
    } else {
        canvas.Outline(r, kDeep);
        canvas.Bevel(r.Inset(1), kShade, kLight);
        canvas.Fill(r.Inset(2), kFrame);
    }
    if (rounded) {
        canvas.Set(r.x, r.y, keep[0]);
        canvas.Set(r.Right(), r.y, keep[1]);
        canvas.Set(r.x, r.Bottom(), keep[2]);
        canvas.Set(r.Right(), r.Bottom(), keep[3]);
    }
}

void DrawWindowButton(Canvas& canvas, int x, int y, Icon icon, Look look) {
    const Rect r{x, y, 9, 9};
    canvas.Outline(r, kDeep);
    if (look == Look::Normal) {
        canvas.Bevel(r.Inset(1), kHighlight, kMid);
        canvas.Fill(r.Inset(2), kFace);
        DrawIcon(canvas, icon, x + 2, y + 2, kInk);
    } else {
        canvas.Bevel(r.Inset(1), kShade, kMid);
        canvas.Fill(r.Inset(2), kFrame);
        DrawIcon(canvas, icon, x + 2, y + 2, kHighlight);
    }
}

void DrawLabelButton(Canvas& canvas, const Rect& r, std::string_view label, Look look) {
    DrawButton(canvas, r, look, false);
    const int shift = look == Look::Pressed ? 1 : 0;
    DrawText(canvas, FontKind::Label, label, r.x + (r.w - TextWidth(FontKind::Label, label) + 1) / 2 + shift,
             r.y + (r.h - 5) / 2 + shift, kInk);
}

void DrawToggle(Canvas& canvas, const Rect& r, std::string_view label, bool on, Look look, bool rounded) {
    DrawButton(canvas, r, look, rounded);
    const int shift = look == Look::Pressed ? 1 : 0;
    const int width = 4 + 3 + TextWidth(FontKind::Label, label);
    const int x = r.x + (r.w - width) / 2 + shift;
    const int y = r.y + (r.h - 5) / 2 + shift;
    DrawLight(canvas, {x, y, 4, 5}, on);
    DrawText(canvas, FontKind::Label, label, x + 7, y, kInk);
}

void DrawEngravedIcon(Canvas& canvas, Icon icon, int x, int y) {
    // The shadow falls only where nothing of the glyph lies further right or further down: in
    // the gaps between its strokes it would fill them and turn a small glyph into a block.
    const Rows& rows = Art(icon).rows;
    const IconSize size = SizeOf(icon);
    const auto inked = [&](int col, int row) {
        return col >= 0 && row >= 0 && col < size.w && row < size.h &&
               rows[static_cast<size_t>(row)][static_cast<size_t>(col)] == '#';
    };
    const auto inkedFrom = [&](int col, int row, int dx, int dy) {
        for (; col >= 0 && row >= 0 && col < size.w && row < size.h; col += dx, row += dy)
            if (inked(col, row))
                return true;
        return false;
    };
    for (int row = 0; row <= size.h; ++row)
        for (int col = 0; col <= size.w; ++col) {
            const bool casts = inked(col - 1, row - 1) && !inked(col, row);
            const bool outside = !inkedFrom(col, row, 1, 0) && !inkedFrom(col, row, 0, 1);
            if (casts && outside)
                canvas.Set(x + col, y + row, kInk);
        }
    DrawIcon(canvas, icon, x, y, kFace);
}

void DrawLight(Canvas& canvas, const Rect& r, bool lit) {
    // In the user's text colours, which are chosen to contrast: lit shows the text colour,
    // unlit its background.
    canvas.Outline(r, kInk);
    canvas.Fill(r.Inset(1), lit ? kText : kTextBg);
}

void DrawGripLine(Canvas& canvas, int x0, int x1, int y, bool active) {
    // In the user's colours only: a `Color` ridge with a dark shadow; the inactive ridge is
    // half-toned with the frame colour, so it dims in the same hue.
    for (int x = x0; x <= x1; ++x) {
        if (!active && (x - x0) % 2 == 1)
            continue;
        canvas.Set(x, y, kFace);
        canvas.Set(active ? x : std::min(x + 1, x1), y + 1, kDeep);
    }
}

void DrawWindowBar(Canvas& canvas, const Rect& r, bool active, int gripLeft, int gripRight) {
    canvas.Fill(r, kFrame);
    canvas.HLine(r.x, r.Right(), r.y, kDeep);
    canvas.HLine(r.x, r.Right(), r.Bottom(), kDeep);
    canvas.HLine(r.x, r.Right(), r.y + 1, kLight);
    canvas.HLine(r.x, r.Right(), r.Bottom() - 1, kShade);
    // Three ridges, three rows apart, centred between the edges.
    const int first = r.y + (r.h - 8) / 2;
    for (int row = first; row <= first + 6; row += 3)
        DrawGripLine(canvas, gripLeft, gripRight, row, active);
}

void DrawBarLabel(Canvas& canvas, const Rect& bar, int centreX, std::string_view label, bool active) {
    // Active: a `Color` plate with the word in ink; inactive: a frame-coloured plate with the
    // word in `Color`. Only the bevel is neutral, so the plate follows the user's colours.
    const int width = TextWidth(FontKind::Label, label) + 8;
    const Rect plate{centreX - width / 2, bar.y + (bar.h - 9) / 2, width, 9};
    canvas.Fill(plate, active ? kFace : kFrame);
    canvas.Bevel(plate, kDeep, kLight);
    DrawText(canvas, FontKind::Label, label, plate.x + 4, plate.y + 2, active ? kInk : kFace);
}

void DrawPanelTop(Canvas& canvas, const Rect& r, bool active) {
    DrawWindowBar(canvas, {r.x, r.y, r.w, 18}, active, r.x, r.Right());
    canvas.Fill({r.x, r.y + 17, r.w, 3}, kFrame);
}

void DrawPanelBottom(Canvas& canvas, const Rect& r) {
    canvas.Fill(r, kFrame);
    canvas.HLine(r.x, r.Right(), r.y, kLight);
    canvas.HLine(r.x, r.Right(), r.y + 1, kLight);
    canvas.HLine(r.x, r.Right(), r.Bottom() - 1, kShade);
    canvas.HLine(r.x, r.Right(), r.Bottom(), kDeep);
}

void DrawResizeGrip(Canvas& canvas, int right, int top) {
    for (int d = 0; d < 3; ++d)
        for (int k = 0; k <= 4 + 4 * d; ++k) {
            canvas.Set(right - 1 - k, top - 4 * d + k, kFace);
            canvas.Set(right - k, top - 4 * d + k, kDeep);
        }
}

void DrawWell(Canvas& canvas, const Rect& r, Paint fill) {
    canvas.Bevel(r, kDeep, kLight);
    canvas.Fill(r.Inset(1), fill);
}

void DrawLcdDigit(Canvas& canvas, int x, int y, int digit, Paint color) {
    const int lit = digit < 0 ? 0x40 : kDigitSegments[digit % 10];
    for (int s = 0; s < 7; ++s) {
        if ((lit & (1 << s)) == 0)
            continue;
        for (int i = 0; i < kSegments[s].count; ++i) {
            const Run& run = kSegments[s].runs[static_cast<size_t>(i)];
            canvas.HLine(x + run.x0, x + run.x1, y + run.row, color);
        }
    }
}
