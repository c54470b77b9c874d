// MB: the mini-browser's frame pieces (recoloured only), and 138, a whole mini-browser window
// assembled from them for the preview, with its own colour meanings: the page in pure green
// (the browser background) and its text in pure blue (the browser text).
#include <array>
#include <string_view>

#include "Font.h"
#include "Templates.h"
#include "Widgets.h"

namespace {

constexpr Paint kPageBg{0, 255, 0};
constexpr Paint kPageText{0, 0, 255};
constexpr Rect kButtonsNormal{5, 10, 75, 18};  // inside the bottom-left piece
constexpr Rect kLocation{84, 14, 41, 10};      // continues into the bottom tile
constexpr Icon kBrowserIcons[5] = {Icon::SmallPrevious, Icon::SmallNext, Icon::SmallStop, Icon::SmallPlay, Icon::Menu};

void DrawTopPieces(Canvas& canvas, int y, bool active) {
    for (const Rect& piece : {Rect{0, y, 25, 20}, Rect{26, y, 100, 20}, Rect{127, y, 25, 20}, Rect{153, y, 25, 20}}) {
        DrawPanelTop(canvas, piece, active);
        canvas.HLine(piece.x, piece.Right(), y + 19, kDeep);
    }
    canvas.VLine(0, y, y + 19, kDeep);
    canvas.VLine(1, y + 2, y + 19, kLight);
    DrawBarLabel(canvas, {26, y, 100, 18}, 76, "BROWSER", active);
    canvas.VLine(177, y, y + 19, kDeep);
    canvas.VLine(176, y + 2, y + 19, kShade);
    DrawWindowButton(canvas, 167, y + 3, Icon::Close, Look::Normal);
}

void DrawBrowserButtons(Canvas& canvas, int x, int y, Look look) {
    for (int i = 0; i < 5; ++i) {
        const Rect r{x + 15 * i, y, 15, 18};
        DrawButton(canvas, r, look, false);
        const int shift = look == Look::Pressed ? 1 : 0;
        DrawIconCentred(canvas, kBrowserIcons[i], r.Moved(shift, shift), kInk);
    }
}

void DrawLocationWell(Canvas& canvas, const Rect& r) {
    DrawWell(canvas, r, kTextBg);
}

}  // namespace

Canvas DrawBrowserParts() {
    Canvas canvas(242, 119);
    DrawTopPieces(canvas, 0, true);
    DrawTopPieces(canvas, 21, false);

    // Bottom-left corner with the browser buttons and the start of the location field.
    DrawPanelBottom(canvas, {0, 42, 125, 38});
    canvas.VLine(0, 42, 79, kDeep);
    canvas.VLine(1, 43, 78, kLight);
    DrawBrowserButtons(canvas, kButtonsNormal.x, 42 + kButtonsNormal.y, Look::Normal);
    DrawLocationWell(canvas, kLocation.Moved(0, 42));
    canvas.Fill({124, 42 + kLocation.y + 1, 1, kLocation.h - 2}, kTextBg);
    // Side tiles.
    canvas.Fill({127, 42, 11, 29}, kFrame);
    canvas.VLine(127, 42, 70, kDeep);
    canvas.VLine(128, 42, 70, kLight);
    canvas.VLine(137, 42, 70, kDeep);
    canvas.Fill({139, 42, 8, 29}, kFrame);
    canvas.VLine(139, 42, 70, kLight);
    canvas.VLine(145, 42, 70, kShade);
    canvas.VLine(146, 42, 70, kDeep);
    DrawWindowButton(canvas, 148, 42, Icon::Close, Look::Pressed);
    DrawBrowserButtons(canvas, 158, 42, Look::Pressed);
    // Bottom-right corner with the end of the location field and the resize grip.
    DrawPanelBottom(canvas, {0, 81, 125, 38});
    canvas.VLine(124, 81, 118, kDeep);
    canvas.VLine(123, 82, 117, kShade);
    DrawLocationWell(canvas, {-1, 81 + kLocation.y, 100, kLocation.h});
    DrawResizeGrip(canvas, 121, 81 + 28);
    // Bottom tile: the location field runs through it.
    DrawPanelBottom(canvas, {127, 81, 25, 38});
    canvas.Fill({127, 81 + kLocation.y, 25, kLocation.h}, kTextBg);
    canvas.HLine(127, 151, 81 + kLocation.y, kDeep);
    canvas.HLine(127, 151, 81 + kLocation.Bottom(), kLight);
    return canvas;
}

Canvas DrawBrowserWindow() {
    const Canvas parts = DrawBrowserParts();
    Canvas canvas(275, 116);
    // Top row: corner, tiles, centred title, tiles, corner.
    for (int x = 25; x < 250; x += 25)
        canvas.Blit(parts, {127, 0, 25, 20}, x, 0);
    canvas.Blit(parts, {0, 0, 25, 20}, 0, 0);
    canvas.Blit(parts, {26, 0, 100, 20}, 87, 0);
    canvas.Blit(parts, {153, 0, 25, 20}, 250, 0);
    // Sides and page.
    for (int y = 20; y < 78; y += 29) {
        canvas.Blit(parts, {127, 42, 11, 29}, 0, y);
        canvas.Blit(parts, {139, 42, 8, 29}, 267, y);
    }
    canvas.Fill({11, 20, 256, 58}, kPageBg);
    constexpr std::array<std::string_view, 6> kPage = {
        "SKIN NEWS", "", "NEW SKINS ARE OUT NOW.", "FRESH COLOURS FOR THE PLAYER", "AND THE PLAYLIST.", "MORE...",
    };
    for (size_t i = 0; i < kPage.size(); ++i)
        DrawText(canvas, FontKind::Player, kPage[i], 16, 25 + 8 * static_cast<int>(i), kPageText);
    canvas.HLine(16, 16 + TextWidth(FontKind::Player, kPage[0]), 31, kPageText);
    // Bottom row: the left corner, tiles, and the right corner.
    for (int x = 125; x < 150; x += 25)
        canvas.Blit(parts, {127, 81, 25, 38}, x, 78);
    canvas.Blit(parts, {0, 42, 125, 38}, 0, 78);
    canvas.Blit(parts, {0, 81, 125, 38}, 150, 78);
    // The location text in the page text colour on the page background.
    canvas.Replace({0, 78, 275, 38}, kTextBg, kPageBg);
    DrawText(canvas, FontKind::Player, "HTTP://WWW.EXAMPLE.COM/", kLocation.x + 3, 78 + kLocation.y + 2, kPageText);
    return canvas;
}
