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

// The text of a message box (its static text, id 0xFFFF), or "" when there is none.
std::string MessageText(HWND box) {
    HWND text = box ? find_id(box, 0xFFFF, "Static") : nullptr;
    return text ? text_of(text) : std::string();
}

// After a command that must fail: a message box owned by the frame says `message` (and names
// `named`); OK closes it and the program goes on.
void CheckFailureMessage(App& app, const std::string& message, const std::string& named) {
    HWND box = wait_owned(app.proc().pid(), app.frame());
    const std::string text = MessageText(box);
    check(text.find(message) != std::string::npos && text.find(named) != std::string::npos, "a message says " + message,
          text.empty() ? describe_windows(app.proc().pid()) : "got " + text);
    if (HWND ok = box ? find_id(box, IDOK, "Button") : nullptr)
        click(ok);
    check(box && wait_gone(box) && WaitIdle(app), "the message closes and the program goes on");
}

// Saves that cannot be done: each is refused with a message, and nothing it could not finish is
// left as if saved.
void CheckSaveSkinFailures() {
    struct Row {
        const char* name;
        const char* folder;   // the skin folder as the user names it in the dialog
        const char* blocked;  // a folder made first inside the skin folder; "": the skin folder is a file;
                              // null: nothing is made beforehand
        const char* message;
        size_t pathLength;  // 0, or the folder's name is padded to a path of this length
    };
    // 250: the folder itself fits the system's 260, but a file inside it such as PLAYPAUS.BMP would
    // not.
    const Row rows[] = {
        {"folder name too long for the files in it", "long", nullptr, "スキンのフォルダ名が長すぎます。", 250},
        {"folder name taken by a file", "taken", "", "を作成できないか、開けません。何も保存していません。", 0},
        {"a bitmap that cannot be written", "blocked", "MAIN.BMP",
         "を書き込めませんでした。スキンの保存を中止しました。", 0},
    };
    for (const Row& row : rows) {
        CaseScope scope(std::string("save skin fails: ") + row.name);
        CaseDir dir = make_case("save-fails");
        const std::string picture = put_picture(dir, "tall.bmp", "tall.bmp");
        std::string folder = join(dir.folder, row.folder);
        if (folder.size() < row.pathLength)
            folder.append(row.pathLength - folder.size(), 'x');
        std::string named = folder;
        if (row.blocked && !*row.blocked) {
            write_file(folder, "a file");
        } else if (row.blocked) {
            CreateDirectoryA(folder.c_str(), nullptr);
            CreateDirectoryA(join(folder, row.blocked).c_str(), nullptr);
            named = row.blocked;
        }
        App app;
        if (!check(app.start(dir, "\"" + picture + "\""), "frame appears"))
            continue;
        check(wait_until([&] { return app.picture_shown(); }), "picture shown");
        post_command(app.frame(), ID_FILE_SAVE_AS);
        HWND dialog = wait_owned(app.proc().pid(), app.frame());
        check(dialog && choose_file(dialog, folder + ".abc") && wait_gone(dialog), "name entered and confirmed");
        CheckFailureMessage(app, row.message, named);
        check_eq(list_files(folder).size(), 0, "no file written");
        const DWORD attributes = GetFileAttributesA(folder.c_str());
        if (!row.blocked) {
            check(attributes == INVALID_FILE_ATTRIBUTES, "no folder made");
        } else {
            const bool isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
            check(isFolder == (*row.blocked != 0), "the folder's name is as it was");
        }
        check(app.exit(), "exits");
    }
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

// The save-profile command into `path`, a file that exists: the chooser asks before replacing it
// and is answered Yes. False (with the failed check) when the chooser does not get that far.
bool SaveProfileOver(App& app, const std::string& path) {
    post_command(app.frame(), IDM_PROFILE_SAVE);
    HWND dialog = wait_owned(app.proc().pid(), app.frame());
    if (!check(dialog && choose_file(dialog, path), "chooser appears, the existing file chosen"))
        return false;
    HWND question = wait_owned(app.proc().pid(), dialog);
    HWND yes = question ? find_id(question, IDYES, "Button") : nullptr;
    if (!check(yes != nullptr, "asked before replacing", describe_windows(app.proc().pid())))
        return false;
    click(yes);
    return check(wait_gone(dialog), "chooser closes");
}

// A profile that cannot be written (another program holds it open without sharing: a read-only
// attribute would not stop root under Wine) is reported, not taken as saved, and left as it was.
void CheckProfileSaveFails() {
    CaseScope scope("profile save fails");
    CaseDir dir = make_case("profile-save-fails", CustomIni());
    const std::string profile = join(dir.folder, "locked.INI");
    const std::string before = "[Notes]\r\nkept=yes\r\n";
    write_file(profile, before);
    HANDLE lock = CreateFileA(profile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    check(lock != INVALID_HANDLE_VALUE, "the profile is held open");
    App app;
    if (!check(app.start(dir), "frame appears"))
        return;
    if (!SaveProfileOver(app, profile))
        return;
    CheckFailureMessage(app, "プロファイルを保存できませんでした。", profile);
    CloseHandle(lock);
    std::string after;
    check(read_file(profile, after) && after == before, "the profile is left as it was");
    check(list_files(dir.folder) == std::vector<std::string>{"TOLVARIN.EXE", "TOLVARIN.INI", "ifstb.spi", "locked.INI"},
          "no temporary file left");
    check(app.exit(), "exits");
}

// Saving into a file that exists asks first, then rewrites the settings keys and keeps every other
// section of the file: here the program's own INI.
void CheckProfileSaveIntoExisting() {
    CaseScope scope("profile save into the program's INI");
    CaseDir dir = make_case("profile-save-existing", CustomIni() + "[Notes]\r\nkept=yes\r\n");
    App app;
    if (!check(app.start(dir), "frame appears"))
        return;
    if (!SaveProfileOver(app, dir.ini))
        return;
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

// The settings menu's complete-skin item: checked, the preview and the saved skin are those of
// `tolvarin ... --complete`, a profile is written as without it, and only the program's INI keeps
// the choice for the next start.
void CheckCompleteSkin() {
    CaseScope scope("complete skin");
    CaseDir dir = make_case("complete-skin", CustomIni());
    const std::string picture = put_picture(dir, "sample.bmp", "sample.bmp");
    auto itemChecked = [](App& app) {
        const std::vector<MenuItem> menu = app.menu();
        const MenuItem* item = find_item(menu, IDM_COMPLETE_SKIN);
        return item && item->text == "完全スキンを作成" ? (item->checked ? 1 : 0) : -1;
    };
    App app;
    if (!check(app.start(dir, "\"" + picture + "\""), "frame appears"))
        return;
    check_eq(itemChecked(app), 0, "item there, unchecked at first");
    post_command(app.frame(), IDM_COMPLETE_SKIN);
    check(WaitIdle(app), "command finished");
    check_eq(itemChecked(app), 1, "item checked");
    check_preview(app, "preview-sample-custom-complete.bmp", "preview of the complete skin");
    post_command(app.frame(), ID_FILE_SAVE_AS);
    HWND dialog = wait_owned(app.proc().pid(), app.frame());
    check(dialog && choose_file(dialog, join(dir.folder, "Complete")) && wait_gone(dialog) && WaitIdle(app), "saved");
    check_same_folder(join(dir.folder, "Complete"), join(arg("data"), "skin-sample-custom-complete"),
                      "skin folder equals `tolvarin make --complete`");
    const std::string profile = join(dir.folder, "mine.INI");
    write_file(profile, "");
    if (SaveProfileOver(app, profile) && check(WaitIdle(app), "profile saved"))
        check_eq(read_ini(profile).size(), 10, "the profile has the ten settings sections only");
    if (!check(app.exit(), "exits"))
        return;
    check_eq(ini_value(read_ini(dir.ini), "SkinMode", "CompleteSkin"), "1", "choice kept in the INI");
    App again;
    if (!check(again.start(dir), "starts again"))
        return;
    check_eq(itemChecked(again), 1, "item checked from the INI");
    post_command(again.frame(), IDM_COMPLETE_SKIN);
    check(WaitIdle(again) && again.exit(), "unchecked, exits");
    check_eq(ini_value(read_ini(dir.ini), "SkinMode", "CompleteSkin"), "0", "unchecked choice kept");
}

}  // namespace

int main(int argc, char** argv) {
    begin("save", argc, argv);
    CheckSaveSkin();
    CheckSaveCancelled();
    CheckSaveSkinFailures();
    CheckProfileSave();
    CheckProfileSaveIntoExisting();
    CheckProfileSaveFails();
    CheckProfileLoad();
    CheckCompleteSkin();
    return finish();
}
