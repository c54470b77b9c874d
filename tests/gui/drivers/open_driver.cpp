// Opening a picture every way a user can: on the command line, through the open dialog and by
// dropping files on the window; what the preview then shows, what enabling changes, and that a
// picture that cannot be read changes nothing.
#include "Kit.h"
#include "resource.h"

#include <commctrl.h>

using namespace tk;

namespace {

// Save-as and close follow whether a picture is shown, in the menu and on the toolbar. The menu is
// updated as it opens; the toolbar when the program next idles, which is waited for.
void CheckEnabling(App& app, bool picture) {
    const std::vector<MenuItem> menu = app.Menu();
    const MenuItem* save = FindItem(menu, ID_FILE_SAVE_AS);
    const MenuItem* close = FindItem(menu, IDM_FILE_CLOSE);
    Check(save && save->grayed != picture, Format("menu save-as %s", picture ? "enabled" : "grayed"));
    Check(close && close->grayed != picture, Format("menu close %s", picture ? "enabled" : "grayed"));
    Check(WaitUntil([&] { return app.ToolbarEnabled(ID_FILE_SAVE_AS) == picture; }),
          "toolbar save-as follows the picture", Format("still %s", picture ? "grayed" : "enabled"));
}

// Every posted message before it has been handled once the open dialog (asked for last) is up:
// this is the barrier after which "nothing happened" can be checked. Returns the dialog.
HWND OpenDialogAfterPending(App& app) {
    return app.OpenDialog(ID_FILE_OPEN);
}

void CheckCommandLine() {
    CaseApp app("command line", "command-line");
    const std::string picture = app.Put("sample.bmp");
    if (!app.LaunchShowing(picture))
        return;
    CheckPreview(app, "preview-sample-default.bmp", "preview equals `tolvarin preview`");
    CheckEnabling(app, true);
    SaveScreenshot(app, "main-window-with-picture.bmp");
    if (!Check(app.Exit(), "exits"))
        return;
    const std::vector<IniSection> ini = ReadIni(app.dir.ini);
    CheckEq(IniValue(ini, "Path", "LoadPath"), Join(app.dir.folder, "pictures\\"), "LoadPath is the picture's folder");
}

void CheckSeveralArguments() {
    CaseApp app("several arguments", "several-arguments");
    const std::string tall = app.Put("tall.bmp");
    const std::string sample = app.Put("sample.bmp");
    if (!app.Launch({tall, sample}))
        return;
    CheckPreview(app, "preview-tall-default.bmp", "only the first is opened");
    app.Exit();
}

// The accelerators, pressed as a user would: the keys go to the window in front.
void CheckAccelerators() {
    CaseApp app("accelerators", "accelerators");
    if (!app.LaunchShowing(app.Put("sample.bmp")))
        return;
    if (!Check(BringToFront(app.Frame()), "frame in front"))
        return;
    KeyChord(VK_CONTROL, 'O');
    HWND dialog = app.WaitDialog();
    Check(dialog && FileNameField(dialog) && TextOf(dialog) == "開く", "Ctrl+O shows the open dialog",
          DescribeWindows(app.Process().Pid()));
    CancelDialog(dialog);
    Check(BringToFront(app.Frame()), "frame in front again");
    KeyChord(VK_CONTROL, 'S');
    dialog = app.WaitDialog();
    Check(dialog && TextOf(dialog) == "スキン保存", "Ctrl+S shows the save dialog",
          DescribeWindows(app.Process().Pid()));
    CancelDialog(dialog);

    // The toolbar's open button, clicked with the mouse.
    Check(BringToFront(app.Frame()), "frame in front for the click");
    RemoteBuffer rectBuffer(app.Process().Handle(), sizeof(RECT));
    RECT button = {};
    const int index = static_cast<int>(Send(app.Toolbar(), TB_COMMANDTOINDEX, ID_FILE_OPEN, 0, -1));
    if (Check(index >= 0 &&
                  Send(app.Toolbar(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rectBuffer.Address())) &&
                  rectBuffer.Read(&button, sizeof button),
              "open button found")) {
        POINT centre = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
        ClientToScreen(app.Toolbar(), &centre);
        MouseClickScreen(centre.x, centre.y);
        dialog = app.WaitDialog();
        Check(dialog && TextOf(dialog) == "開く", "a click on the open button shows the open dialog",
              DescribeWindows(app.Process().Pid()));
        CancelDialog(dialog);
    }
    app.Exit();
}

void CheckOpenDialog() {
    CaseApp app("open dialog", "open-dialog");
    const std::string picture = app.Put("tall.bmp");
    if (!app.Launch())
        return;
    CheckEnabling(app, false);
    HWND dialog = app.CheckUp(OpenDialogAfterPending(app), "open dialog appears");
    if (!dialog)
        return;
    const std::vector<std::string> types = ComboItems(FindId(dialog, kFileTypeId, "ComboBox"));
    Check(!types.empty() && types.front().rfind("対応ファイル", 0) == 0, "first file type is the supported files",
          types.empty() ? "no types" : "got " + types.front());
    Check(!types.empty() && types.back() == "すべてのファイル(*.*)", "last file type is all files",
          types.empty() ? "no types" : "got " + types.back());
    Check(ChooseFile(dialog, picture), "file name entered and confirmed");
    Check(WaitGone(dialog), "dialog closes");
    Check(WaitUntil([&] { return app.PictureShown(); }), "picture shown");
    CheckPreview(app, "preview-tall-default.bmp", "preview equals `tolvarin preview`");
    CheckEnabling(app, true);

    dialog = OpenDialogAfterPending(app);
    Check(dialog && CancelDialog(dialog), "second open dialog cancelled");
    CheckPreview(app, "preview-tall-default.bmp", "cancel keeps the picture");
    app.Exit();
}

void CheckDrop() {
    CaseApp app("drop", "drop");
    const std::string sample = app.Put("sample.bmp");
    const std::string tall = app.Put("tall.bmp");
    // A cp932 name whose second bytes are backslashes (ソ 0x83 0x5C, 表 0x95 0x5C).
    const std::string tallJapanese = app.Put("tall.bmp", "写真 ソフト表.bmp");
    if (!app.Launch())
        return;
    Check(DropFiles(app.Process().Handle(), app.Frame(), {sample}), "one file dropped");
    Check(WaitUntil([&] { return app.PictureShown(); }), "dropped picture shown");
    CheckPreview(app, "preview-sample-default.bmp", "preview of the dropped picture");

    // Several files open one after another; the last one stays.
    Check(DropFiles(app.Process().Handle(), app.Frame(), {tall, sample, tallJapanese}), "three files dropped");
    CheckPreview(app, "preview-tall-default.bmp", "the last dropped picture stays (cp932 name)");
    app.Exit();
}

void CheckUnreadable() {
    CaseApp app("unreadable picture", "unreadable");
    const std::string sample = app.Put("sample.bmp");
    const std::string bad = app.Put("bad.bmp");
    if (!app.Launch({sample}))
        return;
    CheckPreview(app, "preview-sample-default.bmp", "picture shown first");

    Check(DropFiles(app.Process().Handle(), app.Frame(), {bad}), "unreadable file dropped");
    HWND dialog = OpenDialogAfterPending(app);
    Check(dialog && FileNameField(dialog), "no message box: the next window is the open dialog",
          DescribeWindows(app.Process().Pid()));
    Check(ChooseFile(dialog, bad) && WaitGone(dialog), "unreadable file chosen in the open dialog");
    dialog = OpenDialogAfterPending(app);
    Check(dialog && FileNameField(dialog), "still no message box", DescribeWindows(app.Process().Pid()));
    CancelDialog(dialog);
    Check(app.PictureShown(), "a picture is still shown");
    CheckPreview(app, "preview-sample-default.bmp", "preview unchanged");
    CheckEnabling(app, true);
    app.Exit();
}

void CheckUnreadableOnCommandLine() {
    CaseScope scope("unreadable picture on the command line");
    CaseDir dir = MakeCase("unreadable-command-line");
    const std::string bad = PutPicture(dir, "bad.bmp", "bad.bmp");
    Proc proc;
    if (!Check(proc.Start(dir.exe, "\"" + bad + "\"", dir.folder), "started"))
        return;
    CheckEndsAlone(proc, "#32770", "the program ends by itself with exit code 0", "without a message");
}

void CheckCloseFile() {
    CaseApp app("close file", "close-file");
    const std::string sample = app.Put("sample.bmp");
    if (!app.LaunchShowing(sample))
        return;
    PostCommand(app.Frame(), IDM_FILE_CLOSE);
    Check(WaitUntil([&] { return !app.PictureShown(); }), "placeholders return");
    const int placeholders[] = {IDC_PREVIEW_BROWSER, IDC_PREVIEW_EQ, IDC_PREVIEW_PLAYLIST, IDC_PREVIEW_MAIN};
    for (int id : placeholders)
        Check(WaitUntil([&] { return IsWindowVisible(app.PanelItem(id)) != 0; }), Format("placeholder %d visible", id));
    CheckEnabling(app, false);

    // The open command always reads the file again, even the one that was open.
    HWND dialog = OpenDialogAfterPending(app);
    Check(dialog && ChooseFile(dialog, sample) && WaitGone(dialog), "same picture chosen again");
    Check(WaitUntil([&] { return app.PictureShown(); }), "picture shown again");
    CheckPreview(app, "preview-sample-default.bmp", "preview as before");
    app.Exit();
}

}  // namespace

int main(int argc, char** argv) {
    return RunCases("open", argc, argv,
                    {CheckCommandLine, CheckSeveralArguments, CheckAccelerators, CheckOpenDialog, CheckDrop,
                     CheckUnreadable, CheckUnreadableOnCommandLine, CheckCloseFile});
}
