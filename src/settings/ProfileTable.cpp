#include "settings/ProfileTable.h"

#include <array>

namespace {

constexpr size_t kEntryCount = 6 + 1 + 13 * 4 + 1 + kVisColorCount * 4 + 8 + 1 + 1;

constexpr ProfileKeyName KeyName(std::string_view first, std::string_view second = {}, int index = -1) {
    ProfileKeyName name;
    for (char c : first)
        name.text[name.length++] = c;
    for (char c : second)
        name.text[name.length++] = c;
    if (index >= 0) {  // two digits, as "%02d"
        name.text[name.length++] = static_cast<char>('0' + index / 10);
        name.text[name.length++] = static_cast<char>('0' + index % 10);
    }
    return name;
}

struct TableBuilder {
    std::array<ProfileEntry, kEntryCount> entries{};
    size_t count = 0;

    constexpr ProfileEntry& Add(ProfileStep step, std::string_view section, ProfileKeyName key, bool written) {
        ProfileEntry& entry = entries[count++];
        entry.step = step;
        entry.section = section;
        entry.key = key;
        entry.written = written;
        return entry;
    }

    constexpr void Integer(std::string_view section,
                           std::string_view key,
                           int32_t SkinSettings::*field,
                           FieldRange range) {
        ProfileEntry& entry = Add(ProfileStep::kInteger, section, KeyName(key), true);
        entry.integer = field;
        entry.range = range;
    }

    constexpr void Flag(std::string_view section, std::string_view key, int32_t SkinSettings::*field) {
        Integer(section, key, field, kFlagRange);
    }

    // Red, green and blue are written; alpha is only read. The key is base + separator + R/G/B/A,
    // then the two-digit index for the VisColor entries.
    constexpr void Color(std::string_view section,
                         std::string_view base,
                         std::string_view separator,
                         SkinColorValue SkinSettings::*field,
                         int visIndex = -1) {
        constexpr struct {
            std::string_view letter;
            uint8_t SkinColorValue::*component;
            bool written;
        } kComponents[] = {
            {"R", &SkinColorValue::red, true},
            {"G", &SkinColorValue::green, true},
            {"B", &SkinColorValue::blue, true},
            {"A", &SkinColorValue::alpha, false},
        };
        for (const auto& c : kComponents) {
            ProfileKeyName key = KeyName(base, separator);
            for (char letter : c.letter)
                key.text[key.length++] = letter;
            if (visIndex >= 0)
                key = KeyName(key.View(), {}, visIndex);
            ProfileEntry& entry = Add(ProfileStep::kColorComponent, section, key, c.written);
            entry.color = field;
            entry.visIndex = visIndex;
            entry.component = c.component;
            entry.range = kColorComponentRange;
        }
    }

    constexpr void Step(ProfileStep step) { Add(step, {}, {}, false); }
};

constexpr TableBuilder BuildTable() {
    TableBuilder t;
    t.Flag("SkinSetting", "FullSize", &SkinSettings::FullSize);
    t.Flag("SkinSetting", "SkinReverse", &SkinSettings::SkinReverse);
    t.Flag("SkinSetting", "SkinLine", &SkinSettings::SkinLine);
    t.Integer("SkinSetting", "SkinAlphaBrend", &SkinSettings::SkinAlphaBrend, kAlphaBrendRange);
    t.Flag("SkinSetting", "PLSave", &SkinSettings::PLSave);
    t.Flag("SkinSetting", "MBSave", &SkinSettings::MBSave);

    t.Add(ProfileStep::kText, "PlFont", KeyName("PlFont"), true);

    t.Color("PlTextColor", "Normal", "_", &SkinSettings::Normal);
    t.Color("PlTextColor", "Current", "_", &SkinSettings::Current);
    t.Color("PlTextColor", "NormalBG", "_", &SkinSettings::NormalBG);
    t.Color("PlTextColor", "SelectedBG", "_", &SkinSettings::SelectedBG);
    t.Color("MbTextColor", "MBFG", "_", &SkinSettings::MBFG);
    t.Color("MbTextColor", "MBBG", "_", &SkinSettings::MBBG);
    t.Color("NumTextColor", "NumNORMAL", "_", &SkinSettings::NumNORMAL);
    t.Color("NumTextColor", "NumNORMALBG", "_", &SkinSettings::NumNORMALBG);
    t.Color("TextColor", "TextNORMAL", "_", &SkinSettings::TextNORMAL);
    t.Color("TextColor", "TextNORMALBG", "_", &SkinSettings::TextNORMALBG);
    t.Color("SkinColor", "Color", "_", &SkinSettings::Color);
    t.Color("SkinColor", "ColorBG", "_", &SkinSettings::ColorBG);
    t.Color("SkinColor", "SideColor", "", &SkinSettings::SideColor);

    t.Step(ProfileStep::kResetKeyColor);

    for (int i = 0; i < static_cast<int>(kVisColorCount); ++i)
        t.Color("VisColor", "VisColor", "", nullptr, i);

    t.Flag("MARON", "Use", &SkinSettings::MaronUse);
    t.Flag("MARON", "Enable", &SkinSettings::Enable);
    t.Flag("MARON", "Peaks", &SkinSettings::Peaks);
    t.Flag("MARON", "Rain", &SkinSettings::Rain);
    t.Flag("MARON", "Bands", &SkinSettings::Bands);
    t.Integer("MARON", "AnalyzerMode", &SkinSettings::AnalyzerMode, kAnalyzerModeRange);
    t.Integer("MARON", "BlendMethod", &SkinSettings::BlendMethod, kBlendMethodRange);
    t.Integer("MARON", "Opacity", &SkinSettings::Opacity, kOpacityRange);

    t.Step(ProfileStep::kValidate);

    t.Flag("SexyFont", "Use", &SkinSettings::SexyFontUse);
    return t;
}

constexpr TableBuilder kTable = BuildTable();
static_assert(kTable.count == kEntryCount);

constexpr size_t CountWritten() {
    size_t n = 0;
    for (const ProfileEntry& entry : kTable.entries)
        n += entry.written ? 1 : 0;
    return n;
}
static_assert(CountWritten() == 127, "a fresh profile holds 127 keys");

}  // namespace

std::span<const ProfileEntry> ProfileTable() {
    return kTable.entries;
}
