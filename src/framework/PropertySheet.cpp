#include "framework/PropertySheet.h"

#include <cstring>

namespace fw {
namespace {

// The sheet's dialog template, in either layout, as the system hands it over before creating the
// window. DLGTEMPLATEEX starts with version 1 and the signature 0xFFFF, then help id, extended
// style and style; DLGTEMPLATE starts with style and extended style.
void MakeChildTemplate(void* dialogTemplate) {
    auto* bytes = static_cast<unsigned char*>(dialogTemplate);
    WORD signature = 0;
    std::memcpy(&signature, bytes + 2, sizeof signature);
    const bool extended = signature == 0xFFFF;
    unsigned char* styleAt = bytes + (extended ? 12 : 0);
    unsigned char* exStyleAt = bytes + (extended ? 8 : 4);
    DWORD style = 0;
    DWORD exStyle = 0;
    std::memcpy(&style, styleAt, sizeof style);
    std::memcpy(&exStyle, exStyleAt, sizeof exStyle);
    style &= ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | DS_CONTEXTHELP | WS_VISIBLE);
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    exStyle &= ~(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTEXTHELP);
    std::memcpy(styleAt, &style, sizeof style);
    std::memcpy(exStyleAt, &exStyle, sizeof exStyle);
}

// An embedded sheet has no buttons: cut its window above them, so that its size is the tab
// control with its margins, and keep them out of sight and out of the tab order.
void RemoveButtons(HWND sheet) {
    RECT window{};
    ::GetWindowRect(sheet, &window);
    if (HWND ok = ::GetDlgItem(sheet, IDOK)) {
        RECT button{};
        ::GetWindowRect(ok, &button);
        ::SetWindowPos(sheet, nullptr, 0, 0, window.right - window.left, button.top - window.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    constexpr int kApplyNow = 0x3021;
    for (int id : {IDOK, IDCANCEL, kApplyNow, IDHELP}) {
        if (HWND button = ::GetDlgItem(sheet, id)) {
            ::ShowWindow(button, SW_HIDE);
            ::EnableWindow(button, FALSE);
        }
    }
}

bool IsPageKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || ::GetKeyState(VK_CONTROL) >= 0)
        return false;
    return msg.wParam == VK_TAB || msg.wParam == VK_PRIOR || msg.wParam == VK_NEXT;
}

}  // namespace

PropertySheet::~PropertySheet() {
    if (m_bRouted) {
        if (KeyboardRoute* route = CurrentKeyboardRoute())
            route->Remove(this);
    }
}

int CALLBACK PropertySheet::SheetCallback(HWND, UINT message, LPARAM lParam) {
    if (message == PSCB_PRECREATE && lParam)
        MakeChildTemplate(reinterpret_cast<void*>(lParam));
    return 0;
}

bool PropertySheet::Create(HWND parent) {
    std::vector<PROPSHEETPAGEA> pages;
    pages.reserve(m_pages.size());
    for (PropertyPage* page : m_pages)
        pages.push_back(page->Description());

    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    header.hwndParent = parent;
    header.hInstance = ::GetModuleHandleA(nullptr);
    header.pszCaption = "";
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = 0;
    header.ppsp = pages.data();
    header.pfnCallback = &PropertySheet::SheetCallback;
    const INT_PTR created = ::PropertySheetA(&header);
    if (created == 0 || created == -1)
        return false;
    m_hWnd = reinterpret_cast<HWND>(created);
    RemoveButtons(m_hWnd);
    // The template's styles were changed before creation; the window is shown only now, complete.
    ::ShowWindow(m_hWnd, SW_SHOWNA);
    if (KeyboardRoute* route = CurrentKeyboardRoute(); route && !m_bRouted) {
        route->Add(this);
        m_bRouted = true;
    }
    return true;
}

HWND PropertySheet::TabControl() const {
    return m_hWnd ? reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0)) : nullptr;
}

int PropertySheet::ActiveIndex() const {
    if (!m_hWnd)
        return -1;
    HWND current = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    return current ? static_cast<int>(::SendMessageA(m_hWnd, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(current), 0))
                   : -1;
}

void PropertySheet::SetActivePage(int index) const {
    if (m_hWnd)
        ::SendMessageA(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool PropertySheet::PreTranslateKeys(MSG& msg) {
    if (!m_hWnd || !::IsWindow(m_hWnd) || !IsPageKey(msg) || (msg.hwnd != m_hWnd && !::IsChild(m_hWnd, msg.hwnd)))
        return false;
    return ::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg)) != FALSE;
}

}  // namespace fw
