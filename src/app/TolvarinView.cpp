#include "app/TolvarinView.h"

#include "app/TolvarinApp.h"
#include "resources/resource.h"

CTolvarinView::CTolvarinView() {
    theApp.m_pPreviewView = this;
}

CTolvarinView::~CTolvarinView() {
    if (theApp.m_pPreviewView == this)
        theApp.m_pPreviewView = nullptr;
}

bool CTolvarinView::OnCreate() {
    return m_previewPanel.CreateModeless(m_hWnd, IDD_PREVIEW_PANEL);
}

void CTolvarinView::OnDraw(HDC) {
    if (m_previewPanel.Handle())
        ::InvalidateRect(m_previewPanel.Handle(), nullptr, FALSE);
}

bool CTolvarinView::PreTranslateMessage(MSG& msg) {
    HWND panel = m_previewPanel.Handle();
    // Keyboard navigation between the panel's controls (Tab, arrows, mnemonics).
    return panel && (msg.hwnd == panel || ::IsChild(panel, msg.hwnd)) && ::IsDialogMessageA(panel, &msg);
}

bool CTolvarinView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_SIZE && m_previewPanel.Handle())
        m_previewPanel.Layout(LOWORD(lParam), HIWORD(lParam));
    return fw::View::HandleMessage(message, wParam, lParam, result);
}
