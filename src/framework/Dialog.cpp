#include "framework/Dialog.h"

namespace fw {

bool Dialog::CreateModeless(HWND parent, int templateId) {
    m_bModal = false;
    return ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), parent, &Wnd::DialogProc,
                                reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR Dialog::DoModal(HWND owner, int templateId) {
    m_bModal = true;
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, &Wnd::DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

bool Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_INITDIALOG:
            result = OnInitDialog() ? TRUE : FALSE;
            return true;
        case WM_COMMAND:
            if (m_bModal && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
                ::EndDialog(m_hWnd, LOWORD(wParam));
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace fw
