// The program's window as it starts and ends: size, place, title, menus, toolbar, the INI file it
// leaves behind, and a restart that comes back where the window was.
#include "Kit.h"
#include "resource.h"

#include <commctrl.h>

#include <vector>

using namespace tk;

namespace {

struct ExpectedItem {
    int depth;
    UINT id;  // 0 for a pop-up or a separator
    const char* text;
    bool grayedWithoutPicture;
};

// The menu bar as a user finds it before any picture is opened.
const ExpectedItem kMenu[] = {
    {0, 0, "ファイル(&F)", false},
    {1, ID_FILE_OPEN, "開く(&O)...\tCtrl+O", false},
    {1, ID_FILE_SAVE_AS, "名前を付けて保存(&S)...\tCtrl+S", true},
    {1, 0, "", false},
    {1, IDM_FILE_CLOSE, "ファイルを閉じる(&C)", true},
    {1, ID_APP_EXIT, "Tolvarinの終了(&X)", false},
    {0, 0, "環境設定(&E)", false},
    {1, IDM_PROFILE_LOAD, "SKIN設定のロード...", false},
    {1, IDM_PROFILE_SAVE, "SKIN設定のセーブ...", false},
    {1, IDM_PLUGIN_SETTINGS, "プラグイン設定...", false},
    {1, 0, "", false},
    {1, IDM_COMPLETE_SKIN, "完全スキンを作成", false},
    {0, 0, "ヘルプ(&H)", false},
    {1, IDM_HELP_CONTENTS, "ヘルプ表示(&H)...", true},
    {1, 0, "", false},
    {1, ID_APP_ABOUT, "バージョン情報(&A)...", false},
};

// A separator's state means nothing to a user; it is left out.
std::string Describe(int depth, UINT id, const std::string& text, bool separator, bool grayed) {
    if (separator)
        return Format("%*s----", depth * 2, "");
    return Format("%*s%s%s%s", depth * 2, "", id ? Format("%u ", id).c_str() : "", text.c_str(),
                  grayed ? " (grayed)" : "");
}

void CheckMenu(App& app) {
    const std::vector<MenuItem> menu = app.Menu();
    if (!Check(!menu.empty(), "menu can be read"))
        return;
    const size_t rows = std::max(menu.size(), std::size(kMenu));
    for (size_t i = 0; i < rows; ++i) {
        std::string got = "<none>", expected = "<none>";
        if (i < menu.size())
            got = Describe(menu[i].depth, menu[i].id, menu[i].text, menu[i].separator, menu[i].grayed);
        if (i < std::size(kMenu))
            expected = Describe(kMenu[i].depth, kMenu[i].id, kMenu[i].text, kMenu[i].id == 0 && !*kMenu[i].text,
                                kMenu[i].grayedWithoutPicture);
        CheckEq(got, expected, Format("menu row %zu", i + 1));
    }
}

struct ExpectedButton {
    int command;  // 0 for a separator
    const char* tooltip;
};

const ExpectedButton kToolbar[] = {
    {ID_FILE_OPEN, "開く"}, {ID_FILE_SAVE_AS, "名前をつけて保存"},
    {0, nullptr},           {IDM_PLUGIN_SETTINGS, "プラグイン設定"},
    {0, nullptr},           {ID_APP_ABOUT, "バージョン情報"},
};

// The tooltip a user sees when the mouse rests on the button: a visible tooltip window of the program.
std::string TooltipAfterHover(App& app, HWND toolbar, int index) {
    RemoteBuffer rectBuffer(app.Process().Handle(), sizeof(RECT));
    RECT item = {};
    if (!Send(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rectBuffer.Address())) ||
        !rectBuffer.Read(&item, sizeof item))
        return "<no button rectangle>";
    POINT centre = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(toolbar, &centre);
    // Leave the toolbar first and wait until the tooltip of the previous button is taken down.
    MouseMoveScreen(centre.x, centre.y + 200);
    WaitUntil([&] { return FindTop(app.Process().Pid(), TOOLTIPS_CLASSA) == nullptr; }, 5000);
    MouseMoveScreen(centre.x, centre.y);
    std::string text;
    WaitUntil(
        [&] {
            HWND tip = FindTop(app.Process().Pid(), TOOLTIPS_CLASSA);
            text = tip ? TextOf(tip) : "";
            return !text.empty();
        },
        5000);
    return text;
}

