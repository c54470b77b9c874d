// Waiting without sleeps: every wait polls its condition, pumps the driver's messages in between
// and gives up at a deadline, so a hang in the program becomes a failed check instead of a stuck run.
#pragma once

#include <windows.h>

#include <functional>

namespace tk {

constexpr DWORD kDefaultWait = 10000;

// Polls pred until it holds or ms have passed; wakes at once on any message for this thread.
bool WaitUntil(const std::function<bool()>& pred, DWORD ms = kDefaultWait);

// Waits for a kernel object while pumping messages (a driver that blocks without pumping can
// stall the program's DDE broadcast). Returns true when the object was signalled in time.
bool WaitObject(HANDLE object, DWORD ms = kDefaultWait);

// Dispatches whatever messages this thread has.
void Pump();

}  // namespace tk
