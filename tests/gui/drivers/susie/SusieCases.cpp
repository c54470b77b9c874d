#include "SusieCases.h"

#include "resource.h"

namespace tk {
namespace {

// Where the test plug-ins were built: beside the driver.
std::string TestPlugins() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    const std::string path = self;
    return Join(path.substr(0, path.find_last_of('\\')), "susie-plugins");
}

// Answers message boxes until `done` holds with none showing.
std::vector<Message> AnswerMessages(Proc& proc,
                                    const std::function<bool()>& done,
                                    bool beforeFrame,
                                    const std::function<void()>& onAnswered = {}) {
    std::vector<Message> messages;
    for (;;) {
        HWND box = nullptr;
        WaitUntil([&] {
            box = FindTop(proc.Pid(), "#32770");
            // A message box has no owner; the program's own dialogs have one.
            if (box && GetWindow(box, GW_OWNER))
                box = nullptr;
            return box || done();
        });
        if (!box)
            return messages;
        const std::string what = Format("message %zu", messages.size() + 1);
        HWND frame = FindTop(proc.Pid(), TOLVARIN_FRAME_CLASS);
        if (beforeFrame)
            Check(frame == nullptr, what + " comes before the main window");
        else
            Check(frame && !IsWindowEnabled(frame), what + " keeps the main window disabled (task-modal)");
        Check(GetWindow(box, GW_OWNER) == nullptr, what + " has no owner");
        HWND ok = FindId(box, IDOK, "Button");
        Check(ok && !FindId(box, IDCANCEL, "Button") && !FindId(box, IDNO, "Button"), what + " has only OK");
        messages.push_back({TextOf(box), TextOf(FindId(box, 0xFFFF, "Static"))});
        if (!ok) {
            proc.Kill();
            return messages;
        }
        Click(ok);
        WaitGone(box);
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
    if (CopyFileTo(Join(TestPlugins(), name), to))
        return true;
    return Check(false, "copy the test plug-in " + name, "to " + to);
}

std::string PluginFolder(const CaseDir& dir, const std::string& name, const std::vector<std::string>& plugins) {
    const std::string folder = Join(dir.folder, name);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& plugin : plugins) {
        const size_t equals = plugin.find('=');
        CopyTestPlugin(plugin.substr(0, equals),
                       Join(folder, plugin.substr(equals == std::string::npos ? 0 : equals + 1)));
    }
    return folder;
}

std::string PluginIni(const std::string& pluginPath) {
    return "[SusiePlugin]\r\nPluginPath=" + pluginPath + "\r\n";
}

std::vector<Message> StartupMessages(Proc& proc, HWND& frame) {
    return AnswerMessages(
        proc, [&] { return (frame = FindTop(proc.Pid(), TOLVARIN_FRAME_CLASS)) != nullptr; }, true);
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
    PostCommand(frame, ID_FILE_OPEN);
    HWND dialog = WaitOwned(pid, frame);
    if (!dialog)
        return {"<no open dialog>"};
    HWND types = FindId(dialog, kFileTypeId, "ComboBox");
    if (screenshot) {
        Send(types, CB_SHOWDROPDOWN, TRUE, 0);
        WaitUntil([] { return false; }, 300);  // the list is drawn asynchronously
        const RECT shot = WindowRect(dialog);
        SaveBmp(CaptureScreen(shot.left, shot.top, shot.right - shot.left, shot.bottom - shot.top + 160),
                Join(Arg("artifacts"), screenshot));
        Send(types, CB_SHOWDROPDOWN, FALSE, 0);
    }
    std::vector<std::string> items = ComboItems(types);
    CancelDialog(dialog);
    return items;
}

}  // namespace tk
