#include "dialogs/SkinCtrlPPage5.h"

#include "dialogs/SexyFontPageRes.h"

CSkinCtrlPPage5::CSkinCtrlPPage5(SettingsHooks& hooks) : PropertyPage(IDD_PAGE_SEXYFONT), m_hooks(hooks) {}

bool CSkinCtrlPPage5::OnInitDialog() {
    Refresh();
    return true;
}

void CSkinCtrlPPage5::Refresh() {
    if (!m_hWnd)
        return;
    m_bRefreshing = true;
    const bool use = m_hooks.Settings().SexyFontUse != 0;
    SetChecked(IDC_SEXYFONT_USE, use);
    EnableItem(IDC_SEXYFONT_DETAILS, use);
    m_bRefreshing = false;
}

// The flag only decides whether the skin writer makes SEXYFONT.TXT: nothing to recompose.
bool CSkinCtrlPPage5::OnCommand(UINT id, UINT code, HWND) {
    if (m_bRefreshing || code != BN_CLICKED)
        return false;
    switch (id) {
        case IDC_SEXYFONT_USE:
            m_hooks.Settings().SexyFontUse = CheckState(id);
            Refresh();
            return true;
        case IDC_SEXYFONT_RESET:
            m_hooks.Settings().ResetSexyFont();
            Refresh();
            return true;
        case IDC_SEXYFONT_DETAILS:
            // The detailed settings were never made; the button stays hidden.
            ::MessageBoxA(m_hWnd, "現在作成中", "未完成", MB_OK);
            return true;
        default:
            return false;
    }
}
