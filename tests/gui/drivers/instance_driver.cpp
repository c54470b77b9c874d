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
    if (!check(second.start(dir.exe, args, dir.folder), "second instance started"))
        return;
    bool windowSeen = false;
    const bool ended = wait_until([&] {
        windowSeen = windowSeen || find_top(second.pid(), nullptr) != nullptr;
        return !second.running();
    });
    check(ended && second.exit_code() == 0, "second instance ends by itself with exit code 0",
          format("%s, exit code %#lx", ended ? "ended" : "still running", second.exit_code()));
    check(!windowSeen, "second instance shows no window");
    second.kill();
}

void CheckHandOver() {
    CaseScope scope("second start with a file");
    CaseDir dir = make_case("hand-over");
    const std::string spaced = put_picture(dir, "tall.bmp", "my picture 1.bmp");
    const std::string picturesJapanese = join(dir.folder, "写真");
    CreateDirectoryA(picturesJapanese.c_str(), nullptr);
    // A cp932 path whose second bytes are backslashes (ソ 0x83 0x5C, 表 0x95 0x5C), with a space.
    const std::string japanese = join(picturesJapanese, "ソフト表 1.bmp");
    copy_file(join(arg("data"), "sample.bmp"), japanese);
    const std::string bad = put_picture(dir, "bad.bmp", "bad.bmp");

    App first;
    if (!check(first.start(dir), "first instance's frame appears"))
        return;

    RunSecond(dir, "\"" + spaced + "\"");
    check(wait_until([&] { return first.picture_shown(); }), "first instance shows the handed-over picture");
    check_preview(first, "preview-tall-default.bmp", "preview of the path with spaces");

    RunSecond(dir, "\"" + japanese + "\"");
    check_preview(first, "preview-sample-default.bmp", "preview of the cp932 path");

    // A short (8.3) name is opened under its long name, which the save dialog then proposes.
    char shortName[MAX_PATH] = "";
    GetShortPathNameA(spaced.c_str(), shortName, MAX_PATH);
    check(std::string(shortName) != spaced && *shortName, "the file has a short name", shortName);
    RunSecond(dir, shortName);
    check_preview(first, "preview-tall-default.bmp", "preview of the short name");
    post_command(first.frame(), ID_FILE_SAVE_AS);
    HWND dialog = wait_owned(first.proc().pid(), first.frame());
    check_eq(text_of(file_name_field(dialog)), "my picture 1", "the long name is the document's");
    cancel_dialog(dialog);

    // The second instance's request is answered before it ends, so the first has tried the file by now.
    RunSecond(dir, "\"" + bad + "\"");
    check(find_owned(first.proc().pid(), first.frame()) == nullptr, "unreadable file: no message",
          describe_windows(first.proc().pid()));
    check_preview(first, "preview-tall-default.bmp", "unreadable file: picture kept");
    check(first.exit(), "first instance exits");
}

void CheckActivation() {
    CaseScope scope("second start without a file");
    CaseDir dir = make_case("activation");
    App first;
    if (!check(first.start(dir), "first instance's frame appears"))
        return;
    ShowWindow(first.frame(), SW_MINIMIZE);
    check(wait_until([&] { return IsIconic(first.frame()) != 0; }), "first instance minimised");

    RunSecond(dir, "");
    check(wait_until([&] { return !IsIconic(first.frame()); }), "first instance restored");
    check(wait_until([&] { return GetForegroundWindow() == first.frame(); }), "first instance in front");
    check(!first.picture_shown(), "still no picture");
    check(first.exit(), "first instance exits");
}

// The hand-over also reaches a first instance that has a modal dialog up, and that dialog is what
// comes to the front.
void CheckHandOverUnderModalDialog() {
    CaseScope scope("second start while a dialog is open");
    CaseDir dir = make_case("hand-over-modal");
    const std::string picture = put_picture(dir, "sample.bmp", "sample.bmp");
    App first;
    if (!check(first.start(dir), "first instance's frame appears"))
        return;
    bring_to_front(first.frame());
    post_command(first.frame(), ID_FILE_OPEN);
    HWND dialog = wait_owned(first.proc().pid(), first.frame());
    if (!check(dialog != nullptr, "open dialog up"))
        return;
    check(wait_until([&] { return GetForegroundWindow() == dialog; }), "the dialog is active");
    // The user turns to another program (here a window of the driver's) and starts a second instance.
    HWND elsewhere =
        CreateWindowA("STATIC", "elsewhere", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    check(bring_to_front(elsewhere), "another window in front");
    RunSecond(dir, "\"" + picture + "\"");
    check(wait_until([&] { return GetForegroundWindow() == dialog; }, 3000), "the dialog is in front",
          "foreground is " + class_of(GetForegroundWindow()) + " \"" + text_of(GetForegroundWindow()) + "\"");
    cancel_dialog(dialog);
    // The dialog in front covers the preview; look at it once the dialog is gone.
    check_preview(first, "preview-sample-default.bmp", "picture opened behind the dialog");
    DestroyWindow(elsewhere);
    check(first.exit(), "first instance exits");
}

}  // namespace

int main(int argc, char** argv) {
    begin("instance", argc, argv);
    CheckHandOver();
    CheckActivation();
    CheckHandOverUnderModalDialog();
    return finish();
}
