#include "dialogs/SkinCtrlPSheet.h"

namespace {

// A window's rectangle in the client coordinates of `parent`.
RECT RectIn(HWND window, HWND parent) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void AddStyle(HWND window, int index, LONG_PTR bits) {
    ::SetWindowLongPtrA(window, index, ::GetWindowLongPtrA(window, index) | bits);
}

}  // namespace

CSkinCtrlPSheet::CSkinCtrlPSheet(SettingsHooks& hooks) : m_page1(hooks) {
    AddPage(m_page1);
}

bool CSkinCtrlPSheet::CreateOver(HWND panel, int placeholderId) {
    if (!Create(panel))
        return false;
    // Tab moves from the panel's controls into the pages' controls and back.
    AddStyle(Handle(), GWL_STYLE, WS_TABSTOP);
    AddStyle(Handle(), GWL_EXSTYLE, WS_EX_CONTROLPARENT);
    AddStyle(panel, GWL_EXSTYLE, WS_EX_CONTROLPARENT);
    PlaceOver(panel, placeholderId);

    // Showing a page makes its window, which fills its controls from the record; every page is
    // made now so that a settings read finds them all.
    const int active = ActiveIndex();
    for (int i = 0; i < PageCount(); ++i)
        SetActivePage(i);
    SetActivePage(active < 0 ? 0 : active);
    return true;
}

void CSkinCtrlPSheet::PlaceOver(HWND panel, int placeholderId) const {
    HWND placeholder = ::GetDlgItem(panel, placeholderId);
    HWND tab = TabControl();
    if (!placeholder || !Handle())
        return;
    const RECT place = RectIn(placeholder, panel);
    const RECT sheet = RectIn(Handle(), panel);
    // Above the placeholder, which would otherwise hide it: the sheet clips its siblings.
    ::SetWindowPos(Handle(), HWND_TOP, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   SWP_NOACTIVATE);
    ::InvalidateRect(Handle(), nullptr, TRUE);
    if (!tab)
        return;
    const RECT tabRect = RectIn(tab, panel);
    const int width = (place.right - place.left) - ((sheet.right - sheet.left) - (tabRect.right - tabRect.left));
    const int height = (place.bottom - place.top) - ((sheet.bottom - sheet.top) - (tabRect.bottom - tabRect.top));
    ::SetWindowPos(tab, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSkinCtrlPSheet::RefreshPages() {
    m_page1.Refresh();
}
