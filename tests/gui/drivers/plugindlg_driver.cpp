// The plug-in settings dialog (159) and its folder chooser: the dialog as it opens, the chooser
// opening on the folder in the edit box, what a choice puts into the edit box (exactly one trailing
// backslash, a drive root keeping its own, an item that is no folder putting back the last stored
// text), Cancel keeping what was typed, and OK reloading the plug-ins and the open dialog's formats
// even with the text unchanged, while Cancel reloads nothing.
#include "Kit.h"
#include "SusieCases.h"
#include "dialogs/PluginDlgRes.h"
#include "resource.h"

#include <commctrl.h>
#include <shlobj.h>

using namespace tk;

namespace {

constexpr int kChooserTree = 14145;
// Wine's name of the computer node, an item with no file-system path.
constexpr char kComputer[] = "マイ コンピューター";

HWND OpenPluginDialog(App& app) {
    return app.OpenDialog(IDM_PLUGIN_SETTINGS);
}

// The program started with pluginPath in its INI, and its plug-in dialog open; null when either failed.
HWND StartInDialog(CaseApp& app, const std::string& pluginPath) {
    WriteWholeFile(app.dir.ini, PluginIni(pluginPath));
    if (!app.Launch())
        return nullptr;
    HWND dialog = OpenPluginDialog(app);
    return Check(dialog != nullptr, "dialog appears") ? dialog : nullptr;
}

HWND Edit(HWND dialog) {
    return FindId(dialog, IDC_PLUGIN_FOLDER, "Edit");
}

bool Press(HWND window, int id) {
    HWND button = FindId(window, id, "Button");
    if (!button)
        return false;
    Click(button);
    return WaitGone(window);
}

HTREEITEM Next(HWND tree, UINT relation, HTREEITEM item = nullptr) {
    return reinterpret_cast<HTREEITEM>(Send(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// The text of a tree item of the chooser, read through the program's memory.
std::string ItemText(App& app, HWND tree, HTREEITEM item) {
    RemoteBuffer buffer(app.Process().Handle(), sizeof(TVITEMA) + MAX_PATH);
    TVITEMA query = {};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = static_cast<char*>(buffer.Address()) + sizeof(TVITEMA);
    query.cchTextMax = MAX_PATH;
    char text[MAX_PATH] = {};
    if (!item || !buffer.Write(&query, sizeof query) ||
        !Send(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(buffer.Address())) ||
        !buffer.Read(text, sizeof text - 1, sizeof(TVITEMA)))
        return "";
    return text;
}

// The chooser selects its folder once it has walked the shell's namespace there.
std::string SelectedText(App& app, HWND chooser, const std::string& expected) {
    HWND tree = FindId(chooser, kChooserTree, "SysTreeView32");
    std::string text;
    WaitUntil([&] { return (text = ItemText(app, tree, Next(tree, TVGN_CARET))) == expected; });
    return text;
}

// What the user does in the chooser: picks a path, picks the computer node, keeps the preselected
// folder, or cancels.
enum class Choice { kPath, kComputer, kKeep, kCancel };

bool Choose(App& app, HWND chooser, Choice choice, const std::string& path) {
    HWND tree = FindId(chooser, kChooserTree, "SysTreeView32");
    if (choice == Choice::kPath) {
        RemoteBuffer buffer(app.Process().Handle(), path.size() + 1);
        if (!buffer.Write(path.c_str(), path.size() + 1))
            return false;
        Send(chooser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(buffer.Address()));
    } else if (choice == Choice::kComputer) {
        HTREEITEM computer = nullptr;
        for (HTREEITEM item = Next(tree, TVGN_CHILD, Next(tree, TVGN_ROOT)); item && !computer;
             item = Next(tree, TVGN_NEXT, item))
            computer = ItemText(app, tree, item) == kComputer ? item : nullptr;
        if (!computer || !Send(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(computer)))
            return false;
    }
    return Press(chooser, choice == Choice::kCancel ? IDCANCEL : IDOK);
}

struct BrowseCase {
    const char* name;
    // From the case's folders Alpha and Beta: the folder text the dialog opens with, what is typed
    // before the browse button, the item the chooser must open on, the choice, the path chosen, and
    // the edit box's text afterwards.
    std::function<std::string(const std::string&alpha, const std::string&beta)> stored, typed;
    const char* opensOn;
    Choice choice;
    std::function<std::string(const std::string&alpha, const std::string&beta)> chosen, after;
};

const BrowseCase kBrowseCases[] = {
    {"a typed trailing backslash", [](auto a, auto) { return a; }, [](auto a, auto) { return a + "\\"; }, "Alpha",
     Choice::kKeep, [](auto, auto) { return ""; }, [](auto a, auto) { return a + "\\"; }},
    {"a chosen folder gets one backslash", [](auto a, auto) { return a; }, [](auto a, auto) { return a; }, "Alpha",
     Choice::kPath, [](auto, auto b) { return b; }, [](auto, auto b) { return b + "\\"; }},
    {"a drive root keeps its own", [](auto a, auto) { return a; }, [](auto, auto) { return "C:\\"; }, " (C:)",
     Choice::kPath, [](auto, auto) { return "C:\\"; }, [](auto, auto) { return "C:\\"; }},
    {"cancel keeps the typed text", [](auto a, auto) { return a; }, [](auto, auto b) { return "typed;" + b; }, "",
     Choice::kCancel, [](auto, auto) { return ""; }, [](auto, auto b) { return "typed;" + b; }},
    {"no folder puts back the stored text", [](auto a, auto b) { return a + ";" + b; }, [](auto, auto b) { return b; },
     "Beta", Choice::kComputer, [](auto, auto) { return ""; }, [](auto a, auto b) { return a + ";" + b; }},
};

void CheckBrowse(const BrowseCase& browse) {
    CaseApp app(browse.name, std::string("browse-") + browse.name);
    // The folders to browse lie on the prefix's own drive, near its root: the chooser expands every
    // level down to them, and the Unix drive Z: would take it through the whole system.
    CaseDir folders;
    folders.folder = "C:\\tolvarin-browse";
    RemoveTree(folders.folder);
    CreateDirectoryA(folders.folder.c_str(), nullptr);
    const std::string alpha = PluginFolder(folders, "Alpha", {"tp_red.spi"});
    const std::string beta = PluginFolder(folders, "Beta", {"tp_red.spi"});
    // Each folder read once now: Wine's chooser matches the folder it is given to the folders it
    // lists by their stored attributes, and a folder's first reading after a change changes them.
    for (const std::string& folder : {folders.folder, alpha, beta})
        ListFiles(folder);
    HWND dialog = StartInDialog(app, browse.stored(alpha, beta));
    if (!dialog)
        return;
    SetText(Edit(dialog), browse.typed(alpha, beta));
    Click(FindId(dialog, IDC_PLUGIN_BROWSE, "Button"));
    HWND chooser = WaitOwned(app.Process().Pid(), dialog);
    if (!Check(chooser != nullptr, "chooser appears"))
        return;
    CheckEq(TextOf(FindId(chooser, 14146, "Static")), "フォルダを選択してください", "chooser's title");
    if (*browse.opensOn)
        CheckEq(SelectedText(app, chooser, browse.opensOn), browse.opensOn, "opens on the folder in the edit box");
    if (std::string(browse.name) == "a chosen folder gets one backslash")
        SaveScreenshot(app, "plugin-folder-chooser.bmp");
    Check(Choose(app, chooser, browse.choice, browse.chosen(alpha, beta)), "chooser answered");
    CheckEq(TextOf(Edit(dialog)), browse.after(alpha, beta), "edit box afterwards");
    Check(Press(dialog, IDCANCEL), "Cancel closes the dialog");
    Check(app.Exit(), "exits");
}

// The dialog as it opens, then OK and Cancel: OK reloads even with the same text (a plug-in copied
// into the folder meanwhile shows in the open dialog), Cancel does not, and a folder with no
// plug-in is reported once the dialog has closed. The INI keeps the last text confirmed.
void CheckOkAndCancel() {
    CaseApp app("OK and Cancel", "ok-cancel");
    const std::string folder = PluginFolder(app.dir, "plugins", {"tp_red.spi"});
    const std::string empty = PluginFolder(app.dir, "empty", {});
    HWND dialog = StartInDialog(app, folder);
    if (!dialog)
        return;
    CheckEq(TextOf(dialog), "設定", "caption");
    CheckEq(TextOf(Edit(dialog)), folder, "edit box holds the folder text");
    CheckEq(TextOf(FindId(dialog, IDC_PLUGIN_BROWSE, "Button")), "参照...(&R)", "browse button");
    CheckEq(TextOf(FindId(dialog, IDCANCEL, "Button")), "ｷｬﾝｾﾙ", "cancel button");
    CheckEq(TextOf(FindId(dialog, -1, "Button")), "SUSIEプラグインの検索フォルダー(&F)：", "group box");
    SaveScreenshot(app, "plugin-settings-dialog.bmp");

    CopyTestPlugin("tp_pairs.spi", Join(folder, "tp_pairs.spi"));
    Check(Press(dialog, IDOK), "OK with the text unchanged");
    std::vector<std::string> types = OpenDialogTypes(app.Process().Pid(), app.Frame());
    Check(Joined(types).find("First pair(*.tpa)") != std::string::npos, "OK reloaded the plug-ins", Joined(types));

    CopyTestPlugin("tp_topdown.spi", Join(folder, "tp_topdown.spi"));
    dialog = OpenPluginDialog(app);
    SetText(Edit(dialog), empty);
    Check(Press(dialog, IDCANCEL), "Cancel after typing another folder");
    const std::vector<std::string> unchanged = OpenDialogTypes(app.Process().Pid(), app.Frame());
    CheckEq(Joined(unchanged), Joined(types), "Cancel reloaded nothing");

    // Two folders: the plug-ins of both, the first folder's first.
    const std::string second = PluginFolder(app.dir, "second", {"tp_blue.spi"});
    dialog = OpenPluginDialog(app);
    SetText(Edit(dialog), second + ";" + folder);
    Check(Press(dialog, IDOK), "OK with two folders");
    types = OpenDialogTypes(app.Process().Pid(), app.Frame());
    Check(types.size() > 2 && types[1] == "Blue(*.tpx)" && Joined(types).find("Red(*.tpx)") != std::string::npos,
          "both folders loaded, in order", Joined(types));

    dialog = OpenPluginDialog(app);
    SetText(Edit(dialog), empty);
    Click(FindId(dialog, IDOK, "Button"));
    const std::vector<Message> messages = LaterMessages(app.Process());
    CheckEq(Joined(messages),
            Joined({Message{kFolderCaption, FolderNotFound(empty)}, Message{kLoadCaption, kNoPlugin}}),
            "a folder without plug-ins is reported after OK");
    CheckEq(Joined(OpenDialogTypes(app.Process().Pid(), app.Frame())), Joined(Types({})), "only bitmaps are offered");

    // A reload and a close that reach the frame behind a loading message (posted, as the frame is
    // disabled) wait for the load in progress: no second dialog, no crash, the frame stays.
    const std::string missing = Join(app.dir.folder, "nope"), twoFolders = missing + ";" + folder;
    dialog = OpenPluginDialog(app);
    SetText(Edit(dialog), twoFolders);
    Click(FindId(dialog, IDOK, "Button"));
    Check(WaitGone(dialog) && WaitUntil([&] { return FindTop(app.Process().Pid(), "#32770") != nullptr; }),
          "a message about the missing folder");
    PostCommand(app.Frame(), IDM_PLUGIN_SETTINGS);
    PostMessageA(app.Frame(), WM_CLOSE, 0, 0);
    CheckEq(Joined(LaterMessages(app.Process())), Joined({Message{kFolderCaption, FolderNotFound(missing)}}),
            "only the load in progress reports");
    Check(IsWindow(app.Frame()) && !WaitOwned(app.Process().Pid(), app.Frame(), 500), "the frame stays, no dialog");
    types = OpenDialogTypes(app.Process().Pid(), app.Frame());
    Check(Joined(types).find("Red(*.tpx)") != std::string::npos, "the real folder loaded", Joined(types));
    if (!Check(app.Exit(), "exits"))
        return;
    CheckEq(IniValue(ReadIni(app.dir.ini), "SusiePlugin", "PluginPath"), twoFolders,
            "the INI keeps the last folder text");
}

// The text an item with no folder puts back is the one last stored: after a chosen folder, that one.
void CheckStoredAfterChoice() {
    CaseApp app("no folder after a chosen one", "stored-after-choice");
    const std::string alpha = PluginFolder(app.dir, "Alpha", {"tp_red.spi"});
    HWND dialog = StartInDialog(app, alpha);
    if (!dialog)
        return;
    Click(FindId(dialog, IDC_PLUGIN_BROWSE, "Button"));
    HWND chooser = WaitOwned(app.Process().Pid(), dialog);
    Check(chooser && Choose(app, chooser, Choice::kPath, "C:\\"), "the drive root chosen");
    CheckEq(TextOf(Edit(dialog)), "C:\\", "edit box holds the chosen folder");
    SetText(Edit(dialog), "typed");
    Click(FindId(dialog, IDC_PLUGIN_BROWSE, "Button"));
    chooser = WaitOwned(app.Process().Pid(), dialog);
    Check(chooser && Choose(app, chooser, Choice::kComputer, ""), "the computer chosen");
    CheckEq(TextOf(Edit(dialog)), "C:\\", "edit box holds the chosen folder again");
    Check(Press(dialog, IDCANCEL), "Cancel closes the dialog");
    Check(app.Exit(), "exits");
}

void CheckBrowsing() {
    for (const BrowseCase& browse : kBrowseCases)
        CheckBrowse(browse);
}

}  // namespace

int main(int argc, char** argv) {
    return RunCases("plugindlg", argc, argv, {CheckStoredAfterChoice, CheckOkAndCancel, CheckBrowsing});
}
