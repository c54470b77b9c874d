// The request block of the menu probe, a DLL that the drivers load into the program: under Wine a
// menu is an object of its own process, and GetMenuItemCount/GetMenuStringA fail on another
// process's menu, so the menu is read from inside. The block lives in the program's memory.
//
// Driver and probe are built for the same architecture, but the block is declared with fixed-width
// fields only and its layout is asserted, so that a pointer-sized field can never make the i686
// and x86_64 builds read it differently; the probe also refuses a block of another size.
#pragma once

#include <cstddef>
#include <cstdint>

namespace menuprobe {

// The probe's export, undecorated: a stdcall function is exported as "ProbeMenu@4" on i686 unless
// the DLL is linked with --kill-at, and the lookup by this name would then find nothing.
constexpr char kExport[] = "ProbeMenu";

constexpr int kMaxEntries = 64;
constexpr int kMaxText = 128;

// The probe thread's exit code.
enum Result : uint32_t {
    kRead = 1,            // every item read
    kWrongBlock = 2,      // Request::size is not the probe's sizeof(Request)
    kNoMenu = 3,          // the window has no menu bar
    kTooManyItems = 4,    // more than kMaxEntries items
    kItemUnreadable = 5,  // GetMenuItemInfoA failed
};

struct Entry {
    uint32_t depth;  // 0 for the menu bar's items, 1 for the items of their pop-ups
    uint32_t id;     // command id; 0 for pop-ups and separators
    uint32_t state;  // MFS_* of MENUITEMINFO
    uint32_t separator;
    uint64_t submenu;  // HMENU of a pop-up, else 0
    char text[kMaxText];
};

struct Request {
    uint32_t size;    // sizeof(Request) as the driver knows it
    uint32_t count;   // filled by the probe
    uint64_t window;  // the frame whose GetMenu is read
    Entry entries[kMaxEntries];
};

static_assert(offsetof(Entry, submenu) == 16 && offsetof(Entry, text) == 24 && sizeof(Entry) == 24 + kMaxText);
static_assert(offsetof(Request, window) == 8 && offsetof(Request, entries) == 16 &&
              sizeof(Request) == 16 + kMaxEntries * sizeof(Entry));

}  // namespace menuprobe
