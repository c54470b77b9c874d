#include "settings/ProfileTarget.h"

#include <utility>

#include "platform/Platform.h"

namespace {

bool SaveProfile(const std::string& path, const IniFile& profile) {
    const std::string text = profile.Text();
    return platform::WriteFileAtomically(path, text.data(), text.size());
}

// Loads, lets `change` edit, and saves when something changed.
template <typename Change>
bool ChangeProfile(const std::string& path, Change change) {
    IniFile profile;
    if (LoadProfile(path, profile) == ProfileLoad::kUnreadable)
        return false;
    if (!change(profile))
        return false;
    return !profile.IsModified() || SaveProfile(path, profile);
}

}  // namespace

ProfileLoad LoadProfile(const std::string& path, IniFile& profile) {
    std::string text;
    if (platform::ReadWholeFile(path, text, kLargestProfileBytes)) {
        profile = IniFile(text);
        return ProfileLoad::kRead;
    }
    profile = IniFile();
    return platform::PathExists(path) ? ProfileLoad::kUnreadable : ProfileLoad::kMissing;
}

int32_t ProfileTarget::ReadInt(std::string_view section, std::string_view key, int32_t defaultValue) const {
    IniFile profile;
    LoadProfile(m_path, profile);
    return profile.ReadInt(section, key, defaultValue);
}

std::string ProfileTarget::ReadString(std::string_view section,
                                      std::string_view key,
                                      std::string_view defaultValue) const {
    IniFile profile;
    LoadProfile(m_path, profile);
    return profile.ReadString(section, key, defaultValue);
}

bool ProfileTarget::WriteInt(std::string_view section, std::string_view key, int32_t value) const {
    return ChangeProfile(m_path, [&](IniFile& profile) { return profile.WriteInt(section, key, value); });
}

bool ProfileTarget::WriteString(std::string_view section, std::string_view key, std::string_view value) const {
    return ChangeProfile(m_path, [&](IniFile& profile) { return profile.WriteString(section, key, value); });
}

ProfileBatch::ProfileBatch(const ProfileTarget& target) : m_path(target.Path()) {
    m_load = LoadProfile(m_path, m_profile);
}

bool ProfileBatch::Commit() {
    if (!m_profile.IsModified())
        return true;
    if (m_load == ProfileLoad::kUnreadable || !SaveProfile(m_path, m_profile))
        return false;
    m_profile.MarkSaved();
    m_load = ProfileLoad::kRead;
    return true;
}
