// The command line of `tolvarin`: which command, its file arguments and its options. Parsing only;
// nothing here touches a file.
#pragma once

#include <string>
#include <vector>

#include "compose/SkinMode.h"
#include "settings/SettingChange.h"

enum class Command {
    Help,
    Version,
    Make,      // make PICTURE SKIN_FOLDER [--settings PROFILE.INI] [--set KEY=VALUE]... [--wsz] [--complete]
    Settings,  // settings OUT.INI [--settings PROFILE.INI] [--set KEY=VALUE]...
    Preview,   // preview PICTURE OUT.BMP [--settings PROFILE.INI] [--set KEY=VALUE]... [--complete]
};

// Why a command line is refused; one value per reason.
enum class UsageError {
    None,
    NoCommand,           // nothing after the program name
    UnknownCommand,      // the first word names no command
    UnknownOption,       // a word starting with "-" that no command knows
    MissingValue,        // --settings without its file name
    SettingNotKeyValue,  // --set without KEY=VALUE
    UnknownSetting,      // --set with a key no profile has
    AmbiguousSetting,    // --set with a bare key name that more than one section has
    BadSettingValue,     // --set with a value the key's field does not take
    RepeatedOption,      // --settings, --wsz or --complete given twice
    OptionNotAllowed,    // --wsz on a command other than make
    CompleteNotAllowed,  // --complete on a command other than make or preview
    WszUnavailable,      // --wsz in a build without the archive writer
    TooFewArguments,     // fewer file names than the command takes
    TooManyArguments,    // more file names than the command takes
    EmptyArgument,       // a file name that is the empty string
};

const char* ToString(UsageError error);

struct CommandLine {
    Command command = Command::Help;
    std::vector<std::string> files;             // the command's file arguments, in order
    std::string settingsPath;                   // empty: the defaults
    std::vector<SettingChange> settingChanges;  // --set, in the order given: a later one wins
    bool writeWsz = false;
    SkinMode mode = SkinMode::Classic;  // --complete
};

// What the words are parsed against.
struct ParseContext {
    bool wszAvailable = false;
    std::string charset;  // the words' character set (the terminal's); a font name is converted from it
};

// Parses the words after the program name. --help and --version win wherever they stand before
// "--"; after "--" every word is a file name. On an error, `offending` receives the word at fault
// (empty when there is none; for --set, the setting and what it takes) and `out` is unspecified.
UsageError ParseCommandLine(const std::vector<std::string>& words,
                            const ParseContext& context,
                            CommandLine& out,
                            std::string& offending);
