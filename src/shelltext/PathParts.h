// Splitting and joining paths the way the C run-time's _splitpath and _makepath do, but walking
// code page 932 characters, so that a '\\' trail byte (as in "ソ", 0x83 0x5C) never counts as a
// separator. Portable: no system headers.
#pragma once

#include <string>
#include <string_view>

struct PathParts {
    std::string drive;  // "C:" or empty
    std::string dir;    // everything up to and including the last separator, or empty
    std::string name;   // the file name without its extension
    std::string ext;    // from the last '.' of the file name on, or empty
};

PathParts SplitPath(std::string_view path);

// drive + dir (given a trailing '\\' when it lacks one) + name + ext (given its '.' when it lacks
// one), like _makepath.
std::string MakePath(std::string_view drive, std::string_view dir, std::string_view name, std::string_view ext);

// drive + dir of a path: its folder with the trailing separator.
std::string FolderOf(std::string_view path);
