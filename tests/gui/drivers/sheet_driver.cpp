// The settings sheet: every handler of its four pages, each in a fresh program that is then ended,
// held to the INI it writes at exit and to the preview on screen, both of which must be what the
// native `tolvarin` (--cli) makes of the settings the case expects. Then the refresh after a
// profile load, the greying of MARON, the keyboard route through the sheet, the decoration picture,
// and a screenshot of each page.
#include "Kit.h"
#include "dialogs/MainEqPageRes.h"
#include "dialogs/MaronPageRes.h"
#include "dialogs/PlaylistMbPageRes.h"
#include "dialogs/SexyFontPageRes.h"
#include "resource.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace tk;

namespace {

// Settings away from every default, in every reset group.
const char kFarIni[] =
    "[SkinSetting]\r\nFullSize=0\r\nSkinReverse=0\r\nSkinLine=0\r\nSkinAlphaBrend=3\r\nPLSave=0\r\nMBSave=0\r\n"
    "[PlFont]\r\nPlFont=Courier\r\n"
    "[PlTextColor]\r\nNormal_R=10\r\nNormal_G=20\r\nNormal_B=30\r\nCurrent_R=40\r\nCurrent_G=50\r\nCurrent_B=60\r\n"
    "[MbTextColor]\r\nMBFG_R=130\r\nMBFG_G=140\r\nMBFG_B=150\r\n"
    "[NumTextColor]\r\nNumNORMAL_R=1\r\nNumNORMAL_G=2\r\nNumNORMAL_B=3\r\n"
    "[TextColor]\r\nTextNORMAL_R=200\r\nTextNORMAL_G=40\r\nTextNORMAL_B=40\r\n"
    "[SkinColor]\r\nColor_R=40\r\nColor_G=120\r\nColor_B=200\r\nSideColorR=250\r\nSideColorG=10\r\nSideColorB=90\r\n"
    "[VisColor]\r\nVisColorR05=1\r\nVisColorG05=2\r\nVisColorB05=3\r\n"
    "[MARON]\r\nUse=0\r\nEnable=0\r\nPeaks=0\r\nRain=1\r\nBands=0\r\nAnalyzerMode=2\r\nBlendMethod=2\r\nOpacity=37\r\n"
    "[SexyFont]\r\nUse=0\r\n";

enum Page { kMainEq, kPlaylistMb, kSexyFont, kMaron };

enum class Act {
    kClick,        // BM_CLICK
    kSelect,       // combo: Home, then Down `value` times
    kColor,        // colour chooser: red, green, blue of `value` (0xRRGGBB), then OK
    kColorCancel,  // the same, then Cancel
    kFont,         // font chooser: the face "Tahoma" selected, then OK
    kFontCancel,   // the same, then Cancel
    kKeys,         // the key `value` pressed three times
    kMousePage,    // a click on the trackbar's channel right of the thumb
    kMessageBox,   // the button's message box, answered with OK
};

struct HandlerCase {
    const char* name;
    Page page;
    int control;
    Act act;
    int value;
    bool fromFar;  // starts from kFarIni instead of the defaults
    // What the INI written at exit differs in: "Section.Key=Value" sets, "Section.Key" and
    // "Section" remove (the key takes its default). For a colour, "Section.Prefix" names the keys
    // that take red, green and blue of the chosen colour (Prefix + R, G, B).
    const char* edits;
};

const HandlerCase kCases[] = {
    {"EQ使用", kMainEq, IDC_MAINEQ_FULL_SIZE, Act::kClick, 0, false, "SkinSetting.FullSize=0"},
    {"EQを上に設定", kMainEq, IDC_MAINEQ_SKIN_REVERSE, Act::kClick, 0, false, "SkinSetting.SkinReverse=0"},
    {"枠描画", kMainEq, IDC_MAINEQ_SKIN_LINE, Act::kClick, 0, false, "SkinSetting.SkinLine=0"},
    {"透明度", kMainEq, IDC_MAINEQ_OPACITY, Act::kSelect, 3, false, "SkinSetting.SkinAlphaBrend=3"},
    {"基本色", kMainEq, IDC_MAINEQ_COLOR, Act::kColor, 0xC03020, false, "SkinColor.Color_"},
    {"基本色 same colour again", kMainEq, IDC_MAINEQ_COLOR, Act::kColor, 0xD0D0F0, false, ""},
    {"基本色 cancelled", kMainEq, IDC_MAINEQ_COLOR, Act::kColorCancel, 0x102030, false, ""},
    {"基本枠色", kMainEq, IDC_MAINEQ_COLOR_BG, Act::kColor, 0x20A040, false, "SkinColor.ColorBG_"},
    {"文字色", kMainEq, IDC_MAINEQ_TEXT, Act::kColor, 0xFFFF00, false, "TextColor.TextNORMAL_"},
    {"文字背景色", kMainEq, IDC_MAINEQ_TEXT_BG, Act::kColor, 0x400080, false, "TextColor.TextNORMALBG_"},
    {"数字色", kMainEq, IDC_MAINEQ_NUM, Act::kColor, 0x0000FF, false, "NumTextColor.NumNORMAL_"},
    {"数字背景色", kMainEq, IDC_MAINEQ_NUM_BG, Act::kColor, 0x808000, false, "NumTextColor.NumNORMALBG_"},
    {"余白色", kMainEq, IDC_MAINEQ_SIDE_COLOR, Act::kColor, 0xFA0A5A, false, "SkinColor.SideColor"},
    {"MAIN＆EQ 初期化", kMainEq, IDC_MAINEQ_RESET, Act::kClick, 0, true,
     "SkinSetting.FullSize SkinSetting.SkinReverse SkinSetting.SkinLine SkinSetting.SkinAlphaBrend SkinColor "
     "TextColor NumTextColor VisColor"},
    {"PLAYLIST", kPlaylistMb, IDC_PLMB_PL_SAVE, Act::kClick, 0, false, "SkinSetting.PLSave=0"},
    {"MiniBrowser", kPlaylistMb, IDC_PLMB_MB_SAVE, Act::kClick, 0, false, "SkinSetting.MBSave=0"},
    {"演奏曲文字色", kPlaylistMb, IDC_PLMB_CURRENT, Act::kColor, 0xFF8000, false, "PlTextColor.Current_"},
    {"選択曲色", kPlaylistMb, IDC_PLMB_SELECTED_BG, Act::kColor, 0x806000, false, "PlTextColor.SelectedBG_"},
    {"PL文字色", kPlaylistMb, IDC_PLMB_NORMAL, Act::kColor, 0xFF40FF, false, "PlTextColor.Normal_"},
    {"PL背景色", kPlaylistMb, IDC_PLMB_NORMAL_BG, Act::kColor, 0x203040, false, "PlTextColor.NormalBG_"},
    {"MB文字色", kPlaylistMb, IDC_PLMB_MB_FG, Act::kColor, 0xFFFFFF, false, "MbTextColor.MBFG_"},
    {"MB文字背景色", kPlaylistMb, IDC_PLMB_MB_BG, Act::kColor, 0x500000, false, "MbTextColor.MBBG_"},
    {"フォント設定", kPlaylistMb, IDC_PLMB_FONT, Act::kFont, 0, false, "PlFont.PlFont=Tahoma"},
    {"フォント設定 cancelled after a new selection", kPlaylistMb, IDC_PLMB_FONT, Act::kFontCancel, 0, true, ""},
    {"PLAYLIST＆MB 初期化", kPlaylistMb, IDC_PLMB_RESET, Act::kClick, 0, true,
     "SkinSetting.PLSave SkinSetting.MBSave PlFont PlTextColor MbTextColor"},
    {"SexyFont", kSexyFont, IDC_SEXYFONT_USE, Act::kClick, 0, false, "SexyFont.Use=0"},
    {"SexyFont 初期化", kSexyFont, IDC_SEXYFONT_RESET, Act::kClick, 0, true, "SexyFont"},
    {"詳細設定 (hidden)", kSexyFont, IDC_SEXYFONT_DETAILS, Act::kMessageBox, 0, false, ""},
    {"MARON", kMaron, IDC_MARON_USE, Act::kClick, 0, false, "MARON.Use=0"},
    {"スペアナを有効", kMaron, IDC_MARON_ENABLE, Act::kClick, 0, false, "MARON.Enable=0"},
    {"ピーク表示", kMaron, IDC_MARON_PEAKS, Act::kClick, 0, false, "MARON.Peaks=0"},
    {"スペアナの太線表示", kMaron, IDC_MARON_BANDS, Act::kClick, 0, false, "MARON.Bands=0"},
    {"オリジナルスペアナ表示モード", kMaron, IDC_MARON_RAIN, Act::kClick, 0, false, "MARON.Rain=1"},
    {"AnalyzerMode", kMaron, IDC_MARON_ANALYZER, Act::kSelect, 2, false, "MARON.AnalyzerMode=2"},
    {"色合成方法", kMaron, IDC_MARON_BLEND, Act::kSelect, 1, false, "MARON.BlendMethod=1"},
    {"透過比 by Right", kMaron, IDC_MARON_OPACITY, Act::kKeys, VK_RIGHT, false, "MARON.Opacity=53"},
    {"透過比 by Page Up (page size 1)", kMaron, IDC_MARON_OPACITY, Act::kKeys, VK_PRIOR, false, "MARON.Opacity=47"},
    {"透過比 by End (range 0..100)", kMaron, IDC_MARON_OPACITY, Act::kKeys, VK_END, false, "MARON.Opacity=100"},
    {"透過比 by mouse", kMaron, IDC_MARON_OPACITY, Act::kMousePage, 0, false, "MARON.Opacity=51"},
    {"MARON 初期化", kMaron, IDC_MARON_RESET, Act::kClick, 0, true, "MARON"},
    {"MARON 初期化 by Enter", kMaron, IDC_MARON_RESET, Act::kKeys, VK_RETURN, true, "MARON"},
};

// What the pages show after kFarIni was loaded as a profile while "MARON" was the page in front.
enum class State { kChecked, kEnabled, kSelection, kPosition, kText };
const struct {
    Page page;
    int control;
    State state;
    const char* value;
} kShownAfterLoad[] = {
    {kMainEq, IDC_MAINEQ_FULL_SIZE, State::kChecked, "0"},    {kMainEq, IDC_MAINEQ_SKIN_REVERSE, State::kChecked, "0"},
    {kMainEq, IDC_MAINEQ_SKIN_REVERSE, State::kEnabled, "0"}, {kMainEq, IDC_MAINEQ_SKIN_LINE, State::kChecked, "0"},
    {kMainEq, IDC_MAINEQ_OPACITY, State::kSelection, "3"},    {kPlaylistMb, IDC_PLMB_PL_SAVE, State::kChecked, "0"},
    {kPlaylistMb, IDC_PLMB_MB_SAVE, State::kChecked, "0"},    {kSexyFont, IDC_SEXYFONT_USE, State::kChecked, "0"},
    {kSexyFont, IDC_SEXYFONT_DETAILS, State::kEnabled, "0"},  {kMaron, IDC_MARON_USE, State::kChecked, "0"},
    {kMaron, IDC_MARON_ENABLE, State::kChecked, "0"},         {kMaron, IDC_MARON_PEAKS, State::kChecked, "0"},
    {kMaron, IDC_MARON_BANDS, State::kChecked, "0"},          {kMaron, IDC_MARON_RAIN, State::kChecked, "1"},
    {kMaron, IDC_MARON_ANALYZER, State::kSelection, "2"},     {kMaron, IDC_MARON_BLEND, State::kSelection, "2"},
    {kMaron, IDC_MARON_OPACITY, State::kPosition, "37"},      {kMaron, IDC_MARON_OPACITY_TEXT, State::kText, "37"},
};

// The options that "MARON" greys, with their check state at the defaults (-1: not a check box).
const struct {
    int control;
    int checked;
} kMaronOptions[] = {
    {IDC_MARON_ENABLE, 1},    {IDC_MARON_PEAKS, 1},  {IDC_MARON_BANDS, 1},    {IDC_MARON_RAIN, 0},
    {IDC_MARON_ANALYZER, -1}, {IDC_MARON_BLEND, -1}, {IDC_MARON_OPACITY, -1},
};

constexpr int kTabControlId = 0x3020;  // the property sheet's tab control
// Tab from the sheet's tab control through "MAIN＆EQ" at the defaults, and round to the tab control.
const int kTabOrder[] = {
    kTabControlId,         IDC_MAINEQ_FULL_SIZE, IDC_MAINEQ_SKIN_REVERSE, IDC_MAINEQ_SKIN_LINE, IDC_MAINEQ_OPACITY,
    IDC_MAINEQ_SIDE_COLOR, IDC_MAINEQ_COLOR,     IDC_MAINEQ_COLOR_BG,     IDC_MAINEQ_TEXT,      IDC_MAINEQ_TEXT_BG,
    IDC_MAINEQ_NUM,        IDC_MAINEQ_NUM_BG,    IDC_MAINEQ_VIS_COLORS,   IDC_MAINEQ_RESET,     kTabControlId};

// Only the cases whose handlers recompose repaint the preview.
bool Recomposes(const HandlerCase& c) {
    return c.page <= kPlaylistMb && c.act != Act::kColorCancel && c.act != Act::kFont && c.act != Act::kFontCancel;
}

std::vector<std::string> Tokens(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> tokens;
    for (std::string token; in >> token;)
        tokens.push_back(token);
    return tokens;
}

// Writes the edits of a case into a copy of its starting INI.
bool WriteEdits(const std::string& ini, const HandlerCase& c) {
    bool written = WriteWholeFile(ini, c.fromFar ? kFarIni : "");
    for (const std::string& token : Tokens(c.edits)) {
        const size_t dot = token.find('.'), equals = token.find('=');
        const std::string section = token.substr(0, dot);
        const std::string key = dot == std::string::npos ? "" : token.substr(dot + 1, equals - dot - 1);
        if (c.act == Act::kColor) {
            const int shifts[] = {16, 8, 0};
            for (int i = 0; i < 3; ++i)
                written &=
                    WritePrivateProfileStringA(section.c_str(), (key + "RGB"[i]).c_str(),
                                               Format("%d", (c.value >> shifts[i]) & 0xFF).c_str(), ini.c_str()) != 0;
        } else {
            const std::string value = equals == std::string::npos ? "" : token.substr(equals + 1);
            written &=
                WritePrivateProfileStringA(section.c_str(), key.empty() ? nullptr : key.c_str(),
                                           equals == std::string::npos ? nullptr : value.c_str(), ini.c_str()) != 0;
        }
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());  // to the file now
    return written;
}

// The Linux path of a Z: path: the native command line takes those.
std::string UnixPath(const std::string& path) {
    std::string converted = path.substr(path.compare(0, 2, "Z:") == 0 ? 2 : 0);
    std::replace(converted.begin(), converted.end(), '\\', '/');
    return converted;
}

// Runs the native `tolvarin` command that writes `output`; Z: paths among `args` are passed as
// Linux paths. Wine starts a Linux program but can neither wait for it nor learn its exit status;
// its output, written whole under its final name, shows that it is done.
bool RunCli(const std::string& command, const std::string& output, const std::vector<std::string>& args) {
    DeleteFileA(output.c_str());
    std::string line = command;
    for (const std::string& a : args)
        line += a.compare(0, 2, "Z:") == 0 ? " \"" + UnixPath(a) + "\"" : " " + a;
    Proc cli;
    return Check(cli.Start(Arg("cli"), line, "") && WaitUntil([&] { return FileExists(output); }),
                 "`tolvarin " + command + "` wrote " + output);
}

HWND Sheet(App& app) {
    return ChildOfClass(app.Panel(), "#32770");
}

HWND PageWindow(App& app, int index) {
    return reinterpret_cast<HWND>(Send(Sheet(app), PSM_INDEXTOHWND, index, 0));
}

HWND ShowPage(App& app, Page page) {
    Send(Sheet(app), PSM_SETCURSEL, page, 0);
    return PageWindow(app, page);
}

// Leaves a stale picture over the preview that only a repaint of the preview removes: the stock
// main-window picture, shown and hidden again without a redraw. (Another process's window cannot be
// painted on from outside under Wine.)
bool MakeStale(App& app, const Image& shown) {
    HWND stock = app.PanelItem(IDC_PREVIEW_MAIN);
    auto stale = [&] { return Compare(app.CapturePreview(), shown).count > 0; };
    for (int attempt = 0; attempt < 3; ++attempt) {
        // Whatever waits to be painted (a chooser moved away uncovers the preview) is painted first.
        RedrawWindow(app.Frame(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ShowWindow(stock, SW_SHOWNA);
        const bool painted = WaitUntil(stale);
        SetWindowPos(stock, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        // A repaint that was still on its way would take it away again: it has to stay a while.
        if (painted && !IsWindowVisible(stock) && !WaitUntil([&] { return !stale(); }, 300))
            return Check(true, "a stale picture lies over the preview");
    }
    return Check(false, "a stale picture lies over the preview");
}

void PostKey(HWND control, WPARAM vk, int times) {
    for (int i = 0; i < times; ++i) {
        PostMessageA(control, WM_KEYDOWN, vk, 1);
        PostMessageA(control, WM_KEYUP, vk, MAKELPARAM(1, 0xC000));
    }
}

// Answers an open colour or font chooser; the colour through its red, green and blue edits.
void AnswerChooser(HWND dialog, const HandlerCase& c) {
    const bool cancel = c.act == Act::kColorCancel || c.act == Act::kFontCancel;
    if (c.act == Act::kColor || c.act == Act::kColorCancel) {
        for (int i = 0; i < 3; ++i)
            SetText(FindId(dialog, 706 + i, "Edit"), Format("%d", (c.value >> (16 - 8 * i)) & 0xFF));
    } else {
        HWND faces = FindId(dialog, 1136, "ComboBox");
        const std::vector<std::string> names = ComboItems(faces);
        const auto tahoma = std::find(names.begin(), names.end(), "Tahoma");
        if (Check(tahoma != names.end(), "the font chooser lists Tahoma")) {
            Send(faces, CB_SETCURSEL, tahoma - names.begin(), 0);
            Send(dialog, WM_COMMAND, MAKEWPARAM(1136, CBN_SELCHANGE), reinterpret_cast<LPARAM>(faces));
        }
    }
    Click(FindId(dialog, cancel ? IDCANCEL : IDOK, "Button"));
    Check(WaitGone(dialog), "chooser closes");
}

void CheckMessageBox(App& app) {
    HWND box = app.WaitDialog();
    if (!Check(box != nullptr, "message box appears", DescribeWindows(app.Process().Pid())))
        return;
    CheckEq(TextOf(box), "未完成", "message box caption");
    CheckEq(TextOf(FindId(box, 0xFFFF, "Static")), "現在作成中", "message box text");
    Check(FindId(box, IDCANCEL, "Button") == nullptr, "a single OK button");
    Click(FindId(box, IDOK, "Button"));
    Check(WaitGone(box), "message box closes");
}

void Perform(App& app, HWND page, const HandlerCase& c, const Image& before) {
    HWND control = GetDlgItem(page, c.control);
    switch (c.act) {
        case Act::kClick:
        case Act::kMessageBox:
            if (Recomposes(c))
                MakeStale(app, before);
            Click(control);
            if (c.act == Act::kMessageBox)
                CheckMessageBox(app);
            break;
        case Act::kSelect:
            if (Recomposes(c))
                MakeStale(app, before);
            PostKey(control, VK_HOME, 1);
            PostKey(control, VK_DOWN, c.value);
            break;
        case Act::kKeys:
            PostKey(control, c.value, 3);
            break;
        case Act::kMousePage: {
            RemoteBuffer rect(app.Process().Handle(), sizeof(RECT));
            RECT thumb = {};
            Send(control, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(rect.Address()));
            rect.Read(&thumb, sizeof thumb);
            const LPARAM at = MAKELPARAM(thumb.right + 10, (thumb.top + thumb.bottom) / 2);
            PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
            PostMessageA(control, WM_LBUTTONUP, 0, at);
            break;
        }
        default: {  // a chooser
            Click(control);
            HWND dialog = app.CheckUp(app.WaitDialog(), "chooser appears");
            if (!dialog)
                return;
            // Out of the preview's way, so that only the handler can repaint the preview.
            SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            if (Recomposes(c))
                MakeStale(app, before);
            AnswerChooser(dialog, c);
        }
    }
}

void CheckHandler(const HandlerCase& c, int index) {
    CaseApp app(c.name, Format("handler-%02d", index), c.fromFar ? kFarIni : "");
    const std::string picture = app.Put("sample.bmp");
    const std::string startIni = Join(app.dir.folder, "start.INI"), edits = Join(app.dir.folder, "edits.INI");
    const std::string before = Join(app.dir.folder, "before.bmp"), after = Join(app.dir.folder, "after.bmp");
    const std::string expectedIni = Join(app.dir.folder, "expected.INI");
    Image beforeImage, afterImage;
    if (!WriteWholeFile(startIni, c.fromFar ? kFarIni : "") || !Check(WriteEdits(edits, c), "expected edits written") ||
        !RunCli("preview", before, {picture, before, "--settings", startIni}) ||
        !RunCli("preview", after, {picture, after, "--settings", edits}) ||
        !RunCli("settings", expectedIni, {expectedIni, "--settings", edits}) || !LoadBmp(before, beforeImage) ||
        !LoadBmp(after, afterImage))
        return;
    if (!app.Launch({picture}))
        return;
    const Difference start = app.WaitPreview(beforeImage);
    Check(start.sameSize && start.count == 0, "preview before the change equals `tolvarin preview`", start.Describe());
    HWND page = ShowPage(app, c.page);
    if (!Check(page && GetDlgItem(page, c.control), "control on its page")) {
        app.Process().Kill();
        return;
    }
    HWND label = GetDlgItem(page, IDC_MARON_OPACITY_TEXT);
    if (c.page == kMaron) {
        // The label takes the position when the trackbar first paints; a change shows only after that.
        const std::string opacity = Format("%u", GetPrivateProfileIntA("MARON", "Opacity", 50, startIni.c_str()));
        Check(WaitUntil([&] { return TextOf(label) == opacity; }), "label 1018 shows " + opacity, TextOf(label));
    }
    Perform(app, page, c, beforeImage);
    const Difference shown = app.WaitPreview(afterImage);
    Check(shown.sameSize && shown.count == 0, "preview equals `tolvarin preview` with the expected INI",
          shown.Describe());
    if (c.control == IDC_MARON_OPACITY) {
        const std::string opacity = std::strchr(c.edits, '=') + 1;
        Check(WaitUntil([&] { return TextOf(label) == opacity; }), "label 1018 follows to " + opacity, TextOf(label));
    }
    if (Check(app.Exit(), "exits"))
        CheckSameSettings(app.dir.ini, expectedIni, "INI written at exit", Order::kAny);
}

std::string StateOf(HWND control, State state) {
    switch (state) {
        case State::kChecked:
            return Format("%d", static_cast<int>(Send(control, BM_GETCHECK, 0, 0)));
        case State::kEnabled:
            return IsWindowEnabled(control) ? "1" : "0";
        case State::kSelection:
            return Format("%d", static_cast<int>(Send(control, CB_GETCURSEL, 0, 0)));
        case State::kPosition:
            return Format("%d", static_cast<int>(Send(control, TBM_GETPOS, 0, 0)));
        default:
            return TextOf(control);
    }
}

// Every page shows the loaded values at once, the hidden ones too, without being activated again.
void CheckProfileLoad() {
    CaseApp app("profile load", "profile-load");
    const std::string profile = Join(app.dir.folder, "far.INI");
    if (!WriteWholeFile(profile, kFarIni) || !app.Launch())
        return;
    HWND maron = ShowPage(app, kMaron);
    Check(WaitUntil([&] { return TextOf(GetDlgItem(maron, IDC_MARON_OPACITY_TEXT)) == "50"; }), "MARON in front");
    HWND dialog = app.OpenDialog(IDM_PROFILE_LOAD);
    Check(dialog && ChooseFile(dialog, profile) && WaitGone(dialog), "profile chosen");
    for (const auto& shown : kShownAfterLoad) {
        HWND control = GetDlgItem(PageWindow(app, shown.page), shown.control);
        WaitUntil([&] { return StateOf(control, shown.state) == shown.value; }, 2000);
        CheckEq(StateOf(control, shown.state), shown.value, Format("page %d control %d", shown.page, shown.control));
    }
    Check(Send(Sheet(app), PSM_GETCURRENTPAGEHWND, 0, 0) == reinterpret_cast<LRESULT>(maron), "MARON still in front");
    app.Exit();
}

void CheckMaronGreying() {
    CaseApp app("MARON greying", "maron-greying");
    if (!app.Launch({app.Put("sample.bmp")}))
        return;
    HWND page = ShowPage(app, kMaron);
    for (bool use : {false, true}) {
        Click(GetDlgItem(page, IDC_MARON_USE));
        for (const auto& option : kMaronOptions) {
            HWND control = GetDlgItem(page, option.control);
            Check(WaitUntil([&] { return (IsWindowEnabled(control) != 0) == use; }),
                  Format("control %d %s", option.control, use ? "enabled again" : "greyed"));
            if (option.checked >= 0)
                CheckEq(Send(control, BM_GETCHECK, 0, 0), option.checked,
                        Format("control %d keeps its value", option.control));
        }
        Check(IsWindowEnabled(GetDlgItem(page, IDC_MARON_RESET)) != 0, "初期化 stays usable");
        if (!use)
            SaveScreenshot(app, "sheet-maron-greyed.bmp");
    }
    if (Check(app.Exit(), "exits"))
        CheckSameSettings(app.dir.ini, Join(Arg("data"), "default.INI"), "values kept through the greying",
                          Order::kAny);
}

// Tab pressed as a user would, from the tab control into the page and round.
void CheckTabOrder() {
    CaseApp app("Tab through the sheet", "tab-order");
    if (!app.Launch() || !Check(BringToFront(app.Frame()), "frame in front"))
        return;
    HWND tabs = reinterpret_cast<HWND>(Send(Sheet(app), PSM_GETTABCONTROL, 0, 0));
    RemoteBuffer rect(app.Process().Handle(), sizeof(RECT));
    RECT tab = {};
    Send(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(rect.Address()));
    rect.Read(&tab, sizeof tab);
    POINT centre = {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
    ClientToScreen(tabs, &centre);
    MouseClickScreen(centre.x, centre.y);
    const DWORD thread = GetWindowThreadProcessId(app.Frame(), nullptr);
    auto focus = [&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread, &info) ? GetDlgCtrlID(info.hwndFocus) : 0;
    };
    std::string got, expected;
    for (size_t i = 0; i < std::size(kTabOrder); ++i) {
        if (i > 0)
            KeyPress(VK_TAB);
        WaitUntil([&] { return focus() == kTabOrder[i]; }, 2000);
        got += Format("%d ", focus());
        expected += Format("%d ", kTabOrder[i]);
    }
    CheckEq(got, expected, "focus order");
    app.Exit();
}

// The decoration picture: a flat 100 x 50 picture named after the program is fitted into 108 x 54
// and centred in the 108 x 144 box whose top-left corner control 1057 marks. Without one the box
// stays empty. The screenshots of the pages are taken with the picture.
void CheckDecorationAndScreenshots() {
    constexpr uint32_t kFlat = 0x3366CC;
    for (bool decorated : {true, false}) {
        CaseApp app(decorated ? "decoration picture" : "no decoration picture",
                    decorated ? "decoration" : "no-decoration");
        Image flat;
        flat.width = 100;
        flat.height = 50;
        flat.pixels.assign(100 * 50, kFlat);
        if (decorated &&
            !Check(SaveBmp(flat, app.dir.exe.substr(0, app.dir.exe.size() - 3) + "BMP"), "picture written"))
            continue;
        if (!app.Launch({app.Put("sample.bmp")}))
            return;
        HWND page = ShowPage(app, kPlaylistMb);
        RECT box = WindowRect(GetDlgItem(page, IDC_PLMB_DECORATION));
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&box), 2);
        std::string detail;
        auto shown = [&] {
            const Image shot = CaptureClient(page, box.left, box.top, 108, 144);
            for (int y = 0; y < shot.height; ++y) {
                for (int x = 0; x < shot.width; ++x) {
                    const bool inside = decorated && y >= 45 && y < 99;
                    if ((shot.At(x, y) == kFlat) != inside || (!decorated && shot.At(x, y) != shot.At(0, 0))) {
                        detail = Format("(%d, %d) is %06X", x, y, shot.At(x, y));
                        return false;
                    }
                }
            }
            return true;
        };
        Check(WaitUntil(shown), decorated ? "picture at rows 45 to 98 of the box" : "box empty", detail);
        const char* const shots[] = {"sheet-main-eq.bmp", "sheet-playlist-mb.bmp", "sheet-sexyfont.bmp",
                                     "sheet-maron.bmp"};
        for (int i = 0; decorated && i < 4; ++i) {
            // Screen pixels arrive late: the shot waits for the page to change and then to settle.
            Image last = CaptureClient(Sheet(app)), now;
            ShowPage(app, static_cast<Page>(i));
            WaitUntil([&] { return Compare(CaptureClient(Sheet(app)), last).count > 0; }, 2000);
            int same = 0;
            WaitUntil([&] {
                now = CaptureClient(Sheet(app));
                same = Compare(now, last).count == 0 ? same + 1 : 0;
                last = now;
                return same == 5;
            });
            SaveScreenshot(app, shots[i]);
        }
        app.Exit();
    }
}

}  // namespace

int main(int argc, char** argv) {
    Begin("sheet", argc, argv);
    for (size_t i = 0; i < std::size(kCases); ++i)
        CheckHandler(kCases[i], static_cast<int>(i));
    CheckProfileLoad();
    CheckMaronGreying();
    CheckTabOrder();
    CheckDecorationAndScreenshots();
    return Finish();
}
