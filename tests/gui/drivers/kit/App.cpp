#include "App.h"

#include "Report.h"
#include "Window.h"
#include "resource.h"

#include <commctrl.h>

namespace tk {

HWND child_of_class(HWND parent, const char* cls) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (class_of(child) == cls)
            return child;
    }
    return nullptr;
}

bool App::start(const CaseDir& dir, const std::string& args) {
    m_frame = nullptr;
    if (!m_proc.start(dir.exe, args, dir.folder)) {
        note("could not start " + dir.exe);
        return false;
    }
    m_frame = wait_top(m_proc.pid(), TOLVARIN_FRAME_CLASS);
    if (!m_frame)
        note(format("no frame; process %s; its windows: ", m_proc.running() ? "running" : "ended") +
             describe_windows(m_proc.pid()));
    return m_frame != nullptr;
}

bool App::exit() {
    if (!m_proc.running())
        return false;
    post_command(m_frame, ID_APP_EXIT);
    if (!m_proc.wait_exit()) {
        m_proc.kill();
        return false;
    }
    return m_proc.exit_code() == 0;
}

HWND App::toolbar() const {
    return find_id(m_frame, IDW_TOOLBAR, TOOLBARCLASSNAMEA);
}

HWND App::view() const {
    return find_id(m_frame, IDW_VIEW, TOLVARIN_VIEW_CLASS);
}

HWND App::panel() const {
    return child_of_class(view(), "#32770");
}

HWND App::panel_item(int id) const {
    HWND owner = panel();
    return owner ? GetDlgItem(owner, id) : nullptr;
}

bool App::picture_shown() const {
    HWND placeholder = panel_item(IDC_PREVIEW_MAIN);
    return placeholder && !IsWindowVisible(placeholder);
}

std::vector<MenuItem> App::menu() {
    std::string problem;
    std::vector<MenuItem> items = read_menu(m_proc.handle(), m_frame, arg("probe"), problem);
    if (items.empty())
        note("the menu could not be read: " + problem);
    return items;
}

bool App::toolbar_enabled(UINT id) const {
    return send(toolbar(), TB_ISBUTTONENABLED, id, 0) != 0;
}

bool App::preview_fits(std::string& detail) const {
    RECT slots = {};
    for (int id : {IDC_PREVIEW_BROWSER, IDC_PREVIEW_EQ, IDC_PREVIEW_PLAYLIST, IDC_PREVIEW_MAIN}) {
        const RECT slot = window_rect(panel_item(id));
        UnionRect(&slots, &slots, &slot);
    }
    const RECT client = client_rect_screen(view());
    RECT inside = {};
    IntersectRect(&inside, &slots, &client);
    detail = format("slots (%ld, %ld)-(%ld, %ld), view client (%ld, %ld)-(%ld, %ld) on screen", slots.left, slots.top,
                    slots.right, slots.bottom, client.left, client.top, client.right, client.bottom);
    return EqualRect(&inside, &slots) && slots.right - slots.left == kPreviewWidth &&
           slots.bottom - slots.top == kPreviewHeight;
}

POINT App::preview_origin() const {
    const RECT slot = window_rect(panel_item(IDC_PREVIEW_EQ));
    POINT origin = {slot.left, slot.top};
    ScreenToClient(panel(), &origin);
    return origin;
}

Image App::capture_preview() const {
    const POINT origin = preview_origin();
    return capture_client(panel(), origin.x, origin.y, kPreviewWidth, kPreviewHeight);
}

Difference App::wait_preview(const Image& expected, DWORD ms) const {
    const POINT origin = preview_origin();
    return wait_pixels(panel(), origin.x, origin.y, expected, ms);
}

}  // namespace tk
