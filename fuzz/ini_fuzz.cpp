// Feeds arbitrary bytes to the INI engine and the skin settings read and write procedures.
//
// Input: profile text, then optionally a zero byte and write operations separated by 0x01 bytes
// (section, key, value, section, key, value, ...).
//
// Checked: the text comes back byte for byte; an accepted write reads back (without surrounding
// blanks) also after re-parsing, a refused write changes nothing, writing the same value again
// changes nothing, and other keys keep their values; settings read from any profile, written back
// and read again are the same settings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/IniFile.h"
#include "settings/Profile.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\v\f";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t at; (at = text.find(separator, start)) != std::string_view::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

std::optional<std::string> Copy(std::optional<std::string_view> value) {
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

void CheckSettingsRoundTrip(IniFile& profile) {
    SkinSettings first;
    ReadSkinSettings(profile, first);
    const std::string_view font(first.PlFont);
    // A name in matching quotes is written as it is and read back without them, as by the system.
    if (UnquoteProfileValue(font) != font)
        return;
    const bool written = WriteSkinSettings(profile, first);
    Check(written || font.find('\r') != std::string_view::npos);
    SkinSettings second;
    ReadSkinSettings(profile, second);
    Check(second == first);
    SkinSettings reparsed;
    ReadSkinSettings(IniFile(profile.Text()), reparsed);
    Check(reparsed == first);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string_view text = input.substr(0, split);
    const std::string_view operations = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    IniFile ini(text);
    Check(ini.Text() == text);

    std::vector<std::string_view> parts =
        operations.empty() ? std::vector<std::string_view>() : Split(operations, '\x01');
    for (size_t i = 0; i + 2 < parts.size(); i += 3) {
        const std::string_view section = parts[i];
        const std::string_view key = parts[i + 1];
        const std::string_view value = parts[i + 2];
        // A probe of another key (the next operation's, if any) that must survive this write.
        const std::string_view otherSection = i + 3 < parts.size() ? parts[i + 3] : section;
        const std::string_view otherKey = i + 4 < parts.size() ? parts[i + 4] : std::string_view("x");
        const std::optional<std::string> otherBefore = Copy(ini.Find(otherSection, otherKey));
        (void)ini.ReadInt(section, key, 7);

        const std::string before = ini.Text();
        IniFile probe(before);
        if (!ini.WriteString(section, key, value)) {
            Check(ini.Text() == before);
            continue;
        }
        Check(Copy(ini.Find(section, key)) == std::string(TrimBlanks(value)));
        IniFile reparsed(ini.Text());
        Check(Copy(reparsed.Find(section, key)) == std::string(TrimBlanks(value)));
        Check(reparsed.WriteString(section, key, value) && !reparsed.IsModified());

        // The written key itself may be the probe (names match without regard to case).
        probe.WriteString(section, key, value);
        Check(Copy(ini.Find(otherSection, otherKey)) == Copy(probe.Find(otherSection, otherKey)));
        if (Copy(ini.Find(otherSection, otherKey)) != otherBefore)
            Check(Copy(ini.Find(otherSection, otherKey)) == std::string(TrimBlanks(value)));
    }

    CheckSettingsRoundTrip(ini);
    return 0;
}
