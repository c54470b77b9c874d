// Saving a skin into a folder: the part of the save command that follows the choice of the name.
#pragma once

#include <cstddef>
#include <string>

#include "compose/SkinMode.h"
#include "compose/TemplateStore.h"
#include "picture/DibBuffer.h"
#include "settings/SkinSettings.h"
#include "writer/SkinWriter.h"

// Every file of a skin has a short name, the longest of them ("PLAYPAUS.BMP", "VISCOLOR.TXT") this
// many characters: a folder leaves room for them when its path plus a separator plus this fits the
// system's path length.
constexpr size_t kLongestSkinFileName = 12;

// Creates the folder (not its parents; an existing one is used), makes it the working directory,
// writes the skin files into it and always puts the previous working directory back. When the
// folder can be neither created nor entered, a message names it and nothing is written anywhere.
// Problems are shown through platform::ShowMessage. Returns 1 on success, 0 on failure. The files
// go to `sink` when one is given (SkinWriter).
int SaveSkinFolder(const std::string& folder,
                   const SkinSettings& settings,
                   const DibBuffer& fit232,
                   const DibBuffer& fit116,
                   const TemplateSource& templates = LoadTemplate,
                   SkinMode mode = SkinMode::Classic,
                   const SkinFileSink& sink = {});
