#include "framework/Dialog.h"

namespace fw {

Dialog::~Dialog() {
    StopKeyboardRoute();
}

bool Dialog::CreateModeless(HWND parent, int templateId) {
    m_bModal = false;
    if (!::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), parent, &Wnd::DialogProc,
                              reinterpret_cast<LPARAM>(this)))
        return false;
    if (KeyboardRoute* route = CurrentKeyboardRoute(); route && !m_bRouted) {
        route->Add(this);
        m_bRouted = true;
    }
    return true;
}

INT_PTR Dialog::DoModal(HWND owner, int templateId) {
    m_bModal = true;
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, &Wnd::DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::DoModalIndirect(HWND owner, const DLGTEMPLATE* dialogTemplate) {
    m_bModal = true;
    return ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), dialogTemplate, owner, &Wnd::DialogProc,
                                     reinterpret_cast<LPARAM>(this));
}

void Dialog::EndDialog(INT_PTR result) {
    if (m_hWnd && m_bModal)
        ::EndDialog(m_hWnd, result);
}

void Dialog::StopKeyboardRoute() {
    if (!m_bRouted)
        return;
    if (KeyboardRoute* route = CurrentKeyboardRoute())
        route->Remove(this);
    m_bRouted = false;
}

bool Dialog::PreTranslateKeys(MSG& msg) {
    if (!m_hWnd || (msg.hwnd != m_hWnd && !::IsChild(m_hWnd, msg.hwnd)))
        return false;
    // Enter presses the push button it reaches, as in any dialog. IsDialogMessage would send the
    // button's command to this dialog, not to the dialog nested inside it that owns the button (a
    // settings page in the preview panel), or press this dialog's default button instead.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN &&
        (::SendMessageA(msg.hwnd, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        ::SendMessageA(msg.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    return ::IsDialogMessageA(m_hWnd, &msg) != FALSE;
}

void Dialog::SetItemText(int id, const char* text) const {
    ::SetDlgItemTextA(m_hWnd, id, text);
}

bool Dialog::IsChecked(int id) const {
    return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

void Dialog::SetChecked(int id, bool checked) const {
    ::CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Dialog::EnableItem(int id, bool enable) const {
    if (HWND item = ::GetDlgItem(m_hWnd, id))
        ::EnableWindow(item, enable ? TRUE : FALSE);
}

bool Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_INITDIALOG:
            result = OnInitDialog() ? TRUE : FALSE;
            return true;
        case WM_COMMAND: {
            const UINT id = LOWORD(wParam);
            const UINT code = HIWORD(wParam);
            auto* control = reinterpret_cast<HWND>(lParam);
            if ((id == IDOK || id == IDCANCEL) && (code == BN_CLICKED || !control)) {
                const bool close = id == IDOK ? OnOK() : OnCancel();
                if (close && m_bModal)
                    ::EndDialog(m_hWnd, id);
                result = 0;
                return true;
            }
            if (!OnCommand(id, code, control))
                return false;
            result = 0;
            return true;
        }
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<NMHDR*>(lParam), result);
        case WM_DESTROY:
            StopKeyboardRoute();
            return false;
        default:
            return false;
    }
}

}  // namespace fw
