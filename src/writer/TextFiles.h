// The content of the skin's text files, exactly as written: code page 932, every line ended by
// carriage return and line feed.
#pragma once

#include <string>
#include <string_view>

#include "compose/SkinMode.h"
#include "settings/SkinSettings.h"

// "[TEXT]" and an empty line, the playlist block while PLSave is set, the browser block while
// MBSave is set. Colours as "#RRGGBB" in upper-case hex, the font name as stored.
std::string PleditTxtText(const SkinSettings& settings);

// 24 lines "RRR,GGG,BBB // nn = ..." of the visualization colours, no header, no empty line.
std::string VisColorTxtText(const SkinSettings& settings);

// The fixed 152-line SexyFont option file; a complete skin lets the mouse reach the equalizer
// (MASKEQ=0), everything else is the same.
std::string SexyFontTxtText(SkinMode mode = SkinMode::Classic);

// The 32-line MARON option file; RATIO carries Opacity. No empty line at the end.
std::string MaronTxtText(const SkinSettings& settings);
