#include "FileDialog.h"

#include "Window.h"

#include <cstring>
#include <cwchar>

namespace tk {

HWND FileNameField(HWND dialog) {
    return dialog ? FindId(dialog, kFileNameId, "Edit") : nullptr;
}

bool ChooseFile(HWND dialog, const std::string& path) {
    HWND field = FileNameField(dialog);
    HWND ok = dialog ? FindId(dialog, IDOK, "Button") : nullptr;
    if (!field || !ok || !SetText(field, path))
        return false;
    Click(ok);
    return true;
}

bool CancelDialog(HWND dialog) {
    HWND cancel = dialog ? FindId(dialog, IDCANCEL, "Button") : nullptr;
    if (!cancel)
        return false;
    Click(cancel);
    return WaitGone(dialog);
}

std::vector<std::string> ComboItems(HWND combo) {
    // The dialog's controls are Unicode windows: their list texts are read as UTF-16 and converted.
    std::vector<std::string> items;
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(combo, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kDefaultWait, &count))
        return items;
    for (DWORD_PTR i = 0; i<count&& static_cast<LRESULT>(count)> 0; ++i) {
        DWORD_PTR length = 0;
        if (!SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, i, 0, SMTO_ABORTIFHUNG, kDefaultWait, &length) ||
            static_cast<LRESULT>(length) < 0)
            break;
        std::wstring wide(length + 1, L'\0');
        DWORD_PTR copied = 0;
        if (!SendMessageTimeoutW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide.data()), SMTO_ABORTIFHUNG,
                                 kDefaultWait, &copied))
            break;
        wide.resize(wcslen(wide.c_str()));
        const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string text(bytes > 0 ? bytes : 1, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text.data(), bytes, nullptr, nullptr);
        text.resize(strlen(text.c_str()));
        items.push_back(text);
    }
    return items;
}

}  // namespace tk
