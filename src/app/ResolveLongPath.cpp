#include "app/ResolveLongPath.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>

#include "framework/ComPtr.h"

int ResolveLongPath(const char* path, char* output, size_t outputSize) {
    if (!path || !output || outputSize == 0)
        return 0;
    fw::ComPtr<IShellFolder> desktop;
    if (FAILED(::SHGetDesktopFolder(desktop.Receive())) || !desktop)
        return 0;
    // The desktop folder parses absolute names only: a relative one is taken from the working
    // directory first.
    char full[MAX_PATH] = {};
    const DWORD fullLength = ::GetFullPathNameA(path, sizeof full, full, nullptr);
    const char* absolute = fullLength > 0 && fullLength < sizeof full ? full : path;
    WCHAR wide[MAX_PATH] = {};
    const int capacity = static_cast<int>(std::min<size_t>(outputSize, MAX_PATH));
    if (::MultiByteToWideChar(CP_ACP, 0, absolute, -1, wide, capacity) <= 0)
        return 0;
    LPITEMIDLIST parsed = nullptr;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide, nullptr, &parsed, nullptr)))
        return 0;
    const fw::ItemIdList items(parsed);
    // SHGetPathFromIDListA writes up to MAX_PATH bytes: go through a buffer of that size.
    char resolved[MAX_PATH] = {};
    if (!items || !::SHGetPathFromIDListA(items.Get(), resolved) || lstrlenA(resolved) >= static_cast<int>(outputSize))
        return 0;
    lstrcpyA(output, resolved);
    return 1;
}
