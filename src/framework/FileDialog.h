// The system's open and save file choosers, each behind one call with an in/out record.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

namespace fw {

struct FileChooser {
    HWND owner = nullptr;
    const char* title = nullptr;  // null: the system's title
    std::string filter;           // "text|pattern|text|pattern..."
    std::string initialFolder;
    const char* defaultExtension = nullptr;  // null: none
    DWORD flags = 0;                         // OFN_ bits
    size_t capacity = MAX_PATH;              // characters of the name buffer, terminating zero included
    std::string fileName;                    // in: the proposed name; out: the chosen path
};

// True with request.fileName set when the user chose a file; false when cancelled or failed.
bool ChooseFileToOpen(FileChooser& request);
bool ChooseFileToSave(FileChooser& request);

}  // namespace fw
