// What the command line prints: its own errors (naming the file at fault), the help and version
// texts, and the core's code page 932 messages converted for the terminal.
#pragma once

#include <string>
#include <string_view>

inline constexpr char kProgramName[] = "tolvarin";

// Routes the core's messages to standard error, prefixed with the program name. On POSIX systems
// they are converted from code page 932 to the locale's character set first; one the charset
// cannot show (Japanese under LC_ALL=C) is left out, since the command's English line follows.
void InstallMessageSink();

// Converts code page 932 text to `toCharset`; empty when the conversion is not available or the
// text does not convert (raw code page 932 bytes would show as garbage).
std::string ConvertFromCp932(std::string_view text, const char* toCharset);

// "tolvarin: <text>" on standard error.
void ReportError(const std::string& text);
// The same, followed by the hint to --help.
void ReportUsageError(const std::string& text);

// `text` between double quotes, for naming a file in a message.
std::string Quoted(const std::string& text);

void PrintHelp(bool wszAvailable);
void PrintVersion();
