// The skin settings in a profile: the read and write procedures, and whole-file loading and saving
// for the command line.
#pragma once

#include <string>

#include "settings/IniFile.h"
#include "settings/ProfileTarget.h"
#include "settings/SkinSettings.h"

// Replaces every field from the profile; a missing key gives the field's default. KeyColor is set
// to its default and the MARON ranges are repaired (SkinSettings::ValidateLoaded).
void ReadSkinSettings(const IniFile& profile, SkinSettings& settings);
// Loads the target once; a missing or unreadable file gives the defaults.
void ReadSkinSettings(const ProfileTarget& target, SkinSettings& settings);

// Writes every stored key in table order, leaving the rest of the profile as it was. False when a
// value could not be stored (a font name with a line break); the other keys are written anyway.
bool WriteSkinSettings(IniFile& profile, const SkinSettings& settings);
// Loads the target once and saves it once; false when any key could not be written or the file
// could not be read or saved (it then stays as it was).
bool WriteSkinSettings(const ProfileTarget& target, const SkinSettings& settings);

// A missing file gives the defaults; false (out unchanged) only when the file exists but cannot be
// read.
bool LoadSkinSettingsFile(const std::string& path, SkinSettings& out);
// Writes the settings into the file (created when missing, other sections kept), atomically.
bool SaveSkinSettingsFile(const std::string& path, const SkinSettings& in);
