#include "app/ProfileCommands.h"

#include <string>

#include "app/AppState.h"
#include "app/Recompose.h"
#include "app/TolvarinApp.h"
#include "framework/FileDialog.h"
#include "framework/PathParts.h"
#include "platform/Platform.h"
#include "settings/Profile.h"

namespace {

// Asks for a profile file; on a choice, remembers its folder and points the profile functions at
// it. False when the user cancelled (nothing changed then).
bool ChooseProfile(HWND owner, const char* title, bool save) {
    fw::FileChooser chooser;
    chooser.owner = owner;
    chooser.title = title;
    chooser.filter = "プロファイル(*.INI)|*.INI|すべてのファイル(*.*)|*.*";
    chooser.initialFolder = g_szProfilePath;
    chooser.defaultExtension = "INI";
    chooser.flags = OFN_EXPLORER | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : 0);
    chooser.capacity = kPathChars;
    if (!(save ? fw::ChooseFileToSave(chooser) : fw::ChooseFileToOpen(chooser)))
        return false;
    StorePath(g_szProfilePath, FolderOf(chooser.fileName).c_str());
    theApp.m_pszProfileName = chooser.fileName;
    return true;
}

}  // namespace

void LoadSettingsProfile(HWND owner) {
    if (!ChooseProfile(owner, "設定読み出し用プロファイル選択", false))
        return;
    ReadSkinSettings(theApp.Profile(), g_skinSettings);
    theApp.RestoreProfileTarget();
    RebuildTemplates();
    RecomposeAndRedraw();
}

void SaveSettingsProfile(HWND owner) {
    if (!ChooseProfile(owner, "設定保存用プロファイル選択", true))
        return;
    const std::string chosen = theApp.m_pszProfileName;
    const bool written = WriteSkinSettings(theApp.Profile(), g_skinSettings);
    theApp.RestoreProfileTarget();
    // A profile the user asked for and did not get must not look saved.
    if (!written)
        platform::ShowMessage("プロファイルを保存できませんでした。\n" + chosen);
}
