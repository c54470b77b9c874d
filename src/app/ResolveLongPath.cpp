#include "app/ResolveLongPath.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>

int ResolveLongPath(const char* path, char* output, size_t outputSize) {
    if (!path || !output || outputSize == 0)
        return 0;
    IMalloc* allocator = nullptr;
    if (FAILED(::SHGetMalloc(&allocator)))
        return 0;
    IShellFolder* desktop = nullptr;
    int result = 0;
    if (SUCCEEDED(::SHGetDesktopFolder(&desktop))) {
        // The desktop folder parses absolute names only: a relative one is taken from the working
        // directory first.
        char full[MAX_PATH] = {};
        const DWORD fullLength = ::GetFullPathNameA(path, sizeof full, full, nullptr);
        const char* absolute = fullLength > 0 && fullLength < sizeof full ? full : path;
        WCHAR wide[MAX_PATH] = {};
        const int capacity = static_cast<int>(std::min<size_t>(outputSize, MAX_PATH));
        if (::MultiByteToWideChar(CP_ACP, 0, absolute, -1, wide, capacity) > 0) {
            LPITEMIDLIST items = nullptr;
            if (SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, wide, nullptr, &items, nullptr)) && items) {
                // SHGetPathFromIDListA writes up to MAX_PATH bytes: go through a buffer of that size.
                char resolved[MAX_PATH] = {};
                if (::SHGetPathFromIDListA(items, resolved) && lstrlenA(resolved) < static_cast<int>(outputSize)) {
                    lstrcpyA(output, resolved);
                    result = 1;
                }
                allocator->Free(items);
            }
        }
        desktop->Release();
    }
    allocator->Release();
    return result;
}
