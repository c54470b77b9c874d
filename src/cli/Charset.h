// The terminal's character set and conversions between it and code page 932, the charset of the
// skin maker's texts and files.
#pragma once

#include <string>
#include <string_view>

// The character set of the terminal's text (and so of the command line's words): the locale's on
// POSIX systems; on Windows the words arrive in the system code page, taken as code page 932.
const char* TerminalCharset();

// Converts text from one character set to another; false when the conversion is not available or
// the text does not convert (`out` is then unspecified). On Windows the text is taken unchanged.
bool ConvertText(std::string_view text, const char* fromCharset, const char* toCharset, std::string& out);
