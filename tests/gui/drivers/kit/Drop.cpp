#include "Drop.h"

#include "Remote.h"

#include <shlobj.h>

namespace tk {

bool DropFiles(HANDLE process, HWND target, const std::vector<std::string>& files, POINT at) {
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.pt = at;
    header.fNC = FALSE;
    header.fWide = FALSE;
    std::string list;
    for (const std::string& file : files)
        list += file + '\0';
    list += '\0';
    RemoteBuffer block(process, sizeof header + list.size());
    if (!block.Write(&header, sizeof header) || !block.Write(list.data(), list.size(), sizeof header))
        return false;
    if (!PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(block.Address()), 0))
        return false;
    // The receiver owns the block now (DragFinish).
    block.Release();
    return true;
}

}  // namespace tk
