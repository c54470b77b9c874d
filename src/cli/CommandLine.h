// The command line of `tolvarin`: which command, its file arguments and its options. Parsing only;
// nothing here touches a file.
#pragma once

#include <string>
#include <vector>

enum class Command {
    Help,
    Version,
    Make,      // make PICTURE SKIN_FOLDER [--settings PROFILE.INI] [--wsz]
    Settings,  // settings OUT.INI [--settings PROFILE.INI]
    Preview,   // preview PICTURE OUT.BMP [--settings PROFILE.INI]
};

// Why a command line is refused; one value per reason.
enum class UsageError {
    None,
    NoCommand,         // nothing after the program name
    UnknownCommand,    // the first word names no command
    UnknownOption,     // a word starting with "-" that no command knows
    MissingValue,      // --settings without its file name
    RepeatedOption,    // --settings or --wsz given twice
    OptionNotAllowed,  // --wsz on a command other than make
    WszUnavailable,    // --wsz in a build without the archive writer
    TooFewArguments,   // fewer file names than the command takes
    TooManyArguments,  // more file names than the command takes
    EmptyArgument,     // a file name that is the empty string
};

const char* ToString(UsageError error);

struct CommandLine {
    Command command = Command::Help;
    std::vector<std::string> files;  // the command's file arguments, in order
    std::string settingsPath;        // empty: the defaults
    bool writeWsz = false;
};

// Parses the words after the program name. --help and --version win wherever they stand before
// "--"; after "--" every word is a file name. On an error, `offending` receives the word at fault
// (empty when there is none) and `out` is unspecified.
UsageError ParseCommandLine(const std::vector<std::string>& words,
                            bool wszAvailable,
                            CommandLine& out,
                            std::string& offending);
