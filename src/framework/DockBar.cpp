#include "framework/DockBar.h"

#include <commctrl.h>

#include <cstdlib>

#include "framework/Gdi.h"

namespace fw {
namespace {

constexpr char kClassName[] = "fw::DockBar";
constexpr int kGripperSpan = 8;  // along the bar: the gripper's place before the first button
constexpr int kPadding = 2;      // across the bar: space on both sides of the buttons
constexpr int kFeedbackWidth = 3;

// The mouse position of a mouse message (client coordinates, signed), on the screen.
POINT MouseOnScreen(HWND window, LPARAM lParam) {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ::ClientToScreen(window, &p);
    return p;
}

}  // namespace

bool DockBar::Create(HWND frame, ToolBar& bar) {
    if (!RegisterWindowClass(kClassName, 0, nullptr, ::GetSysColorBrush(COLOR_BTNFACE)))
        return false;
    if (!CreateChildFor(kClassName, frame, nullptr))
        return false;
    m_pBar = &bar;
    HWND toolbar = bar.Handle();
    // The strip places the toolbar itself; its commands and tooltips keep going to the frame.
    ::SetWindowLongPtrA(toolbar, GWL_STYLE,
                        (::GetWindowLongPtrA(toolbar, GWL_STYLE) & ~(CCS_TOP | CCS_BOTTOM)) | CCS_NORESIZE |
                            CCS_NOPARENTALIGN | CCS_NODIVIDER);
    ::SetParent(toolbar, m_hWnd);
    ::SendMessageA(toolbar, TB_SETPARENT, reinterpret_cast<WPARAM>(frame), 0);
    SetEdge(DockEdge::kTop);
    return true;
}

int DockBar::Thickness() const {
    return ThicknessAt(m_edge);
}

int DockBar::ThicknessAt(DockEdge edge) const {
    if (!m_pBar)
        return 0;
    // Across the bar there is one button, in a row or in a column alike.
    const SIZE button = m_pBar->ButtonSize();
    const bool vertical = edge == DockEdge::kLeft || edge == DockEdge::kRight;
    return (vertical ? button.cx : button.cy) + 2 * kPadding;
}

void DockBar::SetEdge(DockEdge edge) {
    m_edge = edge;
    if (!m_pBar)
        return;
    m_pBar->SetVertical(IsVertical());
    const SIZE extent = m_pBar->Extent();
    const POINT at = IsVertical() ? POINT{kPadding, kGripperSpan} : POINT{kGripperSpan, kPadding};
    ::SetWindowPos(m_pBar->Handle(), nullptr, at.x, at.y, extent.cx, extent.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

RECT DockBar::GripperRect() const {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    // MFC-style gripper: one raised line, three pixels thick, across the bar at its start.
    if (IsVertical())
        return {client.left + kPadding, 2, client.right - kPadding, 5};
    return {2, client.top + kPadding, 5, client.bottom - kPadding};
}

void DockBar::PaintGripper(HDC dc) const {
    RECT gripper = GripperRect();
    ::DrawEdge(dc, &gripper, BDR_RAISEDINNER, BF_RECT);
}

DockEdge DockBar::NearestEdge(POINT screen) const {
    HWND frame = ::GetParent(m_hWnd);
    POINT p = screen;
    ::ScreenToClient(frame, &p);
    RECT client{};
    ::GetClientRect(frame, &client);
    const struct {
        DockEdge edge;
        long distance;
    } edges[] = {
        {DockEdge::kTop, std::labs(p.y - client.top)},
        {DockEdge::kBottom, std::labs(client.bottom - p.y)},
        {DockEdge::kLeft, std::labs(p.x - client.left)},
        {DockEdge::kRight, std::labs(client.right - p.x)},
    };
    DockEdge nearest = edges[0].edge;
    long best = edges[0].distance;
    for (const auto& e : edges) {
        if (e.distance < best) {
            best = e.distance;
            nearest = e.edge;
        }
    }
    return nearest;
}

RECT DockBar::FootprintAt(DockEdge edge) const {
    RECT client{};
    ::GetClientRect(::GetParent(m_hWnd), &client);
    const int across = ThicknessAt(edge);
    switch (edge) {
        case DockEdge::kTop:
            return {client.left, client.top, client.right, client.top + across};
        case DockEdge::kBottom:
            return {client.left, client.bottom - across, client.right, client.bottom};
        case DockEdge::kLeft:
            return {client.left, client.top, client.left + across, client.bottom};
        case DockEdge::kRight:
            return {client.right - across, client.top, client.right, client.bottom};
    }
    return client;
}

void DockBar::InvertFeedback(const RECT& where) const {
    // Drawn over the frame's children (the frame does not clip them), inverted so that drawing it
    // twice takes it away again.
    HWND frame = ::GetParent(m_hWnd);
    HDC dc = ::GetDCEx(frame, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!dc)
        return;
    const RECT& r = where;
    const int w = kFeedbackWidth;
    ::PatBlt(dc, r.left, r.top, r.right - r.left, w, DSTINVERT);
    ::PatBlt(dc, r.left, r.bottom - w, r.right - r.left, w, DSTINVERT);
    ::PatBlt(dc, r.left, r.top + w, w, r.bottom - r.top - 2 * w, DSTINVERT);
    ::PatBlt(dc, r.right - w, r.top + w, w, r.bottom - r.top - 2 * w, DSTINVERT);
    ::ReleaseDC(frame, dc);
}

void DockBar::BeginDrag(POINT at) {
    m_bDragging = true;
    m_bFeedbackShown = false;
    m_dragStart = at;
    m_target = m_edge;
    ::SetCapture(m_hWnd);
}

void DockBar::TrackDrag(POINT screen) {
    if (!m_bFeedbackShown) {
        // Only a real drag shows where the bar would go; a click on the gripper does nothing.
        if (std::labs(screen.x - m_dragStart.x) < ::GetSystemMetrics(SM_CXDRAG) &&
            std::labs(screen.y - m_dragStart.y) < ::GetSystemMetrics(SM_CYDRAG))
            return;
        m_target = NearestEdge(screen);
        InvertFeedback(FootprintAt(m_target));
        m_bFeedbackShown = true;
        return;
    }
    const DockEdge target = NearestEdge(screen);
    if (target == m_target)
        return;
    InvertFeedback(FootprintAt(m_target));
    m_target = target;
    InvertFeedback(FootprintAt(m_target));
}

void DockBar::EndDrag(bool drop) {
    if (!m_bDragging)
        return;
    m_bDragging = false;
    if (m_bFeedbackShown)
        InvertFeedback(FootprintAt(m_target));
    const bool moved = drop && m_bFeedbackShown && m_target != m_edge;
    m_bFeedbackShown = false;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (moved && m_onDrop)
        m_onDrop(m_target);
}

bool DockBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_PAINT: {
            const PaintDC paint(m_hWnd);
            PaintGripper(paint.Get());
            result = 0;
            return true;
        }
        case WM_SETCURSOR: {
            POINT p{};
            ::GetCursorPos(&p);
            ::ScreenToClient(m_hWnd, &p);
            const RECT gripper = GripperRect();
            RECT grip = IsVertical() ? RECT{gripper.left, 0, gripper.right, kGripperSpan}
                                     : RECT{0, gripper.top, kGripperSpan, gripper.bottom};
            if (reinterpret_cast<HWND>(wParam) != m_hWnd || !::PtInRect(&grip, p))
                return false;
            ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEALL)));
            result = TRUE;
            return true;
        }
        case WM_LBUTTONDOWN:
            BeginDrag(MouseOnScreen(m_hWnd, lParam));
            result = 0;
            return true;
        case WM_MOUSEMOVE:
            if (m_bDragging)
                TrackDrag(MouseOnScreen(m_hWnd, lParam));
            result = 0;
            return true;
        case WM_LBUTTONUP:
            EndDrag(true);
            result = 0;
            return true;
        case WM_CAPTURECHANGED:
            // Taken away (another window, Alt+Tab): the drag ends where it started.
            if (reinterpret_cast<HWND>(lParam) != m_hWnd)
                EndDrag(false);
            return false;
        default:
            return false;
    }
}

}  // namespace fw
