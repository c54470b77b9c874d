// The skin settings in profiles: the read that every settings page follows, and the two commands
// that load the settings from a chosen .INI file or save them into one. A chosen file is handed to
// the read or write as its target; the application's own profile is never repointed.
#pragma once

#include <windows.h>

#include "settings/ProfileTarget.h"

// Replaces the settings from `target` and shows them on every settings page.
void LoadSkinSettings(const ProfileTarget& target);

void LoadSettingsProfile(HWND owner);
void SaveSettingsProfile(HWND owner);
