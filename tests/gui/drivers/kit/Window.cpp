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
    return !cls || class_of(window) == cls;
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
        list->text += "[" + class_of(window) + (IsWindowVisible(window) ? " visible \"" : " hidden \"") +
                      text_of(window) + "\"] ";
    return TRUE;
}

}  // namespace

HWND find_top(DWORD pid, const char* cls) {
    return FindTop(pid, cls, nullptr, true);
}

HWND wait_top(DWORD pid, const char* cls, DWORD ms) {
    HWND found = nullptr;
    wait_until([&] { return (found = find_top(pid, cls)) != nullptr; }, ms);
    return found;
}

HWND any_top(DWORD pid) {
    return FindTop(pid, nullptr, nullptr, false);
}

std::string describe_windows(DWORD pid) {
    Listing listing = {pid, {}};
    EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&listing));
    return listing.text.empty() ? "no windows" : listing.text;
}

HWND find_owned(DWORD pid, HWND owner) {
    return FindTop(pid, "#32770", owner, true);
}

HWND wait_owned(DWORD pid, HWND owner, DWORD ms) {
    HWND found = nullptr;
    wait_until([&] { return (found = find_owned(pid, owner)) != nullptr; }, ms);
    return found;
}

bool wait_gone(HWND window, DWORD ms) {
    return wait_until([&] { return !IsWindow(window) || !IsWindowVisible(window); }, ms);
}

HWND find_id(HWND parent, int id, const char* cls) {
    ChildQuery query = {id, cls, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::string class_of(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

LRESULT send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT fallback) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kDefaultWait, &result))
        return fallback;
    return static_cast<LRESULT>(result);
}

std::string text_of(HWND window) {
    const LRESULT length = send(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, kDefaultWait, &copied))
        return {};
    return std::string(buffer.data());
}

bool set_text(HWND window, const std::string& text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                               kDefaultWait, &result) &&
           result != 0;
}

void type_text(HWND window, const std::string& text) {
    for (unsigned char byte : text)
        send(window, WM_CHAR, byte, 1);
}

void click(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

bool post_command(HWND window, int id) {
    return PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0) != 0;
}

RECT window_rect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT client_rect_screen(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    OffsetRect(&rect, origin.x, origin.y);
    return rect;
}

}  // namespace tk