void CheckToolbar(App& app, bool pictureLoaded) {
    HWND toolbar = app.Toolbar();
    if (!Check(toolbar != nullptr, "toolbar exists"))
        return;
    CheckEq(Send(toolbar, TB_BUTTONCOUNT, 0, 0), std::size(kToolbar), "toolbar button count");
    RemoteBuffer buttonBuffer(app.Process().Handle(), sizeof(TBBUTTON));
    for (size_t i = 0; i < std::size(kToolbar); ++i) {
        TBBUTTON button = {};
        const bool read = Send(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(buttonBuffer.Address())) &&
                          buttonBuffer.Read(&button, sizeof button);
        const int command = (button.fsStyle & BTNS_SEP) ? 0 : button.idCommand;
        Check(read && command == kToolbar[i].command, Format("toolbar button %zu command", i + 1),
              Format("got %d expected %d", command, kToolbar[i].command));
    }
    CheckEq(app.ToolbarEnabled(ID_FILE_OPEN), 1, "toolbar open enabled");
    CheckEq(app.ToolbarEnabled(ID_FILE_SAVE_AS), pictureLoaded, "toolbar save enabled only with a picture");
    CheckEq(app.ToolbarEnabled(IDM_PLUGIN_SETTINGS), 1, "toolbar plug-in settings enabled");
    CheckEq(app.ToolbarEnabled(ID_APP_ABOUT), 1, "toolbar about enabled");

    if (!Check(BringToFront(app.Frame()), "frame comes to the front"))
        return;
    for (size_t i = 0; i < std::size(kToolbar); ++i) {
        if (kToolbar[i].command && kToolbar[i].command != ID_FILE_SAVE_AS)
            CheckEq(TooltipAfterHover(app, toolbar, static_cast<int>(i)), kToolbar[i].tooltip,
                    Format("tooltip of toolbar button %zu", i + 1));
    }
}

void CheckFirstStart() {
    CaseApp app("first start", "first-start");
    if (!app.Launch())
        return;
    // Read before the program has idled: the buttons must be right from the first paint, not only
    // once the idle update has run.
    CheckEq(app.ToolbarEnabled(ID_FILE_SAVE_AS), 0, "toolbar save-as grayed as the frame appears");
    HWND frame = app.Frame();
    CheckEq(TextOf(frame), "Quarnelis Ver2.0", "title from the version resource");

    RECT client = {};
    GetClientRect(frame, &client);
    // The toolbar lies in the strip that docks it, gripper included.
    const RECT toolbar = WindowRect(GetParent(app.Toolbar()));
    const int toolbarHeight = toolbar.bottom - toolbar.top;
    Check(toolbarHeight > 0, "toolbar has a height", Format("%d", toolbarHeight));
    CheckEq(client.right, 558, "client width");
    CheckEq(client.bottom, 450 + toolbarHeight, "client height is 450 plus the toolbar");

    const RECT outer = WindowRect(frame);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    CheckEq(outer.left, (screenWidth - width + 1) / 2, "centred horizontally");
    CheckEq(outer.top, (screenHeight - height + 1) / 2, "centred vertically");
    const LONG style = GetWindowLongA(frame, GWL_STYLE);
    CheckEq((style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) != 0, 0, "neither resizable nor maximisable");

    const int placeholders[] = {IDC_PREVIEW_BROWSER, IDC_PREVIEW_EQ, IDC_PREVIEW_PLAYLIST, IDC_PREVIEW_MAIN};
    for (int id : placeholders) {
        HWND stat = app.PanelItem(id);
        Check(stat && IsWindowVisible(stat), Format("placeholder %d visible without a picture", id));
    }

    std::string where;
    Check(app.PreviewFits(where), "preview slots lie inside the window", where);
    CheckPreview(app, "preview-no-picture.bmp", "placeholders show the stock pictures");

    CheckMenu(app);
    CheckToolbar(app, false);

    SaveScreenshot(app, "main-window-no-picture.bmp");

    if (!Check(app.Exit(), "exit command ends the program with code 0"))
        return;

    const std::vector<IniSection> ini = ReadIni(app.dir.ini);
    const char* const order[] = {"MainWnd",     "Path",        "SusiePlugin",  "SkinSetting", "PlFont",
                                 "PlTextColor", "MbTextColor", "NumTextColor", "TextColor",   "SkinColor",
                                 "VisColor",    "MARON",       "SexyFont"};
    std::string sections, expectedSections;
    for (const IniSection& section : ini)
        sections += "[" + section.name + "]";
    for (const char* name : order)
        expectedSections += "[" + std::string(name) + "]";
    CheckEq(sections, expectedSections, "INI sections after exit, in order");

    const IniSection* window = FindSection(ini, "MainWnd");
    std::string keys;
    if (window) {
        for (const auto& key : window->keys)
            keys += key.first + " ";
    }
    CheckEq(keys, "flags showCmd MinPosX MinPosY MaxPosX MaxPosY RectTop RectLeft RectBottom RectRight ",
            "MainWnd keys in order");
    CheckEq(IniValue(ini, "MainWnd", "showCmd"), "1", "showCmd normal");
    CheckEq(IniValue(ini, "MainWnd", "RectLeft"), Format("%ld", outer.left), "RectLeft is the window's left");
    CheckEq(IniValue(ini, "MainWnd", "RectTop"), Format("%ld", outer.top), "RectTop is the window's top");
    CheckEq(IniValue(ini, "MainWnd", "RectRight"), Format("%ld", outer.right), "RectRight");
    CheckEq(IniValue(ini, "MainWnd", "RectBottom"), Format("%ld", outer.bottom), "RectBottom");
    const std::string folder = app.dir.folder + "\\";
    CheckEq(IniValue(ini, "Path", "LoadPath"), folder, "LoadPath defaults to the program's folder");
    CheckEq(IniValue(ini, "Path", "SavePath"), folder, "SavePath defaults to the program's folder");
    CheckEq(IniValue(ini, "Path", "ProFilePath"), folder, "ProFilePath defaults to the program's folder");
    CheckEq(IniValue(ini, "SusiePlugin", "PluginPath"), folder, "PluginPath defaults to the program's folder");
    CheckSameSettings(app.dir.ini, Join(Arg("data"), "default.INI"), "settings written at exit are the defaults");
}

