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
using Colors = std::vector<Rgb>;
using Changes = std::vector<std::pair<int, Rgb>>;  // VisColor index, colour

// The 24 defaults as VISCOLOR.TXT lists them.
const Colors kDefaults = {
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
    const char* name;
} kPanels[] = {
    {IDC_VIS_BACKGROUND_ANCHOR, 0, 2, "background"},
    {IDC_VIS_ANALYZER_ANCHOR, 2, 16, "analyzer"},
    {IDC_VIS_OSCILLOSCOPE_ANCHOR, 18, 5, "oscilloscope"},
    {IDC_VIS_PEAK_ANCHOR, 23, 1, "peak hold"},
};

// Grey levels of a swatch's rows 0, 1, 2-13, 14 and 15 in its columns 0, 1, 2-61, 62 and 63; -1
// is the colour. A marker paints rows 0, 1, 14, 15 and columns 0, 1, 62, 63 in 64 grey.
const int kSwatch[5][5] = {
    {255, 255, 255, 255, 0}, {255, 223, 223, 127, 0}, {255, 223, -1, 127, 0}, {255, 127, 127, 127, 0}, {0, 0, 0, 0, 0},
};

uint32_t SwatchPixel(int x, int y, const Rgb& c, bool marked) {
    if (marked && (y < 2 || y > 13 || x < 2 || x > 61))
        return 0x404040;
    const int grey = kSwatch[y < 2 ? y : y < 14 ? 2 : y - 11][x < 2 ? x : x < 62 ? 2 : x - 59];
    return grey < 0 ? static_cast<uint32_t>(c.r << 16 | c.g << 8 | c.b) : static_cast<uint32_t>(grey * 0x010101);
}

Image PanelImage(int panel, const Colors& colors, int markA, int markB) {
    Image image;
    image.width = 64;
    image.height = 16 * kPanels[panel].count;
    for (int y = 0; y < image.height; ++y) {
        const bool marked = panel == kAnalyzer && (y / 16 == markA || y / 16 == markB);
        for (int x = 0; x < 64; ++x)
            image.pixels.push_back(SwatchPixel(x, y % 16, colors[kPanels[panel].first + y / 16], marked));
    }
    return image;
}

enum class Act { kLeft, kRealLeft, kRight, kRealDouble, kGradation, kReset };
struct Step {
    Act act;
    int panel = kAnalyzer;
    int x = 32, y = 8;  // from the panel's top-left corner
    bool pick = true;   // the chooser the step opens: OK with `color`, or Cancel
    Rgb color = {};
};
Step At(Act act, int panel, int x, int y) {
    return {act, panel, x, y};
}
Step Left(int swatch) {
    return At(Act::kLeft, kAnalyzer, 32, 16 * swatch + 8);
}
Step Pick(Act act, int panel, int swatch, Rgb color, bool ok = true) {
    return {act, panel, 20, 16 * swatch + 5, ok, color};
}
const Step kGradation = {Act::kGradation};
const Step kReset = {Act::kReset};

Changes RedToBlue() {  // 255 - 17k red and 17k blue at positions 1 to 14
    Changes changes;
    for (int k = 1; k <= 14; ++k)
        changes.push_back({2 + k, {255 - 17 * k, 0, 17 * k}});
    return changes;
}

struct VisCase {
    const char* name;
    Changes start;  // in the INI the program starts with, over the defaults
    std::vector<Step> steps;
    bool fromDefaults;  // a reset happened: what the dialog shows lies over the defaults, not the start
    Changes shown;      // what the dialog shows at the end
    int markA, markB;
    bool ok;
    const char* screenshot;
};

