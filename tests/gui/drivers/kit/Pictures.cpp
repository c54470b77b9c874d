#include "Pictures.h"

#include <windows.h>

#include <commctrl.h>

#include "Capture.h"
#include "Input.h"
#include "Report.h"
#include "Window.h"

namespace tk {

std::string put_picture(const CaseDir& dir, const std::string& dataName, const std::string& asName) {
    const std::string folder = join(dir.folder, "pictures");
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = join(folder, asName);
    // Without the file a case that expects nothing to open would pass for the wrong reason.
    if (!copy_file(join(arg("data"), dataName), path))
        check(false, "copy " + dataName, "to " + path);
    return path;
}

bool check_preview(const App& app, const std::string& expectedBmp, const std::string& name) {
    Image expected;
    if (!load_bmp(join(arg("data"), expectedBmp), expected))
        return check(false, name, "no expected preview " + expectedBmp);
    const Difference difference = app.wait_preview(expected);
    const bool same = difference.sameSize && difference.count == 0;
    if (!same) {
        const std::string stem = expectedBmp.substr(0, expectedBmp.size() - 4);
        save_bmp(app.capture_preview(), join(arg("artifacts"), stem + "-got.bmp"));
    }
    return check(same, name, difference.describe());
}

void save_screenshot(App& app, const std::string& fileName) {
    // The cursor stays where the last case left it; a tooltip under it would be in the picture.
    mouse_move_screen(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    wait_until([&] { return find_top(app.proc().pid(), TOOLTIPS_CLASSA) == nullptr; }, 5000);
    const RECT shot = window_rect(app.frame());
    save_bmp(capture_screen(shot.left, shot.top, shot.right - shot.left, shot.bottom - shot.top),
             join(arg("artifacts"), fileName));
}

}  // namespace tk
