#include "app/TolvarinView.h"

#include "app/AppState.h"
#include "app/TolvarinApp.h"
#include "compose/Compose.h"
#include "resources/resource.h"

CTolvarinView::CTolvarinView() : m_previewPanel(*this) {
    theApp.m_pPreviewView = this;
}

CTolvarinView::~CTolvarinView() {
    if (theApp.m_pPreviewView == this)
        theApp.m_pPreviewView = nullptr;
}

const char* CTolvarinView::WindowClassName() const {
    return TOLVARIN_VIEW_CLASS;
}

bool CTolvarinView::OnCreate() {
    return m_previewPanel.CreateModeless(m_hWnd, IDD_PREVIEW_PANEL);
}

void CTolvarinView::OnDraw(HDC) {
    if (m_previewPanel.Handle())
        ::InvalidateRect(m_previewPanel.Handle(), nullptr, FALSE);
}

bool CTolvarinView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_SIZE && m_previewPanel.Handle())
        m_previewPanel.Layout(LOWORD(lParam), HIWORD(lParam));
    return fw::View::HandleMessage(message, wParam, lParam, result);
}

SkinSettings& CTolvarinView::Settings() {
    return g_skinSettings;
}

void CTolvarinView::RebuildTemplates() {
    if (g_pictureLoaded)
        BuildTemplates(g_skinSettings, g_canvases, LoadTemplate, g_skinMode);
}

void CTolvarinView::RecomposeAndRedraw() {
    if (!g_pictureLoaded)
        return;
    ComposeSkin(g_skinSettings, g_fit232, g_fit116, g_canvases, LoadTemplate, g_skinMode);
    m_previewPanel.InvalidatePreview();
}
