#include "app/MainFrame.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/AppState.h"
#include "app/FileVersion.h"
#include "app/ProfileCommands.h"
#include "app/ResolveLongPath.h"
#include "app/TolvarinApp.h"
#include "app/TolvarinView.h"
#include "dialogs/PluginDlg.h"
#include "framework/FileDialog.h"
#include "resources/resource.h"
#include "settings/Profile.h"
#include "shelltext/DdeCommand.h"

CMainFrame* g_pMainFrame = nullptr;

namespace {

constexpr int kClientWidth = 558;
constexpr int kPreviewHeight = 450;  // client height below the toolbar

constexpr char kMainWnd[] = "MainWnd";
constexpr char kPath[] = "Path";
constexpr char kSusiePlugin[] = "SusiePlugin";
constexpr char kSkinMode[] = "SkinMode";
constexpr char kCompleteSkin[] = "CompleteSkin";

}  // namespace

CMainFrame::CMainFrame() {
    g_pMainFrame = this;
    m_ddeServer.SetExecuteHandler([this](const char* command) { OpenFromDde(command); });
    m_ddeServer.StartServer(&DdeServerCallback, kDdeName, kDdeName);
    g_pDdeServer = &m_ddeServer;
}

CMainFrame::~CMainFrame() {
    m_ddeServer.StopServer();
    g_pDdeServer = nullptr;
    if (g_pMainFrame == this)
        g_pMainFrame = nullptr;
}

const char* CMainFrame::WindowClassName() const {
    return TOLVARIN_FRAME_CLASS;
}

bool CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!FrameWnd::PreCreateWindow(cs))
        return false;
    cs.cx = 560;
    cs.cy = 515;
    cs.style &= ~(WS_THICKFRAME | WS_MAXIMIZEBOX);
    return true;
}

int CMainFrame::OnCreate(CREATESTRUCTA& cs) {
    if (FrameWnd::OnCreate(cs) == -1)
        return -1;
    if (!m_wndToolBar.Create(m_hWnd, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, WS_CHILD | WS_VISIBLE | CCS_TOP, IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME) || !DockControlBar(m_wndToolBar))
        return -1;

    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);

    // Loading messages, if any, come now: before the window is placed and shown.
    theApp.m_strPluginFolder = theApp.GetProfileString(kSusiePlugin, "PluginPath", g_szAppDir);
    theApp.m_susieHost.Load(theApp.m_strPluginFolder);
    theApp.m_susieHost.BuildFilter(m_strOpenFilter);

    PlaceWindow(screenWidth, screenHeight);
    LoadRememberedFolders();
    LoadSkinSettings(theApp.Profile());
    g_skinMode = theApp.GetProfileInt(kSkinMode, kCompleteSkin, 0) != 0 ? SkinMode::Complete : SkinMode::Classic;
    ShowSkinMode();
    ::DragAcceptFiles(m_hWnd, TRUE);
    SetTitleFromVersion();
    return 0;
}

