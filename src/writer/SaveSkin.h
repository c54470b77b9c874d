// Saving a skin into a folder: the part of the save command that follows the choice of the name.
#pragma once

#include <string>

#include "compose/TemplateStore.h"
#include "picture/DibBuffer.h"
#include "settings/SkinSettings.h"

// Creates the folder (not its parents; an existing one is used), makes it the working directory,
// writes the skin files into it and always puts the previous working directory back. When the
// folder can be neither created nor entered, a message names it and nothing is written anywhere.
// Problems are shown through platform::ShowMessage. Returns 1 on success, 0 on failure.
int SaveSkinFolder(const std::string& folder,
                   const SkinSettings& settings,
                   const DibBuffer& fit232,
                   const DibBuffer& fit116,
                   const TemplateSource& templates = LoadTemplate);
