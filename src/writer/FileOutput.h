// Whole-file output of the skin writer: a file is replaced in one step or left as it was.
#pragma once

#include <cstddef>
#include <string>

// Writes size bytes as the new content of the file `name` through a temporary file and a rename,
// so no reader ever sees a part of it. A file of that name that is marked read-only is kept, as
// is a folder of that name. Returns false when nothing was written.
bool ReplaceFileContent(const std::string& name, const void* data, size_t size);
