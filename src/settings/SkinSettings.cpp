#include "settings/SkinSettings.h"

#include <cstring>

// Constant-initialised, so other files may use it while their own statics are set up.
constinit const SkinSettings SettingsDefaults{};

void SkinSettings::ResetMainEq() {
    const SkinSettings& d = SettingsDefaults;
    FullSize = d.FullSize;
    SkinReverse = d.SkinReverse;
    SkinLine = d.SkinLine;
    SkinAlphaBrend = d.SkinAlphaBrend;
    SideColor = d.SideColor;
    NumNORMAL = d.NumNORMAL;
    NumNORMALBG = d.NumNORMALBG;
    TextNORMAL = d.TextNORMAL;
    TextNORMALBG = d.TextNORMALBG;
    Color = d.Color;
    ColorBG = d.ColorBG;
    VisColor = d.VisColor;
}

void SkinSettings::ResetPlaylistMb() {
    const SkinSettings& d = SettingsDefaults;
    PLSave = d.PLSave;
    MBSave = d.MBSave;
    Normal = d.Normal;
    Current = d.Current;
    NormalBG = d.NormalBG;
    SelectedBG = d.SelectedBG;
    MBBG = d.MBBG;
    MBFG = d.MBFG;
    std::memcpy(PlFont, d.PlFont, sizeof PlFont);
}

void SkinSettings::ResetSexyFont() {
    SexyFontUse = SettingsDefaults.SexyFontUse;
}

void SkinSettings::ResetMaron() {
    const SkinSettings& d = SettingsDefaults;
    MaronUse = d.MaronUse;
    Enable = d.Enable;
    Peaks = d.Peaks;
    Rain = d.Rain;
    Bands = d.Bands;
    AnalyzerMode = d.AnalyzerMode;
    BlendMethod = d.BlendMethod;
    Opacity = d.Opacity;
}

void SkinSettings::ValidateLoaded() {
    if (!kAnalyzerModeRange.Holds(AnalyzerMode))
        AnalyzerMode = SettingsDefaults.AnalyzerMode;
    if (!kBlendMethodRange.Holds(BlendMethod))
        BlendMethod = SettingsDefaults.BlendMethod;
    if (!kOpacityRange.Holds(Opacity))
        Opacity = SettingsDefaults.Opacity;
}

uint32_t ToColorRef(const SkinColorValue& color) {
    return uint32_t{color.red} | uint32_t{color.green} << 8 | uint32_t{color.blue} << 16;
}

void FromColorRef(SkinColorValue& color, uint32_t colorRef) {
    color.red = static_cast<uint8_t>(colorRef & 0xFF);
    color.green = static_cast<uint8_t>((colorRef >> 8) & 0xFF);
    color.blue = static_cast<uint8_t>((colorRef >> 16) & 0xFF);
}