void CheckRestartRestoresPosition() {
    CaseApp first("restart", "restart");
    if (!first.Launch({}, "first run's frame appears"))
        return;
    const RECT before = WindowRect(first.Frame());
    SetWindowPos(first.Frame(), nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Check(WaitUntil([&] { return WindowRect(first.Frame()).left == 123; }), "window moved by the driver");
    if (!Check(first.Exit(), "first run exits"))
        return;

    // The size is computed at every start: a stored right and bottom must not matter.
    WritePrivateProfileStringA("MainWnd", "RectRight", "2000", first.dir.ini.c_str());
    WritePrivateProfileStringA("MainWnd", "RectBottom", "5", first.dir.ini.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, first.dir.ini.c_str());

    App second;
    if (!Check(second.Start(first.dir), "second run's frame appears"))
        return;
    const RECT after = WindowRect(second.Frame());
    CheckEq(after.left, 123, "left restored");
    CheckEq(after.top, 77, "top restored");
    CheckEq(after.right - after.left, before.right - before.left, "width computed, not stored");
    CheckEq(after.bottom - after.top, before.bottom - before.top, "height computed, not stored");
    Check(second.Exit(), "second run exits");
}

// A window closed while minimised comes back minimised.
void CheckMinimisedAtExit() {
    CaseApp first("minimised at exit", "minimised");
    if (!first.Launch({}, "first run's frame appears"))
        return;
    Check(first.Minimise(), "minimised");
    if (!Check(first.Exit(), "first run exits"))
        return;
    CheckEq(IniValue(ReadIni(first.dir.ini), "MainWnd", "showCmd"), "2", "showCmd minimised");
    App second;
    if (!Check(second.Start(first.dir), "second run's frame appears"))
        return;
    // The frame is shown first and minimised right after (the stored show command is applied twice).
    Check(WaitUntil([&] { return IsIconic(second.Frame()) != 0; }), "second run starts minimised");
    second.Exit();
}

// Settings in the INI are read at start and written back at exit; only the three range-checked
// fields are repaired.
void CheckSettingsKeptThroughRun() {
    std::string custom;
    ReadWholeFile(Join(Arg("data"), "custom.INI"), custom);
    CaseApp app("settings through a run", "settings-run", custom);
    if (!app.Launch())
        return;
    if (!Check(app.Exit(), "exits"))
        return;
    CheckSameSettings(app.dir.ini, Join(Arg("data"), "custom-expected.INI"),
                      "settings written at exit equal those read at start", Order::kAny);
}

// Drags the toolbar by its gripper to each edge in turn: the strip lies along that edge, its
// buttons in a row or a column, and the view keeps its 558 x 450 while the frame takes the rest.
void CheckToolbarDocking() {
    CaseApp app("toolbar docking", "docking");
    if (!app.Launch() || !Check(BringToFront(app.Frame()), "frame in front"))
        return;
    HWND frame = app.Frame();
    HWND strip = GetParent(app.Toolbar());
    const struct {
        const char* edge;
        bool vertical;
    } edges[] = {{"left", true}, {"bottom", false}, {"right", true}, {"top", false}};
    for (const auto& edge : edges) {
        // The gripper lies at the start of the strip, across it.
        const RECT from = WindowRect(strip);
        const bool wasVertical = from.bottom - from.top > from.right - from.left;
        const POINT grip = wasVertical ? POINT{(from.left + from.right) / 2, from.top + 3}
                                       : POINT{from.left + 3, (from.top + from.bottom) / 2};
        RECT client{};
        GetClientRect(frame, &client);
        MapWindowPoints(frame, nullptr, reinterpret_cast<POINT*>(&client), 2);
        const POINT middle{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
        const std::string name = edge.edge;
        const POINT to = name == "left"     ? POINT{client.left + 4, middle.y}
                         : name == "right"  ? POINT{client.right - 4, middle.y}
                         : name == "bottom" ? POINT{middle.x, client.bottom - 4}
                                            : POINT{middle.x, client.top + 4};
        // The press must have taken the mouse (the strip holds the capture) before it moves.
        const DWORD thread = GetWindowThreadProcessId(strip, nullptr);
        const auto captured = [&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetGUIThreadInfo(thread, &info) && info.hwndCapture == strip;
        };
        MousePressScreen(grip.x, grip.y);
        if (!Check(WaitUntil(captured, 5000), "the gripper takes the mouse for the " + name))
            continue;
        // The move and the release then reach the program in this order, through its input queue.
        MouseMoveScreen(to.x, to.y);
        MouseReleaseScreen(to.x, to.y);
        const auto docked = [&] {
            RECT s = WindowRect(strip);
            GetClientRect(frame, &client);
            MapWindowPoints(frame, nullptr, reinterpret_cast<POINT*>(&client), 2);
            return name == "left"     ? s.left == client.left && s.bottom == client.bottom && s.top == client.top
                   : name == "right"  ? s.right == client.right && s.bottom == client.bottom && s.top == client.top
                   : name == "bottom" ? s.bottom == client.bottom && s.left == client.left && s.right == client.right
                                      : s.top == client.top && s.left == client.left && s.right == client.right;
        };
        const bool moved = WaitUntil(docked, 5000);
        const RECT at = WindowRect(strip);
        if (!Check(moved, "toolbar docked at the " + name,
                   Format("strip %ld,%ld-%ld,%ld", at.left, at.top, at.right, at.bottom)))
            continue;
        RECT view{};
        GetClientRect(app.View(), &view);
        CheckEq(Format("%ldx%ld", view.right, view.bottom), std::string("558x450"),
                "view keeps its size with the toolbar at the " + name);
        const RECT s = WindowRect(strip);
        CheckEq((s.bottom - s.top > s.right - s.left) ? 1 : 0, edge.vertical ? 1 : 0,
                "buttons in a " + std::string(edge.vertical ? "column" : "row") + " at the " + name);
        SaveScreenshot(app, "toolbar-" + name + ".bmp");
    }
    Check(app.Exit(), "exits");
}

}  // namespace

int main(int argc, char** argv) {
    return RunCases("start", argc, argv,
                    {CheckFirstStart, CheckRestartRestoresPosition, CheckMinimisedAtExit, CheckSettingsKeptThroughRun,
                     CheckToolbarDocking});
}
