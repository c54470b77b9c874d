// What the image plug-in drivers share: the test plug-ins and folders of them, the host's
// messages as the user must see them, answering those messages, and the open dialog's formats.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Kit.h"

namespace tk {

inline constexpr char kLoadCaption[] = "SUSIEプラグインロードエラー";
inline constexpr char kFolderCaption[] = "プラグインロードエラー";
inline constexpr char kNoPlugin[] = "対応プラグインがみつかりません。";
std::string FolderNotFound(const std::string& entry);
std::string LoadFailed(const std::string& path);

// The open dialog's file types around the plug-ins' formats ("Type(*.ext)").
std::vector<std::string> Types(const std::vector<std::string>& formats);

// A folder `name` of the case holding test plug-ins, each copied under its own name or under the
// one given ("tp_red.spi=red.32"); returns its path.
std::string PluginFolder(const CaseDir& dir, const std::string& name, const std::vector<std::string>& plugins);
// The test plug-in `name` copied to `to`.
bool CopyTestPlugin(const std::string& name, const std::string& to);
std::string PluginIni(const std::string& pluginPath);

struct Message {
    std::string caption, text;
};
// Answers the message boxes of `proc` as they come, checking each: no owner, only an OK button,
// and the main window not yet shown. Ends when the main window has appeared.
std::vector<Message> StartupMessages(Proc& proc, HWND& frame);
// The same while the main window is up, after an action that may show messages: ends once none
// has come for a while (the next may follow its predecessor's closing only after a moment).
std::vector<Message> LaterMessages(Proc& proc);
// Each message as "caption / text", for one comparison of the lists.
std::string Joined(const std::vector<Message>& messages);
std::string Joined(const std::vector<std::string>& items);

// The file types the open dialog offers; the dialog is cancelled again. With `screenshot`, the list
// is dropped down and the dialog saved as that artifact first.
std::vector<std::string> OpenDialogTypes(DWORD pid, HWND frame, const char* screenshot = nullptr);

}  // namespace tk
