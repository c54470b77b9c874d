// Saving: the skin through the save dialog must be the very folder `tolvarin make` writes for the
// same picture and settings; settings profiles go out and come back through their two choosers.
#include "Kit.h"
#include "resource.h"

using namespace tk;

namespace {

std::string CustomIni() {
    std::string custom;
    ReadWholeFile(Join(Arg("data"), "custom.INI"), custom);
    return custom;
}

// Waits until the command that a dialog served has finished: its handler runs on the program's one
// thread, so a sent message is answered only afterwards.
bool WaitIdle(App& app) {
    return Send(app.Frame(), WM_NULL, 0, 0, -1) != -1;
}

void CheckSaveSkin() {
    CaseApp app("save skin", "save-skin", CustomIni());
    const std::string picture = app.Put("sample.bmp");
    if (!app.Launch({picture}))
        return;
    CheckPreview(app, "preview-sample-custom.bmp", "preview follows the settings of the INI");

    HWND dialog = app.CheckUp(app.OpenDialog(ID_FILE_SAVE_AS), "save dialog appears");
    if (!dialog)
        return;
    CheckEq(TextOf(dialog), "スキン保存", "dialog title");
    CheckEq(TextOf(FileNameField(dialog)), "sample", "proposed name is the picture's base name");
    // The typed extension is dropped: "My Skin.abc" makes the folder "My Skin".
    Check(ChooseFile(dialog, Join(app.dir.folder, "My Skin.abc")), "name entered and confirmed");
    Check(WaitGone(dialog), "dialog closes");
    Check(WaitIdle(app), "save finished");
    CheckSameFolder(Join(app.dir.folder, "My Skin"), Join(Arg("data"), "skin-sample-custom"),
                    "skin folder equals `tolvarin make`");
    if (!Check(app.Exit(), "exits"))
        return;
    CheckEq(IniValue(ReadIni(app.dir.ini), "Path", "SavePath"), app.dir.folder + "\\", "SavePath remembered");
}

void CheckSaveCancelled() {
    CaseApp app("save cancelled", "save-cancelled");
    const std::string picture = app.Put("tall.bmp");
    if (!app.LaunchShowing(picture))
        return;
    HWND dialog = app.OpenDialog(ID_FILE_SAVE_AS);
    Check(dialog && CancelDialog(dialog), "save dialog cancelled");
    Check(WaitIdle(app), "command finished");
    CheckEq(ListSubFolders(app.dir.folder).size(), 1, "no folder made besides the pictures");
    if (!Check(app.Exit(), "exits"))
        return;
    CheckEq(IniValue(ReadIni(app.dir.ini), "Path", "SavePath"), app.dir.folder + "\\", "SavePath unchanged");
}

// The text of a message box (its static text, id 0xFFFF), or "" when there is none.
std::string MessageText(HWND box) {
    HWND text = box ? FindId(box, 0xFFFF, "Static") : nullptr;
    return text ? TextOf(text) : std::string();
}

// After a command that must fail: a message box owned by the frame says `message` (and names
// `named`); OK closes it and the program goes on.
void CheckFailureMessage(App& app, const std::string& message, const std::string& named) {
    HWND box = app.WaitDialog();
    const std::string text = MessageText(box);
    Check(text.find(message) != std::string::npos && text.find(named) != std::string::npos, "a message says " + message,
          text.empty() ? DescribeWindows(app.Process().Pid()) : "got " + text);
    if (HWND ok = box ? FindId(box, IDOK, "Button") : nullptr)
        Click(ok);
    Check(box && WaitGone(box) && WaitIdle(app), "the message closes and the program goes on");
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
        CaseApp app(std::string("save skin fails: ") + row.name, "save-fails");
        const std::string picture = app.Put("tall.bmp");
        std::string folder = Join(app.dir.folder, row.folder);
        if (folder.size() < row.pathLength)
            folder.append(row.pathLength - folder.size(), 'x');
        std::string named = folder;
        if (row.blocked && !*row.blocked) {
            WriteWholeFile(folder, "a file");
        } else if (row.blocked) {
            CreateDirectoryA(folder.c_str(), nullptr);
            CreateDirectoryA(Join(folder, row.blocked).c_str(), nullptr);
            named = row.blocked;
        }
        if (!app.LaunchShowing(picture))
            continue;
        HWND dialog = app.OpenDialog(ID_FILE_SAVE_AS);
        Check(dialog && ChooseFile(dialog, folder + ".abc") && WaitGone(dialog), "name entered and confirmed");
        CheckFailureMessage(app, row.message, named);
        CheckEq(ListFiles(folder).size(), 0, "no file written");
        const DWORD attributes = GetFileAttributesA(folder.c_str());
        if (!row.blocked) {
            Check(attributes == INVALID_FILE_ATTRIBUTES, "no folder made");
        } else {
            const bool isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
            Check(isFolder == (*row.blocked != 0), "the folder's name is as it was");
        }
        Check(app.Exit(), "exits");
    }
}

