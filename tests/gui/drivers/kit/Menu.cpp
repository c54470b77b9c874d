#include "Menu.h"

#include "Remote.h"
#include "Report.h"
#include "Window.h"
#include "probe/MenuProbe.h"

namespace tk {
namespace {

const char* ResultText(DWORD result) {
    switch (result) {
        case menuprobe::kWrongBlock:
            return "the probe was built with another request layout";
        case menuprobe::kNoMenu:
            return "the frame has no menu bar";
        case menuprobe::kTooManyItems:
            return "the menu has more items than the request holds";
        case menuprobe::kItemUnreadable:
            return "an item could not be read";
        default:
            return "unknown result";
    }
}

bool Probe(HANDLE process, HWND frame, const std::string& probeDll, menuprobe::Request& request, std::string& problem) {
    const void* function = RemoteExport(process, probeDll, menuprobe::kExport, problem);
    if (!function)
        return false;
    RemoteBuffer block(process, sizeof request);
    request = {};
    request.size = sizeof request;
    request.window = reinterpret_cast<uintptr_t>(frame);
    DWORD result = 0;
    if (!block.Write(&request, sizeof request) || !RunRemote(process, function, block.Address(), &result)) {
        problem = "the probe did not run in the program";
        return false;
    }
    if (result != menuprobe::kRead) {
        problem = Format("probe result %lu: %s", result, ResultText(result));
        return false;
    }
    if (!block.Read(&request, sizeof request) || request.count > menuprobe::kMaxEntries) {
        problem = "the request block could not be read back";
        return false;
    }
    return true;
}

}  // namespace

std::vector<MenuItem> ReadMenu(HANDLE process, HWND frame, const std::string& probeDll, std::string& problem) {
    static menuprobe::Request request;
    if (!Probe(process, frame, probeDll, request, problem))
        return {};
    // The program updates the enabling of a pop-up's items when it is about to open.
    int position = 0;
    for (uint32_t i = 0; i < request.count; ++i) {
        if (request.entries[i].depth != 0)
            continue;
        if (request.entries[i].submenu)
            Send(frame, WM_INITMENUPOPUP, static_cast<WPARAM>(request.entries[i].submenu), MAKELPARAM(position, FALSE));
        ++position;
    }
    if (!Probe(process, frame, probeDll, request, problem))
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
    if (items.empty())
        problem = "the menu bar has no items";
    return items;
}

const MenuItem* FindItem(const std::vector<MenuItem>& menu, UINT id) {
    for (const MenuItem& item : menu) {
        if (!item.popup && !item.separator && item.id == id)
            return &item;
    }
    return nullptr;
}

}  // namespace tk
