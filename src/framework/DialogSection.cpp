#include "framework/DialogSection.h"

#include <string>

#include "framework/Wnd.h"

namespace fw {
namespace {

// Part `index` of text split at line feeds; empty when there are not that many parts.
std::string SubString(const std::string& text, int index) {
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = text.find('\n', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    const size_t end = text.find('\n', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

void ToggleDialogSection(HWND dialog, int firstMarkerId, int secondMarkerId, int buttonId, const char* captions) {
    const std::string all = captions ? captions : "";
    const std::string caption0 = SubString(all, 0);
    const std::string caption1 = SubString(all, 1);
    HWND button = ::GetDlgItem(dialog, buttonId);
    const bool toSecond = button && WindowText(button) == caption0;
    if (button)
        ::SetWindowTextA(button, toSecond ? caption1.c_str() : caption0.c_str());
    HWND marker = ::GetDlgItem(dialog, toSecond ? secondMarkerId : firstMarkerId);
    if (!marker)
        return;

    RECT markerRect{};
    RECT window{};
    ::GetWindowRect(marker, &markerRect);
    ::GetWindowRect(dialog, &window);
    const int height = markerRect.top - window.top;
    ::SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left, height, SWP_NOMOVE | SWP_NOZORDER);

    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        ::GetWindowRect(child, &r);
        ::EnableWindow(child, r.top <= window.top + height ? TRUE : FALSE);
    }
    if (!::GetFocus())
        ::SetFocus(::GetNextDlgTabItem(dialog, nullptr, FALSE));
}

}  // namespace fw