void CheckProfileSave() {
    CaseApp app("profile save", "profile-save", CustomIni());
    const std::string profiles = Join(app.dir.folder, "profiles");
    CreateDirectoryA(profiles.c_str(), nullptr);
    if (!app.Launch())
        return;
    HWND dialog = app.CheckUp(app.OpenDialog(IDM_PROFILE_SAVE), "chooser appears");
    if (!dialog)
        return;
    CheckEq(TextOf(dialog), "設定保存用プロファイル選択", "chooser title");
    const std::vector<std::string> types = ComboItems(FindId(dialog, kFileTypeId, "ComboBox"));
    CheckEq(types.empty() ? "" : types.front(), "プロファイル(*.INI)", "first file type");
    // No extension typed: the chooser appends INI.
    Check(ChooseFile(dialog, Join(profiles, "mine")), "name entered and confirmed");
    Check(WaitGone(dialog), "chooser closes");
    Check(WaitIdle(app), "command finished");
    const std::string saved = Join(profiles, "mine.INI");
    if (Check(FileExists(saved), "mine.INI written")) {
        CheckSameSettings(saved, Join(Arg("data"), "custom-expected.INI"), "profile holds the current settings");
        CheckEq(ReadIni(saved).size(), 10, "a fresh profile has the ten settings sections only");
    }
    if (!Check(app.Exit(), "exits"))
        return;
    CheckEq(IniValue(ReadIni(app.dir.ini), "Path", "ProFilePath"), profiles + "\\", "ProFilePath remembered");
}

// The save-profile command into `path`, a file that exists: the chooser asks before replacing it
// and is answered Yes. False (with the failed check) when the chooser does not get that far.
bool SaveProfileOver(App& app, const std::string& path) {
    HWND dialog = app.OpenDialog(IDM_PROFILE_SAVE);
    if (!Check(dialog && ChooseFile(dialog, path), "chooser appears, the existing file chosen"))
        return false;
    HWND question = WaitOwned(app.Process().Pid(), dialog);
    HWND yes = question ? FindId(question, IDYES, "Button") : nullptr;
    if (!Check(yes != nullptr, "asked before replacing", DescribeWindows(app.Process().Pid())))
        return false;
    Click(yes);
    return Check(WaitGone(dialog), "chooser closes");
}

