#include "app/SysInfoAboutDlg.h"

#include <commctrl.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>

#include "app/FileVersion.h"
#include "app/SysInfoAboutControls.h"
#include "framework/Dialog.h"
#include "framework/DialogSection.h"
#include "framework/Gdi.h"
#include "framework/ScopedHandle.h"
#include "resources/resource.h"

namespace {

constexpr const char* kToggleCaptions = "システム情報(&M)\n情報閉じる(&L)";
constexpr const char* kWindowTitle = "バージョン情報";
constexpr UINT_PTR kRefreshTimer = 1001;
constexpr UINT kRefreshMs = 16;
constexpr uint64_t kUnknown = UINT64_MAX;  // a last value that forces a rewrite

// The resource meter of the Windows 95 family: percent of free system (0), GDI (1) and User (2)
// resources.
using ResourceMeterFn = int(WINAPI*)(int);

// The About box's template: empty apart from the frame; every control comes from the table.
struct alignas(DWORD) EmptyTemplate {
    DLGTEMPLATE head;
    WORD menu;
    WORD windowClass;
    WORD title;
};
static_assert(offsetof(EmptyTemplate, menu) == 18 && sizeof(EmptyTemplate) == 24);
constexpr DWORD kTemplateStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr EmptyTemplate kTemplate = {{kTemplateStyle, 0, 0, 0, 0, 187, 16}, 0, 0, 0};

// Window classes by AboutControlKind.
constexpr const char* kClassNames[] = {"Static", "Button", "Static", "ComboBox", PROGRESS_CLASSA};
static_assert(std::size(kClassNames) == static_cast<size_t>(AboutControlKind::kProgress) + 1);

constexpr struct {
    int bitsPerPixel;
    const char* name;
} kColorDepthNames[] = {
    {1, "2色"},
    {4, "16色"},
    {8, "256色"},
    {16, "High Color （16 ビット）"},
    {24, "True Color （24 ビット）"},
    {32, "True Color （32 ビット）"},
};

const char* ColorDepthName(int bitsPerPixel) {
    for (const auto& depth : kColorDepthNames) {
        if (depth.bitsPerPixel == bitsPerPixel)
            return depth.name;
    }
    return "?? 色";
}

// Free as a whole percent of total, from both counted in kilobytes.
int FreePercent(uint64_t free, uint64_t total) {
    const uint64_t totalKb = total >> 10;
    return totalKb == 0 ? 0 : static_cast<int>((free >> 10) * 100 / totalKb);
}

}  // namespace

class CSysInfoAboutDlg : public fw::Dialog {
  public:
    CSysInfoAboutDlg();

  protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    // The four memory figures, in the order of their texts' ids 134 to 137.
    enum Memory { kTotalPhys, kFreePhys, kTotalPageFile, kFreePageFile, kMemoryCount };
    enum Resource { kSystem, kUser, kGdi, kResourceCount };

    void CreateControls();
    void ShowVersion();
    void LoadResourceMeter();
    void ToggleSystemInfo();
    void OnUnitChange();
    void RefreshSystemInfo();
    void RefreshScreen();
    void RefreshMemory();
    void RefreshPercent(int& last, int percent, int barId, int textId);
    void RefreshResources();
    void SetPercent(int barId, int textId, int percent);

    fw::GdiObject<HFONT> m_font;
    HICON m_hIcon = nullptr;
    int m_nLastWidth = -1;
    int m_nLastHeight = -1;
    int m_nLastDepth = -1;
    uint64_t m_lastMemory[kMemoryCount] = {kUnknown, kUnknown, kUnknown, kUnknown};
    uint64_t m_nDivisor = 1024;
    char m_cUnit = 'K';
    int m_nLastPhysPercent = -1;
    int m_nLastPageFilePercent = -1;
    int m_lastResources[kResourceCount] = {-1, -1, -1};
    int m_nExpandedMarker = kAboutBottomExpanded;
    fw::ModuleHandle m_hResourceModule;
    ResourceMeterFn m_pfnResourceMeter = nullptr;
    UINT_PTR m_nTimer = 0;
};

