#include "cli/CommandLine.h"

#include <cstddef>

namespace {

struct CommandShape {
    const char* name;
    Command command;
    size_t fileCount;
};

constexpr CommandShape kCommands[] = {
    {"make", Command::Make, 2},
    {"settings", Command::Settings, 1},
    {"preview", Command::Preview, 2},
};

constexpr char kSettingsOption[] = "--settings";

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

}  // namespace

const char* ToString(UsageError error) {
    switch (error) {
        case UsageError::None:
            return "no error";
        case UsageError::NoCommand:
            return "no command given";
        case UsageError::UnknownCommand:
            return "unknown command";
        case UsageError::UnknownOption:
            return "unknown option";
        case UsageError::MissingValue:
            return "option needs a file name";
        case UsageError::RepeatedOption:
            return "option given more than once";
        case UsageError::OptionNotAllowed:
            return "option is only for the make command";
        case UsageError::WszUnavailable:
            return "this build cannot write .wsz archives";
        case UsageError::TooFewArguments:
            return "missing file name";
        case UsageError::TooManyArguments:
            return "too many file names";
        case UsageError::EmptyArgument:
            return "empty file name";
    }
    return "unknown usage error";
}

UsageError ParseCommandLine(const std::vector<std::string>& words,
                            bool wszAvailable,
                            CommandLine& out,
                            std::string& offending) {
    out = CommandLine{};
    offending.clear();

    for (const std::string& word : words) {
        if (word == "--")
            break;
        if (word == "--help" || word == "-h") {
            out.command = Command::Help;
            return UsageError::None;
        }
        if (word == "--version") {
            out.command = Command::Version;
            return UsageError::None;
        }
    }
    if (words.empty())
        return UsageError::NoCommand;

    const CommandShape* shape = nullptr;
    for (const CommandShape& candidate : kCommands) {
        if (words[0] == candidate.name)
            shape = &candidate;
    }
    if (!shape) {
        offending = words[0];
        return StartsWith(words[0], "-") ? UsageError::UnknownOption : UsageError::UnknownCommand;
    }
    out.command = shape->command;

    bool haveSettings = false;
    bool optionsEnded = false;
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool isOption = !optionsEnded && StartsWith(word, "-") && word != "-";
        if (!isOption) {
            if (word.empty())
                return UsageError::EmptyArgument;
            if (out.files.size() == shape->fileCount) {
                offending = word;
                return UsageError::TooManyArguments;
            }
            out.files.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
        } else if (word == kSettingsOption || StartsWith(word, "--settings=")) {
            offending = kSettingsOption;
            if (haveSettings)
                return UsageError::RepeatedOption;
            if (word == kSettingsOption) {
                if (i + 1 == words.size())
                    return UsageError::MissingValue;
                out.settingsPath = words[++i];
            } else {
                out.settingsPath = word.substr(sizeof kSettingsOption);
            }
            if (out.settingsPath.empty())
                return UsageError::MissingValue;
            haveSettings = true;
        } else if (word == "--wsz") {
            offending = word;
            if (shape->command != Command::Make)
                return UsageError::OptionNotAllowed;
            if (!wszAvailable)
                return UsageError::WszUnavailable;
            if (out.writeWsz)
                return UsageError::RepeatedOption;
            out.writeWsz = true;
        } else {
            offending = word;
            return UsageError::UnknownOption;
        }
        offending.clear();
    }
    if (out.files.size() < shape->fileCount) {
        offending = shape->name;
        return UsageError::TooFewArguments;
    }
    return UsageError::None;
}
