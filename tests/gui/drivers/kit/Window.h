// Finding the program's windows and reading and writing their texts from outside. Texts cross the
// process boundary only through messages: GetWindowTextA does not read another process's controls.
#pragma once

#include <windows.h>

#include <string>

#include "Wait.h"

namespace tk {

// A visible top-level window of process pid whose class is cls (any class when cls is null).
HWND find_top(DWORD pid, const char* cls);
HWND wait_top(DWORD pid, const char* cls, DWORD ms = kDefaultWait);
// Any top-level window of pid, visible or not (0 when it has none).
HWND any_top(DWORD pid);

// One line per top-level window of pid (class, visibility, title), for the log of a failed wait.
std::string describe_windows(DWORD pid);

// A visible dialog (#32770) of process pid owned by owner; a message box is one too.
HWND find_owned(DWORD pid, HWND owner);
HWND wait_owned(DWORD pid, HWND owner, DWORD ms = kDefaultWait);
// Waits until window is gone or hidden.
bool wait_gone(HWND window, DWORD ms = kDefaultWait);

// A descendant of parent with control id id and class cls. Matching the class matters: the file
// dialogs have a toolbar with id 1 beside their OK button.
HWND find_id(HWND parent, int id, const char* cls);

std::string class_of(HWND window);
std::string text_of(HWND window);
bool set_text(HWND window, const std::string& text);
// Types text as WM_CHARs (a cp932 double-byte character as its lead byte, then its trail byte), for
// controls that react to EN_CHANGE, which WM_SETTEXT does not send.
void type_text(HWND window, const std::string& text);

// BM_CLICK posted, not sent: a button that opens a modal dialog would block the driver until it closed.
void click(HWND button);
bool post_command(HWND window, int id);
// SendMessageTimeout with a deadline; returns the result, or `fallback` when the call did not complete.
LRESULT send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT fallback = 0);

RECT window_rect(HWND window);
// The client rectangle in screen coordinates.
RECT client_rect_screen(HWND window);

}  // namespace tk
