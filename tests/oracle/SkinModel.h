// Reference model of a saved skin folder, written from the file format's own rules: the 24-bit work
// buffer, the fifteen bitmap files row by row and the text files line by line.
#pragma once

#include <map>
#include <string>

#include "Raster.h"
#include "picture/DibBuffer.h"
#include "settings/SkinSettings.h"

namespace oracle {

// The background of the main window (and equalizer): stride 828, bottom-up.
Raster ExpectedWorkBuffer(const SkinSettings& s, const DibBuffer& fit232, const DibBuffer& fit116);

struct ExpectedFolder {
    std::map<std::string, std::string> files;  // every file a save writes, with its exact bytes
    bool sexyFont = false;                     // SEXYFONT.TXT too, whose comments are free text
};
ExpectedFolder ExpectedSkinFolder(const SkinSettings& s, const DibBuffer& fit232, const DibBuffer& fit116);

// A 24-bit bitmap file (54 header bytes and the rows) of a raster; 4-byte pixels lose their fourth.
std::string BitmapFileBytes(const Raster& image);

std::string ExpectedPleditTxt(const SkinSettings& s);
std::string ExpectedVisColorTxt(const SkinSettings& s);
std::string ExpectedMaronTxt(const SkinSettings& s);

// Empty when the text is a valid SEXYFONT.TXT, else what is wrong with it.
std::string CheckSexyFontTxt(const std::string& text);

}  // namespace oracle