void CMainFrame::PlaceWindow(int screenWidth, int screenHeight) {
    // First hidden, just outside the bottom-right corner of the screen, to measure the borders.
    m_wndPlacement.length = sizeof m_wndPlacement;
    m_wndPlacement.flags = theApp.GetProfileInt(kMainWnd, "flags", 0);
    m_wndPlacement.ptMinPosition.x = theApp.GetProfileInt(kMainWnd, "MinPosX", -1);
    m_wndPlacement.ptMinPosition.y = theApp.GetProfileInt(kMainWnd, "MinPosY", -1);
    m_wndPlacement.ptMaxPosition.x = theApp.GetProfileInt(kMainWnd, "MaxPosX", -1);
    m_wndPlacement.ptMaxPosition.y = theApp.GetProfileInt(kMainWnd, "MaxPosY", -1);
    m_wndPlacement.rcNormalPosition = {screenWidth, screenHeight, screenWidth + 640, screenHeight + 480};
    m_wndPlacement.showCmd = SW_HIDE;
    ::SetWindowPlacement(m_hWnd, &m_wndPlacement);

    RECT window{};
    RECT client{};
    ::GetWindowRect(m_hWnd, &window);
    ::GetClientRect(m_hWnd, &client);
    const SIZE bar = DockedBarFootprint();
    m_wndPlacement.showCmd = theApp.GetProfileInt(kMainWnd, "showCmd", SW_SHOWNORMAL);

    // The view is 558 by 450 whatever the borders measure; the toolbar adds its thickness where
    // it is docked.
    const int height = (window.bottom - window.top) - (client.bottom - client.top) + bar.cy + kPreviewHeight;
    const int width = (window.right - window.left) - (client.right - client.left) + bar.cx + kClientWidth;
    int left = 0;
    int top = 0;
    if (screenWidth > 640 && screenHeight > 480) {
        left = (screenWidth - width + 1) / 2;
        top = (screenHeight - height + 1) / 2;
    }
    left = theApp.GetProfileInt(kMainWnd, "RectLeft", left);
    top = theApp.GetProfileInt(kMainWnd, "RectTop", top);
    m_wndPlacement.rcNormalPosition = {left, top, left + width, top + height};
    ::SetWindowPlacement(m_hWnd, &m_wndPlacement);
}

void CMainFrame::LoadRememberedFolders() {
    struct Folder {
        const char* key;
        char (&buffer)[kPathChars];
    };
    const Folder folders[] = {{"LoadPath", g_szLoadPath}, {"SavePath", g_szSavePath}, {"ProFilePath", g_szProfilePath}};
    for (const Folder& folder : folders) {
        const std::string value = theApp.GetProfileString(kPath, folder.key, g_szAppDir);
        if (!StorePath(folder.buffer, value.c_str()))
            StorePath(folder.buffer, g_szAppDir);  // a value too long for any folder of the system
    }
}

void CMainFrame::SetTitleFromVersion() {
    const CFileVersion version;
    const std::string title = version.GetInternalName() + " Ver" + version.GetProductVersion();
    ::SetWindowTextA(m_hWnd, title.c_str());
}

void CMainFrame::OnDestroy() {
    FrameWnd::OnDestroy();
    ::DragAcceptFiles(m_hWnd, FALSE);
    m_wndPlacement.length = sizeof m_wndPlacement;
    ::GetWindowPlacement(m_hWnd, &m_wndPlacement);

    // One load and one save of the INI file for everything kept at exit; keys in their usual order.
    ProfileBatch batch(theApp.Profile());
    IniFile& profile = batch.Profile();
    const WINDOWPLACEMENT& p = m_wndPlacement;
    const struct {
        const char* key;
        int value;
    } windowKeys[] = {
        {"flags", static_cast<int>(p.flags)},
        {"showCmd", static_cast<int>(p.showCmd)},
        {"MinPosX", p.ptMinPosition.x},
        {"MinPosY", p.ptMinPosition.y},
        {"MaxPosX", p.ptMaxPosition.x},
        {"MaxPosY", p.ptMaxPosition.y},
        {"RectTop", p.rcNormalPosition.top},
        {"RectLeft", p.rcNormalPosition.left},
        {"RectBottom", p.rcNormalPosition.bottom},
        {"RectRight", p.rcNormalPosition.right},
    };
    for (const auto& key : windowKeys)
        profile.WriteInt(kMainWnd, key.key, key.value);
    profile.WriteString(kPath, "LoadPath", g_szLoadPath);
    profile.WriteString(kPath, "SavePath", g_szSavePath);
    profile.WriteString(kPath, "ProFilePath", g_szProfilePath);
    profile.WriteString(kSusiePlugin, "PluginPath", theApp.m_strPluginFolder);
    // An INI whose user never made a complete skin stays as it always was.
    if (g_skinMode == SkinMode::Complete || profile.Find(kSkinMode, kCompleteSkin))
        profile.WriteInt(kSkinMode, kCompleteSkin, g_skinMode == SkinMode::Complete ? 1 : 0);
    WriteSkinSettings(profile, g_skinSettings);
    batch.Commit();
    theApp.m_susieHost.Unload();
}

