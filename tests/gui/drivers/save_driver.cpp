// Saving: the skin through the save dialog must be the very folder `tolvarin make` writes for the
// same picture and settings; settings profiles go out and come back through their two choosers.
#include "Kit.h"
#include "resource.h"

using namespace tk;

namespace {

std::string CustomIni() {
    std::string custom;
    read_file(join(arg("data"), "custom.INI"), custom);
    return custom;
}

// Waits until the command that a dialog served has finished: its handler runs on the program's one
// thread, so a sent message is answered only afterwards.
bool WaitIdle(App& app) {
    return send(app.frame(), WM_NULL, 0, 0, -1) != -1;
}

std::vector<std::string> SubFolders(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(join(folder, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

void CheckSaveSkin() {
    CaseScope scope("save skin");
    CaseDir dir = make_case("save-skin", CustomIni());
    const std::string picture = put_picture(dir, "sample.bmp", "sample.bmp");
    App app;
    if (!check(app.start(dir, "\"" + picture + "\""), "frame appears"))
        return;
    check_preview(app, "preview-sample-custom.bmp", "preview follows the settings of the INI");

    post_command(app.frame(), ID_FILE_SAVE_AS);
    HWND dialog = wait_owned(app.proc().pid(), app.frame());
    if (!check(dialog != nullptr, "save dialog appears", describe_windows(app.proc().pid())))
        return;
    check_eq(text_of(dialog), "スキン保存", "dialog title");
    check_eq(text_of(file_name_field(dialog)), "sample", "proposed name is the picture's base name");
    // The typed extension is dropped: "My Skin.abc" makes the folder "My Skin".
    check(choose_file(dialog, join(dir.folder, "My Skin.abc")), "name entered and confirmed");
    check(wait_gone(dialog), "dialog closes");
    check(WaitIdle(app), "save finished");
    check_same_folder(join(dir.folder, "My Skin"), join(arg("data"), "skin-sample-custom"),
                      "skin folder equals `tolvarin make`");
    if (!check(app.exit(), "exits"))
        return;
    check_eq(ini_value(read_ini(dir.ini), "Path", "SavePath"), dir.folder + "\\", "SavePath remembered");
}

void CheckSaveCancelled() {
    CaseScope scope("save cancelled");
    CaseDir dir = make_case("save-cancelled");
    const std::string picture = put_picture(dir, "tall.bmp", "tall.bmp");
    App app;
    if (!check(app.start(dir, "\"" + picture + "\""), "frame appears"))
        return;
    check(wait_until([&] { return app.picture_shown(); }), "picture shown");
    post_command(app.frame(), ID_FILE_SAVE_AS);
    HWND dialog = wait_owned(app.proc().pid(), app.frame());
    check(dialog && cancel_dialog(dialog), "save dialog cancelled");
    check(WaitIdle(app), "command finished");
    check_eq(SubFolders(dir.folder).size(), 1, "no folder made besides the pictures");
    if (!check(app.exit(), "exits"))
        return;
    check_eq(ini_value(read_ini(dir.ini), "Path", "SavePath"), dir.folder + "\\", "SavePath unchanged");
}

void CheckProfileSave() {
    CaseScope scope("profile save");
    CaseDir dir = make_case("profile-save", CustomIni());
    const std::string profiles = join(dir.folder, "profiles");
    CreateDirectoryA(profiles.c_str(), nullptr);
    App app;
    if (!check(app.start(dir), "frame appears"))
        return;
    post_command(app.frame(), IDM_PROFILE_SAVE);
    HWND dialog = wait_owned(app.proc().pid(), app.frame());
    if (!check(dialog != nullptr, "chooser appears", describe_windows(app.proc().pid())))
        return;
    check_eq(text_of(dialog), "設定保存用プロファイル選択", "chooser title");
    const std::vector<std::string> types = combo_items(find_id(dialog, kFileTypeId, "ComboBox"));
    check_eq(types.empty() ? "" : types.front(), "プロファイル(*.INI)", "first file type");
    // No extension typed: the chooser appends INI.
    check(choose_file(dialog, join(profiles, "mine")), "name entered and confirmed");
    check(wait_gone(dialog), "chooser closes");
    check(WaitIdle(app), "command finished");
    const std::string saved = join(profiles, "mine.INI");
    if (check(file_exists(saved), "mine.INI written")) {
        check_same_settings(saved, join(arg("data"), "custom-expected.INI"), "profile holds the current settings");
        check_eq(read_ini(saved).size(), 10, "a fresh profile has the ten settings sections only");
    }
    if (!check(app.exit(), "exits"))
        return;
    check_eq(ini_value(read_ini(dir.ini), "Path", "ProFilePath"), profiles + "\\", "ProFilePath remembered");
}

// Saving into a file that exists asks first, then rewrites the settings keys and keeps every other
// section of the file: here the program's own INI.
void CheckProfileSaveIntoExisting() {
    CaseScope scope("profile save into the program's INI");
    CaseDir dir = make_case("profile-save-existing", CustomIni() + "[Notes]\r\nkept=yes\r\n");
    App app;
    if (!check(app.start(dir), "frame appears"))
        return;
    post_command(app.frame(), IDM_PROFILE_SAVE);
    HWND dialog = wait_owned(app.proc().pid(), app.frame());
    if (!check(dialog && choose_file(dialog, dir.ini), "chooser appears, the INI chosen"))
        return;
    HWND question = wait_owned(app.proc().pid(), dialog);
    HWND yes = question ? find_id(question, IDYES, "Button") : nullptr;
    if (!check(yes != nullptr, "asked before replacing", describe_windows(app.proc().pid())))
        return;
    click(yes);
    check(wait_gone(dialog), "chooser closes");
    check(WaitIdle(app), "command finished");
    const std::vector<IniSection> ini = read_ini(dir.ini);
    check_eq(ini_value(ini, "Notes", "kept"), "yes", "other sections kept");
    check_same_settings(dir.ini, join(arg("data"), "custom-expected.INI"), "settings rewritten in place", Order::kAny);
    check(app.exit(), "exits");
}

void CheckProfileLoad() {
    CaseScope scope("profile load");
    CaseDir dir = make_case("profile-load");
    const std::string picture = put_picture(dir, "sample.bmp", "sample.bmp");
    const std::string profiles = join(dir.folder, "profiles");
    CreateDirectoryA(profiles.c_str(), nullptr);
    const std::string profile = join(profiles, "custom.INI");
    copy_file(join(arg("data"), "custom.INI"), profile);
    App app;
    if (!check(app.start(dir, "\"" + picture + "\""), "frame appears"))
        return;
    check_preview(app, "preview-sample-default.bmp", "default settings first");

    post_command(app.frame(), IDM_PROFILE_LOAD);
    HWND dialog = wait_owned(app.proc().pid(), app.frame());
    check(dialog && cancel_dialog(dialog), "first chooser cancelled");
    check(WaitIdle(app), "command finished");
    check_preview(app, "preview-sample-default.bmp", "cancel changes nothing");

    post_command(app.frame(), IDM_PROFILE_LOAD);
    dialog = wait_owned(app.proc().pid(), app.frame());
    if (!check(dialog != nullptr, "chooser appears", describe_windows(app.proc().pid())))
        return;
    check_eq(text_of(dialog), "設定読み出し用プロファイル選択", "chooser title");
    check(choose_file(dialog, profile), "profile chosen");
    check(wait_gone(dialog), "chooser closes");
    check_preview(app, "preview-sample-custom.bmp", "preview recomposed with the loaded settings");
    if (!check(app.exit(), "exits"))
        return;
    check_same_settings(dir.ini, join(arg("data"), "custom-expected.INI"), "loaded settings written at exit");
    check_eq(ini_value(read_ini(dir.ini), "Path", "ProFilePath"), profiles + "\\", "ProFilePath remembered");
}

}  // namespace

int main(int argc, char** argv) {
    begin("save", argc, argv);
    CheckSaveSkin();
    CheckSaveCancelled();
    CheckProfileSave();
    CheckProfileSaveIntoExisting();
    CheckProfileLoad();
    return finish();
}
