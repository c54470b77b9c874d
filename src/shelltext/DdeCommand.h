// The execute command a second instance sends: the path in double quotes, then one space.
// Portable: no system headers.
#pragma once

#include <string>
#include <string_view>

// The path inside the command: the first character and the last two dropped. False for a command
// shorter than three characters, which cannot hold the quotes and the space.
bool ExtractDdePath(std::string_view command, std::string& path);

// The command for a path: "\"" + path + "\" " (empty for an empty path).
std::string MakeDdeCommand(std::string_view path);
