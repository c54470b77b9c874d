// Real input through SendInput: it goes to the foreground window and to whatever lies under the
// cursor, like a user's, so the driver brings the program to the front first.
#pragma once

#include <windows.h>

namespace tk {

// SetForegroundWindow completes asynchronously under Wine: waits until the window is in front.
bool BringToFront(HWND window);
void MouseMoveScreen(int x, int y);
void MouseClickScreen(int x, int y);
// The left button pressed or released at a point (a drag is a press, moves and a release).
void MousePressScreen(int x, int y);
void MouseReleaseScreen(int x, int y);
void KeyPress(WORD vk);
// modifier held while vk is pressed, e.g. KeyChord(VK_CONTROL, 'O').
void KeyChord(WORD modifier, WORD vk);

}  // namespace tk
