#include "app/TolvarinApp.h"

#include <memory>
#include <string>
#include <string_view>

#include "app/AppState.h"
#include "app/DdeLink.h"
#include "app/MainFrame.h"
#include "app/ResolveLongPath.h"
#include "app/SysInfoAboutDlg.h"
#include "app/TolvarinDoc.h"
#include "app/TolvarinView.h"
#include "framework/FrameworkIds.h"
#include "platform/Platform.h"
#include "resources/resource.h"
#include "shelltext/PathParts.h"

CTolvarinApp theApp;

namespace {

constexpr DWORD kMutexAllAccess = 0x1F0001;

// The program's resources give the framework's reserved ids their usual meaning.
static_assert(IDS_APP_TITLE == fw::kIdsAppTitle && ID_APP_EXIT == fw::kIdAppExit && IDW_VIEW == fw::kIdwView);

}  // namespace

bool CTolvarinApp::InitInstance() {
    // "DIB作成失敗" comes in the system's own box: no owner, the system's caption, OK.
    platform::SetPlainMessageSink([](std::string_view text) {
        const std::string copy(text);
        ::MessageBoxA(nullptr, copy.c_str(), nullptr, MB_OK);
    });
    BeginWaitCursor();
    if (const fw::KernelHandle running(::OpenMutexA(kMutexAllAccess, FALSE, kDdeName)); running) {
        HandOverToFirstInstance();
        EndWaitCursor();
        return false;
    }
    m_hInstanceMutex.Reset(::CreateMutexA(nullptr, FALSE, kDdeName));

    // The INI file and the default of every remembered folder are beside the executable.
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, sizeof module);
    const PathParts exe = SplitPath(module);
    lstrcpynA(m_szIniPath, MakePath(exe.drive, exe.dir, exe.name, "INI").c_str(), sizeof m_szIniPath);
    m_strProfileName = m_szIniPath;
    StorePath(g_szAppDir, MakePath(exe.drive, exe.dir, "", "").c_str());

    auto docTemplate = std::make_unique<fw::SingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CTolvarinDoc>(); }, [] { return std::make_unique<CMainFrame>(); },
        [] { return std::make_unique<CTolvarinView>(); });
    m_pDocTemplate = docTemplate.get();
    AddDocTemplate(std::move(docTemplate));

    fw::CommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!commandLine.m_strFileName.empty()) {
        char resolved[MAX_PATH] = {};
        if (ResolveLongPath(commandLine.m_strFileName.c_str(), resolved, sizeof resolved))
            commandLine.m_strFileName = resolved;
    }
    if (!ProcessShellCommand(commandLine) || !g_pMainFrame) {
        EndWaitCursor();
        return false;
    }

    HWND frame = g_pMainFrame->Handle();
    // The toolbar is created with every button enabled and otherwise follows only when the program
    // first idles, after the frame has been painted.
    g_pMainFrame->UpdateToolBarButtons();
    ::ShowWindow(frame, g_pMainFrame->m_wndPlacement.showCmd);
    ::SetWindowPlacement(frame, &g_pMainFrame->m_wndPlacement);
    ::UpdateWindow(frame);
    // A second instance finds this window by the property.
    ::SetPropA(frame, m_strExeName.c_str(), reinterpret_cast<HANDLE>(1));
    EndWaitCursor();
    return true;
}

void CTolvarinApp::HandOverToFirstInstance() const {
    if (__argc >= 2 && __argv[1]) {
        CDdeLink client;
        client.Connect(nullptr, kDdeName, kDdeName);
        client.Execute(__argv[1], "");  // the receiver resolves the long name
        client.Disconnect();
    }
    for (HWND window = ::GetWindow(::GetDesktopWindow(), GW_CHILD); window; window = ::GetWindow(window, GW_HWNDNEXT)) {
        if (!::GetPropA(window, m_strExeName.c_str()))
            continue;
        if (::IsIconic(window))
            ::ShowWindow(window, SW_RESTORE);
        ::SetForegroundWindow(window);
        ::SetForegroundWindow(::GetLastActivePopup(window));
        break;
    }
}

int CTolvarinApp::ExitInstance() {
    if (m_hInstanceMutex) {
        ::ReleaseMutex(m_hInstanceMutex.Get());
        m_hInstanceMutex.Reset();
    }
    return fw::WinApp::ExitInstance();
}

bool CTolvarinApp::KnowsCommand(UINT id) const {
    return id == ID_APP_ABOUT;
}

bool CTolvarinApp::OnCommand(UINT id) {
    if (id != ID_APP_ABOUT)
        return false;
    // Owned by the frame, which relays the idle turns of the box's modal loop.
    ShowAboutBox(m_pMainWnd ? m_pMainWnd->Handle() : nullptr);
    return true;
}
