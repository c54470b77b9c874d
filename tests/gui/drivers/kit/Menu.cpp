#include "Menu.h"

#include "Remote.h"
#include "Window.h"
#include "probe/MenuProbe.h"

namespace tk {
namespace {

bool Probe(HANDLE process, HWND frame, const std::string& probeDll, menuprobe::Request& request) {
    const void* function = remote_export(process, probeDll, "ProbeMenu");
    if (!function)
        return false;
    RemoteBuffer block(process, sizeof request);
    request = {};
    request.window = reinterpret_cast<uintptr_t>(frame);
    DWORD result = 0;
    return block.write(&request, sizeof request) && run_remote(process, function, block.address(), &result) &&
           result == 1 && block.read(&request, sizeof request);
}

}  // namespace

std::vector<MenuItem> read_menu(HANDLE process, HWND frame, const std::string& probeDll) {
    static menuprobe::Request request;
    if (!Probe(process, frame, probeDll, request))
        return {};
    // The program updates the enabling of a pop-up's items when it is about to open.
    int position = 0;
    for (uint32_t i = 0; i < request.count; ++i) {
        if (request.entries[i].depth != 0)
            continue;
        if (request.entries[i].submenu)
            send(frame, WM_INITMENUPOPUP, static_cast<WPARAM>(request.entries[i].submenu), MAKELPARAM(position, FALSE));
        ++position;
    }
    if (!Probe(process, frame, probeDll, request))
        return {};
    std::vector<MenuItem> items;
    for (uint32_t i = 0; i < request.count; ++i) {
        const menuprobe::Entry& entry = request.entries[i];
        MenuItem item;
        item.depth = static_cast<int>(entry.depth);
        item.id = entry.id;
        item.text = entry.text;
        item.popup = entry.submenu != 0;
        item.separator = entry.separator != 0;
        item.grayed = (entry.state & MFS_GRAYED) != 0;
        item.checked = (entry.state & MFS_CHECKED) != 0;
        items.push_back(item);
    }
    return items;
}

const MenuItem* find_item(const std::vector<MenuItem>& menu, UINT id) {
    for (const MenuItem& item : menu) {
        if (!item.popup && !item.separator && item.id == id)
            return &item;
    }
    return nullptr;
}

}  // namespace tk
