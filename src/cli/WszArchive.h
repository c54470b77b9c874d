// The .wsz form of a skin: the skin's files in one zip archive, as players install them.
#pragma once

#include <string>
#include <vector>

#include "cli/SkinFiles.h"

// The zip archive of exactly these files (in their order, no folder part), built in memory: what
// the folder held before, links and older archives never come into it. False with `problem`
// describing the failure.
bool PackWszArchive(const std::vector<SkinFile>& files, std::string& archive, std::string& problem);

// Where `make` puts the archive of a skin folder: beside it, named after it ("out/Sea" gives
// "out/Sea.wsz"); a folder named "." or ".." is named by its real name. Empty, with `problem`, when
// the folder has no name (the root).
std::string WszPathFor(const std::string& folder, std::string& problem);
