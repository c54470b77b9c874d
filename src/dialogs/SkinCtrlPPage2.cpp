#include "dialogs/SkinCtrlPPage2.h"

#include "dialogs/DecorationPicture.h"
#include "dialogs/DrawDib.h"
#include "dialogs/PickFontFace.h"
#include "dialogs/PlaylistMbPageRes.h"
#include "framework/Gdi.h"

namespace {

using After = CSettingsPage::After;

// The check boxes switch a window off without greying its colours: they stay editable.
constexpr CSettingsPage::CheckBox kCheckBoxes[] = {
    {IDC_PLMB_PL_SAVE, &SkinSettings::PLSave, After::kRecompose},
    {IDC_PLMB_MB_SAVE, &SkinSettings::MBSave, After::kRecompose},
};

// The playlist and mini-browser colours all rebuild the templates first.
constexpr CSettingsPage::ColorButton kColorButtons[] = {
    {IDC_PLMB_CURRENT, &SkinSettings::Current, true}, {IDC_PLMB_SELECTED_BG, &SkinSettings::SelectedBG, true},
    {IDC_PLMB_NORMAL, &SkinSettings::Normal, true},   {IDC_PLMB_NORMAL_BG, &SkinSettings::NormalBG, true},
    {IDC_PLMB_MB_FG, &SkinSettings::MBFG, true},      {IDC_PLMB_MB_BG, &SkinSettings::MBBG, true},
};

constexpr CSettingsPage::Bindings kBindings = {
    CSettingsPage::kOnActivation, kCheckBoxes, kColorButtons, {}, IDC_PLMB_RESET, &SkinSettings::ResetPlaylistMb, true};

}  // namespace

CSkinCtrlPPage2::CSkinCtrlPPage2(SettingsHooks& hooks) : CSettingsPage(IDD_PAGE_PLAYLIST_MB, hooks, kBindings) {}

void CSkinCtrlPPage2::InitPageControls() {
    if (LoadDecorationPicture(m_decoration)) {
        RECT box{};
        ::GetWindowRect(::GetDlgItem(m_hWnd, IDC_PLMB_DECORATION), &box);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&box), 2);
        // Centred in the decoration box, which the hidden frame's top-left corner marks.
        m_decorationAt = {box.left + (kDecorationWidth - m_decoration.Width()) / 2,
                          box.top + (kDecorationHeight - m_decoration.Height()) / 2};
    }
}

bool CSkinCtrlPPage2::OnPageClick(UINT id) {
    if (id != IDC_PLMB_FONT)
        return false;
    // The face only reaches PLEDIT.TXT: nothing to recompose.
    PickFontFace(m_hWnd, m_hooks.Settings().PlFont);
    return true;
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
    return CSettingsPage::HandleMessage(message, wParam, lParam, result);
}
