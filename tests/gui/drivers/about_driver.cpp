// The About box: its 48 controls as the table lays them out, collapse and expand by the marker
// controls with enabling by position, the live system information (memory in 64-bit figures, in
// the chosen unit), and its timer, which must end with the box.
#include "Kit.h"
#include "probe/WindowProbe.h"
#include "resource.h"

#include <commctrl.h>

#include <cstdio>
#include <memory>

using namespace tk;

namespace {

constexpr int kToggle = 147;
constexpr int kUnit = 153;
constexpr int kCollapsedMarker = 145;
constexpr int kExpandedMarker = 143;
constexpr UINT kKickIdle = 0x036A;
constexpr UINT_PTR kRefreshTimer = 1001;

struct ExpectedControl {
    const char* cls;
    int id;
    const char* text;  // null: filled in at run time, checked on its own
    RECT rect;         // client pixels
    DWORD style;
};

// Creation order, which is also the order of the dialog's children.
const ExpectedControl kControls[] = {
    {"Static", 128, "IDR_MAINFRAME", {12, 16, 44, 48}, 0x50000003},
    {"Button", 1, "OK", {121, 65, 205, 88}, 0x50010001},
    {"Button", -1, "色", {7, 96, 151, 153}, 0x50000007},
    {"Button", -1, "画面の領域", {149, 96, 319, 153}, 0x50000007},
    {"Button", -1, "メモリ", {7, 158, 320, 332}, 0x50000007},
    {"Button", -1, "物理メモリ", {7, 192, 320, 266}, 0x50000007},
    {"Button", -1, "仮想メモリ", {7, 258, 320, 332}, 0x50000007},
    {"Button", -1, "リソース", {7, 336, 320, 411}, 0x50000007},
    {"Button", 146, "", {75, 342, 163, 351}, 0x40000000},
    {"Button", 147, nullptr, {215, 65, 317, 88}, 0x50010000},
    {"Static", -1, "表示単位(&S)", {117, 176, 182, 188}, 0x50000000},
    {"Static", 129, nullptr, {60, 12, 324, 36}, 0x50000000},
    {"Static", 130, nullptr, {60, 40, 324, 52}, 0x50000000},
    {"Static", 131, nullptr, {16, 114, 142, 126}, 0x50000000},
    {"Static", -1, "画面の幅", {159, 114, 222, 126}, 0x50000000},
    {"Static", 132, nullptr, {235, 114, 312, 126}, 0x50000002},
    {"Static", -1, "画面の高さ", {159, 132, 222, 144}, 0x50000000},
    {"Static", 133, nullptr, {235, 132, 312, 144}, 0x50000002},
    {"Static", -1, "空きメモリ量", {117, 210, 184, 222}, 0x50000000},
    {"Static", 135, nullptr, {196, 210, 310, 222}, 0x50000002},
    {"Static", -1, "搭載メモリ量", {117, 228, 184, 240}, 0x50000000},
    {"Static", 134, nullptr, {196, 228, 310, 240}, 0x50000002},
    {"Static", -1, "空きメモリ量", {117, 276, 184, 288}, 0x50000000},
    {"Static", 137, nullptr, {196, 276, 310, 288}, 0x50000002},
    {"Static", -1, "搭載メモリ量", {117, 294, 184, 306}, 0x50000000},
    {"Static", 136, nullptr, {196, 294, 310, 306}, 0x50000002},
    {"Static", -1, "システム リソース：", {18, 356, 116, 368}, 0x50000000},
    {"Static", 138, "???%", {140, 356, 170, 368}, 0x50000002},
    {"Static", -1, "User リソース：", {18, 374, 116, 386}, 0x50000000},
    {"Static", 139, "???%", {140, 374, 170, 386}, 0x50000002},
    {"Static", -1, "GDI リソース：", {18, 392, 116, 404}, 0x50000000},
    {"Static", 140, "???%", {140, 392, 170, 404}, 0x50000002},
    {"Static", 143, "", {0, 340, 2, 342}, 0x40000007},
    {"Static", 144, "", {0, 420, 2, 422}, 0x40000007},
    {"Static", 145, "", {0, 99, 2, 101}, 0x40000007},
    {"Static", -1, "残り", {117, 246, 140, 258}, 0x50000000},
    {"Static", -1, "残り", {117, 312, 140, 324}, 0x50000000},
    {"Static", -1, "残り", {117, 356, 140, 368}, 0x50000000},
    {"Static", -1, "残り", {117, 374, 140, 386}, 0x50000000},
    {"Static", -1, "残り", {117, 392, 140, 404}, 0x50000000},
    {"Static", 142, nullptr, {140, 246, 170, 258}, 0x50000002},
    {"Static", 141, nullptr, {140, 312, 170, 324}, 0x50000002},
    {"ComboBox", 153, nullptr, {224, 173, 308, 400}, 0x50210403},
    {"msctls_progress32", 150, "", {175, 356, 315, 370}, 0x50000001},
    {"msctls_progress32", 152, "", {175, 392, 315, 406}, 0x50000001},
    {"msctls_progress32", 151, "", {175, 374, 315, 388}, 0x50000001},
    {"msctls_progress32", 148, "", {175, 246, 315, 260}, 0x50000001},
    {"msctls_progress32", 149, "", {175, 312, 315, 326}, 0x50000001},
};

// Every child in creation order (at most 64).
std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child && children.size() < 64; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// Class, id, style, client rectangle, text and font of one control, in one line.
std::string Describe(const char* cls, int id, DWORD style, RECT r, const std::string& text, const std::string& font) {
    return Format("%s %d 0x%08lx (%ld, %ld, %ld, %ld) \"%s\" %s", cls, id, style, r.left, r.top, r.right, r.bottom,
                  text.c_str(), font.c_str());
}

void CheckControls(HWND dialog, const windowprobe::ChildFonts& fonts) {
    const std::vector<HWND> children = Children(dialog);
    CheckEq(static_cast<long long>(children.size()), 48, "48 controls");
    // One check per expected control, whatever the dialog or the probe delivered: a missing child
    // or font fails its own check instead of shortening the walk.
    for (size_t i = 0; i < std::size(kControls); ++i) {
        const ExpectedControl& e = kControls[i];
        // The dialog's font goes to every button, static and the combo box, not to the icon or the
        // bars; the marker frames, which have no text, do not keep it.
        const std::string cls = e.cls;
        const bool font =
            e.id != 128 && cls != "msctls_progress32" && !(cls == "Static" && (e.style & SS_TYPEMASK) == SS_BLACKFRAME);
        // A drop-down list is as high as its closed field (the rectangle sets its list), and hands
        // its scroll bar style on to the list.
        const DWORD ignored = WS_DISABLED | (e.id == kUnit ? WS_VSCROLL : 0);
        const std::string expected = Describe(e.cls, e.id, e.style & ~ignored, e.rect, e.text ? e.text : "",
                                              font ? "12 400 128 0x11 ＭＳ Ｐゴシック" : "default font");
        std::string got = "no such control";
        if (i < children.size()) {
            HWND c = children[i];
            RECT r = WindowRect(c);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
            if (e.id == kUnit)
                r.bottom = e.rect.bottom;
            const windowprobe::ChildFont* f = i < fonts.count ? &fonts.fonts[i] : nullptr;
            got = Describe(ClassOf(c).c_str(), static_cast<short>(GetDlgCtrlID(c)),
                           static_cast<DWORD>(GetWindowLongA(c, GWL_STYLE)) & ~ignored, r, e.text ? TextOf(c) : "",
                           !f           ? "no font from the probe"
                           : f->hasFont ? Format("%ld %ld %u 0x%02x %s", static_cast<long>(f->height),
                                                 static_cast<long>(f->weight), f->charSet, f->pitchAndFamily, f->face)
                                        : "default font");
        }
        CheckEq(got, expected, Format("control %zu", i + 1));
    }
    Check(Send(GetDlgItem(dialog, 128), STM_GETICON, 0, 0) != 0, "icon control shows the program's icon");
    std::string units;
    for (const std::string& unit : ComboItems(GetDlgItem(dialog, kUnit)))
        units += unit + "|";
    CheckEq(units, "B（バイト）|K（キロ）|M（メガ）|G（ギガ）|", "unit entries");
    CheckEq(Send(GetDlgItem(dialog, kUnit), CB_GETCURSEL, 0, 0, -1), 1, "unit K selected");
}

// Height ends at the marker's top; a child is enabled exactly when its top lies within the height.
void CheckSection(HWND dialog, int marker, int markerTop, const char* caption, const char* state) {
    CaseScope scope(state);
    CheckEq(WindowRect(dialog).bottom, WindowRect(GetDlgItem(dialog, marker)).top, "window ends at the marker's top");
    CheckEq(TextOf(GetDlgItem(dialog, kToggle)), caption, "toggle caption");
    const std::vector<HWND> children = Children(dialog);
    std::string wrong;
    for (size_t i = 0; i < children.size() && i < std::size(kControls); ++i) {
        const bool expected = kControls[i].rect.top <= markerTop;
        if ((IsWindowEnabled(children[i]) != FALSE) != expected)
            wrong += Format("%zu (%d) %s; ", i + 1, kControls[i].id, expected ? "disabled" : "enabled");
    }
    Check(wrong.empty(), "controls enabled by position", wrong);
}

std::string Figure(uint64_t value, uint64_t divisor, char letter) {
    return Format("%.4f %c", static_cast<double>(value) / static_cast<double>(divisor), letter);
}

// "%.4lf X": a number with four decimals, a space and the unit letter.
bool IsFigure(const std::string& text, char letter) {
    double value = 0;
    char unit = 0;
    return std::sscanf(text.c_str(), "%lf %c", &value, &unit) == 2 && unit == letter &&
           text.find('.') + 7 == text.size();
}

void CheckSystemInfo(HWND dialog) {
    CaseScope scope("system information");
    HDC screen = GetDC(nullptr);
    const int depth = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    const std::pair<int, const char*> kDepths[] = {
        {16, "High Color （16 ビット）"}, {24, "True Color （24 ビット）"}, {32, "True Color （32 ビット）"}};
    const char* depthName = "?? 色";
    for (const auto& [bits, name] : kDepths)
        depthName = bits == depth ? name : depthName;
    const std::pair<int, std::string> kTexts[] = {
        {131, depthName},
        {132, Format("%d ピクセル", GetSystemMetrics(SM_CXSCREEN))},
        {133, Format("%d ピクセル", GetSystemMetrics(SM_CYSCREEN))},
        {129, "Quarnelis Version 2.0"},
        {130, "  Copyright (C) Tolvarin の作者"},  // CompanyName (a space), a space, LegalCopyright
    };
    for (const auto& [id, text] : kTexts)
        CheckEq(TextOf(GetDlgItem(dialog, id)), text, Format("text %d", id));

    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    Note(Format("physical memory %llu bytes, page file %llu bytes",
                static_cast<unsigned long long>(status.ullTotalPhys),
                static_cast<unsigned long long>(status.ullTotalPageFile)));
    // Unit changes as the user makes them: the selection, then the combo box's notification.
    HWND combo = GetDlgItem(dialog, kUnit);
    const struct {
        int index;
        uint64_t divisor;
        char letter;
    } kUnits[] = {{1, 1024, 'K'}, {0, 1, 'B'}, {3, 1024ull * 1024 * 1024, 'G'}, {2, 1024 * 1024, 'M'}};
    for (const auto& unit : kUnits) {
        if (unit.index != 1) {
            Send(combo, CB_SETCURSEL, unit.index, 0);
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(kUnit, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        }
        const std::string total = Figure(status.ullTotalPhys, unit.divisor, unit.letter);
        WaitUntil([&] { return TextOf(GetDlgItem(dialog, 134)) == total; });
        CheckEq(TextOf(GetDlgItem(dialog, 134)), total, Format("installed memory in %c", unit.letter));
        CheckEq(TextOf(GetDlgItem(dialog, 136)), Figure(status.ullTotalPageFile, unit.divisor, unit.letter),
                Format("installed virtual memory in %c", unit.letter));
        for (int id : {135, 137})
            Check(IsFigure(TextOf(GetDlgItem(dialog, id)), unit.letter),
                  Format("free figure %d in %c", id, unit.letter), TextOf(GetDlgItem(dialog, id)));
    }
    // "%3d %%" and its bar; both change together on a refresh, so wait for a moment between two.
    for (const auto& [textId, barId] : {std::pair{142, 148}, std::pair{141, 149}}) {
        HWND text = GetDlgItem(dialog, textId);
        const bool agree = WaitUntil([&] {
            const LRESULT at = Send(GetDlgItem(dialog, barId), PBM_GETPOS, 0, 0, -1);
            return at >= 0 && at <= 100 && TextOf(text) == Format("%3d %%", static_cast<int>(at));
        });
        Check(agree, Format("percent %d and its bar %d agree", textId, barId), TextOf(text));
    }
}

// Runs export `name` of the window probe inside the program on a copy of `block`, and reads the
// block back; false when that fails.
template <typename Block>
bool RunProbe(App& app, const char* name, Block& block) {
    std::string dll = Arg("probe");
    dll = dll.substr(0, dll.find_last_of('\\') + 1) + "windowprobe.dll";
    std::string problem;
    const void* probe = RemoteExport(app.Process().Handle(), dll, name, problem);
    if (!probe) {
        Note(Format("window probe %s: %s", name, problem.c_str()));
        return false;
    }
    RemoteBuffer remote(app.Process().Handle(), sizeof block);
    DWORD ok = 0;
    return remote.Write(&block, sizeof block) && RunRemote(app.Process().Handle(), probe, remote.Address(), &ok) &&
           ok && remote.Read(&block, sizeof block);
}

// How many times `message` (with wParam, or any when anyWParam) reached windows of the program's
// thread over ms milliseconds; -1 when the probe failed.
long CountMessages(App& app, UINT message, bool anyWParam, WPARAM wParam, DWORD ms) {
    windowprobe::MessageCount request = {};
    request.window = reinterpret_cast<uintptr_t>(app.Frame());
    request.message = message;
    request.anyWParam = anyWParam ? 1 : 0;
    request.wParam = wParam;
    request.ms = ms;
    return RunProbe(app, "CountMessages", request) ? static_cast<long>(request.count) : -1;
}

void SaveDialogShot(HWND dialog, const char* fileName) {
    MouseMoveScreen(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    const RECT r = WindowRect(dialog);
    SaveBmp(CaptureScreen(r.left, r.top, r.right - r.left, r.bottom - r.top), Join(Arg("artifacts"), fileName));
}

void CheckAboutBox() {
    CaseApp app("", "about");
    if (!app.Launch())
        return;
    HWND dialog = app.CheckUp(app.OpenDialog(ID_APP_ABOUT), "About box appears");
    if (!dialog)
        return;
    CheckEq(TextOf(dialog), "バージョン情報", "title");
    Check(!IsWindowEnabled(app.Frame()), "frame disabled while the box is open");
    auto fonts = std::make_unique<windowprobe::ChildFonts>();
    fonts->window = reinterpret_cast<uintptr_t>(dialog);
    Check(RunProbe(app, "ReadChildFonts", *fonts), "fonts read inside the program");
    CheckControls(dialog, *fonts);
    CheckSection(dialog, kCollapsedMarker, 99, "システム情報(&M)", "collapsed");
    SaveDialogShot(dialog, "about-collapsed.bmp");

    Click(GetDlgItem(dialog, kToggle));
    WaitUntil([&] { return TextOf(GetDlgItem(dialog, kToggle)) == "情報閉じる(&L)"; });
    // Without the resource meter (every NT system) the box ends above the resource rows.
    CheckSection(dialog, kExpandedMarker, 340, "情報閉じる(&L)", "expanded");
    CheckSystemInfo(dialog);
    SaveDialogShot(dialog, "about-expanded.bmp");

    const long ticks = CountMessages(app, WM_TIMER, false, kRefreshTimer, 500);
    Check(ticks >= 10, "the 16 ms timer ticks while the box is open", Format("%ld in 500 ms", ticks));
    const long kicks = CountMessages(app, kKickIdle, true, 0, 500);
    Check(kicks >= 1, "idle turns reach the box", Format("%ld in 500 ms", kicks));

    Click(GetDlgItem(dialog, kToggle));
    WaitUntil([&] { return TextOf(GetDlgItem(dialog, kToggle)) == "システム情報(&M)"; });
    CheckSection(dialog, kCollapsedMarker, 99, "システム情報(&M)", "collapsed again");

    Click(GetDlgItem(dialog, IDOK));
    Check(WaitUntil([&] { return !IsWindow(dialog); }), "OK closes the box");
    Check(WaitUntil([&] { return IsWindowEnabled(app.Frame()) != FALSE; }), "frame enabled again");
    CheckEq(CountMessages(app, WM_TIMER, false, kRefreshTimer, 500), 0, "the timer stopped with the box");
    Check(app.Exit(), "exits");
}

}  // namespace

int main(int argc, char** argv) {
    return RunCases("about", argc, argv, {CheckAboutBox});
}
