#include "framework/FileDialog.h"

#include <commdlg.h>

#include <vector>

#include "shelltext/FilterList.h"

namespace fw {
namespace {

bool RunChooser(FileChooser& request, bool save) {
    const std::string filters = MakeFilterList(request.filter);
    std::vector<char> name(request.capacity + 1, '\0');
    request.fileName.copy(name.data(), request.capacity > 0 ? request.capacity - 1 : 0);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // the older 76-byte layout
    ofn.hwndOwner = request.owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.nFilterIndex = 0;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(request.capacity);
    ofn.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    ofn.lpstrTitle = request.title;
    ofn.Flags = request.flags;
    ofn.lpstrDefExt = request.defaultExtension;
    const BOOL chosen = save ? ::GetSaveFileNameA(&ofn) : ::GetOpenFileNameA(&ofn);
    if (!chosen)
        return false;
    request.fileName = name.data();
    return true;
}

}  // namespace

bool ChooseFileToOpen(FileChooser& request) {
    return RunChooser(request, false);
}

bool ChooseFileToSave(FileChooser& request) {
    return RunChooser(request, true);
}

}  // namespace fw
