// Profile access against a file on disk: the program's own INI file or a profile the user chose.
//
// ProfileTarget works call by call like the system's private-profile functions: every read loads
// the file, every write loads it, changes one key and saves it. ProfileBatch loads once, serves any
// number of reads and writes from memory and saves once, for the many keys written at exit.
//
// Saving always goes through a temporary file in the same folder that then replaces the profile,
// so a crash or a full disk leaves the old profile whole. A profile that exists but cannot be read
// is never overwritten: writing to it fails.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/IniFile.h"

enum class ProfileLoad : uint8_t {
    kRead,        // the file was read
    kMissing,     // no file of that name: an empty profile
    kUnreadable,  // the file exists but could not be read: an empty profile that must not be saved
};

// Loads the profile at path into `profile` (empty unless kRead).
ProfileLoad LoadProfile(const std::string& path, IniFile& profile);

// A real profile holds a few kilobytes; a file larger than this is not one and is not read (as
// one that cannot be read), so that a device or a runaway file cannot fill the memory.
inline constexpr uint64_t kLargestProfileBytes = uint64_t(16) << 20;

class ProfileTarget {
  public:
    ProfileTarget() = default;
    explicit ProfileTarget(std::string path) : m_path(std::move(path)) {}

    // Points the target at another file.
    void SetPath(std::string path) { m_path = std::move(path); }
    const std::string& Path() const { return m_path; }

    // A missing or unreadable file, section or key gives the default.
    int32_t ReadInt(std::string_view section, std::string_view key, int32_t defaultValue) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

    // True when the file holds the value afterwards; false (the file as it was) when the name or
    // value cannot be stored, the file exists but cannot be read, or it cannot be saved.
    bool WriteInt(std::string_view section, std::string_view key, int32_t value) const;
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) const;

  private:
    std::string m_path;
};

class ProfileBatch {
  public:
    explicit ProfileBatch(const ProfileTarget& target);

    ProfileLoad LoadResult() const { return m_load; }
    IniFile& Profile() { return m_profile; }
    const IniFile& Profile() const { return m_profile; }

    // Saves the changes made through Profile(); true when there was nothing to save or the file
    // was replaced. False, with the file as it was, when it could not be read or saved.
    bool Commit();

  private:
    std::string m_path;
    IniFile m_profile;
    ProfileLoad m_load;
};
