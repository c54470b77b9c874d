#include "dialogs/SkinCtrlPPage1.h"

#include "dialogs/MainEqPageRes.h"
#include "dialogs/PickColor.h"
#include "dialogs/VisColorDlg.h"

namespace {

// Entry n of the opacity combo stands for n x 10 %, as SkinAlphaBrend counts tenths.
constexpr const char* kOpacityEntries[] = {"  0%", " 10%", " 20%", " 30%", " 40%", " 50%",
                                           " 60%", " 70%", " 80%", " 90%", "100%"};

// The colour buttons; the base, frame and text colours are template markers.
constexpr struct {
    UINT id;
    SkinColorValue SkinSettings::*color;
    bool marker;
} kColorButtons[] = {
    {IDC_MAINEQ_COLOR, &SkinSettings::Color, true},           {IDC_MAINEQ_COLOR_BG, &SkinSettings::ColorBG, true},
    {IDC_MAINEQ_TEXT, &SkinSettings::TextNORMAL, true},       {IDC_MAINEQ_TEXT_BG, &SkinSettings::TextNORMALBG, false},
    {IDC_MAINEQ_NUM, &SkinSettings::NumNORMAL, false},        {IDC_MAINEQ_NUM_BG, &SkinSettings::NumNORMALBG, false},
    {IDC_MAINEQ_SIDE_COLOR, &SkinSettings::SideColor, false},
};

}  // namespace

CSkinCtrlPPage1::CSkinCtrlPPage1(SettingsHooks& hooks) : PropertyPage(IDD_PAGE_MAIN_EQ), m_hooks(hooks) {}

bool CSkinCtrlPPage1::OnInitDialog() {
    HWND combo = ::GetDlgItem(m_hWnd, IDC_MAINEQ_OPACITY);
    for (const char* entry : kOpacityEntries)
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    Refresh();
    return true;
}

bool CSkinCtrlPPage1::OnSetActive() {
    Refresh();
    return true;
}

void CSkinCtrlPPage1::Refresh() {
    if (!m_hWnd)
        return;
    m_bRefreshing = true;
    const SkinSettings& s = m_hooks.Settings();
    SetChecked(IDC_MAINEQ_FULL_SIZE, s.FullSize != 0);
    SetChecked(IDC_MAINEQ_SKIN_REVERSE, s.SkinReverse != 0);
    SetChecked(IDC_MAINEQ_SKIN_LINE, s.SkinLine != 0);
    EnableItem(IDC_MAINEQ_SKIN_REVERSE, s.FullSize != 0);
    // A value outside the entries (a hand-edited profile) leaves the combo without a selection.
    ::SendDlgItemMessageA(m_hWnd, IDC_MAINEQ_OPACITY, CB_SETCURSEL, static_cast<WPARAM>(s.SkinAlphaBrend), 0);
    m_bRefreshing = false;
}

bool CSkinCtrlPPage1::OnCommand(UINT id, UINT code, HWND) {
    if (m_bRefreshing)
        return false;
    SkinSettings& s = m_hooks.Settings();
    if (id == IDC_MAINEQ_OPACITY) {
        if (code != CBN_SELCHANGE)
            return false;
        const LRESULT index = ::SendDlgItemMessageA(m_hWnd, IDC_MAINEQ_OPACITY, CB_GETCURSEL, 0, 0);
        if (index == CB_ERR)
            return true;
        s.SkinAlphaBrend = static_cast<int32_t>(index);
        m_hooks.RecomposeAndRedraw();
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    for (const auto& button : kColorButtons) {
        if (button.id == id) {
            PickSettingColor(m_hWnd, m_hooks, s.*button.color, button.marker);
            return true;
        }
    }
    switch (id) {
        case IDC_MAINEQ_FULL_SIZE:
        case IDC_MAINEQ_SKIN_REVERSE:
        case IDC_MAINEQ_SKIN_LINE:
            OnFlagClicked(id);
            return true;
        case IDC_MAINEQ_VIS_COLORS:
            // The visualization colours reach only VISCOLOR.TXT: nothing to recompose.
            EditVisColors(m_hWnd, s.VisColor);
            return true;
        case IDC_MAINEQ_RESET:
            OnReset();
            return true;
        default:
            return false;
    }
}

void CSkinCtrlPPage1::OnFlagClicked(UINT id) {
    SkinSettings& s = m_hooks.Settings();
    const int32_t ticked = CheckState(id);
    if (id == IDC_MAINEQ_FULL_SIZE) {
        s.FullSize = ticked;
        EnableItem(IDC_MAINEQ_SKIN_REVERSE, ticked != 0);
    } else if (id == IDC_MAINEQ_SKIN_REVERSE) {
        s.SkinReverse = ticked;
    } else {
        s.SkinLine = ticked;
    }
    m_hooks.RecomposeAndRedraw();
}

void CSkinCtrlPPage1::OnReset() {
    m_hooks.Settings().ResetMainEq();
    Refresh();
    m_hooks.RebuildTemplates();
    m_hooks.RecomposeAndRedraw();
}
