#include "framework/FrameWnd.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/Dialog.h"
#include "framework/Document.h"
#include "framework/FrameworkIds.h"
#include "framework/WinApp.h"

namespace fw {

bool FrameWnd::LoadFrame(int resourceId, Document* document, std::unique_ptr<View> view) {
    m_pDocument = document;
    m_pView = std::move(view);
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    HICON icon = ::LoadIconA(instance, MAKEINTRESOURCEA(resourceId));
    if (!RegisterWindowClass(WindowClassName(), CS_DBLCLKS, icon, ::GetSysColorBrush(COLOR_BTNFACE)))
        return false;

    CREATESTRUCTA cs{};
    cs.style = WS_OVERLAPPEDWINDOW;
    cs.x = CW_USEDEFAULT;
    cs.y = CW_USEDEFAULT;
    cs.cx = CW_USEDEFAULT;
    cs.cy = CW_USEDEFAULT;
    if (!PreCreateWindow(cs))
        return false;

    HMENU menu = ::LoadMenuA(instance, MAKEINTRESOURCEA(resourceId));
    m_hAccelTable.Reset(::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId)));
    char title[128] = {};
    ::LoadStringA(instance, kIdsAppTitle, title, sizeof title);
    cs.lpszClass = WindowClassName();
    cs.lpszName = title;
    cs.hMenu = menu;
    if (!CreateWindowFor(cs)) {
        if (menu && !::IsMenu(menu))
            menu = nullptr;
        if (menu)
            ::DestroyMenu(menu);
        return false;
    }
    return true;
}

int FrameWnd::OnCreate(CREATESTRUCTA&) {
    if (!m_pView || !m_pDocument || !m_pView->Create(m_hWnd, m_pDocument))
        return -1;
    return 0;
}

bool FrameWnd::DockControlBar(ToolBar& bar) {
    if (!m_dockBar.Create(m_hWnd, bar))
        return false;
    m_pDockedBar = &bar;
    m_dockBar.SetDropHandler([this](DockEdge edge) { MoveDockedBar(edge); });
    RecalcLayout();
    return true;
}

SIZE FrameWnd::DockedBarFootprint() const {
    if (!m_pDockedBar)
        return {0, 0};
    const int thickness = m_dockBar.Thickness();
    return m_dockBar.IsVertical() ? SIZE{thickness, 0} : SIZE{0, thickness};
}

void FrameWnd::MoveDockedBar(DockEdge edge) {
    // The view keeps its size: the frame grows or shrinks by what the bar takes at its new edge.
    RECT view{};
    if (m_pView && m_pView->Handle())
        ::GetClientRect(m_pView->Handle(), &view);
    m_dockBar.SetEdge(edge);
    const SIZE bar = DockedBarFootprint();
    RECT window{};
    RECT client{};
    ::GetWindowRect(m_hWnd, &window);
    ::GetClientRect(m_hWnd, &client);
    const int width = (window.right - window.left) - client.right + view.right + bar.cx;
    const int height = (window.bottom - window.top) - client.bottom + view.bottom + bar.cy;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcLayout();
}

void FrameWnd::RecalcLayout() {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    RECT view = client;
    if (m_pDockedBar && m_dockBar.Handle()) {
        const int t = m_dockBar.Thickness();
        RECT bar = client;
        switch (m_dockBar.Edge()) {
            case DockEdge::kTop:
                bar.bottom = view.top = client.top + t;
                break;
            case DockEdge::kBottom:
                bar.top = view.bottom = client.bottom - t;
                break;
            case DockEdge::kLeft:
                bar.right = view.left = client.left + t;
                break;
            case DockEdge::kRight:
                bar.left = view.right = client.right - t;
                break;
        }
        ::MoveWindow(m_dockBar.Handle(), bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top, TRUE);
    }
    if (m_pView && m_pView->Handle())
        ::MoveWindow(m_pView->Handle(), view.left, view.top, std::max(0L, view.right - view.left),
                     std::max(0L, view.bottom - view.top), TRUE);
}

void FrameWnd::ActivateFrame() {
    if (!m_hWnd)
        return;
    if (::IsIconic(m_hWnd))
        ::ShowWindow(m_hWnd, SW_RESTORE);
    else if (!::IsWindowVisible(m_hWnd))
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
    ::BringWindowToTop(m_hWnd);
    ::SetForegroundWindow(m_hWnd);
    FrontModalDialog();
}

