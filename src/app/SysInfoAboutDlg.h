// The About box: the program's icon, version and legal line, and on demand a live panel of system
// information (colour depth, screen size, physical and virtual memory, and the free resources on
// systems with the resource meter).
#pragma once

#include <windows.h>

// Runs the About box modally over `owner`, which must be the frame: the frame relays the modal
// loop's idle turns that refresh the panel between timer ticks.
void ShowAboutBox(HWND owner);
