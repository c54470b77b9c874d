// Names derived from the SKIN_FOLDER argument of `tolvarin make`.
#pragma once

#include <string>

// The path without trailing separators ("out/Sample/" -> "out/Sample"); a path made only of
// separators keeps one. On Windows both slashes separate, and a backslash that is the second byte
// of a code page 932 character is part of that character, not a separator.
std::string WithoutTrailingSeparators(const std::string& path);
