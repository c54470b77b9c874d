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
        return format("%*s----", depth * 2, "");
    return format("%*s%s%s%s", depth * 2, "", id ? format("%u ", id).c_str() : "", text.c_str(),
                  grayed ? " (grayed)" : "");
}

void CheckMenu(App& app) {
    const std::vector<MenuItem> menu = app.menu();
    if (!check(!menu.empty(), "menu can be read"))
        return;
    const size_t rows = std::max(menu.size(), std::size(kMenu));
    for (size_t i = 0; i < rows; ++i) {
        std::string got = "<none>", expected = "<none>";
        if (i < menu.size())
            got = Describe(menu[i].depth, menu[i].id, menu[i].text, menu[i].separator, menu[i].grayed);
        if (i < std::size(kMenu))
            expected = Describe(kMenu[i].depth, kMenu[i].id, kMenu[i].text, kMenu[i].id == 0 && !*kMenu[i].text,
                                kMenu[i].grayedWithoutPicture);
        check_eq(got, expected, format("menu row %zu", i + 1));
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
    RemoteBuffer rectBuffer(app.proc().handle(), sizeof(RECT));
    RECT item = {};
    if (!send(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rectBuffer.address())) ||
        !rectBuffer.read(&item, sizeof item))
        return "<no button rectangle>";
    POINT centre = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(toolbar, &centre);
    // Leave the toolbar first and wait until the tooltip of the previous button is taken down.
    mouse_move_screen(centre.x, centre.y + 200);
    wait_until([&] { return find_top(app.proc().pid(), TOOLTIPS_CLASSA) == nullptr; }, 5000);
    mouse_move_screen(centre.x, centre.y);
    std::string text;
    wait_until(
        [&] {
            HWND tip = find_top(app.proc().pid(), TOOLTIPS_CLASSA);
            text = tip ? text_of(tip) : "";
            return !text.empty();
        },
        5000);
    return text;
}

void CheckToolbar(App& app, bool pictureLoaded) {
    HWND toolbar = app.toolbar();
    if (!check(toolbar != nullptr, "toolbar exists"))
        return;
    check_eq(send(toolbar, TB_BUTTONCOUNT, 0, 0), std::size(kToolbar), "toolbar button count");
    RemoteBuffer buttonBuffer(app.proc().handle(), sizeof(TBBUTTON));
    for (size_t i = 0; i < std::size(kToolbar); ++i) {
        TBBUTTON button = {};
        const bool read = send(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(buttonBuffer.address())) &&
                          buttonBuffer.read(&button, sizeof button);
        const int command = (button.fsStyle & BTNS_SEP) ? 0 : button.idCommand;
        check(read && command == kToolbar[i].command, format("toolbar button %zu command", i + 1),
              format("got %d expected %d", command, kToolbar[i].command));
    }
    check_eq(app.toolbar_enabled(ID_FILE_OPEN), 1, "toolbar open enabled");
    check_eq(app.toolbar_enabled(ID_FILE_SAVE_AS), pictureLoaded, "toolbar save enabled only with a picture");
    check_eq(app.toolbar_enabled(IDM_PLUGIN_SETTINGS), 1, "toolbar plug-in settings enabled");
    check_eq(app.toolbar_enabled(ID_APP_ABOUT), 1, "toolbar about enabled");

    if (!check(bring_to_front(app.frame()), "frame comes to the front"))
        return;
    for (size_t i = 0; i < std::size(kToolbar); ++i) {
        if (kToolbar[i].command && kToolbar[i].command != ID_FILE_SAVE_AS)
            check_eq(TooltipAfterHover(app, toolbar, static_cast<int>(i)), kToolbar[i].tooltip,
                     format("tooltip of toolbar button %zu", i + 1));
    }
}

