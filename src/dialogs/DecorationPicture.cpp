#include "dialogs/DecorationPicture.h"

#include <windows.h>

#include "picture/FitPicture.h"
#include "picture/ReadPicture.h"
#include "platform/Platform.h"
#include "shelltext/PathParts.h"

bool LoadDecorationPicture(DibBuffer& fitted) {
    platform::WaitCursor wait;
    fitted.Release();
    char module[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, module, sizeof module);
    if (length == 0 || length >= sizeof module)
        return false;
    const PathParts exe = SplitPath(module);
    DibBuffer picture;
    if (ReadPicture(MakePath(exe.drive, exe.dir, exe.name, "BMP"), picture) != 1 ||
        FitPicture(picture, fitted, kDecorationWidth, kDecorationHeight) != 1) {
        fitted.Release();
        return false;
    }
    return true;
}
