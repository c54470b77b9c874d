// The ids the framework itself gives meaning to, as the classic frameworks reserve them: the
// program's resources use the same numbers for the same things.
#pragma once

#include <windows.h>

namespace fw {

constexpr UINT kIdsAppTitle = 0xE000;  // string: the program's title, caption of its message boxes
constexpr UINT kIdAppExit = 0xE141;    // command: close the main window
constexpr UINT kIdwView = 0xE900;      // child id of the view inside the frame

}  // namespace fw
