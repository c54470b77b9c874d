// A dialog that shows more or less of itself: its height ends at the top of one of two invisible
// marker controls, and a button's caption says which way the next click goes.
#pragma once

#include <windows.h>

namespace fw {

// `captions` holds two captions separated by a line feed (a missing one is empty). When the
// button `buttonId` reads the first, it gets the second and the dialog ends at the top of
// `secondMarkerId`; otherwise it gets the first and the dialog ends at `firstMarkerId`. The width
// and position stay. Each child is then enabled exactly when its top lies inside the new height,
// so that controls cut off cannot take the focus; when no window has the focus any more, the
// dialog's first tab stop gets it.
void ToggleDialogSection(HWND dialog, int firstMarkerId, int secondMarkerId, int buttonId, const char* captions);

}  // namespace fw
