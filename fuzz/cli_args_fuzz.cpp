// libFuzzer target for the command line's words and its --set values: the input is the words,
// separated by NUL bytes, after one byte that picks the archive writer's presence and the
// terminal's charset. Every --set change of an accepted line, written into a profile, reads back
// exactly as the same KEY=VALUE line of a hand-written profile does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static const char* const kCharsets[] = {"UTF-8", "CP932", "ISO-8859-1", "EUC-JP"};
    const ParseContext context{(data[0] & 1) != 0, kCharsets[(data[0] >> 1) & 3]};
    std::vector<std::string> words(1);
    for (size_t i = 1; i < size; ++i) {
        if (data[i] == 0)
            words.emplace_back();
        else
            words.back() += static_cast<char>(data[i]);
    }

    CommandLine line;
    std::string offending;
    if (ParseCommandLine(words, context, line, offending) != UsageError::None)
        return 0;
    if (line.writeWsz && (!context.wszAvailable || line.command != Command::Make))
        std::abort();
    for (const SettingChange& change : line.settingChanges) {
        if (change.entry == nullptr)
            std::abort();
        IniFile profile;
        ApplySettingChange(change, profile);
        const bool text = change.entry->step == ProfileStep::kText;
        const std::string section(change.entry->section), key(change.entry->key.View());
        const IniFile written("[" + section + "]\r\n" + key + "=" +
                              (text ? change.text : std::to_string(change.number)));
        if (text ? profile.ReadString(section, key, "\x01") != written.ReadString(section, key, "\x02")
                 : profile.ReadInt(section, key, change.number + 1) != change.number)
            std::abort();
    }
    return 0;
}
