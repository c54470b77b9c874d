#include "dialogs/SkinCtrlPPage1.h"

#include "dialogs/MainEqPageRes.h"
#include "dialogs/VisColorDlg.h"

namespace {

// Entry n of the opacity combo stands for n x 10 %, as SkinAlphaBrend counts tenths.
constexpr const char* kOpacityEntries[] = {"  0%", " 10%", " 20%", " 30%", " 40%", " 50%",
                                           " 60%", " 70%", " 80%", " 90%", "100%"};

using After = CSettingsPage::After;

// The stacked layout exists only for the full-size skin.
constexpr UINT kFullSizeEnables[] = {IDC_MAINEQ_SKIN_REVERSE};

constexpr CSettingsPage::CheckBox kCheckBoxes[] = {
    {IDC_MAINEQ_FULL_SIZE, &SkinSettings::FullSize, After::kRecompose, kFullSizeEnables},
    {IDC_MAINEQ_SKIN_REVERSE, &SkinSettings::SkinReverse, After::kRecompose},
    {IDC_MAINEQ_SKIN_LINE, &SkinSettings::SkinLine, After::kRecompose},
};

// The base, frame and text colours are template markers.
constexpr CSettingsPage::ColorButton kColorButtons[] = {
    {IDC_MAINEQ_COLOR, &SkinSettings::Color, true},           {IDC_MAINEQ_COLOR_BG, &SkinSettings::ColorBG, true},
    {IDC_MAINEQ_TEXT, &SkinSettings::TextNORMAL, true},       {IDC_MAINEQ_TEXT_BG, &SkinSettings::TextNORMALBG, false},
    {IDC_MAINEQ_NUM, &SkinSettings::NumNORMAL, false},        {IDC_MAINEQ_NUM_BG, &SkinSettings::NumNORMALBG, false},
    {IDC_MAINEQ_SIDE_COLOR, &SkinSettings::SideColor, false},
};

constexpr CSettingsPage::DropDown kDropDowns[] = {
    {IDC_MAINEQ_OPACITY, &SkinSettings::SkinAlphaBrend, After::kRecompose, kOpacityEntries},
};

constexpr CSettingsPage::Bindings kBindings = {
    CSettingsPage::kOnInitAndActivation, kCheckBoxes, kColorButtons, kDropDowns, IDC_MAINEQ_RESET,
    &SkinSettings::ResetMainEq,          true};

}  // namespace

CSkinCtrlPPage1::CSkinCtrlPPage1(SettingsHooks& hooks) : CSettingsPage(IDD_PAGE_MAIN_EQ, hooks, kBindings) {}

bool CSkinCtrlPPage1::OnPageClick(UINT id) {
    if (id != IDC_MAINEQ_VIS_COLORS)
        return false;
    // The visualization colours reach only VISCOLOR.TXT: nothing to recompose.
    EditVisColors(m_hWnd, m_hooks.Settings().VisColor);
    return true;
}