void CheckFirstStart() {
    CaseScope scope("first start");
    CaseDir dir = make_case("first-start");
    App app;
    if (!check(app.start(dir), "frame appears"))
        return;
    // Read before the program has idled: the buttons must be right from the first paint, not only
    // once the idle update has run.
    check_eq(app.toolbar_enabled(ID_FILE_SAVE_AS), 0, "toolbar save-as grayed as the frame appears");
    HWND frame = app.frame();
    check_eq(text_of(frame), "Quarnelis Ver2.0", "title from the version resource");

    RECT client = {};
    GetClientRect(frame, &client);
    // The toolbar lies in the strip that docks it, gripper included.
    const RECT toolbar = window_rect(GetParent(app.toolbar()));
    const int toolbarHeight = toolbar.bottom - toolbar.top;
    check(toolbarHeight > 0, "toolbar has a height", format("%d", toolbarHeight));
    check_eq(client.right, 558, "client width");
    check_eq(client.bottom, 450 + toolbarHeight, "client height is 450 plus the toolbar");

    const RECT outer = window_rect(frame);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    check_eq(outer.left, (screenWidth - width + 1) / 2, "centred horizontally");
    check_eq(outer.top, (screenHeight - height + 1) / 2, "centred vertically");
    const LONG style = GetWindowLongA(frame, GWL_STYLE);
    check_eq((style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) != 0, 0, "neither resizable nor maximisable");

    const int placeholders[] = {IDC_PREVIEW_BROWSER, IDC_PREVIEW_EQ, IDC_PREVIEW_PLAYLIST, IDC_PREVIEW_MAIN};
    for (int id : placeholders) {
        HWND stat = app.panel_item(id);
        check(stat && IsWindowVisible(stat), format("placeholder %d visible without a picture", id));
    }

    std::string where;
    check(app.preview_fits(where), "preview slots lie inside the window", where);
    check_preview(app, "preview-no-picture.bmp", "placeholders show the stock pictures");

    CheckMenu(app);
    CheckToolbar(app, false);

    save_screenshot(app, "main-window-no-picture.bmp");

    if (!check(app.exit(), "exit command ends the program with code 0"))
        return;

    const std::vector<IniSection> ini = read_ini(dir.ini);
    const char* const order[] = {"MainWnd",     "Path",        "SusiePlugin",  "SkinSetting", "PlFont",
                                 "PlTextColor", "MbTextColor", "NumTextColor", "TextColor",   "SkinColor",
                                 "VisColor",    "MARON",       "SexyFont"};
    std::string sections, expectedSections;
    for (const IniSection& section : ini)
        sections += "[" + section.name + "]";
    for (const char* name : order)
        expectedSections += "[" + std::string(name) + "]";
    check_eq(sections, expectedSections, "INI sections after exit, in order");

    const IniSection* window = find_section(ini, "MainWnd");
    std::string keys;
    if (window) {
        for (const auto& key : window->keys)
            keys += key.first + " ";
    }
    check_eq(keys, "flags showCmd MinPosX MinPosY MaxPosX MaxPosY RectTop RectLeft RectBottom RectRight ",
             "MainWnd keys in order");
    check_eq(ini_value(ini, "MainWnd", "showCmd"), "1", "showCmd normal");
    check_eq(ini_value(ini, "MainWnd", "RectLeft"), format("%ld", outer.left), "RectLeft is the window's left");
    check_eq(ini_value(ini, "MainWnd", "RectTop"), format("%ld", outer.top), "RectTop is the window's top");
    check_eq(ini_value(ini, "MainWnd", "RectRight"), format("%ld", outer.right), "RectRight");
    check_eq(ini_value(ini, "MainWnd", "RectBottom"), format("%ld", outer.bottom), "RectBottom");
    const std::string folder = dir.folder + "\\";
    check_eq(ini_value(ini, "Path", "LoadPath"), folder, "LoadPath defaults to the program's folder");
    check_eq(ini_value(ini, "Path", "SavePath"), folder, "SavePath defaults to the program's folder");
    check_eq(ini_value(ini, "Path", "ProFilePath"), folder, "ProFilePath defaults to the program's folder");
    check_eq(ini_value(ini, "SusiePlugin", "PluginPath"), folder, "PluginPath defaults to the program's folder");
    check_same_settings(dir.ini, join(arg("data"), "default.INI"), "settings written at exit are the defaults");
}

