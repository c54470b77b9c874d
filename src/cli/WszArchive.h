// The .wsz form of a skin: the skin folder's files in one zip archive, as players install them.
#pragma once

#include <string>

// Packs every regular file directly inside `folder` (names sorted, no folder part) into a new zip
// archive at `archive`, replacing an older one only once the new one is complete. False with
// `problem` describing the failure.
bool WriteWszArchive(const std::string& folder, const std::string& archive, std::string& problem);