// A profile that cannot be written (another program holds it open without sharing: a read-only
// attribute would not stop root under Wine) is reported, not taken as saved, and left as it was.
void CheckProfileSaveFails() {
    CaseApp app("profile save fails", "profile-save-fails", CustomIni());
    const std::string profile = Join(app.dir.folder, "locked.INI");
    const std::string before = "[Notes]\r\nkept=yes\r\n";
    WriteWholeFile(profile, before);
    HANDLE lock = CreateFileA(profile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    Check(lock != INVALID_HANDLE_VALUE, "the profile is held open");
    if (!app.Launch())
        return;
    if (!SaveProfileOver(app, profile))
        return;
    CheckFailureMessage(app, "プロファイルを保存できませんでした。", profile);
    CloseHandle(lock);
    std::string after;
    Check(ReadWholeFile(profile, after) && after == before, "the profile is left as it was");
    Check(ListFiles(app.dir.folder) ==
              std::vector<std::string>{"TOLVARIN.EXE", "TOLVARIN.INI", "ifstb.spi", "locked.INI"},
          "no temporary file left");
    Check(app.Exit(), "exits");
}

// Saving into a file that exists asks first, then rewrites the settings keys and keeps every other
// section of the file: here the program's own INI.
void CheckProfileSaveIntoExisting() {
    CaseApp app("profile save into the program's INI", "profile-save-existing",
                CustomIni() + "[Notes]\r\nkept=yes\r\n");
    if (!app.Launch())
        return;
    if (!SaveProfileOver(app, app.dir.ini))
        return;
    Check(WaitIdle(app), "command finished");
    const std::vector<IniSection> ini = ReadIni(app.dir.ini);
    CheckEq(IniValue(ini, "Notes", "kept"), "yes", "other sections kept");
    CheckSameSettings(app.dir.ini, Join(Arg("data"), "custom-expected.INI"), "settings rewritten in place",
                      Order::kAny);
    Check(app.Exit(), "exits");
}

void CheckProfileLoad() {
    CaseApp app("profile load", "profile-load");
    const std::string profiles = Join(app.dir.folder, "profiles");
    CreateDirectoryA(profiles.c_str(), nullptr);
    const std::string profile = Join(profiles, "custom.INI");
    CopyFileTo(Join(Arg("data"), "custom.INI"), profile);
    if (!app.Launch({app.Put("sample.bmp")}))
        return;
    CheckPreview(app, "preview-sample-default.bmp", "default settings first");

    HWND dialog = app.OpenDialog(IDM_PROFILE_LOAD);
    Check(dialog && CancelDialog(dialog), "first chooser cancelled");
    Check(WaitIdle(app), "command finished");
    CheckPreview(app, "preview-sample-default.bmp", "cancel changes nothing");

    dialog = app.CheckUp(app.OpenDialog(IDM_PROFILE_LOAD), "chooser appears");
    if (!dialog)
        return;
    CheckEq(TextOf(dialog), "設定読み出し用プロファイル選択", "chooser title");
    Check(ChooseFile(dialog, profile), "profile chosen");
    Check(WaitGone(dialog), "chooser closes");
    CheckPreview(app, "preview-sample-custom.bmp", "preview recomposed with the loaded settings");
    if (!Check(app.Exit(), "exits"))
        return;
    CheckSameSettings(app.dir.ini, Join(Arg("data"), "custom-expected.INI"), "loaded settings written at exit");
    CheckEq(IniValue(ReadIni(app.dir.ini), "Path", "ProFilePath"), profiles + "\\", "ProFilePath remembered");
}

// The settings menu's complete-skin item: checked, the preview and the saved skin are those of
// `tolvarin ... --complete`, a profile is written as without it, and only the program's INI keeps
// the choice for the next start.
void CheckCompleteSkin() {
    CaseApp app("complete skin", "complete-skin", CustomIni());
    auto itemChecked = [](App& app) {
        const std::vector<MenuItem> menu = app.Menu();
        const MenuItem* item = FindItem(menu, IDM_COMPLETE_SKIN);
        return item && item->text == "完全スキンを作成" ? (item->checked ? 1 : 0) : -1;
    };
    if (!app.Launch({app.Put("sample.bmp")}))
        return;
    CheckEq(itemChecked(app), 0, "item there, unchecked at first");
    PostCommand(app.Frame(), IDM_COMPLETE_SKIN);
    Check(WaitIdle(app), "command finished");
    CheckEq(itemChecked(app), 1, "item checked");
    CheckPreview(app, "preview-sample-custom-complete.bmp", "preview of the complete skin");
    HWND dialog = app.OpenDialog(ID_FILE_SAVE_AS);
    Check(dialog && ChooseFile(dialog, Join(app.dir.folder, "Complete")) && WaitGone(dialog) && WaitIdle(app), "saved");
    CheckSameFolder(Join(app.dir.folder, "Complete"), Join(Arg("data"), "skin-sample-custom-complete"),
                    "skin folder equals `tolvarin make --complete`");
    const std::string profile = Join(app.dir.folder, "mine.INI");
    WriteWholeFile(profile, "");
    if (SaveProfileOver(app, profile) && Check(WaitIdle(app), "profile saved"))
        CheckEq(ReadIni(profile).size(), 10, "the profile has the ten settings sections only");
    if (!Check(app.Exit(), "exits"))
        return;
    CheckEq(IniValue(ReadIni(app.dir.ini), "SkinMode", "CompleteSkin"), "1", "choice kept in the INI");
    App again;
    if (!Check(again.Start(app.dir), "starts again"))
        return;
    CheckEq(itemChecked(again), 1, "item checked from the INI");
    PostCommand(again.Frame(), IDM_COMPLETE_SKIN);
    Check(WaitIdle(again) && again.Exit(), "unchecked, exits");
    CheckEq(IniValue(ReadIni(app.dir.ini), "SkinMode", "CompleteSkin"), "0", "unchecked choice kept");
}

}  // namespace

int main(int argc, char** argv) {
    return RunCases("save", argc, argv,
                    {CheckSaveSkin, CheckSaveCancelled, CheckSaveSkinFailures, CheckProfileSave,
                     CheckProfileSaveIntoExisting, CheckProfileSaveFails, CheckProfileLoad, CheckCompleteSkin});
}