// One case to a few lines.
// clang-format off
const VisCase kCases[] = {
    {"defaults, both markers on the top analyzer swatch", {}, {}, false, {}, 0, 0, false, "viscolor-dialog.bmp"},
    // Single precision: the third colour gets 5 (the running sum is 5.9999995) where exact arithmetic gives 6.
    {"gradation 1 to 11 and 2 to 0 over markers 0 and 6", {{2, {1, 0, 2}}, {8, {11, 0, 0}}},
     {At(Act::kRealLeft, kAnalyzer, 32, 16 * 6 + 8), kGradation}, false,
     {{3, {2, 0, 1}}, {4, {4, 0, 1}}, {5, {5, 0, 0}}, {6, {7, 0, 0}}, {7, {9, 0, 0}}}, 0, 6, true,
     "viscolor-gradation.bmp"},
    // B moves first; A is set last, on the panel's bottom-right pixel (bounds inclusive).
    {"red to blue with A below B", {{2, {255, 0, 0}}, {17, {0, 0, 255}}},
     {Left(0), At(Act::kLeft, kAnalyzer, 63, 255), kGradation}, false, RedToBlue(), 15, 0, true, nullptr},
    // Neighbours make no gradation; clicks beside the analyzer move no marker and leave the turn to A.
    {"neighbouring markers and clicks outside the analyzer", {},
     {Left(1), kGradation, At(Act::kLeft, kAnalyzer, 64, 40), At(Act::kLeft, kBackground, 10, 10), Left(3)}, false,
     {}, 3, 1, false, nullptr},
    {"colours edited in the chooser", {},
     {Pick(Act::kRight, kBackground, 1, {10, 20, 30}), Pick(Act::kRealDouble, kPeak, 0, {200, 100, 50}),
      Pick(Act::kRight, kOscilloscope, 2, {}, false), Pick(Act::kRight, kAnalyzer, 5, {1, 2, 3})},
     false, {{1, {10, 20, 30}}, {23, {200, 100, 50}}, {7, {1, 2, 3}}}, 0, 0, true, nullptr},
    {"reset, then Cancel", {{5, {1, 2, 3}}, {20, {9, 9, 9}}}, {kReset}, true, {}, 0, 0, false, nullptr},
    {"reset, then OK", {{5, {1, 2, 3}}}, {Left(4), kReset}, true, {}, 0, 4, true, nullptr},
};
// clang-format on

Colors Apply(Colors base, const Changes& changes) {
    for (const auto& [index, color] : changes)
        base[index] = color;
    return base;
}

std::string Listing(const Colors& colors) {
    std::string text;
    for (size_t i = 0; i < colors.size(); ++i)
        text += Format("%02zu:%d,%d,%d ", i, colors[i].r, colors[i].g, colors[i].b);
    return text;
}

const char kChannels[] = "RGB";

std::string IniOf(const Changes& changes) {
    std::string ini = "[VisColor]\r\n";
    for (const auto& [i, c] : changes) {
        const int values[] = {c.r, c.g, c.b};
        for (int k = 0; k < 3; ++k)
            ini += Format("VisColor%c%02d=%d\r\n", kChannels[k], i, values[k]);
    }
    return ini;
}

Colors SavedColors(const std::string& iniPath) {
    const std::vector<IniSection> ini = ReadIni(iniPath);
    Colors colors(24);
    for (int i = 0; i < 24; ++i) {
        int* values[] = {&colors[i].r, &colors[i].g, &colors[i].b};
        for (int k = 0; k < 3; ++k)
            *values[k] = atoi(IniValue(ini, "VisColor", Format("VisColor%c%02d", kChannels[k], i), "-1").c_str());
    }
    return colors;
}

// A point of a panel in the dialog's client coordinates.
POINT PanelPoint(HWND dialog, int panel, int x = 0, int y = 0) {
    const RECT anchor = WindowRect(GetDlgItem(dialog, kPanels[panel].anchor));
    POINT p = {anchor.left + x, anchor.top + y};
    ScreenToClient(dialog, &p);
    return p;
}

// Real clicks at a point of the dialog: two within the double-click time make a double-click.
void RealClicks(HWND dialog, POINT client, int clicks) {
    BringToFront(dialog);
    ClientToScreen(dialog, &client);
    for (int i = 0; i < clicks; ++i)
        MouseClickScreen(client.x, client.y);
}

