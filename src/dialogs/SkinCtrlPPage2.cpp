#include "dialogs/SkinCtrlPPage2.h"

#include "dialogs/DecorationPicture.h"
#include "dialogs/DrawDib.h"
#include "dialogs/PickColor.h"
#include "dialogs/PickFontFace.h"
#include "dialogs/PlaylistMbPageRes.h"
#include "framework/Gdi.h"

namespace {

// The colour buttons; the playlist and mini-browser colours all rebuild the templates first.
constexpr struct {
    UINT id;
    SkinColorValue SkinSettings::*color;
} kColorButtons[] = {
    {IDC_PLMB_CURRENT, &SkinSettings::Current}, {IDC_PLMB_SELECTED_BG, &SkinSettings::SelectedBG},
    {IDC_PLMB_NORMAL, &SkinSettings::Normal},   {IDC_PLMB_NORMAL_BG, &SkinSettings::NormalBG},
    {IDC_PLMB_MB_FG, &SkinSettings::MBFG},      {IDC_PLMB_MB_BG, &SkinSettings::MBBG},
};

}  // namespace

CSkinCtrlPPage2::CSkinCtrlPPage2(SettingsHooks& hooks) : PropertyPage(IDD_PAGE_PLAYLIST_MB), m_hooks(hooks) {}

bool CSkinCtrlPPage2::OnInitDialog() {
    if (LoadDecorationPicture(m_decoration)) {
        RECT box{};
        ::GetWindowRect(::GetDlgItem(m_hWnd, IDC_PLMB_DECORATION), &box);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&box), 2);
        // Centred in the decoration box, which the hidden frame's top-left corner marks.
        m_decorationAt = {box.left + (kDecorationWidth - m_decoration.Width()) / 2,
                          box.top + (kDecorationHeight - m_decoration.Height()) / 2};
    }
    return true;
}

bool CSkinCtrlPPage2::OnSetActive() {
    Refresh();
    return true;
}

void CSkinCtrlPPage2::Refresh() {
    if (!m_hWnd)
        return;
    m_bRefreshing = true;
    const SkinSettings& s = m_hooks.Settings();
    SetChecked(IDC_PLMB_PL_SAVE, s.PLSave != 0);
    SetChecked(IDC_PLMB_MB_SAVE, s.MBSave != 0);
    m_bRefreshing = false;
}

bool CSkinCtrlPPage2::OnCommand(UINT id, UINT code, HWND) {
    if (m_bRefreshing || code != BN_CLICKED)
        return false;
    SkinSettings& s = m_hooks.Settings();
    for (const auto& button : kColorButtons) {
        if (button.id == id) {
            PickSettingColor(m_hWnd, m_hooks, s.*button.color, true);
            return true;
        }
    }
    switch (id) {
        // The check boxes switch a window off without greying its colours: they stay editable.
        case IDC_PLMB_PL_SAVE:
            s.PLSave = CheckState(id);
            m_hooks.RecomposeAndRedraw();
            return true;
        case IDC_PLMB_MB_SAVE:
            s.MBSave = CheckState(id);
            m_hooks.RecomposeAndRedraw();
            return true;
        case IDC_PLMB_FONT:
            // The face only reaches PLEDIT.TXT: nothing to recompose.
            PickFontFace(m_hWnd, s.PlFont);
            return true;
        case IDC_PLMB_RESET:
            OnReset();
            return true;
        default:
            return false;
    }
}

void CSkinCtrlPPage2::OnReset() {
    m_hooks.Settings().ResetPlaylistMb();
    Refresh();
    m_hooks.RebuildTemplates();
    m_hooks.RecomposeAndRedraw();
}

void CSkinCtrlPPage2::OnPaint() {
    const fw::PaintDC paint(m_hWnd);
    DrawDib(paint.Get(), m_decoration, m_decorationAt);
}

bool CSkinCtrlPPage2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_PAINT) {
        OnPaint();
        result = 0;
        return true;
    }
    return PropertyPage::HandleMessage(message, wParam, lParam, result);
}
