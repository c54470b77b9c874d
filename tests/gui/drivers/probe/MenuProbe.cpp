// Runs on a thread of the program (CreateRemoteThread): reads the frame's menu bar and its pop-ups
// into the request block whose address is the thread's parameter.
#include "MenuProbe.h"

#include <windows.h>

namespace {

void ReadMenu(HMENU menu, uint32_t depth, menuprobe::Request& request) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count && request.count < menuprobe::kMaxEntries; ++i) {
        menuprobe::Entry& entry = request.entries[request.count++];
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = entry.text;
        info.cch = menuprobe::kMaxText;
        entry.text[0] = '\0';
        if (!GetMenuItemInfoA(menu, i, TRUE, &info))
            continue;
        entry.depth = depth;
        entry.id = info.hSubMenu ? 0 : info.wID;
        entry.state = info.fState;
        entry.separator = (info.fType & MFT_SEPARATOR) != 0;
        entry.submenu = reinterpret_cast<uintptr_t>(info.hSubMenu);
        if (info.hSubMenu)
            ReadMenu(info.hSubMenu, depth + 1, request);
    }
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI ProbeMenu(void* parameter) {
    auto* request = static_cast<menuprobe::Request*>(parameter);
    request->count = 0;
    HMENU bar = GetMenu(reinterpret_cast<HWND>(static_cast<uintptr_t>(request->window)));
    if (!bar)
        return 0;
    ReadMenu(bar, 0, *request);
    return 1;
}
