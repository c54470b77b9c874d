#include "cli/CommandLine.h"

#include <cstddef>
#include <string>
#include <utility>

#include "cli/Charset.h"

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
constexpr char kSetOption[] = "--set";

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// What a key takes, for the message that refuses a value.
std::string ValueDescription(const ProfileEntry& entry) {
    if (entry.step == ProfileStep::kText)
        return "a font name of up to " + std::to_string(kPlFontSize - 1) + " bytes in code page 932, on one line";
    return "a whole number from " + std::to_string(entry.range.lowest) + " to " + std::to_string(entry.range.highest);
}

// One --set KEY=VALUE. The value is taken in the terminal's charset and stored as code page 932,
// the charset of profiles and skin files; only a font name can hold anything but ASCII.
UsageError ParseSetting(const std::string& word,
                        const ParseContext& context,
                        std::vector<SettingChange>& changes,
                        std::string& offending) {
    offending = word;
    const size_t equals = word.find('=');
    if (equals == 0 || equals == std::string::npos)
        return UsageError::SettingNotKeyValue;
    const std::string name = word.substr(0, equals);
    const std::string given = word.substr(equals + 1);
    const std::vector<const ProfileEntry*> keys = FindProfileKeys(name);
    if (keys.empty()) {
        offending = name;
        return UsageError::UnknownSetting;
    }
    if (keys.size() > 1) {
        offending = name + " (";
        for (size_t i = 0; i < keys.size(); ++i)
            offending += (i > 0 ? " or " : "") + QualifiedName(*keys[i]);
        offending += ")";
        return UsageError::AmbiguousSetting;
    }
    const ProfileEntry& key = *keys.front();
    std::string value;
    SettingChange change;
    if (!ConvertText(given, context.charset.c_str(), "CP932", value)) {
        offending = QualifiedName(key) + "=" + given + " (not text in the terminal's charset " + context.charset +
                    " that code page 932 can hold)";
        return UsageError::BadSettingValue;
    }
    if (!ParseSettingValue(key, value, change)) {
        offending = QualifiedName(key) + "=" + given + " (" + ValueDescription(key) + ")";
        return UsageError::BadSettingValue;
    }
    changes.push_back(std::move(change));
    offending.clear();
    return UsageError::None;
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
        case UsageError::SettingNotKeyValue:
            return "--set needs KEY=VALUE";
        case UsageError::UnknownSetting:
            return "no such setting";
        case UsageError::AmbiguousSetting:
            return "setting in more than one section, name one";
        case UsageError::BadSettingValue:
            return "bad value for a setting";
        case UsageError::RepeatedOption:
            return "option given more than once";
        case UsageError::OptionNotAllowed:
            return "option is only for the make command";
        case UsageError::CompleteNotAllowed:
            return "option is only for the make and preview commands";
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
                            const ParseContext& context,
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
        } else if (word == kSetOption || StartsWith(word, "--set=")) {
            if (word == kSetOption && i + 1 == words.size()) {
                offending = kSetOption;
                return UsageError::SettingNotKeyValue;
            }
            const std::string& setting = word == kSetOption ? words[++i] : word.substr(sizeof kSetOption);
            const UsageError error = ParseSetting(setting, context, out.settingChanges, offending);
            if (error != UsageError::None)
                return error;
        } else if (word == "--wsz") {
            offending = word;
            if (shape->command != Command::Make)
                return UsageError::OptionNotAllowed;
            if (!context.wszAvailable)
                return UsageError::WszUnavailable;
            if (out.writeWsz)
                return UsageError::RepeatedOption;
            out.writeWsz = true;
        } else if (word == "--complete") {
            offending = word;
            if (shape->command == Command::Settings)
                return UsageError::CompleteNotAllowed;
            if (out.mode == SkinMode::Complete)
                return UsageError::RepeatedOption;
            out.mode = SkinMode::Complete;
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
