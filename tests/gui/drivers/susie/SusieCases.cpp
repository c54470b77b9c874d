#include "SusieCases.h"

#include "resource.h"

namespace tk {
namespace {

// Where the test plug-ins were built: beside the driver.
std::string TestPlugins() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    const std::string path = self;
    return join(path.substr(0, path.find_last_of('\\')), "susie-plugins");
}

// Answers message boxes until `done` holds with none showing.
std::vector<Message> AnswerMessages(Proc& proc,
                                    const std::function<bool()>& done,
                                    bool beforeFrame,
                                    const std::function<void()>& onAnswered = {}) {
    std::vector<Message> messages;
    for (;;) {
        HWND box = nullptr;
        wait_until([&] {
            box = find_top(proc.pid(), "#32770");
            // A message box has no owner; the program's own dialogs have one.
            if (box && GetWindow(box, GW_OWNER))
                box = nullptr;
            return box || done();
        });
        if (!box)
            return messages;
        const std::string what = format("message %zu", messages.size() + 1);
        HWND frame = find_top(proc.pid(), TOLVARIN_FRAME_CLASS);
        if (beforeFrame)
            check(frame == nullptr, what + " comes before the main window");
        else
            check(frame && !IsWindowEnabled(frame), what + " keeps the main window disabled (task-modal)");
        check(GetWindow(box, GW_OWNER) == nullptr, what + " has no owner");
        HWND ok = find_id(box, IDOK, "Button");
        check(ok && !find_id(box, IDCANCEL, "Button") && !find_id(box, IDNO, "Button"), what + " has only OK");
        messages.push_back({text_of(box), text_of(find_id(box, 0xFFFF, "Static"))});
        if (!ok) {
            proc.kill();
            return messages;
        }
        click(ok);
        wait_gone(box);
        if (onAnswered)
            onAnswered();
    }
}

}  // namespace

std::string FolderNotFound(const std::string& entry) {
    return "プラグインライブラリー(" + entry + ")\nが見つかりませんでした。";
}

std::string LoadFailed(const std::string& path) {
    return path + "\n\nプラグインのロードに失敗しました。";
}

std::vector<std::string> Types(const std::vector<std::string>& formats) {
    std::vector<std::string> types = {"対応ファイル"};
    types.insert(types.end(), formats.begin(), formats.end());
    types.insert(types.end(), {"BMP(*.BMP)", "すべてのファイル(*.*)"});
    return types;
}

bool CopyTestPlugin(const std::string& name, const std::string& to) {
    if (copy_file(join(TestPlugins(), name), to))
        return true;
    return check(false, "copy the test plug-in " + name, "to " + to);
}

std::string PluginFolder(const CaseDir& dir, const std::string& name, const std::vector<std::string>& plugins) {
    const std::string folder = join(dir.folder, name);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& plugin : plugins) {
        const size_t equals = plugin.find('=');
        CopyTestPlugin(plugin.substr(0, equals),
                       join(folder, plugin.substr(equals == std::string::npos ? 0 : equals + 1)));
    }
    return folder;
}

std::string PluginIni(const std::string& pluginPath) {
    return "[SusiePlugin]\r\nPluginPath=" + pluginPath + "\r\n";
}

std::vector<Message> StartupMessages(Proc& proc, HWND& frame) {
    return AnswerMessages(
        proc, [&] { return (frame = find_top(proc.pid(), TOLVARIN_FRAME_CLASS)) != nullptr; }, true);
}

std::vector<Message> LaterMessages(Proc& proc) {
    DWORD since = GetTickCount();
    return AnswerMessages(
        proc,
        [&] {
            // Restarted by every box answered; the wait polls this at least every 10 ms.
            static constexpr DWORD kQuiet = 1500;
            return GetTickCount() - since >= kQuiet;
        },
        false, [&] { since = GetTickCount(); });
}

std::string Joined(const std::vector<Message>& messages) {
    std::vector<std::string> items;
    for (const Message& message : messages)
        items.push_back(message.caption + " / " + message.text);
    return Joined(items);
}

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : " | ") + item;
    return text;
}

std::vector<std::string> OpenDialogTypes(DWORD pid, HWND frame, const char* screenshot) {
    post_command(frame, ID_FILE_OPEN);
    HWND dialog = wait_owned(pid, frame);
    if (!dialog)
        return {"<no open dialog>"};
    HWND types = find_id(dialog, kFileTypeId, "ComboBox");
    if (screenshot) {
        send(types, CB_SHOWDROPDOWN, TRUE, 0);
        wait_until([] { return false; }, 300);  // the list is drawn asynchronously
        const RECT shot = window_rect(dialog);
        save_bmp(capture_screen(shot.left, shot.top, shot.right - shot.left, shot.bottom - shot.top + 160),
                 join(arg("artifacts"), screenshot));
        send(types, CB_SHOWDROPDOWN, FALSE, 0);
    }
    std::vector<std::string> items = combo_items(types);
    cancel_dialog(dialog);
    return items;
}

}  // namespace tk