void CheckRestartRestoresPosition() {
    CaseScope scope("restart");
    CaseDir dir = make_case("restart");
    App first;
    if (!check(first.start(dir), "first run's frame appears"))
        return;
    const RECT before = window_rect(first.frame());
    SetWindowPos(first.frame(), nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    check(wait_until([&] { return window_rect(first.frame()).left == 123; }), "window moved by the driver");
    if (!check(first.exit(), "first run exits"))
        return;

    // The size is computed at every start: a stored right and bottom must not matter.
    WritePrivateProfileStringA("MainWnd", "RectRight", "2000", dir.ini.c_str());
    WritePrivateProfileStringA("MainWnd", "RectBottom", "5", dir.ini.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, dir.ini.c_str());

    App second;
    if (!check(second.start(dir), "second run's frame appears"))
        return;
    const RECT after = window_rect(second.frame());
    check_eq(after.left, 123, "left restored");
    check_eq(after.top, 77, "top restored");
    check_eq(after.right - after.left, before.right - before.left, "width computed, not stored");
    check_eq(after.bottom - after.top, before.bottom - before.top, "height computed, not stored");
    check(second.exit(), "second run exits");
}

// A window closed while minimised comes back minimised.
void CheckMinimisedAtExit() {
    CaseScope scope("minimised at exit");
    CaseDir dir = make_case("minimised");
    App first;
    if (!check(first.start(dir), "first run's frame appears"))
        return;
    ShowWindow(first.frame(), SW_MINIMIZE);
    check(wait_until([&] { return IsIconic(first.frame()) != 0; }), "minimised");
    if (!check(first.exit(), "first run exits"))
        return;
    check_eq(ini_value(read_ini(dir.ini), "MainWnd", "showCmd"), "2", "showCmd minimised");
    App second;
    if (!check(second.start(dir), "second run's frame appears"))
        return;
    // The frame is shown first and minimised right after (the stored show command is applied twice).
    check(wait_until([&] { return IsIconic(second.frame()) != 0; }), "second run starts minimised");
    second.exit();
}

// Settings in the INI are read at start and written back at exit; only the three range-checked
// fields are repaired.
void CheckSettingsKeptThroughRun() {
    CaseScope scope("settings through a run");
    std::string custom;
    read_file(join(arg("data"), "custom.INI"), custom);
    CaseDir dir = make_case("settings-run", custom);
    App app;
    if (!check(app.start(dir), "frame appears"))
        return;
    if (!check(app.exit(), "exits"))
        return;
    check_same_settings(dir.ini, join(arg("data"), "custom-expected.INI"),
                        "settings written at exit equal those read at start", Order::kAny);
}

// Drags the toolbar by its gripper to each edge in turn: the strip lies along that edge, its
// buttons in a row or a column, and the view keeps its 558 x 450 while the frame takes the rest.
void CheckToolbarDocking() {
    CaseScope scope("toolbar docking");
    CaseDir dir = make_case("docking");
    App app;
    if (!check(app.start(dir), "frame appears") || !check(bring_to_front(app.frame()), "frame in front"))
        return;
    HWND frame = app.frame();
    HWND strip = GetParent(app.toolbar());
    const struct {
        const char* edge;
        bool vertical;
    } edges[] = {{"left", true}, {"bottom", false}, {"right", true}, {"top", false}};
    for (const auto& edge : edges) {
        // The gripper lies at the start of the strip, across it.
        const RECT from = window_rect(strip);
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
        mouse_press_screen(grip.x, grip.y);
        if (!check(wait_until(captured, 5000), "the gripper takes the mouse for the " + name))
            continue;
        // The move and the release then reach the program in this order, through its input queue.
        mouse_move_screen(to.x, to.y);
        mouse_release_screen(to.x, to.y);
        const auto docked = [&] {
            RECT s = window_rect(strip);
            GetClientRect(frame, &client);
            MapWindowPoints(frame, nullptr, reinterpret_cast<POINT*>(&client), 2);
            return name == "left"     ? s.left == client.left && s.bottom == client.bottom && s.top == client.top
                   : name == "right"  ? s.right == client.right && s.bottom == client.bottom && s.top == client.top
                   : name == "bottom" ? s.bottom == client.bottom && s.left == client.left && s.right == client.right
                                      : s.top == client.top && s.left == client.left && s.right == client.right;
        };
        const bool moved = wait_until(docked, 5000);
        const RECT at = window_rect(strip);
        if (!check(moved, "toolbar docked at the " + name,
                   format("strip %ld,%ld-%ld,%ld", at.left, at.top, at.right, at.bottom)))
            continue;
        RECT view{};
        GetClientRect(app.view(), &view);
        check_eq(format("%ldx%ld", view.right, view.bottom), std::string("558x450"),
                 "view keeps its size with the toolbar at the " + name);
        const RECT s = window_rect(strip);
        check_eq((s.bottom - s.top > s.right - s.left) ? 1 : 0, edge.vertical ? 1 : 0,
                 "buttons in a " + std::string(edge.vertical ? "column" : "row") + " at the " + name);
        save_screenshot(app, "toolbar-" + name + ".bmp");
    }
    check(app.exit(), "exits");
}

}  // namespace

int main(int argc, char** argv) {
    begin("start", argc, argv);
    CheckFirstStart();
    CheckRestartRestoresPosition();
    CheckMinimisedAtExit();
    CheckSettingsKeptThroughRun();
    CheckToolbarDocking();
    return finish();
}