CSysInfoAboutDlg::CSysInfoAboutDlg() {
    LOGFONTA font{};
    font.lfHeight = 12;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfOutPrecision = OUT_STROKE_PRECIS;
    font.lfClipPrecision = CLIP_STROKE_PRECIS;
    font.lfQuality = DRAFT_QUALITY;
    font.lfPitchAndFamily = FIXED_PITCH | FF_ROMAN;  // 0x11, as the layout was made with
    lstrcpynA(font.lfFaceName, "ＭＳ Ｐゴシック", LF_FACESIZE);
    m_font.Reset(::CreateFontIndirectA(&font));
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

bool CSysInfoAboutDlg::OnInitDialog() {
    ::SetWindowTextA(m_hWnd, kWindowTitle);
    ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    CreateControls();
    m_nLastWidth = m_nLastHeight = m_nLastDepth = -1;
    ShowVersion();
    LoadResourceMeter();
    // The sizing button is as empty as the first of its empty captions: this sizes the dialog
    // to its full height once, enabling every control, before it collapses.
    fw::ToggleDialogSection(m_hWnd, kAboutBottomExpanded, kAboutBottomResources, kAboutSizingButton, "");
    ToggleSystemInfo();
    OnUnitChange();
    RefreshSystemInfo();
    m_nTimer = ::SetTimer(m_hWnd, kRefreshTimer, kRefreshMs, nullptr);
    return true;
}

void CSysInfoAboutDlg::CreateControls() {
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    for (const AboutControl& c : AboutControls()) {
        HWND control = ::CreateWindowExA(0, kClassNames[static_cast<int>(c.kind)], c.text, c.style, c.rect.left,
                                         c.rect.top, c.rect.right - c.rect.left, c.rect.bottom - c.rect.top, m_hWnd,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (!control)
            continue;
        switch (c.kind) {
            case AboutControlKind::kIcon:
                ::SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(m_hIcon), 0);
                break;
            case AboutControlKind::kProgress:
                ::SendMessageA(control, PBM_SETPOS, 0, 0);
                break;
            case AboutControlKind::kComboBox:
                for (const char* name : AboutUnitNames())
                    ::SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
                ::SendMessageA(control, CB_SETCURSEL, 1, 0);
                [[fallthrough]];
            default:
                ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
                break;
        }
    }
}

void CSysInfoAboutDlg::ShowVersion() {
    const CFileVersion version;
    SetItemText(kAboutVersion, (version.GetInternalName() + " Version " + version.GetProductVersion()).c_str());
    SetItemText(kAboutCompany, (version.GetString("CompanyName") + " " + version.GetString("LegalCopyright")).c_str());
}

void CSysInfoAboutDlg::LoadResourceMeter() {
    m_nExpandedMarker = kAboutBottomExpanded;
    // Only the Windows 95 family sets the high bit; its successors have no resource meter.
    if (!(::GetVersion() & 0x80000000))
        return;
    m_hResourceModule.Reset(::LoadLibraryA("RSRC32.DLL"));
    if (!m_hResourceModule)
        return;
    const FARPROC meter = ::GetProcAddress(m_hResourceModule.Get(), "_MyGetFreeSystemResources32@4");
    if (!meter)
        return;
    m_pfnResourceMeter = reinterpret_cast<ResourceMeterFn>(reinterpret_cast<void (*)()>(meter));
    m_nExpandedMarker = kAboutBottomResources;
}

void CSysInfoAboutDlg::ToggleSystemInfo() {
    fw::ToggleDialogSection(m_hWnd, kAboutBottomCollapsed, m_nExpandedMarker, kAboutToggle, kToggleCaptions);
}

void CSysInfoAboutDlg::OnUnitChange() {
    static constexpr uint64_t kDivisors[] = {1, 1024, 1024 * 1024, 1024 * 1024 * 1024};
    static constexpr char kLetters[] = {'B', 'K', 'M', 'G'};
    const LRESULT unit = ::SendDlgItemMessageA(m_hWnd, kAboutUnit, CB_GETCURSEL, 0, 0);
    if (unit < 0 || unit >= static_cast<LRESULT>(std::size(kDivisors)))
        return;
    m_nDivisor = kDivisors[unit];
    m_cUnit = kLetters[unit];
    // The next refresh writes every memory figure in the new unit; the percentages are rewritten
    // with them (with the same values).
    for (uint64_t& last : m_lastMemory)
        last = kUnknown;
    m_nLastPhysPercent = m_nLastPageFilePercent = -1;
}

void CSysInfoAboutDlg::RefreshSystemInfo() {
    RefreshScreen();
    RefreshMemory();
    RefreshResources();
}

void CSysInfoAboutDlg::RefreshScreen() {
    const fw::WindowDC dc(m_hWnd);
    const int width = ::GetDeviceCaps(dc.Get(), HORZRES);
    const int height = ::GetDeviceCaps(dc.Get(), VERTRES);
    const int depth = ::GetDeviceCaps(dc.Get(), BITSPIXEL);
    char text[64];
    if (width != m_nLastWidth) {
        m_nLastWidth = width;
        std::snprintf(text, sizeof text, "%d ピクセル", width);
        SetItemText(kAboutScreenWidth, text);
    }
    if (height != m_nLastHeight) {
        m_nLastHeight = height;
        std::snprintf(text, sizeof text, "%d ピクセル", height);
        SetItemText(kAboutScreenHeight, text);
    }
    if (depth != m_nLastDepth) {
        m_nLastDepth = depth;
        SetItemText(kAboutColorDepth, ColorDepthName(depth));
    }
}

void CSysInfoAboutDlg::RefreshMemory() {
    // The extended status: the plain one caps every figure at 4 GB (2 GB for most 32-bit programs).
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!::GlobalMemoryStatusEx(&status))
        return;
    const uint64_t now[kMemoryCount] = {status.ullTotalPhys, status.ullAvailPhys, status.ullTotalPageFile,
                                        status.ullAvailPageFile};
    bool changed[kMemoryCount] = {};
    for (int i = 0; i < kMemoryCount; ++i) {
        if (now[i] == m_lastMemory[i])
            continue;
        changed[i] = true;
        m_lastMemory[i] = now[i];
        char text[64];
        std::snprintf(text, sizeof text, "%.4lf %c", static_cast<double>(now[i]) / static_cast<double>(m_nDivisor),
                      m_cUnit);
        SetItemText(kAboutTotalPhys + i, text);
    }
    if (changed[kTotalPhys] || changed[kFreePhys])
        RefreshPercent(m_nLastPhysPercent, FreePercent(now[kFreePhys], now[kTotalPhys]), kAboutFreePhysBar,
                       kAboutFreePhysPercent);
    if (changed[kTotalPageFile] || changed[kFreePageFile])
        RefreshPercent(m_nLastPageFilePercent, FreePercent(now[kFreePageFile], now[kTotalPageFile]),
                       kAboutFreePageFileBar, kAboutFreePageFilePercent);
}

