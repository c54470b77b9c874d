// Real input through SendInput: it goes to the foreground window and to whatever lies under the
// cursor, like a user's, so the driver brings the program to the front first.
#pragma once

#include <windows.h>

namespace tk {

// SetForegroundWindow completes asynchronously under Wine: waits until the window is in front.
bool bring_to_front(HWND window);
void mouse_move_screen(int x, int y);
void mouse_click_screen(int x, int y);
// Presses the left button at `from`, moves to `to` and releases it there.
void mouse_drag_screen(POINT from, POINT to);
void key_press(WORD vk);
// modifier held while vk is pressed, e.g. key_chord(VK_CONTROL, 'O').
void key_chord(WORD modifier, WORD vk);

}  // namespace tk
