// The files of one `make`, gathered in memory and then put in place together: either all of them
// replace their older namesakes or none does.
#pragma once

#include <string>
#include <vector>

#include "writer/BitmapFile.h"

struct SkinFile {
    std::string name;  // the bare name the writer gave it, or the path where it goes
    std::string bytes;
};

// A sink for the skin writer that keeps every file in `files`.
SkinFileSink GatherInto(std::vector<SkinFile>& files);

// Puts each file at its path: first every target is checked (a read-only file, a folder or a device of that name is
// refused), then each file is written under an exclusive temporary name beside its target, and only when all are
// written are they renamed into place. On a failure nothing is replaced and no temporary file
// stays; `failed` is the path at fault and `why` the reason. (Only a rename failing after others
// succeeded, which a sound file system does not do, leaves the files before it replaced.)
bool PutInPlaceTogether(const std::vector<SkinFile>& files, std::string& failed, std::string& why);

// The skin files of an earlier save that this one did not write but that stay in the folder
// (names compared without regard to case, as the player looks them up), in the folder's spelling.
std::vector<std::string> LeftoverSkinFiles(const std::string& folder, const std::vector<SkinFile>& written);
