#include "framework/ToolBar.h"

#include <commctrl.h>

#include <cstdint>

namespace fw {
namespace {

constexpr WORD kRtToolBar = 241;

// A TOOLBAR resource comes in two layouts. The Microsoft resource compiler writes 16-bit words:
// version 1, button width, button height, count, then one command id per item (0 for a
// separator). GNU windres writes 32-bit words without the version: width, height, count, ids.
struct ToolBarLayout {
    int width = 0;
    int height = 0;
    std::vector<UINT> items;
};

uint32_t ReadWord(const BYTE* p, size_t bytes) {
    uint32_t v = 0;
    for (size_t i = 0; i < bytes; ++i)
        v |= uint32_t(p[i]) << (8 * i);
    return v;
}

bool ParseToolBarResource(const BYTE* data, size_t size, ToolBarLayout& layout) {
    if (size >= 8 && ReadWord(data, 2) == 1) {
        const size_t count = ReadWord(data + 6, 2);
        if (size == 8 + 2 * count) {
            layout.width = int(ReadWord(data + 2, 2));
            layout.height = int(ReadWord(data + 4, 2));
            for (size_t i = 0; i < count; ++i)
                layout.items.push_back(ReadWord(data + 8 + 2 * i, 2));
            return layout.width > 0 && layout.height > 0;
        }
    }
    if (size >= 12) {
        const size_t count = ReadWord(data + 8, 4);
        if (count <= (size - 12) / 4 && size == 12 + 4 * count) {
            layout.width = int(ReadWord(data, 4));
            layout.height = int(ReadWord(data + 4, 4));
            for (size_t i = 0; i < count; ++i)
                layout.items.push_back(ReadWord(data + 12 + 4 * i, 4));
            return layout.width > 0 && layout.height > 0 && layout.width < 256 && layout.height < 256;
        }
    }
    return false;
}

}  // namespace

bool ToolBar::Create(HWND parent, DWORD controlStyle, DWORD style, UINT id) {
    m_hWnd = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "", style | controlStyle | CCS_NODIVIDER, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
    if (!m_hWnd)
        return false;
    ::SendMessageA(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return true;
}

bool ToolBar::LoadToolBar(int resourceId) {
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(kRtToolBar));
    if (!found || !m_hWnd)
        return false;
    const DWORD size = ::SizeofResource(instance, found);
    HGLOBAL loaded = ::LoadResource(instance, found);
    const auto* bytes = static_cast<const BYTE*>(loaded ? ::LockResource(loaded) : nullptr);
    ToolBarLayout layout;
    if (!bytes || !ParseToolBarResource(bytes, size, layout))
        return false;

    std::vector<TBBUTTON> buttons(layout.items.size());
    int image = 0;
    m_commandIds.clear();
    for (size_t i = 0; i < layout.items.size(); ++i) {
        TBBUTTON& b = buttons[i];
        b = TBBUTTON{};
        if (layout.items[i] == 0) {
            b.fsStyle = BTNS_SEP;
        } else {
            b.iBitmap = image++;
            b.idCommand = int(layout.items[i]);
            b.fsState = TBSTATE_ENABLED;
            b.fsStyle = BTNS_BUTTON;
            m_commandIds.push_back(layout.items[i]);
        }
    }

    ::SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(layout.width, layout.height));
    // With an instance handle the toolbar maps the bitmap's light grey to the button face colour.
    TBADDBITMAP bitmap{instance, static_cast<UINT_PTR>(resourceId)};
    if (::SendMessageA(m_hWnd, TB_ADDBITMAP, image, reinterpret_cast<LPARAM>(&bitmap)) < 0)
        return false;
    if (!::SendMessageA(m_hWnd, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())))
        return false;
    return true;
}

SIZE ToolBar::ButtonSize() const {
    const LRESULT size = m_hWnd ? ::SendMessageA(m_hWnd, TB_GETBUTTONSIZE, 0, 0) : 0;
    return {LOWORD(size), HIWORD(size)};
}

SIZE ToolBar::Extent() const {
    RECT all{};
    const int count = m_hWnd ? static_cast<int>(::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        RECT item{};
        if (::SendMessageA(m_hWnd, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item)))
            ::UnionRect(&all, &all, &item);
    }
    return {all.right, all.bottom};
}

void ToolBar::SetVertical(bool vertical) const {
    if (!m_hWnd)
        return;
    const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, vertical ? style | CCS_VERT : style & ~LONG_PTR(CCS_VERT));
    // A column is a row that wraps after every item; separators then lie across it.
    const int count = static_cast<int>(::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTONINFOA info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_BYINDEX | TBIF_STATE;
        if (::SendMessageA(m_hWnd, TB_GETBUTTONINFOA, i, reinterpret_cast<LPARAM>(&info)) < 0)
            continue;
        info.fsState = static_cast<BYTE>(vertical ? info.fsState | TBSTATE_WRAP : info.fsState & ~TBSTATE_WRAP);
        ::SendMessageA(m_hWnd, TB_SETBUTTONINFOA, i, reinterpret_cast<LPARAM>(&info));
    }
}

void ToolBar::SetButtonEnabled(UINT id, bool enabled) const {
    const bool now = ::SendMessageA(m_hWnd, TB_ISBUTTONENABLED, id, 0) != 0;
    if (now != enabled)
        ::SendMessageA(m_hWnd, TB_ENABLEBUTTON, id, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

}  // namespace fw