std::span<const fw::CommandEntry<CMainFrame>> CMainFrame::Commands() {
    static constexpr fw::CommandEntry<CMainFrame> kCommands[] = {
        {ID_FILE_OPEN, &CMainFrame::OnFileOpen},          {IDM_PROFILE_LOAD, &CMainFrame::OnProfileLoad},
        {IDM_PROFILE_SAVE, &CMainFrame::OnProfileSave},   {IDM_PLUGIN_SETTINGS, &CMainFrame::OnPluginSettings},
        {IDM_COMPLETE_SKIN, &CMainFrame::OnCompleteSkin},
    };
    return kCommands;
}

bool CMainFrame::KnowsCommand(UINT id) const {
    return fw::FindCommand(Commands(), id) || FrameWnd::KnowsCommand(id);
}

bool CMainFrame::OnCommand(UINT id) {
    return fw::RunCommand(Commands(), *this, id) || FrameWnd::OnCommand(id);
}

void CMainFrame::OnProfileLoad() {
    LoadSettingsProfile(m_hWnd);
}

void CMainFrame::OnProfileSave() {
    SaveSettingsProfile(m_hWnd);
}

bool CMainFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // A close that reaches the frame behind a loading message (posted, or from the task list) is
    // dropped: the load in progress still walks the lists that closing would free.
    if (message == WM_CLOSE && theApp.m_susieHost.IsLoading()) {
        result = 0;
        return true;
    }
    return FrameWnd::HandleMessage(message, wParam, lParam, result);
}

void CMainFrame::ShowSkinMode() {
    const UINT state = g_skinMode == SkinMode::Complete ? MF_CHECKED : MF_UNCHECKED;
    ::CheckMenuItem(::GetMenu(m_hWnd), IDM_COMPLETE_SKIN, MF_BYCOMMAND | state);
}

void CMainFrame::OnCompleteSkin() {
    g_skinMode = g_skinMode == SkinMode::Complete ? SkinMode::Classic : SkinMode::Complete;
    ShowSkinMode();
    if (CTolvarinView* view = theApp.m_pPreviewView) {
        view->RebuildTemplates();
        view->RecomposeAndRedraw();
    }
}

void CMainFrame::OnPluginSettings() {
    if (theApp.m_susieHost.IsLoading())
        return;  // asked for from inside a loading message's loop
    std::string folderText = theApp.m_strPluginFolder;
    if (!EditPluginFolder(m_hWnd, folderText))
        return;
    // Reloaded even when the text is the same: plug-ins may have been added or removed meanwhile.
    theApp.m_strPluginFolder = folderText;
    theApp.m_susieHost.Unload();
    theApp.m_susieHost.Load(theApp.m_strPluginFolder);
    theApp.m_susieHost.BuildFilter(m_strOpenFilter);
}

void CMainFrame::OnFileOpen() {
    fw::FileChooser chooser;
    chooser.owner = m_hWnd;
    chooser.filter = m_strOpenFilter;
    chooser.initialFolder = g_szLoadPath;
    chooser.flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    chooser.capacity = MAX_PATH;
    if (fw::ChooseFileToOpen(chooser) && theApp.m_pDocTemplate)
        theApp.m_pDocTemplate->OpenDocumentFile(chooser.fileName.c_str(), true);
}

void CMainFrame::OpenFromDde(const char* command) {
    std::string path;
    if (!ExtractDdePath(command, path))
        return;
    char resolved[MAX_PATH] = {};
    theApp.OpenDocumentFile(ResolveLongPath(path.c_str(), resolved, sizeof resolved) ? resolved : path.c_str());
}
