// The full long form of a path, as the shell names the file: a short (8.3) or relative name
// becomes the long absolute one.
#pragma once

#include <cstddef>

// Writes the long path into output (outputSize bytes). 1 when the shell produced a file-system
// path, 0 otherwise (a missing file, or something that is no file-system object).
int ResolveLongPath(const char* path, char* output, size_t outputSize);
