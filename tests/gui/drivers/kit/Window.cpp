#include "Window.h"

#include <vector>

namespace tk {
namespace {

struct TopQuery {
    DWORD pid;
    const char* cls;
    HWND owner;
    bool visibleOnly;
    HWND found;
};

bool ClassIs(HWND window, const char* cls) {
    return !cls || ClassOf(window) == cls;
}

BOOL CALLBACK MatchTop(HWND window, LPARAM param) {
    auto* query = reinterpret_cast<TopQuery*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != query->pid || (query->visibleOnly && !IsWindowVisible(window)) || !ClassIs(window, query->cls))
        return TRUE;
    if (query->owner && GetWindow(window, GW_OWNER) != query->owner)
        return TRUE;
    query->found = window;
    return FALSE;
}

HWND FindTop(DWORD pid, const char* cls, HWND owner, bool visibleOnly) {
    TopQuery query = {pid, cls, owner, visibleOnly, nullptr};
    EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

struct ChildQuery {
    int id;
    const char* cls;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM param) {
    auto* query = reinterpret_cast<ChildQuery*>(param);
    if (GetDlgCtrlID(window) == query->id && ClassIs(window, query->cls)) {
        query->found = window;
        return FALSE;
    }
    return TRUE;
}

struct Listing {
    DWORD pid;
    std::string text;
};

// A window callback: stdcall on i686, which a lambda is not.
BOOL CALLBACK ListWindow(HWND window, LPARAM param) {
    auto* list = reinterpret_cast<Listing*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == list->pid)
        list->text +=
            "[" + ClassOf(window) + (IsWindowVisible(window) ? " visible \"" : " hidden \"") + TextOf(window) + "\"] ";
    return TRUE;
}

}  // namespace

HWND FindTop(DWORD pid, const char* cls) {
    return FindTop(pid, cls, nullptr, true);
}

HWND WaitTop(DWORD pid, const char* cls, DWORD ms) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTop(pid, cls)) != nullptr; }, ms);
    return found;
}

HWND AnyTop(DWORD pid) {
    return FindTop(pid, nullptr, nullptr, false);
}

std::string DescribeWindows(DWORD pid) {
    Listing listing = {pid, {}};
    EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&listing));
    return listing.text.empty() ? "no windows" : listing.text;
}

HWND FindOwned(DWORD pid, HWND owner) {
    return FindTop(pid, "#32770", owner, true);
}

HWND WaitOwned(DWORD pid, HWND owner, DWORD ms) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindOwned(pid, owner)) != nullptr; }, ms);
    return found;
}

bool WaitGone(HWND window, DWORD ms) {
    return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, ms);
}

HWND FindId(HWND parent, int id, const char* cls) {
    ChildQuery query = {id, cls, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT fallback) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kDefaultWait, &result))
        return fallback;
    return static_cast<LRESULT>(result);
}

std::string TextOf(HWND window) {
    const LRESULT length = Send(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, kDefaultWait, &copied))
        return {};
    return std::string(buffer.data());
}

bool SetText(HWND window, const std::string& text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                               kDefaultWait, &result) &&
           result != 0;
}

void TypeText(HWND window, const std::string& text) {
    for (unsigned char byte : text)
        Send(window, WM_CHAR, byte, 1);
}

void Click(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

bool PostCommand(HWND window, int id) {
    return PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0) != 0;
}

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRectScreen(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    OffsetRect(&rect, origin.x, origin.y);
    return rect;
}

}  // namespace tk
