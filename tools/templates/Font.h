// The two pixel fonts of the art: the 5x6-cell player font (glyphs 4 wide and 5 high, the
// fifth column and sixth row spacing; the comma alone reaches into the sixth row) and a 3x5
// label font for the words printed on buttons.
#pragma once

#include <string_view>

#include "Canvas.h"

enum class FontKind { Player, Label };

// A character by its UTF-8 spelling ("A", "...", "Å"); false when the font has no glyph.
bool HasGlyph(FontKind font, std::string_view character);
// Draws one glyph with its top-left at (x, y); only the glyph's own pixels are set.
void DrawGlyph(Canvas& canvas, FontKind font, std::string_view character, int x, int y, Paint color);
// Draws ASCII text (upper-case letters, digits, the font's punctuation); returns the x after it.
int DrawText(Canvas& canvas, FontKind font, std::string_view text, int x, int y, Paint color);
int TextWidth(FontKind font, std::string_view text);
