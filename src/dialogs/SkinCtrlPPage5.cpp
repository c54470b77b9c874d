#include "dialogs/SkinCtrlPPage5.h"

#include "dialogs/SexyFontPageRes.h"

namespace {

// The flag only decides whether the skin writer makes SEXYFONT.TXT: nothing to recompose.
constexpr UINT kUseEnables[] = {IDC_SEXYFONT_DETAILS};
constexpr CSettingsPage::CheckBox kCheckBoxes[] = {
    {IDC_SEXYFONT_USE, &SkinSettings::SexyFontUse, CSettingsPage::After::kRefresh, kUseEnables},
};

constexpr CSettingsPage::Bindings kBindings = {CSettingsPage::kOnInit,       kCheckBoxes, {}, {}, IDC_SEXYFONT_RESET,
                                               &SkinSettings::ResetSexyFont, false};

}  // namespace

CSkinCtrlPPage5::CSkinCtrlPPage5(SettingsHooks& hooks) : CSettingsPage(IDD_PAGE_SEXYFONT, hooks, kBindings) {}

bool CSkinCtrlPPage5::OnPageClick(UINT id) {
    if (id != IDC_SEXYFONT_DETAILS)
        return false;
    // The detailed settings were never made; the button stays hidden.
    ::MessageBoxA(m_hWnd, "現在作成中", "未完成", MB_OK);
    return true;
}
