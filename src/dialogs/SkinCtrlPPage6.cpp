#include "dialogs/SkinCtrlPPage6.h"

#include <commctrl.h>

#include <cstdio>
#include <iterator>

#include "dialogs/MaronPageRes.h"

namespace {

constexpr struct {
    UINT id;
    int32_t SkinSettings::*flag;
} kFlags[] = {
    {IDC_MARON_ENABLE, &SkinSettings::Enable},
    {IDC_MARON_PEAKS, &SkinSettings::Peaks},
    {IDC_MARON_BANDS, &SkinSettings::Bands},
    {IDC_MARON_RAIN, &SkinSettings::Rain},
};

// The entry index is the value of the field.
constexpr const char* kAnalyzerModes[] = {"Normal", "Fire", "lines"};
constexpr const char* kBlendMethods[] = {"中間(mix)", "加算(add)", "減算(sub)"};

constexpr struct {
    UINT id;
    int32_t SkinSettings::*field;
} kCombos[] = {
    {IDC_MARON_ANALYZER, &SkinSettings::AnalyzerMode},
    {IDC_MARON_BLEND, &SkinSettings::BlendMethod},
};

// Everything on the page but the "MARON" switch and the reset: greyed while MARON is not used.
constexpr UINT kOptions[] = {IDC_MARON_ENABLE, IDC_MARON_PEAKS,   IDC_MARON_RAIN, IDC_MARON_ANALYZER,
                             IDC_MARON_BLEND,  IDC_MARON_OPACITY, IDC_MARON_BANDS};

constexpr int kOpacityTickStep = 10;

void FillCombo(HWND combo, const char* const* entries, size_t count) {
    for (size_t i = 0; i < count; ++i)
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entries[i]));
}

}  // namespace

CSkinCtrlPPage6::CSkinCtrlPPage6(SettingsHooks& hooks) : PropertyPage(IDD_PAGE_MARON), m_hooks(hooks) {}

bool CSkinCtrlPPage6::OnInitDialog() {
    FillCombo(::GetDlgItem(m_hWnd, IDC_MARON_ANALYZER), kAnalyzerModes, std::size(kAnalyzerModes));
    FillCombo(::GetDlgItem(m_hWnd, IDC_MARON_BLEND), kBlendMethods, std::size(kBlendMethods));
    m_hOpacity = ::GetDlgItem(m_hWnd, IDC_MARON_OPACITY);
    ::SendMessageA(m_hOpacity, TBM_SETRANGE, TRUE, MAKELPARAM(kOpacityRange.lowest, kOpacityRange.highest));
    ::SendMessageA(m_hOpacity, TBM_SETTICFREQ, kOpacityTickStep, 0);
    ::SendMessageA(m_hOpacity, TBM_SETPAGESIZE, 0, 1);
    Refresh();
    return true;
}

bool CSkinCtrlPPage6::OnSetActive() {
    Refresh();
    return true;
}

void CSkinCtrlPPage6::Refresh() {
    if (!m_hWnd)
        return;
    m_bRefreshing = true;
    const SkinSettings& s = m_hooks.Settings();
    SetChecked(IDC_MARON_USE, s.MaronUse != 0);
    for (const auto& flag : kFlags)
        SetChecked(flag.id, s.*flag.flag != 0);
    for (UINT id : kOptions)
        EnableItem(id, s.MaronUse != 0);
    for (const auto& combo : kCombos)
        ::SendDlgItemMessageA(m_hWnd, combo.id, CB_SETCURSEL, static_cast<WPARAM>(s.*combo.field), 0);
    ::SendMessageA(m_hOpacity, TBM_SETPOS, TRUE, s.Opacity);
    // Painted again even at the same position, so that the label shows it.
    ::InvalidateRect(m_hOpacity, nullptr, TRUE);
    m_bRefreshing = false;
}

// These options only reach MARON.TXT: nothing to recompose.
bool CSkinCtrlPPage6::OnCommand(UINT id, UINT code, HWND) {
    if (m_bRefreshing)
        return false;
    SkinSettings& s = m_hooks.Settings();
    for (const auto& combo : kCombos) {
        if (combo.id != id)
            continue;
        if (code != CBN_SELCHANGE)
            return false;
        const LRESULT index = ::SendDlgItemMessageA(m_hWnd, id, CB_GETCURSEL, 0, 0);
        if (index != CB_ERR)
            s.*combo.field = static_cast<int32_t>(index);
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    for (const auto& flag : kFlags) {
        if (flag.id == id) {
            s.*flag.flag = CheckState(id);
            return true;
        }
    }
    switch (id) {
        case IDC_MARON_USE:
            s.MaronUse = CheckState(id);
            Refresh();
            return true;
        case IDC_MARON_RESET:
            s.ResetMaron();
            Refresh();
            return true;
        default:
            return false;
    }
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
