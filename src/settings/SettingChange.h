// One profile key given a value from outside any profile, as the command line's --set KEY=VALUE
// gives it: the key is found by its name, the value is checked against the field's type and range,
// and the change is written into the profile before the settings are read from it, so that it acts
// exactly as a line of that profile would.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/IniFile.h"
#include "settings/ProfileTable.h"

struct SettingChange {
    const ProfileEntry* entry = nullptr;
    int32_t number = 0;  // integer and colour keys
    std::string text;    // the font name, in code page 932
};

// Every key that `name` can mean: "Key" names the key in whichever section has it, "Section.Key"
// the one in that section. Names match without regard to the case of ASCII letters, as they do in
// a profile.
std::vector<const ProfileEntry*> FindProfileKeys(std::string_view name);

// "MARON.Use": the name that means this key alone.
std::string QualifiedName(const ProfileEntry& entry);

// Checks the value for the key: an integer key takes a decimal integer (an optional minus sign,
// then digits, nothing else) within its field's range; the font name takes up to 255 bytes of code
// page 932 text on one line (empty: no font). False, `out` unchanged, when the field does not take it.
bool ParseSettingValue(const ProfileEntry& entry, std::string_view value, SettingChange& out);

// Writes the checked change into the profile, replacing the key's line or adding it.
void ApplySettingChange(const SettingChange& change, IniFile& profile);
