// One instance at a time: a second start hands its file to the first over DDE, or only brings the
// first to the front, and ends without a window of its own.
#include "Kit.h"
#include "resource.h"

using namespace tk;

namespace {

// Starts a second instance with the command-line tail args and waits for it to end; checks that it
// never showed a window.
void RunSecond(const CaseDir& dir, const std::string& args) {
    Proc second;
    if (!Check(second.Start(dir.exe, args, dir.folder), "second instance started"))
        return;
    CheckEndsAlone(second, nullptr, "second instance ends by itself with exit code 0",
                   "second instance shows no window");
}

void CheckHandOver() {
    CaseApp first("second start with a file", "hand-over");
    const std::string spaced = first.Put("tall.bmp", "my picture 1.bmp");
    const std::string picturesJapanese = Join(first.dir.folder, "写真");
    CreateDirectoryA(picturesJapanese.c_str(), nullptr);
    // A cp932 path whose second bytes are backslashes (ソ 0x83 0x5C, 表 0x95 0x5C), with a space.
    const std::string japanese = Join(picturesJapanese, "ソフト表 1.bmp");
    CopyFileTo(Join(Arg("data"), "sample.bmp"), japanese);
    const std::string bad = first.Put("bad.bmp");

    if (!first.Launch({}, "first instance's frame appears"))
        return;

    RunSecond(first.dir, "\"" + spaced + "\"");
    Check(WaitUntil([&] { return first.PictureShown(); }), "first instance shows the handed-over picture");
    CheckPreview(first, "preview-tall-default.bmp", "preview of the path with spaces");

    RunSecond(first.dir, "\"" + japanese + "\"");
    CheckPreview(first, "preview-sample-default.bmp", "preview of the cp932 path");

    // A short (8.3) name is opened under its long name, which the save dialog then proposes.
    char shortName[MAX_PATH] = "";
    GetShortPathNameA(spaced.c_str(), shortName, MAX_PATH);
    Check(std::string(shortName) != spaced && *shortName, "the file has a short name", shortName);
    RunSecond(first.dir, shortName);
    CheckPreview(first, "preview-tall-default.bmp", "preview of the short name");
    HWND dialog = first.OpenDialog(ID_FILE_SAVE_AS);
    CheckEq(TextOf(FileNameField(dialog)), "my picture 1", "the long name is the document's");
    CancelDialog(dialog);

    // The second instance's request is answered before it ends, so the first has tried the file by now.
    RunSecond(first.dir, "\"" + bad + "\"");
    Check(FindOwned(first.Process().Pid(), first.Frame()) == nullptr, "unreadable file: no message",
          DescribeWindows(first.Process().Pid()));
    CheckPreview(first, "preview-tall-default.bmp", "unreadable file: picture kept");
    Check(first.Exit(), "first instance exits");
}

void CheckActivation() {
    CaseApp first("second start without a file", "activation");
    if (!first.Launch({}, "first instance's frame appears"))
        return;
    Check(first.Minimise(), "first instance minimised");

    RunSecond(first.dir, "");
    Check(WaitUntil([&] { return !IsIconic(first.Frame()); }), "first instance restored");
    Check(WaitUntil([&] { return GetForegroundWindow() == first.Frame(); }), "first instance in front");
    Check(!first.PictureShown(), "still no picture");
    Check(first.Exit(), "first instance exits");
}

// The hand-over also reaches a first instance that has a modal dialog up, and that dialog is what
// comes to the front.
void CheckHandOverUnderModalDialog() {
    CaseApp first("second start while a dialog is open", "hand-over-modal");
    const std::string picture = first.Put("sample.bmp");
    if (!first.Launch({}, "first instance's frame appears"))
        return;
    BringToFront(first.Frame());
    HWND dialog = first.OpenDialog(ID_FILE_OPEN);
    if (!Check(dialog != nullptr, "open dialog up"))
        return;
    Check(WaitUntil([&] { return GetForegroundWindow() == dialog; }), "the dialog is active");
    // The user turns to another program (here a window of the driver's) and starts a second instance.
    HWND elsewhere =
        CreateWindowA("STATIC", "elsewhere", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    Check(BringToFront(elsewhere), "another window in front");
    RunSecond(first.dir, "\"" + picture + "\"");
    Check(WaitUntil([&] { return GetForegroundWindow() == dialog; }, 3000), "the dialog is in front",
          "foreground is " + ClassOf(GetForegroundWindow()) + " \"" + TextOf(GetForegroundWindow()) + "\"");
    CancelDialog(dialog);
    // The dialog in front covers the preview; look at it once the dialog is gone.
    CheckPreview(first, "preview-sample-default.bmp", "picture opened behind the dialog");
    DestroyWindow(elsewhere);
    Check(first.Exit(), "first instance exits");
}

}  // namespace

int main(int argc, char** argv) {
    return RunCases("instance", argc, argv, {CheckHandOver, CheckActivation, CheckHandOverUnderModalDialog});
}
