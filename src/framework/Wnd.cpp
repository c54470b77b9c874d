#include "framework/Wnd.h"

#include <exception>
#include <string>

#include "platform/Platform.h"

namespace fw {
namespace {

// The object pointer lives in the window's user data (GWLP_USERDATA for windows, DWLP_USER for
// dialogs) from WM_NCCREATE / WM_INITDIALOG until WM_NCDESTROY.
constexpr int kWindowSlot = GWLP_USERDATA;
constexpr int kDialogSlot = DWLP_USER;

Wnd* ObjectOf(HWND hWnd, int slot) {
    return reinterpret_cast<Wnd*>(::GetWindowLongPtrA(hWnd, slot));
}

// The messages whose answer a dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool ReturnsDirectly(UINT message) {
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) || message == WM_COMPAREITEM ||
           message == WM_VKEYTOITEM || message == WM_CHARTOITEM || message == WM_QUERYDRAGICON;
}

}  // namespace

void ReportUnexpectedFault(const char* what) {
    std::string text = "内部エラーが発生しました。\n";
    text += what ? what : "";
    platform::ShowMessage(text);
}

void Wnd::DestroyWindow() {
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

void Wnd::Detach() {
    m_hWnd = nullptr;
}

bool Wnd::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool Wnd::RegisterWindowClass(const char* className, UINT classStyle, HICON icon, HBRUSH background) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    if (::GetClassInfoExA(instance, className, &existing))
        return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = &Wnd::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return ::RegisterClassExA(&wc) != 0;
}

bool Wnd::CreateWindowFor(const CREATESTRUCTA& cs) {
    return ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent,
                             cs.hMenu, ::GetModuleHandleA(nullptr), this) != nullptr;
}

bool Wnd::CreateChildFor(const char* className, HWND parent, HMENU id) {
    CREATESTRUCTA cs{};
    cs.lpszClass = className;
    cs.lpszName = "";
    cs.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    cs.hwndParent = parent;
    cs.hMenu = id;
    return CreateWindowFor(cs);
}

bool Wnd::HandleMessageSafely(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // No exception may cross back into the system's code that called the window procedure.
    try {
        return HandleMessage(message, wParam, lParam, result);
    } catch (const std::exception& e) {
        ReportUnexpectedFault(e.what());
    } catch (...) {
        ReportUnexpectedFault(nullptr);
    }
    return false;
}

LRESULT CALLBACK Wnd::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Wnd* self = ObjectOf(hWnd, kWindowSlot);
    if (message == WM_NCCREATE) {
        self = static_cast<Wnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrA(hWnd, kWindowSlot, reinterpret_cast<LONG_PTR>(self));
        if (self)
            self->m_hWnd = hWnd;
    }
    if (!self)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);

    LRESULT result = 0;
    const bool handled = self->HandleMessageSafely(message, wParam, lParam, result);
    if (!handled)
        result = ::DefWindowProcA(hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, kWindowSlot, 0);
        self->Detach();
        self->PostNcDestroy();
    }
    return result;
}

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

HWND TopLevelOwner(HWND window) {
    return window ? ::GetAncestor(window, GA_ROOT) : nullptr;
}

Wnd* Wnd::BoundDialog(HWND hWnd) {
    return ObjectOf(hWnd, kDialogSlot);
}

INT_PTR CALLBACK Wnd::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Wnd* self = message == WM_INITDIALOG ? reinterpret_cast<Wnd*>(lParam) : BoundDialog(hWnd);
    return DispatchDialogMessage(self, hWnd, message, wParam, lParam);
}

INT_PTR Wnd::DispatchDialogMessage(Wnd* self, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrA(hWnd, kDialogSlot, reinterpret_cast<LONG_PTR>(self));
        if (self)
            self->m_hWnd = hWnd;
    }
    if (!self)
        return FALSE;

    LRESULT result = 0;
    const bool handled = self->HandleMessageSafely(message, wParam, lParam, result);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, kDialogSlot, 0);
        self->Detach();
        self->PostNcDestroy();
        return FALSE;
    }
    if (message == WM_INITDIALOG)
        return handled ? result : TRUE;  // TRUE: let the system set the focus
    if (!handled)
        return FALSE;
    if (ReturnsDirectly(message))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace fw
