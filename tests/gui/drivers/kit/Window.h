// Finding the program's windows and reading and writing their texts from outside. Texts cross the
// process boundary only through messages: GetWindowTextA does not read another process's controls.
#pragma once

#include <windows.h>

#include <string>

#include "Wait.h"

namespace tk {

// A visible top-level window of process pid whose class is cls (any class when cls is null).
HWND FindTop(DWORD pid, const char* cls);
HWND WaitTop(DWORD pid, const char* cls, DWORD ms = kDefaultWait);
// Any top-level window of pid, visible or not (0 when it has none).
HWND AnyTop(DWORD pid);

// One line per top-level window of pid (class, visibility, title), for the log of a failed wait.
std::string DescribeWindows(DWORD pid);

// A visible dialog (#32770) of process pid owned by owner; a message box is one too.
HWND FindOwned(DWORD pid, HWND owner);
HWND WaitOwned(DWORD pid, HWND owner, DWORD ms = kDefaultWait);
// Waits until window is gone or hidden.
bool WaitGone(HWND window, DWORD ms = kDefaultWait);

// A descendant of parent with control id id and class cls. Matching the class matters: the file
// dialogs have a toolbar with id 1 beside their OK button.
HWND FindId(HWND parent, int id, const char* cls);

std::string ClassOf(HWND window);
std::string TextOf(HWND window);
bool SetText(HWND window, const std::string& text);
// Types text as WM_CHARs (a cp932 double-byte character as its lead byte, then its trail byte), for
// controls that react to EN_CHANGE, which WM_SETTEXT does not send.
void TypeText(HWND window, const std::string& text);

// BM_CLICK posted, not sent: a button that opens a modal dialog would block the driver until it closed.
void Click(HWND button);
bool PostCommand(HWND window, int id);
// SendMessageTimeout with a deadline; returns the result, or `fallback` when the call did not complete.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT fallback = 0);

RECT WindowRect(HWND window);
// The client rectangle in screen coordinates.
RECT ClientRectScreen(HWND window);

}  // namespace tk
