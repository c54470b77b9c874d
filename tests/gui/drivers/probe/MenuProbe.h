// The request block of the menu probe, a DLL that the drivers load into the program: under Wine a
// menu is an object of its own process, and GetMenuItemCount/GetMenuStringA fail on another
// process's menu, so the menu is read from inside. The block lives in the program's memory.
#pragma once

#include <cstdint>

namespace menuprobe {

constexpr int kMaxEntries = 64;
constexpr int kMaxText = 128;

struct Entry {
    uint32_t depth;  // 0 for the menu bar's items, 1 for the items of their pop-ups
    uint32_t id;     // command id; 0 for pop-ups and separators
    uint32_t state;  // MFS_* of MENUITEMINFO
    uint32_t separator;
    uint64_t submenu;  // HMENU of a pop-up, else 0
    char text[kMaxText];
};

struct Request {
    uint64_t window;  // the frame whose GetMenu is read
    uint32_t count;   // filled by the probe
    Entry entries[kMaxEntries];
};

}  // namespace menuprobe
