// TEXT (the player's 5x6 font, in the text colours) and NUMS_EX (the time digits, in the digit
// colours). Both are recoloured only, so every cell is filled: white would show as white.
#include <array>
#include <string_view>

#include "Font.h"
#include "Templates.h"
#include "Widgets.h"

namespace {

// Where the players look for each character: 31 cells in each of three rows; empty cells
// stay plain background (one player samples the background at pixel 152,3).
constexpr std::array<std::string_view, 31> kTextRow0 = {"A", "B", "C", "D", "E",  "F", "G", "H", "I", "J", "K",
                                                        "L", "M", "N", "O", "P",  "Q", "R", "S", "T", "U", "V",
                                                        "W", "X", "Y", "Z", "\"", "@", "",  "",  ""};
constexpr std::array<std::string_view, 31> kTextRow1 = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9",  "...",
                                                        ".", ":", "(", ")", "-", "'", "!", "_", "+", "\\", "/",
                                                        "[", "]", "^", "&", "%", ",", "=", "$", "#"};
constexpr std::array<std::string_view, 5> kTextRow2 = {"Å", "Ö", "Ä", "?", "*"};

}  // namespace

Canvas DrawTextFont() {
    Canvas canvas(155, 18, kTextBg);
    for (size_t c = 0; c < kTextRow0.size(); ++c) {
        const int x = 5 * static_cast<int>(c);
        DrawGlyph(canvas, FontKind::Player, kTextRow0[c], x, 0, kText);
        DrawGlyph(canvas, FontKind::Player, kTextRow1[c], x, 6, kText);
        if (c < kTextRow2.size())
            DrawGlyph(canvas, FontKind::Player, kTextRow2[c], x, 12, kText);
    }
    return canvas;
}

Canvas DrawTimeDigits() {
    Canvas canvas(108, 13);
    for (int digit = 0; digit < 10; ++digit) {
        canvas.Fill({9 * digit, 0, 9, 13}, kNumBg);
        DrawLcdDigit(canvas, 9 * digit, 0, digit, kNum);
    }
    // The blank and the minus are laid over the picture: only the minus bar is drawn, within
    // columns 2-6 so that either sign position of the players shows it whole.
    DrawLcdDigit(canvas, 99, 0, -1, kNum);
    return canvas;
}
