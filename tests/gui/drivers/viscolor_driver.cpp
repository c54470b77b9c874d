// The visualization colour dialog: its swatches and markers read from the screen against pixels
// worked out by hand, gradations set by clicks, colours edited in the chooser it owns, reset, and
// what OK and Cancel leave in the INI written at exit.
#include "Kit.h"
#include "dialogs/MainEqPageRes.h"
#include "dialogs/VisColorDlgRes.h"
#include "resource.h"

#include <utility>
#include <vector>

using namespace tk;

namespace {

struct Rgb {
    int r, g, b;
};

// The 24 defaults as VISCOLOR.TXT lists them.
const Rgb kDefaults[24] = {
    {0, 0, 0},       {24, 24, 41},    {239, 49, 16},   {206, 41, 16},   {214, 90, 0},    {214, 102, 0},
    {214, 115, 0},   {198, 123, 8},   {222, 165, 24},  {214, 181, 33},  {189, 222, 41},  {148, 222, 33},
    {41, 206, 16},   {50, 190, 16},   {57, 181, 16},   {49, 156, 8},    {41, 148, 0},    {24, 132, 8},
    {255, 255, 255}, {214, 214, 222}, {181, 189, 189}, {160, 170, 175}, {148, 156, 165}, {150, 150, 150},
};

enum Panel { kBackground, kAnalyzer, kOscilloscope, kPeak };
const struct {
    int anchor;
    int first;  // VisColor index of the top swatch
    int count;
} kPanels[] = {
    {IDC_VIS_BACKGROUND_ANCHOR, 0, 2},
    {IDC_VIS_ANALYZER_ANCHOR, 2, 16},
    {IDC_VIS_OSCILLOSCOPE_ANCHOR, 18, 5},
    {IDC_VIS_PEAK_ANCHOR, 23, 1},
};

// A swatch row by row from the top: the first column, the second, the inside (C: the colour), the
// last but one and the last, as grey levels.
constexpr int kC = -1;
const int kSwatchRows[16][5] = {
    {255, 255, 255, 255, 0}, {255, 223, 223, 127, 0}, {255, 223, kC, 127, 0},  {255, 223, kC, 127, 0},
    {255, 223, kC, 127, 0},  {255, 223, kC, 127, 0},  {255, 223, kC, 127, 0},  {255, 223, kC, 127, 0},
    {255, 223, kC, 127, 0},  {255, 223, kC, 127, 0},  {255, 223, kC, 127, 0},  {255, 223, kC, 127, 0},
    {255, 223, kC, 127, 0},  {255, 223, kC, 127, 0},  {255, 127, 127, 127, 0}, {0, 0, 0, 0, 0},
};

uint32_t Pixel(int grey, const Rgb& color) {
    if (grey == kC)
        return static_cast<uint32_t>(color.r << 16 | color.g << 8 | color.b);
    return static_cast<uint32_t>(grey * 0x010101);
}

// A marked swatch: two rows at the top and bottom and two columns at each side in 64, 64, 64.
uint32_t SwatchPixel(int x, int y, const Rgb& color, bool marked) {
    if (marked && (y < 2 || y > 13 || x < 2 || x > 61))
        return 0x404040;
    const int column = x < 2 ? x : x > 61 ? x - 59 : 2;
    return Pixel(kSwatchRows[y][column], color);
}

Image PanelImage(int panel, const std::vector<Rgb>& colors, int markA, int markB) {
    Image image;
    image.width = 64;
    image.height = 16 * kPanels[panel].count;
    for (int y = 0; y < image.height; ++y) {
        const int swatch = y / 16;
        const bool marked = panel == kAnalyzer && (swatch == markA || swatch == markB);
        for (int x = 0; x < 64; ++x)
            image.pixels.push_back(SwatchPixel(x, y % 16, colors[kPanels[panel].first + swatch], marked));
    }
    return image;
}

enum class Act { kLeft, kRealLeft, kRight, kRealDouble, kGradation, kReset };
struct Step {
    Act act;
    int panel = kAnalyzer;
    int x = 32, y = 8;  // from the panel's top-left corner
    bool pick = true;   // the chooser the step opens: OK with `color`, or Cancel
    Rgb color = {0, 0, 0};
};
Step Left(int swatch) {
    return {Act::kLeft, kAnalyzer, 32, 16 * swatch + 8};
}
Step LeftAt(int panel, int x, int y) {
    return {Act::kLeft, panel, x, y};
}
Step Pick(Act act, int panel, int swatch, Rgb color, bool ok = true) {
    return {act, panel, 20, 16 * swatch + 5, ok, color};
}

using Colors = std::vector<std::pair<int, Rgb>>;  // VisColor entries over a base

struct VisCase {
    const char* name;
    Colors start;  // in the INI the program starts with, over the defaults
    std::vector<Step> steps;
    bool shownFromDefaults;  // a reset happened: the end state lies over the defaults, not the start
    Colors shown;            // what the dialog shows at the end
    int markA, markB;
    bool ok;
    const char* screenshot;
};

const VisCase kCases[] = {
    {"defaults, both markers on the top analyzer swatch", {}, {}, false, {}, 0, 0, false, "viscolor-dialog.bmp"},
    // Single precision: the third colour gets 5 (the running sum is 5.9999995) where exact arithmetic gives 6.
    {"gradation 1 to 11 and 2 to 0 over markers 0 and 6",
     {{2, {1, 0, 2}}, {8, {11, 0, 0}}},
     {{Act::kRealLeft, kAnalyzer, 32, 16 * 6 + 8}, {Act::kGradation}},
     false,
     {{3, {2, 0, 1}}, {4, {4, 0, 1}}, {5, {5, 0, 0}}, {6, {7, 0, 0}}, {7, {9, 0, 0}}},
     0,
     6,
     true,
     "viscolor-gradation.bmp"},
    // B moves first; A is set last, on the panel's bottom-right pixel (bounds inclusive).
    {"red to blue with A below B",
     {{2, {255, 0, 0}}, {17, {0, 0, 255}}},
     {Left(0), LeftAt(kAnalyzer, 63, 255), {Act::kGradation}},
     false,
     {{3, {238, 0, 17}},
      {4, {221, 0, 34}},
      {5, {204, 0, 51}},
      {6, {187, 0, 68}},
      {7, {170, 0, 85}},
      {8, {153, 0, 102}},
      {9, {136, 0, 119}},
      {10, {119, 0, 136}},
      {11, {102, 0, 153}},
      {12, {85, 0, 170}},
      {13, {68, 0, 187}},
      {14, {51, 0, 204}},
      {15, {34, 0, 221}},
      {16, {17, 0, 238}}},
     15,
     0,
     true,
     nullptr},
    // Neighbours make no gradation; clicks beside the analyzer move no marker and leave the turn to A.
    {"neighbouring markers and clicks outside the analyzer",
     {},
     {Left(1), {Act::kGradation}, LeftAt(kAnalyzer, 64, 40), LeftAt(kBackground, 10, 10), Left(3)},
     false,
     {},
     3,
     1,
     false,
     nullptr},
    {"colours edited in the chooser",
     {},
     {Pick(Act::kRight, kBackground, 1, {10, 20, 30}), Pick(Act::kRealDouble, kPeak, 0, {200, 100, 50}),
      Pick(Act::kRight, kOscilloscope, 2, {}, false), Pick(Act::kRight, kAnalyzer, 5, {1, 2, 3})},
     false,
     {{1, {10, 20, 30}}, {23, {200, 100, 50}}, {7, {1, 2, 3}}},
     0,
     0,
     true,
     nullptr},
    {"reset, then Cancel", {{5, {1, 2, 3}}, {20, {9, 9, 9}}}, {{Act::kReset}}, true, {}, 0, 0, false, nullptr},
    {"reset, then OK", {{5, {1, 2, 3}}}, {Left(4), {Act::kReset}}, true, {}, 0, 4, true, nullptr},
};

std::vector<Rgb> Apply(std::vector<Rgb> base, const Colors& over) {
    for (const auto& [index, color] : over)
        base[index] = color;
    return base;
}

std::string IniOf(const Colors& colors) {
    std::string ini = "[VisColor]\r\n";
    for (const auto& [i, c] : colors)
        ini += format("VisColorR%02d=%d\r\nVisColorG%02d=%d\r\nVisColorB%02d=%d\r\n", i, c.r, i, c.g, i, c.b);
    return ini;
}

std::string Listing(const std::vector<Rgb>& colors) {
    std::string text;
    for (size_t i = 0; i < colors.size(); ++i)
        text += format("%02zu:%d,%d,%d ", i, colors[i].r, colors[i].g, colors[i].b);
    return text;
}

std::string SavedListing(const std::string& iniPath) {
    const std::vector<IniSection> ini = read_ini(iniPath);
    std::string text;
    for (int i = 0; i < 24; ++i)
        text += format("%02d:%s,%s,%s ", i, ini_value(ini, "VisColor", format("VisColorR%02d", i)).c_str(),
                       ini_value(ini, "VisColor", format("VisColorG%02d", i)).c_str(),
                       ini_value(ini, "VisColor", format("VisColorB%02d", i)).c_str());
    return text;
}

POINT PanelOrigin(HWND dialog, int panel) {
    const RECT anchor = window_rect(GetDlgItem(dialog, kPanels[panel].anchor));
    POINT origin = {anchor.left, anchor.top};
    ScreenToClient(dialog, &origin);
    return origin;
}

POINT ScreenPoint(HWND dialog, const Step& step) {
    POINT p = PanelOrigin(dialog, step.panel);
    p.x += step.x;
    p.y += step.y;
    ClientToScreen(dialog, &p);
    return p;
}

void RealDoubleClick(POINT at) {
    INPUT inputs[5] = {};
    const DWORD flags[5] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN,
                            MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 5; ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
        inputs[i].mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
        inputs[i].mi.dwFlags = flags[i] | MOUSEEVENTF_ABSOLUTE;
    }
    SendInput(5, inputs, sizeof inputs[0]);
}

