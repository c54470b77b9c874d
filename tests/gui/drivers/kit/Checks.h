// Checks over whole outputs of the program, each reporting the first difference it finds.
#pragma once

#include <string>

namespace tk {

enum class Order { kSame, kAny };

// The ten skin-settings sections of gotIni hold the keys and values of those of expectedIni, in the
// same order (a fresh file) or in any order (a file that existed: its sections and keys keep their
// places, new ones are appended); other sections ("MainWnd", "Path", ...) are ignored.
bool CheckSameSettings(const std::string& gotIni,
                       const std::string& expectedIni,
                       const std::string& name,
                       Order order = Order::kSame);

// Both folders hold the same file names, and each file is byte-identical.
bool CheckSameFolder(const std::string& gotFolder, const std::string& expectedFolder, const std::string& name);

}  // namespace tk
