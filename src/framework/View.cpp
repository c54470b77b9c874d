#include "framework/View.h"

#include "framework/Document.h"
#include "framework/FrameworkIds.h"
#include "framework/Gdi.h"

namespace fw {

View::~View() {
    if (m_pDocument && m_pDocument->GetView() == this)
        m_pDocument->SetView(nullptr);
}

bool View::Create(HWND frame, Document* document) {
    m_pDocument = document;
    if (!RegisterWindowClass(WindowClassName(), CS_DBLCLKS, nullptr, ::GetSysColorBrush(COLOR_BTNFACE)))
        return false;
    if (!CreateChildFor(WindowClassName(), frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdwView))))
        return false;
    document->SetView(this);
    return true;
}

void View::OnInitialUpdate() {
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

bool View::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_CREATE:
            result = OnCreate() ? 0 : -1;
            return true;
        case WM_PAINT: {
            const PaintDC dc(m_hWnd);
            OnDraw(dc.Get());
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace fw
