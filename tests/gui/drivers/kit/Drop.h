// Files dropped on a window as the shell would drop them. The DROPFILES block is written into the
// program's own memory: an HGLOBAL of the driver posted to another process crashes the receiver.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tk {

bool DropFiles(HANDLE process, HWND target, const std::vector<std::string>& files, POINT at = {10, 10});

}  // namespace tk
