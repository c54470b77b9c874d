#include "Input.h"

#include "Wait.h"

namespace tk {
namespace {

INPUT Key(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT Mouse(DWORD flags, int x, int y) {
    // Absolute coordinates are in 1/65536 of the primary screen.
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

}  // namespace

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, 3000);
}

void MouseMoveScreen(int x, int y) {
    INPUT input = Mouse(MOUSEEVENTF_MOVE, x, y);
    SendInput(1, &input, sizeof input);
}

void MouseClickScreen(int x, int y) {
    INPUT inputs[3] = {Mouse(MOUSEEVENTF_MOVE, x, y), Mouse(MOUSEEVENTF_LEFTDOWN, x, y),
                       Mouse(MOUSEEVENTF_LEFTUP, x, y)};
    SendInput(3, inputs, sizeof inputs[0]);
}

void MousePressScreen(int x, int y) {
    INPUT inputs[2] = {Mouse(MOUSEEVENTF_MOVE, x, y), Mouse(MOUSEEVENTF_LEFTDOWN, x, y)};
    SendInput(2, inputs, sizeof inputs[0]);
}

void MouseReleaseScreen(int x, int y) {
    INPUT inputs[2] = {Mouse(MOUSEEVENTF_MOVE, x, y), Mouse(MOUSEEVENTF_LEFTUP, x, y)};
    SendInput(2, inputs, sizeof inputs[0]);
}

void KeyPress(WORD vk) {
    INPUT inputs[2] = {Key(vk, false), Key(vk, true)};
    SendInput(2, inputs, sizeof inputs[0]);
}

void KeyChord(WORD modifier, WORD vk) {
    INPUT inputs[4] = {Key(modifier, false), Key(vk, false), Key(vk, true), Key(modifier, true)};
    SendInput(4, inputs, sizeof inputs[0]);
}

}  // namespace tk
