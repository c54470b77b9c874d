#include "FileDialog.h"

#include "Window.h"

#include <cstring>
#include <cwchar>

namespace tk {

HWND file_name_field(HWND dialog) {
    return dialog ? find_id(dialog, kFileNameId, "Edit") : nullptr;
}

bool choose_file(HWND dialog, const std::string& path) {
    HWND field = file_name_field(dialog);
    HWND ok = dialog ? find_id(dialog, IDOK, "Button") : nullptr;
    if (!field || !ok || !set_text(field, path))
        return false;
    click(ok);
    return true;
}

bool cancel_dialog(HWND dialog) {
    HWND cancel = dialog ? find_id(dialog, IDCANCEL, "Button") : nullptr;
    if (!cancel)
        return false;
    click(cancel);
    return wait_gone(dialog);
}

std::vector<std::string> combo_items(HWND combo) {
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
