#include "dialogs/SettingsPage.h"

#include "dialogs/PickColor.h"

CSettingsPage::CSettingsPage(int templateId, SettingsHooks& hooks, const Bindings& bindings)
    : PropertyPage(templateId), m_hooks(hooks), m_bindings(bindings) {}

bool CSettingsPage::OnInitDialog() {
    for (const DropDown& list : m_bindings.dropDowns) {
        HWND combo = ::GetDlgItem(m_hWnd, list.id);
        for (const char* entry : list.entries)
            ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    InitPageControls();
    if (m_bindings.refreshWhen & kOnInit)
        Refresh();
    return true;
}

bool CSettingsPage::OnSetActive() {
    if (m_bindings.refreshWhen & kOnActivation)
        Refresh();
    return true;
}

void CSettingsPage::Refresh() {
    if (!m_hWnd)
        return;
    m_bRefreshing = true;
    const SkinSettings& s = m_hooks.Settings();
    for (const CheckBox& box : m_bindings.checkBoxes)
        SetChecked(box.id, s.*box.flag != 0);
    for (const CheckBox& box : m_bindings.checkBoxes) {
        for (UINT id : box.enables)
            EnableItem(id, s.*box.flag != 0);
    }
    // A value outside the entries (a hand-edited profile) leaves the list without a selection.
    for (const DropDown& list : m_bindings.dropDowns)
        ::SendDlgItemMessageA(m_hWnd, list.id, CB_SETCURSEL, static_cast<WPARAM>(s.*list.field), 0);
    RefreshPageControls(s);
    m_bRefreshing = false;
}

bool CSettingsPage::OnCommand(UINT id, UINT code, HWND) {
    if (m_bRefreshing)
        return false;
    SkinSettings& s = m_hooks.Settings();
    for (const DropDown& list : m_bindings.dropDowns) {
        if (list.id != id)
            continue;
        if (code != CBN_SELCHANGE)
            return false;
        const LRESULT index = ::SendDlgItemMessageA(m_hWnd, id, CB_GETCURSEL, 0, 0);
        if (index != CB_ERR) {
            s.*list.field = static_cast<int32_t>(index);
            Follow(list.after);
        }
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    for (const ColorButton& button : m_bindings.colorButtons) {
        if (button.id == id) {
            PickSettingColor(m_hWnd, m_hooks, s.*button.color, button.marker);
            return true;
        }
    }
    for (const CheckBox& box : m_bindings.checkBoxes) {
        if (box.id != id)
            continue;
        s.*box.flag = CheckState(id);
        if (box.after != After::kRefresh) {
            for (UINT enabled : box.enables)
                EnableItem(enabled, s.*box.flag != 0);
        }
        Follow(box.after);
        return true;
    }
    if (id == m_bindings.resetId) {
        (s.*m_bindings.reset)();
        Refresh();
        if (m_bindings.redraws) {
            m_hooks.RebuildTemplates();
            m_hooks.RecomposeAndRedraw();
        }
        return true;
    }
    return OnPageClick(id);
}

void CSettingsPage::Follow(After after) {
    if (after == After::kRecompose)
        m_hooks.RecomposeAndRedraw();
    else if (after == After::kRefresh)
        Refresh();
}
