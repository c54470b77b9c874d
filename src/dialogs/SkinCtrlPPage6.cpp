#include "dialogs/SkinCtrlPPage6.h"

#include <commctrl.h>

#include <cstdio>

#include "dialogs/MaronPageRes.h"

namespace {

using After = CSettingsPage::After;

// Everything on the page but the "MARON" switch and the reset: greyed while MARON is not used.
constexpr UINT kOptions[] = {IDC_MARON_ENABLE, IDC_MARON_PEAKS,   IDC_MARON_RAIN, IDC_MARON_ANALYZER,
                             IDC_MARON_BLEND,  IDC_MARON_OPACITY, IDC_MARON_BANDS};

// These options only reach MARON.TXT: nothing to recompose.
constexpr CSettingsPage::CheckBox kCheckBoxes[] = {
    {IDC_MARON_USE, &SkinSettings::MaronUse, After::kRefresh, kOptions},
    {IDC_MARON_ENABLE, &SkinSettings::Enable, After::kNothing},
    {IDC_MARON_PEAKS, &SkinSettings::Peaks, After::kNothing},
    {IDC_MARON_BANDS, &SkinSettings::Bands, After::kNothing},
    {IDC_MARON_RAIN, &SkinSettings::Rain, After::kNothing},
};

// The entry index is the value of the field.
constexpr const char* kAnalyzerModes[] = {"Normal", "Fire", "lines"};
constexpr const char* kBlendMethods[] = {"中間(mix)", "加算(add)", "減算(sub)"};

constexpr CSettingsPage::DropDown kDropDowns[] = {
    {IDC_MARON_ANALYZER, &SkinSettings::AnalyzerMode, After::kNothing, kAnalyzerModes},
    {IDC_MARON_BLEND, &SkinSettings::BlendMethod, After::kNothing, kBlendMethods},
};

constexpr CSettingsPage::Bindings kBindings = {
    CSettingsPage::kOnInitAndActivation, kCheckBoxes, {}, kDropDowns, IDC_MARON_RESET,
    &SkinSettings::ResetMaron,           false};

constexpr int kOpacityTickStep = 10;

}  // namespace

CSkinCtrlPPage6::CSkinCtrlPPage6(SettingsHooks& hooks) : CSettingsPage(IDD_PAGE_MARON, hooks, kBindings) {}

void CSkinCtrlPPage6::InitPageControls() {
    m_hOpacity = ::GetDlgItem(m_hWnd, IDC_MARON_OPACITY);
    ::SendMessageA(m_hOpacity, TBM_SETRANGE, TRUE, MAKELPARAM(kOpacityRange.lowest, kOpacityRange.highest));
    ::SendMessageA(m_hOpacity, TBM_SETTICFREQ, kOpacityTickStep, 0);
    ::SendMessageA(m_hOpacity, TBM_SETPAGESIZE, 0, 1);
}

void CSkinCtrlPPage6::RefreshPageControls(const SkinSettings& s) {
    ::SendMessageA(m_hOpacity, TBM_SETPOS, TRUE, s.Opacity);
    // Painted again even at the same position, so that the label shows it.
    ::InvalidateRect(m_hOpacity, nullptr, TRUE);
}

bool CSkinCtrlPPage6::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_MARON_OPACITY || header.code != static_cast<UINT>(NM_CUSTOMDRAW))
        return false;
    OnOpacityDrawn();
    result = CDRF_DODEFAULT;
    return true;
}

void CSkinCtrlPPage6::OnOpacityDrawn() {
    const int position = static_cast<int>(::SendMessageA(m_hOpacity, TBM_GETPOS, 0, 0));
    m_hooks.Settings().Opacity = position;
    char text[16];
    std::snprintf(text, sizeof text, "%d", position);
    SetItemText(IDC_MARON_OPACITY_TEXT, text);
}