// The chooser a step opened: owned by the dialog, which it disables; R, G and B typed into its
// edits, then OK, or Cancel.
void AnswerChooser(App& app, HWND dialog, const Step& step) {
    HWND chooser = wait_owned(app.proc().pid(), dialog);
    if (!check(chooser != nullptr, "chooser opens, owned by the dialog", describe_windows(app.proc().pid())))
        return;
    check_eq(text_of(chooser), "色", "chooser title");
    check(!IsWindowEnabled(dialog), "the dialog is disabled while the chooser is open");
    if (step.pick) {
        set_text(find_id(chooser, 706, "Edit"), std::to_string(step.color.r));
        set_text(find_id(chooser, 707, "Edit"), std::to_string(step.color.g));
        set_text(find_id(chooser, 708, "Edit"), std::to_string(step.color.b));
    }
    click(find_id(chooser, step.pick ? IDOK : IDCANCEL, "Button"));
    check(wait_gone(chooser), "chooser closes");
    check(wait_until([&] { return IsWindowEnabled(dialog) != FALSE; }), "the dialog is enabled again");
}

void RunStep(App& app, HWND dialog, const Step& step) {
    const POINT client = [&] {
        POINT p = PanelOrigin(dialog, step.panel);
        return POINT{p.x + step.x, p.y + step.y};
    }();
    const LPARAM where = MAKELPARAM(client.x, client.y);
    switch (step.act) {
        case Act::kLeft:
            PostMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, where);
            PostMessageA(dialog, WM_LBUTTONUP, 0, where);
            break;
        case Act::kRealLeft: {
            bring_to_front(dialog);
            const POINT at = ScreenPoint(dialog, step);
            mouse_click_screen(at.x, at.y);
            // Real input comes after posted messages: wait until this click has placed its marker.
            const int top = step.y / 16 * 16;
            check(wait_until([&] {
                      return capture_client(dialog, client.x - step.x, client.y - step.y + top, 1, 1).at(0, 0) ==
                             0x404040;
                  }),
                  "a real click places the marker");
            break;
        }
        case Act::kRight:
            PostMessageA(dialog, WM_RBUTTONDOWN, MK_RBUTTON, where);
            AnswerChooser(app, dialog, step);
            break;
        case Act::kRealDouble:
            bring_to_front(dialog);
            RealDoubleClick(ScreenPoint(dialog, step));
            AnswerChooser(app, dialog, step);
            break;
        case Act::kGradation:
            click(GetDlgItem(dialog, IDC_VIS_GRADATION));
            break;
        case Act::kReset:
            click(GetDlgItem(dialog, IDC_VIS_RESET));
            break;
    }
}

