#include "framework/View.h"

#include "framework/Document.h"
#include "resources/resource.h"

namespace fw {

View::~View() {
    if (m_pDocument && m_pDocument->GetView() == this)
        m_pDocument->SetView(nullptr);
}

bool View::Create(HWND frame, Document* document) {
    m_pDocument = document;
    if (!RegisterWindowClass(TOLVARIN_VIEW_CLASS, CS_DBLCLKS, nullptr, ::GetSysColorBrush(COLOR_BTNFACE)))
        return false;
    if (!CreateWindowFor(0, TOLVARIN_VIEW_CLASS, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, frame,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDW_VIEW))))
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
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(m_hWnd, &ps);
            OnDraw(dc);
            ::EndPaint(m_hWnd, &ps);
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace fw
