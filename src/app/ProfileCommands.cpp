#include "app/ProfileCommands.h"

#include <string>

#include "app/AppState.h"
#include "app/TolvarinApp.h"
#include "app/TolvarinView.h"
#include "framework/FileDialog.h"
#include "platform/Platform.h"
#include "settings/Profile.h"
#include "shelltext/PathParts.h"

namespace {

// Asks for a profile file and remembers its folder. Empty when the user cancelled (nothing
// changed then).
std::string ChooseProfile(HWND owner, const char* title, bool save) {
    fw::FileChooser chooser;
    chooser.owner = owner;
    chooser.title = title;
    chooser.filter = "プロファイル(*.INI)|*.INI|すべてのファイル(*.*)|*.*";
    chooser.initialFolder = g_szProfilePath;
    chooser.defaultExtension = "INI";
    chooser.flags = OFN_EXPLORER | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : 0);
    chooser.capacity = kPathChars;
    if (!(save ? fw::ChooseFileToSave(chooser) : fw::ChooseFileToOpen(chooser)))
        return {};
    StorePath(g_szProfilePath, FolderOf(chooser.fileName).c_str());
    return chooser.fileName;
}

}  // namespace

void LoadSkinSettings(const ProfileTarget& target) {
    ReadSkinSettings(target, g_skinSettings);
    if (theApp.m_pPreviewView)
        theApp.m_pPreviewView->Panel().Sheet().RefreshPages();
}

void LoadSettingsProfile(HWND owner) {
    const std::string chosen = ChooseProfile(owner, "設定読み出し用プロファイル選択", false);
    if (chosen.empty())
        return;
    LoadSkinSettings(ProfileTarget(chosen));
    if (CTolvarinView* view = theApp.m_pPreviewView) {
        view->RebuildTemplates();
        view->RecomposeAndRedraw();
    }
}

void SaveSettingsProfile(HWND owner) {
    const std::string chosen = ChooseProfile(owner, "設定保存用プロファイル選択", true);
    if (chosen.empty())
        return;
    // A profile the user asked for and did not get must not look saved.
    if (!WriteSkinSettings(ProfileTarget(chosen), g_skinSettings))
        platform::ShowMessage("プロファイルを保存できませんでした。\n" + chosen);
}
