#include "Pictures.h"

#include <windows.h>

#include <algorithm>

#include "Capture.h"
#include "Report.h"
#include "Window.h"

namespace tk {

const char* const kPreviewKnownFailure =
    "the preview panel is laid out in dialog units of its font, which Wine lacks, so the slots lie lower "
    "than 210 and the frame cuts their lower part off";

std::string put_picture(const CaseDir& dir, const std::string& dataName, const std::string& asName) {
    const std::string folder = join(dir.folder, "pictures");
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = join(folder, asName);
    if (!copy_file(join(arg("data"), dataName), path))
        note("could not copy " + dataName + " to " + path);
    return path;
}

bool check_preview(const App& app, const std::string& expectedBmp, const std::string& name) {
    Image expected;
    if (!load_bmp(join(arg("data"), expectedBmp), expected))
        return check(false, name, "no expected preview " + expectedBmp);
    // The rows that the window shows; all of them once the slots fit.
    const POINT origin = app.preview_origin();
    POINT top = origin;
    ClientToScreen(app.panel(), &top);
    const RECT client = client_rect_screen(app.view());
    const int visibleRows = std::clamp<int>(client.bottom - top.y, 0, expected.height);
    Image visible = expected;
    visible.height = visibleRows;
    visible.pixels.resize(static_cast<size_t>(visibleRows) * visible.width);
    const Difference shown = wait_pixels(app.panel(), origin.x, origin.y, visible);
    bool same =
        check(shown.sameSize && shown.count == 0, name + format(" (the %d rows shown)", visibleRows), shown.describe());
    const Difference whole = compare(app.capture_preview(), expected);
    const bool wholeSame = whole.sameSize && whole.count == 0;
    if (!wholeSame) {
        const std::string stem = expectedBmp.substr(0, expectedBmp.size() - 4);
        save_bmp(app.capture_preview(), join(arg("artifacts"), stem + "-got.bmp"));
    }
    if (*kPreviewKnownFailure)
        todo(wholeSame, name, kPreviewKnownFailure, whole.describe());
    else
        same = check(wholeSame, name, whole.describe()) && same;
    return same;
}

void save_screenshot(const App& app, const std::string& fileName) {
    const RECT shot = window_rect(app.frame());
    save_bmp(capture_screen(shot.left, shot.top, shot.right - shot.left, shot.bottom - shot.top),
             join(arg("artifacts"), fileName));
}

}  // namespace tk
