#include "App.h"

#include "Report.h"
#include "Window.h"
#include "resource.h"

#include <commctrl.h>

namespace tk {

HWND ChildOfClass(HWND parent, const char* cls) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == cls)
            return child;
    }
    return nullptr;
}

void CheckEndsAlone(Proc& proc, const char* cls, const std::string& endName, const std::string& unseenName) {
    bool windowSeen = false;
    const bool ended = WaitUntil([&] {
        windowSeen = windowSeen || FindTop(proc.Pid(), cls) != nullptr;
        return !proc.Running();
    });
    Check(ended && proc.ExitCode() == 0, endName,
          Format("%s, exit code %#lx", ended ? "ended" : "still running", proc.ExitCode()));
    Check(!windowSeen, unseenName);
    proc.Kill();
}

bool App::Start(const CaseDir& dir, const std::string& args) {
    m_frame = nullptr;
    if (!m_proc.Start(dir.exe, args, dir.folder)) {
        Note("could not start " + dir.exe);
        return false;
    }
    m_frame = WaitTop(m_proc.Pid(), TOLVARIN_FRAME_CLASS);
    if (!m_frame)
        Note(Format("no frame; process %s; its windows: ", m_proc.Running() ? "running" : "ended") +
             DescribeWindows(m_proc.Pid()));
    return m_frame != nullptr;
}

HWND App::WaitDialog() const {
    return WaitOwned(m_proc.Pid(), m_frame);
}

HWND App::OpenDialog(UINT id) const {
    PostCommand(m_frame, id);
    return WaitDialog();
}

HWND App::CheckUp(HWND dialog, const std::string& name) {
    return Check(dialog != nullptr, name, DescribeWindows(m_proc.Pid())) ? dialog : nullptr;
}

bool App::Minimise() const {
    ShowWindow(m_frame, SW_MINIMIZE);
    return WaitUntil([&] { return IsIconic(m_frame) != 0; });
}

bool App::Exit() {
    if (!m_proc.Running())
        return false;
    PostCommand(m_frame, ID_APP_EXIT);
    if (!m_proc.WaitExit()) {
        m_proc.Kill();
        return false;
    }
    return m_proc.ExitCode() == 0;
}

HWND App::Toolbar() const {
    return FindId(m_frame, IDW_TOOLBAR, TOOLBARCLASSNAMEA);
}

HWND App::View() const {
    return FindId(m_frame, IDW_VIEW, TOLVARIN_VIEW_CLASS);
}

HWND App::Panel() const {
    return ChildOfClass(View(), "#32770");
}

HWND App::PanelItem(int id) const {
    HWND owner = Panel();
    return owner ? GetDlgItem(owner, id) : nullptr;
}

bool App::PictureShown() const {
    HWND placeholder = PanelItem(IDC_PREVIEW_MAIN);
    return placeholder && !IsWindowVisible(placeholder);
}

std::vector<MenuItem> App::Menu() {
    std::string problem;
    std::vector<MenuItem> items = ReadMenu(m_proc.Handle(), m_frame, Arg("probe"), problem);
    if (items.empty())
        Note("the menu could not be read: " + problem);
    return items;
}

bool App::ToolbarEnabled(UINT id) const {
    return Send(Toolbar(), TB_ISBUTTONENABLED, id, 0) != 0;
}

bool App::PreviewFits(std::string& detail) const {
    RECT slots = {};
    for (int id : {IDC_PREVIEW_BROWSER, IDC_PREVIEW_EQ, IDC_PREVIEW_PLAYLIST, IDC_PREVIEW_MAIN}) {
        const RECT slot = WindowRect(PanelItem(id));
        UnionRect(&slots, &slots, &slot);
    }
    const RECT client = ClientRectScreen(View());
    RECT inside = {};
    IntersectRect(&inside, &slots, &client);
    detail = Format("slots (%ld, %ld)-(%ld, %ld), view client (%ld, %ld)-(%ld, %ld) on screen", slots.left, slots.top,
                    slots.right, slots.bottom, client.left, client.top, client.right, client.bottom);
    return EqualRect(&inside, &slots) && slots.right - slots.left == kPreviewWidth &&
           slots.bottom - slots.top == kPreviewHeight;
}

POINT App::PreviewOrigin() const {
    const RECT slot = WindowRect(PanelItem(IDC_PREVIEW_EQ));
    POINT origin = {slot.left, slot.top};
    ScreenToClient(Panel(), &origin);
    return origin;
}

Image App::CapturePreview() const {
    const POINT origin = PreviewOrigin();
    return CaptureClient(Panel(), origin.x, origin.y, kPreviewWidth, kPreviewHeight);
}

Difference App::WaitPreview(const Image& expected, DWORD ms) const {
    const POINT origin = PreviewOrigin();
    return WaitPixels(Panel(), origin.x, origin.y, expected, ms);
}

}  // namespace tk
