// Checks over whole outputs of the program, each reporting the first difference it finds.
#pragma once

#include <string>

namespace tk {

// The ten skin-settings sections of gotIni (names, keys, values, all in order) equal those of
// expectedIni; other sections ("MainWnd", "Path", ...) are ignored.
bool check_same_settings(const std::string& gotIni, const std::string& expectedIni, const std::string& name);

// Both folders hold the same file names, and each file is byte-identical.
bool check_same_folder(const std::string& gotFolder, const std::string& expectedFolder, const std::string& name);

}  // namespace tk
