// The two settings-profile commands: load the skin settings from a chosen .INI file, or save them
// into one. The profile functions point at the chosen file for that one read or write only.
#pragma once

#include <windows.h>

void LoadSettingsProfile(HWND owner);
void SaveSettingsProfile(HWND owner);
