#include "settings/SkinSettings.h"

#include <algorithm>
#include <iterator>
#include <type_traits>

// Constant-initialised, so other files may use it while their own statics are set up.
constinit const SkinSettings SettingsDefaults{};

namespace {

template <typename T>
void Restore(T& field, const T& value) {
    if constexpr (std::is_array_v<T>)
        std::copy(std::begin(value), std::end(value), std::begin(field));
    else
        field = value;
}

// Copies the named fields of `settings` from SettingsDefaults.
template <typename... Fields>
void RestoreDefaults(SkinSettings& settings, Fields SkinSettings::*... fields) {
    (Restore(settings.*fields, SettingsDefaults.*fields), ...);
}

using S = SkinSettings;

}  // namespace

void SkinSettings::ResetMainEq() {
    RestoreDefaults(*this, &S::FullSize, &S::SkinReverse, &S::SkinLine, &S::SkinAlphaBrend, &S::SideColor,
                    &S::NumNORMAL, &S::NumNORMALBG, &S::TextNORMAL, &S::TextNORMALBG, &S::Color, &S::ColorBG,
                    &S::VisColor);
}

void SkinSettings::ResetPlaylistMb() {
    RestoreDefaults(*this, &S::PLSave, &S::MBSave, &S::Normal, &S::Current, &S::NormalBG, &S::SelectedBG, &S::MBBG,
                    &S::MBFG, &S::PlFont);
}

void SkinSettings::ResetSexyFont() {
    RestoreDefaults(*this, &S::SexyFontUse);
}

void SkinSettings::ResetMaron() {
    RestoreDefaults(*this, &S::MaronUse, &S::Enable, &S::Peaks, &S::Rain, &S::Bands, &S::AnalyzerMode, &S::BlendMethod,
                    &S::Opacity);
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
