// Pictures for the cases and the preview they must produce. The expected previews and skins were
// made by the native `tolvarin` from the same pictures and settings (tests/gui/run.sh), so the
// program and the command line are held to the same result.
#pragma once

#include <string>

#include "App.h"
#include "Files.h"

namespace tk {

// Copies <--data>\dataName into <case folder>\pictures\asName and returns the copy's full path.
std::string PutPicture(const CaseDir& dir, const std::string& dataName, const std::string& asName);

// Checks that the preview slots show <--data>\expectedBmp; on a mismatch the capture is kept in the
// artifacts as <expectedBmp without .bmp>-got.bmp.
bool CheckPreview(const App& app, const std::string& expectedBmp, const std::string& name);

// Saves the whole frame as it is on screen into the artifacts folder (with the cursor moved away).
void SaveScreenshot(App& app, const std::string& fileName);

}  // namespace tk