namespace {

struct ModalSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindEnabledOwnedWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ModalSearch*>(data);
    if (::GetWindow(window, GW_OWNER) != search->owner || !::IsWindowVisible(window) || !::IsWindowEnabled(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FrameWnd::FindModalDialog() const {
    // While a modal dialog (a chooser, a message) is up, the frame is disabled and the dialog is the
    // enabled, visible window it owns. GetLastActivePopup cannot tell: once the frame itself has
    // been activated it answers the frame.
    ModalSearch search{m_hWnd, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindEnabledOwnedWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void FrameWnd::FrontModalDialog() {
    if (::IsWindowEnabled(m_hWnd))
        return;
    if (HWND dialog = FindModalDialog()) {
        ::BringWindowToTop(dialog);
        ::SetForegroundWindow(dialog);
    }
}

bool FrameWnd::KnowsCommand(UINT id) const {
    return id == kIdAppExit;
}

bool FrameWnd::OnCommand(UINT id) {
    if (id != kIdAppExit)
        return false;
    ::PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
    return true;
}

bool FrameWnd::RouteCommand(UINT id) {
    if (OnCommand(id))
        return true;
    if (m_pView && m_pView->OnCommand(id))
        return true;
    if (m_pDocument && m_pDocument->OnCommand(id))
        return true;
    WinApp* app = WinApp::Current();
    return app && app->OnCommand(id);
}

bool FrameWnd::IsCommandEnabled(UINT id) {
    bool enabled = false;
    if (OnUpdateCommand(id, enabled))
        return enabled;
    if (m_pView && m_pView->OnUpdateCommand(id, enabled))
        return enabled;
    if (m_pDocument && m_pDocument->OnUpdateCommand(id, enabled))
        return enabled;
    WinApp* app = WinApp::Current();
    return app && app->OnUpdateCommand(id, enabled) && enabled;
}

void FrameWnd::UpdateToolBarButtons() {
    if (!m_pDockedBar || !m_pDockedBar->Handle())
        return;
    for (UINT id : m_pDockedBar->CommandIds())
        m_pDockedBar->SetButtonEnabled(id, IsCommandEnabled(id));
}

bool FrameWnd::PreTranslateMessage(MSG& msg) {
    if (!m_hWnd || (msg.hwnd != m_hWnd && !::IsChild(m_hWnd, msg.hwnd)))
        return false;
    return m_hAccelTable && ::TranslateAcceleratorA(m_hWnd, m_hAccelTable.Get(), &msg);
}

void FrameWnd::OnInitMenuPopup(HMENU menu) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT id = ::GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;  // separators and submenus
        ::EnableMenuItem(menu, i, MF_BYPOSITION | (IsCommandEnabled(id) ? MF_ENABLED : MF_GRAYED));
    }
}

void FrameWnd::OnDropFiles(HDROP drop) {
    ::SetActiveWindow(m_hWnd);
    const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    WinApp* app = WinApp::Current();
    for (UINT i = 0; i < count && app; ++i) {
        char path[MAX_PATH] = {};
        const UINT length = ::DragQueryFileA(drop, i, path, sizeof path);
        if (length == 0 || length >= sizeof path)
            continue;  // a name that does not fit could only be opened cut short
        app->OpenDocumentFile(path);
    }
    ::DragFinish(drop);
}

bool FrameWnd::OnToolTipText(NMHDR* header) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    const UINT id = static_cast<UINT>(header->idFrom);
    char prompt[256] = {};
    if (::LoadStringA(::GetModuleHandleA(nullptr), id, prompt, sizeof prompt) <= 0)
        return false;
    // A prompt is "status text\ntooltip"; the tooltip is the part after the line feed.
    const char* tip = std::strchr(prompt, '\n');
    lstrcpynA(m_szToolTip, tip ? tip + 1 : prompt, sizeof m_szToolTip);
    info->lpszText = m_szToolTip;
    info->hinst = nullptr;
    return true;
}

bool FrameWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CREATE:
            result = OnCreate(*reinterpret_cast<CREATESTRUCTA*>(lParam));
            return true;
        case WM_DESTROY:
            OnDestroy();
            return true;
        case WM_NCDESTROY:
            if (WinApp* app = WinApp::Current(); app && app->m_pMainWnd == this) {
                app->m_pMainWnd = nullptr;
                ::PostQuitMessage(0);
            }
            return false;
        case WM_SIZE:
            RecalcLayout();
            return true;
        case WM_ACTIVATE:
            // A frame brought to the front while its modal dialog is up (by another instance, the
            // task list) hands the activation on to the dialog, which is where the user must act.
            if (LOWORD(wParam) != WA_INACTIVE && !::IsWindowEnabled(m_hWnd))
                ::PostMessageA(m_hWnd, kFrontModalDialog, 0, 0);
            return false;
        case kFrontModalDialog:
            FrontModalDialog();
            result = 0;
            return true;
        case WM_SETFOCUS:
            if (m_pView && m_pView->Handle())
                ::SetFocus(m_pView->Handle());
            return true;
        case WM_COMMAND:
            // Notifications from child controls other than the toolbar are not commands.
            if (lParam != 0 && (!m_pDockedBar || reinterpret_cast<HWND>(lParam) != m_pDockedBar->Handle()))
                return false;
            if (!IsCommandEnabled(LOWORD(wParam)))
                return true;  // a grayed item reached through its accelerator does nothing
            RouteCommand(LOWORD(wParam));
            result = 0;
            return true;
        case WM_INITMENUPOPUP:
            if (!HIWORD(lParam))
                OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
            result = 0;
            return true;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            result = 0;
            return true;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->code == TTN_GETDISPINFOA)
                return OnToolTipText(header);
            return false;
        }
        case WM_ENTERIDLE:
            // A modal dialog's loop has run out of messages: let the dialog refresh what it shows.
            if (wParam == MSGF_DIALOGBOX && lParam)
                ::SendMessageA(reinterpret_cast<HWND>(lParam), kWmKickIdle, 0, 0);
            result = 0;
            return true;
        case WM_SETCURSOR:
            if (WinApp* app = WinApp::Current(); app && app->IsWaitCursorShown()) {
                ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
                result = TRUE;
                return true;
            }
            return false;
        default:
            return false;
    }
}

void FrameWnd::PostNcDestroy() {
    if (m_onDestroyed)
        m_onDestroyed();
}

}  // namespace fw
