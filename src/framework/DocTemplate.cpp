#include "framework/DocTemplate.h"

#include "framework/WinApp.h"

namespace fw {

SingleDocTemplate::SingleDocTemplate(int resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view)
    : m_nResourceId(resourceId),
      m_makeDocument(std::move(document)),
      m_makeFrame(std::move(frame)),
      m_makeView(std::move(view)) {}

SingleDocTemplate::~SingleDocTemplate() {
    if (m_pFrame && m_pFrame->Handle())
        m_pFrame->DestroyWindow();
    m_pFrame.reset();
}

bool SingleDocTemplate::CreateFrame() {
    m_pFrame = m_makeFrame();
    if (!m_pFrame)
        return false;
    // The frame object goes with its window, as the DDE server it may own must stop then.
    m_pFrame->SetDestroyedHandler([this] { m_pFrame.reset(); });
    WinApp* app = WinApp::Current();
    if (app && !app->m_pMainWnd)
        app->m_pMainWnd = m_pFrame.get();
    if (!m_pFrame->LoadFrame(m_nResourceId, m_pDocument.get(), m_makeView())) {
        if (app && app->m_pMainWnd == m_pFrame.get())
            app->m_pMainWnd = nullptr;
        if (m_pFrame && m_pFrame->Handle())
            m_pFrame->DestroyWindow();
        m_pFrame.reset();
        return false;
    }
    return true;
}

Document* SingleDocTemplate::OpenDocumentFile(const char* path, bool makeVisible) {
    bool created = false;
    if (!m_pDocument) {
        m_pDocument = m_makeDocument();
        if (!m_pDocument)
            return nullptr;
    }
    if (!m_pFrame) {
        if (!CreateFrame())
            return nullptr;
        created = true;
    }

    const bool loaded = path ? m_pDocument->OnOpenDocument(path) : m_pDocument->OnNewDocument();
    if (!loaded) {
        if (created && m_pFrame)
            m_pFrame->DestroyWindow();  // the destroyed handler deletes the frame object
        return nullptr;
    }
    m_pDocument->SetPathName(path ? path : "");
    m_pDocument->UpdateAllViews();
    if (makeVisible && !created && m_pFrame)
        m_pFrame->ActivateFrame();
    return m_pDocument.get();
}

}  // namespace fw
