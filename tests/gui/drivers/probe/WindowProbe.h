// The request blocks of the window probe, a DLL that the drivers load into the program for what
// only the program itself can see: the messages one of its threads handles over a while (timers,
// idle turns), and the fonts its controls draw with (font handles mean nothing to another process,
// and WM_GETFONT does not cross the process boundary under Wine). The blocks live in the program's
// memory.
#pragma once

#include <cstdint>

namespace windowprobe {

struct MessageCount {
    uint64_t window;     // a window of the thread to watch
    uint32_t message;    // the message to count, posted or sent, to any window of that thread
    uint32_t anyWParam;  // 1: every wParam; 0: only wParam
    uint64_t wParam;
    uint32_t ms;     // how long to count
    uint32_t count;  // filled by the probe
};

constexpr int kMaxChildren = 64;
constexpr int kFaceBytes = 32;

struct ChildFont {
    uint32_t hasFont;  // 0: the control draws with the system's default
    int32_t height;
    int32_t weight;
    uint32_t charSet;
    uint32_t pitchAndFamily;
    char face[kFaceBytes];
};

struct ChildFonts {
    uint64_t window;  // whose children are read, in their order
    uint32_t count;   // filled by the probe
    ChildFont fonts[kMaxChildren];
};

}  // namespace windowprobe