// The chooser a step opened: owned by the dialog, which it disables; R, G and B typed into its
// edits, then OK, or Cancel.
void AnswerChooser(App& app, HWND dialog, const Step& step) {
    HWND chooser = WaitOwned(app.Process().Pid(), dialog);
    if (!Check(chooser != nullptr, "chooser opens, owned by the dialog", DescribeWindows(app.Process().Pid())))
        return;
    CheckEq(TextOf(chooser), "色", "chooser title");
    Check(!IsWindowEnabled(dialog), "the dialog is disabled while the chooser is open");
    const int values[] = {step.color.r, step.color.g, step.color.b};
    for (int k = 0; k < 3 && step.pick; ++k)
        SetText(FindId(chooser, 706 + k, "Edit"), std::to_string(values[k]));
    Click(FindId(chooser, step.pick ? IDOK : IDCANCEL, "Button"));
    Check(WaitGone(chooser), "chooser closes");
    Check(WaitUntil([&] { return IsWindowEnabled(dialog) != FALSE; }), "the dialog is enabled again");
}

void RunStep(App& app, HWND dialog, const Step& step) {
    const POINT at = PanelPoint(dialog, step.panel, step.x, step.y);
    const LPARAM where = MAKELPARAM(at.x, at.y);
    switch (step.act) {
        case Act::kLeft:
            PostMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, where);
            PostMessageA(dialog, WM_LBUTTONUP, 0, where);
            break;
        case Act::kRealLeft: {
            RealClicks(dialog, at, 1);
            // Real input comes after posted messages: wait until the click has placed its marker.
            const POINT corner = PanelPoint(dialog, step.panel, 0, step.y / 16 * 16);
            Check(WaitUntil([&] { return CaptureClient(dialog, corner.x, corner.y, 1, 1).At(0, 0) == 0x404040; }),
                  "a real click places the marker");
            break;
        }
        case Act::kRight:
            PostMessageA(dialog, WM_RBUTTONDOWN, MK_RBUTTON, where);
            AnswerChooser(app, dialog, step);
            break;
        case Act::kRealDouble:
            RealClicks(dialog, at, 2);
            AnswerChooser(app, dialog, step);
            break;
        case Act::kGradation:
        case Act::kReset:
            Click(GetDlgItem(dialog, step.act == Act::kGradation ? IDC_VIS_GRADATION : IDC_VIS_RESET));
            break;
    }
}

void RunCase(const VisCase& c) {
    CaseApp app(c.name, Format("viscolor-%d", static_cast<int>(&c - kCases)), IniOf(c.start));
    if (!app.Launch())
        return;
    Click(FindId(app.Panel(), IDC_MAINEQ_VIS_COLORS, "Button"));
    HWND dialog = app.WaitDialog();
    if (!Check(dialog != nullptr, "スペアナ色設定... opens the dialog, owned by the frame"))
        return;
    CheckEq(TextOf(dialog), "スペアナ色設定", "title");
    Check(!IsWindowEnabled(app.Frame()), "frame disabled while the dialog is open");
    for (const Step& step : c.steps)
        RunStep(app, dialog, step);

    const Colors start = Apply(kDefaults, c.start);
    const Colors shown = Apply(c.fromDefaults ? kDefaults : start, c.shown);
    for (int panel = kBackground; panel <= kPeak; ++panel) {
        const POINT origin = PanelPoint(dialog, panel);
        const Difference d = WaitPixels(dialog, origin.x, origin.y, PanelImage(panel, shown, c.markA, c.markB));
        Check(d.sameSize && d.count == 0, Format("%s panel on screen", kPanels[panel].name), d.Describe());
    }
    if (c.screenshot) {
        MouseMoveScreen(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        const RECT r = WindowRect(dialog);
        SaveBmp(CaptureScreen(r.left, r.top, r.right - r.left, r.bottom - r.top), Join(Arg("artifacts"), c.screenshot));
    }
    Click(GetDlgItem(dialog, c.ok ? IDOK : IDCANCEL));
    Check(WaitGone(dialog), c.ok ? "OK closes the dialog" : "Cancel closes the dialog");
    Check(WaitUntil([&] { return IsWindowEnabled(app.Frame()) != FALSE; }), "frame enabled again");
    if (Check(app.Exit(), "exits"))
        CheckEq(Listing(SavedColors(app.dir.ini)), Listing(c.ok ? shown : start),
                c.ok ? "VisColor written at exit holds the dialog's colours" : "VisColor written at exit unchanged");
}

}  // namespace

int main(int argc, char** argv) {
    Begin("viscolor", argc, argv);
    for (const VisCase& c : kCases)
        RunCase(c);
    return Finish();
}