void RunCase(const VisCase& c) {
    CaseScope scope(c.name);
    CaseDir dir = make_case(format("viscolor-%zu", static_cast<size_t>(&c - kCases)), IniOf(c.start));
    App app;
    if (!check(app.start(dir), "frame appears"))
        return;
    HWND button = find_id(app.panel(), IDC_MAINEQ_VIS_COLORS, "Button");
    if (!check(button != nullptr, "スペアナ色設定... button on the MAIN＆EQ page"))
        return;
    click(button);
    HWND dialog = wait_owned(app.proc().pid(), app.frame());
    if (!check(dialog != nullptr, "dialog opens, owned by the frame", describe_windows(app.proc().pid())))
        return;
    check_eq(text_of(dialog), "スペアナ色設定", "title");
    check(!IsWindowEnabled(app.frame()), "frame disabled while the dialog is open");
    for (const Step& step : c.steps)
        RunStep(app, dialog, step);

    const std::vector<Rgb> startColors = Apply({std::begin(kDefaults), std::end(kDefaults)}, c.start);
    const std::vector<Rgb> shown = Apply(
        c.shownFromDefaults ? std::vector<Rgb>(std::begin(kDefaults), std::end(kDefaults)) : startColors, c.shown);
    const char* names[] = {"background", "analyzer", "oscilloscope", "peak hold"};
    for (int panel = kBackground; panel <= kPeak; ++panel) {
        const POINT origin = PanelOrigin(dialog, panel);
        const Difference d = wait_pixels(dialog, origin.x, origin.y, PanelImage(panel, shown, c.markA, c.markB));
        check(d.sameSize && d.count == 0, format("%s panel on screen", names[panel]), d.describe());
    }
    if (c.screenshot) {
        mouse_move_screen(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        const RECT r = window_rect(dialog);
        save_bmp(capture_screen(r.left, r.top, r.right - r.left, r.bottom - r.top),
                 join(arg("artifacts"), c.screenshot));
    }

    click(GetDlgItem(dialog, c.ok ? IDOK : IDCANCEL));
    check(wait_gone(dialog), c.ok ? "OK closes the dialog" : "Cancel closes the dialog");
    check(wait_until([&] { return IsWindowEnabled(app.frame()) != FALSE; }), "frame enabled again");
    if (!check(app.exit(), "exits"))
        return;
    check_eq(SavedListing(dir.ini), Listing(c.ok ? shown : startColors),
             c.ok ? "VisColor written at exit holds the dialog's colours" : "VisColor written at exit unchanged");
}

}  // namespace

int main(int argc, char** argv) {
    begin("viscolor", argc, argv);
    for (const VisCase& c : kCases)
        RunCase(c);
    return finish();
}
