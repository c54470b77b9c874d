// Runs on a thread of the program (CreateRemoteThread): reads the frame's menu bar and its pop-ups
// into the request block whose address is the thread's parameter. The exit code says how it went
// (menuprobe::Result), so a driver never mistakes a failed read for an empty menu.
#include "MenuProbe.h"

#include <windows.h>

namespace {

menuprobe::Result ReadMenu(HMENU menu, uint32_t depth, menuprobe::Request& request) {
    const int count = GetMenuItemCount(menu);
    if (count < 0)
        return menuprobe::kItemUnreadable;
    for (int i = 0; i < count; ++i) {
        if (request.count >= menuprobe::kMaxEntries)
            return menuprobe::kTooManyItems;
        menuprobe::Entry& entry = request.entries[request.count++];
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = entry.text;
        info.cch = menuprobe::kMaxText;
        entry.text[0] = '\0';
        if (!GetMenuItemInfoA(menu, i, TRUE, &info))
            return menuprobe::kItemUnreadable;
        entry.depth = depth;
        entry.id = info.hSubMenu ? 0 : info.wID;
        entry.state = info.fState;
        entry.separator = (info.fType & MFT_SEPARATOR) != 0;
        entry.submenu = reinterpret_cast<uintptr_t>(info.hSubMenu);
        if (info.hSubMenu) {
            const menuprobe::Result result = ReadMenu(info.hSubMenu, depth + 1, request);
            if (result != menuprobe::kRead)
                return result;
        }
    }
    return menuprobe::kRead;
}

}  // namespace

// A thread procedure (LPTHREAD_START_ROUTINE): stdcall on i686. Linked with --kill-at, so that it is
// exported as menuprobe::kExport.
extern "C" __declspec(dllexport) DWORD WINAPI ProbeMenu(void* parameter) {
    auto* request = static_cast<menuprobe::Request*>(parameter);
    if (request->size != sizeof(menuprobe::Request))
        return menuprobe::kWrongBlock;
    request->count = 0;
    HMENU bar = GetMenu(reinterpret_cast<HWND>(static_cast<uintptr_t>(request->window)));
    if (!bar)
        return menuprobe::kNoMenu;
    return ReadMenu(bar, 0, *request);
}
