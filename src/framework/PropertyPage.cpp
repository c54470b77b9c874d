#include "framework/PropertyPage.h"

namespace fw {

PROPSHEETPAGEA PropertyPage::Description() {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT;  // the caption is the template's
    page.hInstance = ::GetModuleHandleA(nullptr);
    page.pszTemplate = MAKEINTRESOURCEA(m_nTemplateId);
    page.pfnDlgProc = &PropertyPage::PageProc;
    page.lParam = reinterpret_cast<LPARAM>(static_cast<Wnd*>(this));
    return page;
}

INT_PTR CALLBACK PropertyPage::PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // At WM_INITDIALOG a page gets the sheet's copy of its description, not the object.
    Wnd* self = message == WM_INITDIALOG ? reinterpret_cast<Wnd*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam)
                                         : BoundDialog(hWnd);
    return DispatchDialogMessage(self, hWnd, message, wParam, lParam);
}

bool PropertyPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(PSN_SETACTIVE)) {
        result = OnSetActive() ? 0 : -1;
        return true;
    }
    return Dialog::HandleMessage(message, wParam, lParam, result);
}

}  // namespace fw
