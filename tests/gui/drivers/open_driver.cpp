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
    const std::vector<MenuItem> menu = app.menu();
    const MenuItem* save = find_item(menu, ID_FILE_SAVE_AS);
    const MenuItem* close = find_item(menu, IDM_FILE_CLOSE);
    check(save && save->grayed != picture, format("menu save-as %s", picture ? "enabled" : "grayed"));
    check(close && close->grayed != picture, format("menu close %s", picture ? "enabled" : "grayed"));
    check(wait_until([&] { return app.toolbar_enabled(ID_FILE_SAVE_AS) == picture; }),
          "toolbar save-as follows the picture", format("still %s", picture ? "grayed" : "enabled"));
}

// Every posted message before it has been handled once the open dialog (asked for last) is up:
// this is the barrier after which "nothing happened" can be checked. Returns the dialog.
HWND OpenDialogAfterPending(App& app) {
    post_command(app.frame(), ID_FILE_OPEN);
    return wait_owned(app.proc().pid(), app.frame());
}

void CheckCommandLine() {
    CaseScope scope("command line");
    CaseDir dir = make_case("command-line");
    const std::string picture = put_picture(dir, "sample.bmp", "sample.bmp");
    App app;
    if (!check(app.start(dir, "\"" + picture + "\""), "frame appears"))
        return;
    check(wait_until([&] { return app.picture_shown(); }), "picture shown");
    check_preview(app, "preview-sample-default.bmp", "preview equals `tolvarin preview`");
    CheckEnabling(app, true);
    save_screenshot(app, "main-window-with-picture.bmp");
    if (!check(app.exit(), "exits"))
        return;
    const std::vector<IniSection> ini = read_ini(dir.ini);
    check_eq(ini_value(ini, "Path", "LoadPath"), join(dir.folder, "pictures\\"), "LoadPath is the picture's folder");
}

void CheckSeveralArguments() {
    CaseScope scope("several arguments");
    CaseDir dir = make_case("several-arguments");
    const std::string tall = put_picture(dir, "tall.bmp", "tall.bmp");
    const std::string sample = put_picture(dir, "sample.bmp", "sample.bmp");
    App app;
    if (!check(app.start(dir, "\"" + tall + "\" \"" + sample + "\""), "frame appears"))
        return;
    check_preview(app, "preview-tall-default.bmp", "only the first is opened");
    app.exit();
}

// The accelerators, pressed as a user would: the keys go to the window in front.
void CheckAccelerators() {
    CaseScope scope("accelerators");
    CaseDir dir = make_case("accelerators");
    const std::string sample = put_picture(dir, "sample.bmp", "sample.bmp");
    App app;
    if (!check(app.start(dir, "\"" + sample + "\""), "frame appears"))
        return;
    check(wait_until([&] { return app.picture_shown(); }), "picture shown");
    if (!check(bring_to_front(app.frame()), "frame in front"))
        return;
    key_chord(VK_CONTROL, 'O');
    HWND dialog = wait_owned(app.proc().pid(), app.frame());
    check(dialog && file_name_field(dialog) && text_of(dialog) == "開く", "Ctrl+O shows the open dialog",
          describe_windows(app.proc().pid()));
    cancel_dialog(dialog);
    check(bring_to_front(app.frame()), "frame in front again");
    key_chord(VK_CONTROL, 'S');
    dialog = wait_owned(app.proc().pid(), app.frame());
    check(dialog && text_of(dialog) == "スキン保存", "Ctrl+S shows the save dialog",
          describe_windows(app.proc().pid()));
    cancel_dialog(dialog);

    // The toolbar's open button, clicked with the mouse.
    check(bring_to_front(app.frame()), "frame in front for the click");
    RemoteBuffer rectBuffer(app.proc().handle(), sizeof(RECT));
    RECT button = {};
    const int index = static_cast<int>(send(app.toolbar(), TB_COMMANDTOINDEX, ID_FILE_OPEN, 0, -1));
    if (check(index >= 0 &&
                  send(app.toolbar(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rectBuffer.address())) &&
                  rectBuffer.read(&button, sizeof button),
              "open button found")) {
        POINT centre = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
        ClientToScreen(app.toolbar(), &centre);
        mouse_click_screen(centre.x, centre.y);
        dialog = wait_owned(app.proc().pid(), app.frame());
        check(dialog && text_of(dialog) == "開く", "a click on the open button shows the open dialog",
              describe_windows(app.proc().pid()));
        cancel_dialog(dialog);
    }
    app.exit();
}

void CheckOpenDialog() {
    CaseScope scope("open dialog");
    CaseDir dir = make_case("open-dialog");
    const std::string picture = put_picture(dir, "tall.bmp", "tall.bmp");
    App app;
    if (!check(app.start(dir), "frame appears"))
        return;
    CheckEnabling(app, false);
    HWND dialog = OpenDialogAfterPending(app);
    if (!check(dialog != nullptr, "open dialog appears", describe_windows(app.proc().pid())))
        return;
    const std::vector<std::string> types = combo_items(find_id(dialog, kFileTypeId, "ComboBox"));
    check(!types.empty() && types.front().rfind("対応ファイル", 0) == 0, "first file type is the supported files",
          types.empty() ? "no types" : "got " + types.front());
    check(!types.empty() && types.back() == "すべてのファイル(*.*)", "last file type is all files",
          types.empty() ? "no types" : "got " + types.back());
    check(choose_file(dialog, picture), "file name entered and confirmed");
    check(wait_gone(dialog), "dialog closes");
    check(wait_until([&] { return app.picture_shown(); }), "picture shown");
    check_preview(app, "preview-tall-default.bmp", "preview equals `tolvarin preview`");
    CheckEnabling(app, true);

    dialog = OpenDialogAfterPending(app);
    check(dialog && cancel_dialog(dialog), "second open dialog cancelled");
    check_preview(app, "preview-tall-default.bmp", "cancel keeps the picture");
    app.exit();
}

