// The program's menu as the user would find it on opening each pop-up: the driver sends
// WM_INITMENUPOPUP for every pop-up (where the program updates enabling) and then reads the items
// with the menu probe inside the program.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tk {

struct MenuItem {
    int depth = 0;
    UINT id = 0;
    std::string text;
    bool popup = false;
    bool separator = false;
    bool grayed = false;
    bool checked = false;
};

// probeDll: Windows path of the probe DLL. An empty result means the menu could not be read, and
// problem then says why (the probe not found or not loaded, its own result, ...).
std::vector<MenuItem> ReadMenu(HANDLE process, HWND frame, const std::string& probeDll, std::string& problem);

// The item with command id id, or null.
const MenuItem* FindItem(const std::vector<MenuItem>& menu, UINT id);

}  // namespace tk
