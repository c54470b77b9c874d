// The trailing backslash of a folder typed or chosen in the plug-in settings dialog, with code page
// 932 names in mind: a double-byte character whose second byte is 0x5C ("ソ", "表") is no
// backslash. Portable: no system headers.
#pragma once

#include <string>
#include <string_view>

bool EndsWithBackslash(std::string_view folder);
// The folder without its one trailing backslash ("C:\" gives "C:"), or unchanged without one.
std::string WithoutTrailingBackslash(std::string_view folder);
// The folder with exactly the one trailing backslash it already has or is given.
std::string WithTrailingBackslash(std::string_view folder);