void CSysInfoAboutDlg::RefreshPercent(int& last, int percent, int barId, int textId) {
    if (percent == last)
        return;
    last = percent;
    SetPercent(barId, textId, percent);
}

void CSysInfoAboutDlg::SetPercent(int barId, int textId, int percent) {
    ::SendDlgItemMessageA(m_hWnd, barId, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    char text[16];
    std::snprintf(text, sizeof text, "%3d %%", percent);
    SetItemText(textId, text);
}

void CSysInfoAboutDlg::RefreshResources() {
    if (!m_pfnResourceMeter)
        return;
    static constexpr struct {
        int query;  // the meter's argument
        int barId;
        int textId;
    } kRows[kResourceCount] = {
        {0, kAboutSystemResourcesBar, kAboutSystemResources},
        {2, kAboutUserResourcesBar, kAboutUserResources},
        {1, kAboutGdiResourcesBar, kAboutGdiResources},
    };
    for (int i = 0; i < kResourceCount; ++i)
        RefreshPercent(m_lastResources[i], m_pfnResourceMeter(kRows[i].query), kRows[i].barId, kRows[i].textId);
}

bool CSysInfoAboutDlg::OnCommand(UINT id, UINT code, HWND) {
    if (id == kAboutToggle && code == BN_CLICKED) {
        ToggleSystemInfo();
        return true;
    }
    if (id == kAboutUnit && code == CBN_SELCHANGE) {
        OnUnitChange();
        return true;
    }
    return false;
}

bool CSysInfoAboutDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case fw::kWmKickIdle:
            RefreshSystemInfo();
            result = 0;
            return true;
        case WM_TIMER:
            RefreshSystemInfo();
            return false;
        case WM_DESTROY:
            if (m_nTimer)
                ::KillTimer(m_hWnd, m_nTimer);
            m_nTimer = 0;
            m_hResourceModule.Reset();
            m_pfnResourceMeter = nullptr;
            return fw::Dialog::HandleMessage(message, wParam, lParam, result);
        default:
            return fw::Dialog::HandleMessage(message, wParam, lParam, result);
    }
}

void ShowAboutBox(HWND owner) {
    CSysInfoAboutDlg dialog;
    dialog.DoModalIndirect(owner, &kTemplate.head);
}
