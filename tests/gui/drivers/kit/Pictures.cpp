#include "Pictures.h"

#include <windows.h>

#include <commctrl.h>

#include "Capture.h"
#include "Input.h"
#include "Report.h"
#include "Window.h"

namespace tk {

std::string PutPicture(const CaseDir& dir, const std::string& dataName, const std::string& asName) {
    const std::string folder = Join(dir.folder, "pictures");
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = Join(folder, asName);
    // Without the file a case that expects nothing to open would pass for the wrong reason.
    if (!CopyFileTo(Join(Arg("data"), dataName), path))
        Check(false, "copy " + dataName, "to " + path);
    return path;
}

bool CheckPreview(const App& app, const std::string& expectedBmp, const std::string& name) {
    Image expected;
    if (!LoadBmp(Join(Arg("data"), expectedBmp), expected))
        return Check(false, name, "no expected preview " + expectedBmp);
    const Difference difference = app.WaitPreview(expected);
    const bool same = difference.sameSize && difference.count == 0;
    if (!same) {
        const std::string stem = expectedBmp.substr(0, expectedBmp.size() - 4);
        SaveBmp(app.CapturePreview(), Join(Arg("artifacts"), stem + "-got.bmp"));
    }
    return Check(same, name, difference.Describe());
}

void SaveScreenshot(App& app, const std::string& fileName) {
    // The cursor stays where the last case left it; a tooltip under it would be in the picture.
    MouseMoveScreen(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    WaitUntil([&] { return FindTop(app.Process().Pid(), TOOLTIPS_CLASSA) == nullptr; }, 5000);
    const RECT shot = WindowRect(app.Frame());
    SaveBmp(CaptureScreen(shot.left, shot.top, shot.right - shot.left, shot.bottom - shot.top),
            Join(Arg("artifacts"), fileName));
}

}  // namespace tk
