#include "framework/WinApp.h"

#include <commctrl.h>

#include <cstdlib>

#include "framework/FrameWnd.h"
#include "framework/FrameworkIds.h"
#include "platform/Platform.h"
#include "shelltext/PathParts.h"

namespace fw {
namespace {

WinApp* g_pApp = nullptr;

// Full path of a file name, for comparing it with the open document's path.
std::string FullPathOf(const char* path) {
    char full[MAX_PATH] = {};
    const DWORD n = ::GetFullPathNameA(path, sizeof full, full, nullptr);
    return n > 0 && n < sizeof full ? std::string(full, n) : std::string(path);
}

bool IsSamePath(const std::string& a, const std::string& b) {
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

}  // namespace

WinApp::WinApp() {
    g_pApp = this;
}

WinApp::~WinApp() {
    m_pTemplate.reset();
    if (g_pApp == this)
        g_pApp = nullptr;
}

WinApp* WinApp::Current() {
    return g_pApp;
}

int WinApp::ExitInstance() {
    return 0;
}

bool WinApp::OnIdle(long count) {
    if (count == 0 && m_pMainWnd)
        m_pMainWnd->UpdateToolBarButtons();
    return false;
}

int WinApp::Run() {
    m_hInstance = ::GetModuleHandleA(nullptr);
    char title[128] = {};
    ::LoadStringA(m_hInstance, kIdsAppTitle, title, sizeof title);
    m_strAppTitle = title;

    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, sizeof module);
    m_strExeName = SplitPath(module).name;

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);
    m_nCmdShow = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    platform::SetMessageSink([this](std::string_view text) {
        const std::string copy(text);
        HWND owner = ::GetActiveWindow();
        ::MessageBoxA(owner, copy.c_str(), m_strAppTitle.c_str(), MB_OK | MB_ICONEXCLAMATION);
    });
    platform::SetWaitCursorHooks([this] { BeginWaitCursor(); }, [this] { EndWaitCursor(); });

    if (!InitInstance())
        return ExitInstance();

    MSG msg;
    bool idle = true;
    long idleCount = 0;
    for (;;) {
        while (idle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        if (!PreTranslateMessage(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        // Paint and timer messages come in streams and change no command state.
        if (msg.message != WM_PAINT && msg.message != WM_TIMER && msg.message != 0x0118) {
            idle = true;
            idleCount = 0;
        }
    }
    return ExitInstance();
}

bool WinApp::PreTranslateMessage(MSG& msg) {
    // The frame's accelerators first, so that its keys work wherever the focus is.
    if (m_pMainWnd && m_pMainWnd->PreTranslateMessage(msg))
        return true;
    return m_keyboard.PreTranslate(msg);
}

void WinApp::AddDocTemplate(std::unique_ptr<SingleDocTemplate> docTemplate) {
    m_pTemplate = std::move(docTemplate);
}

Document* WinApp::OpenDocumentFile(const char* path) {
    if (!m_pTemplate || !path)
        return nullptr;
    const std::string full = FullPathOf(path);
    Document* open = m_pTemplate->GetDocument();
    if (open && !open->GetPathName().empty() && IsSamePath(open->GetPathName(), full)) {
        if (FrameWnd* frame = m_pTemplate->GetFrame())
            frame->ActivateFrame();
        return open;
    }
    return m_pTemplate->OpenDocumentFile(full.c_str());
}

bool WinApp::OnFileNew() {
    return m_pTemplate && m_pTemplate->OpenDocumentFile(nullptr);
}

void WinApp::ParseCommandLine(CommandLineInfo& info) const {
    info.m_strFileName = __argc >= 2 && __argv[1] ? __argv[1] : "";
}

bool WinApp::ProcessShellCommand(const CommandLineInfo& info) {
    if (info.m_strFileName.empty())
        return OnFileNew();
    return OpenDocumentFile(info.m_strFileName.c_str()) != nullptr;
}

void WinApp::BeginWaitCursor() {
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    if (m_nWaitCursorCount++ == 0)
        m_hcurWaitCursorRestore = previous;
}

void WinApp::EndWaitCursor() {
    if (m_nWaitCursorCount == 0)
        return;
    if (--m_nWaitCursorCount == 0)
        ::SetCursor(m_hcurWaitCursorRestore ? m_hcurWaitCursorRestore
                                            : ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

int WinApp::GetProfileInt(const char* section, const char* key, int defaultValue) const {
    return Profile().ReadInt(section, key, defaultValue);
}

std::string WinApp::GetProfileString(const char* section, const char* key, const char* defaultValue) const {
    return Profile().ReadString(section, key, defaultValue);
}

bool WinApp::WriteProfileInt(const char* section, const char* key, int value) const {
    return Profile().WriteInt(section, key, value);
}

bool WinApp::WriteProfileString(const char* section, const char* key, const char* value) const {
    return Profile().WriteString(section, key, value);
}

}  // namespace fw
