// Every setting a profile stores, declared once: the read procedure walks this table from the first
// entry to the last, the write procedure writes its "written" entries in the same order (which is
// therefore the order of the sections and keys of a fresh profile). Defaults are not repeated here:
// a key that is missing gives the field's value in SettingsDefaults.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "settings/SkinSettings.h"

enum class ProfileStep : uint8_t {
    kInteger,         // an integer field, taken as read
    kText,            // the playlist font name
    kColorComponent,  // one byte of a colour; keeps the low 8 bits of the integer read
    kResetKeyColor,   // no key: KeyColor is never stored, every load sets it to its default
    kValidate,        // no key: the range repair of SkinSettings::ValidateLoaded
};

struct ProfileKeyName {
    char text[16] = {};
    size_t length = 0;

    constexpr std::string_view View() const { return {text, length}; }
};

struct ProfileEntry {
    ProfileStep step = ProfileStep::kInteger;
    std::string_view section;
    ProfileKeyName key;
    bool written = false;
    int32_t SkinSettings::*integer = nullptr;       // kInteger
    SkinColorValue SkinSettings::*color = nullptr;  // kColorComponent, unless visIndex names the colour
    int visIndex = -1;                              // kColorComponent: index into VisColor, or -1
    uint8_t SkinColorValue::*component = nullptr;   // kColorComponent
    FieldRange range;                               // kInteger, kColorComponent: the values meant
};

// The entries in read order.
std::span<const ProfileEntry> ProfileTable();

// The colour a kColorComponent entry refers to; Settings is SkinSettings or const SkinSettings.
template <typename Settings>
auto& ColorOf(Settings& settings, const ProfileEntry& entry) {
    return entry.visIndex >= 0 ? settings.VisColor[static_cast<size_t>(entry.visIndex)] : settings.*entry.color;
}
