#include "settings/Profile.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "settings/Cp932Text.h"
#include "settings/ProfileTable.h"

namespace {

// The stored font name: up to the terminating zero, and never more than 255 bytes.
std::string_view FontName(const SkinSettings& settings) {
    const char* begin = settings.PlFont;
    const char* end = std::find(begin, begin + kPlFontSize - 1, '\0');
    return std::string_view(begin, static_cast<size_t>(end - begin));
}

// Copies a font name into the field, cut to 255 bytes and at a zero byte, which ends the text of
// the field anyway. The cut never splits a double-byte character: a lone lead byte at the end
// would change the name and swallow the terminator when the name is shown.
void StoreFontName(std::string_view name, SkinSettings& settings) {
    name = name.substr(0, name.find('\0'));
    const size_t length = cp932::FittingLength(name, kPlFontSize - 1);
    std::memset(settings.PlFont, 0, sizeof settings.PlFont);
    std::memcpy(settings.PlFont, name.data(), length);
}

}  // namespace

void ReadSkinSettings(const IniFile& profile, SkinSettings& settings) {
    for (const ProfileEntry& entry : ProfileTable()) {
        const std::string_view section = entry.section;
        const std::string_view key = entry.key.View();
        switch (entry.step) {
            case ProfileStep::kInteger:
                settings.*entry.integer = profile.ReadInt(section, key, SettingsDefaults.*entry.integer);
                break;
            case ProfileStep::kText:
                StoreFontName(profile.ReadString(section, key, FontName(SettingsDefaults)), settings);
                break;
            case ProfileStep::kColorComponent: {
                const uint8_t fallback = ColorOf(SettingsDefaults, entry).*entry.component;
                // Only the low 8 bits of the integer are kept: 256 reads as 0, 300 as 44.
                ColorOf(settings, entry).*entry.component =
                    static_cast<uint8_t>(profile.ReadInt(section, key, fallback));
                break;
            }
            case ProfileStep::kResetKeyColor:
                settings.KeyColor = SettingsDefaults.KeyColor;
                break;
            case ProfileStep::kValidate:
                settings.ValidateLoaded();
                break;
        }
    }
}

void ReadSkinSettings(const ProfileTarget& target, SkinSettings& settings) {
    IniFile profile;
    LoadProfile(target.Path(), profile);
    ReadSkinSettings(profile, settings);
}

bool WriteSkinSettings(IniFile& profile, const SkinSettings& settings) {
    bool stored = true;
    for (const ProfileEntry& entry : ProfileTable()) {
        if (!entry.written)
            continue;
        const std::string_view section = entry.section;
        const std::string_view key = entry.key.View();
        switch (entry.step) {
            case ProfileStep::kInteger:
                stored = profile.WriteInt(section, key, settings.*entry.integer) && stored;
                break;
            case ProfileStep::kText:
                stored = profile.WriteString(section, key, FontName(settings)) && stored;
                break;
            case ProfileStep::kColorComponent:
                stored = profile.WriteInt(section, key, ColorOf(settings, entry).*entry.component) && stored;
                break;
            case ProfileStep::kResetKeyColor:
            case ProfileStep::kValidate:
                break;
        }
    }
    return stored;
}

bool WriteSkinSettings(const ProfileTarget& target, const SkinSettings& settings) {
    ProfileBatch batch(target);
    const bool stored = WriteSkinSettings(batch.Profile(), settings);
    return batch.Commit() && stored;
}

bool LoadSkinSettingsFile(const std::string& path, SkinSettings& out) {
    IniFile profile;
    if (LoadProfile(path, profile) == ProfileLoad::kUnreadable)
        return false;
    ReadSkinSettings(profile, out);
    return true;
}

bool SaveSkinSettingsFile(const std::string& path, const SkinSettings& in) {
    return WriteSkinSettings(ProfileTarget(path), in);
}
