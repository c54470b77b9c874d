// The file choosers' filter lists. Portable: no system headers.
#pragma once

#include <string>
#include <string_view>

// "text|pattern|text|pattern" as the choosers want it: each '|' character becomes a NUL and the
// list ends with two NULs (the second one is the string's own terminator). A '|' byte that is the
// second half of a code page 932 character (as in "ポ", 0x83 0x7C) is kept.
std::string MakeFilterList(std::string_view filter);
