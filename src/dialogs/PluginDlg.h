// The plug-in settings dialog: the folder text the image plug-ins are searched in (one folder, or
// several separated by ";"), typed or chosen with the shell's folder chooser. The dialog does not
// check the folders; the host reports what it cannot load when it reloads.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Runs the dialog modally over `owner` with `folderText` in its edit box. OK stores the edit box's
// text in folderText and returns true, even when it did not change; Cancel and the close box leave
// folderText as it was and return false.
bool EditPluginFolder(HWND owner, std::string& folderText);

// The shell's folder chooser over `owner`, opened on `initialFolder` when that names a folder.
// Returns 1 when the user chose an item, with its path in `output` (empty for an item that is no
// folder of the file system, such as the computer; left as it was for a path that does not fit),
// or 2 when the chooser was cancelled.
int BrowseForFolder(HWND owner, const char* initialFolder, char* output, size_t outputSize);