void CheckDrop() {
    CaseScope scope("drop");
    CaseDir dir = make_case("drop");
    const std::string sample = put_picture(dir, "sample.bmp", "sample.bmp");
    const std::string tall = put_picture(dir, "tall.bmp", "tall.bmp");
    // A cp932 name whose second bytes are backslashes (ソ 0x83 0x5C, 表 0x95 0x5C).
    const std::string tallJapanese = put_picture(dir, "tall.bmp", "写真 ソフト表.bmp");
    App app;
    if (!check(app.start(dir), "frame appears"))
        return;
    check(drop_files(app.proc().handle(), app.frame(), {sample}), "one file dropped");
    check(wait_until([&] { return app.picture_shown(); }), "dropped picture shown");
    check_preview(app, "preview-sample-default.bmp", "preview of the dropped picture");

    // Several files open one after another; the last one stays.
    check(drop_files(app.proc().handle(), app.frame(), {tall, sample, tallJapanese}), "three files dropped");
    check_preview(app, "preview-tall-default.bmp", "the last dropped picture stays (cp932 name)");
    app.exit();
}

void CheckUnreadable() {
    CaseScope scope("unreadable picture");
    CaseDir dir = make_case("unreadable");
    const std::string sample = put_picture(dir, "sample.bmp", "sample.bmp");
    const std::string bad = put_picture(dir, "bad.bmp", "bad.bmp");
    App app;
    if (!check(app.start(dir, "\"" + sample + "\""), "frame appears"))
        return;
    check_preview(app, "preview-sample-default.bmp", "picture shown first");

    check(drop_files(app.proc().handle(), app.frame(), {bad}), "unreadable file dropped");
    HWND dialog = OpenDialogAfterPending(app);
    check(dialog && file_name_field(dialog), "no message box: the next window is the open dialog",
          describe_windows(app.proc().pid()));
    check(choose_file(dialog, bad) && wait_gone(dialog), "unreadable file chosen in the open dialog");
    dialog = OpenDialogAfterPending(app);
    check(dialog && file_name_field(dialog), "still no message box", describe_windows(app.proc().pid()));
    cancel_dialog(dialog);
    check(app.picture_shown(), "a picture is still shown");
    check_preview(app, "preview-sample-default.bmp", "preview unchanged");
    CheckEnabling(app, true);
    app.exit();
}

void CheckUnreadableOnCommandLine() {
    CaseScope scope("unreadable picture on the command line");
    CaseDir dir = make_case("unreadable-command-line");
    const std::string bad = put_picture(dir, "bad.bmp", "bad.bmp");
    Proc proc;
    if (!check(proc.start(dir.exe, "\"" + bad + "\"", dir.folder), "started"))
        return;
    bool messageSeen = false;
    const bool ended = wait_until([&] {
        messageSeen = messageSeen || find_top(proc.pid(), "#32770") != nullptr;
        return !proc.running();
    });
    check(ended && proc.exit_code() == 0, "the program ends by itself with exit code 0",
          format("%s, exit code %#lx", ended ? "ended" : "still running", proc.exit_code()));
    check(!messageSeen, "without a message");
    proc.kill();
}

void CheckCloseFile() {
    CaseScope scope("close file");
    CaseDir dir = make_case("close-file");
    const std::string sample = put_picture(dir, "sample.bmp", "sample.bmp");
    App app;
    if (!check(app.start(dir, "\"" + sample + "\""), "frame appears"))
        return;
    check(wait_until([&] { return app.picture_shown(); }), "picture shown");
    post_command(app.frame(), IDM_FILE_CLOSE);
    check(wait_until([&] { return !app.picture_shown(); }), "placeholders return");
    const int placeholders[] = {IDC_PREVIEW_BROWSER, IDC_PREVIEW_EQ, IDC_PREVIEW_PLAYLIST, IDC_PREVIEW_MAIN};
    for (int id : placeholders)
        check(wait_until([&] { return IsWindowVisible(app.panel_item(id)) != 0; }),
              format("placeholder %d visible", id));
    CheckEnabling(app, false);

    // The open command always reads the file again, even the one that was open.
    HWND dialog = OpenDialogAfterPending(app);
    check(dialog && choose_file(dialog, sample) && wait_gone(dialog), "same picture chosen again");
    check(wait_until([&] { return app.picture_shown(); }), "picture shown again");
    check_preview(app, "preview-sample-default.bmp", "preview as before");
    app.exit();
}

}  // namespace

int main(int argc, char** argv) {
    begin("open", argc, argv);
    CheckCommandLine();
    CheckSeveralArguments();
    CheckAccelerators();
    CheckOpenDialog();
    CheckDrop();
    CheckUnreadable();
    CheckUnreadableOnCommandLine();
    CheckCloseFile();
    return finish();
}
