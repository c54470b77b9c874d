#include "settings/SettingChange.h"

#include <charconv>
#include <utility>

#include "settings/Cp932Text.h"

std::vector<const ProfileEntry*> FindProfileKeys(std::string_view name) {
    const size_t dot = name.find('.');
    const bool qualified = dot != std::string_view::npos;
    const std::string_view key = qualified ? name.substr(dot + 1) : name;
    std::vector<const ProfileEntry*> found;
    for (const ProfileEntry& entry : ProfileTable()) {
        // The steps without a key (empty names) must not answer an empty name.
        if (entry.key.length == 0 || !cp932::EqualNoCase(entry.key.View(), key))
            continue;
        if (!qualified || cp932::EqualNoCase(entry.section, name.substr(0, dot)))
            found.push_back(&entry);
    }
    return found;
}

std::string QualifiedName(const ProfileEntry& entry) {
    std::string name(entry.section);
    name += '.';
    name += entry.key.View();
    return name;
}

bool ParseSettingValue(const ProfileEntry& entry, std::string_view value, SettingChange& out) {
    SettingChange change;
    change.entry = &entry;
    if (entry.step == ProfileStep::kText) {
        if (value.size() > kPlFontSize - 1 || value.find_first_of(std::string_view("\r\n\0", 3)) != value.npos)
            return false;
        change.text = value;
    } else {
        // Parsed wider than the field, so that a number beyond 32 bits is out of range rather than
        // wrapped around as a profile would read it.
        int64_t number = 0;
        const char* end = value.data() + value.size();
        const auto [stop, error] = std::from_chars(value.data(), end, number);
        if (error != std::errc() || stop != end || !entry.range.Holds(number))
            return false;
        change.number = static_cast<int32_t>(number);
    }
    out = std::move(change);
    return true;
}

void ApplySettingChange(const SettingChange& change, IniFile& profile) {
    const ProfileEntry& entry = *change.entry;
    // Table names and checked values are always storable, so the writes cannot be refused.
    if (entry.step == ProfileStep::kText)
        profile.WriteString(entry.section, entry.key.View(), change.text);
    else
        profile.WriteInt(entry.section, entry.key.View(), change.number);
}
